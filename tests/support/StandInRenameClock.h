#pragma once
// A stand-in, for the object's life, for the clock by which a replace waits for a file
// that a scanner holds: its pauses take no real time, so that a test whose renames fail
// on purpose does not wait the second. A pause lasts what it asks for rounded up to whole
// timer ticks, and later still on a busy machine (Windows' tick is 15.625 ms; Wine's
// sleeps last what they ask).
#include <cmath>
#include <cstdint>
#include "FileReplace.h"

class StandInRenameClock {
public:
    explicit StandInRenameClock(double tickMs = 1, double lateMs = 0) : tickMs_(tickMs), lateMs_(lateMs) {
        SetRenameClockForTests([this] { return Now(); }, [this](uint32_t milliseconds) { Pause(milliseconds); });
    }
    ~StandInRenameClock() { SetRenameClockForTests({}, {}); }
    StandInRenameClock(const StandInRenameClock&) = delete;
    StandInRenameClock& operator=(const StandInRenameClock&) = delete;

    // Milliseconds since the clock was made.
    uint64_t Now() const { return static_cast<uint64_t>(now_); }

private:
    void Pause(uint32_t milliseconds) { now_ += std::ceil(milliseconds / tickMs_) * tickMs_ + lateMs_; }

    double tickMs_, lateMs_, now_ = 0;
};
