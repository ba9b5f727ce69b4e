#include "R40gwserv.h"
#include <psapi.h>
#include "ProcessAccess.h"

RAX40GATEWAY_SERVICE::RAX40GATEWAY_SERVICE(const char* serviceName)
    : ServiceHandle(nullptr), ErrorText(), WorkingSet(0), ProcessId(0), CurrentState(0), WorkingSetError(0),
      serviceName_(serviceName) {}

RAX40GATEWAY_SERVICE::~RAX40GATEWAY_SERVICE() { Disconnect(); }

void RAX40GATEWAY_SERVICE::SetError(const char* text) {
    lstrcpynA(ErrorText, text, sizeof(ErrorText));
}

const char* RAX40GATEWAY_SERVICE::ManagerFailureText(DWORD lastError) {
    switch (lastError) {
    case ERROR_ACCESS_DENIED: return "Доступ запрещен...";
    case ERROR_INVALID_PARAMETER: return "Заданный параметр не существует...";
    case ERROR_DATABASE_DOES_NOT_EXIST: return "Запрошенная база данных не найдена...";
    default: return "";
    }
}

const char* RAX40GATEWAY_SERVICE::ServiceFailureText(DWORD lastError) {
    switch (lastError) {
    case ERROR_ACCESS_DENIED: return "Нет доступа к сервису...";
    case ERROR_INVALID_HANDLE: return "Ошибочный указатель менеджера сервисов...";
    case ERROR_INVALID_NAME: return "Ошибочное имя сервиса...";
    case ERROR_SERVICE_DOES_NOT_EXIST: return "Сервис не найден...";
    default: return "";
    }
}

bool RAX40GATEWAY_SERVICE::Connect() {
    SetError("");
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) {
        SetError(ManagerFailureText(GetLastError()));
        return false;
    }
    ServiceHandle = OpenServiceA(manager, serviceName_, SERVICE_ALL_ACCESS);
    if (!ServiceHandle) SetError(ServiceFailureText(GetLastError()));
    CloseServiceHandle(manager);
    return ServiceHandle != nullptr;
}

void RAX40GATEWAY_SERVICE::Disconnect() {
    if (!ServiceHandle) return;
    CloseServiceHandle(ServiceHandle);
    ServiceHandle = nullptr;
}

bool RAX40GATEWAY_SERVICE::Refresh() {
    CurrentState = 0;
    WorkingSet = 0;
    WorkingSetError = 0;
    if (!Connect()) return false;

    DWORD needed = 0;
    QueryServiceStatusEx(ServiceHandle, SC_STATUS_PROCESS_INFO, nullptr, 0, &needed);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        SetError("Ошибка выполнения запроса размера буфера...");
        Disconnect();
        return false;
    }
    HANDLE heap = GetProcessHeap();
    auto* status = static_cast<SERVICE_STATUS_PROCESS*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, needed));
    if (!status || !QueryServiceStatusEx(ServiceHandle, SC_STATUS_PROCESS_INFO,
                                         reinterpret_cast<BYTE*>(status), needed, &needed)) {
        if (status) HeapFree(heap, 0, status);
        SetError("Ошибка выполнения запроса описания сервиса...");
        Disconnect();
        return false;
    }
    CurrentState = status->dwCurrentState;
    ProcessId = status->dwProcessId;
    Disconnect();
    HeapFree(heap, 0, status);

    ReadWorkingSet();
    return true;
}

namespace {
// The last error of a failed call; one that left none still counts as failed.
DWORD FailureCode() {
    DWORD code = GetLastError();
    return code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE;
}
}  // namespace

// A stopped service (process id 0) has no process and reads 0. A process that cannot be
// opened or measured leaves the working set at 0 and the reason in WorkingSetError.
void RAX40GATEWAY_SERVICE::ReadWorkingSet() {
    if (MeasureWorkingSetForTests) {
        WorkingSet = MeasureWorkingSetForTests(ProcessId);
        return;
    }
    if (ProcessId == 0) return;
    HANDLE process = OpenProcessToMeasure(ProcessId);
    if (!process) {
        WorkingSetError = FailureCode();
        return;
    }
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(process, &counters, sizeof(counters)))
        WorkingSet = static_cast<DWORD>(counters.WorkingSetSize);
    else
        WorkingSetError = FailureCode();
    CloseHandle(process);
}

bool RAX40GATEWAY_SERVICE::CanStop() const {
    return CurrentState == SERVICE_START_PENDING || CurrentState == SERVICE_RUNNING ||
           CurrentState == SERVICE_CONTINUE_PENDING;
}

bool RAX40GATEWAY_SERVICE::CanStart() const {
    return CurrentState == SERVICE_STOPPED || CurrentState == SERVICE_STOP_PENDING;
}

bool RAX40GATEWAY_SERVICE::Stop() {
    if (!Refresh() || !CanStop() || !Connect()) return false;
    SERVICE_STATUS status;
    bool accepted = ControlService(ServiceHandle, SERVICE_CONTROL_STOP, &status) != FALSE;
    Disconnect();
    return accepted;
}

bool RAX40GATEWAY_SERVICE::Start() {
    if (!Refresh() || !CanStart() || !Connect()) return false;
    bool accepted = StartServiceA(ServiceHandle, 0, nullptr) != FALSE;
    Disconnect();
    return accepted;
}

const char* RAX40GATEWAY_SERVICE::StateName() const {
    switch (CurrentState) {
    case SERVICE_STOPPED: return "Остановлен";
    case SERVICE_START_PENDING: return "Запускается";
    case SERVICE_STOP_PENDING: return "Останавливается";
    case SERVICE_RUNNING: return "Выполняется";
    case SERVICE_CONTINUE_PENDING: return "Продолжается";
    case SERVICE_PAUSE_PENDING: return "Переход в паузу";
    case SERVICE_PAUSED: return "Пауза";
    default: return "Неизвестно";
    }
}
