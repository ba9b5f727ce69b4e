#include "TestDispatcher.h"
#include <stdexcept>

namespace {

// wine maps the Linux root to drive Z:
std::string ExecutablePath() {
    std::string path = TEST_DISPATCHER_EXE;
    if (path.empty() || path[0] != '/') return path;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return "Z:" + path;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char className[64] = {};
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    GetClassNameA(window, className, sizeof(className));
    if (owner != search->processId || std::string(className) != "TDornMain") return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

void TestDispatcher::Start(const std::string& arguments) {
    Stop();
    std::string command = "\"" + ExecutablePath() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        process_ = {};
        throw std::runtime_error("CreateProcessA " + command + " failed, error " + std::to_string(GetLastError()));
    }
    CloseHandle(process_.hThread);
    process_.hThread = nullptr;
    for (ULONGLONG end = GetTickCount64() + kStartTimeoutMs; !(window_ = FindOwnWindow()); Sleep(10)) {
        if (GetTickCount64() >= end || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) {
            Stop();
            throw std::runtime_error("testdorn4.exe showed no window");
        }
    }
}

void TestDispatcher::Stop() {
    if (!process_.hProcess) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 3000) != WAIT_OBJECT_0) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
    CloseHandle(process_.hProcess);
    process_ = {};
    window_ = nullptr;
}

HWND TestDispatcher::FindOwnWindow() const {
    WindowSearch search{process_.dwProcessId, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
