// The service panel of the main window against the test service in the prefix's Service
// Control Manager: the state text and the start/stop button following the service, the
// start-type list, and the restart thread. Timer ticks are sent as the WM_TIMER the
// system would deliver; the window's own timer is stopped so that only these count.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>
#include "ComboBox.h"
#include "ConfiguratorFixture.h"
#include "Image.h"
#include "Label.h"
#include "SpeedButton.h"
#include "TestGateway.h"
#include "Timer.h"

namespace {

struct CloseScHandle {
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ScHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, CloseScHandle>;

ScHandle OpenGatewayService(const std::string& name) {
    ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    return ScHandle(OpenServiceA(manager.get(), name.c_str(), SERVICE_ALL_ACCESS));
}

// The start type as the Service Control Manager holds it, asked past the configurator.
DWORD StartTypeInManager(SC_HANDLE service) {
    DWORD needed = 0;
    QueryServiceConfigA(service, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!QueryServiceConfigA(service, config, needed, &needed)) return 0xFFFFFFFF;
    return config->dwStartType;
}

DWORD StartTypeInManager(const std::string& name) { return StartTypeInManager(OpenGatewayService(name).get()); }

class ServicePanelTest : public configurator_test::ConfiguratorFixture {
protected:
    TestGateway gateway;  // removed after TearDown has let go of the service
    TMainForm* form = nullptr;

    TMainForm* Start() override {
        form = ConfiguratorFixture::Start();
        form->Timer->SetEnabled(false);
        return form;
    }

    void Tick() { SendMessageW(form->Timer->Handle(), WM_TIMER, form->Timer->Id(), 0); }

    // What the system does when the operator picks an item from the open list.
    void Pick(int index) { configurator_test::Pick(form->StartTypeCB, index); }

    // The button as the operator meets it. The start glyph is 20 pixels wide, the stop
    // glyph 32; none is 0.
    void ExpectRunButton(bool enabled, int tag, int glyphWidth, const char* hint, const char* when) {
        TSpeedButton* button = form->RunButton;
        EXPECT_EQ(IsWindowEnabled(button->Handle()) != FALSE, enabled) << when;
        EXPECT_EQ(button->Tag, tag) << when;
        EXPECT_EQ(button->Glyph().Empty() ? 0 : button->Glyph().Width(), glyphWidth) << when;
        EXPECT_EQ(button->Hint(), hint) << when;
    }

    void ExpectStartLook(const char* when) { ExpectRunButton(true, 0, 20, "Запустить службу rax40gw", when); }
    void ExpectStopLook(const char* when) { ExpectRunButton(true, 1, 32, "Остановить службу rax40gw", when); }
};

TEST_F(ServicePanelTest, StoppedServiceAtStartOffersToStartIt) {
    gateway.Install();
    Start();
    EXPECT_EQ(form->Label1->Caption(), "остановлена");
    ExpectStartLook("stopped at start");
    // The glyph is the button's own copy of the image's bitmap.
    EXPECT_NE(form->RunButton->Glyph().Handle(), form->StartImage->Bitmap());
    EXPECT_EQ(form->FLastServiceState, SERVICE_STOPPED);
}

TEST_F(ServicePanelTest, ServiceStartedAndStoppedFromOutsideIsFollowedTickByTick) {
    gateway.Install("--start-delay-ms 1500 --stop-delay-ms 1500");
    Start();
    gateway.Start();
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "запускается...");
    ExpectRunButton(false, 0, 20, "Подождите...", "start pending");

    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "выполняется");
    ExpectStopLook("running");
    EXPECT_NE(form->RunButton->Glyph().Handle(), form->StopImage->Bitmap());

    gateway.Stop();
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "останавливается...");
    ExpectRunButton(false, 1, 32, "Подождите...", "stop pending");

    ASSERT_TRUE(gateway.WaitForState(SERVICE_STOPPED));
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "остановлена");
    ExpectStartLook("stopped again");
}

// A tick that finds the state of the previous tick leaves the button alone.
TEST_F(ServicePanelTest, ButtonChangesOnlyWhenTheStateHasChanged) {
    gateway.Install();
    Start();
    form->RunButton->SetHint("changed by hand");
    form->RunButton->Tag = 7;
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "остановлена");
    EXPECT_EQ(form->RunButton->Hint(), "changed by hand");
    EXPECT_EQ(form->RunButton->Tag, 7);

    gateway.Start();
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    Tick();
    ExpectStopLook("running");
}

TEST_F(ServicePanelTest, PausedServiceShowsPauseAndTheButtonWaits) {
    gateway.Install("--accept-pause");
    gateway.Start();
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    Start();
    ExpectStopLook("running at start");

    gateway.Control(SERVICE_CONTROL_PAUSE);
    ASSERT_TRUE(gateway.WaitForState(SERVICE_PAUSED));
    Tick();
    EXPECT_EQ(form->Label1->Caption(), "пауза");
    ExpectRunButton(false, 1, 32, "Подождите...", "paused");

    gateway.Control(SERVICE_CONTROL_CONTINUE);
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    Tick();
    ExpectStopLook("continued");
}

