#include "ComponentKinds.h"
#include "Button.h"
#include "Edit.h"
#include "Exception.h"
#include "Label.h"
#include "Panel.h"
#include "Timer.h"

namespace {
const ComponentKindMap& Kinds() {
    static const ComponentKindMap kinds = [] {
        ComponentKindMap k = {
            {"TLabel", &MakeComponent<TLabel>}, {"TEdit", &MakeComponent<TEdit>},
            {"TButton", &MakeComponent<TButton>}, {"TPanel", &MakeComponent<TPanel>},
            {"TTimer", &MakeComponent<TTimer>},
        };
        AddStandardControlKinds(k);
        AddExtraControlKinds(k);
        return k;
    }();
    return kinds;
}
}  // namespace

std::unique_ptr<TComponent> CreateComponent(const AnsiString& kind, TComponent* owner) {
    auto it = Kinds().find(kind);
    if (it == Kinds().end()) throw EFormDefinitionError("unknown component kind " + kind);
    return it->second(owner);
}
