#pragma once
// Files of the program: its own directory and simple file queries.
#include "AnsiString.h"

// The directory of the program's executable, ending in a backslash.
AnsiString ProgramDirectory();
// Makes ProgramDirectory() give dir (a backslash is added when missing), so that a test
// can run a program's code on a temporary directory; an empty dir restores the real one.
void SetProgramDirectoryForTests(const AnsiString& dir);

// True for an existing file, false for a directory or nothing.
bool FileExists(const AnsiString& path);
// Named so as not to meet the system header's DeleteFile macro. False when it fails.
bool DeleteFileAt(const AnsiString& path);

// The system's own text for an error code (FormatMessage) in CP1251, without the line
// end it closes with; "error <code>" when the system has no text for it.
AnsiString SystemErrorText(unsigned long code);
