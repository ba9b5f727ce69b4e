// The help menu's manuals and the choice of the trace file.
#include "Main.h"

// Not written yet.
void TMainForm::RAX40Gateway1Click(TObject*) {}

void TMainForm::N2Click(TObject*) {}

void TMainForm::SpeedButton1Click(TObject*) {}
