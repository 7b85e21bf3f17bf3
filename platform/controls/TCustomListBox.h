#pragma once
// The list box: items with objects, one selected item, keyboard and mouse selection, prefix
// search, a vertical scroll bar of its own, and an owner-drawn fixed-height style.
#include <memory>
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TWindowScrollBars.h"
#include "platform/core/TStringList.h"
#include "platform/ui/TWinControl.h"

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed };

enum : int { LB_ERR = -1 };

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* AOwner = nullptr);
    ~TCustomListBox() override;

    TStringList& Items() { return *items_; }
    const TStringList& Items() const { return *items_; }
    int Count() const { return items_->Count(); }
    // -1 for none; out of range raises EListError. Setting from code fires no OnClick.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int v);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    // Whole items only: a partly visible last item is not drawn and does not count as visible.
    bool IntegralHeight() const { return integralHeight_; }
    void SetIntegralHeight(bool v);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    // Draws the focused item as focused while another window holds the focus (drop-down lists).
    void SetShowFocus(bool v);

    // The item under a client point; -1 (or the nearest item when 'existing' is false) when none.
    int ItemAtPos(TPoint p, bool existing) const;
    TRect ItemRect(int index) const;
    // Items that fit wholly in the client area.
    int VisibleCount() const;
    // LB_SELECTSTRING: selects the first item after 'start' (wrapping; -1 searches from the top)
    // whose text begins with 'prefix', letter case ignored; answers its index or LB_ERR.
    int SelectString(int start, const std::string& prefix);
    void Clear() { items_->Clear(); }

    TWindowScrollBars& ScrollBars() { return *scrollBars_; }

    TDrawItemEvent OnDrawItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    // Draws one item; owner-draw styles hand it to OnDrawItem with the canvas ready.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // The selection changed by the user's hand; fires OnClick.
    virtual void SelectionChangedByUser();
    virtual void ItemsChanged();
    // Moves the selection as the user does: scrolls it into view and reports it.
    void UserSelect(int index);

private:
    void UpdateScrollBar();
    void MakeVisible(int index);
    void HandleKey(uint16_t key);

    std::unique_ptr<TStringList> items_;
    std::unique_ptr<TWindowScrollBars> scrollBars_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 13;
    bool integralHeight_ = false;
    TListBoxStyle style_ = TListBoxStyle::lbStandard;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
    bool tracking_ = false;
    bool showFocus_ = false;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};
