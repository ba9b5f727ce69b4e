// The measures of the endurance runs see what the process makes and frees, each kind in
// its own count: a measure that stayed flat whatever happened would pass every leak.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>
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

// A count that could not be taken (-1) or reads 0 stays the same from sample to sample,
// so its growth is 0: the check must fail it rather than pass it as flat.
TEST(ProcessCounts, ExpectFlatFailsWhatCouldNotBeMeasured) {
    const ProcessCounts good{40, 30, 120, 30'000'000};
    auto with = [&good](long ProcessCounts::*count, long value) {
        ProcessCounts c = good;
        c.*count = value;
        return c;
    };
    ProcessCounts noMemory = good;
    noMemory.CommittedBytes = -1;
    ProcessCounts grown = with(&ProcessCounts::Handles, 41);
    struct Case {
        const char* what;
        std::vector<CountsLog::Sample> samples;
        long since;  // the end of the warm-up
        bool passes;
    };
    const std::vector<Case> cases = {
        {"two good samples", {{0, good}, {100, good}}, 0, true},
        {"handles grew", {{0, good}, {100, grown}}, 0, false},
        {"handles not taken", {{0, with(&ProcessCounts::Handles, -1)}, {100, with(&ProcessCounts::Handles, -1)}}, 0,
         false},
        {"USER objects read 0", {{0, with(&ProcessCounts::UserObjects, 0)}, {100, with(&ProcessCounts::UserObjects, 0)}},
         0, false},
        {"GDI objects not taken at the end", {{0, good}, {100, with(&ProcessCounts::GdiObjects, -1)}}, 0, false},
        {"memory not taken", {{0, noMemory}, {100, noMemory}}, 0, false},
        {"one sample only", {{0, good}}, 0, false},
        {"no sample after the warm-up", {{0, good}, {10, good}}, 50, false},
    };
    for (const Case& c : cases) {
        CountsLog log;
        for (const CountsLog::Sample& sample : c.samples) log.Add(sample.Tick, sample.Counts);
        testing::TestPartResultArray failures;
        {
            testing::ScopedFakeTestPartResultReporter reporter(
                testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            ExpectFlat(log, c.since, 64 * 1024);
        }
        EXPECT_EQ(failures.size() == 0, c.passes) << c.what;
    }
}

}  // namespace
