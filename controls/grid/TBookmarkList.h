#pragma once
// The data grid's selected rows: the bookmarks of the selected records, kept sorted in the data
// set's order, with the result of the last search remembered.
#include <string>
#include <vector>

#include "platform/data/DataTypes.h"

class IZgDBGrid;

class TBookmarkList {
public:
    explicit TBookmarkList(IZgDBGrid& grid) : grid_(grid) {}

    int Count() const { return static_cast<int>(list_.size()); }
    // EListError out of range.
    const TBookmark& Items(int index) const;
    // The bookmark of the current record; EInvalidGridOperation while the link is not active.
    TBookmark CurrentRow() const;
    // Where the bookmark is, or where it would go.
    bool Find(const TBookmark& item, int& index) const;
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool value);
    void Clear();
    // Deletes every selected record, last first; the data set's controls are enabled again on every path.
    void Delete();
    bool LinkActive() const { return linkActive_; }
    void SetLinkActive(bool value);

private:
    void ListChanged() { cacheIndex_ = -1; }
    int Compare(const TBookmark& a, const TBookmark& b) const;

    IZgDBGrid& grid_;
    std::vector<TBookmark> list_;
    mutable TBookmark cacheItem_;
    mutable int cacheIndex_ = -1;
    mutable bool cacheFound_ = false;
    bool linkActive_ = false;
};
