#pragma once
// The combo box: a closed field showing the chosen item (or an edit part), a button, and a list
// that drops down in a pop-up window while the combo box keeps the focus. CBN_* notifications
// reach the combo box as CN_COMMAND, so descendants can react to each step.
#include <memory>
#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomListBox.h"

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;

// The list of a combo box: a top-level pop-up that never takes the focus (a child list for
// csSimple). It shows the combo box's items and draws the owner-drawn ones through it.
class TComboDropList : public TCustomListBox {
public:
    TComboDropList(TComponent* AOwner, TCustomComboBox& combo);

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void Paint() override;
    void SelectionChangedByUser() override;

private:
    TCustomComboBox& combo_;
};

// The edit part of csDropDown and csSimple; its changes are the combo box's changes.
class TComboEditPart : public TCustomEdit {
public:
    TComboEditPart(TComponent* AOwner, TCustomComboBox& combo);

protected:
    void Change() override;
    void DefaultHandler(TMessage& message) override;
    void KeyPress(char32_t& key) override;

private:
    TCustomComboBox& combo_;
};

class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* AOwner = nullptr);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    TStringList& Items() { return *items_; }
    const TStringList& Items() const { return *items_; }
    // -1 for none; out of range raises EListError. Setting from code fires no OnChange.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int v);
    // The shown text: the chosen item's, or the edit part's.
    void SetText(const std::string& v) override;
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v) { dropDownCount_ = v < 1 ? 1 : v; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int v);
    bool Sorted() const { return items_->Sorted(); }
    void SetSorted(bool v) { items_->SetSorted(v); }
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase v);

    bool DroppedDown() const { return dropped_; }
    void SetDroppedDown(bool v);
    bool ShowsOwnFocus() const override { return true; }
    // The pop-up list; exists from creation and stays hidden while closed.
    TComboDropList& List() { return *list_; }
    // The edit part of csDropDown and csSimple, else null.
    TComboEditPart* EditPart() const { return edit_; }
    bool OwnerDraw() const;
    // The closed field's text area (left of the button), client coordinates.
    TRect TextRect() const { return TextRectFor(Width(), Height()); }
    TRect ButtonRect() const { return ButtonRectFor(Width(), Height()); }
    void SetBounds(int left, int top, int width, int height) override;
    // While OnDrawItem runs: the canvas of the item being drawn, in the list or in the field.
    TCanvas& Canvas();

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    friend class TComboDropList;
    friend class TComboEditPart;

    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // While the list is open, the wheel scrolls it.
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    // The user changed the choice or the typed text; fires OnChange.
    virtual void Change();
    // The list is about to open; fires OnDropDown.
    virtual void DropDown();
    virtual void CloseUp(bool accept);
    // Draws item 'index' (-1: the closed field's own text) on 'canvas'.
    virtual void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);
    void Notify(uint16_t code);
    // The list's selection moved by the user's hand while open.
    void ListSelectionChanged();

private:
    void HandleKey(uint16_t key, TShiftState shift);
    void SelectByUser(int index);
    // Highlights the open list's entry under a screen point, as the pointer does.
    void HighlightAt(TPoint screen);
    void PlaceList();
    // The height of the list's rows: ItemHeight for owner-drawn items, else the font's.
    int ListItemHeight() const;
    // The parts are laid out in WM_WINDOWPOSCHANGING, so a descendant can resize them after.
    void LayoutParts(int width, int height);
    void RequestLayout();
    // The client size of a window of that size, inside the window's frame.
    TSize ClientSizeFor(int width, int height) const;
    TRect TextRectFor(int width, int height) const;
    TRect ButtonRectFor(int width, int height) const;
    void RebuildParts();
    void SyncTextFromIndex();

    std::unique_ptr<TStringList> items_;
    TComboDropList* list_ = nullptr;
    TComboEditPart* edit_ = nullptr;
    TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
    int itemIndex_ = -1;
    int indexBeforeDrop_ = -1;
    int dropDownCount_ = 8;
    int itemHeight_ = 13;
    int maxLength_ = 0;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool dropped_ = false;
    bool buttonPressed_ = false;
    bool syncing_ = false;
    TCanvas* drawCanvas_ = nullptr;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};
