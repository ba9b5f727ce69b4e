// The monitor's main window in-process, against the Service Control Manager of the
// prefix: the check loop, the automatic restart, the service display, hiding and
// closing. The real timer is switched off; the tests send its ticks themselves, as the
// system's timer message brings them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>
#include "BitBtn.h"
#include "Button.h"
#include "Label.h"
#include "ListBox.h"
#include "MonitorFixture.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "RefusedRights.h"
#include "Shape.h"
#include "TrayIcon.h"

namespace monitor_test {
namespace {

class MonitorWindow : public MonitorFixture {
protected:
    int BarPosition() { return static_cast<int>(SendMessageW(R40Mon->ProgressBar1->Handle(), PBM_GETPOS, 0, 0)); }

    bool Enabled(TControl* control) { return IsWindowEnabled(control->Handle()) != FALSE; }
};

// ---- start-up and the countdown ----

TEST_F(MonitorWindow, OpensWithItsLayoutAndNothingRefreshedYet) {
    TR40Mon& form = Open();
    EXPECT_EQ(Application.MainForm, &form);
    EXPECT_EQ(WindowText(form.Handle()), L"Монитор шлюза RAX40GW");
    EXPECT_EQ(form.ClientWidth(), 585);
    EXPECT_EQ(form.ClientHeight(), 430);
    EXPECT_NE(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(form.Period, 5);
    EXPECT_EQ(form.Size, 50);
    EXPECT_EQ(form.RestartCnt, 0);
    EXPECT_TRUE(form.mLog->Checked());
    EXPECT_EQ(form.LogFileName, dir.Path() + "R40GWmonitor.txt");
    EXPECT_EQ(SendMessageW(form.ProgressBar1->Handle(), PBM_GETRANGE, FALSE, 0), 50);
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"---");
    EXPECT_EQ(WindowText(form.LabelRestartCntSeans->Handle()), L"---");
    EXPECT_EQ(WindowText(form.BitBtnStop->Handle()), L"     Стоп");
    EXPECT_EQ(WindowText(form.BitBtnStart->Handle()), L"     Старт");
    EXPECT_EQ(WindowText(form.Button1->Handle()), L"&Спрятать");
    EXPECT_EQ(form.mHide->Caption(), "&Спрятать");
    EXPECT_EQ(form.mClose->Caption(), "&Завершить");
    EXPECT_EQ(form.pmShow->Caption(), "&Открыть");
    EXPECT_EQ(form.pmClose->Caption(), "&Завершить");
    EXPECT_EQ(form.ShapeDorn->Hint(), "Контроль программы Dorn 4");
    EXPECT_EQ(form.ShapeDorn->BrushColor(), clGray);
    EXPECT_EQ(form.ListBox1->Font.Name, "Courier New");
    EXPECT_EQ(form.Panel1->Height(), 74);
    EXPECT_EQ(form.Panel1->Top() + form.Panel1->Height(), form.StatusBar1->Top());
    EXPECT_EQ(SendMessageW(form.StatusBar1->Handle(), SB_GETPARTS, 0, 0), 3);
    EXPECT_EQ(PanelText(2), L"");
}

TEST_F(MonitorWindow, FirstTickChecksBeforeAnyRefresh) {
    gateway.Install();
    TR40Mon& form = Open();

    Tick();
    EXPECT_EQ(form.CheckCountdown, 300);
    EXPECT_EQ(PanelText(2), L"");  // the check leaves the countdown panel alone
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"---");
    EXPECT_EQ(form.ShapeDorn->Hint(), "Контроль программы Dorn 4");

    Tick();  // 299 left: odd, so the window is refreshed
    EXPECT_EQ(PanelText(2), L"До проверки: 299 сек");
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"0");
    EXPECT_EQ(WindowText(form.LabelRestartCntSeans->Handle()), L"0");
    EXPECT_EQ(PanelText(1), L"Dorn4: Не работает...");
    EXPECT_EQ(form.ShapeDorn->Hint(), "Dorn4: Не работает...");
    EXPECT_EQ(form.ShapeDorn->BrushColor(), clGray);
}

