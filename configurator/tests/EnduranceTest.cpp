// A short run of the service panel's timer and the restart worker: the process's
// handles, window and drawing objects stay as they were after warm-up, and memory
// barely moves. The long run is the endurance benchmark (configurator/benchmarks).
#include <gtest/gtest.h>
#include "ConfiguratorEndurance.h"
#include "Label.h"

namespace configurator_test {
namespace {

constexpr long long kMemorySlack = 64 * 1024;

TEST_F(ConfiguratorEndurance, CountsStayFlatOverRestartsAndTicks) {
    StartRun();
    CountsLog log(stdout);
    Run(log, 3, 200);

    ExpectFlat(log.GrowthSince(warmUpTicks), kMemorySlack);
    // The ticks followed the restarts: the button went through both of its looks.
    EXPECT_EQ(form->Label1->Caption(), "выполняется");
    EXPECT_EQ(form->RunButton->Tag, 1);
}

}  // namespace
}  // namespace configurator_test
