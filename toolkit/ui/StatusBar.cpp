#include "StatusBar.h"
#include "Exception.h"
#include "FormBinder.h"
#include "SysUtils.h"
#include "Unicode.h"

TStatusBar::TStatusBar(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 0, 19);
    SetAlign(alBottom);
}

// The toolkit lays the bar out like any aligned control, so the bar does not place itself.
WindowSpec TStatusBar::Spec() const {
    return {STATUSCLASSNAMEW, WS_CHILD | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER};
}

void TStatusBar::CreateHandle() {
    TControl::CreateHandle();
    ApplyPanels();
}

void TStatusBar::SetPanelWidths(const std::vector<int>& widths) {
    panelWidths_ = widths;
    ApplyPanels();
}

void TStatusBar::ApplyPanels() {
    if (!Handle() || panelWidths_.empty()) return;
    std::vector<int> rightEdges;
    int edge = 0;
    for (int width : panelWidths_) rightEdges.push_back(edge += width);
    rightEdges.back() = -1;
    SendMessageW(Handle(), SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void TStatusBar::CheckIndex(int index) const {
    if (index < 0 || index >= PanelCount()) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

AnsiString TStatusBar::PanelText(int index) const {
    CheckIndex(index);
    auto length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, index, 0));
    std::wstring text(length + 1, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return FromWide(text);
}

void TStatusBar::SetPanelText(int index, const AnsiString& text) { SetPanelText(index, ToWide(text)); }

void TStatusBar::SetPanelText(int index, const std::wstring& text) {
    CheckIndex(index);
    SendMessageW(Handle(), SB_SETTEXTW, index, reinterpret_cast<LPARAM>(text.c_str()));
}

// PanelWidths = (200, 200, 50): one width in pixels per panel.
void TStatusBar::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "PanelWidths") {
        if (value.type != PropValue::Type::List || !value.items.empty())
            throw EFormDefinitionError("a list of panel widths in pixels is expected");
        panelWidths_.assign(value.numbers.begin(), value.numbers.end());
    } else TControl::SetProperty(name, value, binder);
}