struct PeriodRow {
    int32_t period;
    const wchar_t* afterCheck;  // panel 2 on the tick after a check
    int ticksBetweenChecks;
};

class MonitorPeriod : public MonitorWindow, public testing::WithParamInterface<PeriodRow> {};

TEST_P(MonitorPeriod, ChecksComeOnTheTickThatFindsTheCountAtZero) {
    TR40Mon& form = Open();
    form.Period = GetParam().period;
    Tick();  // the first check
    Tick();
    EXPECT_EQ(PanelText(2), GetParam().afterCheck);
    Tick(GetParam().ticksBetweenChecks - 2);
    EXPECT_EQ(form.CheckCountdown, 0);
    EXPECT_EQ(PanelText(2), L"До проверки: 0 сек");
    Tick();  // the next check
    EXPECT_EQ(form.CheckCountdown, GetParam().ticksBetweenChecks - 1);
    EXPECT_EQ(PanelText(2), L"До проверки: 0 сек");
}

INSTANTIATE_TEST_SUITE_P(Periods, MonitorPeriod,
                         testing::Values(PeriodRow{5, L"До проверки: 299 сек", 301},
                                         PeriodRow{0, L"До проверки: 59 сек", 61},
                                         PeriodRow{1, L"До проверки: 59 сек", 61}));

TEST_F(MonitorWindow, NegativePeriodCountsOnBelowZeroWithoutFurtherChecks) {
    TR40Mon& form = Open();
    form.Period = -1;
    Tick();
    EXPECT_EQ(form.CheckCountdown, -60);
    Tick();
    EXPECT_EQ(PanelText(2), L"До проверки: -61 сек");
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"0");  // -61 is odd: refreshed
    Tick(100);
    EXPECT_EQ(form.CheckCountdown, -161);
}

// ---- the service as the window shows it ----

enum class Gateway { Missing, Stopped, RunningWith1536K };

struct DisplayRow {
    const char* label;
    Gateway gateway;
    const wchar_t* info;
    int bar;
    const wchar_t* servicePanel;
    bool stopEnabled, startEnabled;
};

void PrintTo(const DisplayRow& row, std::ostream* out) { *out << row.label; }

class MonitorDisplay : public MonitorWindow, public testing::WithParamInterface<DisplayRow> {};

