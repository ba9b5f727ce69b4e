#pragma once
// A filled figure (rectangle, rounded rectangle or ellipse) in the brush colour, outlined
// with the pen. Its window text is its caption, or its name when it has none.
#include "Canvas.h"
#include "PaintedControl.h"

enum TShapeType { stRectangle, stRoundRect, stEllipse };

class TShape : public TPaintedControl {
public:
    using TPaintedControl::TPaintedControl;
    TShapeType Shape = stRectangle;
    TColor BrushColor() const { return brush_.Color; }
    void SetBrushColor(TColor color);
    TColor PenColor() const { return pen_.Color; }
    void SetPenColor(TColor color);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;

private:
    TBrush brush_;
    TPen pen_;
    void Paint(HDC dc) override;
};
