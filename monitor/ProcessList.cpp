// The list of the running processes with their memory, in ListBox1.
#include "ProcessList.h"
#include <psapi.h>
#include <cstdio>
#include <string>
#include "ListBox.h"
#include "ProcessAccess.h"
#include "R40gwmonitor.h"
#include "Unicode.h"

namespace {
constexpr DWORD kMaxProcesses = 1024;  // ids beyond these are not listed
constexpr DWORD kNameSize = 260;
constexpr DWORD kPathSize = 1024;  // a longer image path falls back to the module's name
constexpr size_t kLineSize = 1024;
}  // namespace

AnsiString FormatProcessLine(const char* name, DWORD processId, int kilobytes) {
    char line[kLineSize];
    snprintf(line, sizeof(line), "%-40s  (PID: %4u): %8d кБ", name, static_cast<unsigned>(processId), kilobytes);
    return line;
}

namespace {
// The file part of the executable's path. It needs only the limited query right, and a
// 32-bit monitor gets it also of a 64-bit process, whose modules it cannot list.
bool ReadImageName(HANDLE process, char (&name)[kNameSize]) {
    wchar_t path[kPathSize];
    DWORD size = kPathSize;
    if (!QueryFullProcessImageNameW(process, 0, path, &size)) return false;
    std::wstring full(path, size);
    AnsiString file = NameFromWide(full.substr(full.find_last_of(L'\\') + 1));
    if (file.empty()) return false;
    lstrcpynA(name, file.c_str(), kNameSize);
    return true;
}

// The base name of the first module, the process's executable.
void ReadModuleName(HANDLE process, char (&name)[kNameSize]) {
    HMODULE executable;
    DWORD needed;
    if (EnumProcessModules(process, &executable, sizeof(executable), &needed))
        GetModuleBaseNameA(process, executable, name, kNameSize);
}

// A process that cannot be opened reads "<unknown>" with 0 kB; one whose name cannot be
// read keeps "<unknown>" with its memory.
AnsiString ProcessLine(DWORD processId) {
    char name[kNameSize] = "<unknown>";
    HANDLE process = OpenProcessToMeasure(processId);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.WorkingSetSize = 0;
    if (process) {
        if (!ReadImageName(process, name)) ReadModuleName(process, name);
        GetProcessMemoryInfo(process, &memory, sizeof(memory));
        CloseHandle(process);
    }
    return FormatProcessLine(name, processId, static_cast<int>(memory.WorkingSetSize / 1024));
}
}  // namespace

// The process is let go before the list is touched, so a failing update leaks nothing.
void AddProcessLine(DWORD processId, int index) {
    AnsiString line = ProcessLine(processId);
    TListBox* list = R40Mon->ListBox1;
    if (index < list->Count()) list->SetItem(index, line);
    else list->AddItem(line);
}

// Rebuilt in place, so the selection stays where it was; surplus lines go from the end.
void TR40Mon::ShowProcsExecute(TObject*) {
    DWORD ids[kMaxProcesses];
    DWORD bytes = 0;
    if (!EnumProcesses(ids, sizeof(ids), &bytes)) return;
    int line = 0;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        if (ids[i] == 0) continue;
        AddProcessLine(ids[i], line);
        ++line;
    }
    while (ListBox1->Count() > line) ListBox1->DeleteItem(ListBox1->Count() - 1);
}
