#pragma once
// A check box that the operator ticks and unticks; each click reaches OnClick. Setting
// the tick from code fires nothing.
#include "Control.h"

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    bool Checked() const;
    void SetChecked(bool checked);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    void CommandNotify(WORD code) override;

private:
    bool checked_ = false;  // until the window exists
};
