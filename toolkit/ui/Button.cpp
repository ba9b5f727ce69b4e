#include "Button.h"
#include "Actions.h"
#include "Form.h"
#include "FormBinder.h"

WindowSpec TButton::Spec() const {
    DWORD kind = Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return {L"BUTTON", WS_CHILD | WS_TABSTOP | kind};
}

void TButton::CommandNotify(WORD code) {
    if (code == BN_CLICKED) Click();
}

void TButton::Click() {
    if (OnClick) OnClick(this);
    else if (Action) Action->Execute();
    if (ModalResult != 0)
        if (TForm* form = ParentForm()) form->ModalResult = ModalResult;
}

void TButton::SetAction(TAction* action) {
    Action = action;
    SetCaption(action->Caption);
    if (Hint().empty()) SetHint(action->Hint);
    SetEnabled(action->Enabled);
}

void TButton::FormLoaded() {
    TForm* form = ParentForm();
    if (!form) return;
    if (Default) form->DefaultButton = this;
    if (Cancel) form->CancelButton = this;
}

void TButton::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "ModalResult") {
        const AnsiString& id = value.AsIdent();
        ModalResult = id == "mrOk" ? mrOk : id == "mrCancel" ? mrCancel : id == "mrYes" ? mrYes : id == "mrNo" ? mrNo : 0;
        if (!ModalResult && id != "mrNone") throw EFormDefinitionError("unknown modal result " + id);
    } else if (name == "Default") Default = value.AsBool();
    else if (name == "Cancel") Cancel = value.AsBool();
    else if (name == "Action") binder.Reference<TAction>(value, [this](TAction* a) { SetAction(a); });
    else TControl::SetProperty(name, value, binder);
}
