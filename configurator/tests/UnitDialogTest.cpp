// The unit dialog and the device-entry dialog built from the program's resources: the
// device list kept in the unit dialog's grid, driven as the operator drives the two
// dialogs. The unit dialog is created as the unit list creates it for a new unit and
// shown; the device-entry dialog runs modally from it.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "GroupBox.h"
#include "Label.h"
#include "Panel.h"
#include "RadioGroup.h"
#include "UnitFixture.h"
#include "UpDown.h"

namespace configurator_test {
namespace {

const char kAddMissing[] = "Вы заполнили не все данные. Запись не будет добавлена";
const char kAddAddress[] = "Не верно задан РАКС адрес. Запись не будет добавлена";
const char kAddComma[] = "Наименование не может содержать запятую. Запись не будет добавлена";
const char kChangeMissing[] = "Вы заполнили не все данные. Запись не будет изменена";
const char kChangeAddress[] = "Не верно задан РАКС адрес. Запись не будет изменена";
const char kChangeComma[] = "Наименование не может содержать запятую. Запись не будет изменена";

const std::string kKel = "КЕЛ-РЦ";
const std::string kZamb = "ЗАМБ-2М, ЗАМБ-4М";

class UnitDialogTest : public UnitFixture {
protected:
    TFormLorkM* dialog = nullptr;

    void SetUp() override {
        UnitFixture::SetUp();
        Start();
        FormLorkM = dialog = new TFormLorkM(MainForm);
        dialog->NumberDeviceRows();
        dialog->Show();
    }

    void TearDown() override {
        delete dialog;
        FormLorkM = nullptr;
        UnitFixture::TearDown();
    }

    TStringGrid* Grid() { return dialog->StringGrid2; }

    void Add(const Device& device, bool ok = true) {
        WillEnter(device, ok);
        Press(dialog->Button2Add);
    }

    // "Изменить" on the selected row.
    void Change(int row, const Device& device, bool ok = true) {
        SelectRow(Grid(), row);
        WillEnter(device, ok);
        Press(dialog->Button3Change);
    }

