#include "skin/engine/TteBitmapList.h"

#include "platform/core/StrUtils.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteBitmapLink.h"

TteBitmapList::TteBitmapList() = default;
TteBitmapList::~TteBitmapList() = default;

TteBitmap* TteBitmapList::Get(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
}

TteBitmap* TteBitmapList::Add(std::unique_ptr<TteBitmap> bitmap)
{
    items_.push_back(std::move(bitmap));
    return items_.back().get();
}

void TteBitmapList::Clear()
{
    items_.clear();
}

std::unique_ptr<TteBitmapLink> TteBitmapList::GetBitmapLink(const std::string& name, const TRect& rect) const
{
    for (const auto& bitmap : items_)
        if (SameText(bitmap->Name(), name))
            return bitmap->GetBitmapLink(rect);
    return nullptr;
}
