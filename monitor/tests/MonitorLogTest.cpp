// The monitor's log "R40GWmonitor.txt" as its main window writes it, with the clock
// fixed: the lines of a run and their timestamps, switching the log off and on,
// clearing it and opening it in the editor registered for text files (the prefix's
// notepad).
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "MonitorFixture.h"

namespace monitor_test {
namespace {

class MonitorLog : public MonitorFixture {
protected:
    void SetUp() override {
        MonitorFixture::SetUp();
        FixClockAt(7, 8, 9, 10);
    }

    void FixClockAt(WORD hour, WORD minute, WORD second, WORD ms) {
        SYSTEMTIME moment{2024, 3, 2, 5, hour, minute, second, ms};
        SetNowForTests(&moment);
    }

    bool LogExists() { return dir.Exists("R40GWmonitor.txt"); }
    std::string Log() { return dir.Read("R40GWmonitor.txt"); }
};

struct EditorSearch {
    std::wstring fileName;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchEditor(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<EditorSearch*>(lParam);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) == L"Notepad" && WindowText(window).find(search->fileName) != std::wstring::npos)
        search->found.push_back(window);
    return TRUE;
}

// The top-level windows of the text editor (wine's notepad) showing `fileName`.
std::vector<HWND> EditorWindows(const std::wstring& fileName) {
    EditorSearch search{fileName, {}};
    EnumWindows(MatchEditor, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> WaitForEditor(const std::wstring& fileName, DWORD timeoutMs) {
    std::vector<HWND> windows;
    for (ULONGLONG end = GetTickCount64() + timeoutMs; GetTickCount64() < end; Sleep(50))
        if (!(windows = EditorWindows(fileName)).empty()) break;
    return windows;
}

void EndEditors(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (!process) continue;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

TEST_F(MonitorLog, RunWritesTheStartMemoryAndEndLines) {
    gateway.Install();  // stopped: nothing measured
    Open();
    Tick();
    CloseAnswering(IDNO);  // no end line while the program goes on
    FixClockAt(23, 59, 59, 0);
    CloseAnswering(IDYES);
    EXPECT_EQ(Log(),
              "05.03.2024 07:08:09 > Запуск программы...\r\n"
              "05.03.2024 07:08:09 > Занято памяти: 0 кБайт...\r\n"
              "05.03.2024 23:59:59 > Завершение программы...\r\n");
}

// At midnight the timestamp is the date alone, which the messages without a leading
// space then follow directly.
TEST_F(MonitorLog, RestartWritesTheMemoryStopAndStartLinesInOrder) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    MeasureAs(51 * kMegabyte + 1023);
    TR40Mon& form = Open();
    FixClockAt(0, 0, 0, 0);
    Tick();
    EXPECT_EQ(Log(),
              "05.03.2024 07:08:09 > Запуск программы...\r\n"
              "05.03.2024 > Занято памяти: 52224 кБайт...\r\n"
              "05.03.2024Выполняется остановка службы Rax40 Gateway...\r\n"
              "05.03.2024Выполняется запуск службы Rax40 Gateway...\r\n");
    EXPECT_EQ(form.RestartCnt, 1);
    EXPECT_TRUE(TickUntilRunningAgain(before));
}

// The log goes on and off with the menu item; the switch shows from the next line on.
TEST_F(MonitorLog, NothingIsWrittenWhileTheLogIsOff) {
    dir.Write("R40GWmonitor.ini", "[R40Mon]\r\nLog=0\r\nPeriod=0\r\n");
    TR40Mon& form = Open();
    Tick();
    EXPECT_FALSE(LogExists());

    Choose(form.mLog);
    EXPECT_TRUE(form.mLog->Checked());
    Tick(61);  // the next check
    EXPECT_EQ(Log(), "05.03.2024 07:08:09 > Занято памяти: 0 кБайт...\r\n");

    Choose(form.mLog);
    EXPECT_FALSE(form.mLog->Checked());
    Tick(61);
    CloseAnswering(IDYES);
    EXPECT_EQ(Log(), "05.03.2024 07:08:09 > Занято памяти: 0 кБайт...\r\n");
}

TEST_F(MonitorLog, ClearingDeletesTheFileAndTheNextLineStartsItAgain) {
    TR40Mon& form = Open();
    ASSERT_TRUE(LogExists());
    Choose(form.mClearLog);
    EXPECT_FALSE(LogExists());
    Choose(form.mClearLog);  // nothing to delete: nothing happens
    Tick();
    EXPECT_EQ(Log(), "05.03.2024 07:08:09 > Занято памяти: 0 кБайт...\r\n");
}

TEST_F(MonitorLog, LineThatCannotBeWrittenIsLost) {
    TR40Mon& form = Open();
    form.LogFileName = dir.File("missing\\R40GWmonitor.txt");
    Tick();
    EXPECT_FALSE(dir.Exists("missing\\R40GWmonitor.txt"));
    EXPECT_EQ(form.CheckCountdown, 300);  // the check went on
}

TEST_F(MonitorLog, ShowOpensTheLogInTheEditorOnlyWhenItExists) {
    EndEditors(EditorWindows(L"R40GWmonitor"));
    TR40Mon& form = Open();
    Choose(form.mClearLog);
    Choose(form.mShowLog);
    EXPECT_TRUE(WaitForEditor(L"R40GWmonitor", 1500).empty());

    Tick();  // writes the file again
    Choose(form.mShowLog);
    std::vector<HWND> editors = WaitForEditor(L"R40GWmonitor", 10000);
    EXPECT_EQ(editors.size(), 1u);
    EndEditors(editors);
}

}  // namespace
}  // namespace monitor_test
