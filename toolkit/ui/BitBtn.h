#pragma once
// A push button with a glyph left of its caption, drawn by the toolkit. The glyph holds
// one image, or two side by side (enabled, disabled) with NumGlyphs = 2. A kind other
// than bkCustom brings its caption, glyph, modal result and default or cancel role,
// each unless the definition gives its own.
#include "Button.h"
#include "Glyphs.h"
#include "SpeedButton.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

class TBitBtn : public TButton {
public:
    using TButton::TButton;
    TBitBtnKind Kind = bkCustom;
    TButtonLayout Layout = blGlyphLeft;
    int Spacing = 4;
    // A copy of the bitmap becomes the glyph; the caller keeps its own.
    void SetGlyph(HBITMAP bitmap, int numGlyphs);
    const TGlyph& Glyph() const { return glyph_; }
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    void Loaded() override;

protected:
    WindowSpec Spec() const override;
    bool DrawItem(DRAWITEMSTRUCT* item) override;

private:
    TGlyph glyph_;
    bool captionGiven_ = false;
    bool modalResultGiven_ = false;
    void ApplyKind();
};
