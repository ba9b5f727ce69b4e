#pragma once
// The settings dialog: the period of the memory check and the memory limit, each an
// edit with its up-down. The main window's "Настройка" creates it for one modal run.
#include "Form.h"

class TPanel;
class TBitBtn;
class TGroupBox;
class TEdit;
class TUpDown;

class TFSetup : public TForm {
public:
    explicit TFSetup(TComponent* owner);
    ~TFSetup() override;

    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TEdit* EditPeriod = nullptr;
    TUpDown* UpDownPeriod = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDownMaxSize = nullptr;
};

// The dialog while the main window's "Настройка" runs it; nullptr otherwise.
extern TFSetup* FSetup;