TEST_P(MonitorDisplay, ShowsTheServicesMemoryStateAndButtons) {
    const DisplayRow& row = GetParam();
    if (row.gateway == Gateway::Stopped) gateway.Install();
    if (row.gateway == Gateway::RunningWith1536K) {
        gateway.InstallRunning();
        MeasureAs(1572864);
    }
    TR40Mon& form = Open();
    EXPECT_EQ(WindowText(form.LabelInfo->Handle()), row.info);
    EXPECT_EQ(BarPosition(), row.bar);  // whole megabytes
    EXPECT_EQ(PanelText(0), row.servicePanel);
    EXPECT_EQ(Enabled(form.BitBtnStop), row.stopEnabled);
    EXPECT_EQ(Enabled(form.BitBtnStart), row.startEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Services, MonitorDisplay,
    testing::Values(DisplayRow{"Stopped", Gateway::Stopped, L"Память Rax40 Gateway: 0 кБайт...", 0,
                               L"Rax40GW: Остановлен", false, true},
                    DisplayRow{"Missing", Gateway::Missing, L"Память Rax40 Gateway: Сервис не найден...", 0,
                               L"Rax40GW: Состояние неизвестно", false, false},
                    DisplayRow{"Running", Gateway::RunningWith1536K, L"Память Rax40 Gateway: 1536 кБайт...", 1,
                               L"Rax40GW: Выполняется", true, false}),
    [](const testing::TestParamInfo<DisplayRow>& info) { return std::string(info.param.label); });

TEST_F(MonitorWindow, StopAndStartButtonsDriveTheService) {
    gateway.InstallRunning("--stop-delay-ms 3000");
    TR40Mon& form = Open();

    SendMessageW(form.BitBtnStop->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(PanelText(0), L"Rax40GW: Останавливается");
    EXPECT_FALSE(Enabled(form.BitBtnStop));
    EXPECT_TRUE(Enabled(form.BitBtnStart));
    ASSERT_TRUE(gateway.WaitForState(SERVICE_STOPPED));

    SendMessageW(form.BitBtnStart->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
}

// ---- the memory check and the automatic restart ----

struct LimitRow {
    DWORD workingSet;
    bool restarts;
};

class MonitorLimit : public MonitorWindow, public testing::WithParamInterface<LimitRow> {};

// The limit is in whole megabytes: 50 is not above a Size of 50, 51 is.
TEST_P(MonitorLimit, RestartsOnlyAboveTheLimit) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    MeasureAs(GetParam().workingSet);
    TR40Mon& form = Open();

    Tick();
    int restarts = GetParam().restarts ? 1 : 0;
    EXPECT_EQ(form.RestartCnt, restarts);
    EXPECT_EQ(form.RestartCntSeans, restarts);
    if (GetParam().restarts) {
        EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"1");
        EXPECT_EQ(WindowText(form.LabelRestartCntSeans->Handle()), L"1");
        EXPECT_TRUE(TickUntilRunningAgain(before));
    } else {
        EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"---");
        Sleep(300);
        EXPECT_EQ(gateway.State(), static_cast<DWORD>(SERVICE_RUNNING));
        EXPECT_EQ(gateway.ProcessId(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Megabytes, MonitorLimit,
                         testing::Values(LimitRow{50 * kMegabyte + kMegabyte - 1, false},
                                         LimitRow{51 * kMegabyte, true}));

struct MeasuringRow {
    const char* label;
    DWORD full, limited;  // granted for each request (RefusedRights)
    bool measured;
};

void PrintTo(const MeasuringRow& row, std::ostream* out) { *out << row.label; }

class MonitorMeasuring : public MonitorWindow, public testing::WithParamInterface<MeasuringRow> {};

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }
bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A gateway holding 60 MB, opened with the rights the system grants. Through the limited
// query right it is measured and restarted. One that cannot be measured is not taken as
// using no memory: the log and the window say why, and the check decides nothing.
TEST_P(MonitorMeasuring, TheCheckDecidesOnlyOnAMeasuredWorkingSet) {
    const MeasuringRow& row = GetParam();
    FixClockAtMidnight();
    gateway.InstallRunning("--hold-mb 60");
    DWORD before = gateway.ProcessId();
    RefusedRights rights(row.full, row.limited);
    TR40Mon& form = Open();

    Tick();
    std::vector<std::string> log = LogMessages();
    EXPECT_EQ(form.CheckCountdown, 300);
    if (row.measured) {
        EXPECT_EQ(form.RestartCnt, 1);
        ASSERT_EQ(log.size(), 4u);
        ASSERT_TRUE(StartsWith(log[1], " > Занято памяти: ")) << log[1];
        EXPECT_GT(std::stoi(log[1].substr(18)), 60 * 1024) << log[1];
        EXPECT_TRUE(TickUntilRunningAgain(before));
        return;
    }
    EXPECT_EQ(form.RestartCnt, 0);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_TRUE(StartsWith(log[1], " > Не удалось измерить память Rax40 Gateway: ")) << log[1];
    EXPECT_TRUE(EndsWith(log[1], " (код 5)...")) << log[1];
    EXPECT_GT(log[1].size(), std::string(" > Не удалось измерить память Rax40 Gateway:  (код 5)...").size());
    std::wstring info = WindowText(form.LabelInfo->Handle());
    EXPECT_EQ(info.rfind(L"Память Rax40 Gateway: не удалось измерить, ", 0), 0u);
    EXPECT_EQ(info.substr(info.size() - 11), L" (код 5)...");
    EXPECT_EQ(BarPosition(), 0);
    EXPECT_EQ(PanelText(0), L"Rax40GW: Выполняется");
    EXPECT_TRUE(Enabled(form.BitBtnStop));
    Sleep(300);
    EXPECT_EQ(gateway.State(), static_cast<DWORD>(SERVICE_RUNNING));
    EXPECT_EQ(gateway.ProcessId(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Rights, MonitorMeasuring,
    testing::Values(MeasuringRow{"QueryAndReadRefused", 0, kLimitedQuery, true},
                    MeasuringRow{"EveryOpenRefused", 0, 0, false},
                    MeasuringRow{"OpenedWithoutQueryRight", SYNCHRONIZE, SYNCHRONIZE, false}),
    [](const testing::TestParamInfo<MeasuringRow>& info) { return std::string(info.param.label); });

// A stopped gateway has no process to be refused: its memory line reads 0 as ever.
TEST_F(MonitorWindow, StoppedGatewayStillReadsNoMemory) {
    FixClockAtMidnight();
    gateway.Install();
    RefusedRights rights(0, 0);
    Open();
    Tick();
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{" > Запуск программы...", " > Занято памяти: 0 кБайт..."}));
}

struct RestartRow {
    const char* label;
    const char* arguments;
    bool hidden;
};

void PrintTo(const RestartRow& row, std::ostream* out) { *out << row.label; }

class MonitorRestart : public MonitorWindow, public testing::WithParamInterface<RestartRow> {};

// A gateway holding 60 MB is stopped and runs again in a new process; a slow stop gets
// its start once it has stopped, while the ticks go on counting down.
TEST_P(MonitorRestart, OverLimitGatewayIsStoppedAndRunsAgain) {
    gateway.InstallRunning(GetParam().arguments);
    DWORD before = gateway.ProcessId();
    TR40Mon& form = Open();
    if (GetParam().hidden) SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);

    ULONGLONG tickStarted = GetTickCount64();
    Tick();
    EXPECT_LT(GetTickCount64() - tickStarted, 1000u) << "the check tick waited for the stop";
    EXPECT_EQ(form.RestartCnt, 1);
    EXPECT_EQ(form.RestartCntSeans, 1);
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"1");
    EXPECT_EQ(WindowText(form.LabelRestartCntSeans->Handle()), L"1");

    ASSERT_TRUE(TickUntilRunningAgain(before));
    EXPECT_FALSE(form.GatewayStart.Pending());
    EXPECT_LT(form.CheckCountdown, 300);
    EXPECT_EQ(PanelText(2), L"До проверки: " + std::to_wstring(form.CheckCountdown) + L" сек");
    EXPECT_EQ(form.ShapeDorn->Hint(), GetParam().hidden ? "Контроль программы Dorn 4" : "Dorn4: Не работает...");
}

