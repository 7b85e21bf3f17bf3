#include "skin/controls/TTeStatusBar.h"

#include <algorithm>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "skin/engine/TteTheme.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/engine/TteThemeRecords.h"

TTeStatusPanel::TTeStatusPanel(TCollection& collection) : TCollectionItem(collection) {}

TTeStatusPanel::~TTeStatusPanel()
{
    DetachControl();
}

TTeStatusBar* TTeStatusPanel::Bar() const
{
    auto* panels = dynamic_cast<TTeStatusPanels*>(Collection());
    return panels ? &panels->Bar() : nullptr;
}

void TTeStatusPanel::Change(bool layout)
{
    Changed(layout);
}

void TTeStatusPanel::SetAlignment(TAlignment v)
{
    if (alignment_ == v)
        return;
    alignment_ = v;
    Change(false);
}

void TTeStatusPanel::SetImageIndex(int v)
{
    if (imageIndex_ == v)
        return;
    imageIndex_ = v;
    Change(false);
}

void TTeStatusPanel::SetFramed(bool v)
{
    if (framed_ == v)
        return;
    framed_ = v;
    PlaceControl();
    Change(false);
}

void TTeStatusPanel::SetLayout(TTeStatusGliphLayout v)
{
    if (layout_ == v)
        return;
    layout_ = v;
    Change(false);
}

void TTeStatusPanel::SetMargin(int v)
{
    if (margin_ == v)
        return;
    margin_ = v;
    Change(false);
}

void TTeStatusPanel::SetMaxWidth(int v)
{
    if (maxWidth_ == v)
        return;
    maxWidth_ = v;
    width_ = std::min(width_, maxWidth_);
    Change(true);
}

void TTeStatusPanel::SetSpacing(int v)
{
    if (spacing_ == v)
        return;
    spacing_ = v;
    Change(false);
}

void TTeStatusPanel::SetViewPriority(int v)
{
    if (viewPriority_ == v)
        return;
    viewPriority_ = v;
    Change(true);
}

void TTeStatusPanel::SetStretchPriority(int v)
{
    if (stretchPriority_ == v)
        return;
    stretchPriority_ = v;
    Change(true);
}

void TTeStatusPanel::SetStyle(TTeStatusPanelStyle v)
{
    if (style_ == v)
        return;
    style_ = v;
    Change(false);
}

void TTeStatusPanel::SetShowImage(bool v)
{
    if (showImage_ == v)
        return;
    showImage_ = v;
    Change(false);
}

void TTeStatusPanel::SetText(const std::string& v)
{
    if (text_ == v)
        return;
    text_ = v;
    Change(false);
}

void TTeStatusPanel::SetWidth(int v)
{
    v = std::clamp(v, 0, std::max(maxWidth_, 0));
    if (width_ == v)
        return;
    width_ = v;
    Change(true);
}

void TTeStatusPanel::SetControl(TControl* v)
{
    if (control_ == v)
        return;
    TTeStatusBar* bar = Bar();
    if (v && bar) {
        for (const TControl* c = bar; c; c = c->Parent())
            if (c == v)
                throw EInvalidOperation("Can't insert own parent");
        for (int i = 0; i < bar->Panels().Count(); ++i)
            if (TTeStatusPanel* other = bar->Panels().Items(i); other != this && other->control_ == v)
                other->DetachControl();
    }
    DetachControl();
    control_ = v;
    if (v && bar) {
        v->FreeNotification(bar);
        if (v->Parent() != bar)
            v->SetParent(bar);
    }
    PlaceControl();
    Change(true);
}

void TTeStatusPanel::DetachControl()
{
    TControl* old = control_;
    if (!old)
        return;
    control_ = nullptr;
    if (TTeStatusBar* bar = Bar(); bar && !bar->IsDestroying()) {
        old->RemoveFreeNotification(bar);
        old->Perform(CM_SHOWINGCHANGED);
    }
}

void TTeStatusPanel::PlaceControl()
{
    TTeStatusBar* bar = Bar();
    if (!control_ || !bar || control_->Parent() != bar)
        return;
    control_->SetBoundsRect(bar->GetPanelContentRect(*this));
    control_->SetVisible(visible_);
}

void TTeStatusPanel::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTeStatusPanel*>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    alignment_ = other->alignment_;
    imageIndex_ = other->imageIndex_;
    framed_ = other->framed_;
    layout_ = other->layout_;
    margin_ = other->margin_;
    maxWidth_ = other->maxWidth_;
    spacing_ = other->spacing_;
    viewPriority_ = other->viewPriority_;
    stretchPriority_ = other->stretchPriority_;
    style_ = other->style_;
    showImage_ = other->showImage_;
    text_ = other->text_;
    width_ = other->width_;
    TControl* control = nullptr;
    const TTeStatusBar* bar = Bar();
    if (other->control_ && bar && bar->Owner())
        control = dynamic_cast<TControl*>(bar->Owner()->FindComponent(other->control_->Name()));
    SetControl(control);
    Change(true);
}

