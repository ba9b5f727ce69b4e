// Writing the configuration from the main window built from the program's resources,
// with real files in a temporary program directory: the lines written, and what a
// write that fails leaves.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "ConfiguratorFixture.h"
#include "Dialogs.h"
#include "Edit.h"
#include "FileReplace.h"
#include "Files.h"
#include "SampleConfiguration.h"
#include "StringGrid.h"

namespace {

using configurator_test::Type;
using configurator_test::kSampleConfiguration;
using configurator_test::kSampleVoiceIni;
using configurator_test::SampleAsSaved;

class ConfigWriterTest : public configurator_test::ConfiguratorFixture {
protected:
    void TearDown() override {
        SetFreeDiskSpaceForTests(-1);
        FailRenamesForTests({});
        ConfiguratorFixture::TearDown();
    }

    // Started on the sample as the program starts on its rax40gw.conf, then given the
    // sample's voice.ini.
    TMainForm* StartOnSample() {
        dir.Write("rax40gw.conf", kSampleConfiguration);
        Start();
        dir.Write("voice.ini", kSampleVoiceIni);
        return MainForm;
    }

    // The lines from "[Devices]" up to "[DeviceSettings]" of a written file.
    static std::string DevicesPart(const std::string& file) {
        size_t from = file.find("[Devices]"), to = file.find("[DeviceSettings]");
        if (from == std::string::npos || to == std::string::npos) return "<no Devices section>";
        return file.substr(from, to - from);
    }
};

TEST_F(ConfigWriterTest, CloseWritesEveryLineFormAndTheDeviceListsOnce) {
    TMainForm* form = StartOnSample();
    ASSERT_TRUE(form->FLoaded);
    Type(form->EditNetworkListenerPort, L"1721");
    Choose(form->mExit);

    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    EXPECT_TRUE(Application.Terminated);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Caption, "Конфигурация шлюза изменена");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Rax40gwcfg.ini", "rax40gw.conf", "voice.ini"}));
}

// Save As runs the same passes in the other order; here that changes nothing. The
// second save of the same window writes the same bytes: the lines that stood before
// [DeviceSettings] in the file read stay dropped.
TEST_F(ConfigWriterTest, SavingTheSameWindowTwiceWritesTheSameBytes) {
    TMainForm* form = StartOnSample();
    ChooseSaveAs(dir.File("first.conf"));
    ChooseSaveAs(dir.File("second.conf"));
    EXPECT_EQ(dir.Read("first.conf"), SampleAsSaved("1720"));
    EXPECT_EQ(dir.Read("second.conf"), SampleAsSaved("1720"));
    EXPECT_EQ(dir.Read("rax40gw.conf"), kSampleConfiguration);
    EXPECT_EQ(form->FConfigPath, dir.File("second.conf"));
    EXPECT_TRUE(notices.empty());
}

// Units are numbered by their row; the port is the number after "COM"; only a "ЛОРК-МЕ"
// has its address written, as the grid holds it; each unit's comment goes on a line of
// its own, an empty comment too.
TEST_F(ConfigWriterTest, DevicesSectionHasOneLinePerUnitRowThenTheSampleLine) {
    struct Case {
        const char* units;  // the Devices section of the file loaded
        const char* written;
    };
    const std::vector<Case> cases = {
        {"", "[Devices]\r\n;0=1,192.168.1.100\r\n\r\n"},
        {"5 = 2\r\n0 = 7, 10.0.0.9\r\n3 = abc\r\n",
         "[Devices]\r\n0 = 2\r\n;\r\n1 = 7, 10.0.0.9\r\n;\r\n2 = 0\r\n;\r\n;0=1,192.168.1.100\r\n\r\n"},
        {"0 = 3,10.0.0.7 ;Hall\r\n", "[Devices]\r\n0 = 3,10.0.0.7\r\n;Hall\r\n;0=1,192.168.1.100\r\n\r\n"},
        {"0 = 1\r\n1 = 2\r\n2 = 4\r\n",
         "[Devices]\r\n0 = 1\r\n;\r\n1 = 2\r\n;\r\n2 = 4\r\n;\r\n;0=1,192.168.1.100\r\n\r\n"},
    };
    for (const Case& c : cases) {
        dir.Write("rax40gw.conf", std::string("[Devices]\r\n") + c.units + "[DeviceSettings]\r\nFlow Control=1\r\n");
        Start();
        ChooseSaveAs(dir.File("saved.conf"));
        EXPECT_EQ(DevicesPart(dir.Read("saved.conf")), c.written) << c.units;
        CloseWindows();
    }
}

