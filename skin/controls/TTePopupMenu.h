#pragma once
// The skinned context menu: a tree of TTeItem shown in skinned columns. Controls that name it
// as their PopupMenu show it on a right click; one such menu is on screen at a time.
#include <memory>

#include "platform/controls/TPopupMenu.h"
#include "platform/core/WeakRef.h"

class TImageList;
class TTeItem;
class TTeItemView;
class TTePopupMenuOptions;

class TTePopupMenu : public TPopupMenu {
public:
    explicit TTePopupMenu(TComponent* AOwner = nullptr);
    ~TTePopupMenu() override;

    // The root item; its children are the menu's rows.
    TTeItem* Items() const { return items_; }
    TImageList* Images() const;
    void SetImages(TImageList* v);
    TTePopupMenuOptions& PopupMenuOptions() const { return *options_; }
    // Copies the options and pushes them over the tree.
    void SetPopupMenuOptions(const TTePopupMenuOptions& v);

    // Shows the menu at a screen point and returns once it has closed; a chosen item runs after.
    void Popup(int x, int y);
    void PopupFor(TControl* target, int screenX, int screenY) override;
    // Asks the running menu to close every level, as a click outside would.
    virtual void CloseMenu();

    // The menu on screen, or null.
    static TTePopupMenu* OnScreen();

private:
    // Ends the running menu's levels and hides its columns at once.
    void CloseNow();

    TTeItem* items_ = nullptr;
    std::unique_ptr<TTePopupMenuOptions> options_;
    TWeakRef<TTeItemView> root_;
};
