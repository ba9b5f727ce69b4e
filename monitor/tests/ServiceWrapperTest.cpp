// The gateway service wrapper against the Service Control Manager of the prefix. The
// test service is registered as "RAX40 Gateway"; the wrapper opens it as
// "rax40 gateway", so every test here also relies on the names matching without case.
#include "R40gwserv.h"
#include "RefusedRights.h"
#include "TempDir.h"
#include "TestGateway.h"
#include <gtest/gtest.h>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kMegabyte = 1024 * 1024;

// ---- state names and permitted requests, read from CurrentState alone ----

struct StateRow {
    DWORD state;
    const char* name;
    bool canStart;
    bool canStop;
};

TEST(ServiceWrapperState, NameAndPermittedRequestsFollowCurrentState) {
    const StateRow rows[] = {
        {0, "Неизвестно", false, false},
        {SERVICE_STOPPED, "Остановлен", true, false},
        {SERVICE_START_PENDING, "Запускается", false, true},
        {SERVICE_STOP_PENDING, "Останавливается", true, false},
        {SERVICE_RUNNING, "Выполняется", false, true},
        {SERVICE_CONTINUE_PENDING, "Продолжается", false, true},
        {SERVICE_PAUSE_PENDING, "Переход в паузу", false, false},
        {SERVICE_PAUSED, "Пауза", false, false},
        {8, "Неизвестно", false, false},
        {0xFFFFFFFF, "Неизвестно", false, false},
    };
    RAX40GATEWAY_SERVICE service;
    for (const StateRow& row : rows) {
        SCOPED_TRACE(row.state);
        service.CurrentState = row.state;
        EXPECT_STREQ(service.StateName(), row.name);
        EXPECT_EQ(service.CanStart(), row.canStart);
        EXPECT_EQ(service.CanStop(), row.canStop);
    }
}

// ---- reason texts ----

struct ReasonRow {
    DWORD lastError;
    const char* managerText;
    const char* serviceText;
};

TEST(ServiceWrapperReasons, EachOpeningFailureHasItsText) {
    const ReasonRow rows[] = {
        {ERROR_ACCESS_DENIED, "Доступ запрещен...", "Нет доступа к сервису..."},
        {ERROR_INVALID_PARAMETER, "Заданный параметр не существует...", ""},
        {ERROR_DATABASE_DOES_NOT_EXIST, "Запрошенная база данных не найдена...", ""},
        {ERROR_INVALID_HANDLE, "", "Ошибочный указатель менеджера сервисов..."},
        {ERROR_INVALID_NAME, "", "Ошибочное имя сервиса..."},
        {ERROR_SERVICE_DOES_NOT_EXIST, "", "Сервис не найден..."},
        {NO_ERROR, "", ""},
        {ERROR_FILE_NOT_FOUND, "", ""},
        {ERROR_INVALID_ADDRESS, "", ""},
    };
    for (const ReasonRow& row : rows) {
        SCOPED_TRACE(row.lastError);
        EXPECT_STREQ(RAX40GATEWAY_SERVICE::ManagerFailureText(row.lastError), row.managerText);
        EXPECT_STREQ(RAX40GATEWAY_SERVICE::ServiceFailureText(row.lastError), row.serviceText);
    }
}

TEST(ServiceWrapperReasons, SetErrorKeeps255Characters) {
    RAX40GATEWAY_SERVICE service;
    std::string longText(300, 'x');
    longText[254] = 'y';
    service.SetError(longText.c_str());
    EXPECT_EQ(std::strlen(service.ErrorText), 255u);
    EXPECT_EQ(service.ErrorText[254], 'y');
}

// Names that the Service Control Manager refuses; wine answers a null name with 487,
// a code without a text of its own.
struct OpeningRow {
    const char* label;
    const char* serviceName;
    const char* reason;
};

void PrintTo(const OpeningRow& row, std::ostream* out) { *out << row.label; }

class ServiceWrapperOpening : public testing::TestWithParam<OpeningRow> {};

