#include "platform/controls/TPopupMenu.h"

#include <algorithm>

#include "platform/controls/TMenuTracker.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/TWinControl.h"

void TMenuItem::Click()
{
    if (enabled_ && OnClick)
        OnClick(this);
}

TPopupMenu::~TPopupMenu()
{
    for (TMenuItem* item : items_)
        if (item->Owner() != this)
            item->RemoveFreeNotification(this);
}

TMenuItem* TPopupMenu::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

void TPopupMenu::Add(TMenuItem* item)
{
    if (!item || std::find(items_.begin(), items_.end(), item) != items_.end())
        return;
    items_.push_back(item);
    item->FreeNotification(this);
}

void TPopupMenu::Remove(TMenuItem* item)
{
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->RemoveFreeNotification(this);
}

TMenuItem* TPopupMenu::AddItem(const std::string& caption, TNotifyEvent onClick)
{
    auto* item = CreateOwned<TMenuItem>(*this);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    Add(item);
    return item;
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    items_.erase(std::remove(items_.begin(), items_.end(), component), items_.end());
    if (component == popupComponent_)
        popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    std::vector<TMenuEntry> entries;
    std::vector<TMenuItem*> shown;
    for (TMenuItem* item : items_) {
        if (!item->Visible())
            continue;
        TMenuEntry e;
        e.Id = static_cast<uint32_t>(shown.size());
        e.Text = item->Caption();
        e.Separator = item->Caption() == "-";
        e.Enabled = item->Enabled();
        e.Checked = item->Checked();
        entries.push_back(e);
        shown.push_back(item);
    }
    TWeakRef<TComponent> self(this);
    const int chosen = TrackMenu(entries, x, y);
    if (!self || chosen < 0 || chosen >= static_cast<int>(shown.size()))
        return;
    TWeakRef<TComponent> item(shown[static_cast<size_t>(chosen)]);
    if (auto* alive = dynamic_cast<TMenuItem*>(item.Get()))
        alive->Click();
}

void TPopupMenu::PopupFor(TControl* target, int screenX, int screenY)
{
    SetPopupComponent(target);
    Popup(screenX, screenY);
}
