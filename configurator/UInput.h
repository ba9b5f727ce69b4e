#pragma once
// The device-entry dialog: one intercom device of a ЛОРК unit.
#include "Form.h"

class TFormInput : public TForm {
public:
    TFormInput();
};