    void Delete(int row) {
        SelectRow(Grid(), row);
        Press(dialog->Button4Delete);
    }
};

TEST_F(UnitDialogTest, TheFirstAddFillsTheEmptyRowNumberedOneAndTheNextAppends) {
    EXPECT_EQ(Rows(Grid()), std::vector<std::string>{"1||||"});
    Add({0, L"12", L"Пост 1", L"10.0.0.21"});
    EXPECT_EQ(Rows(Grid()), std::vector<std::string>{"1|" + kKel + "|12|Пост 1|10.0.0.21"});
    Add({1, L"3", L"Склад", L"sklad-pc"});
    EXPECT_EQ(Rows(Grid()), (std::vector<std::string>{"1|" + kKel + "|12|Пост 1|10.0.0.21",
                                                      "2|" + kZamb + "|3|Склад|sklad-pc"}));
    EXPECT_TRUE(notices.empty());
    ASSERT_EQ(entryShown.size(), 2u);
    EXPECT_EQ(entryShown[0].Caption, "Добавление записи");
    EXPECT_EQ(entryShown[0].OkCaption, "ОК");
}

struct EntryCase {
    const char* label;
    Device device;
    const char* notice;  // nullptr: the entry is taken
    std::string row;     // the row it gives
};

void PrintTo(const EntryCase& c, std::ostream* out) { *out << c.label; }

class AddingADevice : public UnitDialogTest, public testing::WithParamInterface<EntryCase> {};

// To a list of one device; a refused entry leaves the grid as it was.
TEST_P(AddingADevice, IsCheckedMissingDataFirstThenTheAddress) {
    const EntryCase& c = GetParam();
    FillDevices(Grid(), {{kKel, "5", "Пост", "10.0.0.5"}});
    Add(c.device);
    std::vector<std::string> expected = {"1|" + kKel + "|5|Пост|10.0.0.5"};
    if (c.notice) {
        EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{c.notice});
    } else {
        EXPECT_TRUE(TakeNotices().empty());
        expected.push_back(c.row);
    }
    EXPECT_EQ(Rows(Grid()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, AddingADevice,
    testing::Values(
        EntryCase{"Address255", {0, L"255", L"Пост 2", L"host2"}, nullptr, "2|" + kKel + "|255|Пост 2|host2"},
        EntryCase{"Address256", {0, L"256", L"Пост 2", L"host2"}, kAddAddress, ""},
        EntryCase{"AddressZero", {0, L"0", L"Пост 2", L"host2"}, kAddAddress, ""},
        EntryCase{"AddressZeroZero", {0, L"00", L"Пост 2", L"host2"}, kAddAddress, ""},
        EntryCase{"AddressEmpty", {0, L"", L"Пост 2", L"host2"}, kAddMissing, ""},
        EntryCase{"HostEmpty", {0, L"7", L"Пост 2", L""}, kAddMissing, ""},
        EntryCase{"ZeroAddressAndNoHost", {0, L"0", L"Пост 2", L""}, kAddMissing, ""},
        EntryCase{"NameEmpty", {1, L"9", L"", L"10.0.0.9"}, nullptr, "2|" + kZamb + "|9||10.0.0.9"},
        EntryCase{"NameWithComma", {0, L"9", L"Пост 1, этаж 2", L"h"}, kAddComma, ""},
        EntryCase{"HostOfAnyCharacters", {0, L"9", L"Пост", L"пост-9.local, b"}, nullptr,
                  "2|" + kKel + "|9|Пост|пост-9.local, b"},
        EntryCase{"AddressPastedWithBlanks", {0, L" 12 ", L"Пост", L"h", true}, nullptr, "2|" + kKel + "| 12 |Пост|h"},
        EntryCase{"NegativeAddressPasted", {0, L"-5", L"Пост", L"h", true}, kAddAddress, ""}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.label); });

class ChangingADevice : public UnitDialogTest, public testing::WithParamInterface<EntryCase> {};

// Row 2 of three; a refused change leaves the grid as it was, an accepted one changes
// only row 2's device cells.
TEST_P(ChangingADevice, IsCheckedAddressFirstThenMissingData) {
    const EntryCase& c = GetParam();
    FillDevices(Grid(), {{kKel, "1", "A", "a"}, {kZamb, "2", "B", "b"}, {kKel, "3", "C", "c"}});
    std::vector<std::string> before = Rows(Grid());
    Change(2, c.device);
    std::vector<std::string> expected = before;
    if (c.notice) {
        EXPECT_EQ(TakeNotices(), std::vector<AnsiString>{c.notice});
    } else {
        EXPECT_TRUE(TakeNotices().empty());
        expected[1] = c.row;
    }
    EXPECT_EQ(Rows(Grid()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ChangingADevice,
    testing::Values(EntryCase{"Valid", {0, L"77", L"Пост 7", L"10.0.0.7"}, nullptr, "2|" + kKel + "|77|Пост 7|10.0.0.7"},
                    EntryCase{"Address256", {1, L"256", L"B", L"b"}, kChangeAddress, ""},
                    EntryCase{"AddressZero", {1, L"0", L"B", L"b"}, kChangeAddress, ""},
                    EntryCase{"AddressEmpty", {1, L"", L"B", L"b"}, kChangeAddress, ""},
                    EntryCase{"AddressEmptyAndNoHost", {1, L"", L"B", L""}, kChangeAddress, ""},
                    EntryCase{"HostEmpty", {1, L"8", L"B", L""}, kChangeMissing, ""},
                    EntryCase{"NameEmpty", {1, L"8", L"", L"b"}, nullptr, "2|" + kZamb + "|8||b"},
                    EntryCase{"NameWithComma", {1, L"8", L"B,C", L"b"}, kChangeComma, ""}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.label); });

TEST_F(UnitDialogTest, ChangingShowsTheRowAndPreselectsTheTypeByItsFirstLetter) {
    FillDevices(Grid(), {{kKel, "12", "Пост 1", "10.0.0.21"}, {kZamb, "3", "Склад", "sklad-pc"}, {"Z", "4", "", "z"}});
    for (int row : {1, 2, 3}) Change(row, {}, false);
    ASSERT_EQ(entryShown.size(), 3u);
    EXPECT_EQ(entryShown[0].Caption, "Изменение записи");
    EXPECT_EQ(entryShown[0].OkCaption, "ОК");
    EXPECT_EQ(entryShown[0].Type, 0);
    EXPECT_EQ(entryShown[0].Address, "12");
    EXPECT_EQ(entryShown[0].Name, "Пост 1");
    EXPECT_EQ(entryShown[0].Host, "10.0.0.21");
    EXPECT_EQ(entryShown[1].Type, 1);
    EXPECT_EQ(entryShown[1].Name, "Склад");
    EXPECT_EQ(entryShown[2].Type, 1);
}

TEST_F(UnitDialogTest, ADoubleClickOnARowChangesThatDevice) {
    FillDevices(Grid(), {{kKel, "1", "A", "a"}, {kKel, "2", "B", "b"}});
    WillEnter({1, L"20", L"Б", L"bb"});
    DoubleClickRow(Grid(), 2);
    EXPECT_EQ(Rows(Grid()), (std::vector<std::string>{"1|" + kKel + "|1|A|a", "2|" + kZamb + "|20|Б|bb"}));
}

// A pasted address that is no number: the conversion error in the error box, nothing
// added or changed, the unit dialog still there.
TEST_F(UnitDialogTest, APastedNonNumberGivesTheConversionErrorAndLeavesTheGrid) {
    FillDevices(Grid(), {{kKel, "5", "Пост", "h"}});
    std::vector<std::string> before = Rows(Grid());
    Add({0, L"1x", L"N", L"h", true});
    Change(1, {0, L"12a", L"N", L"h", true});
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].Text, "'1x' is not a valid integer value");
    EXPECT_EQ(notices[1].Text, "'12a' is not a valid integer value");
    EXPECT_EQ(notices[0].Caption, Application.Title);
    EXPECT_EQ(notices[0].Flags, unsigned(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(Rows(Grid()), before);
    EXPECT_TRUE(IsWindow(dialog->Handle()));
}

TEST_F(UnitDialogTest, CancelOrTheCloseBoxOfTheEntryDialogLeavesTheGrid) {
    FillDevices(Grid(), {{kKel, "5", "Пост", "h"}});
    std::vector<std::string> before = Rows(Grid());
    Add({1, L"7", L"N", L"h"}, false);
    Change(1, {1, L"7", L"N", L"h"}, false);
    entries.push_back([](TFormInput& input) {
        Enter(input, {1, L"8", L"M", L"m"});
        PressCloseBox(input);
    });
    Press(dialog->Button2Add);
    EXPECT_EQ(entries.size(), 0u);
    EXPECT_EQ(Rows(Grid()), before);
    EXPECT_TRUE(notices.empty());
}

// Adding resets the name, the host and the type, and the address only when it is empty
// or "0"; changing overwrites all four.
TEST_F(UnitDialogTest, TheEntryFieldsCarryOverToTheNextAdd) {
    Add({1, L"0", L"Refused", L"r"});
    Add({1, L"12", L"Пост", L"10.0.0.12"});
    Add({}, false);
    FillDevices(Grid(), {{kZamb, "44", "Склад", "sklad"}});
    Change(1, {}, false);
    Add({}, false);
    Add({0, L"", L"", L""}, false);
    Add({}, false);

    struct Shown {
        int type;
        const char *address, *name, *host;
    };
    const Shown expected[] = {
        {0, "1", "", "127.0.0.1"},   // at first: the designed address
        {0, "1", "", "127.0.0.1"},   // after "0" was refused
        {0, "12", "", "127.0.0.1"},  // after 12 was taken, with another type, name and host
        {1, "44", "Склад", "sklad"}, // changing shows the row
        {0, "44", "", "127.0.0.1"},  // the change left 44
        {0, "44", "", "127.0.0.1"},  // still 44; this time the operator empties it and cancels
        {0, "1", "", "127.0.0.1"},   // an empty address starts again at 1
    };
    ASSERT_EQ(entryShown.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(entryShown[i].Type, expected[i].type) << "showing " << i;
        EXPECT_EQ(entryShown[i].Address, expected[i].address) << "showing " << i;
        EXPECT_EQ(entryShown[i].Name, expected[i].name) << "showing " << i;
        EXPECT_EQ(entryShown[i].Host, expected[i].host) << "showing " << i;
    }
}

TEST_F(UnitDialogTest, DeletingTheOnlyDeviceClearsItsRowAndTheNextAddReusesIt) {
    Add({0, L"12", L"Пост", L"h"});
    Delete(1);
    EXPECT_EQ(Grid()->RowCount(), 2);
    EXPECT_EQ(Rows(Grid()), std::vector<std::string>{"||||"});
    Add({1, L"3", L"Склад", L"s"});
    EXPECT_EQ(Rows(Grid()), std::vector<std::string>{"1|" + kZamb + "|3|Склад|s"});
}

TEST_F(UnitDialogTest, DeletingAMiddleRowMovesTheRowsBelowUpAndNumbersThem) {
    FillDevices(Grid(), {{kKel, "1", "A", "a"}, {kKel, "2", "B", "b"}, {kZamb, "3", "C", "c"}});
    Delete(2);
    EXPECT_EQ(Rows(Grid()), (std::vector<std::string>{"1|" + kKel + "|1|A|a", "2|" + kZamb + "|3|C|c"}));
    // A row appended later shows nothing of the row that went.
    Add({0, L"4", L"", L"d"});
    EXPECT_EQ(Rows(Grid())[2], "3|" + kKel + "|4||d");
}

TEST_F(UnitDialogTest, OnAnEmptyListChangeDeleteAndDoubleClickDoNothing) {
    Press(dialog->Button3Change);
    DoubleClickRow(Grid(), 1);
    Press(dialog->Button4Delete);
    EXPECT_TRUE(entryShown.empty());
    EXPECT_EQ(Rows(Grid()), std::vector<std::string>{"1||||"});
}

// Digits and Backspace only, each other key dropped with a beep; the host takes anything.
TEST_F(UnitDialogTest, TheAddressTakesDigitsAndBackspaceOnlyAndBeepsAtAnythingElse) {
    struct Key {
        wchar_t key;
        bool taken;
    };
    const Key keys[] = {{L'1', true},  {L'a', false}, {L'2', true},     {L'ж', false}, {L' ', false},
                        {L'-', false}, {L'.', false}, {VK_BACK, true},  {L'9', true},  {L'0', true}};
    SendMessageW(FormInput->EditType->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(FormInput->EditType->Handle(), WM_CHAR, VK_BACK, 1);
    int expectedBeeps = 0;
    for (const Key& k : keys) {
        SendMessageW(FormInput->EditType->Handle(), WM_CHAR, k.key, 1);
        if (!k.taken) ++expectedBeeps;
        EXPECT_EQ(beeps, expectedBeeps) << "key " << int(k.key);
    }
    EXPECT_EQ(FormInput->EditType->Text(), "190");

    Type(FormInput->EditIP, L"ж-1 a.b,c");
    EXPECT_EQ(FormInput->EditIP->Text(), "ж-1 a.b,c");
    EXPECT_EQ(beeps, expectedBeeps);
}

TEST_F(UnitDialogTest, ChoosingTheUnitTypeShowsTheIpGroupForALorkMeOnly) {
    TRadioGroup* type = dialog->RadioGroupType;
    EXPECT_EQ(type->ItemIndex(), -1);
    EXPECT_FALSE(dialog->GroupBoxIp->Visible());
    for (int item : {1, 0, 1}) {
        SendMessageW(type->Button(item), BM_CLICK, 0, 0);
        EXPECT_EQ(type->ItemIndex(), item);
        EXPECT_EQ(dialog->GroupBoxIp->Visible(), item == 1);
        EXPECT_EQ(IsWindowVisible(dialog->GroupBoxIp->Handle()) != 0, item == 1);
    }
}

TEST_F(UnitDialogTest, UnitDialogHasItsFieldsHeaderAndFixedWidthAndItsListGrowsWithItsHeight) {
    EXPECT_EQ(dialog->Width(), 550);
    EXPECT_EQ(dialog->Height(), 600);
    EXPECT_EQ(dialog->Position, poMainFormCenter);
    LONG style = GetWindowLongW(dialog->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_THICKFRAME);

    const char* const headers[] = {"№", "Тип", "РАКС адрес", "Наименование", "Имя или IP-адрес"};
    const int widths[] = {30, 111, 81, 111, 137};
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(Grid()->Cells(col, 0), headers[col]);
        EXPECT_EQ(Grid()->ColWidth(col), widths[col]);
    }
    EXPECT_EQ(dialog->RadioGroupType->Count(), 2);
    EXPECT_EQ(dialog->RadioGroupType->Item(0), "ЛОРК-М");
    EXPECT_EQ(dialog->RadioGroupType->Item(1), "ЛОРК-МЕ");
    EXPECT_EQ(dialog->UpDownPort->Min(), 1);
    EXPECT_EQ(dialog->UpDownPort->Max(), 255);
    EXPECT_EQ(dialog->EditPort->Text(), "1");

    // Everything fits inside the panels at the designed size.
    TControl* group = dialog->GroupBox3;
    EXPECT_LE(group->Top() + group->Height(), dialog->Panel2->ClientHeight());
    for (TControl* button : {static_cast<TControl*>(dialog->Button2Add), static_cast<TControl*>(dialog->Button3Change),
                             static_cast<TControl*>(dialog->Button4Delete)}) {
        EXPECT_LE(button->Top() + button->Height(), group->ClientHeight()) << button->Name;
        EXPECT_GE(button->Top(), Grid()->Top() + Grid()->Height()) << button->Name;
    }
    EXPECT_EQ(dialog->Panel1->Top() + dialog->Panel1->Height(), dialog->ClientHeight());

    int gridHeight = Grid()->Height(), gridWidth = Grid()->Width();
    int addTop = dialog->Button2Add->Top(), deleteLeft = dialog->Button4Delete->Left();
    dialog->SetBounds(dialog->Left(), dialog->Top(), 700, 700);
    EXPECT_EQ(dialog->Width(), 550);
    EXPECT_EQ(dialog->Height(), 700);
    EXPECT_EQ(Grid()->Height(), gridHeight + 100);
    EXPECT_EQ(Grid()->Width(), gridWidth);
    EXPECT_EQ(dialog->Button2Add->Top(), addTop + 100);
    EXPECT_EQ(dialog->Button4Delete->Top(), addTop + 100);
    EXPECT_EQ(dialog->Button4Delete->Left(), deleteLeft);
    dialog->SetBounds(dialog->Left(), dialog->Top(), 400, 500);
    EXPECT_EQ(dialog->Width(), 550);
    EXPECT_EQ(dialog->Height(), 600);

    MINMAXINFO limits{};
    SendMessageW(dialog->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 550);
    EXPECT_EQ(limits.ptMaxTrackSize.x, 550);
    EXPECT_EQ(limits.ptMinTrackSize.y, 600);
}

TEST_F(UnitDialogTest, DeviceEntryDialogHasItsFields) {
    EXPECT_EQ(FormInput->ClientWidth(), 339);
    EXPECT_EQ(FormInput->ClientHeight(), 290);
    EXPECT_EQ(FormInput->BorderStyle, bsDialog);
    EXPECT_EQ(FormInput->Position, poMainFormCenter);
    ASSERT_EQ(FormInput->ComboBox1->Count(), 2);
    EXPECT_EQ(FormInput->ComboBox1->Item(0), kKel);
    EXPECT_EQ(FormInput->ComboBox1->Item(1), kZamb);
    EXPECT_EQ(FormInput->EditType->Text(), "1");
    EXPECT_EQ(FormInput->UpDown1->Min(), 1);
    EXPECT_EQ(FormInput->UpDown1->Max(), 255);
    EXPECT_EQ(FormInput->UpDown1->Associate(), FormInput->EditType);
    EXPECT_EQ(FormInput->DefaultButton, FormInput->Button1);
    EXPECT_EQ(FormInput->CancelButton, FormInput->Button2);
    EXPECT_EQ(FormInput->Button2->Caption(), "Отмена");
    EXPECT_EQ(FormInput->Label1->Caption(), "Тип");
    EXPECT_EQ(FormInput->Label2->Caption(), "РАКС адрес");
    EXPECT_EQ(FormInput->Label3->Caption(), "Наименование");
    EXPECT_EQ(FormInput->Label4->Caption(), "Имя или IP-адрес");
}

}  // namespace
}  // namespace configurator_test
