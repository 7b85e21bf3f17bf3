#pragma once
// The skinned main menu: a row of top-level items that runs the menu loop when the user clicks
// an item or types Alt with an item's accelerator, and on an MDI frame shows the buttons of a
// maximized child.
#include <array>
#include <memory>
#include <string>

#include "skin/controls/TTeControl.h"
#include "skin/controls/TTeItemView.h"

class TBitmap;
class TImageList;
class TTeForm;
class TTeItem;
class TTeMenuBar;
class TTePopupMenuOptions;

class TTeMenuBarView : public TTeItemView {
public:
    TTeMenuBarView(TTeMenuBar& bar, TCanvas& measure);

    void SetViewSize(TSize size) override;
    void InvalidateView() override;
    void RepaintItem(TTeItem* item) override;

protected:
    void ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect) override;

private:
    TTeMenuBar& bar_;
};

class TTeMenuBar : public TTeControl {
public:
    explicit TTeMenuBar(TComponent* AOwner = nullptr);
    ~TTeMenuBar() override;

    // The root item; its children are the row.
    TTeItem* Items() const { return items_; }
    TImageList* Images() const;
    void SetImages(TImageList* v);
    TTePopupMenuOptions& PopupMenuOptions() const { return *options_; }
    // Copies the options and pushes them over the tree.
    void SetPopupMenuOptions(const TTePopupMenuOptions& v);
    bool ShowBevel() const { return showBevel_; }
    void SetShowBevel(bool v);
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v);
    TTeMenuBarView& View() const { return *view_; }

    bool ThemeDefinesBar() const;
    TRect GetContentRect() const override;
    // Re-lays the row out and repaints; the items' change handler.
    virtual void ItemsChanged();
    // Runs the menu loop on the row until every level has closed; a press starts it on the item
    // under the pointer.
    void EnterMenuLoop(bool byPointer = false);
    // The items' short cuts: true when one was found.
    bool IsShortCut(const TMessage& key);

    // The buttons of a maximized MDI child, from its skinned form; hidden again on its close,
    // restore or minimize.
    void ShowMDIButtons(TTeForm* childSkin);
    void HideMDIButtons();
    TTeForm* MDIChildSkin() const { return mdiChildSkin_; }
    // Kind 1-4; null unless the bar's form is an MDI frame.
    TTeItem* MDIButton(int kind) const { return mdiButtons_[static_cast<size_t>(kind - 1)]; }

protected:
    void Loaded() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void PaintBorder(TCanvas& canvas) override;
    void PaintClient(TCanvas& canvas) override;
    void ThemeChanged(int code) override;
    void DoMouseLeave() override;

private:
    void MDIButtonClick(TTeItem& button);
    void Relayout();
    bool DialogChar(const TMessage& message);

    TTeItem* items_ = nullptr;
    std::unique_ptr<TTePopupMenuOptions> options_;
    std::unique_ptr<TBitmap> measure_;
    std::unique_ptr<TTeMenuBarView> view_;
    std::array<TTeItem*, 4> mdiButtons_{};
    TTeForm* mdiChildSkin_ = nullptr;
    std::string themeObject_ = "default";
    bool showBevel_ = false;
    bool updating_ = false;
};
