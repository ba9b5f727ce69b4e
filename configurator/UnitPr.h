#pragma once
// The wait window shown while the gateway's service restarts.
#include "Form.h"

class TFormPr : public TForm {
public:
    TFormPr();
};
