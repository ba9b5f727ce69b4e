#pragma once
// The start half of an automatic restart of the gateway.
//
// The Service Control Manager refuses a start while the service is still stopping, so a
// start sent right after the stop request leaves a gateway that takes any time to stop
// stopped for good. Instead the start is held back until the service has left the
// stop-pending state, and sent after StopWaitLimitMs anyway (a service that hangs in
// stopping gets its start request, which the system then refuses). Nothing but Finish
// waits: the check loop calls Poll on each of its ticks, so the window and the countdown
// run on meanwhile.
#include <windows.h>
#include <functional>
#include "R40gwserv.h"

class DeferredGatewayStart {
public:
    explicit DeferredGatewayStart(RAX40GATEWAY_SERVICE& service) : service_(service) {}

    // Right after the stop request: starts at once when the service has already
    // stopped (or never began stopping), otherwise holds the start back.
    void Begin();
    // Sends the held-back start once the service has stopped or the limit has run out.
    void Poll();
    // Waits for the held-back start when the program ends, so the gateway is not left
    // stopped behind it: waitAWhile, the caller's short wait, runs between two polls.
    void Finish(const std::function<void()>& waitAWhile);
    bool Pending() const { return pending_; }
    // True while Finish waits.
    bool Finishing() const { return finishing_; }

    DWORD StopWaitLimitMs = 60000;

private:
    RAX40GATEWAY_SERVICE& service_;
    bool pending_ = false;
    bool finishing_ = false;
    ULONGLONG stopRequestedAt_ = 0;
};
