// The monitor's log "R40GWmonitor.txt" and the items of the menu "Журнал".
#include "R40gwmonitor.h"

// The log is not written yet: lines are dropped.
void TR40Mon::WriteLog(const AnsiString&) {}

void TR40Mon::mLogClick(TObject*) {}

void TR40Mon::mShowLogClick(TObject*) {}

void TR40Mon::mClearLogClick(TObject*) {}
