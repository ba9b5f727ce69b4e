// The windows that open on top of the monitor's main window, driven by an operator at
// the real mouse and keyboard (the system's input queue): the settings dialog, while the
// real timer goes on counting down, and the closing question, the system's own box.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include "MonitorFixture.h"
#include "Operator.h"

namespace monitor_test {
namespace {

const wchar_t kMainCaption[] = L"Монитор шлюза RAX40GW";

class MonitorByHand : public MonitorFixture {
protected:
    void SetUp() override {
        MonitorFixture::SetUp();
        Application.OnMessageBox = nullptr;
    }

    // The status bar's countdown panel (the third), read as a screen reader reads it.
    static std::wstring Countdown(HWND statusBar) {
        wchar_t text[256] = L"";
        DWORD_PTR result = 0;
        SendMessageTimeoutW(statusBar, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                            Operator::kStepTimeoutMs, &result);
        return text;
    }

    // A click on the menu bar's item at `index`.
    static void ClickMenuBar(Operator& op, HWND window, int index) {
        RECT item;
        if (!GetMenuItemRect(window, GetMenu(window), index, &item)) op.Fail("no menu bar item " + std::to_string(index));
        POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ScreenToClient(window, &middle);
        op.ClickAt(window, middle);
    }
};

TEST_F(MonitorByHand, TheSettingsDialogTakesTypedValuesWhileTheCountdownGoesOn) {
    gateway.InstallRunning();
    TR40Mon& form = Open();
    form.Timer1->SetEnabled(true);
    HWND statusBar = form.StatusBar1->Handle();
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        ClickMenuBar(op, main, 2);  // "Настройка"
        HWND setup = op.WaitForActiveWindow(L"Настройка");
        EXPECT_FALSE(IsWindowEnabled(main));
        std::wstring before = Countdown(statusBar);
        op.WaitUntil([&] { return Countdown(statusBar) != before; }, "the countdown to go on under the dialog");

        // From the OK button, the first in tab order, to the period and the size.
        op.Press(VK_TAB);
        op.Type(L"3");
        op.Press(VK_TAB);
        op.Type(L"70");
        HWND size = op.ControlOfClass(setup, L"Edit", 1);
        op.WaitUntil([&] { return op.Text(size) == L"70"; }, "the typed size in its field");
        op.Press(VK_RETURN);
        op.WaitUntilHidden(setup);
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(form.Period, 3);
    EXPECT_EQ(form.Size, 70);
}

// The closing question: "Нет" keeps the window open and usable, "Да" ends the program.
TEST_F(MonitorByHand, TheClosingQuestionIsAnsweredByHand) {
    gateway.InstallRunning();
    Open();
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        op.Press(VK_F4, VK_MENU);
        HWND question = op.WaitForActiveWindow(L"Монитор Rax40GW");
        EXPECT_FALSE(IsWindowEnabled(main));
        op.Press(VK_TAB);  // from "Да" to "Нет"
        op.Press(VK_SPACE);
        op.WaitUntilHidden(question);
        op.WaitForActiveWindow(kMainCaption);
        EXPECT_TRUE(IsWindowVisible(main));

        op.Press(VK_F4, VK_MENU);
        question = op.WaitForActiveWindow(L"Монитор Rax40GW");
        op.Press(VK_RETURN);
        op.WaitUntil([&] { return !IsWindowVisible(main); }, "the main window to close");
    });
    EXPECT_TRUE(Application.Terminated);
    EXPECT_TRUE(dir.Exists("R40GWmonitor.ini"));
}

}  // namespace
}  // namespace monitor_test
