#include "skin/controls/TTeTabSheet.h"

#include <utility>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "skin/controls/TTePageContainer.h"
#include "skin/engine/TeParentBackground.h"

TTeTabSheet::TTeTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetAlign(TAlign::alClient);
    controlStyle_ |= csAcceptsControls;
    InitVisible(false);
}

TTeTabSheet::~TTeTabSheet()
{
    destroying_ = true;
    if (!pageControl_)
        return;
    if (pageControl_->IsDestroying())
        pageControl_->ForgetPage(this);
    else
        pageControl_->RemovePage(this);
}

void TTeTabSheet::SetPageControl(TTePageContainer* container)
{
    if (container == pageControl_)
        return;
    if (pageControl_) {
        pageControl_->DetachPage(this);
        pageVisible_ = false;
    }
    if (container)
        container->InsertPage(this);
}

int TTeTabSheet::PageIndex() const
{
    return pageControl_ ? pageControl_->IndexOfPage(this) : -1;
}

void TTeTabSheet::SetPageIndex(int index)
{
    if (IsLoading() || !pageControl_ || index < 0 || index >= pageControl_->PageCount())
        return;
    const int current = PageIndex();
    if (index == current)
        return;
    std::swap(pageControl_->pages_[current], pageControl_->pages_[index]);
    pageControl_->UpdateTabs();
}

void TTeTabSheet::SetPageVisible(bool v)
{
    if (v == pageVisible_)
        return;
    pageVisible_ = v;
    if (!IsLoading() && pageControl_)
        pageControl_->UpdateTabs();
}

void TTeTabSheet::SetImageIndex(int v)
{
    if (v == imageIndex_)
        return;
    imageIndex_ = v;
    if (pageControl_)
        pageControl_->Invalidate();
}

void TTeTabSheet::SetText(const std::string& v)
{
    TCustomControl::SetText(v);
    if (pageControl_)
        pageControl_->CaptionChanged(this);
}

void TTeTabSheet::PaintBackground(TCanvas& canvas)
{
    if (!Parent() || !pageControl_)
        return;
    const int saved = canvas.SaveDC();
    const TPoint org = canvas.WindowOrg();
    const TPoint offset = pageControl_->ScreenToClient(ClientOrigin());
    canvas.SetWindowOrg({org.X + offset.X, org.Y + offset.Y});
    pageControl_->PaintBackground(canvas);
    canvas.SetWindowOrg(org);
    canvas.RestoreDC(saved);
}

void TTeTabSheet::Paint()
{
    if (pageControl_ && pageControl_->ActivePage() == this)
        PaintBackground(Canvas());
}

void TTeTabSheet::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(message);
    if (message.Msg != CM_SHOWINGCHANGED)
        return;
    try {
        if (Showing())
            OnShow(this);
        else
            OnHide(this);
    } catch (const std::exception& e) {
        if (Application)
            Application->HandleException(this, e);
    }
}

void RegisterTabSheetPainter()
{
    RegisterBackgroundPainter<TTeTabSheet>([](TCanvas& canvas, const TBackgroundPaintInfo& info) {
        static_cast<TTeTabSheet*>(info.Parent)->PaintBackground(canvas);
    });
}
