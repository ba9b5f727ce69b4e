#pragma once
// Up and down arrows beside an edit (Associate). The position is kept within Min..Max:
// a number outside is replaced by the nearer limit. The edit shows the position in
// decimal without thousands separators; what the operator types into it becomes the
// position. Setting the position from code fires no change handler of the edit.
#include "Control.h"

class TEdit;

class TUpDown : public TControl {
public:
    using TControl::TControl;

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Increment() const { return increment_; }
    void SetIncrement(int increment);
    // The position that follows the edit's text; a text that is no number in range
    // leaves the last valid position.
    int Position() const;
    void SetPosition(int position);
    TEdit* Associate() const { return associate_; }
    void SetAssociate(TEdit* edit);

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;

private:
    int min_ = 0, max_ = 100, increment_ = 1;
    int position_ = 0;  // until the window exists
    TEdit* associate_ = nullptr;
    int Clamp(int position) const;
};
