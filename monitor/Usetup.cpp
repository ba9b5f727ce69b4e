#include "Usetup.h"
#include "BitBtn.h"
#include "Edit.h"
#include "GroupBox.h"
#include "Panel.h"
#include "UpDown.h"

TFSetup* FSetup = nullptr;

TFSetup::TFSetup(TComponent* owner) {
    Owner = owner;
    Field(Panel1, "Panel1");
    Field(Panel2, "Panel2");
    Field(BitBtn1, "BitBtn1");
    Field(GroupBox1, "GroupBox1");
    Field(EditPeriod, "EditPeriod");
    Field(UpDownPeriod, "UpDownPeriod");
    Field(GroupBox2, "GroupBox2");
    Field(Edit1, "Edit1");
    Field(UpDownMaxSize, "UpDownMaxSize");
    Load("FSetup");
}

TFSetup::~TFSetup() = default;
