#pragma once
// A static text. Double-clicks reach OnDblClick.
#include "Control.h"

class TLabel : public TControl {
public:
    using TControl::TControl;
    bool Transparent = false;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CommandNotify(WORD code) override;
    HBRUSH CtlColor(HDC dc) override;

private:
    bool autoSize_ = true;
    bool wordWrap_ = false;
    void FitText();
};
