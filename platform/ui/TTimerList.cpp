#include "platform/ui/TTimerList.h"

#include <algorithm>

#include "platform/ui/TApplication.h"
#include "platform/ui/TUtilityWindow.h"

void TTimerList::Set(HWND wnd, uintptr_t id, uint32_t intervalMs, uint64_t now)
{
    timers_[{wnd, id}] = {intervalMs, now + std::max<uint32_t>(intervalMs, 1)};
}

void TTimerList::Kill(HWND wnd, uintptr_t id)
{
    timers_.erase({wnd, id});
}

void TTimerList::KillWindow(HWND wnd)
{
    std::erase_if(timers_, [&](const auto& entry) { return entry.first.first == wnd; });
}

bool TTimerList::Exists(HWND wnd, uintptr_t id) const
{
    return timers_.count({wnd, id}) != 0;
}

bool TTimerList::TakeDue(uint64_t now, HWND& wnd, uintptr_t& id)
{
    auto best = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.Due <= now && (best == timers_.end() || it->second.Due < best->second.Due))
            best = it;
    if (best == timers_.end())
        return false;
    wnd = best->first.first;
    id = best->first.second;
    // A late timer fires once, not once per missed interval.
    best->second.Due = now + std::max<uint32_t>(best->second.Interval, 1);
    return true;
}

int64_t TTimerList::NextDueIn(uint64_t now) const
{
    int64_t next = -1;
    for (const auto& [key, timer] : timers_) {
        const int64_t in = timer.Due > now ? static_cast<int64_t>(timer.Due - now) : 0;
        if (next < 0 || in < next)
            next = in;
    }
    return next;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer()
{
    if (window_ && Application)
        Application->Timers().KillWindow(window_->Handle());
}

void TTimer::SetEnabled(bool v)
{
    if (enabled_ == v)
        return;
    enabled_ = v;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t v)
{
    if (interval_ == v)
        return;
    interval_ = v;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (!Application)
        return;
    if (!window_)
        window_ = std::make_unique<TUtilityWindow>([this](TMessage& m) {
            if (m.Msg == WM_TIMER && onTimer_)
                onTimer_(this);
        });
    auto& timers = Application->Timers();
    timers.Kill(window_->Handle(), 1);
    if (enabled_ && interval_ > 0 && onTimer_)
        timers.Set(window_->Handle(), 1, interval_, Application->GetBackend().NowMs());
}

void TTimer::SetOnTimer(TNotifyEvent handler)
{
    onTimer_ = std::move(handler);
    UpdateTimer();
}
