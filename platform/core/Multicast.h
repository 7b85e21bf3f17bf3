#pragma once
// A list of subscribers called in subscription order (application minimize/restore, theme clients,
// hook clients). Each call walks a snapshot and skips subscribers removed meanwhile, so a handler may
// subscribe or unsubscribe anyone. A subscription ends when its token is destroyed.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

template <class... Args> class TMulticast {
    struct Entry {
        uint64_t id;
        std::function<void(Args...)> fn;
    };
    struct State {
        std::vector<std::shared_ptr<Entry>> entries;
        uint64_t nextId = 1;
    };

public:
    // Ends its subscription when destroyed or reset; harmless after the list itself is gone.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept : state_(std::move(other.state_)), id_(std::exchange(other.id_, 0)) {}
        Subscription& operator=(Subscription&& other) noexcept
        {
            if (this != &other) {
                Reset();
                state_ = std::move(other.state_);
                id_ = std::exchange(other.id_, 0);
            }
            return *this;
        }
        ~Subscription() { Reset(); }

        void Reset()
        {
            if (auto state = state_.lock()) {
                auto& list = state->entries;
                list.erase(std::remove_if(list.begin(), list.end(), [&](const auto& e) { return e->id == id_; }),
                           list.end());
            }
            state_.reset();
            id_ = 0;
        }
        bool Active() const
        {
            auto state = state_.lock();
            return state && std::any_of(state->entries.begin(), state->entries.end(),
                                        [&](const auto& e) { return e->id == id_; });
        }

    private:
        friend class TMulticast;
        Subscription(std::weak_ptr<State> state, uint64_t id) : state_(std::move(state)), id_(id) {}
        std::weak_ptr<State> state_;
        uint64_t id_ = 0;
    };

    [[nodiscard]] Subscription Subscribe(std::function<void(Args...)> fn)
    {
        uint64_t id = state_->nextId++;
        state_->entries.push_back(std::make_shared<Entry>(Entry{id, std::move(fn)}));
        return Subscription(state_, id);
    }

    int Count() const { return static_cast<int>(state_->entries.size()); }

    void operator()(Args... args) const
    {
        // Keep the state alive even if a handler destroys this list.
        std::shared_ptr<State> state = state_;
        std::vector<std::shared_ptr<Entry>> snapshot = state->entries;
        for (const auto& entry : snapshot) {
            bool stillThere = std::find(state->entries.begin(), state->entries.end(), entry) != state->entries.end();
            if (stillThere)
                entry->fn(args...);
        }
    }

private:
    std::shared_ptr<State> state_ = std::make_shared<State>();
};
