// The device lists of the ЛОРК units in voice.ini.
#include "Main.h"

// Not written yet.
void TMainForm::SyncVoiceIniFromConf() {}

void TMainForm::mOpenClick(TObject*) {}
