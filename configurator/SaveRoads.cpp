// Saving the configuration: when the window closes, before the service is started or
// stopped, and under another name.
#include "Main.h"
#include "WindowPlacement.h"

// Not written yet beyond its first step: the placement is stored, then the window may
// always close.
void TMainForm::FormCloseQuery(TObject*, bool&) { SavePosition(MainForm); }

void TMainForm::RunButtonClick(TObject*) {}

void TMainForm::mSaveasClick(TObject*) {}
