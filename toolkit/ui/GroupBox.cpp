#include "GroupBox.h"

WindowSpec TGroupBox::Spec() const {
    return {L"BUTTON", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_CONTROLPARENT};
}

LRESULT TGroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(Handle(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, BackgroundBrush());
        return 1;
    }
    return TControl::WndProc(msg, wParam, lParam);
}
