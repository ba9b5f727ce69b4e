#include "Athread.h"

bool DispatcherLink::FindDispatcher() {
    HWND window = FindWindowA("TDornMain", nullptr);
    if (!window) return false;
    DispatcherWindow = window;
    return true;
}

bool DispatcherLink::IsReady() {
    if (!DispatcherWindow || !ReplyWindow) return false;
    ReplyArrived = false;
    return true;
}

// Dorn4 sends its answer back while it handles the query, so the answer is delivered
// to our window inside this send: SMTO_NORMAL lets the thread take messages sent to it
// while it waits. The send is bounded, since a Dorn4 that hangs would otherwise hold
// the window thread, and with it the checks and restarts, for good; after the time-out
// the query counts as unanswered (no conversation). An answer that Dorn4 sends later
// arrives through the message loop and is dropped by the next query.
bool DispatcherLink::QueryConversation() {
    if (!IsReady()) return false;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(DispatcherWindow, WM_DISPATCHER_LINK, reinterpret_cast<WPARAM>(ReplyWindow),
                        static_cast<LPARAM>(kConversationQuery), SMTO_NORMAL, SendTimeoutMs, &ignored);
    return WaitReply(kConversationQuery);
}

// No messages are dispatched here: only an answer that came during the send is seen.
// An answer with another code is dropped and uses up its pass.
bool DispatcherLink::WaitReply(uint32_t expectedCode) {
    ULONGLONG started = Clock();
    for (int pass = 0; pass < kReplyPasses; ++pass) {
        if (!ReplyArrived) {
            if (Clock() - started >= kReplyWaitMs) break;
            Pause(1);
            continue;
        }
        ReplyArrived = false;
        auto answer = static_cast<uint32_t>(LastReply.WParam);
        if ((answer & kCodeMask) == expectedCode) return (answer & 1) != 0;
    }
    return false;
}

void DispatcherLink::Pause(DWORD milliseconds) {
    if (SleepForTests) SleepForTests(milliseconds);
    else Sleep(milliseconds);
}

ULONGLONG DispatcherLink::Clock() const { return ClockForTests ? ClockForTests() : GetTickCount64(); }
