#pragma once
// What this process holds of the system's resources: kernel handles, USER objects
// (windows, menus, icons and cursors), GDI objects and committed memory. The endurance
// tests and benchmarks sample these along long runs of timer ticks to find leaks.
//
// On Windows the system's own counts answer. Wine 8 answers 0 for GetProcessHandleCount,
// GetGuiResources and the private bytes, so there:
// - handles are the entries of the system's handle list (NtQuerySystemInformation,
//   SystemHandleInformation) that belong to this process;
// - USER objects are the windows of this process (top-level, message-only and all their
//   descendants, enumerated), with the menus and the icons and cursors it holds, found
//   by trying each USER handle number in its short form, which Wine accepts for objects
//   of the calling process;
// - GDI objects are the entries in use in Wine's GDI handle table of this process (the
//   table the process environment block points to);
// - committed memory is the page-file usage of the process's memory counters, which
//   Wine reports from the anonymous memory the process has touched.
#include <cstdio>
#include <string>
#include <vector>

struct ProcessCounts {
    long Handles = 0;
    long UserObjects = 0;
    long GdiObjects = 0;
    long long CommittedBytes = 0;

    // The counts of this process now; a count that could not be taken is -1.
    static ProcessCounts Now();
    // Every count taken and above 0, as any process with a window has them: a failed
    // measure must not read as a count that stayed flat.
    bool Taken() const;
    // Field by field: this less `earlier`.
    ProcessCounts Minus(const ProcessCounts& earlier) const;
};

// The counts taken along a run, each under the number of ticks sent so far, printed as a
// table row when taken.
class CountsLog {
public:
    // Rows go to `out` as they are taken; none when it is null.
    explicit CountsLog(FILE* out = nullptr) : out_(out) {}

    void Take(long tick);
    // A sample as if taken at `tick`.
    void Add(long tick, const ProcessCounts& counts);

    struct Sample {
        long Tick;
        ProcessCounts Counts;
    };
    const std::vector<Sample>& Samples() const { return samples_; }
    // What grew from the first sample taken at or after `tick` to the last one.
    ProcessCounts GrowthSince(long tick) const;
    // "handles +0, USER +0, GDI +0, committed +12 KB" for a growth.
    static std::string Describe(const ProcessCounts& growth);

private:
    FILE* out_;
    std::vector<Sample> samples_;
};

// The test fails unless the log holds at least two samples from `sinceTick` on, every one
// of them Taken, and from the first of them to the last the handles, USER and GDI objects
// did not grow at all and committed memory grew by at most `memorySlack` bytes.
void ExpectFlat(const CountsLog& log, long sinceTick, long long memorySlack);
