#pragma once
// The component kinds a form definition may name.
#include <map>
#include <memory>
#include "Component.h"

using ComponentFactory = std::unique_ptr<TComponent> (*)(TComponent* owner);
using ComponentKindMap = std::map<AnsiString, ComponentFactory>;

template <class T>
std::unique_ptr<TComponent> MakeComponent(TComponent* owner) {
    return std::make_unique<T>(owner);
}

// Throws EFormDefinitionError for an unknown kind.
std::unique_ptr<TComponent> CreateComponent(const AnsiString& kind, TComponent* owner);

// Each group of controls lists its kinds.
void AddStandardControlKinds(ComponentKindMap& kinds);  // StandardKinds.cpp
void AddExtraControlKinds(ComponentKindMap& kinds);     // ExtraKinds.cpp
