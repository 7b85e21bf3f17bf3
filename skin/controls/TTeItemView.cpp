#include "skin/controls/TTeItemView.h"

#include <algorithm>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimerList.h"
#include "platform/ui/TWinControl.h"
#include "skin/controls/TTeItem.h"

namespace {

constexpr int ArrowStrip = 10;
constexpr uint32_t ScrollInterval = 100;

TPoint lastMousePos;

} // namespace

TPoint LastMenuMousePos() { return lastMousePos; }
void SetLastMenuMousePos(TPoint p) { lastMousePos = p; }

TTeItemView::TTeItemView(TComponent* AOwner, bool horizontal, bool barStyle)
    : TComponent(AOwner), horizontal_(horizontal), barStyle_(barStyle)
{
}

TTeItemView::~TTeItemView()
{
    scrollTimer_.reset();
}

bool TTeItemView::IsScrolling() const
{
    return item_ && item_->Scrolled() && item_->ScrollCount() >= 1;
}

int TTeItemView::ShownCount() const
{
    if (!IsScrolling())
        return item_->Count();
    int shown = item_->ScrollCount();
    if (!horizontal_)
        shown = std::min(shown, item_->Count() - item_->ScrollPos());
    return std::max(shown, 0);
}

void TTeItemView::LayoutItems()
{
    if (!item_)
        return;
    TBitmap measure;
    TCanvas& canvas = canvas_ ? *canvas_ : measure.Canvas();
    canvas.Font().Assign(MenuFont());
    const int count = item_->Count();
    const int first = std::clamp(item_->ScrollPos(), 0, count);
    const int last = std::min(count, first + ShownCount());
    std::vector<TSize> sizes(count);
    for (int i = 0; i < count; ++i) {
        TTeItem* child = item_->Items(i);
        child->SetBoundsRect({});
        if (child->Visible())
            child->CalcSize(canvas, *this, sizes[i].cx, sizes[i].cy);
    }
    TSize size;
    if (!horizontal_) {
        for (int i = 0; i < count; ++i)
            if (item_->Items(i)->Visible())
                size.cx = std::max(size.cx, sizes[i].cx);
        int y = origin_.Y + (IsScrolling() ? ArrowStrip : 0);
        for (int i = first; i < last; ++i) {
            TTeItem* child = item_->Items(i);
            if (!child->Visible())
                continue;
            child->SetBoundsRect(Bounds(origin_.X, y, size.cx, sizes[i].cy));
            y += sizes[i].cy;
            size.cy += sizes[i].cy;
        }
        if (IsScrolling())
            size.cy += 2 * ArrowStrip;
    } else {
        const int ownerWidth = ownerControl_ ? ownerControl_->Width() : 0;
        int x = origin_.X;
        for (int i = first; i < last; ++i) {
            TTeItem* child = item_->Items(i);
            if (!child->Visible())
                continue;
            const TSize s = sizes[i];
            const uint8_t kind = child->Kind();
            if (kind >= 1 && kind <= 3)
                child->SetBoundsRect(Bounds(origin_.X + ownerWidth - kind * s.cx, origin_.Y, s.cx, s.cy));
            else {
                // The child's icon (kind 4) comes first, and the menus follow it rather than cover it.
                child->SetBoundsRect(Bounds(x, origin_.Y, s.cx, s.cy));
                x += s.cx;
            }
            size.cx += s.cx;
            size.cy = std::max(size.cy, s.cy);
        }
    }
    width_ = size.cx;
    height_ = size.cy;
    SetViewSize(size);
}

TRect TTeItemView::GetItemRect(TTeItem* item)
{
    if (item->BoundsRect().IsEmpty())
        LayoutItems();
    return item->BoundsRect();
}

TRect TTeItemView::ScrollArrowRect(uint8_t direction) const
{
    if (direction == 1)
        return Bounds(origin_.X, origin_.Y, width_, ArrowStrip);
    return Bounds(origin_.X, origin_.Y + height_ - ArrowStrip, width_, ArrowStrip);
}

void TTeItemView::SetScrollDirection(uint8_t direction)
{
    if (direction == scrollDirection_)
        return;
    if (direction == 0) {
        scrollDirection_ = 0;
        scrollTimer_.reset();
        RepaintScrollArrow(1);
        RepaintScrollArrow(2);
        return;
    }
    if (childView_)
        childView_->PostToHost(WM_KEYDOWN, VK_ESCAPE);
    scrollDirection_ = direction;
    RepaintScrollArrow(direction);
    scrollTimer_ = Create<TTimer>();
    scrollTimer_->SetInterval(ScrollInterval);
    scrollTimer_->SetOnTimer(TNotifyEvent(this, &TTeItemView::ScrollTick));
}

void TTeItemView::ScrollTick(TComponent*)
{
    if (!item_)
        return;
    if (scrollDirection_ == 1 && item_->ScrollPos() > 0)
        SelectPrev();
    else if (scrollDirection_ == 2 && item_->Count() > item_->ScrollPos() + item_->ScrollCount())
        SelectNext();
}

