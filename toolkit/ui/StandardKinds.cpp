#include "Bevel.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ComponentKinds.h"
#include "GroupBox.h"
#include "Image.h"
#include "ListBox.h"
#include "PaintBox.h"
#include "ProgressBar.h"
#include "RadioGroup.h"
#include "Shape.h"
#include "StatusBar.h"
#include "UpDown.h"

void AddStandardControlKinds(ComponentKindMap& kinds) {
    kinds["TGroupBox"] = &MakeComponent<TGroupBox>;
    kinds["TCheckBox"] = &MakeComponent<TCheckBox>;
    kinds["TComboBox"] = &MakeComponent<TComboBox>;
    kinds["TRadioGroup"] = &MakeComponent<TRadioGroup>;
    kinds["TListBox"] = &MakeComponent<TListBox>;
    kinds["TUpDown"] = &MakeComponent<TUpDown>;
    kinds["TStatusBar"] = &MakeComponent<TStatusBar>;
    kinds["TProgressBar"] = &MakeComponent<TProgressBar>;
    kinds["TBevel"] = &MakeComponent<TBevel>;
    kinds["TImage"] = &MakeComponent<TImage>;
    kinds["TShape"] = &MakeComponent<TShape>;
    kinds["TPaintBox"] = &MakeComponent<TPaintBox>;
}
