#pragma once
// The part of a tabbed page container that its tab sheets rely on: the page list and its tabs,
// inserting, removing, ordering and selecting pages, and the rows of a multi-line tab strip. A
// concrete container supplies its tab sizes, margins and background.
#include <string>
#include <vector>

#include "platform/ui/TWinControl.h"

class TTeTabSheet;

class TTePageContainer : public TCustomControl {
public:
    struct TTabRow {
        int LastTab = 0;
        int Extra = 0;      // added to each tab's width
        int Remainder = 0;  // added to the row's last tab as well
    };

    explicit TTePageContainer(TComponent* AOwner = nullptr);
    ~TTePageContainer() override;

    // One caption per page-visible page, in page order.
    const std::vector<std::string>& Tabs() const { return tabs_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTeTabSheet* Pages(int index) const { return pages_.at(index); }
    int IndexOfPage(const TTeTabSheet* sheet) const;
    TTeTabSheet* ActivePage() const { return activePage_; }
    int TabIndex() const { return tabIndex_; }
    // 0 top, 1 bottom, 2 left, 3 right.
    int TabPosition() const { return tabPosition_; }
    void SetTabPosition(int v);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);

    void InsertPage(TTeTabSheet* sheet) { InsertPageAt(PageCount(), sheet); }
    void InsertPageAt(int index, TTeTabSheet* sheet);
    // Takes the page and its tab out and frees the sheet, unless the sheet is being destroyed.
    void RemovePage(TTeTabSheet* sheet);
    // The tab of a page: -1 outside the page list, else the page-visible pages up to it, less one.
    int VisibleIndex(int pageIndex) const;
    void SetActivePage(TTeTabSheet* sheet);
    void SelectPage(int index);
    void UpdateTabs();

    // Lays the tabs out in rows along the strip; RowCount is at least 1.
    void CalcTabRows();
    const std::vector<TTabRow>& Rows() const { return rows_; }
    int RowCount() const { return rowCount_; }
    // A multi-line strip stretches each tab to fill its row.
    int TabDrawWidth(int tab) const;

    // The container's look, into a canvas whose origin is the container's top-left.
    virtual void PaintBackground(TCanvas& canvas) = 0;

    TNotifyEvent OnChange;

protected:
    virtual int TabWidth(int tab) const = 0;
    virtual int StripMarginStart() const { return 0; }
    virtual int StripMarginEnd() const { return 0; }
    virtual bool StretchTabs() const { return true; }
    virtual void Change() { OnChange(this); }

private:
    friend class TTeTabSheet;
    // Takes the page out without freeing it.
    void DetachPage(TTeTabSheet* sheet);
    // A sheet freed while the container itself goes leaves the list without any update.
    void ForgetPage(TTeTabSheet* sheet);
    void CaptionChanged(TTeTabSheet* sheet);

    std::vector<std::string> tabs_;
    std::vector<TTeTabSheet*> pages_;
    TTeTabSheet* activePage_ = nullptr;
    int tabIndex_ = -1;
    int tabPosition_ = 0;
    bool multiLine_ = false;
    std::vector<TTabRow> rows_;
    int rowCount_ = 1;
};
