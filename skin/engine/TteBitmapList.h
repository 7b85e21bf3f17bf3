#pragma once
// The images of one skin, owned, in stream order; names need not be unique.
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/TRect.h"

class TteBitmap;
class TteBitmapLink;

class TteBitmapList {
public:
    TteBitmapList();
    ~TteBitmapList();
    TteBitmapList(const TteBitmapList&) = delete;
    TteBitmapList& operator=(const TteBitmapList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    // Null outside 0..Count-1.
    TteBitmap* Get(int index) const;
    TteBitmap* Add(std::unique_ptr<TteBitmap> bitmap);
    void Clear();
    void Swap(TteBitmapList& other) { items_.swap(other.items_); }
    // A new link into the first bitmap of that name, letter case ignored; null when none has it.
    std::unique_ptr<TteBitmapLink> GetBitmapLink(const std::string& name, const TRect& rect) const;

private:
    std::vector<std::unique_ptr<TteBitmap>> items_;
};
