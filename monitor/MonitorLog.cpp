// The monitor's log "R40GWmonitor.txt" and the items of the menu "Журнал".
#include <windows.h>
#include <shellapi.h>
#include <cstdio>
#include "DateTime.h"
#include "Files.h"
#include "Menus.h"
#include "R40gwmonitor.h"

// The file is opened for each line and closed again, so it can be read, edited or
// deleted between two lines; a line that cannot be written is lost without a word.
// C stdio rather than a file stream keeps the C++ locale machinery out of the program.
void TR40Mon::WriteLog(const AnsiString& text) {
    if (!mLog->Checked()) return;
    FILE* log = fopen(LogFileName.c_str(), "a");  // text mode: "\n" goes out as CR LF
    if (!log) return;
    AnsiString line = DateTimeToStr(Now()) + text + "\n";
    fwrite(line.data(), 1, line.size(), log);
    fclose(log);
}

void TR40Mon::mLogClick(TObject*) { mLog->SetChecked(!mLog->Checked()); }

// Opens the log in the program registered for editing text files.
void TR40Mon::mShowLogClick(TObject*) {
    if (!FileExists(LogFileName)) return;
    ShellExecuteA(Handle(), "edit", LogFileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TR40Mon::mClearLogClick(TObject*) { DeleteFileAt(LogFileName); }
