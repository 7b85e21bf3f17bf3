#include "skin/engine/TteTimer.h"

#include <algorithm>
#include <cmath>

#include "platform/core/Clock.h"

namespace {

TteCounter SystemCounter()
{
    return {[] { return static_cast<int64_t>(std::llround(HighResolutionSeconds() * 1e9)); }, 1000000000};
}

TteCounter& Counter()
{
    static TteCounter counter = SystemCounter();
    return counter;
}

} // namespace

TteCounter SetTimerCounter(TteCounter counter)
{
    TteCounter previous = Counter();
    Counter() = counter.Read ? std::move(counter) : SystemCounter();
    return previous;
}

TteTimer::TteTimer() : counter_(Counter())
{
    startCount_ = counter_.Read();
    stopCount_ = counter_.Read();
    overhead_ = stopCount_ - startCount_;
}

void TteTimer::Start()
{
    startCount_ = counter_.Read();
}

void TteTimer::Stop()
{
    stopCount_ = counter_.Read();
}

double TteTimer::Elapsed() const
{
    // A calibration the system interrupted measured far more than a reading costs: never below nothing.
    const int64_t counts = std::max<int64_t>(0, stopCount_ - startCount_ - overhead_);
    return static_cast<double>(counts) / static_cast<double>(counter_.Frequency);
}

void TimerStart(std::unique_ptr<TteTimer>& timer)
{
    if (!timer)
        timer = std::make_unique<TteTimer>();
    timer->Start();
}

float TimerElapsed(std::unique_ptr<TteTimer>& timer)
{
    if (!timer)
        return 0;
    timer->Stop();
    return static_cast<float>(timer->Elapsed());
}
