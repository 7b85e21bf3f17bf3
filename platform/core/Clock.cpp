#include "platform/core/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>

namespace {

const SystemClock& TheSystemClock()
{
    static const SystemClock clock;
    return clock;
}

std::atomic<const Clock*>& InstalledClock()
{
    static std::atomic<const Clock*> clock{nullptr};
    return clock;
}

constexpr double SecondsPerDay = 86400.0;
// Days from 30 December 1899 to 1 January 1970.
constexpr double UnixEpochDays = 25569.0;

} // namespace

TDateTime SystemClock::Now() const
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    time_t seconds = ts.tv_sec;
    localtime_r(&seconds, &local);
    double localSeconds = static_cast<double>(seconds + local.tm_gmtoff) + ts.tv_nsec / 1e9;
    return UnixEpochDays + localSeconds / SecondsPerDay;
}

uint64_t SystemClock::TickCount() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::MonotonicSeconds() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

const Clock& CurrentClock()
{
    const Clock* clock = InstalledClock().load();
    return clock ? *clock : TheSystemClock();
}

ClockOverride::ClockOverride(const Clock& clock)
    : previous_(InstalledClock().exchange(&clock))
{
}

ClockOverride::~ClockOverride()
{
    InstalledClock().store(previous_);
}

uint64_t GetTickCount()
{
    return CurrentClock().TickCount();
}

double HighResolutionSeconds()
{
    return CurrentClock().MonotonicSeconds();
}
