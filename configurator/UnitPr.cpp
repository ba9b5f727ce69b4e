#include "UnitPr.h"
#include "Animate.h"

TFormPr::TFormPr() {
    Field(Animate1, "Animate1");
    Load("TFORMPR");
    Animate1->ResName = "BOLSHOI_FILE";
    Animate1->SetActive(true);
}
