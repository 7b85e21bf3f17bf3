#include "skin/controls/TTeItem.h"

#include <algorithm>
#include <memory>

#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TInputRouter.h"
#include "skin/controls/TTeClickHandler.h"
#include "skin/controls/TTeItemView.h"

namespace {

struct ContainerRecord {
    TTeContainerTest IsInstance;
    TTeItemInsertProc Insert;
    TTeItemFactory ItemClass;
    int Count = 1;
};

std::unique_ptr<std::vector<ContainerRecord>> containers;

struct MenuMetrics {
    int Width = 20;
    int Height = 20;
    TFont Font;
};
std::unique_ptr<MenuMetrics> metrics;

MenuMetrics& Metrics()
{
    if (!metrics)
        metrics = std::make_unique<MenuMetrics>();
    return *metrics;
}

[[noreturn]] void IndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

void TTeItem::SetFormWindowOverTree(TWinControl* v)
{
    formWindow_ = v;
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetFormWindowOverTree(v);
}

TTeItemActionLink::TTeItemActionLink(TTeItem* item) : TActionLink(item), item_(item) {}

bool TTeItemActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && item_->Caption() == CustomAction()->Caption();
}
bool TTeItemActionLink::IsCheckedLinked() const
{
    return TActionLink::IsCheckedLinked() && item_->Checked() == CustomAction()->Checked();
}
bool TTeItemActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && item_->Enabled() == CustomAction()->Enabled();
}
bool TTeItemActionLink::IsHelpContextLinked() const
{
    return TActionLink::IsHelpContextLinked() && item_->HelpContext() == CustomAction()->HelpContext();
}
bool TTeItemActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && item_->Hint() == CustomAction()->Hint();
}
bool TTeItemActionLink::IsImageIndexLinked() const
{
    return TActionLink::IsImageIndexLinked() && item_->ImageIndex() == CustomAction()->ImageIndex();
}
bool TTeItemActionLink::IsShortCutLinked() const
{
    return TActionLink::IsShortCutLinked() && item_->ShortCut() == CustomAction()->ShortCut();
}
bool TTeItemActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && item_->Visible() == CustomAction()->Visible();
}
bool TTeItemActionLink::IsOnExecuteLinked() const
{
    return Action() && item_->OnClick == Action()->OnExecute();
}

void TTeItemActionLink::SetCaption(const std::string& value)
{
    if (IsCaptionLinked())
        item_->SetCaption(value);
}
void TTeItemActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        item_->SetChecked(value);
}
void TTeItemActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        item_->SetEnabled(value);
}
void TTeItemActionLink::SetHelpContext(int value)
{
    if (IsHelpContextLinked())
        item_->SetHelpContext(value);
}
void TTeItemActionLink::SetHint(const std::string& value)
{
    if (IsHintLinked())
        item_->SetHint(value);
}
void TTeItemActionLink::SetImageIndex(int value)
{
    if (IsImageIndexLinked())
        item_->SetImageIndex(value);
}
void TTeItemActionLink::SetShortCut(int value)
{
    if (IsShortCutLinked())
        item_->SetShortCut(static_cast<TShortCut>(value));
}
void TTeItemActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        item_->SetVisible(value);
}
void TTeItemActionLink::SetOnExecute(const TNotifyEvent& handler)
{
    if (IsOnExecuteLinked())
        item_->OnClick = handler;
}

TTeItem::TTeItem(TComponent* AOwner) : TComponent(AOwner) {}

TTeItem::~TTeItem()
{
    while (!items_.empty())
        TComponent::Free(items_.back());
    if (parent_)
        parent_->Remove(this);
}

TTeItem* TTeItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[index];
}

TTeItem* TTeItem::Root()
{
    TTeItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root;
}

void TTeItem::Insert(int index, TTeItem* item)
{
    if (item->parent_)
        throw ETeItemError("Toolbar item already inserted");
    if (index < 0 || index > Count())
        IndexError(index);
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed();
}

void TTeItem::Delete(int index)
{
    TTeItem* item = Items(index);
    item->parent_ = nullptr;
    items_.erase(items_.begin() + index);
    Changed();
}

