#include "ProcessAccess.h"

namespace {
std::function<HANDLE(DWORD, DWORD)>& OpenForTests() {
    static std::function<HANDLE(DWORD, DWORD)> open;
    return open;
}

HANDLE Open(DWORD access, DWORD processId) {
    if (OpenForTests()) return OpenForTests()(access, processId);
    return OpenProcess(access, FALSE, processId);
}
}  // namespace

HANDLE OpenProcessToMeasure(DWORD processId) {
    HANDLE process = Open(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, processId);
    if (!process) process = Open(PROCESS_QUERY_LIMITED_INFORMATION, processId);
    return process;
}

void SetOpenProcessForTests(std::function<HANDLE(DWORD access, DWORD processId)> open) {
    OpenForTests() = std::move(open);
}
