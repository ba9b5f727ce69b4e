// The characters that the numeric edits and the interface edit accept.
#include "Main.h"

// Not written yet: every character is accepted.
void TMainForm::EditControlServerConnectionTimeoutKeyPress(TObject*, char&) {}

void TMainForm::EditNetworkListenerInterfaceKeyPress(TObject*, char&) {}