INSTANTIATE_TEST_SUITE_P(
    Gateways, MonitorRestart,
    testing::Values(RestartRow{"QuickStop", "--hold-mb 60", false},
                    RestartRow{"SlowStop", "--hold-mb 60 --stop-delay-ms 3000", false},
                    RestartRow{"SlowStopWindowHidden", "--hold-mb 60 --stop-delay-ms 3000", true}),
    [](const testing::TestParamInfo<RestartRow>& info) { return std::string(info.param.label); });

// A service that never finishes stopping gets its start request after the wait limit;
// the system refuses it, and the monitor waits no longer.
TEST_F(MonitorWindow, StartIsRequestedAnywayWhenTheStopOutlastsTheLimit) {
    gateway.InstallRunning("--hold-mb 60 --stop-delay-ms 8000");
    TR40Mon& form = Open();
    form.GatewayStart.StopWaitLimitMs = 1000;

    Tick();
    EXPECT_TRUE(form.GatewayStart.Pending());
    Sleep(1200);
    Tick();
    EXPECT_FALSE(form.GatewayStart.Pending());
    EXPECT_EQ(gateway.State(), static_cast<DWORD>(SERVICE_STOP_PENDING));
    EXPECT_TRUE(gateway.WaitForState(SERVICE_STOPPED));
}

