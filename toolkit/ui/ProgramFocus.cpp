#include "ProgramFocus.h"
#include "Control.h"

namespace {
int placing = 0;
}

HWND ProgramFocusTarget(HWND wanted) {
    if (!wanted) return nullptr;
    if (TControl* control = TControl::FromHandle(wanted)) return control->FocusTarget(wanted);
    // The inner windows of a control, such as the buttons of a radio group, answer
    // through the control that holds them.
    if (TControl* holder = TControl::FromHandle(GetParent(wanted))) return holder->FocusTarget(wanted);
    return wanted;
}

void PlaceProgramFocus(HWND target) {
    ++placing;
    SetFocus(target);
    --placing;
}

bool PlacingProgramFocus() { return placing > 0; }
