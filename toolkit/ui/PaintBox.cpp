#include "PaintBox.h"
#include "FormBinder.h"

WindowSpec TPaintBox::Spec() const { return {OwnClassName(), WS_CHILD | WS_CLIPSIBLINGS}; }

void TPaintBox::FormLoaded() {
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TPaintBox::Paint(HDC dc) {
    canvas_.Font = Font;
    canvas_.Brush.Color = Color();
    canvas_.SetHandle(dc);
    try {
        if (OnPaint) OnPaint(this);
    } catch (...) {
        canvas_.SetHandle(nullptr);
        throw;
    }
    canvas_.SetHandle(nullptr);
}

LRESULT TPaintBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
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

void TPaintBox::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "OnPaint") OnPaint = binder.Event<TNotifyEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
