#pragma once
// The configurator's main window in-process for one test, in a temporary program
// directory that holds the voice.ini the program looks for. The message boxes the
// program would show are recorded and answered with OK.
#include <gtest/gtest.h>
#include <windows.h>
#include <vector>
#include "Application.h"
#include "Files.h"
#include "Main.h"
#include "Menus.h"
#include "TempDir.h"

namespace configurator_test {

struct Notice {
    AnsiString Text, Caption;
    unsigned Flags;
};

class ConfiguratorFixture : public testing::Test {
protected:
    TempDir dir;
    std::vector<Notice> notices;

    void SetUp() override {
        SetProgramDirectoryForTests(dir.Path());
        PutVoiceIni();
        Application.OnMessageBox = [this](const AnsiString& text, const AnsiString& caption, unsigned flags) {
            notices.push_back({text, caption, flags});
            return IDOK;
        };
    }

    void TearDown() override {
        CloseWindows();
        Application.OnMessageBox = nullptr;
        SetProgramDirectoryForTests("");
    }

    void PutVoiceIni() { dir.Write("voice.ini", ""); }

    // The main window as the program's entry creates it.
    virtual TMainForm* Start() {
        Application.CreateForm(MainForm);
        return MainForm;
    }

    // Every form destroyed and the service handle let go, as at the end of a run; the quit
    // message a close leaves behind is taken off the queue so the next window starts clean.
    void CloseWindows() {
        Application.DestroyForms();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        GatewayControl.Close();
    }

    // What a user's click, double-click and menu choice send.
    void Click(TControl* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }
    void DoubleClick(TControl* control) { SendMessageW(control->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0); }
    void Choose(TMenuItem* item) {
        SendMessageW(MainForm->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
    }
};

}  // namespace configurator_test
