#include "UInput.h"

TFormInput::TFormInput() { Load("TFORMINPUT"); }
