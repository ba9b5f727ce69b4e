#pragma once
// A filled figure (rectangle, rounded rectangle or ellipse) in the brush colour, outlined
// with the pen. Its window text is its caption, or its name when it has none.
#include "Canvas.h"
#include "Control.h"

enum TShapeType { stRectangle, stRoundRect, stEllipse };

class TShape : public TControl {
public:
    using TControl::TControl;
    TShapeType Shape = stRectangle;
    TColor BrushColor() const { return brush_.Color; }
    void SetBrushColor(TColor color);
    TColor PenColor() const { return pen_.Color; }
    void SetPenColor(TColor color);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    TBrush brush_;
    TPen pen_;
    void Paint(HDC dc);
};