// What the program writes, it reads back with each comment on its own unit, also when
// some unit has none: a load hands the section's k-th comment line to unit k + 1.
TEST_F(ConfigWriterTest, UnitCommentsStayWithTheirUnitsThroughASaveAndALoad) {
    dir.Write("rax40gw.conf", "[Devices]\r\n0 = 1\r\n1 = 2 ;Yard\r\n2 = 3\r\n3 = 4 ;Gate\r\n[DeviceSettings]\r\n");
    TMainForm* form = Start();
    const std::vector<AnsiString> comments = {"", "Yard", "", "Gate"};
    auto commentsShown = [&] {
        std::vector<AnsiString> shown;
        for (int row = 1; row < form->StringGrid1->RowCount(); ++row) shown.push_back(form->StringGrid1->Cells(4, row));
        return shown;
    };
    ASSERT_EQ(commentsShown(), comments);
    ChooseSaveAs(dir.File("saved.conf"));
    CloseWindows();

    dir.Write("rax40gw.conf", dir.Read("saved.conf"));
    form = Start();
    EXPECT_EQ(commentsShown(), comments);
}

// A list without a selection gives what its rule says: a yes/no list "yes", Max Calls
// an empty value (then dropped as an empty key), a radio group "-1".
TEST_F(ConfigWriterTest, ControlsWithoutASelectionAreWrittenByTheirRule) {
    dir.Write("rax40gw.conf", "[Network]\r\n[Audio]\r\nMax Calls=11\r\n[Log]\r\nSysLog Level=-1\r\n");
    Start();
    ChooseSaveAs(dir.File("saved.conf"));
    std::string saved = dir.Read("saved.conf");
    EXPECT_NE(saved.find("\r\nNeed Gatekeeper=yes\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nEnable Polling=yes\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Max Calls"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nSysLog Level=-1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nLevel=-1\r\n"), std::string::npos) << saved;
}

// The disk fills up midway through the new file: the old file stays byte for byte, the
// change is kept for the next attempt, and the operator is told which file and why.
TEST_F(ConfigWriterTest, AWriteThatFailsMidwayKeepsTheOldFileTheChangeAndTheWindow) {
    TMainForm* form = StartOnSample();
    form->Show();
    Type(form->EditNetworkListenerPort, L"1721");
    SetFreeDiskSpaceForTests(100);
    Choose(form->mExit);

    EXPECT_EQ(dir.Read("rax40gw.conf"), kSampleConfiguration);
    EXPECT_FALSE(Application.Terminated);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->FModified);
    EXPECT_TRUE(form->IsConfigModified());
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Rax40gwcfg.ini", "rax40gw.conf", "voice.ini"}));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "Не удалось записать файл конфигурации " + dir.File("rax40gw.conf") + ":\n" +
                                   SystemErrorText(ERROR_DISK_FULL) + "\nФайл не изменён.");
    EXPECT_EQ(notices[0].Caption, "Внимание!");
    EXPECT_EQ(notices[0].Flags, unsigned(MB_ICONERROR));

    SetFreeDiskSpaceForTests(-1);
    Choose(form->mExit);
    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    EXPECT_TRUE(Application.Terminated);
    EXPECT_FALSE(form->Visible());
}

// The new file cannot take the gateway's file's name after the old one was renamed aside
// (the renames: the replacing one, the old file aside, the new one into its name, the old
// one back, the new one once more). The file that then has the name stays; when none
// has, both stay under their temporary names, and the operator is told where.
TEST_F(ConfigWriterTest, WhenTheNewFileCannotTakeTheNameTheOperatorLearnsWhereBothFilesAre) {
    enum Left { kOldFile, kNewFile, kNoFile };  // under the gateway's file's name
    struct Case {
        const char* what;
        std::vector<FailingRename> failing;
        Left left;
    };
    const std::vector<Case> cases = {
        {"the old file goes back", {1, 3}, kOldFile},
        {"the new file takes the name at its second try", {1, 3, 4}, kNewFile},
        {"no file can take the name", {1, 3, 4, 5}, kNoFile},
    };
    const std::string oldBytes = kSampleConfiguration, newBytes = SampleAsSaved("1721");
    const std::string failure = "Не удалось записать файл конфигурации " + dir.File("rax40gw.conf") + ":\n" +
                                SystemErrorText(ERROR_ACCESS_DENIED) + "\n";
    for (const Case& c : cases) {
        TMainForm* form = StartOnSample();
        form->Show();
        Type(form->EditNetworkListenerPort, L"1721");
        FailRenamesForTests(c.failing);
        Choose(form->mExit);
        FailRenamesForTests({});

        std::vector<std::string> besides;  // the files other than the program's own
        for (const std::string& name : dir.Names())
            if (name != "Rax40gwcfg.ini" && name != "rax40gw.conf" && name != "voice.ini") besides.push_back(name);
        std::vector<std::string> texts;
        for (const auto& notice : notices) texts.push_back(notice.Text);
        switch (c.left) {
        case kOldFile:
            EXPECT_EQ(dir.Read("rax40gw.conf"), oldBytes) << c.what;
            EXPECT_TRUE(besides.empty()) << c.what;
            EXPECT_EQ(texts, std::vector<std::string>{failure + "Файл не изменён."}) << c.what;
            break;
        case kNewFile:
            EXPECT_EQ(dir.Read("rax40gw.conf"), newBytes) << c.what;
            EXPECT_TRUE(besides.empty()) << c.what;
            EXPECT_EQ(notices.size(), 1u) << c.what;  // the restart question
            break;
        case kNoFile:
            EXPECT_FALSE(dir.Exists("rax40gw.conf")) << c.what;
            ASSERT_EQ(besides.size(), 2u) << c.what;
            if (dir.Read(besides[0]) != oldBytes) std::swap(besides[0], besides[1]);
            EXPECT_EQ(dir.Read(besides[0]), oldBytes) << c.what;
            EXPECT_EQ(dir.Read(besides[1]), newBytes) << c.what;
            EXPECT_EQ(texts, std::vector<std::string>{failure +
                                                      "Прежний файл не удалось вернуть на место, он сохранён как " +
                                                      dir.File(besides[0]) + ".\nНовый файл сохранён как " +
                                                      dir.File(besides[1]) + "."})
                << c.what;
            break;
        }
        EXPECT_EQ(Application.Terminated, c.left == kNewFile) << c.what;
        EXPECT_EQ(form->IsConfigModified(), c.left != kNewFile) << c.what;
        CloseWindows();
        notices.clear();
        for (const std::string& name : dir.Names())
            if (name != "voice.ini") DeleteFileAt(dir.File(name));
    }
}

