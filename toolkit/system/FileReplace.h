#pragma once
// Writing a whole file in one step. The new bytes go to a temporary file of their own
// beside the target, are flushed to the disk, and that file then takes the target's
// place in one replace. Until the replace the target keeps its old bytes whole, a reader
// that holds the old file open goes on reading the old bytes, and a failure at any point
// leaves the target as it was and no temporary file behind.
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
