#pragma once
// A control of our own window class that paints itself: on the screen (WM_PAINT) and
// into any device context it is asked to print into (WM_PRINTCLIENT).
#include "Control.h"

class TPaintedControl : public TControl {
public:
    using TControl::TControl;

protected:
    virtual void Paint(HDC dc) = 0;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
