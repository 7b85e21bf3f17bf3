#include "platform/core/Beep.h"

#include <atomic>

namespace {

std::atomic<int>& Count()
{
    static std::atomic<int> count{0};
    return count;
}

} // namespace

void MessageBeep(uint32_t)
{
    ++Count();
}

int BeepCount()
{
    return Count().load();
}

void ResetBeepCount()
{
    Count() = 0;
}
