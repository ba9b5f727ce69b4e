#pragma once
// A window painted by its OnPaint handler through Canvas(). It lies beneath the other
// controls of its parent, as a backdrop for them. WM_PRINTCLIENT paints it into any
// device context, which is how it can be drawn off the screen.
#include "Canvas.h"
#include "PaintedControl.h"

class TPaintBox : public TPaintedControl {
public:
    using TPaintedControl::TPaintedControl;
    TNotifyEvent OnPaint;
    // The canvas of the paint in progress; it draws nowhere outside OnPaint.
    TCanvas* Canvas() { return &canvas_; }
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    // Windows made later lie beneath earlier ones, so the backdrop moves down last.
    void FormLoaded() override;

protected:
    WindowSpec Spec() const override;

private:
    TCanvas canvas_;
    void Paint(HDC dc) override;
};
