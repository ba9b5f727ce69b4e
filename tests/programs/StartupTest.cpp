// Both programs as delivered: started as processes in a program directory of their
// own, found by the captions of their main windows, and closed as an operator does; the
// monitor's debug privilege, with the tokens an administrator's programs may have.
#include <gtest/gtest.h>
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>
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
    // Started with this process's token, or with `token` when one is given.
    RunningProgram(const TempDir& dir, const std::string& exe, HANDLE token = nullptr) {
        std::string copy = dir.File(exe.substr(exe.find_last_of("/\\") + 1));
        EXPECT_TRUE(CopyFileA(HostPath(exe).c_str(), copy.c_str(), FALSE)) << exe;
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        std::string command = "\"" + copy + "\"";
        if (token)
            EXPECT_TRUE(CreateProcessAsUserA(token, nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                             dir.Path().c_str(), &si, &process_));
        else
            EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                       dir.Path().c_str(), &si, &process_));
    }
    ~RunningProgram() {
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Exited(DWORD milliseconds) { return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0; }
    HANDLE Process() const { return process_.hProcess; }

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

// The closing question of the monitor, answered Yes.
void CloseMonitor(HWND main) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND question = WaitForWindow(L"Монитор Rax40GW");
    ASSERT_NE(question, nullptr);
    SendMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
}

enum class Privilege { Missing, Disabled, Enabled };

void PrintTo(Privilege privilege, std::ostream* out) {
    *out << (privilege == Privilege::Missing ? "missing" : privilege == Privilege::Disabled ? "disabled" : "enabled");
}

LUID DebugPrivilegeId() {
    LUID id{};
    EXPECT_TRUE(LookupPrivilegeValueA(nullptr, SE_DEBUG_NAME, &id));
    return id;
}

Privilege DebugPrivilegeOf(HANDLE token) {
    std::vector<char> buffer(4096);
    DWORD size = 0;
    EXPECT_TRUE(GetTokenInformation(token, TokenPrivileges, buffer.data(), static_cast<DWORD>(buffer.size()), &size));
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    LUID debug = DebugPrivilegeId();
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& privilege = privileges->Privileges[i];
        if (privilege.Luid.LowPart == debug.LowPart && privilege.Luid.HighPart == debug.HighPart)
            return privilege.Attributes & SE_PRIVILEGE_ENABLED ? Privilege::Enabled : Privilege::Disabled;
    }
    return Privilege::Missing;
}

Privilege DebugPrivilegeOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    EXPECT_TRUE(OpenProcessToken(process, TOKEN_QUERY, &token));
    Privilege state = DebugPrivilegeOf(token);
    CloseHandle(token);
    return state;
}

// A token of an administrator's program: this process's own, holding the debug privilege
// disabled as a new logon's token does, or without the privilege at all.
class ProgramToken {
public:
    explicit ProgramToken(bool holdsDebugPrivilege) {
        HANDLE own = nullptr;
        EXPECT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &own));
        LUID_AND_ATTRIBUTES debug{DebugPrivilegeId(), 0};
        if (holdsDebugPrivilege) {
            EXPECT_TRUE(DuplicateTokenEx(own, TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation, TokenPrimary, &token_));
            TOKEN_PRIVILEGES disabled{1, {debug}};
            EXPECT_TRUE(AdjustTokenPrivileges(token_, FALSE, &disabled, sizeof(disabled), nullptr, nullptr));
        } else {
            EXPECT_TRUE(CreateRestrictedToken(own, 0, 0, nullptr, 1, &debug, 0, nullptr, &token_));
        }
        CloseHandle(own);
    }
    ~ProgramToken() { CloseHandle(token_); }
    HANDLE Handle() const { return token_; }

private:
    HANDLE token_ = nullptr;
};

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
    CloseMonitor(main);
    EXPECT_TRUE(program.Exited(10000));
}

// Held, the privilege is enabled by the time the window shows. Without it (a token that
// does not hold it, which Windows answers as it does here) the monitor runs as ever.
TEST(Programs, TheMonitorEnablesTheDebugPrivilegeWhereItsTokenHoldsIt) {
    for (bool holds : {true, false}) {
        SCOPED_TRACE(holds ? "held" : "not held");
        ProgramToken token(holds);
        ASSERT_EQ(DebugPrivilegeOf(token.Handle()), holds ? Privilege::Disabled : Privilege::Missing);
        TempDir dir;
        RunningProgram program(dir, MONITOR_EXE, token.Handle());
        HWND main = WaitForWindow(L"Монитор шлюза RAX40GW");
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(DebugPrivilegeOfProcess(program.Process()), holds ? Privilege::Enabled : Privilege::Missing);
        CloseMonitor(main);
        EXPECT_TRUE(program.Exited(10000));
    }
}

}  // namespace
