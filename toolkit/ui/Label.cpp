#include "Label.h"
#include "FormBinder.h"
#include "Unicode.h"

WindowSpec TLabel::Spec() const {
    DWORD style = WS_CHILD | SS_NOTIFY | SS_NOPREFIX | (wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP);
    return {L"STATIC", style};
}

void TLabel::CommandNotify(WORD code) {
    if (code == STN_CLICKED && OnClick) OnClick(this);
    if (code == STN_DBLCLK && OnDblClick) OnDblClick(this);
}

HBRUSH TLabel::CtlColor(HDC dc) {
    HBRUSH brush = TControl::CtlColor(dc);
    if (Transparent) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return brush;
}

void TLabel::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "AutoSize") autoSize_ = value.AsBool();
    else if (name == "WordWrap") wordWrap_ = value.AsBool();
    else if (name == "Transparent") Transparent = value.AsBool();
    else TControl::SetProperty(name, value, binder);
}
