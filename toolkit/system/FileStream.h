#pragma once
// An open handle on an existing file, closed with the object. Used to learn whether a
// file can be opened with the access and sharing asked for.
#include <cstdint>
#include "AnsiString.h"

// Access: one of these...
constexpr uint32_t fmOpenRead = 0x0000;
constexpr uint32_t fmOpenWrite = 0x0001;
constexpr uint32_t fmOpenReadWrite = 0x0002;
// ...combined with one of these; none is the same as fmShareExclusive.
constexpr uint32_t fmShareExclusive = 0x0010;
constexpr uint32_t fmShareDenyWrite = 0x0020;
constexpr uint32_t fmShareDenyNone = 0x0040;

class TFileStream {
public:
    // Throws EFOpenError "Cannot open file "<path>"" when the file is missing or the
    // access or sharing cannot be granted.
    TFileStream(const AnsiString& path, uint32_t mode);
    ~TFileStream();
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    void* Handle() const { return handle_; }

private:
    void* handle_;
};
