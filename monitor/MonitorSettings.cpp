// The monitor's settings "R40GWmonitor.ini": read when the main window is created and
// written after the closing question has been answered Yes.
#include "Menus.h"
#include "R40gwmonitor.h"

// No settings file is read yet: the monitor runs with its defaults.
void TR40Mon::ReadSettings() {
    Period = 5;
    Size = 50;
    mLog->SetChecked(true);
    RestartCnt = 0;
}

void TR40Mon::WriteSettings() {}
