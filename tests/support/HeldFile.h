#pragma once
// A file held open by "another program" for the duration of a test, with the sharing
// the test names.
#include <string>
#include <windows.h>

// Another program holding a file open: with no sharing at all, or letting others read
// and write it but not delete or replace it; or a reader that lets others do anything.
class HeldFile {
public:
    HeldFile(const std::string& path, DWORD sharing, DWORD access = GENERIC_READ | GENERIC_WRITE)
        : handle_(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Close(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    HANDLE Handle() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Close() {
        if (IsOpen()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};
