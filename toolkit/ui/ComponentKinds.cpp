#include "ComponentKinds.h"
#include <functional>
#include <map>
#include "Button.h"
#include "Edit.h"
#include "Exception.h"
#include "Label.h"
#include "Panel.h"
#include "Timer.h"

namespace {
template <class T>
std::unique_ptr<TComponent> Make(TComponent* owner) {
    return std::make_unique<T>(owner);
}

using Factory = std::unique_ptr<TComponent> (*)(TComponent*);

const std::map<AnsiString, Factory>& Kinds() {
    static const std::map<AnsiString, Factory> kinds = {
        {"TLabel", &Make<TLabel>},   {"TEdit", &Make<TEdit>},   {"TButton", &Make<TButton>},
        {"TPanel", &Make<TPanel>},   {"TTimer", &Make<TTimer>},
    };
    return kinds;
}
}  // namespace

std::unique_ptr<TComponent> CreateComponent(const AnsiString& kind, TComponent* owner) {
    auto it = Kinds().find(kind);
    if (it == Kinds().end()) throw EFormDefinitionError("unknown component kind " + kind);
    return it->second(owner);
}