TEST_P(ServiceWrapperOpening, FailsWithReasonAndNoState) {
    TestGateway absent;  // removes any "RAX40 Gateway" and installs nothing
    RAX40GATEWAY_SERVICE service(GetParam().serviceName);
    service.SetError("stale");
    EXPECT_FALSE(service.Connect());
    EXPECT_STREQ(service.ErrorText, GetParam().reason);
    EXPECT_EQ(service.ServiceHandle, nullptr);

    service.CurrentState = SERVICE_RUNNING;
    service.WorkingSet = 1;
    EXPECT_FALSE(service.Refresh());
    EXPECT_STREQ(service.ErrorText, GetParam().reason);
    EXPECT_EQ(service.CurrentState, 0u);
    EXPECT_EQ(service.WorkingSet, 0u);
    EXPECT_STREQ(service.StateName(), "Неизвестно");

    EXPECT_FALSE(service.Stop());
    EXPECT_FALSE(service.Start());
    EXPECT_EQ(service.ServiceHandle, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ServiceWrapperOpening,
    testing::Values(OpeningRow{"NotInstalled", RAX40GATEWAY_SERVICE::kGatewayServiceName, "Сервис не найден..."},
                    OpeningRow{"EmptyName", "", "Ошибочное имя сервиса..."},
                    OpeningRow{"NameWithBackslash", "rax40\\gateway", "Ошибочное имя сервиса..."},
                    OpeningRow{"NullName", nullptr, ""}),
    [](const testing::TestParamInfo<OpeningRow>& info) { return std::string(info.param.label); });

// ---- state, process and memory of the real service ----

TEST(ServiceWrapper, StoppedServiceHasNoProcessAndNoMemory) {
    TestGateway gateway;
    gateway.Install();
    RAX40GATEWAY_SERVICE service;
    service.ProcessId = 1234;
    service.WorkingSet = 1;

    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.CurrentState, static_cast<DWORD>(SERVICE_STOPPED));
    EXPECT_EQ(service.ProcessId, 0u);
    EXPECT_EQ(service.WorkingSet, 0u);
    EXPECT_EQ(service.WorkingSetError, 0u);  // no process: nothing failed
    EXPECT_STREQ(service.StateName(), "Остановлен");
    EXPECT_TRUE(service.CanStart());
    EXPECT_FALSE(service.CanStop());
    EXPECT_STREQ(service.ErrorText, "");
    EXPECT_EQ(service.ServiceHandle, nullptr);
}

TEST(ServiceWrapper, RunningServiceReportsItsOwnProcess) {
    TempDir dir;
    TestGateway gateway;
    gateway.InstallRunning("--pid-file \"" + dir.File("gateway.pid") + "\"");
    RAX40GATEWAY_SERVICE service;

    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.CurrentState, static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_STREQ(service.StateName(), "Выполняется");
    EXPECT_NE(service.ProcessId, 0u);
    EXPECT_EQ(std::to_string(service.ProcessId), dir.Read("gateway.pid"));
    EXPECT_GT(service.WorkingSet, 0u);
    EXPECT_FALSE(service.CanStart());
    EXPECT_TRUE(service.CanStop());
    EXPECT_EQ(service.ServiceHandle, nullptr);
}

TEST(ServiceWrapper, WorkingSetGrowsWithTouchedMemory) {
    TestGateway gateway;
    gateway.InstallRunning();
    RAX40GATEWAY_SERVICE service;
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    DWORD idle = service.WorkingSet;

    gateway.ForceStop();
    gateway.SetArguments("--hold-mb 60");
    gateway.Start();
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;

    EXPECT_LT(idle, 60 * kMegabyte);
    EXPECT_GT(service.WorkingSet, 60 * kMegabyte);
    EXPECT_GT(service.WorkingSet - idle, 55 * kMegabyte);
}

// ---- the process of a running service, with the rights the system grants ----

struct RightsRow {
    const char* label;
    DWORD full, limited;  // granted for each request (RefusedRights)
    std::vector<DWORD> requests;
    bool measured;
    DWORD error;
};

void PrintTo(const RightsRow& row, std::ostream* out) { *out << row.label; }

class ServiceWrapperRights : public testing::TestWithParam<RightsRow> {};

