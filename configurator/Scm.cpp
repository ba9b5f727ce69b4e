#include "Scm.h"

ServiceControl::ServiceControl() { ScmHandle = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS); }

ServiceControl::~ServiceControl() {
    Close();
    if (ScmHandle) CloseServiceHandle(ScmHandle);
}

bool ServiceControl::Open(const AnsiString& name) {
    if (!ScmHandle) return false;
    ServiceHandle = OpenServiceA(ScmHandle, name.c_str(), SERVICE_ALL_ACCESS);
    if (!ServiceHandle) return false;
    if (!QueryServiceStatus(ServiceHandle, &Status)) return false;
    DWORD needed = 0;
    QueryServiceConfigA(ServiceHandle, nullptr, 0, &needed);
    configBuffer_.assign(needed, 0);
    Config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(configBuffer_.data());
    return QueryServiceConfigA(ServiceHandle, Config, needed, &needed) != FALSE;
}

bool ServiceControl::Close() {
    if (ServiceHandle) {
        CloseServiceHandle(ServiceHandle);
        ServiceHandle = nullptr;
    }
    if (Config) {
        Config = nullptr;
        configBuffer_.clear();
        configBuffer_.shrink_to_fit();
    }
    return true;
}

// The status is read into a record of its own first, so that a failed query leaves
// Status as the last successful one delivered it.
AnsiString ServiceControl::StatusText() {
    SERVICE_STATUS current;
    if (!QueryStatus(current)) return "?";
    Status = current;
    return ServiceStateText(Status.dwCurrentState);
}

AnsiString ServiceControl::BinaryPath() const {
    if (!ServiceHandle || !Config || !Config->lpBinaryPathName) return "";
    return Config->lpBinaryPathName;
}

DWORD ServiceControl::StartType() const {
    if (!ServiceHandle || !Config) return 0;
    return Config->dwStartType;
}

bool ServiceControl::Start() {
    if (!ServiceHandle) return false;
    return StartServiceA(ServiceHandle, 0, nullptr) != FALSE;
}

bool ServiceControl::Stop() { return Stop(Status); }

bool ServiceControl::Stop(SERVICE_STATUS& status) {
    if (!ServiceHandle) return false;
    return ControlService(ServiceHandle, SERVICE_CONTROL_STOP, &status) != FALSE;
}

bool ServiceControl::QueryStatus(SERVICE_STATUS& status) const {
    return ServiceHandle && QueryServiceStatus(ServiceHandle, &status);
}

bool ServiceControl::SetStartType(DWORD startType) {
    if (!ServiceHandle) return false;
    if (!ChangeServiceConfigA(ServiceHandle, SERVICE_NO_CHANGE, startType, SERVICE_NO_CHANGE, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr, nullptr))
        return false;
    if (Config) Config->dwStartType = startType;
    return true;
}

AnsiString ServiceStateText(DWORD state) {
    static const char* const texts[] = {"?",
                                        "остановлена",
                                        "запускается...",
                                        "останавливается...",
                                        "выполняется",
                                        "ожидание продолжения",
                                        "ожидание паузы",
                                        "пауза"};
    return state < sizeof(texts) / sizeof(texts[0]) ? texts[state] : "?";
}
