#include "FileReplace.h"
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <utility>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

int64_t freeDiskSpaceForTests = -1;
std::vector<FailingRename> failingRenamesForTests;
int renamesSoFar = 0;
std::function<uint64_t()> clockForTests;
std::function<void(uint32_t)> pauseForTests;

// The number by which the seam knows the rename about to be made.
int NextRenameForTests() { return ++renamesSoFar; }

// The error with which the seam fails this try (from 0) of that rename, or 0.
uint32_t RenameFailureForTests(int rename, int attempt, uint32_t refusal) {
    for (const FailingRename& failing : failingRenamesForTests)
        if (failing.Number == rename && attempt < failing.Tries) return failing.Error ? failing.Error : refusal;
    return 0;
}

// How many of size bytes the disk takes before it is full.
size_t BytesTheDiskTakes(size_t size) {
    if (freeDiskSpaceForTests < 0) return size;
    return std::min(size, static_cast<size_t>(freeDiskSpaceForTests));
}

// A name beside the target that is new in every attempt: the process and a count.
AnsiString TemporaryName(const AnsiString& path, unsigned long processId) {
    static std::atomic<unsigned> count{0};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".~%lx-%x", processId, ++count);
    return path + suffix;
}

constexpr int kNameAttempts = 100;

FileReplaceResult Unchanged(uint32_t error) { return {FileReplaceResult::Unchanged, error, {}, {}}; }

#ifdef _WIN32

constexpr uint64_t kHeldUpRenameWaitMs = 1000;
constexpr uint64_t kHeldUpRenamePauseMs = 100;

uint64_t Milliseconds() { return clockForTests ? clockForTests() : GetTickCount64(); }

void Pause(uint64_t milliseconds) {
    if (pauseForTests) pauseForTests(static_cast<uint32_t>(milliseconds));
    else Sleep(static_cast<DWORD>(milliseconds));
}

// One try of the rename that the seam knows by that number.
BOOL TryRename(const AnsiString& from, const AnsiString& to, DWORD flags, int rename, int attempt) {
    if (DWORD error = RenameFailureForTests(rename, attempt, ERROR_ACCESS_DENIED)) {
        SetLastError(error);
        return FALSE;
    }
    return MoveFileExA(from.c_str(), to.c_str(), flags);
}

BOOL Rename(const AnsiString& from, const AnsiString& to, DWORD flags) {
    return TryRename(from, to, flags, NextRenameForTests(), 0);
}

bool MayBeHeldOpen(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED; }

// A scanner or an indexer holding a file open for a moment makes a rename fail as an open
// file does; such a rename is tried again every 100 ms until a second has passed. The
// clock bounds it, not a count of pauses: on Windows a Sleep lasts whole timer ticks
// (15.6 ms unless asked otherwise), and longer on a busy machine.
BOOL RenameWhenLetGo(const AnsiString& from, const AnsiString& to, DWORD flags) {
    const int rename = NextRenameForTests();
    const uint64_t waitEnds = Milliseconds() + kHeldUpRenameWaitMs;
    for (int attempt = 0;; ++attempt) {
        if (TryRename(from, to, flags, rename, attempt)) return TRUE;
        const DWORD error = GetLastError();
        const uint64_t now = Milliseconds();
        if (!MayBeHeldOpen(error) || now >= waitEnds) {
            SetLastError(error);
            return FALSE;
        }
        Pause(std::min(kHeldUpRenamePauseMs, waitEnds - now));
    }
}

// Created only where no file of that name exists.
HANDLE CreateTemporaryBeside(const AnsiString& path, AnsiString& name, DWORD& error) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = TemporaryName(path, GetCurrentProcessId());
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

DWORD WriteAndFlush(HANDLE file, std::string_view bytes) {
    const size_t taken = BytesTheDiskTakes(bytes.size());
    for (size_t written = 0; written < taken;) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(taken - written, 1 << 20)), done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr)) return GetLastError();
        written += done;
    }
    if (taken < bytes.size()) return ERROR_DISK_FULL;
    if (!FlushFileBuffers(file)) return GetLastError();
    return 0;
}

