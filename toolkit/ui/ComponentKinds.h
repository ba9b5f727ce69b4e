#pragma once
// The component kinds a form definition may name.
#include <memory>
#include "Component.h"

// Throws EFormDefinitionError for an unknown kind.
std::unique_ptr<TComponent> CreateComponent(const AnsiString& kind, TComponent* owner);
