#include "skin/controls/TTeInplaceScrollBar.h"

#include "platform/controls/TWindowScrollBars.h"
#include "platform/ui/TApplication.h"
#include "skin/engine/TeParentBackground.h"

TTeInplaceScrollBar::TTeInplaceScrollBar(TComponent* AOwner, TCreateScrollBarEvent onCreateScrollBar)
    : TWinControl(AOwner)
{
    if (onCreateScrollBar)
        scrollBar_ = onCreateScrollBar(*this);
    if (!scrollBar_)
        scrollBar_ = CreateOwned<TTeScrollBar>(*this);
    scrollBar_->SetBorderWidth(0);
    scrollBar_->SetAlign(TAlign::alClient);
    scrollBar_->SetPerformance(tepDoubleBuffer);
    scrollBar_->SetOrientation(teoVertical);
    scrollBar_->SetParent(this);
    scrollBar_->SetVisible(true);
    scrollBar_->OnScroll = TTeScrollEvent(this, &TTeInplaceScrollBar::Scroll);
}

TTeInplaceScrollBar::~TTeInplaceScrollBar()
{
    SetControl(nullptr);
}

void TTeInplaceScrollBar::SetControl(TWinControl* control)
{
    if (control == control_)
        return;
    if (control_)
        control_->RemoveFreeNotification(this);
    control_ = control;
    if (control_)
        control_->FreeNotification(this);
}

void TTeInplaceScrollBar::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_)
        control_ = nullptr;
}

void TTeInplaceScrollBar::UpdateFromControl()
{
    const int which = scrollBar_->Orientation() == teoVertical ? SB_VERT : SB_HORZ;
    TWindowScrollBars* bars = FindWindowScrollBars(control_);
    if (!bars || !bars->Visible(which)) {
        Hide();
        return;
    }
    Show();
    const TRect window = control_->WindowRect();
    TRect r = bars->BarRect(which);
    r.Offset(window.Left, window.Top);
    if (Parent()) {
        const TPoint topLeft = Parent()->ScreenToClient({r.Left, r.Top});
        r = Bounds(topLeft.X, topLeft.Y, r.Width(), r.Height());
    }
    SetBoundsRect(r);
    const TScrollInfo info = bars->GetScrollInfo(which);
    scrollBar_->SetEnabled(control_->Enabled());
    // A new range wholly above the old one needs Max first, or Min would be held below the old Max.
    if (info.Min > scrollBar_->Max()) {
        scrollBar_->SetMax(info.Max);
        scrollBar_->SetMin(info.Min);
    } else {
        scrollBar_->SetMin(info.Min);
        scrollBar_->SetMax(info.Max);
    }
    scrollBar_->SetPageSize(info.Page);
    scrollBar_->SetPosition(info.Pos);
    scrollBar_->Invalidate();
}

void TTeInplaceScrollBar::Scroll(TComponent*, TTeScrollCode code, int& pos)
{
    if (!control_ || code > tecEndScroll)
        return;
    const uint32_t msg = scrollBar_->Orientation() == teoVertical ? WM_VSCROLL : WM_HSCROLL;
    const intptr_t wParam = code == tecLineUp || code == tecLineDown ? intptr_t(code) : MakeLong(code, pos);
    if (Application && control_->HandleAllocated())
        Application->SendMessage(control_->Handle(), msg, wParam, 0);
    else
        control_->Perform(msg, wParam, 0);
    UpdateFromControl();
    // The bar settles where the control went, not where the step aimed.
    pos = scrollBar_->Position();
}

void TTeInplaceScrollBar::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TWinControl::Dispatch(message);
}

void RegisterInplaceScrollBarPainter()
{
    RegisterBackgroundPainter<TTeInplaceScrollBar>([](TCanvas&, const TBackgroundPaintInfo&) {});
}
