#pragma once
// A push button. A button with a modal result closes its modal form with that result;
// the default button answers Enter, the cancel button Esc.
#include "Control.h"

class TAction;

class TButton : public TControl {
public:
    using TControl::TControl;
    int ModalResult = 0;
    bool Default = false;
    bool Cancel = false;
    // A bound action gives its caption, and runs when the button has no OnClick.
    TAction* Action = nullptr;
    void SetAction(TAction* action);
    // What a click does: OnClick or else the action, then the modal result.
    virtual void Click();
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    void FormLoaded() override;

protected:
    WindowSpec Spec() const override;
    void CommandNotify(WORD code) override;
};
