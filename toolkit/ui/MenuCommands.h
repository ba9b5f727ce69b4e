#pragma once
// Command numbers of menu items: WM_COMMAND from a menu carries the number, the form
// that receives it runs the item's action.
#include <functional>
#include <windows.h>

// Numbers start above the dialog commands IDOK and IDCANCEL.
UINT AllocateCommand(std::function<void()> run);
void ReleaseCommand(UINT id);
// False when no item has that number.
bool RunCommand(UINT id);
