// The comments of the ЛОРК units through saves and loads on the real main window, with
// real files in a temporary program directory: every save by closing the window after a
// change, every load by starting the program afresh on the file written. A load hands
// the Devices section's k-th line other than a unit line to row k + 1, so a line written
// once too often, or lost, moves the comments of every later unit.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "RadioGroup.h"
#include "UnitFixture.h"

namespace configurator_test {
namespace {

class UnitCommentTest : public UnitFixture {
protected:
    TStringGrid* Units() { return MainForm->StringGrid1; }

    std::vector<AnsiString> CommentsShown() {
        std::vector<AnsiString> shown;
        for (int row = 1; row < Units()->RowCount(); ++row) shown.push_back(Units()->Cells(4, row));
        return shown;
    }

    // A change, the window closed (it saves; No to the restart), and the program started
    // again on the file it wrote.
    void ChangeSaveAndStartAgain(const wchar_t* listenerPort) {
        Type(MainForm->EditNetworkListenerPort, listenerPort);
        Choose(MainForm->mExit);
        ASSERT_TRUE(Application.Terminated);
        CloseWindows();
        Start();
    }

    static std::string Configuration(const std::string& system, const std::string& devices) {
        return "[System]\r\nName=Gw\r\n" + system + "[Network]\r\nListener Port=1720\r\n[Devices]\r\n" + devices +
               "[DeviceSettings]\r\nFlow Control=1\r\n";
    }
};

// Whatever the loaded file had in its Devices section, the window shows at every later
// load what it showed before the save. A line before the first unit line is the first
// comment line of the section (its text shows in row 1) and is not written again in front
// of the units. A line break inside a comment or an address is written as a blank, so
// that it does not split the line. The file's comment line cannot hold a line break, nor
// the leading blank that an inline comment keeps: those change once, at the first save.
TEST_F(UnitCommentTest, EverySaveAndLoadShowsTheCommentsTheWindowShowedBefore) {
    struct Case {
        const char* label;
        const char* devices;
        std::vector<AnsiString> atLoad, afterSave;
    };
    const std::vector<Case> cases = {
        {"a comment line before the first unit",
         "; units\r\n0 = 1\r\n;A\r\n1 = 2\r\n;Вход=\r\n2 = 3\r\n;C\r\n;0=1,192.168.1.100\r\n\r\n",
         {"units", "A", "Вход="}, {"units", "A", "Вход="}},
        {"an empty line before the first unit", "\r\n0 = 1\r\n;A\r\n1 = 2\r\n;B\r\n2 = 3\r\n;C\r\n",
         {"", "A", "B"}, {"", "A", "B"}},
        {"a line break inside a comment", "0 = 1\r\n;a\rb\r\n1 = 2\r\n;B\r\n", {"a\rb", "B"}, {"a b", "B"}},
        {"a line break inside an address", "0 = 3,10.0.0.1\rx\r\n;A\r\n1 = 2\r\n;B\r\n", {"A", "B"}, {"A", "B"}},
        {"an inline comment with a leading blank", "0 = 1 ; Hall\r\n1 = 2 ;Yard\r\n", {" Hall", "Yard"},
         {"Hall", "Yard"}},
    };
    const wchar_t* ports[] = {L"1721", L"1722", L"1723"};
    for (const Case& c : cases) {
        dir.Write("rax40gw.conf", Configuration("", c.devices));
        Start();
        EXPECT_EQ(CommentsShown(), c.atLoad) << c.label;
        for (int round = 0; round < 3; ++round) {
            ChangeSaveAndStartAgain(ports[round]);
            EXPECT_EQ(CommentsShown(), c.afterSave) << c.label << ", save " << round + 1;
        }
        CloseWindows();
    }
}

std::wstring Repeated(const wchar_t* text, int times) {
    std::wstring all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

AnsiString Repeated(const char* text, int times) {
    AnsiString all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

// Whatever the operator types as a comment, the row shows from the unit dialog's "ОК" on
// what the file will hold, and a save and a load bring exactly that back to the same row.
// The empty-key pass leaves comment lines alone: a comment ending in "=" stays, and so
// does a later one of the same name, whether that name stood first in another unit's
// comment or in a comment line of another section. A ';' in a ЛОРК-МЕ's address does not
// move the rest of the address into the comment.
TEST_F(UnitCommentTest, ACommentTypedInTheUnitDialogComesBackToItsRow) {
    struct Case {
        std::wstring typed;
        AnsiString shown;
        const wchar_t* address = nullptr;  // typed for a ЛОРК-МЕ
    };
    const std::vector<Case> cases = {
        {L"Вход=", "Вход="},
        {L"x=", "x="},
        {L"x=5", "x=5"},
        {L"y=5", "y=5"},  // the file's [System] holds the comment line ';y='
        {L"0=", "0="},    // the name of the sample line ";0=1,192.168.1.100"
        {L"a;b=c;", "a;b=c;"},
        {L";", ";"},
        {L"[Network]", "[Network]"},
        {L"  Hall  ", "Hall"},
        {L"   ", "Новый блок"},
        {Repeated(L"Длинный ", 12) + L"конец", Repeated("Длинный ", 12) + "конец"},
        {Repeated(L"x", 300), Repeated("x", 300)},
        {L"Hall", "Hall", L"10.0.0.1;x"},
        {L"Last", "Last"},
    };
    std::string devices;
    for (size_t i = 0; i < cases.size(); ++i) devices += std::to_string(i) + " = 1\r\n;old\r\n";
    dir.Write("rax40gw.conf", Configuration(";y=\r\n", devices));
    Start();
    ASSERT_EQ(Units()->RowCount(), static_cast<int>(cases.size()) + 1);

    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SelectRow(Units(), static_cast<int>(i) + 1);
        unitDialog = [&c](TFormLorkM& d) {
            if (c.address) {
                SendMessageW(d.RadioGroupType->Button(1), BM_CLICK, 0, 0);
                Type(d.EditIP, c.address);
            }
            Type(d.EditComment, c.typed.c_str());
            Press(d.Button1);
        };
        Press(MainForm->ButtonEdit);
        EXPECT_EQ(Units()->Cells(4, static_cast<int>(i) + 1), c.shown) << "row " << i + 1 << " at OK";
    }
    const std::vector<AnsiString> shown = CommentsShown();

    ChangeSaveAndStartAgain(L"1721");
    const std::vector<AnsiString> loaded = CommentsShown();
    ASSERT_EQ(loaded.size(), shown.size());
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(loaded[i], shown[i]) << "row " << i + 1;
}

}  // namespace
}  // namespace configurator_test
