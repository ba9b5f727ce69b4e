#pragma once
// A one-line edit. OnKeyPress sees each typed character (CP1251) and may drop it by
// setting it to 0; OnChange follows the operator's edits, not text set by code.
#include "Control.h"

class TEdit : public TControl {
public:
    using TControl::TControl;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnChange;
    int MaxLength = 0;
    bool ReadOnly = false;
    void SelectAll();
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;
};
