#pragma once
// The screen: its size and monitors, the forms, the active form and control, and the cursor.
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/UiFwd.h"
#include "platform/ui/UiTypes.h"

class TBitmap;

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
    ~TScreen() override;

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

    // What our own windows show in a screen rectangle, over the desktop colour, into 'target'
    // (resized to the rectangle). With 'under', only the windows below it: what lies under it.
    void CaptureRect(const TRect& screenRect, TBitmap& target, const TWinControl* under = nullptr) const;
    static constexpr TColor DesktopColor = 0xA56E3A;

private:
    TApplication& app_;
    TCursor cursor_ = crDefault;
    std::vector<TCustomForm*> forms_;
};

extern TScreen* Screen;


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
