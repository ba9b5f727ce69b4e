#include "Glyphs.h"
#include "Exception.h"
#include "Unicode.h"

HBITMAP LoadBitmapResource(const AnsiString& name) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), ToWide(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

void TGlyph::Load(const AnsiString& resourceName) {
    HBITMAP bitmap = LoadBitmapResource(resourceName);
    if (!bitmap) throw EFormDefinitionError("the program has no bitmap " + resourceName);
    Adopt(bitmap);
}

void TGlyph::Assign(HBITMAP bitmap) {
    Adopt(bitmap ? static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)) : nullptr);
}

void TGlyph::Adopt(HBITMAP bitmap) {
    Clear();
    bitmap_ = bitmap;
}

void TGlyph::Clear() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
}

namespace {
SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap) GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}
}  // namespace

int TGlyph::Width() const { return BitmapSize(bitmap_).cx / (NumGlyphs > 0 ? NumGlyphs : 1); }

int TGlyph::Height() const { return BitmapSize(bitmap_).cy; }

// The see-through colour is left out with a mask: destination XOR image, AND mask
// (white where the colour is), XOR image again.
void TGlyph::Draw(HDC dc, int x, int y, int index) const {
    if (!bitmap_) return;
    int w = Width(), h = Height();
    if (index >= NumGlyphs) index = 0;
    int sx = index * w;
    HDC image = CreateCompatibleDC(dc);
    HGDIOBJ oldImage = SelectObject(image, bitmap_);
    HDC maskDc = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(image, GetPixel(image, sx, h - 1));
    BitBlt(maskDc, 0, 0, w, h, image, sx, 0, SRCCOPY);
    COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, w, h, image, sx, 0, SRCINVERT);
    BitBlt(dc, x, y, w, h, maskDc, 0, 0, SRCAND);
    BitBlt(dc, x, y, w, h, image, sx, 0, SRCINVERT);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    SelectObject(maskDc, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDc);
    SelectObject(image, oldImage);
    DeleteDC(image);
}

void DrawGlyphAndCaption(HDC dc, const RECT& area, const TGlyph& glyph, int image, const AnsiString& caption,
                         bool glyphAbove, int spacing, COLORREF textColor) {
    std::wstring text = ToWide(caption);
    RECT textSize{0, 0, 0, 0};
    if (!text.empty()) DrawTextW(dc, text.c_str(), -1, &textSize, DT_CALCRECT | DT_SINGLELINE);
    int tw = textSize.right, th = textSize.bottom;
    int gw = glyph.Empty() ? 0 : glyph.Width(), gh = glyph.Empty() ? 0 : glyph.Height();
    int gap = gw && tw ? spacing : 0;
    int aw = area.right - area.left, ah = area.bottom - area.top;
    int gx, gy, tx, ty;
    if (glyphAbove) {
        gy = area.top + (ah - (gh + gap + th)) / 2;
        gx = area.left + (aw - gw) / 2;
        ty = gy + gh + gap;
        tx = area.left + (aw - tw) / 2;
    } else {
        gx = area.left + (aw - (gw + gap + tw)) / 2;
        gy = area.top + (ah - gh) / 2;
        tx = gx + gw + gap;
        ty = area.top + (ah - th) / 2;
    }
    glyph.Draw(dc, gx, gy, image);
    if (text.empty()) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor);
    RECT place{tx, ty, tx + tw, ty + th};
    DrawTextW(dc, text.c_str(), -1, &place, DT_SINGLELINE);
}

namespace {
constexpr int kSide = 18;
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);

// Two images of kSide pixels: the stroke in its colour, then in grey.
HBITMAP MakeTwoImageGlyph(COLORREF color, const POINT* stroke, int points) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2 * kSide, kSide);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 2 * kSide, kSide};
    HBRUSH background = CreateSolidBrush(kSeeThrough);
    FillRect(dc, &all, background);
    DeleteObject(background);
    for (int image = 0; image < 2; ++image) {
        HPEN pen = CreatePen(PS_SOLID, 3, image == 0 ? color : RGB(128, 128, 128));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        for (int i = 0; i + 1 < points; i += 2) {
            MoveToEx(dc, stroke[i].x + image * kSide, stroke[i].y, nullptr);
            LineTo(dc, stroke[i + 1].x + image * kSide, stroke[i + 1].y);
        }
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}
}  // namespace

HBITMAP MakeOkGlyph() {
    static const POINT tick[] = {{3, 9}, {7, 13}, {7, 13}, {15, 4}};
    return MakeTwoImageGlyph(RGB(0, 128, 0), tick, 4);
}

HBITMAP MakeCancelGlyph() {
    static const POINT cross[] = {{4, 4}, {14, 14}, {14, 4}, {4, 14}};
    return MakeTwoImageGlyph(RGB(192, 0, 0), cross, 4);
}
