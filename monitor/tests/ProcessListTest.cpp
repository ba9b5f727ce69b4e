// The process list of the monitor's main window: the line of one process, and the list
// against the real processes of the prefix, refreshed by the ticks of the check loop;
// the names and memory read with the rights the system grants.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <winternl.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "Exception.h"
#include "ListBox.h"
#include "MonitorFixture.h"
#include "ProcessList.h"
#include "RefusedRights.h"
#include "Unicode.h"

namespace monitor_test {
namespace {

struct LineRow {
    const char* name;
    DWORD processId;
    int kilobytes;
    const char* line;
};

class ProcessLine : public testing::TestWithParam<LineRow> {};

TEST_P(ProcessLine, PadsTheNameToFortyColumnsAndAlignsTheNumbers) {
    const LineRow& row = GetParam();
    EXPECT_EQ(FormatProcessLine(row.name, row.processId, row.kilobytes), row.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProcessLine,
    testing::Values(
        LineRow{"explorer.exe", 1234, 20480, "explorer.exe                              (PID: 1234):    20480 кБ"},
        // a longer name is not cut: it pushes the rest of the line to the right
        LineRow{"gateway_watchdog_with_a_very_long_name_01.exe", 8, 0,
                "gateway_watchdog_with_a_very_long_name_01.exe  (PID:    8):        0 кБ"},
        // an id of five digits takes one column more
        LineRow{"<unknown>", 12345, 512, "<unknown>                                 (PID: 12345):      512 кБ"}));

// The process ids the system lists now, 0 left out.
std::vector<DWORD> RunningProcessIds() {
    DWORD ids[1024];
    DWORD bytes = 0;
    EXPECT_TRUE(EnumProcesses(ids, sizeof(ids), &bytes));
    std::vector<DWORD> result;
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i)
        if (ids[i] != 0) result.push_back(ids[i]);
    return result;
}

// The id that a line shows after "(PID:".
DWORD LineProcessId(const AnsiString& line) {
    size_t at = line.find("(PID:");
    return at == AnsiString::npos ? 0 : static_cast<DWORD>(std::stoul(line.substr(at + 5)));
}

// The part of a line before its kilobytes, which change from refresh to refresh.
AnsiString NameAndId(const AnsiString& name, DWORD processId) {
    AnsiString line = FormatProcessLine(name.c_str(), processId, 0);
    return line.substr(0, line.rfind(':') + 1);
}

// The handles that this process holds, as the system lists them.
int OwnHandleCount() {
    using Query = LONG(WINAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation"));
    std::vector<char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(SystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) < 0)
        buffer.resize(buffer.size() * 2);
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    int count = 0;
    for (ULONG i = 0; i < table->Count; ++i)
        if (table->Handle[i].OwnerPid == GetCurrentProcessId()) ++count;
    return count;
}

// This test program again, suspended: one process more until it is ended. Or, when an
// executable and a path are named, a copy of that executable at that path, suspended
// too, which goes with it.
class HelperProcess {
public:
    HelperProcess() {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        Start(path);
    }
    HelperProcess(const std::wstring& exe, const std::wstring& copy) : copy_(copy) {
        EXPECT_TRUE(CopyFileW(exe.c_str(), copy.c_str(), FALSE));
        Start(copy);
    }
    ~HelperProcess() {
        End();
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
        if (!copy_.empty()) DeleteFileW(copy_.c_str());
    }
    DWORD Id() const { return info_.dwProcessId; }
    void End() {
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 10000);
    }

private:
    void Start(const std::wstring& exe) {
        std::wstring command = L"\"" + exe + L"\" --gtest_list_tests";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                   nullptr, &si, &info_));
    }

    std::wstring copy_;
    PROCESS_INFORMATION info_{};
};

class ProcessListWindow : public MonitorFixture {
protected:
    void SetUp() override {
        MonitorFixture::SetUp();
        answer = IDNO;
    }

    // Opened as the program opens it (FormCreate fills the list), and past the first
    // tick, which checks the memory.
    TR40Mon& OpenPastTheFirstCheck() {
        TR40Mon& form = Open();
        Tick();
        return form;
    }

    // The ticks of the visible window up to the next one that leaves an odd count, which
    // refreshes the window.
    void RefreshByTimer() {
        do Tick();
        while ((R40Mon->CheckCountdown & 1) == 0);
    }

    std::vector<AnsiString> Lines() {
        std::vector<AnsiString> lines;
        for (int i = 0; i < R40Mon->ListBox1->Count(); ++i) lines.push_back(R40Mon->ListBox1->Item(i));
        return lines;
    }

