#pragma once
// Owned collections of items (grid columns, status panels, element styles, stored themes): the
// collection owns its items and hears of every change to them through Update.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/TPersistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection& collection) : collection_(&collection) {}

    TCollection* Collection() const { return collection_; }
    int ID() const { return id_; }
    int Index() const;
    // Moves the item to another place; EListError out of range.
    virtual void SetIndex(int index);
    // Default: the class name.
    virtual std::string DisplayName() const;

protected:
    // Tells the collection that this item (or, with allItems, the whole collection) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_;
    int id_ = -1;
};

enum class TCollectionNotification { cnAdded, cnDeleting };

class TCollection : public TPersistent {
public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;

    explicit TCollection(ItemFactory factory, TPersistent* owner = nullptr);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    template <class T> static ItemFactory Of()
    {
        return [](TCollection& collection) { return std::make_unique<T>(collection); };
    }

    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // EListError out of range.
    TCollectionItem* Items(int index) const;
    TCollectionItem* FindItemID(int id) const;

    // An item of the collection's class that is not in the collection.
    std::unique_ptr<TCollectionItem> MakeItem() { return factory_(*this); }
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    // From another collection: cleared, then one new item per source item, each Assign-ed.
    void Assign(const TPersistent& source) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Runs Update unless an update is in progress; null means every item.
    void Changed(TCollectionItem* item = nullptr);

protected:
    // The change report: one item, or null for the whole collection.
    virtual void Update(TCollectionItem* item) { (void)item; }
    virtual void Notify(TCollectionItem* item, TCollectionNotification action) { (void)item; (void)action; }

private:
    friend class TCollectionItem;
    void MoveItem(int from, int to);

    ItemFactory factory_;
    TPersistent* owner_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};
