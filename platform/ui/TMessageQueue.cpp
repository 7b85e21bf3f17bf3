#include "platform/ui/TMessageQueue.h"

#include <algorithm>

void TMessageQueue::Post(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    items_.push_back({wnd, msg, wParam, lParam});
}

bool TMessageQueue::PostUnique(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    for (const auto& m : items_)
        if (m.Wnd == wnd && m.Msg == msg)
            return false;
    Post(wnd, msg, wParam, lParam);
    return true;
}

void TMessageQueue::PostFirst(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    items_.push_front({wnd, msg, wParam, lParam});
}

bool TMessageQueue::Matches(const TQueuedMessage& m, HWND wnd, uint32_t first, uint32_t last)
{
    if (wnd != 0 && m.Wnd != wnd)
        return false;
    if (first == 0 && last == 0)
        return true;
    return m.Msg >= first && m.Msg <= last;
}

bool TMessageQueue::Peek(TQueuedMessage& out, HWND wnd, uint32_t first, uint32_t last, bool remove)
{
    for (auto it = items_.begin(); it != items_.end(); ++it) {
        if (!Matches(*it, wnd, first, last) || (HeldBack && HeldBack(*it)))
            continue;
        out = *it;
        if (remove)
            items_.erase(it);
        return true;
    }
    return false;
}

int TMessageQueue::RemoveKind(HWND wnd, uint32_t msg)
{
    const auto before = items_.size();
    std::erase_if(items_, [&](const TQueuedMessage& m) { return m.Wnd == wnd && m.Msg == msg; });
    return static_cast<int>(before - items_.size());
}

void TMessageQueue::DiscardWindow(HWND wnd)
{
    if (wnd != 0)
        std::erase_if(items_, [&](const TQueuedMessage& m) { return m.Wnd == wnd; });
}

bool TMessageQueue::HasQuit() const
{
    return std::any_of(items_.begin(), items_.end(),
                       [](const TQueuedMessage& m) { return m.Msg == WM_QUIT; });
}
