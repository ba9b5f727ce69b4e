#include "Shape.h"
#include <algorithm>
#include "Exception.h"
#include "FormBinder.h"

WindowSpec TShape::Spec() const { return {OwnClassName(), WS_CHILD | WS_CLIPSIBLINGS}; }

void TShape::CreateHandle() {
    if (Caption().empty()) SetCaption(Name);
    TControl::CreateHandle();
}

void TShape::SetBrushColor(TColor color) {
    brush_.Color = color;
    Repaint();
}

void TShape::SetPenColor(TColor color) {
    pen_.Color = color;
    Repaint();
}

// The outline runs inside the window, half a pen width from its edges.
void TShape::Paint(HDC dc) {
    TCanvas canvas(dc);
    canvas.Brush = brush_;
    canvas.Pen = pen_;
    int left = pen_.Width / 2, top = left;
    int right = ClientWidth() - (pen_.Width - 1) / 2, bottom = ClientHeight() - (pen_.Width - 1) / 2;
    switch (Shape) {
    case stRoundRect: {
        int corner = std::min(right - left, bottom - top) / 4;
        canvas.RoundRect(left, top, right, bottom, corner, corner);
        break;
    }
    case stEllipse: canvas.Ellipse(left, top, right, bottom); break;
    default: canvas.Rectangle(left, top, right, bottom); break;
    }
}

namespace {
TShapeType ParseShapeType(const AnsiString& id) {
    if (id == "stRectangle") return stRectangle;
    if (id == "stRoundRect") return stRoundRect;
    if (id == "stEllipse") return stEllipse;
    throw EFormDefinitionError("unknown shape " + id);
}
}  // namespace

void TShape::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Brush.Color") brush_.Color = ParseColor(value);
    else if (name == "Pen.Color") pen_.Color = ParseColor(value);
    else if (name == "Pen.Width") pen_.Width = value.AsInt();
    else if (name == "Shape") Shape = ParseShapeType(value.AsIdent());
    else TControl::SetProperty(name, value, binder);
}