std::string TTeStatusPanel::DisplayName() const
{
    if (!text_.empty())
        return text_;
    if (control_)
        return "[ " + control_->Name() + " ]";
    return TCollectionItem::DisplayName();
}

TTeStatusPanels::TTeStatusPanels(TTeStatusBar& bar)
    : TCollection([&bar](TCollection& collection) {
          TTePanelFactory panelClass = TCollection::Of<TTeStatusPanel>();
          if (bar.OnCreatePanelClass)
              bar.OnCreatePanelClass(&bar, panelClass);
          return panelClass(collection);
      }, &bar),
      bar_(bar)
{
}

void TTeStatusPanels::Update(TCollectionItem* item)
{
    bar_.PanelChanged(static_cast<TTeStatusPanel*>(item));
}

TTeStatusBar::TTeStatusBar(TComponent* AOwner) : TTeControl(AOwner), panels_(std::make_unique<TTeStatusPanels>(*this))
{
    SetBevelSides(kbsAll);
    SetBevelInner(kbvSpace);
    SetBevelOuter(kbvRaised);
    SetBevelWidth(0);
    SetBorderWidth(2);
    SetSystemBorder(false);
    SetHeight(22);
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque);
}

TTeStatusBar::~TTeStatusBar()
{
    BeforeDestruction();
    panels_.reset();
}

TTeStatusPanel* TTeStatusBar::CreatePanel()
{
    return panels_->Add();
}

void TTeStatusBar::SetImages(TImageList* v)
{
    if (images_ == v)
        return;
    images_ = v;
    LayoutPanels();
}

void TTeStatusBar::SetSizeGrip(bool v)
{
    if (sizeGrip_ == v)
        return;
    sizeGrip_ = v;
    Invalidate();
}

void TTeStatusBar::SetThemeObject(const std::string& v)
{
    if (themeObject_ == v)
        return;
    themeObject_ = v;
    LayoutPanels();
}

void TTeStatusBar::LayoutPanels()
{
    if (IsDestroying() || !panels_)
        return;
    const TRect content = GetContentRect();
    const int available = content.Width();
    std::vector<TTeStatusPanel*> work;
    int sum = 0;
    for (int i = 0; i < panels_->Count(); ++i) {
        TTeStatusPanel* p = panels_->Items(i);
        if (p->viewPriority_ == 0) {
            p->visible_ = false;
            continue;
        }
        p->actualWidth_ = p->width_;
        p->visible_ = true;
        work.push_back(p);
        sum += p->width_;
    }

    std::stable_sort(work.begin(), work.end(),
                     [](const TTeStatusPanel* a, const TTeStatusPanel* b) { return a->viewPriority_ > b->viewPriority_; });
    while (sum > available && work.size() >= 2 && work.back()->viewPriority_ < 100) {
        work.back()->visible_ = false;
        sum -= work.back()->EffectiveWidth();
        work.pop_back();
    }

    int spare = available - sum;
    if (spare > 0) {
        std::erase_if(work, [](const TTeStatusPanel* p) { return p->stretchPriority_ == 0; });
        while (!work.empty() && spare >= 1) {
            std::stable_sort(work.begin(), work.end(), [](const TTeStatusPanel* a, const TTeStatusPanel* b) {
                return a->stretchPriority_ < b->stretchPriority_;
            });
            TTeStatusPanel* p = work.back();
            p->actualWidth_ += spare;
            spare = p->actualWidth_ - p->EffectiveWidth();
            work.pop_back();
        }
    }

    int x = 0;
    const int last = panels_->Count() - 1;
    for (int i = 0; i <= last; ++i) {
        TTeStatusPanel* p = panels_->Items(i);
        if (x >= available)
            p->visible_ = false;
        p->left_ = content.Left + x;
        p->right_ = p->visible_ ? p->left_ + p->EffectiveWidth() : p->left_;
        // A hidden panel takes no room, so the panels after it close up.
        if (p->visible_)
            x += p->EffectiveWidth();
        if (p->visible_ && (i == last || x >= available) && p->stretchPriority_ != 0)
            p->right_ = content.Right;
    }
    for (int i = 0; i <= last; ++i)
        panels_->Items(i)->PlaceControl();
    Invalidate();
}

void TTeStatusBar::PanelChanged(TTeStatusPanel* panel)
{
    if (!panel) {
        LayoutPanels();
        return;
    }
    InvalidatePanel(*panel);
}

