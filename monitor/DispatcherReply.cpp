// The main window's side of the link to Dorn4: the answer to the conversation query
// arrives as a message sent to this window while the query is being sent.
#include "R40gwmonitor.h"

LRESULT TR40Mon::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_DISPATCHER_LINK) return TForm::WndProc(msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    OnDispatcherReply(message);
    return message.Result;
}

// Also outside a query: the next query drops what came meanwhile. Dorn4 gets 0 back.
void TR40Mon::OnDispatcherReply(TMessage& message) {
    Dispatcher.LastReply = message;
    Dispatcher.ReplyArrived = true;
}
