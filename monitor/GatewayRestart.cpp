#include "GatewayRestart.h"

void DeferredGatewayStart::Begin() {
    pending_ = true;
    stopRequestedAt_ = GetTickCount64();
    Poll();
}

void DeferredGatewayStart::Poll() {
    if (!pending_) return;
    service_.Refresh();
    bool stopping = service_.CurrentState == SERVICE_STOP_PENDING;
    if (stopping && GetTickCount64() - stopRequestedAt_ < StopWaitLimitMs) return;
    pending_ = false;
    service_.Start();  // refused by the wrapper unless the service is stopped (or still stopping)
}

void DeferredGatewayStart::Finish(const std::function<void()>& waitAWhile) {
    finishing_ = true;
    for (Poll(); pending_; Poll()) waitAWhile();
    finishing_ = false;
}
