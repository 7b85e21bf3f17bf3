#include "skin/controls/TTeScrollBar.h"

#include <algorithm>

#include "platform/core/MathUtils.h"
#include "platform/core/WeakRef.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/TTimerList.h"
#include "skin/engine/TeUtils.h"

TTeScrollBar::TTeScrollBar(TComponent* AOwner) : TTeGraphicControl(AOwner)
{
    controlStyle_ |= csCaptureMouse;
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYVTHUMB));
    SetPerformance(tepDoubleBuffer);
}

TTeScrollBar::~TTeScrollBar() = default;

void TTeScrollBar::SetPosition(int v)
{
    v = std::clamp(v, min_, max_);
    if (v == position_)
        return;
    position_ = v;
    Invalidate();
    DoChange();
}

void TTeScrollBar::SetMax(int v)
{
    v = std::max(v, min_);
    if (v == max_)
        return;
    max_ = v;
    if (position_ > max_)
        SetPosition(max_);
    pageSize_ = static_cast<int>(std::min<int64_t>(pageSize_, int64_t(max_) - min_ + 1));
    Invalidate();
}

void TTeScrollBar::SetMin(int v)
{
    v = std::min(v, max_);
    if (v == min_)
        return;
    min_ = v;
    if (position_ < min_)
        SetPosition(min_);
    pageSize_ = static_cast<int>(std::min<int64_t>(pageSize_, int64_t(max_) - min_ + 1));
    Invalidate();
}

void TTeScrollBar::SetPageSize(int v)
{
    if (v < 0 || v == pageSize_)
        return;
    pageSize_ = static_cast<int>(std::min<int64_t>(v, int64_t(max_) - min_ + 1));
    Invalidate();
}

void TTeScrollBar::SetOrientation(TteScrollOrientation v)
{
    if (v == orientation_)
        return;
    orientation_ = v;
    if ((ComponentState() & csDesigning) && (v == teoVertical) == (Width() > Height()))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTeScrollBar::SetBorderWidth(int v)
{
    if (v == borderWidth_)
        return;
    borderWidth_ = v;
    Invalidate();
}

void TTeScrollBar::SetShowButtons(bool v)
{
    if (v == showButtons_)
        return;
    showButtons_ = v;
    Invalidate();
}

void TTeScrollBar::SetAutoStepDec(bool v)
{
    if (v == autoDec_)
        return;
    autoDec_ = v;
    if (!v) {
        StopRepeat();
        return;
    }
    autoInc_ = false;
    StartRepeatAt(GetKeyboardRepeatTime());
}

void TTeScrollBar::SetAutoStepInc(bool v)
{
    if (v == autoInc_)
        return;
    autoInc_ = v;
    if (!v) {
        StopRepeat();
        return;
    }
    autoDec_ = false;
    StartRepeatAt(GetKeyboardRepeatTime());
}

int TTeScrollBar::GetButtonSize() const
{
    const int s = GetSystemMetrics(SM_CYVTHUMB);
    const int length = (Vertical() ? Height() : Width()) - 2 * borderWidth_;
    return length >= 2 * s ? s : length / 2;
}

TRect TTeScrollBar::GetTrackRect() const
{
    TRect r = InflateRectBy(Rect(0, 0, Width(), Height()), -borderWidth_);
    if (showButtons_) {
        const int size = GetButtonSize();
        (Vertical() ? r.Top : r.Left) += size;
        (Vertical() ? r.Bottom : r.Right) -= size;
    }
    return r;
}

TRect TTeScrollBar::GetDecButtonRect() const
{
    const int bw = borderWidth_;
    const int size = GetButtonSize();
    if (Vertical())
        return Rect(bw, bw, Width() - bw, bw + size);
    return Rect(bw, bw, bw + size, Height() - bw);
}

TRect TTeScrollBar::GetIncButtonRect() const
{
    const int bw = borderWidth_;
    const int size = GetButtonSize();
    if (Vertical())
        return Rect(bw, Height() - bw - size, Width() - bw, Height() - bw);
    return Rect(Width() - bw - size, bw, Width() - bw, Height() - bw);
}

int TTeScrollBar::ThumbLength() const
{
    const int s = GetSystemMetrics(SM_CYVTHUMB);
    if (pageSize_ < 1)
        return s;
    const TRect track = GetTrackRect();
    const int64_t length = Round(double(pageSize_) * (Trail(track) - Lead(track)) / (int64_t(max_) - min_ + 1));
    return static_cast<int>(std::max<int64_t>(length, s / 3 * 2));
}

int TTeScrollBar::GetThumbSize() const
{
    const TRect track = GetTrackRect();
    const int length = ThumbLength();
    return Trail(track) - Lead(track) > length ? length : 0;
}

int64_t TTeScrollBar::ThumbRange() const
{
    return int64_t(max_) - min_ - pageSize_ + (pageSize_ != 0 ? 1 : 0);
}

int TTeScrollBar::ThumbPosition() const
{
    const TRect track = GetTrackRect();
    const int64_t range = ThumbRange();
    const int avail = Trail(track) - Lead(track) - GetThumbSize();
    if (int64_t(max_) - min_ - pageSize_ + 1 < 1 || range < 1)
        return Lead(track);
    if (position_ > int64_t(max_) - pageSize_ + 1)
        return Lead(track) + avail;
    return static_cast<int>(Lead(track) + Round(double(position_ - int64_t(min_)) * avail / range));
}

int TTeScrollBar::PixelToPosition(int pixel) const
{
    const TRect track = GetTrackRect();
    const int64_t range = ThumbRange();
    const int avail = Trail(track) - Lead(track) - GetThumbSize();
    int64_t pos = 0;
    if (avail != 0 && range >= 1)
        pos = Round(double(pixel - Lead(track)) * range / avail + min_);
    // With no page the last position is Max itself, as with a page of one.
    pos = std::max<int64_t>(pos, min_);
    pos = std::min<int64_t>(pos, int64_t(max_) - std::max(pageSize_, 1) + 1);
    return static_cast<int>(pos);
}

TRect TTeScrollBar::GetThumbRect() const
{
    const TRect track = GetTrackRect();
    const int lead = ThumbPosition();
    const int size = GetThumbSize();
    if (Vertical())
        return Rect(track.Left, lead, track.Right, lead + size);
    return Rect(lead, track.Top, lead + size, track.Bottom);
}

TRect TTeScrollBar::GetPageDecRect() const
{
    TRect r = GetTrackRect();
    (Vertical() ? r.Bottom : r.Right) = Lead(GetThumbRect());
    return r;
}

TRect TTeScrollBar::GetPageIncRect() const
{
    TRect r = GetTrackRect();
    (Vertical() ? r.Top : r.Left) = Trail(GetThumbRect());
    return r;
}

bool TTeScrollBar::ThumbShown() const
{
    const TRect thumb = GetThumbRect();
    return (Enabled() || (ComponentState() & csDesigning)) && RectWidth(thumb) >= 1 && RectHeight(thumb) >= 1;
}

void TTeScrollBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        TTeGraphicControl::Dispatch(message);
        Invalidate();
        return;
    case WM_GETDLGCODE:
        TTeGraphicControl::Dispatch(message);
        message.Result = 1;
        return;
    default:
        TTeGraphicControl::Dispatch(message);
    }
}

