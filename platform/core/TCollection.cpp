#include "platform/core/TCollection.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace {

[[noreturn]] void IndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace

int TCollectionItem::Index() const
{
    const auto& items = collection_->items_;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

void TCollectionItem::SetIndex(int index)
{
    int current = Index();
    if (current < 0 || current == index)
        return;
    collection_->MoveItem(current, index);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const
{
    return ClassName();
}

void TCollectionItem::Changed(bool allItems)
{
    collection_->Changed(allItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory factory, TPersistent* owner) : factory_(std::move(factory)), owner_(owner)
{
    if (!factory_)
        throw EInvalidOperation("A collection needs an item class");
}

TCollection::~TCollection()
{
    ++updateCount_; // no change reports while the items go
    items_.clear();
}

TCollectionItem* TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[static_cast<size_t>(index)].get();
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (const auto& item : items_)
        if (item->id_ == id)
            return item.get();
    return nullptr;
}

TCollectionItem* TCollection::Add()
{
    return Insert(Count());
}

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        IndexError(index);
    std::unique_ptr<TCollectionItem> item = factory_(*this);
    item->collection_ = this;
    item->id_ = nextId_++;
    TCollectionItem* added = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Notify(added, TCollectionNotification::cnAdded);
    Changed();
    return added;
}

void TCollection::Delete(int index)
{
    if (index < 0 || index >= Count())
        IndexError(index);
    TCollectionItem* doomed = items_[static_cast<size_t>(index)].get();
    Notify(doomed, TCollectionNotification::cnDeleting);
    // The hook may have moved items, so the item is found again by identity.
    auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& item) { return item.get() == doomed; });
    if (it != items_.end())
        items_.erase(it);
    Changed();
}

void TCollection::Clear()
{
    if (items_.empty())
        return;
    BeginUpdate();
    try {
        while (!items_.empty())
            Delete(Count() - 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TCollection*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (const auto& item : other->items_)
            Add()->Assign(*item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate()
{
    ++updateCount_;
}

void TCollection::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        Changed();
}

void TCollection::Changed(TCollectionItem* item)
{
    if (updateCount_ == 0)
        Update(item);
}

void TCollection::MoveItem(int from, int to)
{
    if (to < 0 || to >= Count())
        IndexError(to);
    std::unique_ptr<TCollectionItem> item = std::move(items_[static_cast<size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
}
