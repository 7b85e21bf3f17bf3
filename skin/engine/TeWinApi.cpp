#include "skin/engine/TeWinApi.h"

#include "platform/core/UxTheme.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/Backend.h"
#include "platform/ui/TApplication.h"

bool IsLayeredAvailable()
{
    return Application && Application->GetBackend().SupportsLayeredWindows();
}

bool GetScrollBarInfoSafe(TWinControl* window, int objectId, TScrollBarInfo& info)
{
    return GetScrollBarInfo(window, objectId, info);
}

bool IsMultiMonitor()
{
    return Screen && Screen->MonitorCount() > 1;
}

TRect GetScreenRect(bool workArea)
{
    TRect rect;
    if (workArea && SystemParametersInfo(SPI_GETWORKAREA, rect))
        return rect;
    return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

namespace {

TRect MonitorRect(const TMonitor& monitor, bool workArea)
{
    return workArea ? monitor.WorkareaRect : monitor.BoundsRect;
}

} // namespace

TRect GetMonitorRectFromPoint(TPoint point, bool workArea)
{
    if (!IsMultiMonitor())
        return GetScreenRect(workArea);
    return MonitorRect(Screen->MonitorFromPoint(point, mdNearest), workArea);
}

TRect GetMonitorRectFromWindow(TWinControl* window, bool workArea)
{
    if (!IsMultiMonitor() || !window)
        return GetScreenRect(workArea);
    return MonitorRect(Screen->MonitorFromWindow(window, mdNearest), workArea);
}

void StartTeWinApi()
{
    LoadUxTheme();
}

void StopTeWinApi()
{
    while (UxThemeLoadCount() > 0)
        FreeUxTheme();
}
