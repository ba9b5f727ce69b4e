#include "UInput.h"
#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "UpDown.h"

TFormInput::TFormInput() {
    Field(Label1, "Label1");
    Field(ComboBox1, "ComboBox1");
    Field(Label2, "Label2");
    Field(EditType, "EditType");
    Field(UpDown1, "UpDown1");
    Field(Label3, "Label3");
    Field(EditName, "EditName");
    Field(Label4, "Label4");
    Field(EditIP, "EditIP");
    Field(Button1, "Button1");
    Field(Button2, "Button2");
    Handler("EditTypeKeyPress", &TFormInput::EditTypeKeyPress);
    Load("TFORMINPUT");
}

void TFormInput::EditTypeKeyPress(TObject*, char& Key) {
    if ((Key >= '0' && Key <= '9') || Key == '\b') return;
    Key = '\0';
    Beep();
}
