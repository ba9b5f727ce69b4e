#pragma once
// The gateway's Windows service as the Service Control Manager shows it: state,
// executable path and start type, start and stop. Handles are kept for the whole run.
#include <windows.h>
#include <vector>
#include "AnsiString.h"

class ServiceControl {
public:
    // Opens the Service Control Manager with all access; a refusal leaves ScmHandle null.
    ServiceControl();
    ~ServiceControl();
    ServiceControl(const ServiceControl&) = delete;
    ServiceControl& operator=(const ServiceControl&) = delete;

    // Opens the service with all access and reads its status and configuration. A
    // handle or buffer obtained before a failing query stays held until Close.
    bool Open(const AnsiString& name);
    // Releases the service handle and the configuration; always true.
    bool Close();
    // Queries the status into Status and names its state; "?" when unknown.
    AnsiString StatusText();
    // From the configuration read by Open; "" and 0 when none is held.
    AnsiString BinaryPath() const;
    DWORD StartType() const;
    bool Start();
    // The stop control; the status it delivers goes into Status, or into status.
    bool Stop();
    bool Stop(SERVICE_STATUS& status);
    // Queries the status into status alone; false without a service or when it fails.
    bool QueryStatus(SERVICE_STATUS& status) const;
    bool SetStartType(DWORD startType);

    SC_HANDLE ScmHandle = nullptr;
    SC_HANDLE ServiceHandle = nullptr;
    SERVICE_STATUS Status = {};
    QUERY_SERVICE_CONFIGA* Config = nullptr;

private:
    std::vector<BYTE> configBuffer_;  // the storage Config points into
};

// The Russian name of a service state; "?" for 0 and anything above 7.
AnsiString ServiceStateText(DWORD state);
