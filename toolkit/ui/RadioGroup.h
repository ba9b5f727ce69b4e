#pragma once
// A group box with one radio button per item, laid out in Columns. ItemIndex is the
// checked item: an index below -1 gives -1 (none checked), one at or beyond the item
// count selects the last item. The operator's click on another item sets it and reaches
// OnClick; an index set from code fires nothing. Only the checked button is a tab stop,
// so Tab into the group lands on it, and a focus that the program places in the group
// lands on it too (none when no item is checked): a click that a button reports because
// the focus reached it is not the operator's choice.
#include <vector>
#include "GroupBox.h"

class TRadioGroup : public TGroupBox {
public:
    using TGroupBox::TGroupBox;

    int Count() const { return static_cast<int>(items_.size()); }
    const AnsiString& Item(int index) const { return items_.at(index); }
    void SetItems(const std::vector<AnsiString>& items);
    void AddItem(const AnsiString& text);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // The button window of an item.
    HWND Button(int index) const { return buttons_.at(index); }

    HWND FocusTarget(HWND wanted) override;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<AnsiString> items_;
    std::vector<HWND> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;

    void MakeButtons();
    void ArrangeButtons();
    void ShowCheck();
    int IndexOfButton(HWND button) const;
};
