// The device lists in voice.ini: the copy from rax40gw.conf at start, the renumbering of
// the sections, the writing of one unit's list and the merge of File > Open, on real
// files in a temporary program directory.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include "FileReplace.h"
#include "Menus.h"
#include "Panel.h"
#include "UnitFixture.h"
#include "VoiceIni.h"

namespace configurator_test {
namespace {

class VoiceIniTest : public UnitFixture {
protected:
    std::vector<FileDialogRequest> openRequests;

    // "Загрузить файл конфигурации" with the open dialog answered by `chosen` (nothing:
    // Cancel).
    void OpenFromMenu(std::optional<std::string> chosen) {
        TFileDialog::OnShow = [this, chosen](const FileDialogRequest& request) -> std::optional<AnsiString> {
            openRequests.push_back(request);
            return chosen;
        };
        Choose(MainForm->mOpen);
    }
};

// ---- the copy at start ----

TEST_F(VoiceIniTest, AtStartVoiceIniIsRebuiltFromTheSectionsNamedVoiceDevicesExactly) {
    dir.Write("rax40gw.conf",
              "[System]\r\nName=Gw\r\n[Devices]\r\n0 = 1\r\n"
              "[VoiceDevices:1]\r\n0=KEL,12,Пост 1,10.0.0.21\r\n1=\r\n0=ZAMB,twice\r\n2=ZAMB,3,Склад,sklad-pc\r\n"
              "[voicedevices:2]\r\n0=KEL,1,a,b\r\n"
              "[VoiceDevices:x]\r\n5=ZAMB,7,x,y\r\n"
              "[VoiceDevices]\r\n0=short\r\n");
    dir.Write("voice.ini", "[VoiceDevices:9]\r\n0=KEL,9,old,old\r\n");
    Start();
    EXPECT_EQ(VoiceIni(),
              "[VoiceDevices:1]\r\n0=KEL,12,Пост 1,10.0.0.21\r\n1=\r\n2=ZAMB,3,Склад,sklad-pc\r\n"
              "[VoiceDevices:x]\r\n5=ZAMB,7,x,y\r\n");
    EXPECT_TRUE(notices.empty());
}

TEST_F(VoiceIniTest, AtStartWithoutRax40gwConfVoiceIniIsEmptied) {
    dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n");
    Start();
    EXPECT_TRUE(dir.Exists("voice.ini"));
    EXPECT_EQ(VoiceIni(), "");
    EXPECT_TRUE(notices.empty());
}

// Any failure of the copy is ignored: the window opens without a message.
TEST_F(VoiceIniTest, AtStartAVoiceIniThatCannotBeWrittenIsLeftWithoutAMessage) {
    dir.Write("rax40gw.conf", "[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n");
    dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=ZAMB,2,c,d\r\n");
    HeldFile other(dir.File("voice.ini"), 0);
    ASSERT_TRUE(other.IsOpen());
    TMainForm* form = Start();
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(form->PanelLork->Visible());
    other.Close();
    EXPECT_EQ(VoiceIni(), "[VoiceDevices:1]\r\n0=ZAMB,2,c,d\r\n");
}

// ---- renumbering ----

TEST_F(VoiceIniTest, RenumberingMovesTheSectionsAboveTheDeletedUnitDown) {
    dir.Write("voice.ini",
              "; device lists\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n[VoiceDevices:2]\n0=KEL,2,c,d\r\n"
              "[VoiceDevices:3]\r\n0=ZAMB,3,e,f\r\n  [VoiceDevices: 4 ]\t \r\n0=ZAMB,4,g,h\r"
              "[VoiceDevices:abc]\r\n[voicedevices:5]\r\n[VoiceDevices:x10]\r\nlast=line");
    EXPECT_TRUE(ShiftVoiceSections(dir.File("voice.ini"), "VoiceDevices:", 2, -1));
    EXPECT_EQ(VoiceIni(),
              "; device lists\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n[VoiceDevices:2]\r\n0=KEL,2,c,d\r\n"
              "[VoiceDevices:2]\r\n0=ZAMB,3,e,f\r\n[VoiceDevices:3]\r\n0=ZAMB,4,g,h\r\n"
              "[VoiceDevices:abc]\r\n[voicedevices:5]\r\n[VoiceDevices:15]\r\nlast=line\r\n");
    EXPECT_TRUE(notices.empty());
}

// A deleted unit's section goes from its header to the next header, both found as the
// profile functions find them (without regard to case and blanks, a comment after the
// "]"); the later sections move down and every other line stays as it stood.
TEST_F(VoiceIniTest, RemovingAUnitsSectionTakesOutItsLinesAndMovesTheLaterOnesDown) {
    dir.Write("voice.ini",
              "; device lists\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n ; kept\r\n"
              "  [ voicedevices:2 ]  \r\n0=KEL,2,c,d\r\n; goes with it\r\n\r\n"
              "[VoiceDevices:3] ; hall\r\n0=ZAMB,3,e,f\r\n[VoiceDevices:4]\r\n0=ZAMB,4,g,h\r\n");
    EXPECT_TRUE(RemoveUnitSection(dir.File("voice.ini"), 2));
    EXPECT_EQ(VoiceIni(),
              "; device lists\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n ; kept\r\n"
              "[VoiceDevices:2]\r\n0=ZAMB,3,e,f\r\n[VoiceDevices:3]\r\n0=ZAMB,4,g,h\r\n");
    EXPECT_TRUE(RemoveUnitSection(dir.File("voice.ini"), 3));  // the last unit, with no later one
    EXPECT_EQ(VoiceIni(), "; device lists\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n ; kept\r\n"
                          "[VoiceDevices:2]\r\n0=ZAMB,3,e,f\r\n");
    EXPECT_TRUE(notices.empty());
}

TEST_F(VoiceIniTest, RenumberingAMissingFileIsReportedAndCreatesNothing) {
    Start();
    DeleteFileAt(dir.File("voice.ini"));
    EXPECT_FALSE(ShiftVoiceSections(dir.File("voice.ini"), "VoiceDevices:", 2, -1));
    EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{"Не удалось открыть файл " + dir.File("voice.ini")});
    EXPECT_FALSE(dir.Exists("voice.ini"));
}

// Another program lets the file be read and written but not replaced.
TEST_F(VoiceIniTest, RenumberingThatCannotSaveIsReportedAndLeavesTheFile) {
    Start();
    const std::string before = "[VoiceDevices:3]\r\n0=KEL,3,a,b\r\n";
    dir.Write("voice.ini", before);
    HeldFile other(dir.File("voice.ini"), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(other.IsOpen());
    EXPECT_FALSE(ShiftVoiceSections(dir.File("voice.ini"), "VoiceDevices:", 2, -1));
    EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{"Не удалось сохранить настройки в файл " + dir.File("voice.ini")});
    other.Close();
    EXPECT_EQ(VoiceIni(), before);
}

// The old file was renamed aside and neither it nor the renumbered one could then take
// voice.ini's name (the seam fails those renames): the notice says where each lies.
TEST_F(VoiceIniTest, RenumberingWhoseFilesCannotTakeTheNameSaysWhereBothLie) {
    Start();
    const std::string before = "[VoiceDevices:3]\r\n0=KEL,3,a,b\r\n";
    dir.Write("voice.ini", before);
    FailRenamesForTests({1, 3, 4, 5});
    EXPECT_FALSE(ShiftVoiceSections(dir.File("voice.ini"), "VoiceDevices:", 2, -1));
    FailRenamesForTests({});

    std::vector<std::string> besides;
    for (const std::string& name : dir.Names())
        if (name != "rax40gw.conf") besides.push_back(name);
    ASSERT_EQ(besides.size(), 2u);
    if (dir.Read(besides[0]) != before) std::swap(besides[0], besides[1]);
    EXPECT_EQ(dir.Read(besides[0]), before);
    EXPECT_EQ(dir.Read(besides[1]), "[VoiceDevices:2]\r\n0=KEL,3,a,b\r\n");
    EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{"Не удалось сохранить настройки в файл " + dir.File("voice.ini") +
                                                     "\nПрежний файл не удалось вернуть на место, он сохранён как " +
                                                     dir.File(besides[0]) + ".\nНовый файл сохранён как " +
                                                     dir.File(besides[1]) + "."});
}

