#include "skin/controls/TTePageContainer.h"

#include <algorithm>

#include "skin/controls/TTeTabSheet.h"

TTePageContainer::TTePageContainer(TComponent* AOwner) : TCustomControl(AOwner) {}

TTePageContainer::~TTePageContainer()
{
    // The sheets still parented here are freed with the window; none may call back into this.
    for (TTeTabSheet* sheet : pages_)
        sheet->pageControl_ = nullptr;
}

int TTePageContainer::IndexOfPage(const TTeTabSheet* sheet) const
{
    const auto it = std::find(pages_.begin(), pages_.end(), sheet);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TTePageContainer::SetTabPosition(int v)
{
    if (v == tabPosition_)
        return;
    tabPosition_ = v;
    Invalidate();
}

void TTePageContainer::SetMultiLine(bool v)
{
    if (v == multiLine_)
        return;
    multiLine_ = v;
    Invalidate();
}

void TTePageContainer::InsertPageAt(int index, TTeTabSheet* sheet)
{
    if (!sheet || IndexOfPage(sheet) >= 0)
        return;
    if (sheet->pageControl_)
        sheet->pageControl_->DetachPage(sheet);
    pages_.insert(pages_.begin() + std::clamp(index, 0, PageCount()), sheet);
    sheet->SetParent(this);
    sheet->pageControl_ = this;
    UpdateTabs();
    if (sheet->Caption().empty())
        sheet->SetCaption("New Page " + std::to_string(static_cast<int>(tabs_.size()) - 1));
    Invalidate();
}

void TTePageContainer::DetachPage(TTeTabSheet* sheet)
{
    const int index = IndexOfPage(sheet);
    if (index < 0)
        return;
    pages_.erase(pages_.begin() + index);
    sheet->pageControl_ = nullptr;
    UpdateTabs();
    if (sheet == activePage_) {
        activePage_ = nullptr;
        sheet->Hide();
        if (tabs_.empty()) {
            tabIndex_ = -1;
        } else {
            tabIndex_ = 0;
            SelectPage(0);
        }
    }
    Invalidate();
}

void TTePageContainer::ForgetPage(TTeTabSheet* sheet)
{
    std::erase(pages_, sheet);
    if (sheet == activePage_)
        activePage_ = nullptr;
}

void TTePageContainer::RemovePage(TTeTabSheet* sheet)
{
    if (IndexOfPage(sheet) < 0)
        return;
    DetachPage(sheet);
    if (!sheet->destroying_ && !sheet->IsDestroying())
        TComponent::Free(sheet);
}

int TTePageContainer::VisibleIndex(int pageIndex) const
{
    if (pageIndex < 0 || pageIndex >= PageCount())
        return -1;
    const auto end = pages_.begin() + pageIndex + 1;
    const auto visible = std::count_if(pages_.begin(), end, [](const TTeTabSheet* s) { return s->PageVisible(); });
    return static_cast<int>(visible) - 1;
}

void TTePageContainer::SetActivePage(TTeTabSheet* sheet)
{
    const int index = IndexOfPage(sheet);
    if (index < 0)
        return;
    if (sheet == activePage_) {
        sheet->Show();
        return;
    }
    if (activePage_)
        activePage_->Hide();
    activePage_ = sheet;
    sheet->Show();
    sheet->BringToFront();
    tabIndex_ = sheet->PageVisible() ? VisibleIndex(index) : index;
    CalcTabRows();
    Invalidate();
    Change();
}

void TTePageContainer::SelectPage(int index)
{
    if (index >= 0 && index < PageCount())
        SetActivePage(pages_[index]);
}

void TTePageContainer::UpdateTabs()
{
    tabs_.clear();
    for (const TTeTabSheet* sheet : pages_)
        if (sheet->PageVisible())
            tabs_.push_back(sheet->Caption());
    Invalidate();
}

void TTePageContainer::CaptionChanged(TTeTabSheet* sheet)
{
    const int tab = VisibleIndex(IndexOfPage(sheet));
    // A page without a tab must not rename the tab before it.
    if (!sheet->PageVisible() || tab < 0 || tab >= static_cast<int>(tabs_.size()))
        return;
    tabs_[tab] = sheet->Caption();
    Invalidate();
}

void TTePageContainer::CalcTabRows()
{
    rows_.clear();
    const int avail = (tabPosition_ < 2 ? Width() : Height()) - StripMarginStart() - StripMarginEnd();
    const int count = static_cast<int>(tabs_.size());
    int first = 0;
    int used = 0;
    auto closeRow = [&](int last) {
        const int tabsInRow = last - first + 1;
        const int spare = std::max(0, avail - used);
        rows_.push_back({last, spare / tabsInRow, spare % tabsInRow});
    };
    for (int i = 0; i < count; ++i) {
        const int width = TabWidth(i);
        // A tab wider than the strip still gets a row of its own.
        if (i > first && used + width >= avail) {
            closeRow(i - 1);
            first = i;
            used = 0;
        }
        used += width;
    }
    if (count > first)
        closeRow(count - 1);
    rowCount_ = std::max(1, static_cast<int>(rows_.size()));
}

int TTePageContainer::TabDrawWidth(int tab) const
{
    if (!multiLine_ || !StretchTabs())
        return TabWidth(tab);
    for (const TTabRow& row : rows_)
        if (tab <= row.LastTab)
            return TabWidth(tab) + row.Extra + (tab == row.LastTab ? row.Remainder : 0);
    return TabWidth(tab);
}
