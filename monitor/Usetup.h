#pragma once
// The settings dialog: the period of the memory check and the memory limit.
class TFSetup;

// The dialog while the main window's "Настройка" runs it; nullptr otherwise.
extern TFSetup* FSetup;
