#pragma once
// Components: an owner frees what it owns; components tell each other when one is freed.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/TPersistent.h"

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csDestroying = 1u << 1,
    csDesigning = 1u << 2, // never set: there is no designer
};

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Raises EInvalidOperation when the owner already has a component of that name.
    virtual void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    uint32_t ComponentState() const { return state_; }
    bool IsLoading() const { return state_ & csLoading; }
    bool IsDestroying() const { return state_ & csDestroying; }

    // Ask to hear, through Notification(opRemove), when 'component' is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded();
    void SetComponentState(uint32_t flags, bool on);

private:
    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    uint32_t state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};
