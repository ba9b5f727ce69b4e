// A short run of the service panel's timer and the restart worker: each round restarts
// the gateway as the ticks show, and the process's handles, window and drawing objects
// stay as they were after warm-up, and memory barely moves. The long run is the
// endurance benchmark (configurator/benchmarks).
#include <gtest/gtest.h>
#include "ConfiguratorEndurance.h"

namespace configurator_test {
namespace {

constexpr long long kMemorySlack = 64 * 1024;

TEST_F(ConfiguratorEndurance, CountsStayFlatOverRestartsAndTicks) {
    StartRun();
    CountsLog log(stdout);
    Run(log, 3, 200);

    ExpectFlat(log, warmUpTicks, kMemorySlack);
    // Every round restarted the gateway, and the ticks showed it stopped and running again.
    EXPECT_EQ(restarts, 3);
}

}  // namespace
}  // namespace configurator_test
