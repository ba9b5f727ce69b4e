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
#include "ConfigEntryTable.h"
#include "Dialogs.h"
#include "Files.h"
#include "Main.h"
#include "Menus.h"
#include "TempDir.h"

namespace configurator_test {

// A handle on a file held by someone else while it lives: CreateFile with the sharing given.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD sharing, DWORD access = GENERIC_READ | GENERIC_WRITE)
        : handle_(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
};

struct Notice {
    AnsiString Text, Caption;
    unsigned Flags;
};

class ConfiguratorFixture : public testing::Test {
protected:
    TempDir dir;
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
    // Selects the whole text and types text over it, character by character.
    void Type(TControl* edit, const std::string& text) {
        SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
        for (unsigned char c : text) SendMessageW(edit->Handle(), WM_CHAR, c, 0);
    }
    // What the system does when the operator picks an item from a drop-down list.
    void Pick(TControl* combo, int index) {
        HWND window = combo->Handle();
        SendMessageW(window, CB_SETCURSEL, index, 0);
        SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(window));
    }
};

}  // namespace configurator_test
