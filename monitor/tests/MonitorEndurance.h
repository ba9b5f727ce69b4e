#pragma once
// The monitor's check loop over a long run of ticks, for the endurance test and the
// endurance benchmark: the main window in-process, a check every 61 ticks (Period 0) and
// a refresh on every other tick between, the gateway's test service running with more
// memory than the limit, so that every check restarts it, and the test dispatcher
// answering that no conversation is in progress.
#include <cstdio>
#include "MonitorFixture.h"
#include "ProcessCounts.h"
#include "TestDispatcher.h"
#include "TimerTicks.h"

namespace monitor_test {

constexpr long kTicksPerCheck = 61;
// The first checks and refreshes make what lasts for the whole run (cached brushes and
// fonts, tooltips, the process list's lines); counts are compared after them.
constexpr long kWarmUpTicks = 4 * kTicksPerCheck;

class MonitorEndurance : public MonitorFixture {
protected:
    TestDispatcher dispatcher;

    void StartRun() {
        dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nPeriod=0\r\nSize=50\r\n");
        gateway.InstallRunning("--hold-mb 60");
        dispatcher.Start("--reply 0x05000000");
        Open();
    }

    // Sends `ticks` ticks, taking the counts before the first, after the warm-up, after
    // every `every` and after the last.
    void Run(CountsLog& log, long ticks, long every) {
        log.Take(0);
        for (long tick = 1; tick <= ticks; ++tick) {
            DeliverTick(*R40Mon->Timer1);
            if (tick == kWarmUpTicks || tick % every == 0 || tick == ticks) log.Take(tick);
        }
    }
};

}  // namespace monitor_test