TEST_F(ServicePanelTest, PickingAStartTypeChangesTheServicesStartType) {
    gateway.Install("", SERVICE_DEMAND_START);
    Start();
    ASSERT_EQ(form->StartTypeCB->ItemIndex(), 1);
    const std::vector<std::pair<int, DWORD>> picks = {
        {2, SERVICE_DISABLED}, {0, SERVICE_AUTO_START}, {1, SERVICE_DEMAND_START}, {2, SERVICE_DISABLED}};
    for (auto [item, startType] : picks) {
        Pick(item);
        EXPECT_EQ(StartTypeInManager(gateway.Name()), startType) << form->StartTypeCB->Item(item);
        EXPECT_EQ(GatewayControl.StartType(), startType) << form->StartTypeCB->Item(item);
    }
    EXPECT_TRUE(notices.empty());
}

// A service marked for deletion refuses every change of its configuration.
TEST_F(ServicePanelTest, RefusedStartTypeChangeShowsNothingAndKeepsTheHeldStartType) {
    gateway.Install("", SERVICE_DEMAND_START);
    Start();
    ScHandle service = OpenGatewayService(gateway.Name());
    ASSERT_TRUE(service);
    ASSERT_TRUE(DeleteService(service.get()));

    Pick(2);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(form->StartTypeCB->ItemIndex(), 2);
    EXPECT_EQ(form->StartTypeCB->Text(), "Отключено");
    EXPECT_EQ(GatewayControl.StartType(), DWORD(SERVICE_DEMAND_START));
    EXPECT_EQ(StartTypeInManager(service.get()), DWORD(SERVICE_DEMAND_START));
}

// Here the service handle is held although start-up did not count the service as
// available, as when its status or configuration could not be read: the timer and the
// list must still leave it alone.
TEST_F(ServicePanelTest, WithoutTheServiceAtStartTheTimerAndTheListDoNothing) {
    Start();
    ASSERT_FALSE(ServiceAvailable);
    gateway.Install("", SERVICE_DEMAND_START);
    ASSERT_TRUE(GatewayControl.Open(gateway.Name()));

    Tick();
    Pick(2);
    EXPECT_EQ(form->Label1->Caption(), "");
    EXPECT_FALSE(IsWindowEnabled(form->RunButton->Handle()));
    EXPECT_EQ(form->RunButton->Hint(), "Ошибка инициализации менеджера служб !");
    EXPECT_TRUE(form->RunButton->Glyph().Empty());
    EXPECT_EQ(form->FLastServiceState, -1);
    EXPECT_EQ(StartTypeInManager(gateway.Name()), DWORD(SERVICE_DEMAND_START));
    EXPECT_TRUE(notices.empty());
}

class RestartThreadTest : public testing::Test {
protected:
    TestGateway gateway;
    void TearDown() override { GatewayControl.Close(); }
};

TEST_F(RestartThreadTest, StopsTheServiceAndStartsItAgainTwoSecondsLater) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    ASSERT_TRUE(GatewayControl.Open(gateway.Name()));

    ULONGLONG started = GetTickCount64();
    auto thread = TThread::Start<RAXThread>();
    EXPECT_TRUE(gateway.WaitForState(SERVICE_STOPPED, 1800)) << "stopped during the pause";
    ASSERT_EQ(WaitForSingleObject(thread->Handle(), 10000), WAIT_OBJECT_0);
    EXPECT_GE(GetTickCount64() - started, 1990u);
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    EXPECT_NE(gateway.ProcessId(), before);
}

// The system refuses a start while the service is still stopping: the worker waits for
// the stop. It reads the state into a record of its own, never into the one that the
// window thread's timer fills.
TEST_F(RestartThreadTest, WaitsForASlowStopBeforeItStartsTheServiceAgain) {
    gateway.InstallRunning("--stop-delay-ms 4000");
    DWORD before = gateway.ProcessId();
    ASSERT_TRUE(GatewayControl.Open(gateway.Name()));
    SERVICE_STATUS timersRecord{};
    timersRecord.dwCurrentState = 99;
    GatewayControl.Status = timersRecord;

    ULONGLONG started = GetTickCount64();
    auto thread = TThread::Start<RAXThread>();
    ASSERT_EQ(WaitForSingleObject(thread->Handle(), 20000), WAIT_OBJECT_0);
    EXPECT_GE(GetTickCount64() - started, 3900u);
    ASSERT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    EXPECT_NE(gateway.ProcessId(), before);
    EXPECT_EQ(GatewayControl.Status.dwCurrentState, 99u);
}

// A service that hangs in stopping gets its start request at the limit; the system
// refuses it, and the worker ends.
TEST_F(RestartThreadTest, StopsWaitingAtItsLimit) {
    gateway.InstallRunning("--stop-delay-ms 6000");
    ASSERT_TRUE(GatewayControl.Open(gateway.Name()));

    ULONGLONG started = GetTickCount64();
    auto thread = TThread::Start<RAXThread>(3000);
    ASSERT_EQ(WaitForSingleObject(thread->Handle(), 20000), WAIT_OBJECT_0);
    ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, 2990u);
    EXPECT_LT(took, 4500u);
    EXPECT_EQ(gateway.State(), DWORD(SERVICE_STOP_PENDING));
}

TEST_F(RestartThreadTest, WithoutAServiceHandleItOnlyWaitsTwoSeconds) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    ASSERT_EQ(GatewayControl.ServiceHandle, nullptr);

    ULONGLONG started = GetTickCount64();
    auto thread = TThread::Start<RAXThread>();
    ASSERT_EQ(WaitForSingleObject(thread->Handle(), 10000), WAIT_OBJECT_0);
    ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, 1990u);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(gateway.State(), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(gateway.ProcessId(), before);
}

}  // namespace
