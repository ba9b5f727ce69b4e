#pragma once
// A container with a raised or lowered edge and an optional centred caption.
#include "PaintedControl.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TPaintedControl {
public:
    using TPaintedControl::TPaintedControl;
    TBevelCut BevelOuter = bvRaised;
    TBevelCut BevelInner = bvNone;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;

private:
    void Paint(HDC dc) override;
};

TBevelCut ParseBevelCut(const PropValue& value);
