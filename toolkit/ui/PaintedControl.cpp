#include "PaintedControl.h"

LRESULT TPaintedControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        if (lParam & PRF_ERASEBKGND) TControl::WndProc(WM_ERASEBKGND, wParam, 0);
        Paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return TControl::WndProc(msg, wParam, lParam);
}
