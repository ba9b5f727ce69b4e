// The string grid: its cell store, the list view that mirrors it, and the selection
// reports when the operator or a cut of the row count moves the selection.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Application.h"
#include "Form.h"
#include "StringGrid.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object GridForm: TGridForm
  ClientWidth = 600
  ClientHeight = 300
  object Grid: TStringGrid
    Left = 8
    Top = 8
    Width = 580
    Height = 240
    ColCount = 5
    RowCount = 2
    ColWidths = (48, 81, 69, 132, 245)
    Options = [goFixedVertLine, goRowSelect, goColSizing]
    ScrollBars = ssVertical
    OnSelectCell = GridSelectCell
    OnDblClick = GridDblClick
  end
end
)");

class TGridForm : public TForm {
public:
    TStringGrid* Grid = nullptr;
    std::vector<int> reported;  // rows given to OnSelectCell
    bool allowSelect = true;
    int doubleClicks = 0;

    explicit TGridForm(const std::string& definition = kDefinition) {
        Field(Grid, "Grid");
        Handler("GridSelectCell", &TGridForm::GridSelectCell);
        Handler("GridDblClick", &TGridForm::GridDblClick);
        LoadText(definition);
    }
    void GridSelectCell(TObject*, int col, int row, bool& canSelect) {
        EXPECT_EQ(col, 1);
        reported.push_back(row);
        canSelect = allowSelect;
    }
    void GridDblClick(TObject*) { ++doubleClicks; }
};

std::wstring ItemText(HWND list, int item, int column) {
    wchar_t text[256] = L"";
    LVITEMW query{};
    query.iSubItem = column;
    query.pszText = text;
    query.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&query));
    return text;
}

std::wstring HeaderText(HWND list, int column) {
    wchar_t text[256] = L"";
    LVCOLUMNW query{};
    query.mask = LVCF_TEXT;
    query.pszText = text;
    query.cchTextMax = 256;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&query));
    return text;
}

int ItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int SelectedItem(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)); }

// What a click on an item does to the list view's state; the list view tells the grid.
void OperatorSelects(HWND list, int item) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
    Application.ProcessMessages();
}

struct StringGridTest : testing::Test {
    TGridForm form;
    HWND list() const { return form.Grid->Handle(); }
};

TEST_F(StringGridTest, ShowsTheHeaderRowAsColumnHeadersAndTheCellsAsItemTexts) {
    wchar_t className[64];
    GetClassNameW(list(), className, 64);
    EXPECT_STREQ(className, WC_LISTVIEWW);
    EXPECT_TRUE(GetWindowLongPtrW(list(), GWL_STYLE) & LVS_REPORT);
    const int widths[] = {48, 81, 69, 132, 245};
    for (int col = 0; col < 5; ++col) EXPECT_EQ(form.Grid->ColWidth(col), widths[col]) << col;

    form.Grid->SetCell(1, 0, " Тип блока");
    form.Grid->SetCell(0, 1, "1");
    form.Grid->SetCell(1, 1, "ЛОРК-МЕ");
    form.Grid->SetCell(4, 1, "Зал");
    EXPECT_EQ(HeaderText(list(), 1), L" Тип блока");
    EXPECT_EQ(ItemCount(list()), 1);
    EXPECT_EQ(ItemText(list(), 0, 0), L"1");
    EXPECT_EQ(ItemText(list(), 0, 1), L"ЛОРК-МЕ");
    EXPECT_EQ(ItemText(list(), 0, 4), L"Зал");
    form.Grid->SetCell(1, 1, "");
    EXPECT_EQ(ItemText(list(), 0, 1), L"");
    EXPECT_EQ(form.Grid->Cells(4, 1), "Зал");
}

