#include "platform/ui/TScreen.h"

#include <algorithm>
#include <climits>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
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

TScreen::TScreen(TApplication& application) : TComponent(nullptr), app_(application)
{
    SetScreenMetricsSource([this](int index) -> std::optional<int> {
        switch (index) {
        case SM_CXSCREEN: return Width();
        case SM_CYSCREEN: return Height();
        case SM_CXMAXTRACK: return DesktopRect().Width() + 12;
        case SM_CYMAXTRACK: return DesktopRect().Height() + 12;
        case SM_CMONITORS: return MonitorCount();
        default: return std::nullopt;
        }
    });
}

TScreen::~TScreen()
{
    SetScreenMetricsSource(nullptr);
}

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

void TScreen::CaptureRect(const TRect& screenRect, TBitmap& target, const TWinControl* under) const
{
    const int w = std::max(screenRect.Width(), 0);
    const int h = std::max(screenRect.Height(), 0);
    target.SetSize(w, h);
    target.Fill(ColorToPixel(DesktopColor));
    if (w == 0 || h == 0 || app_.Minimized())
        return;
    // Bottom to top: the back end's stacking where it knows it, else creation order with the
    // top-most band above the rest.
    std::vector<TWinControl*> stack;
    for (TNativeWindow native : app_.GetBackend().ZOrder())
        if (TWinControl* top = app_.Windows().FromNative(native))
            stack.push_back(top);
    if (stack.empty()) {
        stack = app_.Windows().TopLevels();
        std::stable_partition(stack.begin(), stack.end(),
                              [](TWinControl* c) { return !(c->WindowParams().ExStyle & WS_EX_TOPMOST); });
    }
    for (TWinControl* top : stack) {
        if (top == under) {
            if (top->Visible())
                break;
            continue;
        }
        const TBitmap* surface = top->Surface();
        auto* form = dynamic_cast<TCustomForm*>(top);
        if (!top->Visible() || !surface || (form && form->WindowState() == TWindowState::wsMinimized))
            continue;
        const TRect bounds = top->WindowRect();
        TRect area;
        if (!IntersectRect(area, bounds, screenRect))
            continue;
        const TRegion* shape = top->WindowRegion();
        const unsigned alpha = top->WindowOpacity();
        for (int y = area.Top; y < area.Bottom; ++y) {
            const int wy = y - bounds.Top;
            if (wy >= surface->Height())
                break;
            const uint32_t* src = surface->ScanLine(wy);
            uint32_t* dst = target.ScanLine(y - screenRect.Top);
            for (int x = area.Left; x < area.Right; ++x) {
                const int wx = x - bounds.Left;
                if (wx >= surface->Width() || (shape && !shape->Contains(wx, wy)))
                    continue;
                uint32_t& out = dst[x - screenRect.Left];
                auto mix = [&](int shift) {
                    const unsigned a = (out >> shift) & 0xFF;
                    const unsigned b = (src[wx] >> shift) & 0xFF;
                    return ((b * alpha + a * (255 - alpha) + 127) / 255) << shift;
                };
                out = 0xFF000000u | mix(16) | mix(8) | mix(0);
            }
        }
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
