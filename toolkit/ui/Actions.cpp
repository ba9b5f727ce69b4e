#include "Actions.h"
#include "FormBinder.h"

bool TAction::Execute() {
    if (!Enabled || !OnExecute) return false;
    OnExecute(this);
    return true;
}

void TAction::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Caption") Caption = value.AsString();
    else if (name == "Category") Category = value.AsString();
    else if (name == "Hint") Hint = value.AsString();
    else if (name == "Enabled") Enabled = value.AsBool();
    else if (name == "OnExecute") OnExecute = binder.Event<TNotifyEvent>(value);
    else TComponent::SetProperty(name, value, binder);
}

void TActionList::AddNested(TComponent* child) {
    auto* action = dynamic_cast<TAction*>(child);
    if (!action) TComponent::AddNested(child);
    actions_.push_back(action);
}
