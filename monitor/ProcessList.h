#pragma once
// The process list of the main window: one line per running process, its executable's
// name, its id and its working set in kilobytes.
#include <windows.h>
#include "AnsiString.h"

// The line of one process: the name padded to 40 columns (longer names push the rest
// right), the id in 4 columns and the kilobytes in 8.
AnsiString FormatProcessLine(const char* name, DWORD processId, int kilobytes);

// Puts the line of that process at index of R40Mon's ListBox1: in place of the item
// there, or at the end when the list is shorter.
void AddProcessLine(DWORD processId, int index);