int TTeItem::IndexOf(const TTeItem* item) const
{
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TTeItem::Remove(TTeItem* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

void TTeItem::SetCaption(const std::string& v)
{
    if (caption_ == v)
        return;
    caption_ = v;
    Changed();
}

void TTeItem::SetChecked(bool v)
{
    if (checked_ == v)
        return;
    checked_ = v;
    Changed();
}

void TTeItem::SetEnabled(bool v)
{
    if (enabled_ == v)
        return;
    enabled_ = v;
    Changed();
}

void TTeItem::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    Changed();
}

TImageList* TTeItem::GetImages()
{
    return images_ ? images_ : Root()->images_;
}

template <class F> void TTeItem::ForTree(F f)
{
    f(*this);
    for (TTeItem* child : items_)
        child->ForTree(f);
}

void TTeItem::SetBiDiMode(uint8_t v)
{
    biDiMode_ = v;
    for (TTeItem* child : items_)
        child->biDiMode_ = v;
}

void TTeItem::SetAnimateNext(bool v) { ForTree([v](TTeItem& i) { i.animateNext_ = v; }); }
void TTeItem::SetInMenuSession(bool v) { ForTree([v](TTeItem& i) { i.inMenuSession_ = v; }); }
void TTeItem::SetHiddenInView(bool v) { ForTree([v](TTeItem& i) { i.hiddenInView_ = v; }); }
void TTeItem::SetOptions(const TTePopupMenuOptions* v) { ForTree([v](TTeItem& i) { i.options_ = v; }); }

void TTeItem::Changed()
{
    if (IsLoading() || IsDestroying())
        return;
    if (OnChange)
        OnChange(this);
    TTeItem* root = Root();
    if (root->OnChange)
        root->OnChange(root);
}

void TTeItem::InitiateAction()
{
    if (actionLink_)
        actionLink_->Update();
}

TBasicAction* TTeItem::Action() const
{
    return actionLink_ ? actionLink_->Action() : nullptr;
}

void TTeItem::SetAction(TBasicAction* action)
{
    if (!action) {
        actionLink_.reset();
        return;
    }
    if (!actionLink_)
        actionLink_ = std::make_unique<TTeItemActionLink>(this);
    actionLink_->SetAction(action);
    ApplyAction(action->IsLoading());
    action->FreeNotification(this);
}

void TTeItem::ApplyAction(bool onlyDefaults)
{
    TBasicAction* action = Action();
    if (!action)
        return;
    if (auto* a = dynamic_cast<TCustomAction*>(action)) {
        if (!onlyDefaults || caption_.empty())
            SetCaption(a->Caption());
        if (!onlyDefaults || !checked_)
            SetChecked(a->Checked());
        if (!onlyDefaults || enabled_)
            SetEnabled(a->Enabled());
        if (!onlyDefaults || helpContext_ == 0)
            helpContext_ = a->HelpContext();
        if (!onlyDefaults || hint_.empty())
            hint_ = a->Hint();
        if (!onlyDefaults || imageIndex_ == -1)
            imageIndex_ = a->ImageIndex();
        if (!onlyDefaults || shortCut_ == 0)
            shortCut_ = static_cast<TShortCut>(a->ShortCut());
        if (!onlyDefaults || visible_)
            SetVisible(a->Visible());
    }
    if (!onlyDefaults || !OnClick)
        OnClick = action->OnExecute();
}

void TTeItem::Loaded()
{
    TComponent::Loaded();
    ApplyAction(true);
}

void TTeItem::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Action())
        actionLink_.reset();
}

void TTeItem::Click()
{
    if (IsSeparator() || !items_.empty() || !enabled_)
        return;
    if (TTeClickHandler* handler = ClickHandler())
        Application->PostMessage(handler->Handle(), WM_DEFERRED_MENU_CLICK, 0, static_cast<intptr_t>(ObjectId()));
    else
        DoClick();
}

void TTeItem::DoClick()
{
    TBasicAction* action = Action();
    if (OnClick && (!action || !(OnClick == action->OnExecute())))
        OnClick(this);
    else if (actionLink_ && !(ComponentState() & csDesigning))
        actionLink_->Execute(this);
    else
        OnClick(this);
}

TTeItem* TTeItem::FindItemByAccel(char32_t ch) const
{
    for (TTeItem* child : items_)
        if (child->visible_ && IsAccel(ch, child->caption_))
            return child;
    return nullptr;
}

