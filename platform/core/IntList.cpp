#include "platform/core/IntList.h"

#include <algorithm>
#include <string>

#include "platform/core/Exceptions.h"

void TIntList::Check(int index, int limit) const
{
    if (index < 0 || index >= limit)
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TIntList::Get(int index) const
{
    Check(index, Count());
    return items_[static_cast<size_t>(index)];
}

void TIntList::Put(int index, int value)
{
    Check(index, Count());
    items_[static_cast<size_t>(index)] = value;
}

int TIntList::Add(int value)
{
    items_.push_back(value);
    return Count() - 1;
}

void TIntList::Insert(int index, int value)
{
    Check(index, Count() + 1);
    items_.insert(items_.begin() + index, value);
}

void TIntList::Delete(int index)
{
    Check(index, Count());
    items_.erase(items_.begin() + index);
}

int TIntList::IndexOf(int value) const
{
    auto it = std::find(items_.begin(), items_.end(), value);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}
