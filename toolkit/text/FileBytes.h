#pragma once
// A whole file read into memory, through the C library (shared for reading and writing
// with other handles, as the C++ file streams open files).
#include "AnsiString.h"

// False when the file cannot be opened or a read fails; `bytes` then holds what was read.
bool ReadFileBytes(const AnsiString& path, AnsiString& bytes);
