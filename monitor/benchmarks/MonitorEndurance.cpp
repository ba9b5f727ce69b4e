// The monitor's endurance benchmark: the check loop of the real main window driven for
// many ticks (20000 unless the first argument says otherwise), against the test gateway
// service in the Service Control Manager and the test dispatcher, printing the process's
// handles, USER and GDI objects and committed memory every 2000 ticks. It fails when a
// count has grown after warm-up or memory by more than 256 KB.
//   monitor_endurance.exe [TICKS] [gtest flags]
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include "MonitorEndurance.h"

namespace monitor_test {
namespace {

long ticks = 20000;
constexpr long kSampleEvery = 2000;
constexpr long long kMemoryAim = 256 * 1024;

TEST_F(MonitorEndurance, LongRun) {
    StartRun();
    CountsLog log(stdout);
    ULONGLONG started = GetTickCount64();
    Run(log, ticks, kSampleEvery);
    ProcessCounts growth = log.GrowthSince(kWarmUpTicks);
    std::printf("%ld ticks in %llu s, %d restarts of the service; after warm-up (tick %ld): %s\n", ticks,
                (GetTickCount64() - started) / 1000, R40Mon->RestartCntSeans, kWarmUpTicks,
                CountsLog::Describe(growth).c_str());
    ExpectFlat(log, kWarmUpTicks, kMemoryAim);
}

}  // namespace
}  // namespace monitor_test

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) monitor_test::ticks = std::atol(argv[1]);
    return RUN_ALL_TESTS();
}
