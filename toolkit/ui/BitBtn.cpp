#include "BitBtn.h"
#include "Exception.h"
#include "Form.h"
#include "FormBinder.h"

WindowSpec TBitBtn::Spec() const { return {L"BUTTON", WS_CHILD | WS_TABSTOP | BS_OWNERDRAW}; }

void TBitBtn::SetGlyph(HBITMAP bitmap, int numGlyphs) {
    glyph_.Assign(bitmap);
    glyph_.NumGlyphs = numGlyphs;
    Repaint();
}

void TBitBtn::Loaded() {
    TButton::Loaded();
    ApplyKind();
}

void TBitBtn::ApplyKind() {
    if (Kind == bkCustom) return;
    bool ok = Kind == bkOK;
    if (!captionGiven_) SetCaption(ok ? "OK" : "Cancel");
    if (!modalResultGiven_) ModalResult = ok ? mrOk : mrCancel;
    if (ok) Default = true;
    else Cancel = true;
    if (glyph_.Empty()) {
        glyph_.Adopt(ok ? MakeOkGlyph() : MakeCancelGlyph());
        glyph_.NumGlyphs = 2;
    }
}

bool TBitBtn::DrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    bool pressed = item->itemState & ODS_SELECTED;
    bool disabled = item->itemState & ODS_DISABLED;
    if (Default) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    if (item->itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    if (pressed) OffsetRect(&r, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
    COLORREF text = disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(Font.Color);
    DrawGlyphAndCaption(dc, r, glyph_, disabled ? 1 : 0, Caption(), Layout == blGlyphTop, Spacing, text);
    SelectObject(dc, oldFont);
    return true;
}

namespace {
TBitBtnKind ParseKind(const PropValue& value) {
    const AnsiString& id = value.AsIdent();
    if (id == "bkCustom") return bkCustom;
    if (id == "bkOK") return bkOK;
    if (id == "bkCancel") return bkCancel;
    throw EFormDefinitionError("unknown button kind " + id);
}
}  // namespace

void TBitBtn::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Kind") Kind = ParseKind(value);
    else if (name == "Glyph") glyph_.Load(value.AsString());
    else if (name == "NumGlyphs") glyph_.NumGlyphs = value.AsInt();
    else if (name == "Layout") Layout = ParseButtonLayout(value);
    else if (name == "Spacing") Spacing = value.AsInt();
    else {
        if (name == "Caption") captionGiven_ = true;
        if (name == "ModalResult") modalResultGiven_ = true;
        TButton::SetProperty(name, value, binder);
    }
}
