#include "skin/controls/TTeControl.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeScrollBar.h"
#include "skin/engine/TteThemeManager.h"

TTeControl::TTeControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TTeControl::~TTeControl()
{
    UnregisterThemeClient(this);
}

void TTeControl::AfterConstruction()
{
    TCustomControl::AfterConstruction();
    RegisterThemeClient(this);
}

void TTeControl::SetPerformance(TTePerformance v)
{
    if (performance_ == v)
        return;
    performance_ = v;
    Invalidate();
}

void TTeControl::ChangeBorder()
{
    BorderChanged();
    Invalidate();
}

void TTeControl::SetBorderWidth(int v)
{
    if (borderWidth_ == v)
        return;
    borderWidth_ = v;
    ChangeBorder();
}

void TTeControl::SetBevelInner(TTeBevelCut v)
{
    if (bevelInner_ == v)
        return;
    bevelKind_ = kbkNone;
    bevelInner_ = v;
    ChangeBorder();
}

void TTeControl::SetBevelOuter(TTeBevelCut v)
{
    if (bevelOuter_ == v)
        return;
    bevelKind_ = kbkNone;
    bevelOuter_ = v;
    ChangeBorder();
}

void TTeControl::SetBevelSides(TTeBevelSides v)
{
    if (bevelSides_ == v)
        return;
    bevelSides_ = v;
    ChangeBorder();
}

void TTeControl::SetBevelKind(TTeBevelKind v)
{
    if (bevelKind_ == v)
        return;
    if (v != kbkNone)
        bevelInner_ = bevelOuter_ = BevelKindCut(v);
    bevelKind_ = v;
    ChangeBorder();
}

void TTeControl::SetBevelWidth(int v)
{
    if (bevelWidth_ == v)
        return;
    bevelWidth_ = v;
    ChangeBorder();
}

TRect TTeControl::GetContentRect() const
{
    TRect r = Rect(0, 0, Width(), Height());
    r.Inflate(-borderWidth_, -borderWidth_);
    const int inset = ((bevelInner_ != kbvNone) + (bevelOuter_ != kbvNone)) * bevelWidth_;
    if (bevelSides_ & kbsLeft)
        r.Left += inset;
    if (bevelSides_ & kbsTop)
        r.Top += inset;
    if (bevelSides_ & kbsRight)
        r.Right -= inset;
    if (bevelSides_ & kbsBottom)
        r.Bottom -= inset;
    return r;
}

TRect TTeControl::GetClientRect() const
{
    TRect r = GetContentRect();
    if (vScrollBar_)
        r.Right -= vScrollBar_->Width();
    if (hScrollBar_)
        r.Bottom -= hScrollBar_->Height();
    return r;
}

void TTeControl::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    UpdateScrollBars();
}

void TTeControl::AlignControls(TControl* control, TRect& rect)
{
    TRect inside;
    IntersectRect(inside, rect, GetClientRect());
    TCustomControl::AlignControls(control, inside);
    rect = inside;
}

void TTeControl::Loaded()
{
    TCustomControl::Loaded();
    UpdateScrollBars();
}

void TTeControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TTeControl::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (Parent())
        RecreateScrollBars();
}

void TTeControl::SetScrollBarMode(uint8_t v)
{
    if (scrollBarMode_ == v)
        return;
    scrollBarMode_ = v;
    RecreateScrollBars();
}

TControl* TTeControl::CreateScrollBar(bool horizontal)
{
    auto* bar = CreateOwned<TTeScrollBar>(*this);
    bar->SetBorderWidth(0);
    bar->SetOrientation(horizontal ? teoHorizontal : teoVertical);
    // The control moves the bar itself when it takes the message.
    bar->OnScroll = [this, horizontal](TComponent* sender, TTeScrollCode code, int& pos) {
        ScrollBarScrolled(horizontal, code, pos);
        pos = static_cast<TTeScrollBar*>(sender)->Position();
    };
    return bar;
}

int TTeControl::GetScrollBarSize() const
{
    return GetSystemMetrics(SM_CYVTHUMB);
}

void TTeControl::RecreateScrollBars()
{
    TComponent::Free(hScrollBar_);
    hScrollBar_ = nullptr;
    TComponent::Free(vScrollBar_);
    vScrollBar_ = nullptr;
    const int size = GetScrollBarSize();
    if (scrollBarMode_ == 1 || scrollBarMode_ == 3) {
        hScrollBar_ = CreateScrollBar(true);
        if (hScrollBar_) {
            hScrollBar_->SetParent(this);
            hScrollBar_->SetHeight(size);
        }
    }
    if (scrollBarMode_ == 2 || scrollBarMode_ == 3) {
        vScrollBar_ = CreateScrollBar(false);
        if (vScrollBar_) {
            vScrollBar_->SetParent(this);
            vScrollBar_->SetWidth(size);
        }
    }
    UpdateScrollBars();
}

