#pragma once
// The stand-in for Dorn4 (testdorn4.exe) running as a process of its own for the
// duration of one test, its answer set by arguments such as "--reply 0x05000001".
// Failures to start it throw std::runtime_error.
#include <string>
#include <windows.h>

class TestDispatcher {
public:
    static constexpr DWORD kStartTimeoutMs = 10000;

    TestDispatcher() = default;
    // Started at once.
    explicit TestDispatcher(const std::string& arguments) { Start(arguments); }
    ~TestDispatcher() { Stop(); }
    TestDispatcher(const TestDispatcher&) = delete;
    TestDispatcher& operator=(const TestDispatcher&) = delete;

    // Starts the program and waits until its window exists.
    void Start(const std::string& arguments = "");
    // Closes its window and waits until the process has ended; a program that does not
    // end (one held in a long query) is terminated.
    void Stop();

    HWND Window() const { return window_; }

private:
    HWND FindOwnWindow() const;

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};
