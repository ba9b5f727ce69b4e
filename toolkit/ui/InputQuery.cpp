#include "InputQuery.h"
#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"

namespace {
const char kDefinition[] = R"(
object InputQueryForm: TForm
  BorderStyle = bsDialog
  Position = poScreenCenter
  ClientWidth = 344
  ClientHeight = 104
  object Prompt: TLabel
    Left = 8
    Top = 8
    Width = 328
    Height = 16
  end
  object Value: TEdit
    Left = 8
    Top = 28
    Width = 328
    Height = 21
    MaxLength = 255
  end
  object OkButton: TButton
    Left = 180
    Top = 68
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
  object CancelButton: TButton
    Left = 261
    Top = 68
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = mrCancel
  end
end
)";

class TInputQueryForm : public TForm {
public:
    TLabel* Prompt = nullptr;
    TEdit* Value = nullptr;

    TInputQueryForm() {
        Field(Prompt, "Prompt");
        Field(Value, "Value");
        LoadText(kDefinition);
    }
};
}  // namespace

bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value) {
    TInputQueryForm form;
    form.SetCaption(caption);
    form.Prompt->SetCaption(prompt);
    form.Value->SetText(value);
    form.Value->SelectAll();
    if (form.ShowModal() != mrOk) return false;
    value = form.Value->Text();
    return true;
}
