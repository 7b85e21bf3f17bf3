#pragma once
// The objects registered with a broadcaster, in registration order. Every registration has its own
// serial, never reused, so a walk over a copy tells an object still registered from one that was
// freed meanwhile and a new one that happens to be made at its address.
#include <algorithm>
#include <cstdint>
#include <vector>

template <class T> class TRegistrationList {
public:
    struct Entry {
        T* Object;
        uint64_t Serial;
    };

    // False (and nothing changes) for null or an object already listed.
    bool Add(T* object)
    {
        if (!object || Contains(object))
            return false;
        entries_.push_back({object, nextSerial_++});
        return true;
    }
    bool Remove(const T* object)
    {
        return std::erase_if(entries_, [&](const Entry& e) { return e.Object == object; }) > 0;
    }
    bool Contains(const T* object) const
    {
        return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.Object == object; });
    }
    // Whether this very registration still stands: false once its object left, even when the same
    // address was registered again.
    bool Holds(const Entry& entry) const
    {
        // Serials grow along the list, and removing keeps the order.
        auto it = std::lower_bound(entries_.begin(), entries_.end(), entry.Serial,
                                   [](const Entry& e, uint64_t serial) { return e.Serial < serial; });
        return it != entries_.end() && it->Serial == entry.Serial;
    }

    bool Empty() const { return entries_.empty(); }
    int Count() const { return static_cast<int>(entries_.size()); }
    T* operator[](int index) const { return entries_.at(static_cast<size_t>(index)).Object; }
    T* Back() const { return entries_.empty() ? nullptr : entries_.back().Object; }
    std::vector<T*> Objects() const
    {
        std::vector<T*> objects;
        objects.reserve(entries_.size());
        for (const Entry& e : entries_)
            objects.push_back(e.Object);
        return objects;
    }
    // The registrations as they stand, to walk while handlers register and unregister; skip an entry
    // the list no longer Holds.
    std::vector<Entry> Snapshot() const { return entries_; }

private:
    std::vector<Entry> entries_;
    uint64_t nextSerial_ = 1;
};
