// The configurator's endurance benchmark: the service panel of the real main window
// against the test gateway service in the Service Control Manager, through rounds of a
// restart by the restart worker (with the timer ticking meanwhile) and a run of timer
// ticks: 5 rounds of 1000 ticks unless the arguments say otherwise. It prints the
// process's handles, USER and GDI objects and committed memory after each round, and
// fails when a round did not restart the gateway (the ticks showing it stopped, then
// running in a new process), when a count could not be taken or has grown after the
// first round, or memory by more than 256 KB.
//   configurator_endurance.exe [ROUNDS [TICKS]] [gtest flags]
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include "ConfiguratorEndurance.h"

namespace configurator_test {
namespace {

int rounds = 5;
long ticksEach = 1000;
constexpr long long kMemoryAim = 256 * 1024;

TEST_F(ConfiguratorEndurance, LongRun) {
    StartRun();
    CountsLog log(stdout);
    ULONGLONG started = GetTickCount64();
    Run(log, rounds, ticksEach);
    ProcessCounts growth = log.GrowthSince(warmUpTicks);
    std::printf("%ld ticks and %d restarts in %llu s; after warm-up (tick %ld): %s\n", ticks, restarts,
                (GetTickCount64() - started) / 1000, warmUpTicks, CountsLog::Describe(growth).c_str());
    EXPECT_EQ(restarts, rounds);
    ExpectFlat(log, warmUpTicks, kMemoryAim);
}

}  // namespace
}  // namespace configurator_test

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) configurator_test::rounds = std::atoi(argv[1]);
    if (argc > 2) configurator_test::ticksEach = std::atol(argv[2]);
    return RUN_ALL_TESTS();
}
