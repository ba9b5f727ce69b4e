#pragma once
// A container with a raised or lowered edge and an optional centred caption.
#include "Control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TControl {
public:
    using TControl::TControl;
    TBevelCut BevelOuter = bvRaised;
    TBevelCut BevelInner = bvNone;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
};

TBevelCut ParseBevelCut(const PropValue& value);
