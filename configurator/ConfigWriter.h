#pragma once
// Writing the configuration file: the check that no other program holds the gateway's
// file, where that file lies, and what a unit's comment becomes in it. The writing
// itself is the main window's CollectFormValues and SaveConfigFile.
#include "AnsiString.h"
#include "FileReplace.h"

// True when the file opens for reading and writing with nothing shared; false when
// another program holds it, it is missing, or access is refused. Shows nothing.
bool CanOpenExclusive(const AnsiString& path);

// "rax40gw.conf" in the program's directory: the file the gateway reads when it starts.
AnsiString GatewayConfigPath();

// A unit's comment as a load of the written file gives it back: on one line (a line
// break becomes a blank) and without the characters below code 33 at its ends, which the
// comment line of the file does not keep.
AnsiString UnitCommentAsWritten(const AnsiString& comment);

// For the operator, after a replace that left neither file under the target's name: where
// the old and the new file lie, in two lines.
AnsiString WhereTheFilesLie(const FileReplaceResult& replace);