// The limited query right is enough for the memory. A process that grants not even that,
// or whose reading fails, is no reading: a working set of 0 with the system's reason, and
// still a successful refresh with the service's state.
TEST_P(ServiceWrapperRights, WorkingSetIsReadWithTheRightsGrantedOrNotAtAll) {
    const RightsRow& row = GetParam();
    TestGateway gateway;
    gateway.InstallRunning("--hold-mb 60");
    RAX40GATEWAY_SERVICE service;
    RefusedRights rights(row.full, row.limited);

    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.CurrentState, static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_EQ(service.ProcessId, gateway.ProcessId());
    EXPECT_EQ(rights.requests, row.requests);
    EXPECT_EQ(service.WorkingSetError, row.error);
    if (row.measured) EXPECT_GT(service.WorkingSet, 60 * kMegabyte);
    else EXPECT_EQ(service.WorkingSet, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Rights, ServiceWrapperRights,
    testing::Values(
        RightsRow{"AllGranted", kQueryAndRead, kLimitedQuery, {kQueryAndRead}, true, 0},
        RightsRow{"QueryAndReadRefused", 0, kLimitedQuery, {kQueryAndRead, kLimitedQuery}, true, 0},
        RightsRow{"EveryOpenRefused", 0, 0, {kQueryAndRead, kLimitedQuery}, false, ERROR_ACCESS_DENIED},
        // opened, but with no right to query: the reading itself is refused
        RightsRow{"OpenedWithoutQueryRight", SYNCHRONIZE, SYNCHRONIZE, {kQueryAndRead}, false, ERROR_ACCESS_DENIED}),
    [](const testing::TestParamInfo<RightsRow>& info) { return std::string(info.param.label); });

// A stopped service has no process to open: 0, and no failure.
TEST(ServiceWrapper, StoppedServiceReadsNoMemoryWithoutOpeningAProcess) {
    TestGateway gateway;
    gateway.Install();
    RAX40GATEWAY_SERVICE service;
    RefusedRights rights(0, 0);
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.WorkingSet, 0u);
    EXPECT_EQ(service.WorkingSetError, 0u);
    EXPECT_TRUE(rights.requests.empty());
}

// A failure is not carried into the next refresh.
TEST(ServiceWrapper, NextRefreshForgetsAFailedReading) {
    TestGateway gateway;
    gateway.InstallRunning();
    RAX40GATEWAY_SERVICE service;
    {
        RefusedRights rights(0, 0);
        ASSERT_TRUE(service.Refresh()) << service.ErrorText;
        ASSERT_EQ(service.WorkingSetError, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    }
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.WorkingSetError, 0u);
    EXPECT_GT(service.WorkingSet, 0u);
}

// ---- the states a service passes through, read from the Service Control Manager ----

void StartRunning(TestGateway& gateway) {
    gateway.Start();
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
}

void StartPaused(TestGateway& gateway) {
    StartRunning(gateway);
    gateway.Control(SERVICE_CONTROL_PAUSE);
    ASSERT_TRUE(gateway.WaitForState(SERVICE_PAUSED));
}

void StartAndBeginPause(TestGateway& gateway) {
    StartRunning(gateway);
    gateway.Control(SERVICE_CONTROL_PAUSE);
}

void PauseAndBeginContinue(TestGateway& gateway) {
    StartPaused(gateway);
    gateway.Control(SERVICE_CONTROL_CONTINUE);
}

void BeginStart(TestGateway& gateway) { gateway.Start(); }

struct LiveStateRow {
    const char* label;
    const char* arguments;
    void (*bringIntoState)(TestGateway&);
    DWORD state;
    const char* name;
    bool canStart;
    bool canStop;
};

void PrintTo(const LiveStateRow& row, std::ostream* out) { *out << row.label; }

class ServiceWrapperLiveState : public testing::TestWithParam<LiveStateRow> {};

TEST_P(ServiceWrapperLiveState, IsReadWithItsProcess) {
    const LiveStateRow& row = GetParam();
    TestGateway gateway;
    gateway.Install(row.arguments);
    row.bringIntoState(gateway);
    RAX40GATEWAY_SERVICE service;

    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.CurrentState, row.state);
    EXPECT_STREQ(service.StateName(), row.name);
    EXPECT_EQ(service.CanStart(), row.canStart);
    EXPECT_EQ(service.CanStop(), row.canStop);
    EXPECT_NE(service.ProcessId, 0u);
    EXPECT_EQ(service.ProcessId, gateway.ProcessId());
    EXPECT_GT(service.WorkingSet, 0u);
}

// The delays keep the pending states far longer than a test needs.
INSTANTIATE_TEST_SUITE_P(
    States, ServiceWrapperLiveState,
    testing::Values(
        LiveStateRow{"StartPending", "--start-delay-ms 5000", BeginStart,
                     SERVICE_START_PENDING, "Запускается", false, true},
        LiveStateRow{"PausePending", "--accept-pause --pause-delay-ms 5000", StartAndBeginPause,
                     SERVICE_PAUSE_PENDING, "Переход в паузу", false, false},
        LiveStateRow{"Paused", "--accept-pause", StartPaused,
                     SERVICE_PAUSED, "Пауза", false, false},
        LiveStateRow{"ContinuePending", "--accept-pause --continue-delay-ms 5000",
                     PauseAndBeginContinue, SERVICE_CONTINUE_PENDING, "Продолжается", false, true}),
    [](const testing::TestParamInfo<LiveStateRow>& info) { return std::string(info.param.label); });

