#include "UnitPr.h"

TFormPr::TFormPr() { Load("TFORMPR"); }
