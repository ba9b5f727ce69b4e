#include "Panel.h"
#include "Exception.h"
#include "FormBinder.h"
#include "Unicode.h"

WindowSpec TPanel::Spec() const {
    return {OwnClassName(), WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

namespace {
UINT EdgeOf(TBevelCut cut, bool outer) {
    if (cut == bvRaised) return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    if (cut == bvLowered) return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    return 0;
}
}  // namespace

void TPanel::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    UINT edge = EdgeOf(BevelOuter, true) | EdgeOf(BevelInner, false);
    if (edge) DrawEdge(dc, &r, edge, BF_RECT);
    AnsiString caption = Caption();
    if (caption.empty()) return;
    std::wstring text = ToWide(caption);
    HGDIOBJ old = SelectObject(dc, Font.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font.Color));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
}

TBevelCut ParseBevelCut(const PropValue& value) {
    const AnsiString& id = value.AsIdent();
    if (id == "bvNone") return bvNone;
    if (id == "bvLowered") return bvLowered;
    if (id == "bvRaised") return bvRaised;
    throw EFormDefinitionError("unknown bevel " + id);
}

void TPanel::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "BevelOuter") BevelOuter = ParseBevelCut(value);
    else if (name == "BevelInner") BevelInner = ParseBevelCut(value);
    else TControl::SetProperty(name, value, binder);
}
