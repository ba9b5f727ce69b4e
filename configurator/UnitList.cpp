// The list of ЛОРК units in the unit grid.
#include "Main.h"

// Not written yet.
void TMainForm::ButtonAddClick(TObject*) {}

void TMainForm::ButtonEditClick(TObject*) {}

void TMainForm::ButtonDelClick(TObject*) {}

void TMainForm::StringGrid1SelectCell(TObject*, int, int, bool&) {}
