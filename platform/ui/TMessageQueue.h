#pragma once
// The posted-message queue of the one UI thread, in arrival order.
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/ui/Messages.h"

struct TQueuedMessage {
    HWND Wnd = 0; // 0: a thread message such as WM_QUIT
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
};

class TMessageQueue {
public:
    void Post(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    // Posts only when no message of this kind is already queued for the window.
    bool PostUnique(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    // Puts a message ahead of everything queued (the character a key-down translates to).
    void PostFirst(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    void PostQuit(int exitCode) { Post(0, WM_QUIT, exitCode, 0); }

    // First message matching the filter: wnd 0 takes any window; a range of 0..0 takes any message.
    bool Peek(TQueuedMessage& out, HWND wnd = 0, uint32_t first = 0, uint32_t last = 0,
              bool remove = false);
    // Removes every queued message of this kind for the window; returns how many.
    int RemoveKind(HWND wnd, uint32_t msg);
    // Drops what is queued for a window that no longer exists.
    void DiscardWindow(HWND wnd);
    bool HasQuit() const;

    // What it answers true for stays queued, in order, and Peek passes over it until it answers false.
    std::function<bool(const TQueuedMessage&)> HeldBack;

    bool Empty() const { return items_.empty(); }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    static bool Matches(const TQueuedMessage& m, HWND wnd, uint32_t first, uint32_t last);
    std::deque<TQueuedMessage> items_;
};
