#include "TaskWindows.h"

DisabledTaskWindows::DisabledTaskWindows(HWND modal) : modal_(modal) {
    EnumThreadWindows(GetCurrentThreadId(), &DisabledTaskWindows::Take, reinterpret_cast<LPARAM>(this));
    for (HWND window : windows_) EnableWindow(window, FALSE);
}

BOOL CALLBACK DisabledTaskWindows::Take(HWND window, LPARAM self) {
    auto* taken = reinterpret_cast<DisabledTaskWindows*>(self);
    if (window != taken->modal_ && IsWindowVisible(window) && IsWindowEnabled(window))
        taken->windows_.push_back(window);
    return TRUE;
}

void DisabledTaskWindows::EnableAgain() {
    for (HWND window : windows_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    windows_.clear();
}
