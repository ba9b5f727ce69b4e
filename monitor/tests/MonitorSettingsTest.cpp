// The monitor's settings: "R40GWmonitor.ini" read when the main window is created and
// written after Yes to the closing question, and the settings dialog run from the menu
// item "Настройка", driven as the operator drives it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include <string>
#include "BitBtn.h"
#include "Edit.h"
#include "GroupBox.h"
#include "MonitorFixture.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "UpDown.h"
#include "Usetup.h"

namespace monitor_test {
namespace {

// The operator replaces the edit's text by typing.
void Type(TEdit* edit, const wchar_t* text) {
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit->Handle(), WM_CHAR, VK_BACK, 1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit->Handle(), WM_CHAR, *c, 1);
}

void PressKey(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

void PressOk(TFSetup& dialog) { SendMessageW(dialog.BitBtn1->Handle(), BM_CLICK, 0, 0); }
void PressCloseBox(TFSetup& dialog) { SendMessageW(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

class MonitorSettings : public MonitorFixture {
protected:
    std::string SettingsPath() { return dir.File("R40GWmonitor.ini"); }

    // "Настройка" chosen in the main menu; `operate` acts in the dialog once it is shown.
    void RunSetup(std::function<void(TFSetup&)> operate) {
        Application.OnModalShown = [operate](TForm& shown) { operate(static_cast<TFSetup&>(shown)); };
        Choose(R40Mon->mSetup);
        Application.OnModalShown = nullptr;
    }

    int BarMaximum() {
        return static_cast<int>(SendMessageW(R40Mon->ProgressBar1->Handle(), PBM_GETRANGE, FALSE, 0));
    }
};

// ---- the settings file ----

TEST_F(MonitorSettings, WithoutAFileTheDefaultsHoldAndTheConfirmedCloseWritesThemAll) {
    gateway.InstallRunning("--hold-mb 60");
    TR40Mon& form = Open();
    EXPECT_EQ(form.Period, 5);
    EXPECT_EQ(form.Size, 50);
    EXPECT_TRUE(form.mLog->Checked());
    EXPECT_EQ(form.RestartCnt, 0);
    Tick();  // above 50 MB: one restart
    ASSERT_EQ(form.RestartCnt, 1);

    CloseAnswering(IDNO);
    EXPECT_FALSE(dir.Exists("R40GWmonitor.ini"));
    CloseAnswering(IDYES);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_EQ(dir.Read("R40GWmonitor.ini"), "[R40Mon]\r\nPeriod=5\r\nSize=50\r\nLog=1\r\nRestartCnt=1\r\n");
    EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
}

struct StoredRow {
    const char* label;
    const char* file;
    int32_t period, size;
    bool log;
    int32_t restarts;
};

void PrintTo(const StoredRow& row, std::ostream* out) { *out << row.label; }

class MonitorStoredSettings : public MonitorSettings, public testing::WithParamInterface<StoredRow> {};

// Values are taken without a range test; the bar's maximum follows the size.
TEST_P(MonitorStoredSettings, AreReadWhenTheWindowIsCreated) {
    const StoredRow& row = GetParam();
    dir.Write("R40GWmonitor.ini", row.file);
    TR40Mon& form = Open();
    EXPECT_EQ(form.Period, row.period);
    EXPECT_EQ(form.Size, row.size);
    EXPECT_EQ(form.mLog->Checked(), row.log);
    EXPECT_EQ(form.RestartCnt, row.restarts);
    EXPECT_EQ(BarMaximum(), row.size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MonitorStoredSettings,
    testing::Values(
        StoredRow{"AllFour", "[R40Mon]\r\nPeriod=1000\r\nSize=8\r\nLog=0\r\nRestartCnt=41\r\n", 1000, 8, false, 41},
        StoredRow{"NamesInAnyCaseAndHex", "[r40mon]\r\nPERIOD=0x10\r\nsize=0\r\nlog=7\r\n", 16, 0, true, 0},
        StoredRow{"NotNumbersGiveDefaults", "[R40Mon]\r\nPeriod=five\r\nSize=\r\nLog=yes\r\nRestartCnt=1x\r\n", 5, 50,
                  true, 0},
        StoredRow{"OtherSectionOnly", "[MainForm]\r\nPeriod=1\r\nSize=9\r\n", 5, 50, true, 0}),
    [](const testing::TestParamInfo<StoredRow>& info) { return std::string(info.param.label); });

TEST_F(MonitorSettings, LogSwitchedOffInTheFileWritesNoStartLineUntilSwitchedOnAgain) {
    dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nLog=0\r\n");
    TR40Mon& form = Open();
    EXPECT_FALSE(form.mLog->Checked());
    EXPECT_FALSE(dir.Exists("R40GWmonitor.txt"));

    Choose(form.mLog);  // "Вести журнал"
    CloseAnswering(IDYES);
    EXPECT_EQ(GetPrivateProfileIntA("R40Mon", "Log", -1, SettingsPath().c_str()), 1);
}

TEST_F(MonitorSettings, AStoredPeriodOf1000IsUsedUnchangedByTheCheckLoop) {
    dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nPeriod=1000\r\n");
    TR40Mon& form = Open();
    Tick();
    EXPECT_EQ(form.CheckCountdown, 60000);
}

// The bar refuses a maximum below its minimum 0: the main window is not created.
TEST_F(MonitorSettings, ANegativeSizeFailsTheCreationOfTheMainWindow) {
    dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nSize=-1\r\n");
    try {
        Application.CreateForm(R40Mon);
        FAIL() << "the main window was created";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message, "TProgressBar property out of range");
    }
    EXPECT_EQ(Application.MainForm, nullptr);
    EXPECT_TRUE(Application.Forms().empty());
    EXPECT_FALSE(dir.Exists("R40GWmonitor.txt"));
}

TEST_F(MonitorSettings, ARefusedWriteIsShownAndTheWindowStaysOpen) {
    TR40Mon& form = Open();
    dir.Write("R40GWmonitor.ini", "");
    HANDLE held = CreateFileA(SettingsPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    CloseAnswering(IDYES);
    CloseHandle(held);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Unable to write to " + SettingsPath());
    EXPECT_EQ(boxes[1].caption, Application.Title);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(Application.Terminated);
    EXPECT_EQ(dir.Read("R40GWmonitor.txt").find(" > Завершение программы..."), std::string::npos);

    CloseAnswering(IDYES);  // the operator tries again once the file is free
    EXPECT_TRUE(Application.Terminated);
    EXPECT_EQ(dir.Read("R40GWmonitor.ini"), "[R40Mon]\r\nPeriod=5\r\nSize=50\r\nLog=1\r\nRestartCnt=0\r\n");
    EXPECT_NE(dir.Read("R40GWmonitor.txt").find(" > Завершение программы..."), std::string::npos);
}

// ---- the settings dialog ----

TEST_F(MonitorSettings, DialogShowsItsLayoutAndTheCurrentValues) {
    TR40Mon& form = Open();
    bool shown = false;
    RunSetup([&](TFSetup& dialog) {
        shown = true;
        EXPECT_EQ(FSetup, &dialog);
        EXPECT_EQ(dialog.Owner, &form);
        // Owned by the window it blocks: it stays above it and has no taskbar button.
        EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), form.Handle());
        EXPECT_EQ(GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        EXPECT_EQ(WindowText(dialog.Handle()), L"Настройка");
        LONG_PTR style = GetWindowLongPtrW(dialog.Handle(), GWL_STYLE);
        EXPECT_NE(style & WS_SYSMENU, 0);
        EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
        EXPECT_EQ(dialog.ClientWidth(), 368);
        EXPECT_EQ(dialog.ClientHeight(), 296);
        RECT main, own;
        GetWindowRect(form.Handle(), &main);
        GetWindowRect(dialog.Handle(), &own);
        EXPECT_NEAR((own.left + own.right) / 2, (main.left + main.right) / 2, 1);
        EXPECT_NEAR((own.top + own.bottom) / 2, (main.top + main.bottom) / 2, 1);
        EXPECT_EQ(WindowText(dialog.GroupBox1->Handle()), L"Период мониторинга (мин)");
        EXPECT_EQ(WindowText(dialog.GroupBox2->Handle()), L"Макс. размер памяти шлюза (мБайт)");
        EXPECT_EQ(dialog.Panel1->Height(), 72);
        EXPECT_EQ(dialog.Panel1->Top() + dialog.Panel1->Height(), dialog.ClientHeight());
        EXPECT_EQ(dialog.Panel2->Height(), dialog.ClientHeight() - 72);
        EXPECT_EQ(WindowText(dialog.BitBtn1->Handle()), L"OK");
        EXPECT_EQ(dialog.DefaultButton, dialog.BitBtn1);
        EXPECT_EQ(dialog.UpDownPeriod->Min(), 1);
        EXPECT_EQ(dialog.UpDownPeriod->Max(), 300);
        EXPECT_EQ(dialog.UpDownMaxSize->Min(), 7);
        EXPECT_EQ(dialog.UpDownMaxSize->Max(), 1000);
        EXPECT_EQ(WindowText(dialog.EditPeriod->Handle()), L"5");
        EXPECT_EQ(WindowText(dialog.Edit1->Handle()), L"50");
        EXPECT_FALSE(IsWindowEnabled(form.Handle()));  // modal
        PressCloseBox(dialog);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(FSetup, nullptr);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST_F(MonitorSettings, AStoredPeriodOf1000ShowsAs300AndOkMakesIt300) {
    dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nPeriod=1000\r\n");
    TR40Mon& form = Open();
    Tick();  // the first check: 60000 seconds to the next
    RunSetup([](TFSetup& dialog) {
        EXPECT_EQ(WindowText(dialog.EditPeriod->Handle()), L"300");
        PressOk(dialog);
    });
    EXPECT_EQ(form.Period, 300);
    EXPECT_EQ(form.CheckCountdown, 18000);
}

struct DialogRow {
    const char* label;
    std::function<void(TFSetup&)> operate;
    int32_t period, size, countdown;
};

void PrintTo(const DialogRow& row, std::ostream* out) { *out << row.label; }

class MonitorSetupDialog : public MonitorSettings, public testing::WithParamInterface<DialogRow> {};

// Period 5 and Size 50, with 200 seconds left to the next check when the dialog opens.
TEST_P(MonitorSetupDialog, OkTakesThePositionsAndOnlyEverShortensTheWait) {
    const DialogRow& row = GetParam();
    TR40Mon& form = Open();
    Tick();
    form.CheckCountdown = 200;
    RunSetup(row.operate);
    EXPECT_EQ(form.Period, row.period);
    EXPECT_EQ(form.Size, row.size);
    EXPECT_EQ(BarMaximum(), row.size);
    EXPECT_EQ(form.CheckCountdown, row.countdown);
    EXPECT_FALSE(dir.Exists("R40GWmonitor.ini"));  // written only when the program closes
}

INSTANTIATE_TEST_SUITE_P(
    Changes, MonitorSetupDialog,
    testing::Values(
        DialogRow{"PeriodOneCutsTheWait",
                  [](TFSetup& d) { Type(d.EditPeriod, L"1"); PressOk(d); }, 1, 50, 60},
        DialogRow{"PeriodTenLeavesTheWait",
                  [](TFSetup& d) { Type(d.EditPeriod, L"10"); PressOk(d); }, 10, 50, 200},
        DialogRow{"ArrowsDownToThree",
                  [](TFSetup& d) { PressKey(d.EditPeriod->Handle(), VK_DOWN); PressKey(d.EditPeriod->Handle(), VK_DOWN);
                                   PressOk(d); }, 3, 50, 180},
        DialogRow{"EnterTakesTheSize",
                  [](TFSetup& d) { Type(d.Edit1, L"100"); SendMessageW(d.Handle(), WM_COMMAND, IDOK, 0); }, 5, 100, 200},
        DialogRow{"SizeArrowStopsAtTheTop",
                  [](TFSetup& d) { Type(d.Edit1, L"1000"); PressKey(d.Edit1->Handle(), VK_UP); PressOk(d); }, 5, 1000,
                  200},
        DialogRow{"CloseBoxChangesNothing",
                  [](TFSetup& d) { Type(d.EditPeriod, L"1"); Type(d.Edit1, L"100"); PressCloseBox(d); }, 5, 50, 200}),
    [](const testing::TestParamInfo<DialogRow>& info) { return std::string(info.param.label); });

TEST_F(MonitorSettings, DialogChangesReachTheFileOnlyAtAClosingAnsweredYes) {
    Open();
    RunSetup([](TFSetup& d) {
        Type(d.EditPeriod, L"10");
        Type(d.Edit1, L"120");
        PressOk(d);
    });
    CloseAnswering(IDNO);
    EXPECT_FALSE(dir.Exists("R40GWmonitor.ini"));
    CloseAnswering(IDYES);
    EXPECT_EQ(dir.Read("R40GWmonitor.ini"), "[R40Mon]\r\nPeriod=10\r\nSize=120\r\nLog=1\r\nRestartCnt=0\r\n");
}

}  // namespace
}  // namespace monitor_test
