#include "ProcessCounts.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

namespace {

bool UnderWine() {
    static bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// --- handles: the system's handle list -------------------------------------------

constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

struct HandleEntry {
    USHORT ProcessId;
    USHORT CreatorBackTraceIndex;
    UCHAR ObjectType;
    UCHAR Attributes;
    USHORT Handle;
    PVOID Object;
    ULONG GrantedAccess;
};

struct HandleList {
    ULONG Count;
    HandleEntry Entries[1];
};

long HandlesInSystemList() {
    static std::vector<BYTE> buffer(256 * 1024);  // kept: the list of every process is large
    ULONG needed = 0;
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                             static_cast<ULONG>(buffer.size()), &needed)) == kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) return -1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    auto self = static_cast<USHORT>(GetCurrentProcessId());
    long count = 0;
    for (ULONG i = 0; i < list->Count; ++i)
        if (list->Entries[i].ProcessId == self) ++count;
    return count;
}

// --- GDI objects: Wine's handle table ----------------------------------------------

// Wine's entry: the object (8 bytes), the owner (4), the unique number (2), the type (1,
// 0 when the entry is free), flags (1) and the user pointer (8), in 32- and 64-bit alike.
constexpr size_t kGdiEntrySize = 24, kGdiTypeOffset = 14, kGdiEntries = 0x10000;
// Where the process environment block holds the table's address.
constexpr size_t kGdiTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;

long GdiObjectsInWineTable() {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0)
        return -1;
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const BYTE* const*>(peb + kGdiTableInPeb);
    if (!table) return -1;
    long count = 0;
    for (size_t i = 0; i < kGdiEntries; ++i)
        if (table[i * kGdiEntrySize + kGdiTypeOffset] != 0) ++count;
    return count;
}

// --- USER objects: windows enumerated, menus and icons tried -------------------------

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<long*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindowTree(HWND window, LPARAM count) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != GetCurrentProcessId()) return TRUE;
    CountWindow(window, count);
    EnumChildWindows(window, CountWindow, count);  // all descendants
    return TRUE;
}

long OwnWindows() {
    long count = 0;
    EnumWindows(CountOwnWindowTree, reinterpret_cast<LPARAM>(&count));
    for (HWND window = nullptr; (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr));)
        CountOwnWindowTree(window, reinterpret_cast<LPARAM>(&count));
    return count;
}

// USER handle numbers run from 0x20 to 0xFFEF in steps of 2 (the high word only tells
// the reuses of a number apart).
constexpr UINT kFirstUserHandle = 0x20, kLastUserHandle = 0xFFEF;

long OwnMenusAndIcons() {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = SelectObject(dc, canvas);
    long count = 0;
    for (UINT number = kFirstUserHandle; number <= kLastUserHandle; number += 2) {
        HANDLE handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(number));
        if (IsMenu(static_cast<HMENU>(handle))) ++count;
        // Drawing fails for anything but an icon or cursor of this process.
        else if (DrawIconEx(dc, 0, 0, static_cast<HICON>(handle), 1, 1, 0, nullptr, DI_NORMAL)) ++count;
    }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
    return count;
}

long long PageFileUsage() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory))) return -1;
    return static_cast<long long>(memory.PagefileUsage);
}

}  // namespace

// Memory first, before the other measures touch the heap; GDI before the USER probe,
// which makes and frees a drawing context.
ProcessCounts ProcessCounts::Now() {
    ProcessCounts counts;
    counts.CommittedBytes = PageFileUsage();
    if (!UnderWine()) {
        DWORD handles = 0;
        counts.Handles = GetProcessHandleCount(GetCurrentProcess(), &handles) ? static_cast<long>(handles) : -1;
        counts.GdiObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
        counts.UserObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
        return counts;
    }
    counts.Handles = HandlesInSystemList();
    counts.GdiObjects = GdiObjectsInWineTable();
    counts.UserObjects = OwnWindows() + OwnMenusAndIcons();
    return counts;
}

bool ProcessCounts::Taken() const { return Handles > 0 && UserObjects > 0 && GdiObjects > 0 && CommittedBytes > 0; }

ProcessCounts ProcessCounts::Minus(const ProcessCounts& earlier) const {
    ProcessCounts growth;
    growth.Handles = Handles - earlier.Handles;
    growth.UserObjects = UserObjects - earlier.UserObjects;
    growth.GdiObjects = GdiObjects - earlier.GdiObjects;
    growth.CommittedBytes = CommittedBytes - earlier.CommittedBytes;
    return growth;
}

void CountsLog::Take(long tick) { Add(tick, ProcessCounts::Now()); }

void CountsLog::Add(long tick, const ProcessCounts& counts) {
    if (out_) {
        if (samples_.empty())
            std::fprintf(out_, "%10s %8s %8s %8s %14s\n", "ticks", "handles", "USER", "GDI", "committed KB");
        std::fprintf(out_, "%10ld %8ld %8ld %8ld %14lld\n", tick, counts.Handles, counts.UserObjects, counts.GdiObjects,
                     counts.CommittedBytes / 1024);
        std::fflush(out_);
    }
    samples_.push_back({tick, counts});
}

ProcessCounts CountsLog::GrowthSince(long tick) const {
    for (const Sample& sample : samples_)
        if (sample.Tick >= tick) return samples_.back().Counts.Minus(sample.Counts);
    return {};
}

std::string CountsLog::Describe(const ProcessCounts& growth) {
    char text[160];
    std::snprintf(text, sizeof(text), "handles %+ld, USER %+ld, GDI %+ld, committed %+lld KB", growth.Handles,
                  growth.UserObjects, growth.GdiObjects, growth.CommittedBytes / 1024);
    return text;
}

void ExpectFlat(const CountsLog& log, long sinceTick, long long memorySlack) {
    std::vector<CountsLog::Sample> since;
    for (const CountsLog::Sample& sample : log.Samples())
        if (sample.Tick >= sinceTick) since.push_back(sample);
    if (since.size() < 2) {
        ADD_FAILURE() << since.size() << " sample(s) of the counts from tick " << sinceTick << " on: no growth to see";
        return;
    }
    for (const CountsLog::Sample& sample : since) {
        const ProcessCounts& c = sample.Counts;
        EXPECT_TRUE(c.Taken()) << "counts at tick " << sample.Tick << " not taken: handles " << c.Handles << ", USER "
                               << c.UserObjects << ", GDI " << c.GdiObjects << ", committed " << c.CommittedBytes;
    }
    ProcessCounts growth = log.GrowthSince(sinceTick);
    std::string described = CountsLog::Describe(growth);
    EXPECT_EQ(growth.Handles, 0) << described;
    EXPECT_EQ(growth.UserObjects, 0) << described;
    EXPECT_EQ(growth.GdiObjects, 0) << described;
    EXPECT_LE(growth.CommittedBytes, memorySlack) << described;
}
