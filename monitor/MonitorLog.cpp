// The monitor's log "R40GWmonitor.txt" and the items of the menu "Журнал".
#include <windows.h>
#include <shellapi.h>
#include <fstream>
#include "DateTime.h"
#include "Files.h"
#include "Menus.h"
#include "R40gwmonitor.h"

// The file is opened for each line and closed again, so it can be read, edited or
// deleted between two lines; a line that cannot be written is lost without a word.
void TR40Mon::WriteLog(const AnsiString& text) {
    if (!mLog->Checked()) return;
    std::ofstream log(LogFileName, std::ios::out | std::ios::app);  // text mode: "\n" goes out as CR LF
    log << DateTimeToStr(Now()) << text << '\n' << std::flush;
}

void TR40Mon::mLogClick(TObject*) { mLog->SetChecked(!mLog->Checked()); }

// Opens the log in the program registered for editing text files.
void TR40Mon::mShowLogClick(TObject*) {
    if (!FileExists(LogFileName)) return;
    ShellExecuteA(Handle(), "edit", LogFileName.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TR40Mon::mClearLogClick(TObject*) { DeleteFileAt(LogFileName); }
