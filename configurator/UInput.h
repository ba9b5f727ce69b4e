#pragma once
// The device-entry dialog: one intercom device of a ЛОРК unit (type, РАКС address, name,
// host). Created once at start and kept, so its fields carry over from one use to the
// next; the unit dialog prepares them before each showing.
#include "Form.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TUpDown;

class TFormInput : public TForm {
public:
    TFormInput();

    TLabel* Label1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* EditType = nullptr;
    TUpDown* UpDown1 = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* EditName = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* EditIP = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;

    // The РАКС address takes digits and Backspace only; anything else is dropped with a beep.
    void EditTypeKeyPress(TObject* Sender, char& Key);
};
