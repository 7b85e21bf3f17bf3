#pragma once
// Components: an owner frees what it owns; components tell each other when one is freed.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Exceptions.h"
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
    // Raises EInvalidOperation for a name that is not an identifier or that the owner already has.
    virtual void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises EListError out of range.
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // Letter case is ignored, as in every name lookup of the program.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last created first. ~TComponent runs it after the derived
    // destructors, so a class whose owned components use its own members calls it first itself.
    void DestroyComponents();

    uint32_t ComponentState() const { return state_; }
    bool IsLoading() const { return state_ & csLoading; }
    bool IsDestroying() const { return state_ & csDestroying; }

    // Ties the two components so that each hears, through Notification(opRemove), when the other is freed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Construction code sets properties between these two: csLoading on this component and everything it
    // owns, then Loaded() once each, this one first and the owned ones in creation order.
    void BeginLoading();
    void EndLoading();
    // Clears csLoading everywhere without Loaded(), for a load that failed half-way.
    void CancelLoading();

    // Second phase of creation, run by Create/CreateOwned once the most-derived constructor has finished.
    virtual void AfterConstruction() {}
    // Marks the component and what it owns as destroying and sends the free notifications while the
    // object is still whole; delete runs it too when nobody did before.
    void BeforeDestruction();

    // Identity in the live-object registry; never reused within a run.
    uint64_t ObjectId() const { return objectId_; }

    // BeforeDestruction, then delete; null is ignored. An owned component may be freed this way too.
    static void Free(TComponent* component);

protected:
    // Default: forget a freed partner and pass the news on to everything this component owns.
    virtual void Notification(TComponent* component, TOperation operation);
    // Default: clears csLoading.
    virtual void Loaded();
    void SetComponentState(uint32_t flags, bool on);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void SetDestroyingTree();
    void SendFreeNotifications();
    void ValidateName(const std::string& name, const TComponent* owner) const;

    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    uint32_t state_ = 0;
    bool notifiedFree_ = false;
    uint64_t objectId_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

// Frees a component that has no owner through Free, so notifications see its whole type.
struct TComponentDeleter {
    void operator()(TComponent* component) const { TComponent::Free(component); }
};
template <class T> using TComponentPtr = std::unique_ptr<T, TComponentDeleter>;

// Two-phase creation of a component that its owner will free; the owner must not be null.
template <class T, class... Args> T* CreateOwned(TComponent& owner, Args&&... args)
{
    TComponentPtr<T> component(new T(&owner, std::forward<Args>(args)...));
    component->AfterConstruction();
    return component.release();
}

// Two-phase creation of a component without an owner.
template <class T, class... Args> TComponentPtr<T> Create(Args&&... args)
{
    TComponentPtr<T> component(new T(std::forward<Args>(args)...));
    if (component->Owner())
        throw EInvalidOperation("A component with an owner is made with CreateOwned");
    component->AfterConstruction();
    return component;
}
