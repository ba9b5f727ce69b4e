#pragma once
// Writing a whole file in one step. The new bytes go to a temporary file of their own
// beside the target, are flushed to the disk, and that file then takes the target's
// place in one rename. Until then the target keeps its old bytes whole, and a failure at
// any point leaves it as it was and no temporary file behind. A reader that holds the
// old file open (letting others delete it) keeps reading the old bytes: such a file is
// first renamed aside, and put back if the new one cannot take its name.
//
// The temporary file is always a new one (created only where no file of that name
// exists), so the save can never write over or delete a file of the operator's.
#include <cstdint>
#include <string_view>
#include "AnsiString.h"

// 0 when path now holds bytes; otherwise the system's error code (GetLastError on
// Windows, errno elsewhere), and path is as it was.
uint32_t ReplaceFileContents(const AnsiString& path, std::string_view bytes);

// Test seam: a disk with only this many bytes left for the temporary files, so that a
// write fails midway as on a full disk (ERROR_DISK_FULL, ENOSPC); -1 takes it away.
void SetFreeDiskSpaceForTests(int64_t bytes);
