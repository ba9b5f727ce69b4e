#pragma once
// One window message as a form's handler receives it: the number, both parameters and
// the result that goes back to the sender.
#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};