void TTeControl::UpdateScrollBars()
{
    if (!hScrollBar_ && !vScrollBar_)
        return;
    const TRect r = GetContentRect();
    const int h = hScrollBar_ ? hScrollBar_->Height() : 0;
    const int v = vScrollBar_ ? vScrollBar_->Width() : 0;
    if (hScrollBar_)
        hScrollBar_->SetBoundsRect(Rect(r.Left, r.Bottom - h, r.Right - v, r.Bottom));
    if (vScrollBar_)
        vScrollBar_->SetBoundsRect(Rect(r.Right - v, r.Top, r.Right, r.Bottom - h));
}

void TTeControl::ScrollBarScrolled(bool horizontal, int code, int& position)
{
    Perform(horizontal ? WM_HSCROLL : WM_VSCROLL, code, position);
}

void TTeControl::ThemeChanged(int code)
{
    if (code == ktcReplaced || code == ktcSet || code == ktcRemoved || code == ktcColorsChanged)
        Invalidate();
}

void TTeControl::DoMouseEnter()
{
    mouseInControl_ = true;
}

void TTeControl::DoMouseLeave()
{
    mouseInControl_ = false;
}

void TTeControl::DoFocusEnter()
{
    hasFocus_ = true;
    Invalidate();
}

void TTeControl::DoFocusExit()
{
    hasFocus_ = false;
    Invalidate();
}

void TTeControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TCustomControl::Dispatch(message);
        if (message.LParam == 0)
            DoMouseEnter();
        return;
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        if (message.LParam == 0)
            DoMouseLeave();
        return;
    case CM_ENTER:
        DoFocusEnter();
        TCustomControl::Dispatch(message);
        return;
    case CM_EXIT:
        DoFocusExit();
        TCustomControl::Dispatch(message);
        return;
    case WM_ERASEBKGND:
        // A normal erase paints nothing; a request from a transparent child paints border and client.
        if (message.WParam && message.LParam)
            PaintInto(*reinterpret_cast<TCanvas*>(message.WParam));
        message.Result = 1;
        return;
    case WM_THEMECHANGED:
        Invalidate();
        TCustomControl::Dispatch(message);
        return;
    case KM_THEMECHANGE:
        ThemeChanged(static_cast<int>(message.WParam));
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

TTeGraphicControl::TTeGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetColor(clBtnFace);
    SetBounds(0, 0, 100, 30);
}

TTeGraphicControl::~TTeGraphicControl()
{
    UnregisterThemeClient(this);
}

void TTeGraphicControl::AfterConstruction()
{
    TGraphicControl::AfterConstruction();
    RegisterThemeClient(this);
}

void TTeGraphicControl::SetPerformance(TTePerformance v)
{
    if (performance_ == v)
        return;
    performance_ = v;
    Invalidate();
}

void TTeGraphicControl::Loaded()
{
    TGraphicControl::Loaded();
    Invalidate();
}

void TTeGraphicControl::ThemeChanged(int code)
{
    if (code == ktcReplaced || code == ktcSet || code == ktcRemoved || code == ktcColorsChanged)
        Invalidate();
}

void TTeGraphicControl::DoMouseEnter()
{
    mouseInControl_ = true;
}

void TTeGraphicControl::DoMouseLeave()
{
    mouseInControl_ = false;
}

void TTeGraphicControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
        TGraphicControl::Dispatch(message);
        if (message.LParam == 0)
            DoMouseEnter();
        return;
    case CM_MOUSELEAVE:
        TGraphicControl::Dispatch(message);
        if (message.LParam == 0)
            DoMouseLeave();
        return;
    case KM_THEMECHANGE:
        ThemeChanged(static_cast<int>(message.WParam));
        return;
    default:
        TGraphicControl::Dispatch(message);
    }
}

void* TOrderedList::PushItem(void* item)
{
    items_.push_back(item);
    return item;
}

void* TOrderedList::PopItem()
{
    void* item = PeekItem();
    items_.pop_back();
    return item;
}

void* TOrderedList::PeekItem()
{
    if (items_.empty())
        throw EListError("List index out of bounds (-1)");
    return items_.back();
}
