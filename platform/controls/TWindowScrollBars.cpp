#include "platform/controls/TWindowScrollBars.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTimerList.h"

namespace {
constexpr uintptr_t BarsRepeatTimer = 0xB5C0;
} // namespace

TWindowScrollBars::TWindowScrollBars(TWinControl& host) : host_(host)
{
    vert_.model.SetInfo({0, 0, 0, 0});
    horz_.model.SetInfo({0, 0, 0, 0});
    host_.AddMessageFilter(this);
}

TWindowScrollBars::~TWindowScrollBars()
{
    if (trackBar_ >= 0 && Application && host_.HandleAllocated())
        Application->Timers().Kill(host_.Handle(), BarsRepeatTimer);
    host_.RemoveMessageFilter(this);
}

TWindowScrollBars* FindWindowScrollBars(TWinControl* control)
{
    if (!control)
        return nullptr;
    for (IMessageFilter* filter : control->MessageFilters())
        if (auto* bars = dynamic_cast<TWindowScrollBars*>(filter))
            return bars;
    return nullptr;
}

int TWindowScrollBars::SetScrollInfo(int bar, const TScrollInfo& info, uint32_t mask, bool redraw)
{
    Bar& b = Get(bar);
    TScrollInfo next = b.model.Info();
    if (mask & SIF_RANGE) {
        next.Min = info.Min;
        next.Max = info.Max;
    }
    if (mask & SIF_PAGE)
        next.Page = info.Page;
    if (mask & SIF_POS)
        next.Pos = info.Pos;
    b.disableNoScroll = (mask & SIF_DISABLENOSCROLL) != 0;
    b.model.SetInfo(next);
    UpdateVisibility();
    if (redraw)
        host_.InvalidateFrame();
    return b.model.Position();
}

TScrollInfo TWindowScrollBars::GetScrollInfo(int bar) const
{
    return Get(bar).model.Info();
}

int TWindowScrollBars::SetScrollPos(int bar, int pos, bool redraw)
{
    const int old = Get(bar).model.Position();
    Get(bar).model.SetPosition(pos);
    if (redraw)
        host_.InvalidateFrame();
    return old;
}

int TWindowScrollBars::GetScrollPos(int bar) const
{
    return Get(bar).model.Position();
}

void TWindowScrollBars::ShowScrollBar(int bar, bool show)
{
    if (bar == SB_BOTH) {
        vert_.forced = horz_.forced = show;
    } else {
        Get(bar).forced = show;
    }
    UpdateVisibility();
}

bool TWindowScrollBars::Visible(int bar) const
{
    return Get(bar).shown;
}

bool TWindowScrollBars::Enabled(int bar) const
{
    return Get(bar).shown && Get(bar).model.Scrollable();
}

int TWindowScrollBars::TrackPos(int bar) const
{
    return trackBar_ == bar && trackPart_ == TScrollPart::spThumb ? trackPos_ : GetScrollPos(bar);
}

void TWindowScrollBars::UpdateVisibility()
{
    bool changed = false;
    for (Bar* b : {&vert_, &horz_}) {
        const bool shown = b->forced || b->disableNoScroll || b->model.Scrollable();
        if (shown != b->shown) {
            b->shown = shown;
            changed = true;
        }
    }
    if (changed)
        host_.FrameChanged();
    Layout();
}

TRect TWindowScrollBars::BarRect(int bar) const
{
    const Bar& b = Get(bar);
    if (!b.shown)
        return {};
    const TRect f = host_.FrameWidths();
    const int w = host_.Width();
    const int h = host_.Height();
    if (bar == SB_VERT)
        return Rect(w - f.Right, f.Top, w - f.Right + Thickness, h - f.Bottom);
    return Rect(f.Left, h - f.Bottom, w - f.Right, h - f.Bottom + Thickness);
}

void TWindowScrollBars::Layout()
{
    vert_.model.SetBoundsRect(BarRect(SB_VERT));
    horz_.model.SetBoundsRect(BarRect(SB_HORZ));
}

