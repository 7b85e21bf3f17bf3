#include "controls/grid/TBookmarkList.h"

#include "controls/grid/IZgDBGrid.h"
#include "controls/grid/TGridDataLink.h"
#include "platform/controls/TCustomGrid.h"
#include "platform/core/Finally.h"
#include "platform/data/TDataSet.h"

const TBookmark& TBookmarkList::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return list_[static_cast<size_t>(index)];
}

TBookmark TBookmarkList::CurrentRow() const
{
    if (!linkActive_)
        throw EInvalidGridOperation("Cannot perform this operation on a closed dataset");
    return grid_.DataLink().DataSet()->Bookmark();
}

int TBookmarkList::Compare(const TBookmark& a, const TBookmark& b) const
{
    return grid_.DataLink().DataSet()->CompareBookmarks(a, b);
}

bool TBookmarkList::Find(const TBookmark& item, int& index) const
{
    if (cacheIndex_ >= 0 && item == cacheItem_) {
        index = cacheIndex_;
        return cacheFound_;
    }
    bool found = false;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = Compare(list_[static_cast<size_t>(middle)], item);
        if (order >= 0) {
            high = middle - 1;
            if (order == 0) {
                found = true;
                low = middle;
            }
        } else {
            low = middle + 1;
        }
    }
    index = low;
    cacheItem_ = item;
    cacheIndex_ = low;
    cacheFound_ = found;
    return found;
}

bool TBookmarkList::CurrentRowSelected() const
{
    const TBookmark current = CurrentRow();
    int index = 0;
    return !current.empty() && Find(current, index);
}

void TBookmarkList::SetCurrentRowSelected(bool value)
{
    const TBookmark current = CurrentRow();
    int index = 0;
    if (current.empty() || Find(current, index) == value)
        return;
    if (value)
        list_.insert(list_.begin() + index, current);
    else
        list_.erase(list_.begin() + index);
    ListChanged();
    TCustomGrid& grid = grid_.BaseGrid();
    grid.InvalidateRow(grid.Row());
    grid_.MultiSelectChanged();
}

void TBookmarkList::Clear()
{
    if (list_.empty())
        return;
    list_.clear();
    ListChanged();
    grid_.BaseGrid().Invalidate();
    grid_.MultiSelectChanged();
}

void TBookmarkList::Delete()
{
    TDataSet* dataSet = grid_.DataLink().DataSet();
    if (!dataSet)
        return;
    dataSet->DisableControls();
    Finally enable([dataSet] { dataSet->EnableControls(); });
    while (!list_.empty()) {
        dataSet->SetBookmark(list_.back());
        dataSet->Delete();
        list_.pop_back();
        ListChanged();
    }
}

void TBookmarkList::SetLinkActive(bool value)
{
    Clear();
    linkActive_ = value;
}