// ---- stop and start requests ----

enum class Request { Stop, Start };

struct RequestRow {
    const char* label;
    const char* arguments;
    void (*bringIntoState)(TestGateway&);  // null: stays stopped
    Request request;
    bool accepted;
    DWORD finalState;
};

void PrintTo(const RequestRow& row, std::ostream* out) { *out << row.label; }

class ServiceWrapperRequest : public testing::TestWithParam<RequestRow> {};

TEST_P(ServiceWrapperRequest, IsSentOnlyWhenTheStatePermitsIt) {
    const RequestRow& row = GetParam();
    TestGateway gateway;
    gateway.Install(row.arguments);
    if (row.bringIntoState) row.bringIntoState(gateway);
    DWORD stateBefore = gateway.State();
    DWORD processBefore = gateway.ProcessId();
    RAX40GATEWAY_SERVICE service;

    bool accepted = row.request == Request::Stop ? service.Stop() : service.Start();
    EXPECT_EQ(accepted, row.accepted);
    EXPECT_EQ(service.ServiceHandle, nullptr);
    EXPECT_EQ(gateway.WaitWhilePending(), row.finalState);
    if (row.finalState == stateBefore) {
        EXPECT_EQ(gateway.ProcessId(), processBefore);
    }
}

// A paused test service accepts a stop from the system; the wrapper does not send one.
INSTANTIATE_TEST_SUITE_P(
    Requests, ServiceWrapperRequest,
    testing::Values(
        RequestRow{"StartStopped", "", nullptr, Request::Start, true, SERVICE_RUNNING},
        RequestRow{"StopRunning", "", StartRunning, Request::Stop, true, SERVICE_STOPPED},
        RequestRow{"StartRunning", "", StartRunning, Request::Start, false, SERVICE_RUNNING},
        RequestRow{"StopStopped", "", nullptr, Request::Stop, false, SERVICE_STOPPED},
        RequestRow{"StopRefusedByService", "--no-stop", StartRunning, Request::Stop, false,
                   SERVICE_RUNNING},
        RequestRow{"StopPaused", "--accept-pause", StartPaused, Request::Stop, false,
                   SERVICE_PAUSED},
        RequestRow{"StartPaused", "--accept-pause", StartPaused, Request::Start, false,
                   SERVICE_PAUSED}),
    [](const testing::TestParamInfo<RequestRow>& info) { return std::string(info.param.label); });

// The automatic restart: a start sent right after the stop of a slow service.
TEST(ServiceWrapper, StartRightAfterSlowStopIsRefusedAndServiceStaysStopped) {
    TestGateway gateway;
    gateway.InstallRunning("--stop-delay-ms 2000");
    RAX40GATEWAY_SERVICE service;

    ASSERT_TRUE(service.Stop());
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    EXPECT_EQ(service.CurrentState, static_cast<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_STREQ(service.StateName(), "Останавливается");
    EXPECT_TRUE(service.CanStart());
    EXPECT_FALSE(service.CanStop());

    EXPECT_FALSE(service.Start());
    EXPECT_TRUE(gateway.WaitForState(SERVICE_STOPPED));
    Sleep(300);
    EXPECT_EQ(gateway.State(), static_cast<DWORD>(SERVICE_STOPPED));
}

// A failed refresh leaves no state of the one before; the next connect empties the reason.
TEST(ServiceWrapper, ServiceRemovedAndInstalledAgain) {
    TestGateway gateway;
    gateway.InstallRunning();
    RAX40GATEWAY_SERVICE service;
    ASSERT_TRUE(service.Refresh()) << service.ErrorText;
    ASSERT_GT(service.WorkingSet, 0u);

    gateway.Remove();
    EXPECT_FALSE(service.Refresh());
    EXPECT_EQ(service.CurrentState, 0u);
    EXPECT_EQ(service.WorkingSet, 0u);
    EXPECT_STREQ(service.ErrorText, "Сервис не найден...");

    gateway.Install();
    EXPECT_TRUE(service.Refresh());
    EXPECT_STREQ(service.ErrorText, "");
    EXPECT_EQ(service.CurrentState, static_cast<DWORD>(SERVICE_STOPPED));
}

}  // namespace