// The old file renamed to a new name beside it; 0, or the system's reason.
DWORD RenameAside(const AnsiString& path, AnsiString& aside) {
    for (int attempt = 0;; ++attempt) {
        aside = TemporaryName(path, GetCurrentProcessId());
        if (Rename(path, aside, MOVEFILE_WRITE_THROUGH)) return 0;
        DWORD error = GetLastError();
        if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == kNameAttempts) return error;
    }
}

// A reader that holds the target open (with delete sharing) stops a replacing rename;
// then the old file is renamed aside first, which the reader follows, and the new one
// takes its name. When it cannot, the old file goes back, or else the new one tries once
// more; neither rename replaces a file, so whatever has taken the name meanwhile stays.
// A read-only target or a directory is refused.
FileReplaceResult PutInPlaceOfAnOpenFile(const AnsiString& temporary, const AnsiString& path, DWORD error) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return Unchanged(error);
    AnsiString aside;
    if (DWORD refused = RenameAside(path, aside)) return Unchanged(refused);
    if (!Rename(temporary, path, MOVEFILE_WRITE_THROUGH)) {
        error = GetLastError();
        if (Rename(aside, path, MOVEFILE_WRITE_THROUGH)) return Unchanged(error);
        if (!Rename(temporary, path, MOVEFILE_WRITE_THROUGH))
            return {FileReplaceResult::OldFileAside, error, aside, temporary};
    }
    DeleteFileA(aside.c_str());  // gone once the reader lets go of it
    return {};
}

// One rename that replaces the target: at every moment the target is either the old
// file or the new one.
FileReplaceResult PutInPlace(const AnsiString& temporary, const AnsiString& path) {
    if (RenameWhenLetGo(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    DWORD error = GetLastError();
    if (!MayBeHeldOpen(error)) return Unchanged(error);
    return PutInPlaceOfAnOpenFile(temporary, path, error);
}

#endif

}  // namespace

void SetFreeDiskSpaceForTests(int64_t bytes) { freeDiskSpaceForTests = bytes; }

void FailRenamesForTests(std::vector<FailingRename> renames) {
    failingRenamesForTests = std::move(renames);
    renamesSoFar = 0;
}

void SetRenameClockForTests(std::function<uint64_t()> now, std::function<void(uint32_t milliseconds)> pause) {
    clockForTests = std::move(now);
    pauseForTests = std::move(pause);
}

#ifdef _WIN32

FileReplaceResult ReplaceFileContents(const AnsiString& path, std::string_view bytes) {
    AnsiString temporary;
    DWORD error = 0;
    HANDLE file = CreateTemporaryBeside(path, temporary, error);
    if (file == INVALID_HANDLE_VALUE) return Unchanged(error);
    error = WriteAndFlush(file, bytes);
    if (!CloseHandle(file) && error == 0) error = GetLastError();
    FileReplaceResult result = error == 0 ? PutInPlace(temporary, path) : Unchanged(error);
    if (result.Files == FileReplaceResult::Unchanged) DeleteFileA(temporary.c_str());
    return result;
}

#else

FileReplaceResult ReplaceFileContents(const AnsiString& path, std::string_view bytes) {
    AnsiString temporary;
    int file = -1;
    for (int attempt = 0; attempt < kNameAttempts && file < 0; ++attempt) {
        temporary = TemporaryName(path, static_cast<unsigned long>(getpid()));
        file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (file < 0 && errno != EEXIST) return Unchanged(errno);
    }
    if (file < 0) return Unchanged(EEXIST);
    int error = 0;
    const size_t taken = BytesTheDiskTakes(bytes.size());
    for (size_t written = 0; written < taken && error == 0;) {
        ssize_t done = write(file, bytes.data() + written, taken - written);
        if (done < 0) error = errno;
        else written += static_cast<size_t>(done);
    }
    if (error == 0 && taken < bytes.size()) error = ENOSPC;
    if (error == 0 && fsync(file) != 0) error = errno;
    if (close(file) != 0 && error == 0) error = errno;
    if (error == 0) error = static_cast<int>(RenameFailureForTests(NextRenameForTests(), 0, EACCES));
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error == 0) return {};
    unlink(temporary.c_str());
    return Unchanged(static_cast<uint32_t>(error));
}

#endif
