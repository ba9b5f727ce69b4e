// The service-control object against the test service registered in the prefix's
// Service Control Manager.
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "Scm.h"
#include "TestGateway.h"

namespace {

TEST(ServiceControl, NamesEveryStateAndCallsTheRestUnknown) {
    const std::vector<std::pair<DWORD, const char*>> cases = {
        {0, "?"},
        {SERVICE_STOPPED, "остановлена"},
        {SERVICE_START_PENDING, "запускается..."},
        {SERVICE_STOP_PENDING, "останавливается..."},
        {SERVICE_RUNNING, "выполняется"},
        {SERVICE_CONTINUE_PENDING, "ожидание продолжения"},
        {SERVICE_PAUSE_PENDING, "ожидание паузы"},
        {SERVICE_PAUSED, "пауза"},
        {8, "?"},
        {0xFFFFFFFF, "?"},
    };
    for (auto [state, text] : cases) EXPECT_EQ(ServiceStateText(state), text) << state;
}

TEST(ServiceControl, WithoutTheServiceOpenFailsAndEveryQueryIsEmpty) {
    TestGateway noService;
    ServiceControl control;
    ASSERT_NE(control.ScmHandle, nullptr);
    EXPECT_FALSE(control.Open(noService.Name()));
    EXPECT_EQ(control.ServiceHandle, nullptr);
    EXPECT_EQ(control.StatusText(), "?");
    EXPECT_EQ(control.BinaryPath(), "");
    EXPECT_EQ(control.StartType(), 0u);
    EXPECT_FALSE(control.Start());
    EXPECT_FALSE(control.Stop());
    EXPECT_FALSE(control.SetStartType(SERVICE_DISABLED));
}

TEST(ServiceControl, OpensTheServiceAndFollowsItsStateUntilClosed) {
    TestGateway gateway;
    gateway.Install("", SERVICE_DISABLED);
    ServiceControl control;
    ASSERT_TRUE(control.Open("rax40 gateway"));  // the manager compares names without case
    EXPECT_EQ(control.StartType(), DWORD(SERVICE_DISABLED));
    EXPECT_NE(control.BinaryPath().find(TestGateway::ExecutablePath()), AnsiString::npos) << control.BinaryPath();
    EXPECT_EQ(control.StatusText(), "остановлена");

    ASSERT_TRUE(control.SetStartType(SERVICE_DEMAND_START));
    EXPECT_EQ(control.StartType(), DWORD(SERVICE_DEMAND_START));
    ASSERT_TRUE(control.Start());
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    EXPECT_EQ(control.StatusText(), "выполняется");
    EXPECT_EQ(control.Status.dwCurrentState, DWORD(SERVICE_RUNNING));
    ASSERT_TRUE(control.Stop());
    ASSERT_TRUE(gateway.WaitForState(SERVICE_STOPPED));

    EXPECT_TRUE(control.Close());
    EXPECT_EQ(control.ServiceHandle, nullptr);
    EXPECT_EQ(control.Config, nullptr);
    EXPECT_EQ(control.StatusText(), "?");
    EXPECT_EQ(control.BinaryPath(), "");
}

}  // namespace
