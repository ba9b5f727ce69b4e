#include "FileStream.h"
#include <windows.h>
#include "Exception.h"

namespace {

DWORD AccessOf(uint32_t mode) {
    switch (mode & 0x000F) {
        case fmOpenWrite: return GENERIC_WRITE;
        case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
        default: return GENERIC_READ;
    }
}

DWORD SharingOf(uint32_t mode) {
    switch (mode & 0x00F0) {
        case fmShareDenyWrite: return FILE_SHARE_READ;
        case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
        default: return 0;
    }
}

}  // namespace

TFileStream::TFileStream(const AnsiString& path, uint32_t mode)
    : handle_(CreateFileA(path.c_str(), AccessOf(mode), SharingOf(mode), nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw EFOpenError("Cannot open file \"" + path + "\"");
}

TFileStream::~TFileStream() { CloseHandle(handle_); }
