#pragma once
// The monitor's main window in-process for one test, in a temporary program directory,
// with the gateway's service name kept free by the service fixture and the link to Dorn4
// starting empty. The real timer is switched off; the tests send its ticks themselves,
// as the system's timer message brings them.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "Application.h"
#include "DateTime.h"
#include "Files.h"
#include "Menus.h"
#include "ProcessAccess.h"
#include "R40gwmonitor.h"
#include "StatusBar.h"
#include "TempDir.h"
#include "TestGateway.h"
#include "Timer.h"

namespace monitor_test {

constexpr DWORD kMegabyte = 1024 * 1024;

struct MessageBoxCall {
    AnsiString text, caption;
    unsigned flags;
};

inline std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

class MonitorFixture : public testing::Test {
protected:
    TempDir dir;
    TestGateway gateway;
    std::vector<MessageBoxCall> boxes;
    int answer = IDYES;

    void SetUp() override {
        SetProgramDirectoryForTests(dir.Path());
        Dispatcher = DispatcherLink{};
        Application.OnMessageBox = [this](const AnsiString& text, const AnsiString& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return answer;
        };
    }

    void TearDown() override {
        Application.DestroyForms();
        R40Mon = nullptr;
        Application.OnMessageBox = nullptr;
        Application.OnModalShown = nullptr;
        GatewayService.MeasureWorkingSetForTests = nullptr;
        SetOpenProcessForTests(nullptr);
        Dispatcher = DispatcherLink{};
        SetNowForTests(nullptr);
        SetProgramDirectoryForTests("");
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}  // left by a close
    }

    // Created as the program's entry creates it, and shown as its message loop does.
    TR40Mon& Open() {
        Application.CreateForm(R40Mon);
        R40Mon->Timer1->SetEnabled(false);
        R40Mon->Show();
        return *R40Mon;
    }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i)
            SendMessageW(R40Mon->Timer1->Handle(), WM_TIMER, R40Mon->Timer1->Id(), 0);
    }

    // The close box of the main window, the closing question answered with `reply`.
    void CloseAnswering(int reply) {
        answer = reply;
        SendMessageW(R40Mon->Handle(), WM_CLOSE, 0, 0);
    }

    // The menu item chosen as a user chooses it.
    void Choose(TMenuItem* item) { SendMessageW(R40Mon->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0); }

    std::wstring PanelText(int index) {
        wchar_t text[256] = {};
        SendMessageW(R40Mon->StatusBar1->Handle(), SB_GETTEXTW, index, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // The service's process measured as `bytes`; a stopped service still measures 0.
    void MeasureAs(DWORD bytes) {
        GatewayService.MeasureWorkingSetForTests = [bytes](DWORD processId) { return processId ? bytes : 0u; };
    }

    // Fixes the clock at a midnight, where the log's timestamp is the date alone.
    void FixClockAtMidnight() {
        SYSTEMTIME midnight{2024, 3, 2, 5, 0, 0, 0, 0};
        SetNowForTests(&midnight);
        stamp_ = DateTimeToStr(midnight);
    }

    // The lines of the log without their timestamps, the clock fixed at midnight.
    std::vector<std::string> LogMessages() {
        std::vector<std::string> messages;
        if (!dir.Exists("R40GWmonitor.txt")) return messages;
        std::string text = dir.Read("R40GWmonitor.txt");
        for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            messages.push_back(text.substr(start + stamp_.size(), end - start - stamp_.size()));
        return messages;
    }

    // Sends ticks a tenth of a second apart until the service runs a process other than
    // `oldProcess`; false when it has not within the time.
    bool TickUntilRunningAgain(DWORD oldProcess, DWORD timeoutMs = 20000) {
        ULONGLONG end = GetTickCount64() + timeoutMs;
        while (GetTickCount64() < end) {
            if (gateway.State() == SERVICE_RUNNING && gateway.ProcessId() != oldProcess) return true;
            Sleep(100);
            Tick();
        }
        return false;
    }

private:
    std::string stamp_;
};

}  // namespace monitor_test
