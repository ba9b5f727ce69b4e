#include "WindowPlacement.h"

// Not written yet: nothing is stored or applied.
void RestorePosition(TControl*) {}

void SavePosition(TForm*) {}
