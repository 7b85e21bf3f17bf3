#include "platform/ui/TScreen.h"

#include <algorithm>
#include <climits>

#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"

TScreen* Screen = nullptr;

namespace {
TRect ToRect(const TScreenRect& r)
{
    return Bounds(r.X, r.Y, r.Width, r.Height);
}

// Squared distance from a point to a rectangle; 0 inside.
long long Distance(const TRect& r, TPoint p)
{
    const long long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
    const long long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}
} // namespace

TScreen::TScreen(TApplication& application) : TComponent(nullptr), app_(application) {}

int TScreen::Width() const
{
    return Monitors(0).Width();
}

int TScreen::Height() const
{
    return Monitors(0).Height();
}

TRect TScreen::DesktopRect() const
{
    TRect r;
    for (int i = 0; i < MonitorCount(); ++i)
        UnionRect(r, r, Monitors(i).BoundsRect);
    return r;
}

TRect TScreen::WorkAreaRect() const
{
    return Monitors(0).WorkareaRect;
}

int TScreen::MonitorCount() const
{
    return static_cast<int>(app_.GetBackend().Monitors().size());
}

TMonitor TScreen::Monitors(int index) const
{
    const auto monitors = app_.GetBackend().Monitors();
    if (index < 0 || index >= static_cast<int>(monitors.size()))
        throw EListError("Monitor index out of bounds");
    TMonitor m;
    m.MonitorNum = index;
    m.BoundsRect = ToRect(monitors[index].Bounds);
    m.WorkareaRect = ToRect(monitors[index].WorkArea);
    m.Primary = index == 0;
    return m;
}

TMonitor TScreen::MonitorFromPoint(TPoint p, TMonitorDefault fallback) const
{
    return MonitorFromRect(Bounds(p.X, p.Y, 1, 1), fallback);
}

TMonitor TScreen::MonitorFromRect(const TRect& r, TMonitorDefault fallback) const
{
    int best = -1;
    long long bestArea = 0;
    for (int i = 0; i < MonitorCount(); ++i) {
        TRect overlap;
        if (IntersectRect(overlap, r, Monitors(i).BoundsRect)) {
            const long long area = static_cast<long long>(overlap.Width()) * overlap.Height();
            if (area > bestArea) {
                bestArea = area;
                best = i;
            }
        }
    }
    if (best >= 0)
        return Monitors(best);
    if (fallback == mdNull) {
        TMonitor none;
        none.MonitorNum = -1;
        return none;
    }
    if (fallback == mdPrimary)
        return Monitors(0);
    const TPoint centre{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    long long nearest = LLONG_MAX;
    for (int i = 0; i < MonitorCount(); ++i) {
        const long long d = Distance(Monitors(i).BoundsRect, centre);
        if (d < nearest) {
            nearest = d;
            best = i;
        }
    }
    return Monitors(best < 0 ? 0 : best);
}

TMonitor TScreen::MonitorFromWindow(TWinControl* window, TMonitorDefault fallback) const
{
    if (!window)
        return fallback == mdNull ? TMonitor{-1, {}, {}, false} : Monitors(0);
    return MonitorFromRect(window->WindowRect(), fallback);
}

void TScreen::SetCursor(TCursor v)
{
    if (cursor_ == v)
        return;
    cursor_ = v;
    app_.Input().UpdateCursor();
}

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw EListError("Form index out of bounds");
    return forms_[index];
}

TCustomForm* TScreen::ActiveForm() const
{
    TCustomForm* top = app_.ActiveTopForm();
    if (top && top->ActiveMDIChild())
        return top->ActiveMDIChild();
    return top;
}

TWinControl* TScreen::ActiveControl() const
{
    return app_.FocusedWindow();
}

void TScreen::AddForm(TCustomForm* form)
{
    forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(forms_, form);
}

bool TScreen::LayeredWindowsAvailable() const
{
    return app_.GetBackend().SupportsLayeredWindows();
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return Screen ? Screen->Width() : 1024;
    case SM_CYSCREEN: return Screen ? Screen->Height() : 768;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CYMENU: return 19;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE: return 12;
    case SM_CYSMSIZE: return 15;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE: return 18;
    case SM_CXMAXTRACK: return Screen ? Screen->DesktopRect().Width() + 12 : 1036;
    case SM_CYMAXTRACK: return Screen ? Screen->DesktopRect().Height() + 12 : 780;
    case SM_CMONITORS: return Screen ? Screen->MonitorCount() : 1;
    default: return 0;
    }
}

bool SystemParametersInfo(unsigned action, TRect& result)
{
    if (action != SPI_GETWORKAREA || !Screen)
        return false;
    result = Screen->WorkAreaRect();
    return true;
}

bool GetScrollBarInfo(TWinControl*, int, TScrollBarInfo& info)
{
    info = TScrollBarInfo{};
    return false;
}
