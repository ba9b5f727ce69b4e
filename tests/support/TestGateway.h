#pragma once
// The test service (testgateway.exe) registered in the Service Control Manager of the
// prefix, for the duration of one test. Failures of the system calls throw
// std::runtime_error naming the call and its error code.
#include <string>
#include <windows.h>

class TestGateway {
public:
    static constexpr const char* kDefaultName = "RAX40 Gateway";
    static constexpr DWORD kDefaultTimeoutMs = 20000;

    // Removes any service of that name left by an earlier run; installs nothing.
    explicit TestGateway(std::string name = kDefaultName);
    // Removes the service, waiting until its deletion is complete.
    ~TestGateway();
    TestGateway(const TestGateway&) = delete;
    TestGateway& operator=(const TestGateway&) = delete;

    // Registers testgateway.exe with the behaviour arguments, such as "--hold-mb 60".
    void Install(const std::string& arguments = "", DWORD startType = SERVICE_DEMAND_START);
    // New arguments take effect at the next start.
    void SetArguments(const std::string& arguments);
    // Install and start, and wait until it runs.
    void InstallRunning(const std::string& arguments = "");

    // Send the request and return at once.
    void Start();
    void Stop();
    void Control(DWORD control);
    // Stops the service whatever it accepts, and waits until it has stopped.
    void ForceStop();

    DWORD State() const;
    DWORD ProcessId() const;
    // False when the time-out ran out first.
    bool WaitForState(DWORD state, DWORD timeoutMs = kDefaultTimeoutMs) const;
    // Until the service is in none of the pending states.
    DWORD WaitWhilePending(DWORD timeoutMs = kDefaultTimeoutMs) const;

    // Stops and deletes the service and waits until the name is free again.
    void Remove();

    const std::string& Name() const { return name_; }
    // testgateway.exe as a Windows path.
    static std::string ExecutablePath();

private:
    SERVICE_STATUS_PROCESS Query() const;

    std::string name_;
};
