#include "Registration.h"
#include <cstdio>
#include <windows.h>

namespace {

const char* const kServiceName = "RAX40 Gateway";

bool Fail(const char* call) {
    std::fprintf(stderr, "testgateway: %s failed, error %lu\n", call, GetLastError());
    return false;
}

std::string OwnPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

bool Install(const std::string& behaviour) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return Fail("OpenSCManagerA");
    std::string binaryPath = "\"" + OwnPath() + "\"";
    if (!behaviour.empty()) binaryPath += " " + behaviour;
    SC_HANDLE service = CreateServiceA(manager, kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                       SERVICE_ERROR_NORMAL, binaryPath.c_str(), nullptr, nullptr,
                                       nullptr, nullptr, nullptr);
    bool installed = service != nullptr || Fail("CreateServiceA");
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    if (installed) std::printf("Installed \"%s\": %s\n", kServiceName, binaryPath.c_str());
    return installed;
}

bool Uninstall() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return Fail("OpenSCManagerA");
    SC_HANDLE service = OpenServiceA(manager, kServiceName, SERVICE_ALL_ACCESS);
    CloseServiceHandle(manager);
    if (!service) return Fail("OpenServiceA");
    SERVICE_STATUS status;
    ControlService(service, SERVICE_CONTROL_STOP, &status);  // a stopped service refuses; fine
    bool removed = DeleteService(service) || Fail("DeleteService");
    CloseServiceHandle(service);
    if (removed) std::printf("Removed \"%s\"\n", kServiceName);
    return removed;
}