// A scanner that has the new file open for a moment does not refuse the close: the seam
// fails the replacing rename twice, and the rename of the new file after the old one was
// put aside for good, as the scanner's hold would. The replacing rename is tried again,
// the file saved whole and the program ends.
TEST_F(ConfigWriterTest, ACloseThatMeetsAScannerSavesOnceItLetsGo) {
    TMainForm* form = StartOnSample();
    form->Show();
    Type(form->EditNetworkListenerPort, L"1721");
    FailRenamesForTests({{1, ERROR_SHARING_VIOLATION, 2}, {3, ERROR_SHARING_VIOLATION}});
    Choose(form->mExit);
    FailRenamesForTests({});

    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    EXPECT_TRUE(Application.Terminated);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Caption, "Конфигурация шлюза изменена");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"Rax40gwcfg.ini", "rax40gw.conf", "voice.ini"}));
}

// The dialog asks for a .conf file with no name offered and no overwrite question: an
// existing file is replaced as it stands.
TEST_F(ConfigWriterTest, SaveAsAsksForAConfFileAndReplacesAnExistingOneWithoutAQuestion) {
    StartOnSample();
    dir.Write("chosen.conf", "old chosen\r\n");
    std::vector<FileDialogRequest> requests;
    TFileDialog::OnShow = [&](const FileDialogRequest& request) -> std::optional<AnsiString> {
        requests.push_back(request);
        return dir.File("chosen.conf");
    };
    Choose(MainForm->mSaveas);
    TFileDialog::OnShow = nullptr;

    ASSERT_EQ(requests.size(), 1u);
    const FileDialogRequest& request = requests[0];
    EXPECT_TRUE(request.Save);
    EXPECT_EQ(request.Filter, "Rax40gw file (*.conf)|*.conf");
    EXPECT_EQ(request.DefaultExt, "conf");
    EXPECT_EQ(request.FileName, "");
    EXPECT_EQ(request.Flags, DWORD(OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING));
    EXPECT_EQ(dir.Read("chosen.conf"), SampleAsSaved("1720"));
    EXPECT_TRUE(notices.empty());
}

// Save As writes the chosen file, which the check of the gateway's file does not cover:
// a handle on it without delete sharing makes the replace fail.
TEST_F(ConfigWriterTest, SaveAsOntoAFileThatCannotBeReplacedChangesNothing) {
    TMainForm* form = StartOnSample();
    dir.Write("chosen.conf", "old chosen\r\n");
    {
        HeldFile reader(dir.File("chosen.conf"), FILE_SHARE_READ | FILE_SHARE_WRITE, GENERIC_READ);
        ChooseSaveAs(dir.File("chosen.conf"));
    }
    EXPECT_EQ(dir.Read("chosen.conf"), "old chosen\r\n");
    EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf"));
    EXPECT_FALSE(form->FModified);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "Не удалось записать файл конфигурации " + dir.File("chosen.conf") + ":\n" +
                                   SystemErrorText(ERROR_SHARING_VIOLATION) + "\nФайл не изменён.");
}

// A truncate-and-write in place would show a reader that holds the old file the new
// bytes; the replace in one step leaves it the old file, whole.
TEST_F(ConfigWriterTest, SaveReplacesTheFileInOneStep) {
    StartOnSample();
    const std::string old(20000, 'x');
    dir.Write("chosen.conf", old);
    HeldFile reader(dir.File("chosen.conf"), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, GENERIC_READ);
    ASSERT_NE(reader.Handle(), INVALID_HANDLE_VALUE);
    ChooseSaveAs(dir.File("chosen.conf"));

    std::string seen(old.size() + 1, '\0');
    DWORD read = 0;
    ReadFile(reader.Handle(), seen.data(), static_cast<DWORD>(seen.size()), &read, nullptr);
    seen.resize(read);
    EXPECT_EQ(seen, old);
    EXPECT_EQ(dir.Read("chosen.conf"), SampleAsSaved("1720"));
    EXPECT_TRUE(notices.empty());
}

}  // namespace
