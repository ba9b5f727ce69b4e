#include "ComponentKinds.h"

void AddExtraControlKinds(ComponentKindMap&) {}
