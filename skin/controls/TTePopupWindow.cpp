#include "skin/controls/TTePopupWindow.h"

#include "skin/controls/TTePopupForm.h"
#include "skin/controls/TTeFormOptions.h"

TTePopupWindow::TTePopupWindow(TComponent* AOwner) : TPopupWindow(AOwner)
{
    // The frame component paints the whole client area when it is erased.
    SetControlStyle(ControlStyle() | csOpaque);
    frame_ = CreateOwned<TTePopupForm>(*this);
    frame_->SetControl(this);
    frame_->SetStayOnTop(true);
    frame_->RefreshFormFrame();
    if (auto* owner = dynamic_cast<TWinControl*>(AOwner ? AOwner->Owner() : nullptr))
        frame_->SetFrameWindow(owner);
    else if (auto* ownerWindow = dynamic_cast<TWinControl*>(AOwner))
        frame_->SetFrameWindow(ownerWindow);
    if (frame_->FrameWindow())
        frame_->FrameWindow()->FreeNotification(frame_);
}

void TTePopupWindow::ApplyOptions(const TTePopupMenuOptions& options, bool animate)
{
    frame_->SetBlending(options.Blending());
    frame_->SetShadow(options.Shadow());
    if (animate)
        frame_->SetAnimation(options.Animation());
}

void TTePopupWindow::ShowAt(const TRect& bounds)
{
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    HandleNeeded();
    Show();
}
