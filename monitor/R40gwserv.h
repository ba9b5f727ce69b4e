#pragma once
// The gateway's Windows service as the monitor sees it: state, process id and working
// set, stop and start. Manager and service are opened afresh for every operation and
// closed before it returns.
#include <windows.h>
#include <functional>

class RAX40GATEWAY_SERVICE {
public:
    // The name under which the monitor opens the gateway's service.
    static constexpr const char* kGatewayServiceName = "rax40 gateway";

    explicit RAX40GATEWAY_SERVICE(const char* serviceName = kGatewayServiceName);
    ~RAX40GATEWAY_SERVICE();
    RAX40GATEWAY_SERVICE(const RAX40GATEWAY_SERVICE&) = delete;
    RAX40GATEWAY_SERVICE& operator=(const RAX40GATEWAY_SERVICE&) = delete;

    void SetError(const char* text);
    bool Connect();
    void Disconnect();
    bool Refresh();
    bool CanStop() const;
    bool CanStart() const;
    bool Stop();
    bool Start();
    const char* StateName() const;

    // The reason texts that Connect leaves for the last-error code of a failed
    // OpenSCManagerA or OpenServiceA; empty for a code it does not name.
    static const char* ManagerFailureText(DWORD lastError);
    static const char* ServiceFailureText(DWORD lastError);

    SC_HANDLE ServiceHandle;  // 0 between operations
    char ErrorText[256];      // reason of the last failed Connect or Refresh
    DWORD WorkingSet;         // bytes; 0 when the last refresh failed or could not measure
    DWORD ProcessId;          // from the last successful state query
    DWORD CurrentState;       // 1..7 as Windows reports it; 0 when the last refresh failed
    // The system's error code when the last refresh found the service's process (a
    // process id other than 0) and could not measure it; then WorkingSet is no reading.
    DWORD WorkingSetError;

    // Test seam: when set, Refresh takes the working set of the service's process from
    // here instead of measuring it, so a test can give exact byte counts.
    std::function<DWORD(DWORD processId)> MeasureWorkingSetForTests;

private:
    void ReadWorkingSet();

    const char* serviceName_;
};
