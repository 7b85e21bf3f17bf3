#include "skin/controls/TTePopupWindow.h"

#include "platform/graphics/TBitmap.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/PopupPlacement.h"
#include "skin/controls/TTeFormOptions.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTePopupForm.h"
#include "skin/controls/TTePopupView.h"

TTePopupWindow::TTePopupWindow(TComponent* AOwner) : TPopupWindow(AOwner), measure_(std::make_unique<TBitmap>(1, 1))
{
    // The frame component paints the whole client area when it is erased.
    SetControlStyle(ControlStyle() | csOpaque);
    frame_ = CreateOwned<TTePopupForm>(*this);
    frame_->SetControl(this);
    frame_->SetStayOnTop(true);
    frame_->RefreshFormFrame();
    frame_->OnPaintContent = [this](TCanvas& canvas) {
        if (view_ && view_->Item())
            view_->PaintItems(canvas);
    };
}

TTePopupWindow::~TTePopupWindow()
{
    frame_->OnPaintContent = nullptr;
    view_.reset();
}

void TTePopupWindow::CreatePopup(TComponent* menuOwner, TTeItemView* parentView, TTeItem& item)
{
    if (auto* form = dynamic_cast<TWinControl*>(menuOwner ? menuOwner->Owner() : nullptr))
        frame_->SetFrameWindow(form);
    else if (auto* window = dynamic_cast<TWinControl*>(menuOwner))
        frame_->SetFrameWindow(window);
    if (frame_->FrameWindow())
        frame_->FrameWindow()->FreeNotification(frame_);
    if (const TTePopupMenuOptions* options = item.Options()) {
        // The first column of a menu session animates, the later ones do not; menus that
        // never start a session (system and tray menus) animate every time.
        const bool animate = !item.InMenuSession() || item.AnimateNext();
        ApplyOptions(*options, animate);
        if (animate)
            (item.Parent() ? item.Parent() : &item)->SetAnimateNext(false);
    }
    view_ = std::make_unique<TTePopupView>(*this);
    view_->SetCanvas(&measure_->Canvas());
    view_->SetOwnerControl(this);
    view_->SetHost(this);
    view_->SetItem(&item);
    view_->SetParentView(parentView);
    SetCursor(crDefault);
}

void TTePopupWindow::ApplyOptions(const TTePopupMenuOptions& options, bool animate)
{
    frame_->SetBlending(options.Blending());
    frame_->SetShadow(options.Shadow());
    if (animate)
        frame_->SetAnimation(options.Animation());
}

void TTePopupWindow::Relayout()
{
    if (view_)
        view_->LayoutItems();
}

void TTePopupWindow::RunLoop()
{
    if (view_)
        view_->RunMenuLoop();
}

void TTePopupWindow::ShowAt(const TRect& bounds)
{
    SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    HandleNeeded();
    Show();
}

namespace {

bool HasVisibleChild(const TTeItem& item)
{
    for (int i = 0; i < item.Count(); ++i)
        if (item.Items(i)->Visible())
            return true;
    return false;
}

// The skinned form of the menu's form; its frame is not repainted while the column appears.
TTeDefaultForm* FormSkin(TWinControl* formWindow)
{
    if (!formWindow)
        return nullptr;
    for (int i = 0; i < formWindow->ComponentCount(); ++i)
        if (auto* skin = dynamic_cast<TTeForm*>(formWindow->Components(i)))
            return skin;
    return nullptr;
}

} // namespace

void ShowSubmenu(TTeItem& item, TTeItemView* parentView, TPoint at, const TRect& avoid,
                 const std::function<void(TTeItemView& view)>& shown)
{
    if (!HasVisibleChild(item))
        return;
    if (item.OnBeforeDropDown)
        item.OnBeforeDropDown(&item);
    // The handler may have closed the menu (another menu popped up): nothing opens from it.
    if (parentView && !parentView->LoopRunning())
        return;
    auto window = Create<TTePopupWindow>();
    window->CreatePopup(item.Owner(), parentView, item);
    const TRect monitor = Screen ? Screen->MonitorFromPoint(at).BoundsRect : Rect(0, 0, 1024, 768);
    const TPoint start = avoid.Width() <= 0 ? at
                         : parentView && parentView->BarStyle() ? TPoint{avoid.Left, avoid.Bottom}
                                                                 : TPoint{avoid.Right, avoid.Top};
    window->SetBounds(start.X, start.Y, window->Width(), window->Height());
    window->Relayout();
    const bool fromBar = parentView && parentView->BarStyle();
    const TRect bounds = PlacePopup({window->Width(), window->Height()}, at, avoid, fromBar, monitor);

    TTeDefaultForm* skin = FormSkin(item.FormWindow());
    if (skin)
        skin->DisableFramePaint();
    window->ShowAt(bounds);
    if (skin)
        skin->EnableFramePaint();
    // Painted at once: input typed ahead would otherwise keep the column blank.
    window->Update();

    // The level's view is the parent's child while it runs, also when the loop raises.
    struct ChildLink {
        TTeItemView* parent;
        ~ChildLink()
        {
            if (parent)
                parent->SetChildView(nullptr);
        }
    } link{parentView};
    if (parentView)
        parentView->SetChildView(window->View());
    if (shown)
        shown(*window->View());
    window->RunLoop();
}
