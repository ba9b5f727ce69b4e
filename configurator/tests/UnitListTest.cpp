// The list of ЛОРК units on the real main window, end to end: the unit grid, the unit
// dialog run from it, and the units' device lists in voice.ini, driven as the operator
// drives them.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "FileReplace.h"
#include "GroupBox.h"
#include "RadioGroup.h"
#include "UnitFixture.h"
#include "UpDown.h"

namespace configurator_test {
namespace {

// Two units with device lists, as a save of the program leaves rax40gw.conf.
const char kTwoUnits[] =
    "[System]\r\nName=Gw\r\n[Devices]\r\n0 = 1\r\n;Hall\r\n1 = 3,10.0.0.5\r\n;Yard\r\n"
    "[DeviceSettings]\r\nFlow Control=3\r\n\r\n"
    "[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n"
    "[VoiceDevices:2]\r\n5= KEL , 12 , Пост 1 , 10.0.0.21 \r\n9=ZAMB,3,Склад,sklad,pc\r\n7=kel,4,Вход,in\r\n";

const char kFourUnits[] =
    "[Devices]\r\n0 = 1\r\n;U1\r\n1 = 2\r\n;U2\r\n2 = 3\r\n;U3\r\n3 = 4\r\n;U4\r\n"
    "[DeviceSettings]\r\nFlow Control=1\r\n"
    "[VoiceDevices:1]\r\n0=KEL,1,a,a\r\n[VoiceDevices:2]\r\n0=KEL,2,b,b\r\n"
    "[VoiceDevices:3]\r\n0=KEL,3,c,c\r\n[VoiceDevices:4]\r\n0=KEL,4,d,d\r\n";

// What the unit dialog showed when it came up.
struct UnitShown {
    AnsiString Caption;
    int Type = -2;
    bool IpShown = false;
    int Port = 0;
    AnsiString Ip, Comment;
    std::vector<std::string> Devices;
};

class UnitListTest : public UnitFixture {
protected:
    std::vector<UnitShown> unitShown;

    TMainForm* StartWith(const char* conf) {
        dir.Write("rax40gw.conf", conf);
        return Start();
    }

    TStringGrid* Units() { return MainForm->StringGrid1; }

