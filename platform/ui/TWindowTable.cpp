#include "platform/ui/TWindowTable.h"

#include "platform/ui/TUtilityWindow.h"
#include "platform/ui/TWinControl.h"

HWND TWindowTable::Register(TWinControl* control)
{
    const HWND wnd = next_++;
    entries_[wnd] = {control, nullptr};
    return wnd;
}

HWND TWindowTable::Register(TUtilityWindow* window)
{
    const HWND wnd = next_++;
    entries_[wnd] = {nullptr, window};
    return wnd;
}

void TWindowTable::Unregister(HWND wnd)
{
    entries_.erase(wnd);
    dirty_.erase(wnd);
}

TWinControl* TWindowTable::Control(HWND wnd) const
{
    auto it = entries_.find(wnd);
    return it == entries_.end() ? nullptr : it->second.Control;
}

bool TWindowTable::Deliver(HWND wnd, TMessage& message)
{
    auto it = entries_.find(wnd);
    if (it == entries_.end())
        return false;
    if (it->second.Control)
        it->second.Control->MainWndProc(message);
    else
        it->second.Utility->WindowProc(message);
    return true;
}

std::set<HWND> TWindowTable::TakeDirty()
{
    std::set<HWND> result;
    result.swap(dirty_);
    return result;
}

TWinControl* TWindowTable::FromNative(TNativeWindow native) const
{
    auto it = natives_.find(native);
    return it == natives_.end() ? nullptr : it->second;
}

std::vector<TWinControl*> TWindowTable::TopLevels() const
{
    std::map<HWND, TWinControl*> byHandle;
    for (const auto& [native, control] : natives_)
        byHandle[control->Handle()] = control;
    std::vector<TWinControl*> result;
    for (const auto& [wnd, control] : byHandle)
        result.push_back(control);
    return result;
}

std::vector<HWND> TWindowTable::Handles() const
{
    std::vector<HWND> result;
    for (const auto& [wnd, entry] : entries_)
        result.push_back(wnd);
    return result;
}
