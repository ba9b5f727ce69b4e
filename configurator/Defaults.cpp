// The default values that the "По умолчанию" buttons put into the controls.
#include "Main.h"

// Not written yet.
void TMainForm::Button1DefClick(TObject*) {}

void TMainForm::ButtonDefaultNetworkClick(TObject*) {}

void TMainForm::ButtonDefaultAudioClick(TObject*) {}

void TMainForm::ButtonDefaultAddClick(TObject*) {}

void TMainForm::ButtonMaxSpeakClick(TObject*) {}
