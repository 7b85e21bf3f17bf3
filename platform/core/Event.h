#pragma once
// Event slots: a callable plus an identity, so that two slots can be compared ("OnClick differs
// from the action's OnExecute", find the item whose OnClick is this handler). Parameters the
// handler may change are references (Key, Action, Accept, Handled).
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <utility>

// Who a handler is: the object and method it was bound to, or a unique number for a plain callable.
struct THandlerId {
    const void* object = nullptr;
    std::array<unsigned char, 2 * sizeof(void*)> method{};
    uint64_t serial = 0;

    friend bool operator==(const THandlerId&, const THandlerId&) = default;
};

namespace detail {
uint64_t NextHandlerSerial();
}

template <class... Args> class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    // Bound to an object's method: equal to every other slot bound to the same object and method.
    template <class C, class M> TEvent(C* object, M method)
        : fn_([object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); })
    {
        static_assert(sizeof(M) <= sizeof(id_.method), "method pointer too large");
        id_.object = object;
        std::memcpy(id_.method.data(), &method, sizeof(M));
    }

    // Any other callable: equal only to copies of this slot.
    template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F&& callable) : fn_(std::forward<F>(callable))
    {
        id_.serial = detail::NextHandlerSerial();
    }

    explicit operator bool() const { return static_cast<bool>(fn_); }
    // Does nothing when no handler is assigned.
    void operator()(Args... args) const
    {
        if (fn_)
            fn_(std::forward<Args>(args)...);
    }
    const THandlerId& Id() const { return id_; }
    friend bool operator==(const TEvent& a, const TEvent& b) { return a.id_ == b.id_; }

private:
    std::function<void(Args...)> fn_;
    THandlerId id_;
};

class TComponent;
// The common handler shape, Sender being the component that raised the event.
using TNotifyEvent = TEvent<TComponent*>;
