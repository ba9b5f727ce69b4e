#include "Component.h"
#include "Exception.h"

int PropValue::AsInt() const {
    if (type != Type::Number) throw EFormDefinitionError("a number is expected, not '" + text + "'");
    return static_cast<int>(number);
}

const AnsiString& PropValue::AsString() const {
    if (type != Type::String) throw EFormDefinitionError("a quoted text is expected, not '" + text + "'");
    return text;
}

const AnsiString& PropValue::AsIdent() const {
    if (type != Type::Identifier) throw EFormDefinitionError("a name is expected, not '" + text + "'");
    return text;
}

bool PropValue::AsBool() const {
    const AnsiString& id = AsIdent();
    if (id == "True") return true;
    if (id == "False") return false;
    throw EFormDefinitionError("True or False is expected, not '" + id + "'");
}

bool PropValue::Has(const AnsiString& member) const {
    if (type != Type::Set) throw EFormDefinitionError("a set [..] is expected");
    for (const auto& m : items)
        if (m == member) return true;
    return false;
}

void TComponent::SetProperty(const AnsiString& name, const PropValue& value, FormBinder&) {
    if (name == "Tag") {
        Tag = value.AsInt();
        return;
    }
    UnknownProperty(name);
}

void TComponent::AddNested(TComponent* child) {
    throw EFormDefinitionError(Name + " cannot hold " + child->Name);
}

void TComponent::UnknownProperty(const AnsiString& name) const {
    throw EFormDefinitionError(Name + " has no property " + name);
}
