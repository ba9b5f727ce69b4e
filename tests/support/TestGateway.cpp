#include "TestGateway.h"
#include "QuitEventName.h"
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <type_traits>

namespace {

struct CloseScHandle {
    void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using ScHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, CloseScHandle>;

[[noreturn]] void Throw(const std::string& what) {
    throw std::runtime_error(what + " failed, error " + std::to_string(GetLastError()));
}

ScHandle OpenManager() {
    ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) Throw("OpenSCManagerA");
    return manager;
}

// Null when no service of that name exists.
ScHandle OpenIfExists(const std::string& name) {
    ScHandle service(OpenServiceA(OpenManager().get(), name.c_str(), SERVICE_ALL_ACCESS));
    if (!service && GetLastError() != ERROR_SERVICE_DOES_NOT_EXIST) Throw("OpenServiceA " + name);
    return service;
}

ScHandle OpenExisting(const std::string& name) {
    ScHandle service = OpenIfExists(name);
    if (!service) Throw("OpenServiceA " + name);
    return service;
}

std::string BinaryPath(const std::string& arguments) {
    std::string path = "\"" + TestGateway::ExecutablePath() + "\"";
    return arguments.empty() ? path : path + " " + arguments;
}

class Deadline {
public:
    explicit Deadline(DWORD ms) : end_(GetTickCount64() + ms) {}
    bool Passed() const { return GetTickCount64() >= end_; }

private:
    ULONGLONG end_;
};

bool IsPending(DWORD state) {
    return state != SERVICE_STOPPED && state != SERVICE_RUNNING && state != SERVICE_PAUSED;
}

// The test service ends on this event in any state; false while it has not made it yet.
bool SignalQuit(DWORD processId) {
    HANDLE quit = OpenEventA(EVENT_MODIFY_STATE, FALSE, QuitEventName(processId).c_str());
    if (!quit) return false;
    SetEvent(quit);
    CloseHandle(quit);
    return true;
}

}  // namespace

std::string TestGateway::ExecutablePath() {
    std::string path = TEST_GATEWAY_EXE;
    if (path.empty() || path[0] != '/') return path;
    // wine maps the Linux root to drive Z:
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

TestGateway::TestGateway(std::string name) : name_(std::move(name)) { Remove(); }

TestGateway::~TestGateway() {
    try {
        Remove();
    } catch (const std::exception& e) {
        ADD_FAILURE() << "removing service \"" << name_ << "\": " << e.what();
    }
}

void TestGateway::Install(const std::string& arguments, DWORD startType) {
    ScHandle manager = OpenManager();
    // A name whose deletion is still under way gives 1072 for a moment.
    for (Deadline deadline(kDefaultTimeoutMs);; Sleep(20)) {
        ScHandle service(CreateServiceA(manager.get(), name_.c_str(), name_.c_str(),
                                        SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, startType,
                                        SERVICE_ERROR_NORMAL, BinaryPath(arguments).c_str(),
                                        nullptr, nullptr, nullptr, nullptr, nullptr));
        if (service) return;
        if (GetLastError() != ERROR_SERVICE_MARKED_FOR_DELETE || deadline.Passed()) {
            Throw("CreateServiceA " + name_);
        }
    }
}

void TestGateway::SetArguments(const std::string& arguments) {
    if (!ChangeServiceConfigA(OpenExisting(name_).get(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                              SERVICE_NO_CHANGE, BinaryPath(arguments).c_str(), nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr)) {
        Throw("ChangeServiceConfigA " + name_);
    }
}

void TestGateway::InstallRunning(const std::string& arguments) {
    Install(arguments);
    Start();
    if (!WaitForState(SERVICE_RUNNING)) {
        throw std::runtime_error(name_ + " did not reach the running state");
    }
}

void TestGateway::Start() {
    if (!StartServiceA(OpenExisting(name_).get(), 0, nullptr)) Throw("StartServiceA " + name_);
}

void TestGateway::Stop() { Control(SERVICE_CONTROL_STOP); }

void TestGateway::Control(DWORD control) {
    SERVICE_STATUS status;
    if (!ControlService(OpenExisting(name_).get(), control, &status)) {
        Throw("ControlService " + std::to_string(control) + " " + name_);
    }
}

void TestGateway::ForceStop() {
    for (Deadline deadline(kDefaultTimeoutMs);; Sleep(10)) {
        SERVICE_STATUS_PROCESS status = Query();
        if (status.dwCurrentState == SERVICE_STOPPED) return;
        if (SignalQuit(status.dwProcessId)) break;
        if (deadline.Passed()) throw std::runtime_error(name_ + ": no quit event to signal");
    }
    if (!WaitForState(SERVICE_STOPPED)) throw std::runtime_error(name_ + " did not stop");
}

SERVICE_STATUS_PROCESS TestGateway::Query() const {
    SERVICE_STATUS_PROCESS status{};
    DWORD needed = 0;
    if (!QueryServiceStatusEx(OpenExisting(name_).get(), SC_STATUS_PROCESS_INFO,
                              reinterpret_cast<BYTE*>(&status), sizeof(status), &needed)) {
        Throw("QueryServiceStatusEx " + name_);
    }
    return status;
}

DWORD TestGateway::State() const { return Query().dwCurrentState; }

DWORD TestGateway::ProcessId() const { return Query().dwProcessId; }

bool TestGateway::WaitForState(DWORD state, DWORD timeoutMs) const {
    for (Deadline deadline(timeoutMs);; Sleep(10)) {
        if (State() == state) return true;
        if (deadline.Passed()) return false;
    }
}

DWORD TestGateway::WaitWhilePending(DWORD timeoutMs) const {
    for (Deadline deadline(timeoutMs);; Sleep(10)) {
        DWORD state = State();
        if (!IsPending(state) || deadline.Passed()) return state;
    }
}

void TestGateway::Remove() {
    {
        ScHandle service = OpenIfExists(name_);
        if (!service) return;
        ForceStop();
        if (!DeleteService(service.get()) && GetLastError() != ERROR_SERVICE_MARKED_FOR_DELETE) {
            Throw("DeleteService " + name_);
        }
    }
    // The deletion completes once the last handle is closed.
    for (Deadline deadline(kDefaultTimeoutMs); OpenIfExists(name_); Sleep(10)) {
        if (deadline.Passed()) throw std::runtime_error(name_ + " is still not deleted");
    }
}
