#include "Canvas.h"
#include "Unicode.h"

void TCanvas::SetHandle(HDC dc) {
    if (dc_) {
        if (originalPen_) SelectObject(dc_, originalPen_);
        if (originalBrush_) SelectObject(dc_, originalBrush_);
        if (originalFont_) SelectObject(dc_, originalFont_);
    }
    if (pen_) DeleteObject(pen_);
    pen_ = nullptr;
    originalPen_ = originalBrush_ = originalFont_ = nullptr;
    dc_ = dc;
}

// One pen is made for the pen's current colour and width, and made again when they change.
void TCanvas::SelectPen() {
    if (pen_ && penMade_.Color == Pen.Color && penMade_.Width == Pen.Width) return;
    HPEN made = CreatePen(PS_SOLID, Pen.Width, ColorToRGB(Pen.Color));
    HGDIOBJ previous = SelectObject(dc_, made);
    if (!originalPen_) originalPen_ = previous;
    if (pen_) DeleteObject(pen_);
    pen_ = made;
    penMade_ = Pen;
}

void TCanvas::SelectBrush() {
    HGDIOBJ previous = SelectObject(dc_, BrushFor(Brush.Color));
    if (!originalBrush_) originalBrush_ = previous;
}

void TCanvas::MoveTo(int x, int y) {
    if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (!dc_) return;
    SelectPen();
    ::LineTo(dc_, x, y);
}

void TCanvas::FillRect(const RECT& r) {
    if (dc_) ::FillRect(dc_, &r, BrushFor(Brush.Color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (!dc_) return;
    SelectPen();
    SelectBrush();
    ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    if (!dc_) return;
    SelectPen();
    SelectBrush();
    ::RoundRect(dc_, left, top, right, bottom, cornerWidth, cornerHeight);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (!dc_) return;
    SelectPen();
    SelectBrush();
    ::Ellipse(dc_, left, top, right, bottom);
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    if (!dc_) return;
    HGDIOBJ previous = SelectObject(dc_, Font.Handle());
    if (!originalFont_) originalFont_ = previous;
    SetTextColor(dc_, ColorToRGB(Font.Color));
    SetBkColor(dc_, ColorToRGB(Brush.Color));
    SetBkMode(dc_, OPAQUE);
    std::wstring wide = ToWide(text);
    ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

TColor TCanvas::Pixel(int x, int y) const { return dc_ ? GetPixel(dc_, x, y) : clBlack; }
