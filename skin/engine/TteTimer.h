#pragma once
// The stopwatch that times the frames of a transition, over a counter that tests replace.
#include <cstdint>
#include <functional>
#include <memory>

// A monotonic count and the counts in a second.
struct TteCounter {
    std::function<int64_t()> Read;
    int64_t Frequency = 1;
};

// The counter timers read, by default HighResolutionSeconds() in nanoseconds. Returns the previous one.
TteCounter SetTimerCounter(TteCounter counter);

class TteTimer {
public:
    // Measures the cost of one reading, which Elapsed leaves out.
    TteTimer();
    void Start();
    void Stop();
    // Seconds from Start to Stop, never negative.
    double Elapsed() const;

private:
    TteCounter counter_;
    int64_t startCount_ = 0;
    int64_t stopCount_ = 0;
    int64_t overhead_ = 0;
};

// Makes the timer when there is none, then starts it.
void TimerStart(std::unique_ptr<TteTimer>& timer);
// 0 without a timer.
float TimerElapsed(std::unique_ptr<TteTimer>& timer);
