#pragma once
// Stands in, for as long as it lives, for what Windows does and Wine does not: a radio
// button that receives the keyboard focus sends BN_CLICKED to its parent, and an
// automatic one checks itself and clears the others of its group. A test that holds one
// on the program's thread fails where the program, run on Windows, would change a choice
// by a focus that lands on a radio button.
#include <windows.h>

class WindowsRadioFocus {
public:
    WindowsRadioFocus();
    ~WindowsRadioFocus();
    WindowsRadioFocus(const WindowsRadioFocus&) = delete;
    WindowsRadioFocus& operator=(const WindowsRadioFocus&) = delete;

    bool Active() const { return hook_ != nullptr; }
    // How many radio buttons clicked themselves on receiving the focus.
    static int FocusClicks();

private:
    HHOOK hook_;
};
