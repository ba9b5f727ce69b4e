// Saving the configuration: when the window closes, before the service is started or
// stopped, and under another name.
#include "Main.h"

// Not written yet: the window may always close.
void TMainForm::FormCloseQuery(TObject*, bool&) {}

void TMainForm::RunButtonClick(TObject*) {}

void TMainForm::mSaveasClick(TObject*) {}
