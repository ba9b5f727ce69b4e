#include "MessageFilterStandIn.h"
#include <commctrl.h>
#include "MessageFilter.h"

MessageFilterStandIn::MessageFilterStandIn() {
    SetMessageFilterForTests([this](HWND window, UINT message, DWORD action) {
        calls.push_back({window, message, action});
        return TRUE;
    });
}

// A window destroyed meanwhile has lost its watch with its last message.
MessageFilterStandIn::~MessageFilterStandIn() {
    SetMessageFilterForTests(nullptr);
    for (size_t i = 0; i < watched_.size(); ++i)
        if (IsWindow(watched_[i].window)) RemoveWindowSubclass(watched_[i].window, Filter, i);
}

void MessageFilterStandIn::Watch(HWND window, UINT message) {
    SetWindowSubclass(window, Filter, watched_.size(), reinterpret_cast<DWORD_PTR>(this));
    watched_.push_back({window, message});
}

bool MessageFilterStandIn::Allowed(HWND window, UINT message) const {
    for (const Call& call : calls)
        if (call.window == window && call.message == message && call.action == MSGFLT_ALLOW) return true;
    return false;
}

LRESULT CALLBACK MessageFilterStandIn::Filter(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR self) {
    auto* standIn = reinterpret_cast<MessageFilterStandIn*>(self);
    if (msg == standIn->watched_[id].message && !standIn->Allowed(window, msg)) {
        ++standIn->dropped;
        return 0;
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}
