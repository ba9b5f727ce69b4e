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
#include <cstdint>
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

// Test seam: the renames that replaces make from now on are counted from 1, and those
// whose numbers are listed fail as a rename that the system refuses (ERROR_ACCESS_DENIED,
// EACCES); an empty list takes it away.
void FailRenamesForTests(std::vector<int> renames);
