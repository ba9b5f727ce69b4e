// A short run of the monitor's check loop with its restarts: the process's handles,
// window and drawing objects stay as they were after warm-up, and memory barely moves.
// The long run is the endurance benchmark (monitor/benchmarks).
#include <gtest/gtest.h>
#include "ListBox.h"
#include "MonitorEndurance.h"
#include "Shape.h"

namespace monitor_test {
namespace {

constexpr long kTicks = 6 * kTicksPerCheck + 1;
constexpr long long kMemorySlack = 64 * 1024;

TEST_F(MonitorEndurance, CountsStayFlatOverAFewHundredTicks) {
    StartRun();
    CountsLog log(stdout);
    Run(log, kTicks, kTicksPerCheck);

    ExpectFlat(log, kWarmUpTicks, kMemorySlack);
    // The run did what it is meant to: checks that restarted, refreshes that listed the
    // processes and asked the dispatcher.
    EXPECT_GE(R40Mon->RestartCntSeans, 6);
    EXPECT_GT(R40Mon->ListBox1->Count(), 0);
    EXPECT_EQ(R40Mon->ShapeDorn->BrushColor(), clLime);
}

}  // namespace
}  // namespace monitor_test
