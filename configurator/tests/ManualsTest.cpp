// The help menu's manuals opened through the shell, and the choice of the trace file.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <optional>
#include <utility>
#include <vector>
#include "ConfiguratorFixture.h"
#include "Dialogs.h"
#include "Edit.h"
#include "SpeedButton.h"
#include "Unicode.h"

namespace {

// The main window is created at set-up. The file dialog is a stand-in that records what
// it is asked and answers for the operator: a real one would wait for someone to pick.
class ManualsTest : public configurator_test::ConfiguratorFixture {
protected:
    std::vector<FileDialogRequest> dialogs;
    std::optional<AnsiString> dialogAnswer;  // what the operator picks; nothing for Cancel

    void SetUp() override {
        ConfiguratorFixture::SetUp();
        TFileDialog::OnShow = [this](const FileDialogRequest& request) {
            dialogs.push_back(request);
            return dialogAnswer;
        };
        Start();
    }

    void TearDown() override {
        ConfiguratorFixture::TearDown();
        TFileDialog::OnShow = nullptr;
    }

    void ClickTraceButton() {
        Click(MainForm->SpeedButtonAdd);
        Click(MainForm->SpeedButton1);
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
