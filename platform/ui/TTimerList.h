#pragma once
// Window timers, due by the backend's clock and delivered as WM_TIMER through the loop;
// and TTimer, the component with Interval, Enabled and OnTimer.
#include <cstdint>
#include <map>
#include <memory>

#include "platform/core/TComponent.h"
#include "platform/ui/Messages.h"
#include "platform/ui/UiTypes.h"

class TTimerList {
public:
    // Starts or restarts the window's timer 'id'.
    void Set(HWND wnd, uintptr_t id, uint32_t intervalMs, uint64_t now);
    void Kill(HWND wnd, uintptr_t id);
    void KillWindow(HWND wnd);
    bool Exists(HWND wnd, uintptr_t id) const;
    // Takes one due timer and schedules its next run.
    bool TakeDue(uint64_t now, HWND& wnd, uintptr_t& id);
    // Milliseconds to the next due timer, or -1 when none runs.
    int64_t NextDueIn(uint64_t now) const;
    int Count() const { return static_cast<int>(timers_.size()); }

private:
    struct Timer {
        uint32_t Interval = 0;
        uint64_t Due = 0;
    };
    std::map<std::pair<HWND, uintptr_t>, Timer> timers_;
};

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    // Off and on again restarts the interval.
    void SetEnabled(bool v);
    uint32_t Interval() const { return interval_; }
    // A running timer starts its new interval now.
    void SetInterval(uint32_t v);
    // A timer runs only while it has a handler.
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);

private:
    void UpdateTimer();
    bool enabled_ = true;
    uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
    std::unique_ptr<TUtilityWindow> window_;
};
