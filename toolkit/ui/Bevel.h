#pragma once
// An etched frame or line. It lies beneath the other controls of its parent, which stand
// inside it.
#include "Control.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsLeftLine, bsSpacer };

class TBevel : public TControl {
public:
    using TControl::TControl;
    TBevelShape Shape = bsBox;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    // Windows made later lie beneath earlier ones, so the backdrop moves down last.
    void FormLoaded() override;

protected:
    WindowSpec Spec() const override;
};
