#pragma once
// The windows a modal form takes out of the operator's reach while it runs: every other
// top-level window of the thread that is visible and enabled when the form opens. A
// hidden form is left alone, since it may be shown modally on top later and must take
// input then. Exactly those windows are enabled again when the run ends, also when it
// ends through an exception, so a window that was disabled before stays disabled.
#include <windows.h>
#include <vector>

class DisabledTaskWindows {
public:
    explicit DisabledTaskWindows(HWND modal);
    ~DisabledTaskWindows() { EnableAgain(); }
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

    void EnableAgain();

private:
    HWND modal_;
    std::vector<HWND> windows_;

    static BOOL CALLBACK Take(HWND window, LPARAM self);
};
