#pragma once
// Drawing on a device context with a pen, a brush and a font. The canvas selects its own
// GDI objects into the context while it draws and gives the context its originals back
// when it lets go of it.
#include <windows.h>
#include "AnsiString.h"
#include "Graphics.h"

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
};

class TCanvas {
public:
    explicit TCanvas(HDC dc = nullptr) { SetHandle(dc); }
    ~TCanvas() { SetHandle(nullptr); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Takes another context (or none); the previous one gets its own objects back.
    void SetHandle(HDC dc);

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int x, int y);
    // A line from the current position; the end point itself is not painted.
    void LineTo(int x, int y);
    // Fills with the brush; the right and bottom edges are outside the rectangle.
    void FillRect(const RECT& r);
    // Outlined with the pen, filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // Text in the font on the brush colour, its top left corner at x, y.
    void TextOut(int x, int y, const AnsiString& text);
    TColor Pixel(int x, int y) const;

private:
    HDC dc_ = nullptr;
    HPEN pen_ = nullptr;
    TPen penMade_;
    HGDIOBJ originalPen_ = nullptr, originalBrush_ = nullptr, originalFont_ = nullptr;

    void SelectPen();
    void SelectBrush();
};
