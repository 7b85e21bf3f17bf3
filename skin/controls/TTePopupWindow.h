#pragma once
// One menu column on the screen: a borderless top-most window that never takes the focus,
// framed by its own TTePopupForm and showing one TTePopupView. It lives only while its level of
// the menu is open.
#include <functional>
#include <memory>

#include "platform/ui/TPopupWindow.h"

class TBitmap;
class TTeItem;
class TTeItemView;
class TTePopupForm;
class TTePopupMenuOptions;
class TTePopupView;

class TTePopupWindow : public TPopupWindow {
public:
    explicit TTePopupWindow(TComponent* AOwner = nullptr);
    ~TTePopupWindow() override;

    // The column of 'item's children opened from 'parentView' (null for a root popup); the
    // form of 'menuOwner' keeps its caption active meanwhile.
    void CreatePopup(TComponent* menuOwner, TTeItemView* parentView, TTeItem& item);

    TTePopupForm& Frame() const { return *frame_; }
    TTePopupView* View() const { return view_.get(); }
    // Blending and shadow from the menu's options; the animation only when 'animate'.
    void ApplyOptions(const TTePopupMenuOptions& options, bool animate);
    // Lays the column out: the view sizes the window.
    void Relayout();
    void RunLoop();
    // Placed in screen coordinates as given: the menus turn it about on the monitor themselves.
    void ShowAt(const TRect& bounds);

private:
    TTePopupForm* frame_ = nullptr;
    std::unique_ptr<TTePopupView> view_;
    // Where the view measures its items outside painting.
    std::unique_ptr<TBitmap> measure_;
};

// Shows 'item's children in a popup and runs that level until it closes: at 'at' when 'avoid'
// is empty (a context menu), else beside the opening item's screen rectangle 'avoid'. 'shown'
// learns the level's view once its window is on screen.
void ShowSubmenu(TTeItem& item, TTeItemView* parentView, TPoint at, const TRect& avoid,
                 const std::function<void(TTeItemView& view)>& shown = {});