    std::vector<DWORD> ListedIds() {
        std::vector<DWORD> ids;
        for (const AnsiString& line : Lines()) ids.push_back(LineProcessId(line));
        return ids;
    }

    // The list refreshed until it matches what the system lists right after (a process
    // of the prefix may come or go in between); true when it did.
    bool RefreshUntilListedAsRunning() {
        for (int attempt = 0; attempt < 5; ++attempt) {
            RefreshByTimer();
            if (ListedIds() == RunningProcessIds()) return true;
        }
        return false;
    }

    std::optional<AnsiString> LineOf(DWORD processId) {
        for (const AnsiString& line : Lines())
            if (LineProcessId(line) == processId) return line;
        return std::nullopt;
    }
};

TEST_F(ProcessListWindow, ListsEveryProcessWithANonZeroIdInTheSystemsOrder) {
    gateway.InstallRunning();
    TR40Mon& form = OpenPastTheFirstCheck();
    EXPECT_GT(form.ListBox1->Count(), 2);  // filled when the window was created
    ASSERT_TRUE(RefreshUntilListedAsRunning());

    std::optional<AnsiString> own = LineOf(GetCurrentProcessId());
    ASSERT_TRUE(own.has_value());
    EXPECT_EQ(own->substr(0, own->rfind(':') + 1), NameAndId("monitor_tests.exe", GetCurrentProcessId()));
    EXPECT_EQ(own->substr(own->size() - 3), " кБ");

    std::optional<AnsiString> service = LineOf(gateway.ProcessId());
    ASSERT_TRUE(service.has_value());
    EXPECT_EQ(service->substr(0, service->rfind(':') + 1), NameAndId("testgateway.exe", gateway.ProcessId()));
    int kilobytes = std::stoi(service->substr(service->rfind(':') + 1));
    EXPECT_GT(kilobytes, 0);
}

struct RightsRow {
    const char* label;
    DWORD full, limited;  // granted for each request (RefusedRights)
    const char* name;     // of the gateway's line
    bool measured;
};

void PrintTo(const RightsRow& row, std::ostream* out) { *out << row.label; }

class ProcessListRights : public ProcessListWindow, public testing::WithParamInterface<RightsRow> {};

// The limited query right gives the name and the memory; the module list, which needs
// the read right too, is then closed, as it is to a 32-bit monitor for every 64-bit
// process. A process that cannot be opened at all reads "<unknown>" with 0 kB.
TEST_P(ProcessListRights, NameAndMemoryNeedNoMoreThanTheLimitedQueryRight) {
    const RightsRow& row = GetParam();
    gateway.InstallRunning();
    RefusedRights rights(row.full, row.limited);
    OpenPastTheFirstCheck();
    ASSERT_TRUE(RefreshUntilListedAsRunning());

    std::optional<AnsiString> service = LineOf(gateway.ProcessId());
    ASSERT_TRUE(service.has_value());
    EXPECT_EQ(service->substr(0, service->rfind(':') + 1), NameAndId(row.name, gateway.ProcessId()));
    int kilobytes = std::stoi(service->substr(service->rfind(':') + 1));
    if (row.measured) EXPECT_GT(kilobytes, 0);
    else EXPECT_EQ(kilobytes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rights, ProcessListRights,
    testing::Values(RightsRow{"AllGranted", kQueryAndRead, kLimitedQuery, "testgateway.exe", true},
                    RightsRow{"LimitedQueryOnly", 0, kLimitedQuery, "testgateway.exe", true},
                    RightsRow{"NoneGranted", 0, 0, "<unknown>", false}),
    [](const testing::TestParamInfo<RightsRow>& info) { return std::string(info.param.label); });

// The name as the system spells it, in the list's CP1251: a letter that CP1251 lacks
// shows as "?", never as a look-alike. Read with the limited query right alone.
TEST_F(ProcessListWindow, NamesAreTheExecutablesFileNamesInTheListsCodePage) {
    const struct {
        const wchar_t* file;
        const char* listed;
    } names[] = {
        {L"Шлюз-тест.exe", "Шлюз-тест.exe"},
        {L"Gerät.exe", "Ger?t.exe"},
        {L"Ωμέγα.exe", "?????.exe"},
    };
    TempDir copies;
    std::wstring gatewayExe = SystemToWide(TestGateway::ExecutablePath());
    std::vector<std::unique_ptr<HelperProcess>> helpers;
    for (const auto& name : names)
        helpers.push_back(std::make_unique<HelperProcess>(gatewayExe, SystemToWide(copies.Path()) + name.file));
    RefusedRights rights(0, kLimitedQuery);
    OpenPastTheFirstCheck();
    ASSERT_TRUE(RefreshUntilListedAsRunning());

    for (size_t i = 0; i < helpers.size(); ++i) {
        SCOPED_TRACE(names[i].listed);
        std::optional<AnsiString> line = LineOf(helpers[i]->Id());
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(line->substr(0, line->rfind(':') + 1), NameAndId(names[i].listed, helpers[i]->Id()));
    }
}

TEST_F(ProcessListWindow, RefreshReplacesTheLinesInPlaceAndKeepsTheSelection) {
    TR40Mon& form = OpenPastTheFirstCheck();
    ASSERT_GT(form.ListBox1->Count(), 2);
    HWND list = form.ListBox1->Handle();
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);  // the operator clicks the third line
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    ASSERT_EQ(form.ListBox1->ItemIndex(), 2);
    int count = form.ListBox1->Count();

    RefreshByTimer();
    EXPECT_EQ(form.ListBox1->ItemIndex(), 2);
    EXPECT_EQ(form.ListBox1->Count(), count);
}

