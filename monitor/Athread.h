#pragma once
// The link to the dispatcher program Dorn4, asked by window message whether a
// conversation is in progress before the gateway is restarted.
#include <windows.h>

// The message of the conversation query and of its answer.
constexpr UINT WM_DISPATCHER_LINK = WM_APP + 0x194;

class DispatcherLink {
public:
    // True when Dorn4's window exists; its handle is kept for the query.
    bool FindDispatcher();
    // True only when Dorn4 answered that a conversation is in progress.
    bool QueryConversation();

    HWND DispatcherWindow = nullptr;
    HWND ReplyWindow = nullptr;  // the monitor's main window, where the answer goes
};
