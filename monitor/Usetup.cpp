#include "Usetup.h"
#include "R40gwmonitor.h"

TFSetup* FSetup = nullptr;

// The dialog is not built yet: "Настройка" does nothing.
void TR40Mon::mSetupClick(TObject*) {}