bool TTeScrollBar::UpdateHotFlags(int x, int y)
{
    const bool dec = showButtons_ && InDecButton(x, y);
    const bool inc = showButtons_ && InIncButton(x, y);
    const bool thumb = InThumb(x, y);
    const bool pageDec = InPageDec(x, y);
    const bool pageInc = InPageInc(x, y);
    const bool changed = dec != hotDec_ || inc != hotInc_ || thumb != hotThumb_ || pageDec != hotPageDec_ ||
                         pageInc != hotPageInc_;
    hotDec_ = dec;
    hotInc_ = inc;
    hotThumb_ = thumb;
    hotPageDec_ = pageDec;
    hotPageInc_ = pageInc;
    return changed;
}

bool TTeScrollBar::ClearHotFlags()
{
    const bool any = hotDec_ || hotInc_ || hotThumb_ || hotPageDec_ || hotPageInc_;
    hotDec_ = hotInc_ = hotThumb_ = hotPageDec_ = hotPageInc_ = false;
    return any;
}

void TTeScrollBar::DoMouseLeave()
{
    TTeGraphicControl::DoMouseLeave();
    if (ClearHotFlags())
        Invalidate();
}

void TTeScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWeakRef<TTeScrollBar> self(this);
    TTeGraphicControl::MouseDown(button, shift, x, y);
    if (!self || button != TMouseButton::mbLeft)
        return;
    // A press with no move before it must still find the part under it.
    lastMouse_ = {x, y};
    if (UpdateHotFlags(x, y))
        Invalidate();
    if (InThumb(x, y) && ThumbShown()) {
        const TRect thumb = GetThumbRect();
        dragOffset_ = Vertical() ? y - thumb.Top : x - thumb.Left;
        int pos = position_;
        DoScroll(tecTrack, pos);
        if (!self)
            return;
        SetPosition(pos);
        Invalidate();
    }
    const bool wasDec = pressedDec_, wasInc = pressedInc_, wasPageDec = pressedPageDec_, wasPageInc = pressedPageInc_;
    pressedDec_ = pressedDec_ || (showButtons_ && InDecButton(x, y));
    pressedInc_ = pressedInc_ || (showButtons_ && InIncButton(x, y));
    pressedPageDec_ = pressedPageDec_ || InPageDec(x, y);
    pressedPageInc_ = pressedPageInc_ || InPageInc(x, y);
    if ((pressedDec_ && !wasDec && hotDec_) || (pressedInc_ && !wasInc && hotInc_) ||
        (pressedPageDec_ && !wasPageDec && hotPageDec_) || (pressedPageInc_ && !wasPageInc && hotPageInc_)) {
        Invalidate();
        StartRepeatAt(-1);
    }
}

void TTeScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    TWeakRef<TTeScrollBar> self(this);
    TTeGraphicControl::MouseMove(shift, x, y);
    if (!self)
        return;
    lastMouse_ = {x, y};
    if (dragOffset_ >= 0) {
        const TRect track = GetTrackRect();
        const int p = std::max(Lead(track), std::min((Vertical() ? y : x) - dragOffset_, Trail(track)));
        // Each track report shows where the thumb is; a handler's change does not move it.
        int pos = PixelToPosition(p);
        DoScroll(tecTrack, pos);
        if (!self)
            return;
        SetPosition(PixelToPosition(p));
    }
    if (UpdateHotFlags(x, y))
        Invalidate();
}

void TTeScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TWeakRef<TTeScrollBar> self(this);
    TTeGraphicControl::MouseUp(button, shift, x, y);
    if (!self || button != TMouseButton::mbLeft)
        return;
    if (dragOffset_ >= 0) {
        int pos = position_;
        DoScroll(tecPosition, pos);
        if (!self)
            return;
        SetPosition(pos);
    }
    dragOffset_ = -1;
    pressedDec_ = pressedInc_ = pressedPageDec_ = pressedPageInc_ = false;
    StopRepeat();
    int pos = position_;
    DoScroll(tecEndScroll, pos);
    if (!self)
        return;
    SetPosition(pos);
    Invalidate();
}

bool TTeScrollBar::Step(uint16_t key)
{
    const int64_t page = pageSize_ > 0 ? pageSize_ : largeChange_;
    int64_t next = position_;
    TTeScrollCode code = tecLineUp;
    switch (key) {
    case VK_PRIOR: next -= page; code = tecPageUp; break;
    case VK_NEXT: next += page; code = tecPageDown; break;
    case VK_END: next = max_; code = tecBottom; break;
    case VK_HOME: next = min_; code = tecTop; break;
    case VK_LEFT:
    case VK_UP: next -= smallChange_; code = tecLineUp; break;
    case VK_RIGHT:
    case VK_DOWN: next += smallChange_; code = tecLineDown; break;
    default: return true;
    }
    int pos = static_cast<int>(std::clamp<int64_t>(next, min_, max_));
    TWeakRef<TTeScrollBar> self(this);
    DoScroll(code, pos);
    if (!self)
        return false;
    SetPosition(pos);
    if ((key == VK_LEFT || key == VK_UP) && position_ <= min_)
        SetAutoStepDec(false);
    if ((key == VK_RIGHT || key == VK_DOWN) && position_ >= max_)
        SetAutoStepInc(false);
    return true;
}

void TTeScrollBar::StartRepeatAt(int intervalMs)
{
    if (!timer_) {
        timer_ = std::make_unique<TTimer>();
        timer_->SetEnabled(false);
        timer_->SetOnTimer([this](TComponent*) { RepeatTick(); });
    }
    if (intervalMs < 0) {
        // A held part steps at once, again after the keyboard delay, then at the repeat rate.
        TWeakRef<TTeScrollBar> self(this);
        RepeatTick();
        if (!self)
            return;
        intervalMs = GetKeyboardDelayTime();
    }
    timer_->SetInterval(static_cast<uint32_t>(intervalMs));
    timer_->SetEnabled(true);
}

void TTeScrollBar::StopRepeat()
{
    if (timer_)
        timer_->SetEnabled(false);
}

void TTeScrollBar::RepeatTick()
{
    timer_->SetInterval(static_cast<uint32_t>(GetKeyboardRepeatTime()));
    if ((pressedDec_ && hotDec_) || autoDec_) {
        Step(VK_LEFT);
        return;
    }
    if ((pressedInc_ && hotInc_) || autoInc_) {
        Step(VK_RIGHT);
        return;
    }
    // The page under the pointer shrinks as the thumb moves, so a held page stops at the pointer.
    const bool pageDec = InPageDec(lastMouse_.X, lastMouse_.Y);
    bool changed = pageDec != hotPageDec_;
    hotPageDec_ = pageDec;
    if (pressedPageDec_ && hotPageDec_) {
        if (!Step(VK_PRIOR))
            return;
    } else {
        const bool pageInc = InPageInc(lastMouse_.X, lastMouse_.Y);
        changed = changed || pageInc != hotPageInc_;
        hotPageInc_ = pageInc;
        if (pressedPageInc_ && hotPageInc_ && !Step(VK_NEXT))
            return;
    }
    if (changed)
        Invalidate();
}