TEST_F(StringGridTest, KeepsCellsBeyondTheRowCountAndShowsThemWhenTheRowsComeBack) {
    form.Grid->SetCell(2, 3, "beyond");
    EXPECT_EQ(form.Grid->Cells(2, 3), "beyond");
    EXPECT_EQ(ItemCount(list()), 1);

    form.Grid->SetRowCount(4);
    EXPECT_EQ(ItemCount(list()), 3);
    EXPECT_EQ(ItemText(list(), 2, 2), L"beyond");

    form.Grid->SetCell(1, 3, "cut off");
    form.Grid->SetRowCount(2);
    EXPECT_EQ(ItemCount(list()), 1);
    EXPECT_EQ(form.Grid->Cells(1, 3), "cut off");
    form.Grid->SetRowCount(5);
    EXPECT_EQ(ItemText(list(), 2, 1), L"cut off");
    EXPECT_EQ(ItemText(list(), 2, 2), L"beyond");
    EXPECT_EQ(ItemText(list(), 3, 1), L"");
}

TEST_F(StringGridTest, CuttingTheRowCountBelowTheSelectionMovesItToTheLastRowAndReportsIt) {
    form.Grid->SetRowCount(6);
    form.Grid->SetRow(4);
    form.Grid->SetRowCount(5);  // the selection stays inside
    EXPECT_TRUE(form.reported.empty());
    EXPECT_EQ(form.Grid->Row(), 4);

    form.allowSelect = false;  // the move is not the handler's to refuse
    form.Grid->SetRowCount(3);
    EXPECT_EQ(form.reported, std::vector<int>{2});
    EXPECT_EQ(form.Grid->Row(), 2);
    EXPECT_EQ(SelectedItem(list()), 1);

    form.Grid->SetRowCount(2);
    EXPECT_EQ(form.reported, (std::vector<int>{2, 1}));
    EXPECT_EQ(form.Grid->Row(), 1);
    EXPECT_EQ(SelectedItem(list()), 0);
}

TEST_F(StringGridTest, TheOperatorsSelectionIsReportedAndMayBeRefusedWhileCodeSelectsSilently) {
    form.Grid->SetRowCount(4);
    EXPECT_EQ(form.Grid->Row(), 1);
    EXPECT_EQ(SelectedItem(list()), 0);

    OperatorSelects(list(), 2);
    EXPECT_EQ(form.reported, std::vector<int>{3});
    EXPECT_EQ(form.Grid->Row(), 3);

    form.allowSelect = false;
    OperatorSelects(list(), 0);
    EXPECT_EQ(form.reported, (std::vector<int>{3, 1}));
    EXPECT_EQ(form.Grid->Row(), 3);
    EXPECT_EQ(SelectedItem(list()), 2);

    form.Grid->SetRow(2);
    EXPECT_EQ(form.reported.size(), 2u);
    EXPECT_EQ(SelectedItem(list()), 1);
}

// Changes made within an update are all in the list view at its end; the grid keeps
// the visibility it had, since switching drawing back on would show a hidden list view.
TEST_F(StringGridTest, AnUpdateMirrorsEveryChangeAndKeepsTheGridShownOrHidden) {
    for (bool shown : {true, false}) {
        form.Show();
        form.Grid->SetVisible(shown);
        form.Grid->SetRowCount(2);
        form.Grid->BeginUpdate();
        form.Grid->SetRowCount(40);
        form.Grid->BeginUpdate();
        form.Grid->SetCell(4, 39, "last");
        form.Grid->EndUpdate();
        form.Grid->SetRowCount(30);
        form.Grid->SetCell(2, 29, "cut");
        form.Grid->EndUpdate();
        EXPECT_EQ(ItemCount(list()), 29) << shown;
        EXPECT_EQ(ItemText(list(), 28, 2), L"cut") << shown;
        EXPECT_EQ((GetWindowLongPtrW(list(), GWL_STYLE) & WS_VISIBLE) != 0, shown);
        form.Grid->SetRowCount(40);
        EXPECT_EQ(ItemText(list(), 38, 4), L"last") << shown;
    }
}

TEST_F(StringGridTest, ADoubleClickReachesOnDblClick) {
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2));
    EXPECT_EQ(form.doubleClicks, 1);
}

TEST(StringGridDefinition, ColumnWidthsAreAListOfNumbersOnly) {
    for (const char* widths : {"(48, '81')", "('48', '81')", "(48, x)"}) {
        std::string definition = kDefinition;
        const std::string from = "(48, 81, 69, 132, 245)";
        definition.replace(definition.find(from), from.size(), widths);
        EXPECT_THROW(TGridForm form(definition), EFormDefinitionError) << widths;
    }
}

}  // namespace
