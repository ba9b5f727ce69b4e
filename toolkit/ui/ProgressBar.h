#pragma once
// A bar showing Position between Min and Max. A range whose maximum lies below its
// minimum is refused with ERangeError.
#include "Control.h"

class TProgressBar : public TControl {
public:
    using TControl::TControl;
    bool Smooth = false;

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int min);
    void SetMax(int max);
    // Kept within Min..Max.
    int Position() const;
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step);
    // Advances the position by Step, stopping at Max.
    void StepIt();

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;

private:
    int min_ = 0, max_ = 100, step_ = 10;
    int position_ = 0;  // until the window exists
    void ApplyRange(int min, int max);
};
