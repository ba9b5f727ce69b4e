#pragma once
// Messages that programs of a lower integrity level send to our windows.
//
// Both programs ask for administrator rights, so with UAC they run at high integrity,
// while Explorer and the other programs of the operator run at medium. Windows then
// drops every message above WM_USER, registered messages among them, that a lower level
// sends or posts to our windows, unless the window lets that message through.
#include <windows.h>
#include <functional>

// Lets `message` reach `window` from every level; false when the system refuses, and the
// message then still comes only from programs of the same level or higher.
bool AllowMessageFromLowerLevels(HWND window, UINT message);

// Test seam: when set, takes the place of ChangeWindowMessageFilterEx (Wine has no
// integrity levels and filters nothing); null gives the system back.
void SetMessageFilterForTests(std::function<BOOL(HWND window, UINT message, DWORD action)> filter);
