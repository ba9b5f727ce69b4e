// The service panel: the state poll and the start type.
#include "Main.h"

// Not written yet.
void TMainForm::TimerTimer(TObject*) {}

void TMainForm::StartTypeCBClick(TObject*) {}
