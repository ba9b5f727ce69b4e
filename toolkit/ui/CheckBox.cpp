#include "CheckBox.h"
#include "FormBinder.h"

WindowSpec TCheckBox::Spec() const { return {L"BUTTON", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX}; }

void TCheckBox::CreateHandle() {
    TControl::CreateHandle();
    SetChecked(checked_);
}

bool TCheckBox::Checked() const {
    return Handle() ? SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void TCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    if (Handle()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::CommandNotify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick(this);
}

void TCheckBox::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Checked") checked_ = value.AsBool();
    else TControl::SetProperty(name, value, binder);
}
