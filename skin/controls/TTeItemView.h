#pragma once
// One level of an item tree on screen (a menu bar's row or a popup's column): layout, the
// selected item, mouse tracking, scrolling and the modal menu loop of an open menu. Open levels
// form a chain of views; each loop nests inside the one that opened it.
#include <cstdint>
#include <memory>

#include "platform/core/TComponent.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TMessageQueue.h"

class TCanvas;
class TControl;
class TTeItem;
class TTimer;

class TTeItemView : public TComponent {
public:
    TTeItemView(TComponent* AOwner, bool horizontal, bool barStyle);
    ~TTeItemView() override;

    TTeItem* Item() const { return item_; }
    void SetItem(TTeItem* v) { item_ = v; }
    bool BarStyle() const { return barStyle_; }
    bool Horizontal() const { return horizontal_; }
    // Displays the view; its window takes the keys the levels post each other.
    TControl* Host() const { return host_; }
    void SetHost(TControl* v) { host_ = v; }
    // Its width places the MDI buttons.
    TControl* OwnerControl() const { return ownerControl_; }
    void SetOwnerControl(TControl* v) { ownerControl_ = v; }
    TTeItem* Selected() const { return selected_; }
    void SetSelected(TTeItem* v) { selected_ = v; }
    bool SubmenuOpen() const { return submenuOpen_; }
    void SetSubmenuOpen(bool v) { submenuOpen_ = v; }
    bool LoopRunning() const { return loopRunning_; }
    TTeItemView* ParentView() const { return parentView_; }
    void SetParentView(TTeItemView* v) { parentView_ = v; }
    TTeItemView* ChildView() const { return childView_; }
    void SetChildView(TTeItemView* v) { childView_ = v; }
    TCanvas* Canvas() const { return canvas_; }
    void SetCanvas(TCanvas* v) { canvas_ = v; }
    // The item area's offset in the host's client area.
    TPoint Origin() const { return origin_; }
    void SetOrigin(TPoint v) { origin_ = v; }
    int ViewWidth() const { return width_; }
    int ViewHeight() const { return height_; }
    // 0 none, 1 up, 2 down.
    uint8_t ScrollDirection() const { return scrollDirection_; }
    bool HasScrollTimer() const { return scrollTimer_ != nullptr; }

    void LayoutItems();
    // Lays out first when the item's rectangle is empty.
    TRect GetItemRect(TTeItem* item);
    bool IsScrolling() const;
    // Direction 1 the upper strip, 2 the lower one, in host client coordinates.
    TRect ScrollArrowRect(uint8_t direction) const;

    void TrackMouse(TPoint screen);
    // Hidden items and separators are skipped; at most Count steps, so a column with nothing
    // selectable keeps its selection.
    void SelectNext();
    void SelectPrev();
    // True when a submenu was shown (and has closed again).
    bool OpenSubmenu();
    // Opened by the pointer, the item under it is chosen at once; by keys, the first one.
    bool RunMenuLoop(bool byPointer = false);
    void CloseMenuChain();

    virtual void SetViewSize(TSize size) { (void)size; }
    virtual void MoveView(TPoint point) { (void)point; }
    virtual void InvalidateView() {}
    virtual void RepaintItem(TTeItem* item) { (void)item; }
    virtual void RepaintScrollArrow(uint8_t direction) { (void)direction; }
    virtual void InitiateActions();
    virtual void PaintItems(TCanvas& canvas);

protected:
    // Shows the item's children in a popup placed at 'popupPoint' (screen) beside 'itemRect'
    // (screen), with this view as the parent view, runs that level's loop and frees the popup.
    virtual void ShowSubmenu(TTeItem& item, TPoint popupPoint, const TRect& itemRect);

private:
    int ShownCount() const;
    void SetScrollDirection(uint8_t direction);
    void ScrollTick(TComponent* sender);
    void Select(TTeItem* item);
    void Step(int delta);
    bool HitsSelected(TPoint screen) const;
    void PostToHost(uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0) const;
    // True when the loop should leave.
    bool PeekRules(const TQueuedMessage& m);
    void RunLevel(bool byPointer);
    bool Handle(const TQueuedMessage& m);
    bool HandleKey(const TQueuedMessage& m);
    bool HandleMouseMove(const TQueuedMessage& m);
    // Selects this level's item under a button message; answers its screen point.
    TPoint TrackButton(const TQueuedMessage& m);

    TTeItem* item_ = nullptr;
    TControl* host_ = nullptr;
    TControl* ownerControl_ = nullptr;
    TTeItem* selected_ = nullptr;
    TTeItemView* parentView_ = nullptr;
    TTeItemView* childView_ = nullptr;
    TCanvas* canvas_ = nullptr;
    TComponentPtr<TTimer> scrollTimer_;
    TPoint origin_;
    int width_ = 0;
    int height_ = 0;
    uint8_t scrollDirection_ = 0;
    bool horizontal_;
    bool barStyle_;
    bool submenuOpen_ = false;
    bool loopRunning_ = false;
};

// The screen point of the last mouse move any menu loop handled.
TPoint LastMenuMousePos();
void SetLastMenuMousePos(TPoint p);
