#include "ComponentKinds.h"

void AddStandardControlKinds(ComponentKindMap&) {}
