#pragma once
// The wait window shown while the gateway's service restarts: a short animation that
// plays over and over while the window is shown.
#include "Form.h"

class TAnimate;

class TFormPr : public TForm {
public:
    TFormPr();

    TAnimate* Animate1 = nullptr;
};
