#include "ServiceBody.h"
#include "QuitEventName.h"
#include <atomic>
#include <fstream>
#include <mutex>

namespace {

Options behaviour;
SERVICE_STATUS_HANDLE statusHandle = nullptr;
SERVICE_STATUS status{};
std::mutex statusLock;      // the control handler and the service thread both report
HANDLE quitEvent = nullptr;
HANDLE requestEvent = nullptr;
std::atomic<DWORD> request{0};

bool IsPending(DWORD state) {
    return state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING ||
           state == SERVICE_PAUSE_PENDING || state == SERVICE_CONTINUE_PENDING;
}

DWORD AcceptedControls(DWORD state) {
    if (state != SERVICE_RUNNING && state != SERVICE_PAUSED) return 0;
    DWORD accepted = 0;
    if (behaviour.acceptStop) accepted |= SERVICE_ACCEPT_STOP;
    if (behaviour.acceptPause) accepted |= SERVICE_ACCEPT_PAUSE_CONTINUE;
    return accepted;
}

void Report(DWORD state, DWORD pendingMs = 0) {
    std::lock_guard<std::mutex> lock(statusLock);
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = AcceptedControls(state);
    status.dwWin32ExitCode = NO_ERROR;
    status.dwCheckPoint = IsPending(state) ? status.dwCheckPoint + 1 : 0;
    status.dwWaitHint = IsPending(state) ? pendingMs + 2000 : 0;
    SetServiceStatus(statusHandle, &status);
}

// Waits out a delay; true when the quit event ended it.
bool QuitWithin(DWORD ms) { return WaitForSingleObject(quitEvent, ms) == WAIT_OBJECT_0; }

// Only pages that are written count in the working set, so every page is touched.
void HoldMemory(DWORD megabytes) {
    if (megabytes == 0) return;
    SIZE_T size = static_cast<SIZE_T>(megabytes) << 20;
    auto* block = static_cast<volatile char*>(
        VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!block) return;
    for (SIZE_T offset = 0; offset < size; offset += 4096) block[offset] = 1;
}

void WritePidFile() {
    if (behaviour.pidFile.empty()) return;
    std::ofstream(behaviour.pidFile, std::ios::trunc) << GetCurrentProcessId();
}

bool Accepts(DWORD control) {
    if (control == SERVICE_CONTROL_STOP) return behaviour.acceptStop;
    return behaviour.acceptPause;
}

// The pending state is reported here, before the request returns to its sender, so
// that a query right after ControlService already sees it.
DWORD WINAPI HandleControl(DWORD control, DWORD, void*, void*) {
    switch (control) {
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_PAUSE:
    case SERVICE_CONTROL_CONTINUE:
        break;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
    if (!Accepts(control)) return ERROR_INVALID_SERVICE_CONTROL;
    if (control == SERVICE_CONTROL_STOP) Report(SERVICE_STOP_PENDING, behaviour.stopDelayMs);
    if (control == SERVICE_CONTROL_PAUSE) Report(SERVICE_PAUSE_PENDING, behaviour.pauseDelayMs);
    if (control == SERVICE_CONTROL_CONTINUE) Report(SERVICE_CONTINUE_PENDING, behaviour.continueDelayMs);
    request = control;
    SetEvent(requestEvent);
    return NO_ERROR;
}

// Carries out the requests until a stop has been served or the quit event is set.
void ServeRequests() {
    HANDLE events[] = {quitEvent, requestEvent};
    for (;;) {
        if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return;
        switch (request.exchange(0)) {
        case SERVICE_CONTROL_STOP:
            QuitWithin(behaviour.stopDelayMs);
            return;
        case SERVICE_CONTROL_PAUSE:
            if (QuitWithin(behaviour.pauseDelayMs)) return;
            Report(SERVICE_PAUSED);
            break;
        case SERVICE_CONTROL_CONTINUE:
            if (QuitWithin(behaviour.continueDelayMs)) return;
            Report(SERVICE_RUNNING);
            break;
        }
    }
}

void WINAPI ServiceMain(DWORD, char** argv) {
    statusHandle = RegisterServiceCtrlHandlerExA(argv[0], HandleControl, nullptr);
    if (!statusHandle) return;
    quitEvent = CreateEventA(nullptr, TRUE, FALSE, QuitEventName(GetCurrentProcessId()).c_str());
    requestEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    Report(SERVICE_START_PENDING, behaviour.startDelayMs);
    if (!QuitWithin(behaviour.startDelayMs)) {
        HoldMemory(behaviour.holdMegabytes);
        WritePidFile();
        Report(SERVICE_RUNNING);
        ServeRequests();
    }
    Report(SERVICE_STOPPED);
}

}  // namespace

bool RunService(const Options& options) {
    behaviour = options;
    char anyName[] = "";  // an own-process service is started whatever its table entry is named
    SERVICE_TABLE_ENTRYA table[] = {{anyName, ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) != FALSE;
}
