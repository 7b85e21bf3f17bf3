// TTeDefaultForm: moving and sizing by mouse, the caption buttons, snapping to the work area's
// edges and the window-position bookkeeping.
#include <algorithm>
#include <cstdlib>

#include "platform/core/WeakRef.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeFormMenus.h"

namespace {
constexpr int kLeftOperation = 8;
constexpr int kRightOperation = 16;

bool MovesOrSizes(int code) { return code >= khtCaption && code <= khtBottomRight; }
bool LeftEdge(int code) { return code == khtLeft || code == khtTopLeft || code == khtBottomLeft; }
bool RightEdge(int code) { return code == khtRight || code == khtTopRight || code == khtBottomRight; }
bool TopEdge(int code) { return code == khtTop || code == khtTopLeft || code == khtTopRight; }
bool BottomEdge(int code) { return code == khtBottom || code == khtBottomLeft || code == khtBottomRight; }
} // namespace

void TTeDefaultForm::WMNCMouse(TMessage& message)
{
    const TPoint p = ScreenToWindow(message.LParam);
    TCustomForm* form = Form();
    const uint32_t msg = message.Msg;
    message.Result = 0;
    MarkHandled();
    switch (msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        if (!activeFrame_ && form && form->Visible())
            form->SetFocus();
        operation_ = msg == WM_NCLBUTTONDOWN ? kLeftOperation : kRightOperation;
        Press(p, msg == WM_NCLBUTTONDOWN, false);
        return;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
        operation_ = 0;
        Release(p, msg == WM_NCLBUTTONUP, false);
        return;
    case WM_NCLBUTTONDBLCLK:
        message.Result = 1;
        Press(p, true, true);
        operation_ = 0;
        Release(p, true, true);
        return;
    case WM_NCMOUSEMOVE:
        MoveTo(p);
        return;
    default:
        return;
    }
}

void TTeDefaultForm::WMMouse(TMessage& message)
{
    TWinControl* c = Control();
    if (!c)
        return;
    const TRect f = c->FrameWidths();
    const TPoint p{LoWordSigned(message.LParam) + f.Left, HiWordSigned(message.LParam) + f.Top};
    if (message.Msg == WM_MOUSEMOVE) {
        if (operation_ == kLeftOperation) {
            MoveTo(p);
        } else if (hotCode_ != khtClient && hotCode_ != khtNone) {
            hotCode_ = khtNone;
            PaintFrame();
        }
        return;
    }
    if (message.Msg == WM_LBUTTONUP && operation_ == kLeftOperation) {
        // The release places a moved or sized window too: a back end may leave out a motion that
        // kept the pointer where it was within the window, as a window following it does.
        if (moveSize_)
            MoveTo(p);
        operation_ = 0;
        Release(p, true, false);
    }
}

void TTeDefaultForm::Press(TPoint p, bool left, bool doubleClick)
{
    const int code = HitTest(p.X, p.Y);
    if (!left) {
        pressedCode_ = code;
        return;
    }
    pressedCode_ = hotCode_ = code;
    const TRect w = CurrentWindowRect();
    startScreen_ = moveScreen_ = {w.Left + p.X, w.Top + p.Y};
    PaintFrame();
    if (MovesOrSizes(code) && !doubleClick) {
        moveSize_ = true;
        startRect_ = w;
    }
    if (TWinControl* c = Control())
        c->SetMouseCapture(true);
}

void TTeDefaultForm::MoveTo(TPoint p)
{
    if (operation_ == kLeftOperation && moveSize_) {
        const TRect now = CurrentWindowRect();
        // Where the pointer was last taken it moves nothing (a click does not snap the window).
        const TPoint screen{now.Left + p.X, now.Top + p.Y};
        if (screen == moveScreen_)
            return;
        moveScreen_ = screen;
        const int dx = moveScreen_.X - startScreen_.X;
        const int dy = moveScreen_.Y - startScreen_.Y;
        TRect r = startRect_;
        const int code = pressedCode_;
        if (code == khtCaption) {
            if (!dragging_->Moveable() || windowState_ == kwsMaximized)
                return;
            r.Offset(dx, dy);
            r = Gravitate(r);
        } else {
            if (!dragging_->Sizeable() || windowState_ != kwsNormal)
                return;
            const TPoint least = GetMinTrackSize();
            const TPoint most = GetMaxTrackSize();
            if (LeftEdge(code))
                r.Left = std::clamp(startRect_.Left + dx, r.Right - most.X, r.Right - least.X);
            if (RightEdge(code))
                r.Right = std::clamp(startRect_.Right + dx, r.Left + least.X, r.Left + most.X);
            if (TopEdge(code))
                r.Top = std::clamp(startRect_.Top + dy, r.Bottom - most.Y, r.Bottom - least.Y);
            if (BottomEdge(code))
                r.Bottom = std::clamp(startRect_.Bottom + dy, r.Top + least.Y, r.Top + most.Y);
        }
        if (r == now)
            return;
        SetWindowRect(r);
        const TRect moved = CurrentWindowRect();
        hotCode_ = HitTest(now.Left + p.X - moved.Left, now.Top + p.Y - moved.Top);
        PaintFrame();
        return;
    }
    // A pressed button looks pressed only while the mouse is over it.
    if (operation_ == kRightOperation)
        return;
    const int code = HitTest(p.X, p.Y);
    if (code != hotCode_) {
        hotCode_ = code;
        PaintFrame();
    }
}

