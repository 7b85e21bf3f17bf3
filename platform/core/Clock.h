#pragma once
// The program's one clock: local date and time, tick count and a high-resolution monotonic time.
// Tests install a ManualClock and move it by hand.
#include <cstdint>

using TDateTime = double;

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time.
    virtual TDateTime Now() const = 0;
    // Milliseconds of a monotonic count with an arbitrary start.
    virtual uint64_t TickCount() const = 0;
    // Seconds of a monotonic high-resolution count with an arbitrary start.
    virtual double MonotonicSeconds() const = 0;
};

class SystemClock : public Clock {
public:
    TDateTime Now() const override;
    uint64_t TickCount() const override;
    double MonotonicSeconds() const override;
};

// Stands still until told to move; advancing it moves the date and both counters alike.
class ManualClock : public Clock {
public:
    explicit ManualClock(TDateTime now = 0) : now_(now) {}
    TDateTime Now() const override { return now_ + sinceSetMicros_ / 86400e6; }
    uint64_t TickCount() const override { return elapsedMicros_ / 1000; }
    double MonotonicSeconds() const override { return elapsedMicros_ / 1e6; }

    void SetNow(TDateTime now) { now_ = now; sinceSetMicros_ = 0; }
    void AdvanceMilliseconds(uint64_t ms) { AdvanceMicroseconds(ms * 1000); }
    void AdvanceMicroseconds(uint64_t us) { elapsedMicros_ += us; sinceSetMicros_ += us; }

private:
    TDateTime now_;
    // Kept apart from now_ so that many small steps add up without rounding drift.
    uint64_t sinceSetMicros_ = 0;
    uint64_t elapsedMicros_ = 0;
};

// The clock in use; the system clock unless a ClockOverride is alive.
const Clock& CurrentClock();

// Installs a clock for its lifetime (tests, scripted runs) and restores the previous one.
class ClockOverride {
public:
    explicit ClockOverride(const Clock& clock);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    const Clock* previous_;
};

uint64_t GetTickCount();
double HighResolutionSeconds();
