#include "SpeedButton.h"
#include "Exception.h"
#include "FormBinder.h"
#include "PaintBox.h"

TButtonLayout ParseButtonLayout(const PropValue& value) {
    const AnsiString& id = value.AsIdent();
    if (id == "blGlyphLeft") return blGlyphLeft;
    if (id == "blGlyphTop") return blGlyphTop;
    throw EFormDefinitionError("unknown glyph layout " + id);
}

WindowSpec TSpeedButton::Spec() const { return {L"BUTTON", WS_CHILD | BS_OWNERDRAW}; }

void TSpeedButton::SetGlyph(HBITMAP bitmap) {
    glyph_.Assign(bitmap);
    Repaint();
}

void TSpeedButton::Click() {
    if (OnClick) OnClick(this);
}

void TSpeedButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

// A flat button shows what lies beneath it: its parent's colour and the painted
// backdrops (paint boxes) behind it, such as the side panel's gradient.
void TSpeedButton::PaintBackdrop(HDC dc, const RECT& r) {
    FillRect(dc, &r, BackgroundBrush());
    if (!Flat || !Parent()) return;
    for (TControl* sibling : Parent()->Controls()) {
        if (sibling == this) break;
        auto* backdrop = dynamic_cast<TPaintBox*>(sibling);
        if (!backdrop || !backdrop->Visible() || !backdrop->Handle()) continue;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + backdrop->Left() - Left(), origin.y + backdrop->Top() - Top(), nullptr);
        SendMessageW(backdrop->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        RestoreDC(dc, saved);
    }
}

bool TSpeedButton::DrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    RECT r = item->rcItem;
    bool pressed = item->itemState & ODS_SELECTED;
    bool disabled = item->itemState & ODS_DISABLED;
    PaintBackdrop(dc, r);
    if (pressed) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (!Flat) DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
    if (pressed) OffsetRect(&r, 1, 1);
    HGDIOBJ oldFont = SelectObject(dc, Font.Handle());
    COLORREF text = disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(Font.Color);
    DrawGlyphAndCaption(dc, r, glyph_, disabled ? 1 : 0, Caption(), Layout == blGlyphTop, Spacing, text);
    SelectObject(dc, oldFont);
    return true;
}

void TSpeedButton::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Flat") Flat = value.AsBool();
    else if (name == "Glyph") glyph_.Load(value.AsString());
    else if (name == "NumGlyphs") glyph_.NumGlyphs = value.AsInt();
    else if (name == "Layout") Layout = ParseButtonLayout(value);
    else if (name == "Spacing") Spacing = value.AsInt();
    else TControl::SetProperty(name, value, binder);
}
