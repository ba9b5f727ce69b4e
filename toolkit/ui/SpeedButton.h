#pragma once
// A flat or raised button that takes no focus, drawn by the toolkit: a glyph bitmap left
// of its caption or above it, or the glyph alone. Its window is an owner-drawn BUTTON
// whose window text is the caption; a click reaches OnClick.
#include "Control.h"
#include "Glyphs.h"

enum TButtonLayout { blGlyphLeft, blGlyphTop };

TButtonLayout ParseButtonLayout(const PropValue& value);

class TSpeedButton : public TControl {
public:
    using TControl::TControl;
    bool Flat = false;
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 4;
    // A copy of the bitmap becomes the glyph; the caller keeps its own.
    void SetGlyph(HBITMAP bitmap);
    const TGlyph& Glyph() const { return glyph_; }
    void Click();
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CommandNotify(WORD code) override;
    bool DrawItem(DRAWITEMSTRUCT* item) override;

private:
    TGlyph glyph_;
    void PaintBackdrop(HDC dc, const RECT& r);
};
