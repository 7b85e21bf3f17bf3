#pragma once
// The live windows by handle: handles are never reused, so a stale one finds nothing.
#include <map>
#include <set>

#include "platform/ui/Backend.h"
#include "platform/ui/Messages.h"

class TWindowTable {
public:
    HWND Register(TWinControl* control);
    HWND Register(TUtilityWindow* window);
    void Unregister(HWND wnd);
    bool IsWindow(HWND wnd) const { return entries_.count(wnd) != 0; }
    // The control of a handle; null for a utility window or a stale handle.
    TWinControl* Control(HWND wnd) const;
    // Runs the window's procedure; false when the handle names no window.
    bool Deliver(HWND wnd, TMessage& message);

    void MarkDirty(HWND wnd) { dirty_.insert(wnd); }
    void ClearDirty(HWND wnd) { dirty_.erase(wnd); }
    bool HasDirty() const { return !dirty_.empty(); }
    HWND FirstDirty() const { return dirty_.empty() ? 0 : *dirty_.begin(); }
    // Windows with pending paints, parents before children (handles grow with creation).
    std::set<HWND> TakeDirty();

    void BindNative(TNativeWindow native, TWinControl* control) { natives_[native] = control; }
    void UnbindNative(TNativeWindow native) { natives_.erase(native); }
    TWinControl* FromNative(TNativeWindow native) const;
    // Every live handle, utility windows included, oldest first.
    std::vector<HWND> Handles() const;
    // Top-level controls with a native window, in creation order.
    std::vector<TWinControl*> TopLevels() const;

private:
    struct Entry {
        TWinControl* Control = nullptr;
        TUtilityWindow* Utility = nullptr;
    };
    std::map<HWND, Entry> entries_;
    std::map<TNativeWindow, TWinControl*> natives_;
    std::set<HWND> dirty_;
    HWND next_ = 1;
};
