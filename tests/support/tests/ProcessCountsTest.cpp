// The measures of the endurance runs see what the process makes and frees, each kind in
// its own count: a measure that stayed flat whatever happened would pass every leak.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <vector>
#include "ProcessCounts.h"

namespace {

constexpr int kMade = 10;

struct Kind {
    const char* name;
    std::function<HANDLE()> make;
    std::function<void(HANDLE)> free;
    long ProcessCounts::*count;
};

HWND MakeWindow(HWND parent, DWORD style) {
    return CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 1, 1, parent, nullptr, nullptr, nullptr);
}

HICON MakeIcon() {
    BYTE andMask[128], xorMask[128];
    memset(andMask, 0xFF, sizeof(andMask));
    memset(xorMask, 0, sizeof(xorMask));
    return CreateIcon(nullptr, 32, 32, 1, 1, andMask, xorMask);
}

TEST(ProcessCounts, EachMeasureCountsWhatIsMadeAndFreed) {
    HWND parent = MakeWindow(nullptr, WS_POPUP);
    auto destroyWindow = [](HANDLE h) { DestroyWindow(static_cast<HWND>(h)); };
    const std::vector<Kind> kinds = {
        {"events", [] { return CreateEventW(nullptr, FALSE, FALSE, nullptr); }, [](HANDLE h) { CloseHandle(h); },
         &ProcessCounts::Handles},
        {"brushes", [] { return static_cast<HANDLE>(CreateSolidBrush(RGB(1, 2, 3))); },
         [](HANDLE h) { DeleteObject(h); }, &ProcessCounts::GdiObjects},
        {"top-level windows", [] { return static_cast<HANDLE>(MakeWindow(nullptr, WS_POPUP)); }, destroyWindow,
         &ProcessCounts::UserObjects},
        {"child windows", [parent] { return static_cast<HANDLE>(MakeWindow(parent, WS_CHILD)); }, destroyWindow,
         &ProcessCounts::UserObjects},
        {"message-only windows", [] { return static_cast<HANDLE>(MakeWindow(HWND_MESSAGE, 0)); }, destroyWindow,
         &ProcessCounts::UserObjects},
        {"menus", [] { return static_cast<HANDLE>(CreatePopupMenu()); },
         [](HANDLE h) { DestroyMenu(static_cast<HMENU>(h)); }, &ProcessCounts::UserObjects},
        {"icons", [] { return static_cast<HANDLE>(MakeIcon()); },
         [](HANDLE h) { DestroyIcon(static_cast<HICON>(h)); }, &ProcessCounts::UserObjects},
    };
    ProcessCounts::Now();  // the first measure sets up what it keeps
    for (const Kind& kind : kinds) {
        ProcessCounts before = ProcessCounts::Now();
        std::vector<HANDLE> made;
        for (int i = 0; i < kMade; ++i) made.push_back(kind.make());
        ProcessCounts holding = ProcessCounts::Now();
        for (HANDLE h : made) kind.free(h);
        ProcessCounts after = ProcessCounts::Now();
        EXPECT_EQ(holding.Minus(before).*kind.count, kMade) << kind.name;
        EXPECT_EQ(after.Minus(before).*kind.count, 0) << kind.name;
    }
    DestroyWindow(parent);
}

TEST(ProcessCounts, CommittedMemoryFollowsMemoryInUse) {
    constexpr long long kBytes = 4 * 1024 * 1024;
    ProcessCounts before = ProcessCounts::Now();
    std::vector<char> used(kBytes, 1);
    ProcessCounts holding = ProcessCounts::Now();
    EXPECT_GE(holding.Minus(before).CommittedBytes, kBytes);
    EXPECT_LT(holding.Minus(before).CommittedBytes, 2 * kBytes);
}

}  // namespace
