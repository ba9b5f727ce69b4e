#pragma once
// Opening another process to read its name and memory.
//
// The query and read rights may be refused where the limited query right is still
// granted: a service's process runs at system integrity, above the elevated monitor,
// and without the debug privilege the monitor may get no more. The name and the memory
// need no more than that right.
#include <windows.h>
#include <functional>

// The process opened with the query and read rights, or failing that with the limited
// query right; null, with the system's last error, when neither is granted.
HANDLE OpenProcessToMeasure(DWORD processId);

// Test seam: when set, takes the place of OpenProcess (no inheritance); null gives the
// system back.
void SetOpenProcessForTests(std::function<HANDLE(DWORD access, DWORD processId)> open);
