#pragma once
// The objects registered with a broadcaster, in registration order. Every registration has its own
// serial, never reused, so a walk tells an object still registered from one that was freed
// meanwhile and a new one that happens to be made at its address.
#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

template <class T> class TRegistrationList {
public:
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

    enum class TOrder { OldestFirst, NewestFirst };
    // Calls 'visit' with each object registered when the walk begins, in 'order', while the visits
    // register and unregister: an object whose registration went meanwhile is skipped, one added
    // meanwhile waits for the next walk. A visit answering true ends the walk.
    template <class Visit> void Walk(Visit visit, TOrder order = TOrder::OldestFirst) const
    {
        const std::vector<Entry> walked = entries_;
        for (size_t i = 0; i < walked.size(); ++i) {
            const Entry& entry = walked[order == TOrder::OldestFirst ? i : walked.size() - 1 - i];
            if (!Holds(entry))
                continue;
            if constexpr (std::is_same_v<std::invoke_result_t<Visit&, T*>, bool>) {
                if (visit(entry.Object))
                    return;
            } else {
                visit(entry.Object);
            }
        }
    }

private:
    struct Entry {
        T* Object;
        uint64_t Serial;
    };

    // Whether this very registration still stands: false once its object left, even when the same
    // address was registered again.
    bool Holds(const Entry& entry) const
    {
        // Serials grow along the list, and removing keeps the order.
        auto it = std::lower_bound(entries_.begin(), entries_.end(), entry.Serial,
                                   [](const Entry& e, uint64_t serial) { return e.Serial < serial; });
        return it != entries_.end() && it->Serial == entry.Serial;
    }

    std::vector<Entry> entries_;
    uint64_t nextSerial_ = 1;
};