void TWindowScrollBars::Paint()
{
    paintedThisPass_ = true;
    if (!vert_.shown && !horz_.shown)
        return;
    Layout();
    auto canvas = host_.GetCanvas(true);
    const bool enabled = host_.EnabledInTree();
    for (int bar : {SB_VERT, SB_HORZ}) {
        const Bar& b = Get(bar);
        if (!b.shown)
            continue;
        const TScrollPart pressed = trackBar_ == bar && trackPressed_ ? trackPart_ : TScrollPart::spNone;
        b.model.Paint(*canvas, pressed, enabled);
    }
    if (vert_.shown && horz_.shown) {
        const TRect v = BarRect(SB_VERT);
        const TRect hz = BarRect(SB_HORZ);
        canvas->Brush().SetColor(clBtnFace);
        canvas->FillRect(Rect(v.Left, hz.Top, v.Right, hz.Bottom));
    }
    if (host_.WindowParams().ExStyle & WS_EX_CLIENTEDGE) {
        const TRect f = host_.FrameWidths();
        TRect e = Rect(f.Left - 2, f.Top - 2, host_.Width() - f.Right + (vert_.shown ? Thickness : 0) + 2,
                       host_.Height() - f.Bottom + (horz_.shown ? Thickness : 0) + 2);
        auto edge = [&](const TRect& r, TColor topLeft, TColor bottomRight) {
            canvas->Pen().SetColor(topLeft);
            canvas->MoveTo(r.Left, r.Bottom - 1);
            canvas->LineTo(r.Left, r.Top);
            canvas->LineTo(r.Right - 1, r.Top);
            canvas->Pen().SetColor(bottomRight);
            canvas->LineTo(r.Right - 1, r.Bottom - 1);
            canvas->LineTo(r.Left - 1, r.Bottom - 1);
        };
        edge(e, clBtnShadow, clBtnHighlight);
        e.Inflate(-1, -1);
        edge(e, cl3DDkShadow, cl3DLight);
    }
}

TPoint TWindowScrollBars::WindowPoint(TPoint client) const
{
    const TRect f = host_.FrameWidths();
    return {client.X + f.Left, client.Y + f.Top};
}

int TWindowScrollBars::CodeFor(TScrollPart part) const
{
    switch (part) {
    case TScrollPart::spLineUp: return SB_LINEUP;
    case TScrollPart::spLineDown: return SB_LINEDOWN;
    case TScrollPart::spPageUp: return SB_PAGEUP;
    case TScrollPart::spPageDown: return SB_PAGEDOWN;
    default: return -1;
    }
}

void TWindowScrollBars::SendScroll(int code, int pos)
{
    if (!Application || !host_.HandleAllocated())
        return;
    const uint32_t msg = trackBar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    Application->SendMessage(host_.Handle(), msg, MakeLong(code, pos), 0);
}

void TWindowScrollBars::BeginTrack(int bar, TPoint p)
{
    Layout();
    Bar& b = Get(bar);
    if (!b.shown || !b.model.Scrollable() || !host_.EnabledInTree())
        return;
    const TScrollPart part = b.model.PartAt(p);
    if (part == TScrollPart::spNone)
        return;
    trackBar_ = bar;
    trackPart_ = part;
    trackPressed_ = true;
    trackStart_ = p;
    trackStartPos_ = trackPos_ = b.model.Position();
    host_.SetMouseCapture(true);
    host_.InvalidateFrame();
    if (part == TScrollPart::spThumb)
        return;
    SendScroll(CodeFor(part), 0);
    if (trackBar_ >= 0 && Application && host_.HandleAllocated()) {
        repeating_ = false;
        Application->Timers().Set(host_.Handle(), BarsRepeatTimer, ScrollFirstRepeatMs,
                                  Application->GetBackend().NowMs());
    }
}

