#pragma once
// The link to the dispatcher program Dorn4, asked by window message whether a
// conversation is in progress before the gateway is restarted.
//
// The query is sent to Dorn4's window with the monitor's main window in wParam; Dorn4
// answers, while it still handles the query, by sending the same message back to that
// window, whose handler stores the answer here (TR40Mon::OnDispatcherReply).
#include <windows.h>
#include <cstdint>
#include <functional>
#include "WindowMessage.h"

// The message of the conversation query and of its answer.
constexpr UINT WM_DISPATCHER_LINK = WM_APP + 0x194;

class DispatcherLink {
public:
    // Request code 5 (is a conversation in progress?) in the top byte.
    static constexpr uint32_t kConversationQuery = 0x05000000;
    static constexpr uint32_t kCodeMask = 0xFF000000;
    static constexpr int kReplyPasses = 200;
    // The wait for the answer also ends after this time: a sleep of 1 ms lasts a clock
    // tick on Windows (15.6 ms unless the process asks for finer), so the passes alone
    // would hold the window thread some 3 s.
    static constexpr ULONGLONG kReplyWaitMs = 200;

    // True when Dorn4's window exists; its handle is kept for the query.
    bool FindDispatcher();
    // False while either window is unknown; otherwise drops any reply left from before.
    bool IsReady();
    // True only when Dorn4 answered that a conversation is in progress.
    bool QueryConversation();
    // The answer to the request `expectedCode`; false when none came within the passes
    // and the time.
    bool WaitReply(uint32_t expectedCode);

    HWND DispatcherWindow = nullptr;
    HWND ReplyWindow = nullptr;  // the monitor's main window, where the answer goes
    TMessage LastReply;
    bool ReplyArrived = false;

    // How long the window thread waits for Dorn4 to take the query (see QueryConversation).
    UINT SendTimeoutMs = 5000;
    // Tests count the pauses of the wait here; unset, the wait sleeps.
    std::function<void(DWORD)> SleepForTests;
    // Tests give the wait's clock (milliseconds) here; unset, it is the system's.
    std::function<ULONGLONG()> ClockForTests;

private:
    void Pause(DWORD milliseconds);
    ULONGLONG Clock() const;
};
