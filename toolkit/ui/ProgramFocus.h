#pragma once
// The keyboard focus that the program places itself: the first focus of a form that
// shows and the focus given back when a form is active again (after another program, a
// dialog or a message box). On Windows a radio button that receives the focus clicks
// itself, so such a focus must never land on a radio button that is not checked: it
// would change the operator's choice without a word.
#include <windows.h>

// Where a focus meant for `wanted` may land: `wanted` itself, or, for a button of a
// radio group, the group's checked button; nullptr when it must not land in that group
// (none of its buttons is checked).
HWND ProgramFocusTarget(HWND wanted);

// Puts the focus on `target`. A click that a radio button reports meanwhile comes from
// the focus, not from the operator.
void PlaceProgramFocus(HWND target);

// True while PlaceProgramFocus moves the focus.
bool PlacingProgramFocus();
