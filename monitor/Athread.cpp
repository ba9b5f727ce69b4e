#include "Athread.h"

// The query to Dorn4 is not wired up yet: the monitor sees no dispatcher, so Dorn4 is
// shown as not running and a due restart always goes ahead.
bool DispatcherLink::FindDispatcher() { return false; }

bool DispatcherLink::QueryConversation() { return false; }
