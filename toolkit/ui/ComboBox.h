#pragma once
// A drop-down list (csDropDownList) or an edit with a drop-down list (csDropDown). Each
// item may carry a number. The operator's selection reaches OnClick and OnChange; an
// index set from code fires neither.
#include <vector>
#include "Control.h"

enum TComboBoxStyle { csDropDown, csDropDownList };

class TComboBox : public TControl {
public:
    using TControl::TControl;
    TComboBoxStyle Style = csDropDownList;
    int DropDownCount = 8;  // items the open list shows without scrolling
    TNotifyEvent OnChange;

    int Count() const;
    AnsiString Item(int index) const;
    void AddItem(const AnsiString& text, int object = 0);
    int ItemObject(int index) const;
    void Clear();
    // -1 when nothing is selected; an index outside the items selects nothing.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The selected item's text ("" when none); in a csDropDown the text of its edit.
    AnsiString Text() const;

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    void CommandNotify(WORD code) override;

private:
    std::vector<AnsiString> definedItems_;
    int definedIndex_ = -1;
    void CheckIndex(int index) const;
};
