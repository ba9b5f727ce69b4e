#pragma once
// A grid of texts shown as a report list view: row 0 is the fixed header row (the list
// view's column headers), rows 1.. are its items, column 0 the fixed number column. The
// grid keeps each cell's text by column and row whatever its row and column counts: a
// text set beyond the last row stays stored unseen, and a row cut off and added again
// shows its old texts. The list view's items always mirror the store, so other programs
// can read them with LVM_GETITEMTEXT.
//
// The grid selects whole rows, and a row is always selected while there are data rows.
// OnSelectCell reports a row the operator selects (who may refuse it) and the row the
// selection moves to when the row count is cut below it. Setting the row from code
// reports nothing.
#include <map>
#include <utility>
#include <vector>
#include "Control.h"

class TStringGrid : public TControl {
public:
    using TControl::TControl;
    TSelectCellEvent OnSelectCell;

    int ColCount() const { return colCount_; }
    void SetColCount(int count);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

    AnsiString Cells(int col, int row) const;
    void SetCell(int col, int row, const AnsiString& text);

    // The selected row, 0 when there are no data rows.
    int Row() const { return row_; }
    void SetRow(int row);
    // The column OnSelectCell reports: the first one after the fixed column.
    int Col() const { return fixedCols_ < colCount_ ? fixedCols_ : 0; }

    // Changes between these two are drawn once, at the end; pairs may nest.
    void BeginUpdate();
    void EndUpdate();

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT Notify(NMHDR* header) override;

private:
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1;
    int row_ = 1;
    std::vector<int> colWidths_;
    std::map<std::pair<int, int>, AnsiString> cells_;
    bool mirroring_ = false;  // code is changing the list view: its notifications are ours
    int updateDepth_ = 0;
    bool redrawSuspended_ = false;

    int DataRows() const { return rowCount_ - 1; }
    void ShowCell(int col, int row);
    void AddColumn(int col);
    void AddItem(int row);
    void ShowSelection();
    bool AskSelect(int row);
    LRESULT ItemChanging(const NMLISTVIEW& change);
    void ItemChanged(const NMLISTVIEW& change);
};
