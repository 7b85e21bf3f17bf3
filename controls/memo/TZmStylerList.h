#pragma once
// The stylers a memo can find: every styler component that arrives beside it.
#include <vector>

#include "platform/core/TComponent.h"

class TZmCustomMemoStyler;

class TZmStylerList : public TComponent {
public:
    explicit TZmStylerList(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    int Count() const { return static_cast<int>(stylers_.size()); }
    TZmCustomMemoStyler* Items(int index) const;
    // Only a styler of exactly the base class, and once.
    void Add(TComponent* component);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TZmCustomMemoStyler*> stylers_;
};
