#include "Bevel.h"
#include "Exception.h"
#include "FormBinder.h"

WindowSpec TBevel::Spec() const {
    DWORD look = Shape == bsTopLine ? SS_ETCHEDHORZ : Shape == bsLeftLine ? SS_ETCHEDVERT
                 : Shape == bsSpacer ? SS_LEFT : SS_ETCHEDFRAME;
    return {L"STATIC", WS_CHILD | look};
}

void TBevel::FormLoaded() {
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

namespace {
TBevelShape ParseBevelShape(const AnsiString& id) {
    static const std::pair<const char*, TBevelShape> names[] = {
        {"bsBox", bsBox}, {"bsFrame", bsFrame}, {"bsTopLine", bsTopLine}, {"bsLeftLine", bsLeftLine}, {"bsSpacer", bsSpacer}};
    for (auto& [n, s] : names)
        if (id == n) return s;
    throw EFormDefinitionError("unknown bevel shape " + id);
}
}  // namespace

// Style (bsLowered, bsRaised) is accepted; the etched edge looks the same either way.
void TBevel::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Shape") Shape = ParseBevelShape(value.AsIdent());
    else if (name == "Style") {
        const AnsiString& style = value.AsIdent();
        if (style != "bsLowered" && style != "bsRaised") throw EFormDefinitionError("unknown bevel style " + style);
    } else TControl::SetProperty(name, value, binder);
}
