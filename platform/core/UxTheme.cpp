#include "platform/core/UxTheme.h"

#include <mutex>

namespace {

struct LoadState {
    std::mutex lock;
    int count = 0;
};

LoadState& State()
{
    static LoadState state;
    return state;
}

} // namespace

void LoadUxTheme()
{
    std::lock_guard guard(State().lock);
    ++State().count;
}

void FreeUxTheme()
{
    std::lock_guard guard(State().lock);
    if (State().count > 0)
        --State().count;
}

bool IsUxThemeLoaded()
{
    return false;
}

int UxThemeLoadCount()
{
    std::lock_guard guard(State().lock);
    return State().count;
}
