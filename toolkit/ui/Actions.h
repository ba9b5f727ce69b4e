#pragma once
// Named commands shared by buttons and menu items. A button or item bound to an action
// (Action = AHide) shows the action's caption when the form is loaded, and its click
// executes the action unless the control has an OnClick of its own.
#include <vector>
#include "Component.h"

class TAction : public TComponent {
public:
    using TComponent::TComponent;
    AnsiString Caption;
    AnsiString Category;
    AnsiString Hint;
    bool Enabled = true;
    TNotifyEvent OnExecute;
    // Runs OnExecute; false when the action has none or is disabled.
    bool Execute();
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
};

class TActionList : public TComponent {
public:
    using TComponent::TComponent;
    const std::vector<TAction*>& Actions() const { return actions_; }
    void AddNested(TComponent* child) override;

private:
    std::vector<TAction*> actions_;
};
