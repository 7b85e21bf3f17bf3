#pragma once
// The screen: its size and monitors, the forms, the active form and control, and the cursor.
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/UiFwd.h"
#include "platform/ui/UiTypes.h"

struct TMonitor {
    int MonitorNum = 0;
    TRect BoundsRect;
    TRect WorkareaRect;
    bool Primary = false;
    int Left() const { return BoundsRect.Left; }
    int Top() const { return BoundsRect.Top; }
    int Width() const { return BoundsRect.Width(); }
    int Height() const { return BoundsRect.Height(); }
};

enum TMonitorDefault { mdNull = 0, mdPrimary = 1, mdNearest = 2 };

class TScreen : public TComponent {
public:
    explicit TScreen(TApplication& application);

    int Width() const;
    int Height() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;

    int MonitorCount() const;
    // Raises EListError out of range.
    TMonitor Monitors(int index) const;
    // The monitor holding the point, else per 'fallback' the nearest or the primary one;
    // mdNull answers monitor number -1 when none holds it.
    TMonitor MonitorFromPoint(TPoint p, TMonitorDefault fallback = mdNearest) const;
    TMonitor MonitorFromRect(const TRect& r, TMonitorDefault fallback = mdNearest) const;
    TMonitor MonitorFromWindow(TWinControl* window, TMonitorDefault fallback = mdNearest) const;

    // crDefault lets each control show its own cursor; anything else overrides them all.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const;
    TCustomForm* ActiveForm() const;
    TCustomForm* ActiveCustomForm() const { return ActiveForm(); }
    TWinControl* ActiveControl() const;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

    bool LayeredWindowsAvailable() const;

private:
    TApplication& app_;
    TCursor cursor_ = crDefault;
    std::vector<TCustomForm*> forms_;
};

extern TScreen* Screen;

// Fixed system metrics (scroll bar thickness 16, caption 19 ...) and the screen-size entries.
enum : int {
    SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
    SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CYMENU = 15, SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31,
    SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXEDGE = 45,
    SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51, SM_CXSMSIZE = 52,
    SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54, SM_CYMENUSIZE = 55, SM_CXMAXTRACK = 59,
    SM_CYMAXTRACK = 60, SM_CXDRAG = 68, SM_CYDRAG = 69, SM_CMONITORS = 80,
};
int GetSystemMetrics(int index);

constexpr unsigned SPI_GETWORKAREA = 48;
// Only SPI_GETWORKAREA is known: the primary monitor's work area; other requests answer false.
bool SystemParametersInfo(unsigned action, TRect& result);

// The scroll-bar query of controls that have none: always "invisible".
constexpr uint32_t STATE_SYSTEM_INVISIBLE = 0x8000;
struct TScrollBarInfo {
    TRect rcScrollBar;
    uint32_t rgstate[6] = {STATE_SYSTEM_INVISIBLE, 0, 0, 0, 0, 0};
};
bool GetScrollBarInfo(TWinControl* control, int bar, TScrollBarInfo& info);
