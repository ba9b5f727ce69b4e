#pragma once
// The named event on which a running testgateway.exe ends at once, in any state and
// whatever its options: the way out for a service that refuses stop requests.
#include <string>
#include <windows.h>

inline std::string QuitEventName(DWORD processId) {
    return "Global\\RAX40TestGateway.Quit." + std::to_string(processId);
}