// ---- one unit's list from the unit dialog ----

struct WrittenList {
    const char* label;
    std::vector<std::vector<std::string>> rows;  // type, address, name, host
    const char* section;                         // nullptr: the unit has no section
};

void PrintTo(const WrittenList& c, std::ostream* out) { *out << c.label; }

class WritingAUnitsList : public VoiceIniTest, public testing::WithParamInterface<WrittenList> {};

// Unit 2's list replaces what its section held; the other units keep theirs.
TEST_P(WritingAUnitsList, GivesItsSectionOneKeyPerDevice) {
    const WrittenList& c = GetParam();
    Start();
    dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n[VoiceDevices:2]\r\n0=KEL,9,old,old\r\n1=ZAMB,8,o,o\r\n");
    TFormLorkM dialog(MainForm);
    FormLorkM = &dialog;
    FillDevices(dialog.StringGrid2, c.rows);
    CurrentBlock = 2;
    WriteBlockVoiceDevices();
    FormLorkM = nullptr;
    std::string expected = "[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n";
    if (c.section) expected += std::string("[VoiceDevices:2]\r\n") + c.section;
    EXPECT_EQ(VoiceIni(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WritingAUnitsList,
    testing::Values(
        WrittenList{"TwoDevices",
                    {{"КЕЛ-РЦ", "12", "Пост 1", "10.0.0.21"}, {"ЗАМБ-2М, ЗАМБ-4М", "3", "Склад", "sklad-pc"}},
                    "0=KEL,12,Пост 1,10.0.0.21\r\n1=ZAMB,3,Склад,sklad-pc\r\n"},
        WrittenList{"TrailingBlanksOfTheHostDropped", {{"КЕЛ-РЦ", "12", "Пост", "host  "}}, "0=KEL,12,Пост,host\r\n"},
        WrittenList{"AnAddressKeepsItsBlanks", {{"КЕЛ-РЦ", " 12 ", "", "h"}}, "0=KEL, 12 ,,h\r\n"},
        WrittenList{"TypeByItsFirstLetter", {{"Кто-то", "1", "a", "b"}, {"KEL", "2", "c", "d"}},
                    "0=KEL,1,a,b\r\n1=ZAMB,2,c,d\r\n"},
        WrittenList{"EmptyListLeavesNoSection", {{"", "", "", ""}}, nullptr},
        WrittenList{"ARowWithoutATypeIsNoDevice",
                    {{"КЕЛ-РЦ", "1", "a", "b"}, {"", "2", "c", "d"}, {"ЗАМБ-2М, ЗАМБ-4М", "3", "e", "f"}},
                    "0=KEL,1,a,b\r\n1=ZAMB,3,e,f\r\n"}),
    [](const testing::TestParamInfo<WrittenList>& info) { return std::string(info.param.label); });

// ---- File > Open ----

const char kThreeUnits[] =
    "[System]\r\nName=Other\r\n[Devices]\r\n0 = 1 ;one\r\n1 = 2,10.0.0.2 ;two\r\n2 = 3 ;three\r\n"
    "[DeviceSettings]\r\nFlow Control=1\r\n\r\n"
    "[VoiceDevices:1]\r\n0=KEL,11,new1,h1\r\n"
    "[VoiceDevices:2]\r\n1=ZAMB,22,new2,h2\r\n2=ZAMB,23,new3,h3\r\n3=KEL,24,new4,h4\r\n"
    "[VoiceDevices:3]\r\n0=KEL,31,new5,h5\r\n";

const char kFiveLists[] =
    "[VoiceDevices:1]\r\n0=KEL,1,old,o\r\n1=KEL,2,old,o\r\n[VoiceDevices:2]\r\n0=KEL,3,old,o\r\n1=KEL,4,old,o\r\n"
    "[VoiceDevices:3]\r\n0=KEL,5,old,o\r\n1=KEL,6,old,o\r\n[VoiceDevices:4]\r\n0=KEL,7,old,o\r\n"
    "[VoiceDevices:5]\r\n0=KEL,8,old,o\r\n";

// voice.ini is not emptied: the file's sections are merged into it key by key.
TEST_F(VoiceIniTest, OpenLoadsTheFileMarksItChangedAndMergesItsListsIntoVoiceIni) {
    TMainForm* form = Start();
    dir.Write("voice.ini", kFiveLists);
    dir.Write("other.conf", kThreeUnits);
    OpenFromMenu(dir.File("other.conf"));

    ASSERT_EQ(openRequests.size(), 1u);
    const FileDialogRequest& request = openRequests[0];
    EXPECT_FALSE(request.Save);
    EXPECT_EQ(request.Filter, "Rax40gw file (*.conf)|*.conf");
    EXPECT_EQ(request.DefaultExt, "conf");
    EXPECT_EQ(request.FileName, "rax40gw.conf");
    const DWORD flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    EXPECT_EQ(request.Flags & flags, flags);

    EXPECT_EQ(form->FConfigPath, dir.File("other.conf"));
    EXPECT_EQ(form->StringGrid1->RowCount(), 4);
    EXPECT_TRUE(form->FModified);
    const Sections expected = {
        {"VoiceDevices:1", {"0=KEL,11,new1,h1", "1=KEL,2,old,o"}},
        {"VoiceDevices:2", {"0=KEL,3,old,o", "1=ZAMB,22,new2,h2", "2=ZAMB,23,new3,h3", "3=KEL,24,new4,h4"}},
        {"VoiceDevices:3", {"0=KEL,31,new5,h5", "1=KEL,6,old,o"}},
        {"VoiceDevices:4", {"0=KEL,7,old,o"}},
        {"VoiceDevices:5", {"0=KEL,8,old,o"}},
    };
    EXPECT_EQ(VoiceSections(), expected);
    EXPECT_TRUE(notices.empty());
}

// Section numbers are tried up to the number of lines of the file.
TEST_F(VoiceIniTest, OpenCopiesNoSectionNumberedAtOrBeyondTheFilesLineCount) {
    Start();
    dir.Write("voice.ini", kFiveLists);
    dir.Write("ten.conf", "[System]\r\nName=T\r\n\r\n\r\n\r\n\r\n\r\n[VoiceDevices:12]\r\n0=KEL,1,x,y\r\n1=KEL,2,x,y\r\n");
    OpenFromMenu(dir.File("ten.conf"));
    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(VoiceIni(), kFiveLists);
}

// Section numbers run from 0 up to the file's line count less one: a file of eight lines
// gives voice.ini its sections 0 and 7, not 8. Section 0 belongs to no unit row; it is
// merged all the same.
TEST_F(VoiceIniTest, OpenMergesTheSectionsNumberedFromZeroToTheFilesLineCountLessOne) {
    Start();
    dir.Write("voice.ini", kFiveLists);
    dir.Write("eight.conf",
              "[System]\r\nName=E\r\n[VoiceDevices:0]\r\n0=KEL,1,zero,z\r\n"
              "[VoiceDevices:7]\r\n0=KEL,7,seven,s\r\n[VoiceDevices:8]\r\n0=KEL,8,eight,e\r\n");
    OpenFromMenu(dir.File("eight.conf"));

    EXPECT_TRUE(MainForm->FModified);
    const Sections expected = {
        {"VoiceDevices:0", {"0=KEL,1,zero,z"}},
        {"VoiceDevices:1", {"0=KEL,1,old,o", "1=KEL,2,old,o"}},
        {"VoiceDevices:2", {"0=KEL,3,old,o", "1=KEL,4,old,o"}},
        {"VoiceDevices:3", {"0=KEL,5,old,o", "1=KEL,6,old,o"}},
        {"VoiceDevices:4", {"0=KEL,7,old,o"}},
        {"VoiceDevices:5", {"0=KEL,8,old,o"}},
        {"VoiceDevices:7", {"0=KEL,7,seven,s"}},
    };
    EXPECT_EQ(VoiceSections(), expected);
    EXPECT_TRUE(notices.empty());
}

TEST_F(VoiceIniTest, OpenCancelledChangesNothing) {
    dir.Write("rax40gw.conf", "[System]\r\nName=Here\r\n");
    TMainForm* form = Start();
    dir.Write("voice.ini", kFiveLists);
    OpenFromMenu(std::nullopt);
    EXPECT_EQ(openRequests.size(), 1u);
    EXPECT_FALSE(form->FModified);
    EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf"));
    EXPECT_EQ(VoiceIni(), kFiveLists);
}

// The configuration in force stays, unchanged and not marked as changed, and the device
// lists stay those of voice.ini: saving could otherwise mix two files.
TEST_F(VoiceIniTest, OpenOfAFileThatFailsToLoadNeitherMarksAChangeNorMergesItsLists) {
    dir.Write("rax40gw.conf", "[System]\r\nName=Here\r\n[Devices]\r\n0 = 4\r\n");
    TMainForm* form = Start();
    dir.Write("voice.ini", kFiveLists);
    dir.Write("bad.conf", std::string(kThreeUnits) + "[Audio]\r\nMax Calls=seven\r\n");
    dir.Write("held.conf", kThreeUnits);
    HeldFile other(dir.File("held.conf"), 0);
    ASSERT_TRUE(other.IsOpen());

    struct Road {
        const char* file;
        AnsiString text, caption;
    };
    const Road roads[] = {
        {"bad.conf", "'seven' is not a valid integer value", Application.Title},
        {"held.conf", dir.File("held.conf"), "Не удалось открыть файл..."},
    };
    for (const Road& road : roads) {
        OpenFromMenu(dir.File(road.file));
        ASSERT_EQ(notices.size(), 1u) << road.file;
        EXPECT_EQ(notices[0].Text, road.text);
        EXPECT_EQ(notices[0].Caption, road.caption);
        notices.clear();
        EXPECT_FALSE(form->FModified) << road.file;
        EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf")) << road.file;
        EXPECT_EQ(form->StringGrid1->RowCount(), 2) << road.file;
        EXPECT_EQ(form->StringGrid1->Cells(2, 1), "COM4") << road.file;
        EXPECT_EQ(VoiceIni(), kFiveLists) << road.file;
    }
}

}  // namespace
}  // namespace configurator_test
