#pragma once
// Bitmaps of the program's resources, loaded by name, and the drawing of button glyphs.
// A glyph may hold several images of equal width side by side (enabled, disabled); the
// colour of its bottom-left pixel is the see-through colour, as button glyphs are drawn.
#include <windows.h>
#include "AnsiString.h"

// A bitmap resource of the running program; nullptr when it has none of that name.
HBITMAP LoadBitmapResource(const AnsiString& name);

class TGlyph {
public:
    TGlyph() = default;
    ~TGlyph() { Clear(); }
    TGlyph(const TGlyph&) = delete;
    TGlyph& operator=(const TGlyph&) = delete;

    // Throws EFormDefinitionError when the program has no bitmap of that name.
    void Load(const AnsiString& resourceName);
    // Keeps a copy of the bitmap; the caller keeps its own.
    void Assign(HBITMAP bitmap);
    // Takes the bitmap over.
    void Adopt(HBITMAP bitmap);
    void Clear();

    HBITMAP Handle() const { return bitmap_; }
    bool Empty() const { return bitmap_ == nullptr; }
    int NumGlyphs = 1;
    // The size of one image.
    int Width() const;
    int Height() const;
    // Draws image `index` (0 enabled, 1 disabled) with its see-through colour left out.
    void Draw(HDC dc, int x, int y, int index) const;

private:
    HBITMAP bitmap_ = nullptr;
};

// Lays a glyph and a one-line caption out in the middle of area, the glyph left of the
// caption or above it, spacing pixels between them, and draws both. The caller selects
// the font.
void DrawGlyphAndCaption(HDC dc, const RECT& area, const TGlyph& glyph, int image, const AnsiString& caption,
                         bool glyphAbove, int spacing, COLORREF textColor);

// The check mark of OK buttons and the cross of Cancel buttons: two images, enabled and
// disabled, drawn in code so that no program has to carry them.
HBITMAP MakeOkGlyph();
HBITMAP MakeCancelGlyph();