void TTeDefaultForm::Release(TPoint p, bool left, bool doubleClick)
{
    const int code = HitTest(p.X, p.Y);
    const int pressed = pressedCode_;
    pressedCode_ = khtNone;
    moveSize_ = false;
    TWinControl* c = Control();
    // Menus open at screen points: a child's bounds lie in its parent's client area.
    const TRect screen = c ? c->WindowRect() : TRect{};
    if (!left) {
        if (code == khtCaption && c)
            FormMenus().ShowSystemMenu(*this, {screen.Left + p.X, screen.Top + p.Y}, windowState_ == kwsTray);
        return;
    }
    if (c && c->MouseCapture())
        c->SetMouseCapture(false);
    TWeakRef<TComponent> self(this);
    if (doubleClick && code == khtCaption && windowState_ == kwsRollup) {
        Rollup();
    } else if (doubleClick && code == khtCaption && HasIcon(kbiMaximize)) {
        if (windowState_ == kwsMinimized)
            Restore();
        else
            Maximize();
    } else if (doubleClick && code == khtSysMenu) {
        Close();
    } else if (code == pressed) {
        switch (code) {
        case khtClose: Close(); break;
        case khtHelp:
            if (Application && c)
                Application->SendMessage(c->Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP);
            break;
        case khtMinimize: Minimize(); break;
        case khtMaximize: Maximize(); break;
        case khtRollup: Rollup(); break;
        case khtTray: MinimizeToTray(); break;
        case khtSysMenu: {
            const TRect button = GetButtonRect(kbiSystemMenu);
            const TPoint at = button.IsEmpty() ? (c ? c->ClientOrigin() : TPoint{})
                                               : TPoint{screen.Left + button.Left, screen.Top + button.Bottom};
            FormMenus().ShowSystemMenu(*this, at, windowState_ == kwsTray);
            break;
        }
        default: break;
        }
    }
    if (self)
        PaintFrame();
}

TRect TTeDefaultForm::Gravitate(TRect r) const
{
    if (!gravitation_->Enabled())
        return r;
    const TRect area = ParentArea();
    const int size = gravitation_->Size();
    const int s = ShadowSize();
    const TRect f = Rect(r.Left, r.Top, r.Right - s, r.Bottom - s);
    int dx = 0, dy = 0;
    if (std::abs(f.Left - area.Left) < size)
        dx = area.Left - f.Left;
    else if (std::abs(f.Right - area.Right) < size)
        dx = area.Right - f.Right;
    if (std::abs(f.Top - area.Top) < size)
        dy = area.Top - f.Top;
    else if (std::abs(f.Bottom - area.Bottom) < size)
        dy = area.Bottom - f.Bottom;
    r.Offset(dx, dy);
    return r;
}

void TTeDefaultForm::SetWindowRect(const TRect& r)
{
    TWinControl* c = Control();
    if (!c)
        return;
    c->SetBoundsRect(r);
    if (Application)
        Application->DispatchPaints();
}

void TTeDefaultForm::WMWindowPosChanging(TMessage& message)
{
    auto* wp = reinterpret_cast<TWindowPos*>(message.LParam);
    message.Result = 0;
    MarkHandled();
    if (!wp || ((wp->flags & SWP_NOSIZE) && (wp->flags & SWP_NOMOVE)))
        return;
    const TPoint most = GetMaxTrackSize();
    wp->cx = std::min(wp->cx, most.X);
    wp->cy = std::min(wp->cy, most.Y);
    if (windowState_ != kwsRollup && windowState_ != kwsMinimized) {
        const TPoint least = GetMinTrackSize();
        wp->cx = std::max(wp->cx, least.X);
        wp->cy = std::max(wp->cy, least.Y);
    }
    if (wp->flags & SWP_FRAMECHANGED)
        PaintFrame();
    if (blending_->Enabled() || ShadowSize() > 0)
        wp->flags |= SWP_NOCOPYBITS;
}