void TTeItemView::TrackMouse(TPoint screen)
{
    if (!host_ || !item_)
        return;
    const TPoint p = host_->ScreenToClient(screen);
    TTeItem* old = selected_;
    if (!loopRunning_) {
        selected_ = nullptr;
        Application->SetHint("");
    }
    if (IsScrolling() && !horizontal_) {
        const uint8_t direction = ScrollArrowRect(1).Contains(p) ? 1 : ScrollArrowRect(2).Contains(p) ? 2 : 0;
        SetScrollDirection(direction);
    }
    const int first = std::clamp(item_->ScrollPos(), 0, item_->Count());
    const int last = std::min(item_->Count(), first + ShownCount());
    for (int i = first; i < last; ++i) {
        TTeItem* child = item_->Items(i);
        if (child->Visible() && child->BoundsRect().Contains(p)) {
            selected_ = child;
            Application->SetHint(child->Hint());
            break;
        }
    }
    if (selected_ != old) {
        RepaintItem(old);
        RepaintItem(selected_);
    }
}

void TTeItemView::SelectNext() { Step(1); }
void TTeItemView::SelectPrev() { Step(-1); }

void TTeItemView::Step(int delta)
{
    if (!item_)
        return;
    const int count = item_->Count();
    int index = selected_ ? item_->IndexOf(selected_) : -1;
    // At most one round: a column with nothing selectable keeps its selection.
    for (int steps = 0; steps < count; ++steps) {
        if (delta > 0)
            index = index < 0 || index >= count - 1 ? 0 : index + 1;
        else
            index = index <= 0 ? count - 1 : index - 1;
        TTeItem* candidate = item_->Items(index);
        if (!candidate->Visible() || candidate->IsSeparator()) {
            RepaintItem(candidate);
            continue;
        }
        if (IsScrolling() && !horizontal_) {
            const int pos = item_->ScrollPos();
            const int shown = item_->ScrollCount();
            int newPos = pos;
            if (delta > 0 && index == 0)
                newPos = 0;
            else if (delta > 0 && index >= pos + shown)
                newPos = index - shown + 1;
            else if (delta < 0 && index == count - 1)
                newPos = std::max(0, count - shown);
            else if (delta < 0 && index < pos)
                newPos = index;
            if (newPos != pos) {
                item_->SetScrollPos(newPos);
                LayoutItems();
                InvalidateView();
            }
        }
        Select(candidate);
        if (submenuOpen_)
            OpenSubmenu();
        return;
    }
}

void TTeItemView::Select(TTeItem* item)
{
    if (item == selected_)
        return;
    TTeItem* old = selected_;
    selected_ = item;
    RepaintItem(old);
    RepaintItem(item);
    Application->SetHint(item ? item->Hint() : std::string());
}

bool TTeItemView::OpenSubmenu()
{
    if (!selected_ || !selected_->Enabled() || selected_->Count() == 0 || scrollDirection_ != 0 || !host_)
        return false;
    const TRect r = GetItemRect(selected_);
    const TPoint at = host_->ClientToScreen(barStyle_ ? TPoint{r.Left, r.Bottom} : TPoint{r.Right, r.Top});
    const TPoint topLeft = host_->ClientToScreen(r.TopLeft());
    submenuOpen_ = true;
    ShowSubmenu(*selected_, at, Bounds(topLeft.X, topLeft.Y, r.Width(), r.Height()));
    return true;
}

void TTeItemView::ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect)
{
    (void)item, (void)popupPoint, (void)itemRect;
}

void TTeItemView::CloseMenuChain()
{
    for (TTeItemView* view = this; view; view = view->parentView_) {
        view->selected_ = nullptr;
        view->submenuOpen_ = false;
        view->loopRunning_ = false;
        view->InvalidateView();
    }
}

void TTeItemView::InitiateActions()
{
    if (item_)
        for (int i = 0; i < item_->Count(); ++i)
            item_->Items(i)->InitiateAction();
}

void TTeItemView::PaintItems(TCanvas& canvas)
{
    if (!item_)
        return;
    canvas.Font().Assign(MenuFont());
    if (IsScrolling() && !horizontal_) {
        TTeItem* root = item_->Root();
        root->PaintScrollArrow(canvas, *this, ScrollArrowRect(1), 1, scrollDirection_ == 1);
        root->PaintScrollArrow(canvas, *this, ScrollArrowRect(2), 2, scrollDirection_ == 2);
    }
    const int first = std::clamp(item_->ScrollPos(), 0, item_->Count());
    const int last = std::min(item_->Count(), first + ShownCount());
    for (int i = first; i < last; ++i) {
        TTeItem* child = item_->Items(i);
        if (child->Visible() && !child->HiddenInView())
            child->Paint(canvas, *this, child->BoundsRect(), child == selected_, !loopRunning_);
    }
}

bool TTeItemView::HitsSelected(TPoint screen) const
{
    return selected_ && host_ && selected_->BoundsRect().Contains(host_->ScreenToClient(screen));
}

void TTeItemView::PostToHost(uint32_t msg, intptr_t wParam, intptr_t lParam) const
{
    TWinControl* window = dynamic_cast<TWinControl*>(host_);
    if (!window && host_)
        window = host_->Parent();
    if (window)
        Application->PostMessage(window->Handle(), msg, wParam, lParam);
}