TTeItem* TTeItem::FindItemByKey(char32_t ch) const
{
    if (TTeItem* found = FindItemByAccel(ch))
        return found;
    for (TTeItem* child : items_)
        if (child->visible_ && CaptionBeginsWith(ch, child->caption_))
            return child;
    return nullptr;
}

TTeItem* TTeItem::FindItemByShortCut(TShortCut shortCut)
{
    if (shortCut_ == shortCut)
        return this;
    for (TTeItem* child : items_)
        if (TTeItem* found = child->FindItemByShortCut(shortCut))
            return found;
    return nullptr;
}

TTeItem* TTeItem::FindItemByOnClick(const TNotifyEvent& handler)
{
    if (OnClick && OnClick == handler)
        return this;
    for (TTeItem* child : items_)
        if (TTeItem* found = child->FindItemByOnClick(handler))
            return found;
    return nullptr;
}

bool TTeItem::IsShortCut(const TMessage& message)
{
    TShortCut code = static_cast<TShortCut>(message.WParam & 0xFFFF);
    if (GetKeyState(VK_SHIFT) < 0)
        code |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        code |= scCtrl;
    if (message.LParam & (1 << 29))
        code |= scAlt;
    if (code == 0 || (code & 0xFF) == 0)
        return false;
    bool found = false;
    for (;;) {
        TTeItem* item = FindItemByShortCut(code);
        if (!item || item == this)
            return found;
        found = true;
        std::vector<TTeItem*> chain;
        for (TTeItem* i = item; i && i != this; i = i->parent_)
            chain.insert(chain.begin(), i);
        bool restart = false;
        for (TTeItem* i : chain) {
            if (!i->enabled_)
                break;
            i->Click();
            // A click that moved the shortcut elsewhere starts the search again.
            if (FindItemByShortCut(code) != item) {
                restart = true;
                break;
            }
        }
        if (!restart)
            return true;
    }
}

void TTeItem::GetChildren(const std::function<void(TComponent*)>& proc) const
{
    for (TTeItem* child : items_)
        proc(child);
}

TComponent* TTeItem::GetParentComponent() const
{
    if (parent_ && parent_->parentComponent_)
        return parent_->parentComponent_;
    return parent_;
}

void TTeItem::SetParentComponent(TComponent* value)
{
    if (parent_)
        parent_->Remove(this);
    if (auto* item = dynamic_cast<TTeItem*>(value)) {
        item->Add(this);
        return;
    }
    if (!value || !containers)
        return;
    for (auto it = containers->rbegin(); it != containers->rend(); ++it)
        if (it->IsInstance(value)) {
            it->Insert(value, this);
            return;
        }
}

void RegisterItemContainer(TTeContainerTest isInstance, TTeItemInsertProc insert, TTeItemFactory itemClass)
{
    if (!containers)
        containers = std::make_unique<std::vector<ContainerRecord>>();
    for (ContainerRecord& r : *containers)
        if (r.IsInstance == isInstance) {
            ++r.Count;
            r.Insert = std::move(insert);
            r.ItemClass = std::move(itemClass);
            return;
        }
    containers->push_back({isInstance, std::move(insert), std::move(itemClass)});
}

void UnregisterItemContainer(TTeContainerTest isInstance)
{
    if (!containers)
        return;
    auto it = std::find_if(containers->begin(), containers->end(),
                           [&](const ContainerRecord& r) { return r.IsInstance == isInstance; });
    if (it != containers->end() && --it->Count == 0)
        containers->erase(it);
    if (containers->empty())
        containers.reset();
}

int ItemContainerCount()
{
    return containers ? static_cast<int>(containers->size()) : 0;
}

int MenuItemWidth() { return Metrics().Width; }
int MenuItemHeight() { return Metrics().Height; }
TFont& MenuFont() { return Metrics().Font; }

void ReadMenuMetrics()
{
    const TNonClientMetrics nc = GetNonClientMetrics();
    MenuMetrics& m = Metrics();
    m.Width = std::max(nc.iMenuWidth, 20);
    m.Height = std::max(nc.iMenuHeight, 20);
    m.Font.SetName(nc.MenuFont.Name);
    m.Font.SetHeight(nc.MenuFont.Height);
    m.Font.SetStyle(nc.MenuFont.Bold ? TFontStyles(fsBold) : TFontStyles());
}

void FreeMenuMetrics()
{
    metrics.reset();
}

void FreeItemContainers()
{
    containers.reset();
}
