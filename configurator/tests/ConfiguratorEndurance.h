#pragma once
// The configurator's service panel over a long run, for the endurance test and the
// endurance benchmark: the main window shown on its service panel, with the gateway's
// test service running, the one-second timer's ticks following the service's state, and
// restarts by the restart worker while the ticks go on, as they do while the window
// waits for the worker.
#include <windows.h>
#include "ConfiguratorFixture.h"
#include "ProcessCounts.h"
#include "SpeedButton.h"
#include "TestGateway.h"
#include "TimerTicks.h"

namespace configurator_test {

class ConfiguratorEndurance : public ConfiguratorFixture {
protected:
    TestGateway gateway;  // removed after TearDown has let go of the service
    TMainForm* form = nullptr;
    long ticks = 0;
    int restarts = 0;

    void StartRun() {
        gateway.InstallRunning();
        form = Start();
        form->Timer->SetEnabled(false);
        form->Show();
        Click(form->SpeedButtonService);
    }

    void Tick() {
        DeliverTick(*form->Timer);
        ++ticks;
    }

    // One restart by the worker, a tick every 10 ms until it has ended, and then until
    // the service runs again.
    void RestartTicking() {
        auto worker = TThread::Start<RAXThread>();
        while (WaitForSingleObject(worker->Handle(), 10) == WAIT_TIMEOUT) Tick();
        for (ULONGLONG end = GetTickCount64() + TestGateway::kDefaultTimeoutMs;
             gateway.State() != SERVICE_RUNNING && GetTickCount64() < end; Sleep(10))
            Tick();
        ++restarts;
    }

    // `rounds` rounds of a restart and `ticksEach` ticks; the counts are taken before the
    // first round and after each. The first round is the warm-up: it shows both looks of
    // the start/stop button.
    void Run(CountsLog& log, int rounds, long ticksEach) {
        log.Take(0);
        for (int round = 0; round < rounds; ++round) {
            RestartTicking();
            for (long i = 0; i < ticksEach; ++i) Tick();
            log.Take(ticks);
            if (round == 0) warmUpTicks = ticks;
        }
    }

    long warmUpTicks = 0;
};

}  // namespace configurator_test
