// The help menu's manuals opened through the shell, and the choice of the trace file.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <optional>
#include <utility>
#include <vector>
#include "Application.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Files.h"
#include "Main.h"
#include "Menus.h"
#include "SpeedButton.h"
#include "TempDir.h"
#include "Unicode.h"

namespace {

struct Notice {
    AnsiString Text, Caption;
    unsigned Flags;
};

class ManualsTest : public testing::Test {
protected:
    TempDir dir;
    std::vector<Notice> notices;
    std::vector<FileDialogRequest> dialogs;
    std::optional<AnsiString> dialogAnswer;  // what the operator picks; nothing for Cancel

    void SetUp() override {
        SetProgramDirectoryForTests(dir.Path());
        dir.Write("voice.ini", "");
        Application.OnMessageBox = [this](const AnsiString& text, const AnsiString& caption, unsigned flags) {
            notices.push_back({text, caption, flags});
            return IDOK;
        };
        TFileDialog::OnShow = [this](const FileDialogRequest& request) {
            dialogs.push_back(request);
            return dialogAnswer;
        };
        Application.CreateForm(MainForm);
    }

    void TearDown() override {
        Application.DestroyForms();
        GatewayControl.Close();
        TFileDialog::OnShow = nullptr;
        Application.OnMessageBox = nullptr;
        SetProgramDirectoryForTests("");
    }

    void Choose(TMenuItem* item) {
        SendMessageW(MainForm->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
    }
    void ClickTraceButton() {
        SendMessageW(MainForm->SpeedButtonAdd->Handle(), BM_CLICK, 0, 0);
        SendMessageW(MainForm->SpeedButton1->Handle(), BM_CLICK, 0, 0);
    }
    void TypeTraceName(const AnsiString& text) {
        SetWindowTextW(MainForm->EditLogTraces->Handle(), ToWide(text).c_str());
    }
};

std::vector<std::pair<TMenuItem*, AnsiString>> Manuals() {
    return {{MainForm->N2, "help.pdf"}, {MainForm->RAX40Gateway1, "Установка и настройка RAX40 Gateway.pdf"}};
}

TEST_F(ManualsTest, MissingManualShowsTheTwoLineNotice) {
    for (auto& [item, file] : Manuals()) {
        notices.clear();
        Choose(item);
        ASSERT_EQ(notices.size(), 1u) << file;
        EXPECT_EQ(notices[0].Text, "Не удалось открыть файл \"" + file +
                                       "\"\nПроверти наличие файла. Проверти установлен ли Adobe Acrobat");
        EXPECT_EQ(notices[0].Caption, Application.Title);
        EXPECT_EQ(notices[0].Flags, unsigned(MB_OK));
    }
}

// The shell opens a manual that lies beside the program (here Wine's browser takes any
// .pdf, with or without a viewer), so no notice is shown.
TEST_F(ManualsTest, ManualBesideTheProgramIsOpenedByTheShell) {
    for (auto& [item, file] : Manuals()) {
        dir.Write(file, "%PDF-1.4\n%%EOF\n");
        notices.clear();
        Choose(item);
        EXPECT_TRUE(notices.empty()) << file << ": " << (notices.empty() ? "" : notices[0].Text);
    }
}

TEST_F(ManualsTest, TraceButtonAsksForATextFileAndPutsTheChosenNameIntoTheEdit) {
    TypeTraceName("D:\\old\\Trace.txt");
    dialogAnswer = "C:\\Журналы\\gateway trace.txt";
    ClickTraceButton();
    ASSERT_EQ(dialogs.size(), 1u);
    const FileDialogRequest& asked = dialogs[0];
    EXPECT_FALSE(asked.Save);
    EXPECT_EQ(asked.DefaultExt, "txt");
    EXPECT_EQ(asked.FileName, "Trace.txt");
    EXPECT_EQ(asked.Filter, "*.txt|*.txt");
    EXPECT_EQ(asked.FilterIndex, 1);
    EXPECT_EQ(asked.Title, "");
    EXPECT_EQ(asked.InitialDir, "");
    EXPECT_EQ(asked.Flags, DWORD(OFN_HIDEREADONLY | OFN_ENABLESIZING));  // may change the directory, file need not exist
    EXPECT_EQ(MainForm->EditLogTraces->Text(), "C:\\Журналы\\gateway trace.txt");
    EXPECT_FALSE(MainForm->FModified);
}

// Cancel leaves the edit as it is; the next dialog starts from the name picked last, not
// from the edit's text.
TEST_F(ManualsTest, CancelledTraceDialogChangesNothingAndTheDialogKeepsTheLastName) {
    dialogAnswer = "C:\\logs\\first.txt";
    ClickTraceButton();
    TypeTraceName("C:\\typed\\by hand.txt");
    dialogAnswer = std::nullopt;
    ClickTraceButton();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].FileName, "C:\\logs\\first.txt");
    EXPECT_EQ(MainForm->EditLogTraces->Text(), "C:\\typed\\by hand.txt");
    EXPECT_FALSE(MainForm->FModified);
}

}  // namespace
