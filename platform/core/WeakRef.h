#pragma once
// A reference to a component that reads null once the component is being freed: global form pointers,
// posted messages, and "am I still alive" checks after calling user code.
#include <cstdint>

#include "platform/core/LiveObjects.h"
#include "platform/core/TComponent.h"

template <class T> class TWeakRef {
public:
    TWeakRef() = default;
    TWeakRef(T* object) : object_(object), id_(object ? object->ObjectId() : 0) {}
    TWeakRef& operator=(T* object) { return *this = TWeakRef(object); }

    T* Get() const { return id_ != 0 && LiveObjects::IsAlive(id_) ? object_ : nullptr; }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    uint64_t Id() const { return id_; }
    void Reset() { *this = TWeakRef(); }

private:
    T* object_ = nullptr;
    uint64_t id_ = 0;
};