    // The unit dialog: what it shows is recorded, then the operator acts in it.
    void InUnitDialog(std::function<void(TFormLorkM&)> act) {
        unitDialog = [this, act](TFormLorkM& d) {
            unitShown.push_back({d.Caption(), d.RadioGroupType->ItemIndex(), d.GroupBoxIp->Visible(),
                                 d.UpDownPort->Position(), d.GetIP(), d.GetComment(), Rows(d.StringGrid2)});
            act(d);
        };
    }
};

// ---- editing ----

TEST_F(UnitListTest, EditingUnit2ShowsItsFieldsAndDevicesAndOkRewritesItsSection) {
    StartWith(kTwoUnits);
    SelectRow(Units(), 2);
    EXPECT_EQ(CurrentBlock, 2);
    WillEnter({1, L"5", L"Новый", L"new-host"});
    InUnitDialog([](TFormLorkM& d) {
        Press(d.Button2Add);
        Press(d.Button1);
    });
    Press(MainForm->ButtonEdit);

    ASSERT_EQ(unitShown.size(), 1u);
    const UnitShown& shown = unitShown[0];
    EXPECT_EQ(shown.Caption, "Изменение настроек ЛОРК");
    EXPECT_EQ(shown.Type, 1);
    EXPECT_TRUE(shown.IpShown);
    EXPECT_EQ(shown.Port, 3);
    EXPECT_EQ(shown.Ip, "10.0.0.5");
    EXPECT_EQ(shown.Comment, "Yard");
    // Keys 5, 9 and 7 fill rows 1 to 3 in the order they stand; only "KEL" exactly is a
    // КЕЛ-РЦ; the host keeps its further commas; the blanks around each field go.
    EXPECT_EQ(shown.Devices, (std::vector<std::string>{"1|КЕЛ-РЦ|12|Пост 1|10.0.0.21",
                                                       "2|ЗАМБ-2М, ЗАМБ-4М|3|Склад|sklad,pc",
                                                       "3|ЗАМБ-2М, ЗАМБ-4М|4|Вход|in"}));

    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(Rows(Units()), (std::vector<std::string>{"1|ЛОРК-М|COM1||Hall", "2|ЛОРК-МЕ|COM3|10.0.0.5|Yard"}));
    const Sections expected = {
        {"VoiceDevices:1", {"0=KEL,1,a,b"}},
        {"VoiceDevices:2", {"0=KEL,12,Пост 1,10.0.0.21", "1=ZAMB,3,Склад,sklad,pc", "2=ZAMB,4,Вход,in",
                            "3=ZAMB,5,Новый,new-host"}},
    };
    EXPECT_EQ(VoiceSections(), expected);
}

// "ОК" counts as a change even when nothing was changed: the unit's list is written
// afresh from the dialog's grid (keys from 0, fields trimmed), the row keeps its cells,
// and closing the window saves and asks the restart question.
TEST_F(UnitListTest, OkWithNothingChangedMarksAChangeAndRewritesTheUnitsSection) {
    dir.Write("rax40gw.conf", kTwoUnits);
    Start();
    ASSERT_EQ(VoiceSections().at("VoiceDevices:2"),
              (std::vector<std::string>{"5=KEL , 12 , Пост 1 , 10.0.0.21", "9=ZAMB,3,Склад,sklad,pc", "7=kel,4,Вход,in"}));
    const std::vector<std::string> rows = Rows(Units());
    SelectRow(Units(), 2);
    InUnitDialog([](TFormLorkM& d) { Press(d.Button1); });
    Press(MainForm->ButtonEdit);

    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(Rows(Units()), rows);
    const Sections expected = {
        {"VoiceDevices:1", {"0=KEL,1,a,b"}},
        {"VoiceDevices:2", {"0=KEL,12,Пост 1,10.0.0.21", "1=ZAMB,3,Склад,sklad,pc", "2=ZAMB,4,Вход,in"}},
    };
    EXPECT_EQ(VoiceSections(), expected);

    Choose(MainForm->mExit);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Caption, "Конфигурация шлюза изменена");
    const std::string saved = dir.Read("rax40gw.conf");
    EXPECT_NE(saved.find("[VoiceDevices:2]\r\n0=KEL,12,Пост 1,10.0.0.21\r\n1=ZAMB,3,Склад,sklad,pc\r\n"),
              std::string::npos)
        << saved;
}

TEST_F(UnitListTest, ADoubleClickOnAUnitEditsIt) {
    StartWith(kTwoUnits);
    InUnitDialog([](TFormLorkM& d) { Press(d.ButtonCancel); });
    DoubleClickRow(Units(), 1);
    ASSERT_EQ(unitShown.size(), 1u);
    EXPECT_EQ(unitShown[0].Type, 0);
    EXPECT_FALSE(unitShown[0].IpShown);
    EXPECT_EQ(unitShown[0].Comment, "Hall");
    EXPECT_EQ(unitShown[0].Devices, std::vector<std::string>{"1|КЕЛ-РЦ|1|a|b"});
    EXPECT_EQ(CurrentBlock, 1);
}

// Devices added, changed and deleted in the dialog go with it, whichever way it closes
// without "ОК".
TEST_F(UnitListTest, CancellingTheUnitDialogChangesNoFileNoRowAndNoFlag) {
    StartWith(kTwoUnits);
    const std::string voice = VoiceIni();
    const std::vector<std::string> rows = Rows(Units());
    SelectRow(Units(), 2);
    for (bool closeBox : {false, true}) {
        WillEnter({0, L"9", L"x", L"y"});
        WillEnter({0, L"8", L"z", L"w"});
        InUnitDialog([closeBox](TFormLorkM& d) {
            Press(d.Button2Add);
            Press(d.Button3Change);
            SelectRow(d.StringGrid2, 1);
            Press(d.Button4Delete);
            SendMessageW(d.RadioGroupType->Button(0), BM_CLICK, 0, 0);
            Type(d.EditComment, L"changed");
            if (closeBox) PressCloseBox(d);
            else Press(d.ButtonCancel);
        });
        Press(MainForm->ButtonEdit);
    }
    EXPECT_EQ(unitShown.size(), 2u);
    EXPECT_FALSE(MainForm->FModified);
    EXPECT_EQ(Rows(Units()), rows);
    EXPECT_EQ(VoiceIni(), voice);
}

TEST_F(UnitListTest, SwitchingALorkMeToLorkMEmptiesItsIpAndAnEmptyCommentBecomesNewUnit) {
    StartWith(kTwoUnits);
    SelectRow(Units(), 2);
    InUnitDialog([](TFormLorkM& d) {
        SendMessageW(d.RadioGroupType->Button(0), BM_CLICK, 0, 0);
        Type(d.EditPort, L"12");
        Type(d.EditComment, L"");
        Press(d.Button1);
    });
    Press(MainForm->ButtonEdit);
    EXPECT_EQ(Rows(Units())[1], "2|ЛОРК-М|COM12||Новый блок");
}

// The port cell after "COM" by the C library's conversion; the spinner keeps 1..255.
TEST_F(UnitListTest, ThePortOfTheCellIsShownWithinTheSpinnersRange) {
    StartWith("[Devices]\r\n0 = 300\r\n1 = 0\r\n2 = 7x\r\n3 = -4\r\n");
    const int expected[] = {255, 1, 7, 1};
    InUnitDialog([](TFormLorkM& d) { Press(d.ButtonCancel); });
    for (int row = 1; row <= 4; ++row) {
        SelectRow(Units(), row);
        Press(MainForm->ButtonEdit);
    }
    ASSERT_EQ(unitShown.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(unitShown[i].Port, expected[i]) << Units()->Cells(2, i + 1);
}

// The unit's row takes the dialog's fields; the device list that could not be written
// stays as it was in voice.ini, and the error is shown.
TEST_F(UnitListTest, AListThatCannotBeWrittenLeavesTheUnitsPreviousList) {
    StartWith(kTwoUnits);
    const std::string voice = VoiceIni();
    SelectRow(Units(), 2);
    WillEnter({0, L"6", L"n", L"h"});
    HeldFile other(dir.File("voice.ini"), 0);
    ASSERT_TRUE(other.IsOpen());
    InUnitDialog([](TFormLorkM& d) {
        SelectRow(d.StringGrid2, 1);
        Press(d.Button4Delete);
        Press(d.Button2Add);
        Press(d.Button1);
    });
    Press(MainForm->ButtonEdit);
    other.Close();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "Unable to write to " + dir.File("voice.ini"));
    EXPECT_EQ(notices[0].Flags, unsigned(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(VoiceIni(), voice);
}

TEST_F(UnitListTest, WithoutVoiceIniAnEditedUnitShowsNoDevices) {
    DeleteFileAt(dir.File("voice.ini"));
    StartWith(kTwoUnits);
    TakeNotices();  // "Не найден файл voice.ini"
    SelectRow(Units(), 2);
    InUnitDialog([](TFormLorkM& d) { Press(d.ButtonCancel); });
    Press(MainForm->ButtonEdit);
    ASSERT_EQ(unitShown.size(), 1u);
    EXPECT_EQ(unitShown[0].Devices, std::vector<std::string>{"1||||"});
    EXPECT_FALSE(dir.Exists("voice.ini"));
}

// ---- adding ----

TEST_F(UnitListTest, AddedUnitsTakeTheEmptyRowFirstThenNewRowsWithTheirLists) {
    Start();
    EXPECT_EQ(Rows(Units()), std::vector<std::string>{"||||"});
    InUnitDialog([](TFormLorkM& d) { Press(d.Button1); });
    Press(MainForm->ButtonAdd);

    ASSERT_EQ(unitShown.size(), 1u);
    const UnitShown& shown = unitShown[0];
    EXPECT_EQ(shown.Caption, "Добавить блок ЛОРК");
    EXPECT_EQ(shown.Type, 0);
    EXPECT_FALSE(shown.IpShown);
    EXPECT_EQ(shown.Port, 1);
    EXPECT_EQ(shown.Ip, "192.168.1.201");
    EXPECT_EQ(shown.Comment, "Новый блок");
    EXPECT_EQ(shown.Devices, std::vector<std::string>{"1||||"});
    EXPECT_EQ(Rows(Units()), std::vector<std::string>{"1|ЛОРК-М|COM1||Новый блок"});
    EXPECT_EQ(CurrentBlock, 1);
    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(VoiceIni(), "");

    WillEnter({1, L"3", L"Склад", L"sklad"});
    InUnitDialog([](TFormLorkM& d) {
        SendMessageW(d.RadioGroupType->Button(1), BM_CLICK, 0, 0);
        Type(d.EditIP, L"10.1.1.1");
        Type(d.EditPort, L"7");
        Type(d.EditComment, L"");
        Press(d.Button2Add);
        Press(d.Button1);
    });
    Press(MainForm->ButtonAdd);
    EXPECT_EQ(Rows(Units()), (std::vector<std::string>{"1|ЛОРК-М|COM1||Новый блок", "2|ЛОРК-МЕ|COM7|10.1.1.1|Новый блок"}));
    EXPECT_EQ(CurrentBlock, 2);
    EXPECT_EQ(VoiceIni(), "[VoiceDevices:2]\r\n0=ZAMB,3,Склад,sklad\r\n");
}

TEST_F(UnitListTest, ACancelledAddChangesNothing) {
    StartWith(kTwoUnits);
    const std::string voice = VoiceIni();
    WillEnter({0, L"9", L"x", L"y"});
    InUnitDialog([](TFormLorkM& d) {
        Press(d.Button2Add);
        Press(d.ButtonCancel);
    });
    Press(MainForm->ButtonAdd);
    EXPECT_EQ(Units()->RowCount(), 3);
    EXPECT_FALSE(MainForm->FModified);
    EXPECT_EQ(VoiceIni(), voice);
}

// ---- deleting ----

TEST_F(UnitListTest, DeletingUnit1Of2LeavesTheFormerUnit2AsUnit1WithItsList) {
    StartWith(kTwoUnits);
    SelectRow(Units(), 1);
    Press(MainForm->ButtonDel);
    EXPECT_EQ(Rows(Units()), std::vector<std::string>{"1|ЛОРК-МЕ|COM3|10.0.0.5|Yard"});
    EXPECT_EQ(CurrentBlock, 1);
    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(VoiceIni(), "[VoiceDevices:1]\r\n5=KEL , 12 , Пост 1 , 10.0.0.21\r\n9=ZAMB,3,Склад,sklad,pc\r\n7=kel,4,Вход,in\r\n");
    EXPECT_TRUE(notices.empty());
}

TEST_F(UnitListTest, DeletingUnit2Of4MovesTheLaterRowsAndSectionsDown) {
    StartWith(kFourUnits);
    SelectRow(Units(), 2);
    Press(MainForm->ButtonDel);
    EXPECT_EQ(Rows(Units()), (std::vector<std::string>{"1|ЛОРК-М|COM1||U1", "2|ЛОРК-М|COM3||U3", "3|ЛОРК-М|COM4||U4"}));
    EXPECT_EQ(VoiceIni(), "[VoiceDevices:1]\r\n0=KEL,1,a,a\r\n[VoiceDevices:2]\r\n0=KEL,3,c,c\r\n"
                          "[VoiceDevices:3]\r\n0=KEL,4,d,d\r\n");
    // The last row deleted: the selection moves up to the new last row.
    SelectRow(Units(), 3);
    Press(MainForm->ButtonDel);
    EXPECT_EQ(Rows(Units()), (std::vector<std::string>{"1|ЛОРК-М|COM1||U1", "2|ЛОРК-М|COM3||U3"}));
    EXPECT_EQ(Units()->Row(), 2);
    EXPECT_EQ(CurrentBlock, 2);
    EXPECT_EQ(VoiceIni(), "[VoiceDevices:1]\r\n0=KEL,1,a,a\r\n[VoiceDevices:2]\r\n0=KEL,3,c,c\r\n");
}

TEST_F(UnitListTest, DeletingTheOnlyUnitOnlyMarksTheConfigurationChanged) {
    StartWith("[Devices]\r\n0 = 2 ;Only\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n");
    const std::string voice = VoiceIni();
    Press(MainForm->ButtonDel);
    EXPECT_TRUE(MainForm->FModified);
    EXPECT_EQ(Rows(Units()), std::vector<std::string>{"1|ЛОРК-М|COM2||Only"});
    EXPECT_EQ(VoiceIni(), voice);
}

// voice.ini is changed first and the rows move only when it was, so units and lists stay
// together: a file that cannot be read, and one that can be read but not replaced (the
// notice says so) are left exactly as they were, every list included.
TEST_F(UnitListTest, ADeleteThatCannotChangeVoiceIniLeavesTheRowsAndTheFile) {
    struct Road {
        const char* label;
        DWORD sharing;
        AnsiString notice;
    };
    const Road roads[] = {
        {"locked", 0, "Не удалось открыть файл " + dir.File("voice.ini")},
        {"not replaceable", FILE_SHARE_READ | FILE_SHARE_WRITE,
         "Не удалось сохранить настройки в файл " + dir.File("voice.ini")},
    };
    StartWith(kFourUnits);
    const std::string voice = VoiceIni();
    const std::vector<std::string> rows = Rows(Units());
    for (const Road& road : roads) {
        SelectRow(Units(), 2);
        HeldFile other(dir.File("voice.ini"), road.sharing);
        ASSERT_TRUE(other.IsOpen());
        Press(MainForm->ButtonDel);
        other.Close();
        EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{road.notice}) << road.label;
        EXPECT_EQ(Rows(Units()), rows) << road.label;
        EXPECT_EQ(VoiceIni(), voice) << road.label;
    }
}

// The replace put voice.ini aside and could not put either file back in its place (the
// seam fails those renames): the rows stay, the notice says where the files lie, and the
// file named as the old one is voice.ini as it was, the deleted unit's list included, so
// that no list is in no file.
TEST_F(UnitListTest, ADeleteWhoseReplaceLeavesVoiceIniAsideKeepsEveryListInTheOldFile) {
    StartWith(kFourUnits);
    const std::string voice = VoiceIni();
    const std::vector<std::string> rows = Rows(Units());
    SelectRow(Units(), 2);
    FailRenamesForTests({1, 3, 4, 5});
    Press(MainForm->ButtonDel);
    FailRenamesForTests({});
    EXPECT_EQ(Rows(Units()), rows);
    EXPECT_FALSE(dir.Exists("voice.ini"));
    ASSERT_EQ(notices.size(), 1u);
    const AnsiString& text = notices[0].Text;
    const AnsiString kOldNamed = "Прежний файл не удалось вернуть на место, он сохранён как ";
    size_t at = text.find(kOldNamed);
    ASSERT_NE(at, std::string::npos) << text;
    AnsiString oldPath = text.substr(at + kOldNamed.size(), text.find(".\n", at) - at - kOldNamed.size());
    ASSERT_EQ(oldPath.rfind(dir.Path(), 0), 0u) << oldPath;
    EXPECT_EQ(dir.Read(oldPath.substr(dir.Path().size())), voice);
}

// Without voice.ini there is no list to keep in step: the rows move and no file appears.
// Without voice.ini there is no device list to keep in step: the operator hears that the
// file could not be opened, and the rows move all the same.
TEST_F(UnitListTest, WithoutVoiceIniDeletingTellsSoMovesTheRowsAndCreatesNoFile) {
    DeleteFileAt(dir.File("voice.ini"));
    StartWith(kFourUnits);
    TakeNotices();  // "Не найден файл voice.ini"
    SelectRow(Units(), 1);
    Press(MainForm->ButtonDel);
    EXPECT_EQ(Units()->RowCount(), 4);
    EXPECT_EQ(Rows(Units())[0], "1|ЛОРК-М|COM2||U2");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "Не удалось открыть файл " + dir.File("voice.ini"));
    EXPECT_FALSE(dir.Exists("voice.ini"));
}

}  // namespace
}  // namespace configurator_test