// What another thread sees of the window while the window's thread is busy: whether each
// message sent to it was answered in time, the service's panel and the cursor then. Once
// the first message has been answered, it posts a second close and a tick.
class WindowWatch {
public:
    explicit WindowWatch(TR40Mon& form) : thread_([this, &form] { Watch(form); }) {}
    ~WindowWatch() { Stop(); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<bool> answered;
    std::vector<std::wstring> servicePanel;
    std::vector<int> cursor;

private:
    void Watch(TR40Mon& form) {
        while (!stop_) {
            DWORD_PTR ignored;
            bool ok = SendMessageTimeoutW(form.Handle(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored) != 0;
            answered.push_back(ok);
            if (!ok) continue;
            wchar_t text[128] = {};
            SendMessageTimeoutW(form.StatusBar1->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                                1000, &ignored);
            servicePanel.push_back(text);
            cursor.push_back(Screen.Cursor());
            if (answered.size() == 1) {
                PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
                PostMessageW(form.Timer1->Handle(), WM_TIMER, form.Timer1->Id(), 0);
            }
            Sleep(50);
        }
    }
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Closing while a restart still waits for the stop does not leave the gateway stopped;
// meanwhile the window goes on answering and shows the service stopping under the
// hourglass, and neither a second close nor a tick runs inside the wait.
TEST_F(MonitorWindow, ClosingDuringARestartWaitsForTheStartWithTheWindowAnswering) {
    gateway.InstallRunning("--hold-mb 60 --stop-delay-ms 2000");
    DWORD before = gateway.ProcessId();
    TR40Mon& form = Open();
    Tick();
    ASSERT_TRUE(form.GatewayStart.Pending());

    WindowWatch watch(form);
    CloseAnswering(IDYES);
    watch.Stop();

    EXPECT_TRUE(Application.Terminated);
    EXPECT_FALSE(form.GatewayStart.Pending());
    EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    EXPECT_NE(gateway.ProcessId(), before);

    ASSERT_GE(watch.answered.size(), 2u);
    watch.answered.pop_back();  // the last one may have come after the close
    // The cursor is read past the window's messages, so the last reading may fall after
    // the wait has put the cursor back.
    ASSERT_FALSE(watch.cursor.empty());
    watch.cursor.pop_back();
    EXPECT_GE(watch.answered.size(), 10u);
    EXPECT_TRUE(std::all_of(watch.answered.begin(), watch.answered.end(), [](bool ok) { return ok; }));
    EXPECT_NE(std::find(watch.servicePanel.begin(), watch.servicePanel.end(), L"Rax40GW: Останавливается"),
              watch.servicePanel.end());
    EXPECT_TRUE(std::all_of(watch.cursor.begin(), watch.cursor.end(), [](int c) { return c == crHourGlass; }));
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(boxes.size(), 1u);               // the second close asked nothing
    EXPECT_EQ(form.CheckCountdown, 300);       // and the tick did not count down
}

// ---- hiding, showing and closing ----

TEST_F(MonitorWindow, HideLeavesTheTrayIconAndShowBringsTheWindowBack) {
    gateway.Install();
    TR40Mon& form = Open();
    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.TrayIcon1->Visible());

    Tick(2);  // a hidden window counts down but is not refreshed
    EXPECT_EQ(PanelText(2), L"До проверки: 299 сек");
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"---");

    SendMessageW(form.TrayIcon1->Window(), TTrayIcon::CallbackMessage(), 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(PanelText(0), L"Rax40GW: Остановлен");

    Choose(form.mHide);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    Choose(form.pmShow);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(MonitorWindow, NoAtTheClosingQuestionKeepsEverything) {
    TR40Mon& form = Open();
    CloseAnswering(IDNO);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Действительно закрыть приложение?...");
    EXPECT_EQ(boxes[0].caption, "Монитор Rax40GW");
    EXPECT_EQ(boxes[0].flags, static_cast<unsigned>(MB_YESNO));
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(Application.Terminated);

    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);  // hidden stays hidden
    Choose(form.mClose);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(Application.Terminated);
}

TEST_F(MonitorWindow, YesAtTheClosingQuestionEndsTheProgram) {
    TR40Mon& form = Open();
    answer = IDYES;
    Choose(form.pmClose);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Монитор Rax40GW");
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(Application.Terminated);
}

}  // namespace
}  // namespace monitor_test