void TTeStatusBar::InvalidatePanel(const TTeStatusPanel& panel)
{
    if (!HandleAllocated())
        return;
    const TRect r = GetPanelRect(panel.Index());
    InvalidateRect(r, false);
    const TRect grip = GetGripRect();
    if (GripShown() && r.Right > grip.Left && r.Left < grip.Right)
        InvalidateRect(grip, false);
}

void TTeStatusBar::Loaded()
{
    TTeControl::Loaded();
    LayoutPanels();
}

void TTeStatusBar::Resize()
{
    TTeControl::Resize();
    LayoutPanels();
}

void TTeStatusBar::AlignControls(TControl* control, TRect& rect)
{
    TTeControl::AlignControls(control, rect);
    if (IsDestroying() || (!control && panels_->Count() == 0))
        return;
    LayoutPanels();
}

void TTeStatusBar::ThemeChanged(int code)
{
    if (code == ktcReplaced || code == ktcSet || code == ktcRemoved)
        LayoutPanels();
    else if (code == ktcColorsChanged)
        Invalidate();
}

void TTeStatusBar::Notification(TComponent* component, TOperation operation)
{
    TTeControl::Notification(component, operation);
    if (operation != TOperation::opRemove || !panels_)
        return;
    if (!IsDestroying())
        for (int i = 0; i < panels_->Count(); ++i)
            if (TTeStatusPanel* p = panels_->Items(i); p->control_ == component)
                p->control_ = nullptr;
}

void TTeStatusBar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FONTCHANGED:
    case CM_SYSCOLORCHANGE:
        TTeControl::Dispatch(message);
        Invalidate();
        return;
    case CM_CONTROLCHANGE: {
        TTeControl::Dispatch(message);
        auto* control = reinterpret_cast<TControl*>(message.WParam);
        if (IsLoading() || IsDestroying() || !control || !panels_)
            return;
        TTeStatusPanel* holder = nullptr;
        for (int i = 0; i < panels_->Count() && !holder; ++i)
            if (panels_->Items(i)->control_ == control)
                holder = panels_->Items(i);
        if (message.LParam && !holder)
            CreatePanel()->SetControl(control);
        else if (!message.LParam && holder) {
            holder->DetachControl();
            panels_->Delete(holder->Index());
        }
        return;
    }
    default:
        TTeControl::Dispatch(message);
    }
}

TTeStatusPanel* TTeStatusBar::PanelAtPos(TPoint p) const
{
    const TRect content = GetContentRect();
    if (p.Y < content.Top || p.Y >= content.Bottom)
        return nullptr;
    for (int i = 0; i < panels_->Count(); ++i) {
        TTeStatusPanel* panel = panels_->Items(i);
        if (panel->visible_ && p.X >= panel->left_ && p.X < panel->right_)
            return panel;
    }
    return nullptr;
}

void TTeStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled())
        return;
    if (GripShown() && GetGripRect().Contains({x, y})) {
        PressGrip(x, y);
        return;
    }
    pressed_ = PanelAtPos({x, y});
}

void TTeStatusBar::MouseMove(TShiftState shift, int x, int y)
{
    TTeControl::MouseMove(shift, x, y);
    if (GripShown())
        SetCursor(GetGripRect().Contains({x, y}) ? crSizeNWSE : crDefault);
}

void TTeStatusBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TTeControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    TTeStatusPanel* pressed = pressed_;
    pressed_ = nullptr;
    if (pressed && PanelAtPos({x, y}) == pressed)
        PanelClick(pressed);
}

void TTeStatusBar::DblClick()
{
    TTeControl::DblClick();
    if (!Application)
        return;
    if (TTeStatusPanel* panel = PanelAtPos(ScreenToClient(Application->Input().CursorPos())))
        PanelDblClick(panel);
}

void TTeStatusBar::PressGrip(int x, int y)
{
    TCustomForm* form = GetParentForm(this);
    if (!form || !form->HandleAllocated() || !Application)
        return;
    SetMouseCapture(false);
    const TPoint screen = ClientToScreen({x, y});
    Application->SendMessage(form->Handle(), WM_NCLBUTTONDOWN, 0, MakeLong(screen.X, screen.Y));
}

void TTeStatusBar::PanelClick(TTeStatusPanel* panel)
{
    if (OnPanelClick)
        OnPanelClick(this, panel);
}

void TTeStatusBar::PanelDblClick(TTeStatusPanel* panel)
{
    if (OnPanelDblClick)
        OnPanelDblClick(this, panel);
}

void TTeStatusBar::DrawPanel(TTeStatusPanel* panel, const TRect& rect)
{
    if (OnDrawPanel)
        OnDrawPanel(this, panel, rect);
}