// An operator who has scrolled the list away from the selected line stays where he
// scrolled to: the refresh does not bring the selection back into view.
TEST_F(ProcessListWindow, RefreshLeavesTheListScrolledWhereTheOperatorScrolledIt) {
    TR40Mon& form = OpenPastTheFirstCheck();
    RECT window;
    GetWindowRect(form.Handle(), &window);
    SetWindowPos(form.Handle(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top - 170,
                 SWP_NOMOVE | SWP_NOZORDER);  // the operator makes the window lower: the list shows a few lines
    HWND list = form.ListBox1->Handle();
    ASSERT_GT(form.ListBox1->Count(), 5);
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);  // he selects the first line
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    for (int i = 0; i < 3; ++i) SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);  // and scrolls down
    ASSERT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
    ASSERT_EQ(form.ListBox1->ItemIndex(), 0);

    RefreshByTimer();
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
    EXPECT_EQ(form.ListBox1->ItemIndex(), 0);
}

// The lines line up in columns only in a fixed-pitch face: the list asks for "Courier New",
// which a system without that face replaces by some proportional one.
TEST_F(ProcessListWindow, DrawsTheLinesInAFixedPitchFontSoThatTheirColumnsAlign) {
    TR40Mon& form = Open();
    ASSERT_GT(form.ListBox1->Count(), 2);
    HWND list = form.ListBox1->Handle();
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    TEXTMETRICW metrics{};
    ASSERT_TRUE(GetTextMetricsW(dc, &metrics));
    EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "a variable-pitch face: " << FromWide(face);
    EXPECT_EQ(metrics.tmCharSet, RUSSIAN_CHARSET) << FromWide(face);  // "кБ" needs its Cyrillic letters

    // Where the id and the memory begin in each line, in pixels, as the list draws them.
    auto columnsOf = [dc](const AnsiString& line) {
        std::vector<LONG> columns;
        for (size_t at : {line.find("(PID:"), line.rfind(':') + 1}) {
            std::wstring before = ToWide(line.substr(0, at));
            SIZE size{};
            GetTextExtentPoint32W(dc, before.c_str(), static_cast<int>(before.size()), &size);
            columns.push_back(size.cx);
        }
        return columns;
    };
    std::vector<AnsiString> lines = Lines();
    for (const AnsiString& line : lines) EXPECT_EQ(columnsOf(line), columnsOf(lines[0])) << line;
    SelectObject(dc, old);
    ReleaseDC(list, dc);
}

// The process is let go before its line goes into the list, so a failing list update
// (here an index that the list does not have) leaves no handle open behind it.
TEST_F(ProcessListWindow, ALineThatCannotBePlacedLeavesNoProcessOpen) {
    Open();
    auto placeOwnLineAtMinusOne = [] { EXPECT_THROW(AddProcessLine(GetCurrentProcessId(), -1), EStringListError); };
    placeOwnLineAtMinusOne();  // what the system and the run-time open once for a first throw is open now
    int before = OwnHandleCount();
    placeOwnLineAtMinusOne();
    EXPECT_EQ(OwnHandleCount(), before);
}

TEST_F(ProcessListWindow, AddsTheLineOfANewProcessAndDropsTheSurplusOnceItHasEnded) {
    TR40Mon& form = OpenPastTheFirstCheck();
    HelperProcess helper;
    ASSERT_TRUE(RefreshUntilListedAsRunning());
    ASSERT_TRUE(LineOf(helper.Id()).has_value());
    int withHelper = form.ListBox1->Count();

    helper.End();
    ASSERT_TRUE(RefreshUntilListedAsRunning());
    EXPECT_FALSE(LineOf(helper.Id()).has_value());
    EXPECT_EQ(form.ListBox1->Count(), withHelper - 1);
}

}  // namespace
}  // namespace monitor_test
