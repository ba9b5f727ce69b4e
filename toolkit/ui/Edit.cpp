#include "Edit.h"
#include "FormBinder.h"
#include "Unicode.h"

WindowSpec TEdit::Spec() const {
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL | (ReadOnly ? ES_READONLY : 0);
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

void TEdit::CreateHandle() {
    TControl::CreateHandle();
    if (MaxLength > 0) SendMessageW(Handle(), EM_LIMITTEXT, MaxLength, 0);
}

void TEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

LRESULT TEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CHAR && OnKeyPress) {
        AnsiString typed = FromWide(std::wstring(1, static_cast<wchar_t>(wParam)));
        char key = typed.empty() ? '\0' : typed[0];
        char original = key;
        OnKeyPress(this, key);
        if (key == '\0') return 0;
        if (key != original) {
            std::wstring replaced = ToWide(AnsiString(1, key));
            wParam = replaced.empty() ? wParam : replaced[0];
        }
    }
    return TControl::WndProc(msg, wParam, lParam);
}

void TEdit::CommandNotify(WORD code) {
    if (code == EN_CHANGE && !SettingText() && OnChange) OnChange(this);
}

HBRUSH TEdit::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font.Color));
    SetBkColor(dc, ColorToRGB(parentColor_ ? clWindow : Color()));
    return BrushFor(parentColor_ ? clWindow : Color());
}

void TEdit::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "MaxLength") MaxLength = value.AsInt();
    else if (name == "ReadOnly") ReadOnly = value.AsBool();
    else if (name == "OnKeyPress") OnKeyPress = binder.Event<TKeyPressEvent>(value);
    else if (name == "OnChange") OnChange = binder.Event<TNotifyEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
