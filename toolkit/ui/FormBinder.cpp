#include "FormBinder.h"

void FormBinder::Register(TComponent* component) {
    if (!components_.emplace(component->Name, component).second)
        throw EFormDefinitionError("two components are named " + component->Name);
    auto field = fields_.find(component->Name);
    if (field == fields_.end()) return;
    if (!field->second(component)) throw EFormDefinitionError(component->Name + " is not of the kind its field holds");
    fields_.erase(field);
}

TComponent* FormBinder::Find(const AnsiString& name) const {
    auto it = components_.find(name);
    return it == components_.end() ? nullptr : it->second;
}

void FormBinder::Finish() {
    for (auto& resolve : later_) resolve();
    later_.clear();
    if (!fields_.empty()) throw EFormDefinitionError("the form definition has no component " + fields_.begin()->first);
}
