#pragma once
// The configurator's main window in-process for one test, in a temporary program
// directory that holds the voice.ini the program looks for. The message boxes the
// program would show are recorded and answered with OK, or yesNoAnswer for a question.
#include <gtest/gtest.h>
#include <windows.h>
#include <optional>
#include <string>
#include <vector>
#include "Application.h"
#include "ComboBox.h"
#include "ConfigEntryTable.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Files.h"
#include "Main.h"
#include "Menus.h"
#include "HeldFile.h"
#include "StandInRenameClock.h"
#include "TempDir.h"

namespace configurator_test {

// The operator replaces an edit's text by typing it; each character goes through the
// edit's key filter.
inline void Type(TEdit* edit, const wchar_t* text) {
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit->Handle(), WM_CHAR, VK_BACK, 1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit->Handle(), WM_CHAR, *c, 1);
}

// The operator picks an item of a drop-down list.
inline void Pick(TComboBox* combo, int index) {
    SendMessageW(combo->Handle(), CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo->Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
}

struct Notice {
    AnsiString Text, Caption;
    unsigned Flags;
};

class ConfiguratorFixture : public testing::Test {
protected:
    TempDir dir;
    StandInRenameClock renameClock;  // a save that meets a held file does not wait the second
    std::vector<Notice> notices;
    int yesNoAnswer = IDNO;

    void SetUp() override {
        ClearConfigEntries();  // as at the start of a run
        SetProgramDirectoryForTests(dir.Path());
        PutVoiceIni();
        Application.OnMessageBox = [this](const AnsiString& text, const AnsiString& caption, unsigned flags) {
            notices.push_back({text, caption, flags});
            return (flags & MB_TYPEMASK) == MB_YESNO ? yesNoAnswer : IDOK;
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
    // The File menu's "save as" with the file the operator picks in the dialog; an empty
    // path cancels the dialog.
    void ChooseSaveAs(const std::string& path) {
        TFileDialog::OnShow = [path](const FileDialogRequest&) -> std::optional<AnsiString> {
            if (path.empty()) return std::nullopt;
            return path;
        };
        Choose(MainForm->mSaveas);
        TFileDialog::OnShow = nullptr;
    }
};

}  // namespace configurator_test
