#pragma once
// The main window's position, size and extended-view flag in the placement file.
#include "Form.h"

// Applies the stored placement to control and the stored view flag to the main window.
void RestorePosition(TControl* control);
// Stores the placement of form and the view flag of the main window. A write that the
// system refuses throws "Unable to write to <file>" to the caller, so a close that
// saves first stops there and the window stays open.
void SavePosition(TForm* form);
