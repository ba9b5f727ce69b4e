#pragma once
// Writing a whole file in one step. The new bytes go to a temporary file of their own
// beside the target, are flushed to the disk, and that file then takes the target's
// place in one rename. Until then the target keeps its old bytes whole, and a failure
// leaves it as it was and no temporary file behind. A reader that holds the old file
// open (letting others delete it) keeps reading the old bytes: such a file is first
// renamed aside, and put back if the new one cannot take its name. Should neither the
// old nor the new file then take the name, both stay where they are and the result
// names them: no copy of either is deleted while it is the only one.
//
// The temporary file is always a new one (created only where no file of that name
// exists), so the save can never write over or delete a file of the operator's.
//
// A virus scanner or an indexer opens a freshly written file for a moment, and a rename
// then fails with a sharing violation or access denied. On Windows the replacing rename
// that fails so is tried again every 100 ms until about a second has passed by the clock;
// only then is the old file put aside, or the replace given up. Other failures are not
// tried again.
#include <climits>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>
#include "AnsiString.h"

struct FileReplaceResult {
    enum State {
        Replaced,      // path holds the new bytes
        Unchanged,     // path is as it was, and no other file is left
        OldFileAside,  // path holds neither: the old bytes lie at OldFile, the new at NewFile
    };
    State Files = Replaced;
    // The system's error code (GetLastError on Windows, errno elsewhere); 0 when Replaced.
    uint32_t Error = 0;
    AnsiString OldFile, NewFile;
};

FileReplaceResult ReplaceFileContents(const AnsiString& path, std::string_view bytes);

// Test seam: a disk with only this many bytes left for the temporary files, so that a
// write fails midway as on a full disk (ERROR_DISK_FULL, ENOSPC); -1 takes it away.
void SetFreeDiskSpaceForTests(int64_t bytes);

// Test seam: the renames that replaces make from now on are counted from 1 (a rename
// tried again counts once), and those listed fail as the system refuses a rename, at
// their first Tries tries, with Error or else ERROR_ACCESS_DENIED (EACCES); an empty list
// takes it away.
struct FailingRename {
    static constexpr int kEveryTry = INT_MAX;
    FailingRename(int number, uint32_t error = 0, int tries = kEveryTry) : Number(number), Error(error), Tries(tries) {}
    int Number;
    uint32_t Error;
    int Tries;
};
void FailRenamesForTests(std::vector<FailingRename> renames);

// Test seam: the clock in milliseconds that bounds the tries of a held-up rename, and the
// pause between them (GetTickCount64 and Sleep); empty functions give them back.
void SetRenameClockForTests(std::function<uint64_t()> now, std::function<void(uint32_t milliseconds)> pause);
