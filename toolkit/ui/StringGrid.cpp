#include "StringGrid.h"
#include "Exception.h"
#include "FormBinder.h"
#include "Unicode.h"

namespace {
constexpr int kDefaultColWidth = 64;
// Posted when the operator's click left no row selected: the grid selects its row again.
constexpr UINT kRestoreSelection = WM_APP + 0x3E1;

bool GainsSelection(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
}

bool LosesSelection(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) && !(change.uNewState & LVIS_SELECTED) && (change.uOldState & LVIS_SELECTED);
}
}  // namespace

WindowSpec TStringGrid::Spec() const {
    return {WC_LISTVIEWW, WS_CHILD | WS_TABSTOP | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
            WS_EX_CLIENTEDGE};
}

void TStringGrid::CreateHandle() {
    TControl::CreateHandle();
    mirroring_ = true;
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int col = 0; col < colCount_; ++col) AddColumn(col);
    for (int row = 1; row < rowCount_; ++row) AddItem(row);
    mirroring_ = false;
    ShowSelection();
}

int TStringGrid::ColWidth(int col) const {
    if (Handle()) return static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, col, 0));
    return col < static_cast<int>(colWidths_.size()) ? colWidths_[col] : kDefaultColWidth;
}

void TStringGrid::SetColWidth(int col, int width) {
    if (col >= static_cast<int>(colWidths_.size())) colWidths_.resize(col + 1, kDefaultColWidth);
    colWidths_[col] = width;
    if (Handle() && col < colCount_) SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, col, width);
}

void TStringGrid::AddColumn(int col) {
    std::wstring text = ToWide(Cells(col, 0));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = col < static_cast<int>(colWidths_.size()) ? colWidths_[col] : kDefaultColWidth;
    column.pszText = text.data();
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
}

void TStringGrid::AddItem(int row) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row - 1;
    std::wstring text = ToWide(Cells(0, row));
    item.pszText = text.data();
    SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int col = 1; col < colCount_; ++col) ShowCell(col, row);
}

void TStringGrid::ShowCell(int col, int row) {
    if (!Handle() || col >= colCount_ || row >= rowCount_) return;
    std::wstring text = ToWide(Cells(col, row));
    if (row == 0) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = text.data();
        SendMessageW(Handle(), LVM_SETCOLUMNW, col, reinterpret_cast<LPARAM>(&column));
        return;
    }
    LVITEMW item{};
    item.iSubItem = col;
    item.pszText = text.data();
    SendMessageW(Handle(), LVM_SETITEMTEXTW, row - 1, reinterpret_cast<LPARAM>(&item));
}

AnsiString TStringGrid::Cells(int col, int row) const {
    auto it = cells_.find({col, row});
    return it == cells_.end() ? AnsiString() : it->second;
}

void TStringGrid::SetCell(int col, int row, const AnsiString& text) {
    if (text.empty()) cells_.erase({col, row});
    else cells_[{col, row}] = text;
    ShowCell(col, row);
}

void TStringGrid::SetColCount(int count) {
    if (count < 1) throw ERangeError("a grid needs at least one column");
    if (Handle()) {
        mirroring_ = true;
        while (colCount_ > count) SendMessageW(Handle(), LVM_DELETECOLUMN, --colCount_, 0);
        while (colCount_ < count) {
            AddColumn(colCount_);
            ++colCount_;
            for (int row = 1; row < rowCount_; ++row) ShowCell(colCount_ - 1, row);
        }
        mirroring_ = false;
    }
    colCount_ = count;
}

void TStringGrid::SetRowCount(int count) {
    if (count < 1) throw ERangeError("a grid needs its header row");
    if (count == rowCount_) return;
    int oldCount = rowCount_;
    rowCount_ = count;
    if (Handle()) {
        BeginUpdate();
        mirroring_ = true;
        for (int row = oldCount - 1; row >= count; --row) SendMessageW(Handle(), LVM_DELETEITEM, row - 1, 0);
        for (int row = oldCount; row < count; ++row) AddItem(row);
        mirroring_ = false;
        EndUpdate();
    }
    if (row_ >= count) {
        int moved = count - 1;
        if (moved >= 1) AskSelect(moved);  // the selection moves whatever the answer
        row_ = moved;
    } else if (row_ == 0 && count > 1) {
        row_ = 1;
    }
    ShowSelection();
}

void TStringGrid::SetRow(int row) {
    if (row < 1 || row >= rowCount_) throw ERangeError("grid row " + std::to_string(row) + " does not exist");
    row_ = row;
    ShowSelection();
}

// Selects and shows row_ in the list view without reporting it.
void TStringGrid::ShowSelection() {
    if (!Handle() || row_ < 1) return;
    mirroring_ = true;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, row_ - 1, reinterpret_cast<LPARAM>(&state));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, row_ - 1, FALSE);
    mirroring_ = false;
}

// Redrawing is switched off only for a list view that is shown: switching it back on
// would show a hidden one.
void TStringGrid::BeginUpdate() {
    if (updateDepth_++ > 0 || !Handle()) return;
    redrawSuspended_ = (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (redrawSuspended_) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TStringGrid::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0 || !redrawSuspended_) return;
    redrawSuspended_ = false;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TStringGrid::AskSelect(int row) {
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, Col(), row, canSelect);
    return canSelect;
}

// The operator selects another row: the handler may refuse it.
LRESULT TStringGrid::ItemChanging(const NMLISTVIEW& change) {
    if (mirroring_ || !GainsSelection(change) || change.iItem < 0) return FALSE;
    int row = change.iItem + 1;
    if (row == row_) return FALSE;
    return AskSelect(row) ? FALSE : TRUE;
}

void TStringGrid::ItemChanged(const NMLISTVIEW& change) {
    if (mirroring_) return;
    if (GainsSelection(change) && change.iItem >= 0) row_ = change.iItem + 1;
    else if (LosesSelection(change)) PostMessageW(Handle(), kRestoreSelection, 0, 0);
}

LRESULT TStringGrid::Notify(NMHDR* header) {
    switch (header->code) {
    case LVN_ITEMCHANGING: return ItemChanging(*reinterpret_cast<NMLISTVIEW*>(header));
    case LVN_ITEMCHANGED: ItemChanged(*reinterpret_cast<NMLISTVIEW*>(header)); return 0;
    case NM_CLICK: if (OnClick) OnClick(this); return 0;
    case NM_DBLCLK: if (OnDblClick) OnDblClick(this); return 0;
    }
    return 0;
}

LRESULT TStringGrid::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRestoreSelection) {
        if (SendMessageW(Handle(), LVM_GETSELECTEDCOUNT, 0, 0) == 0) ShowSelection();
        return 0;
    }
    return TControl::WndProc(msg, wParam, lParam);
}

void TStringGrid::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "ColCount") colCount_ = value.AsInt();
    else if (name == "RowCount") rowCount_ = value.AsInt();
    else if (name == "FixedCols") fixedCols_ = value.AsInt();
    else if (name == "FixedRows") {
        if (value.AsInt() != 1) throw EFormDefinitionError("a grid has one fixed row, its header");
    } else if (name == "ColWidths") {
        if (value.type != PropValue::Type::List || !value.items.empty())
            throw EFormDefinitionError("column widths are a list of numbers");
        colWidths_.assign(value.numbers.begin(), value.numbers.end());
    } else if (name == "Options" || name == "ScrollBars") {
            // The list view always selects whole rows, sizes columns from its header and
        // scrolls vertically.
    } else if (name == "OnSelectCell") OnSelectCell = binder.Event<TSelectCellEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
