// Both programs as delivered: started as processes in a program directory of their
// own, found by the captions of their main windows, and closed as an operator does.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "TempDir.h"

namespace {

// A path of the build machine as the prefix sees it (drive Z: is the host's root).
std::string HostPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

class RunningProgram {
public:
    RunningProgram(const TempDir& dir, const std::string& exe) {
        std::string copy = dir.File(exe.substr(exe.find_last_of("/\\") + 1));
        EXPECT_TRUE(CopyFileA(HostPath(exe).c_str(), copy.c_str(), FALSE)) << exe;
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        std::string command = "\"" + copy + "\"";
        EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dir.Path().c_str(), &si, &process_));
    }
    ~RunningProgram() {
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Exited(DWORD milliseconds) { return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0; }

private:
    PROCESS_INFORMATION process_{};
};

// The visible top-level window with this caption, waited for up to ten seconds.
HWND WaitForWindow(const wchar_t* caption) {
    for (int i = 0; i < 200; ++i) {
        HWND window = FindWindowW(nullptr, caption);
        if (window && IsWindowVisible(window)) return window;
        Sleep(50);
    }
    return nullptr;
}

TEST(Programs, TheConfiguratorOpensItsMainWindowAndClosesFromIt) {
    TempDir dir;
    dir.Write("voice.ini", "");  // no notice about a missing voice.ini
    RunningProgram program(dir, CONFIGURATOR_EXE);
    HWND main = WaitForWindow(L"Настройка шлюза RAX40GW");
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.Exited(10000));
}

TEST(Programs, TheMonitorOpensItsMainWindowAndClosesAfterTheQuestion) {
    TempDir dir;
    RunningProgram program(dir, MONITOR_EXE);
    HWND main = WaitForWindow(L"Монитор шлюза RAX40GW");
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND question = WaitForWindow(L"Монитор Rax40GW");
    ASSERT_NE(question, nullptr);
    SendMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
    EXPECT_TRUE(program.Exited(10000));
}

}  // namespace
