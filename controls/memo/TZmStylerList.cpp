#include "controls/memo/TZmStylerList.h"

#include <algorithm>
#include <typeinfo>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/core/Exceptions.h"

TZmCustomMemoStyler* TZmStylerList::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return stylers_[static_cast<size_t>(index)];
}

void TZmStylerList::Add(TComponent* component)
{
    if (!component || typeid(*component) != typeid(TZmCustomMemoStyler))
        return;
    auto* styler = static_cast<TZmCustomMemoStyler*>(component);
    if (std::find(stylers_.begin(), stylers_.end(), styler) == stylers_.end()) {
        stylers_.push_back(styler);
        FreeNotification(styler);
    }
}

void TZmStylerList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // A styler moved here from another owner; a new one is not yet a styler while it is inserted.
    if (operation == TOperation::opInsert)
        Add(component);
    else
        std::erase_if(stylers_, [&](TZmCustomMemoStyler* s) { return static_cast<TComponent*>(s) == component; });
}