void TWindowScrollBars::TrackMove(TPoint p)
{
    Bar& b = Get(trackBar_);
    if (trackPart_ == TScrollPart::spThumb) {
        const int delta = b.model.Vertical() ? p.Y - trackStart_.Y : p.X - trackStart_.X;
        const int pos = b.model.PositionForThumbDrag(trackStartPos_, delta);
        if (pos != trackPos_) {
            trackPos_ = pos;
            SendScroll(SB_THUMBTRACK, pos);
        }
        return;
    }
    const bool over = b.model.PartAt(p) == trackPart_;
    if (over != trackPressed_) {
        trackPressed_ = over;
        host_.InvalidateFrame();
    }
}

void TWindowScrollBars::EndTrack(bool cancelled)
{
    if (trackBar_ < 0)
        return;
    if (Application && host_.HandleAllocated())
        Application->Timers().Kill(host_.Handle(), BarsRepeatTimer);
    if (!cancelled && trackPart_ == TScrollPart::spThumb)
        SendScroll(SB_THUMBPOSITION, trackPos_);
    SendScroll(SB_ENDSCROLL, 0);
    trackBar_ = -1;
    trackPart_ = TScrollPart::spNone;
    trackPressed_ = false;
    if (host_.MouseCapture())
        host_.SetMouseCapture(false);
    host_.InvalidateFrame();
}

void TWindowScrollBars::BeforeMessage(TMessage& message, bool& handled)
{
    switch (message.Msg) {
    case WM_NCPAINT:
        paintedThisPass_ = false;
        return;
    case WM_NCHITTEST: {
        Layout();
        const TRect w = host_.WindowRect();
        const TPoint p{LoWordSigned(message.LParam) - w.Left, HiWordSigned(message.LParam) - w.Top};
        if (BarRect(SB_VERT).Contains(p)) {
            message.Result = HTVSCROLL;
            handled = true;
        } else if (BarRect(SB_HORZ).Contains(p)) {
            message.Result = HTHSCROLL;
            handled = true;
        }
        return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (message.WParam == HTVSCROLL || message.WParam == HTHSCROLL) {
            const TRect w = host_.WindowRect();
            BeginTrack(message.WParam == HTVSCROLL ? SB_VERT : SB_HORZ,
                       {LoWordSigned(message.LParam) - w.Left, HiWordSigned(message.LParam) - w.Top});
            handled = true;
        }
        return;
    case WM_MOUSEMOVE:
        if (trackBar_ >= 0) {
            TrackMove(WindowPoint({LoWordSigned(message.LParam), HiWordSigned(message.LParam)}));
            handled = true;
        }
        return;
    case WM_LBUTTONUP:
        if (trackBar_ >= 0) {
            EndTrack(false);
            handled = true;
        }
        return;
    case WM_CANCELMODE:
        EndTrack(true);
        return;
    case WM_TIMER:
        if (static_cast<uintptr_t>(message.WParam) == BarsRepeatTimer) {
            handled = true;
            if (trackBar_ < 0)
                return;
            if (!repeating_ && Application) {
                repeating_ = true;
                Application->Timers().Set(host_.Handle(), BarsRepeatTimer, ScrollRepeatMs,
                                          Application->GetBackend().NowMs());
            }
            if (trackPressed_) {
                // A page repeat stops once the thumb has reached the pointer.
                if ((trackPart_ == TScrollPart::spPageUp || trackPart_ == TScrollPart::spPageDown) &&
                    Get(trackBar_).model.PartAt(trackStart_) != trackPart_)
                    return;
                SendScroll(CodeFor(trackPart_), 0);
            }
        }
        return;
    default:
        return;
    }
}

void TWindowScrollBars::AfterMessage(TMessage& message, bool&)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        if (message.LParam) {
            auto& p = *reinterpret_cast<TNCCalcSizeParams*>(message.LParam);
            if (vert_.shown)
                p.right = std::max(p.left, p.right - Thickness);
            if (horz_.shown)
                p.bottom = std::max(p.top, p.bottom - Thickness);
        }
        return;
    case WM_NCPAINT:
        if (!paintedThisPass_)
            Paint();
        paintedThisPass_ = false;
        return;
    case WM_SIZE:
        Layout();
        return;
    default:
        return;
    }
}
