#pragma once
// A tick of a toolkit timer as the system brings it: the timer message sent to the
// timer's window, then the messages that the tick left behind (painting, notices)
// handled as the program's message loop handles them.
#include <windows.h>
#include "Application.h"
#include "Timer.h"

inline void DeliverTick(TTimer& timer) {
    SendMessageW(timer.Handle(), WM_TIMER, timer.Id(), 0);
    Application.ProcessMessages();
}
