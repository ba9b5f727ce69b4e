// The list of the running processes with their memory, in ListBox1.
#include "R40gwmonitor.h"

// Not filled yet: the list stays empty.
void TR40Mon::ShowProcsExecute(TObject*) {}
