#include "platform/core/TComponent.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/LiveObjects.h"
#include "platform/core/StrUtils.h"

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

} // namespace

TComponent::TComponent(TComponent* AOwner)
{
    objectId_ = LiveObjects::Register(this);
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    BeforeDestruction();
    DestroyComponents();
    // Ties made while this component was already dying still have to be cut.
    SendFreeNotifications();
    if (owner_)
        owner_->Remove(this);
    LiveObjects::Unregister(objectId_);
}

void TComponent::Free(TComponent* component)
{
    if (!component)
        return;
    component->BeforeDestruction();
    delete component;
}

void TComponent::BeforeDestruction()
{
    if (notifiedFree_)
        return;
    notifiedFree_ = true;
    SetDestroyingTree();
    LiveObjects::Unregister(objectId_);
    SendFreeNotifications();
    if (owner_)
        owner_->Notification(this, TOperation::opRemove);
}

void TComponent::SendFreeNotifications()
{
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(partner->freeNotifies_, this);
        partner->Notification(this, TOperation::opRemove);
    }
}

void TComponent::SetDestroyingTree()
{
    state_ |= csDestroying;
    for (TComponent* component : components_)
        component->SetDestroyingTree();
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* component = components_.back();
        component->BeforeDestruction();
        // The notification above may have freed it already through user code.
        if (!components_.empty() && components_.back() == component) {
            components_.pop_back();
            component->owner_ = nullptr;
            delete component;
        }
    }
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* component : components_)
        if (SameText(component->name_, name))
            return component;
    return nullptr;
}

void TComponent::ValidateName(const std::string& name, const TComponent* owner) const
{
    if (name.empty())
        return;
    if (!IsValidIdent(name))
        throw EInvalidOperation("'" + name + "' is not a valid component name");
    if (owner) {
        TComponent* existing = owner->FindComponent(name);
        if (existing && existing != this)
            throw EInvalidOperation("A component named " + name + " already exists");
    }
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    ValidateName(name, owner_);
    name_ = name;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component)
        throw EInvalidOperation("Cannot insert a nil component");
    if (component->owner_ == this)
        return;
    for (TComponent* up = this; up; up = up->owner_)
        if (up == component)
            throw EInvalidOperation("A component cannot own itself or its owner");
    component->ValidateName(component->name_, this);
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this)
        return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component)
{
    Erase(components_, component);
    component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(component);
    // By index: a handler may free owned components while the news goes round.
    for (size_t i = 0; i < components_.size(); ++i)
        components_[i]->Notification(component, operation);
}

void TComponent::Loaded()
{
    state_ &= ~csLoading;
}

void TComponent::SetComponentState(uint32_t flags, bool on)
{
    if (on)
        state_ |= flags;
    else
        state_ &= ~flags;
}

void TComponent::BeginLoading()
{
    state_ |= csLoading;
    for (TComponent* component : components_)
        component->BeginLoading();
}

void TComponent::EndLoading()
{
    if (state_ & csLoading) {
        Loaded();
        state_ &= ~csLoading;
    }
    for (size_t i = 0; i < components_.size(); ++i)
        components_[i]->EndLoading();
}

void TComponent::CancelLoading()
{
    state_ &= ~csLoading;
    for (TComponent* component : components_)
        component->CancelLoading();
}
