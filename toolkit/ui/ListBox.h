#pragma once
// A list of text lines in the order they are put in. The operator's selection reaches
// OnClick, a double-click OnDblClick; changes made by code fire nothing.
#include <vector>
#include "Control.h"

class TListBox : public TControl {
public:
    using TControl::TControl;

    int Count() const;
    AnsiString Item(int index) const;
    void AddItem(const AnsiString& text);
    void InsertItem(int index, const AnsiString& text);
    void DeleteItem(int index);
    // Replaces the text of an item in place; the selection and the scroll position stay
    // where they were.
    void SetItem(int index, const AnsiString& text);
    void Clear();
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

private:
    std::vector<AnsiString> definedItems_;
    int itemHeight_ = 0;  // 0: the height of the font
    void CheckIndex(int index, int count) const;
    void ApplyItemHeight();
};
