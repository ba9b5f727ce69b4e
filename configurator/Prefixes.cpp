// Editing the number prefixes of the extended view.
#include "Main.h"

// Not written yet.
void TMainForm::ListBoxPrefixesDblClick(TObject*) {}
