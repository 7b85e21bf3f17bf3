#include "platform/controls/TScrollBar.h"

#include <algorithm>

#include "platform/ui/TApplication.h"
#include "platform/ui/TTimerList.h"

namespace {
constexpr uintptr_t RepeatTimer = 1;

TScrollCode CodeOf(TScrollPart part)
{
    switch (part) {
    case TScrollPart::spLineUp: return scLineUp;
    case TScrollPart::spLineDown: return scLineDown;
    case TScrollPart::spPageUp: return scPageUp;
    default: return scPageDown;
    }
}
} // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 121, 16);
    SetTabStop(false);
    SetColor(clBtnFace);
    controlStyle_ = (controlStyle_ & ~csDoubleClicks) | csOpaque;
    SyncModel();
}

void TScrollBar::SetKind(TScrollBarKind v)
{
    if (kind_ == v)
        return;
    kind_ = v;
    SetBounds(Left(), Top(), Height(), Width());
    SyncModel();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    if (max < min)
        throw EInvalidOperation("Scroll bar property out of range");
    const bool rangeChanged = min != min_ || max != max_;
    min_ = min;
    max_ = max;
    pageSize_ = std::min(pageSize_, max_ - min_ + 1);
    position = std::clamp(position, min_, max_);
    const bool moved = position != position_;
    position_ = position;
    if (moved || rangeChanged) {
        SyncModel();
        Invalidate();
    }
    if (moved)
        Change();
}

void TScrollBar::SetPageSize(int v)
{
    v = std::clamp(v, 0, max_ - min_ + 1);
    if (pageSize_ == v)
        return;
    pageSize_ = v;
    SetParams(position_, min_, max_);
    SyncModel();
    Invalidate();
}

void TScrollBar::SyncModel()
{
    model_.SetVertical(kind_ == TScrollBarKind::sbVertical);
    model_.SetInfo({min_, max_, pageSize_, position_});
    model_.SetBoundsRect(ClientRect());
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

void TScrollBar::DoScroll(TScrollCode code, int pos)
{
    int next = position_;
    switch (code) {
    case scLineUp: next -= smallChange_; break;
    case scLineDown: next += smallChange_; break;
    case scPageUp: next -= largeChange_; break;
    case scPageDown: next += largeChange_; break;
    case scPosition:
    case scTrack: next = pos; break;
    case scTop: next = min_; break;
    case scBottom: next = max_; break;
    case scEndScroll: break;
    }
    next = std::clamp(next, min_, max_);
    if (OnScroll)
        OnScroll(this, code, next);
    SetPosition(next);
}

void TScrollBar::Dispatch(TMessage& message)
{
    TCustomControl::Dispatch(message);
    if (message.Msg == WM_SIZE || message.Msg == CM_ENABLEDCHANGED) {
        SyncModel();
        Invalidate();
    }
}

void TScrollBar::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        switch (message.WParam) {
        case VK_UP:
        case VK_LEFT: DoScroll(scLineUp, 0); break;
        case VK_DOWN:
        case VK_RIGHT: DoScroll(scLineDown, 0); break;
        case VK_PRIOR: DoScroll(scPageUp, 0); break;
        case VK_NEXT: DoScroll(scPageDown, 0); break;
        case VK_HOME: DoScroll(scTop, 0); break;
        case VK_END: DoScroll(scBottom, 0); break;
        default: return;
        }
        DoScroll(scEndScroll, 0);
        return;
    case WM_TIMER:
        if (static_cast<uintptr_t>(message.WParam) != RepeatTimer || trackPart_ == TScrollPart::spNone)
            return;
        if (!repeating_ && Application) {
            repeating_ = true;
            Application->Timers().Set(Handle(), RepeatTimer, ScrollRepeatMs, Application->GetBackend().NowMs());
        }
        // A page repeat stops once the thumb has reached the pointer.
        if (trackPressed_ && model_.PartAt(trackStart_) == trackPart_)
            DoScroll(CodeOf(trackPart_), 0);
        SyncModel();
        return;
    case WM_CANCELMODE:
        StopTracking(true);
        TCustomControl::DefaultHandler(message);
        return;
    default:
        TCustomControl::DefaultHandler(message);
    }
}

void TScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft) {
        if (CanFocus())
            SetFocus();
        SyncModel();
        trackPart_ = model_.PartAt({x, y});
        if (trackPart_ != TScrollPart::spNone && model_.Scrollable()) {
            trackPressed_ = true;
            trackStart_ = {x, y};
            trackStartPos_ = trackPos_ = position_;
            if (trackPart_ != TScrollPart::spThumb) {
                DoScroll(CodeOf(trackPart_), 0);
                SyncModel();
                if (Application && HandleAllocated()) {
                    repeating_ = false;
                    Application->Timers().Set(Handle(), RepeatTimer, ScrollFirstRepeatMs,
                                              Application->GetBackend().NowMs());
                }
            }
            Invalidate();
        } else {
            trackPart_ = TScrollPart::spNone;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    if (trackPart_ == TScrollPart::spThumb) {
        const int delta = kind_ == TScrollBarKind::sbVertical ? y - trackStart_.Y : x - trackStart_.X;
        const int pos = model_.PositionForThumbDrag(trackStartPos_, delta);
        if (pos != trackPos_) {
            trackPos_ = pos;
            DoScroll(scTrack, pos);
        }
    } else if (trackPart_ != TScrollPart::spNone) {
        const bool over = model_.PartAt({x, y}) == trackPart_;
        if (over != trackPressed_) {
            trackPressed_ = over;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        StopTracking(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TScrollBar::StopTracking(bool cancelled)
{
    if (trackPart_ == TScrollPart::spNone)
        return;
    if (Application && HandleAllocated())
        Application->Timers().Kill(Handle(), RepeatTimer);
    const TScrollPart part = trackPart_;
    trackPart_ = TScrollPart::spNone;
    trackPressed_ = false;
    if (!cancelled && part == TScrollPart::spThumb)
        DoScroll(scPosition, trackPos_);
    DoScroll(scEndScroll, 0);
    Invalidate();
}

void TScrollBar::Paint()
{
    SyncModel();
    model_.Paint(Canvas(), trackPressed_ ? trackPart_ : TScrollPart::spNone, EnabledInTree());
}
