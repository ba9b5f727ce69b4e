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

void TPaintBox::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "OnPaint") OnPaint = binder.Event<TNotifyEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
