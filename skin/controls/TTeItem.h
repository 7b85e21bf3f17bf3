#pragma once
// The one menu item of every skinned menu: a node of an owned tree that tells its root when
// anything visible changes, can take its state from an action, and posts its click for later.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/TBasicAction.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Shortcuts.h"

class TCanvas;
class TFont;
class TImageList;
class TTeForm;
class TTeItem;
class TTeItemView;
class TTePopupMenuOptions;
class TWinControl;

using TTeItemChangeEvent = std::function<void(TTeItem* Sender)>;

// Forwards an action's changes to the item's setters while the item still shows the action's value.
class TTeItemActionLink : public TActionLink {
public:
    explicit TTeItemActionLink(TTeItem* item);

    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpContextLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;

    void SetCaption(const std::string& value) override;
    void SetChecked(bool value) override;
    void SetEnabled(bool value) override;
    void SetHelpContext(int value) override;
    void SetHint(const std::string& value) override;
    void SetImageIndex(int value) override;
    void SetShortCut(int value) override;
    void SetVisible(bool value) override;
    void SetOnExecute(const TNotifyEvent& handler) override;

private:
    TTeItem* item_;
};

class TTeItem : public TComponent {
public:
    explicit TTeItem(TComponent* AOwner = nullptr);
    ~TTeItem() override;

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError out of range.
    TTeItem* Items(int index) const;
    TTeItem* Parent() const { return parent_; }
    TTeItem* Root();
    void Add(TTeItem* item) { Insert(Count(), item); }
    // Raises ETeItemError when the item already has a parent.
    void Insert(int index, TTeItem* item);
    // Out of range the list raises its own error and no parent is cleared.
    void Delete(int index);
    int IndexOf(const TTeItem* item) const;
    void Remove(TTeItem* item);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* v) { images_ = v; }
    // The item's own images, else the root's.
    TImageList* GetImages();
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int v) { helpContext_ = v; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v) { shortCut_ = v; }
    bool Scrolled() const { return scrolled_; }
    void SetScrolled(bool v) { scrolled_ = v; }
    int ScrollCount() const { return scrollCount_; }
    void SetScrollCount(int v) { scrollCount_ = v; }
    int ScrollPos() const { return scrollPos_; }
    void SetScrollPos(int v) { scrollPos_ = v; }
    const std::string& ThemeObject() const { return themeObject_; }
    void SetThemeObject(const std::string& v) { themeObject_ = v; }

    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);
    TTeItemActionLink* ActionLink() const { return actionLink_.get(); }

    TNotifyEvent OnClick;
    TNotifyEvent OnBeforeDropDown;
    // Set by the tree's owner on the root: the menu repaints or lays itself out again.
    TTeItemChangeEvent OnChange;

    // 0 an ordinary item; 1-3 the maximized MDI child's buttons at the bar's right edge (1
    // outermost), 4 its icon at the left edge.
    uint8_t Kind() const { return kind_; }
    void SetKind(uint8_t v) { kind_ = v; }
    TWinControl* FormWindow() const { return formWindow_; }
    void SetFormWindow(TWinControl* v) { formWindow_ = v; }
    // Sets the form window of this item and of every item below it.
    void SetFormWindowOverTree(TWinControl* v);
    TTeForm* MDIChildSkin() const { return mdiChildSkin_; }
    void SetMDIChildSkin(TTeForm* v) { mdiChildSkin_ = v; }
    bool Foreground() const { return foreground_; }
    void SetForeground(bool v) { foreground_ = v; }
    const TRect& BoundsRect() const { return boundsRect_; }
    void SetBoundsRect(const TRect& v) { boundsRect_ = v; }

    // Set over the whole tree, depth first; BiDiMode only on the item and its direct children.
    uint8_t BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(uint8_t v);
    bool AnimateNext() const { return animateNext_; }
    void SetAnimateNext(bool v);
    bool InMenuSession() const { return inMenuSession_; }
    void SetInMenuSession(bool v);
    bool HiddenInView() const { return hiddenInView_; }
    void SetHiddenInView(bool v);
    const TTePopupMenuOptions* Options() const { return options_; }
    void SetOptions(const TTePopupMenuOptions* v);

    // Own handler, then the root's with the root as Sender; nothing while loading or destroying.
    virtual void Changed();
    virtual void InitiateAction();
    // Posts the click for the click handler when it runs; a separator, a disabled item or one
    // with children does nothing.
    virtual void Click();
    // What the click handler runs: OnClick, or the action.
    void DoClick();

    // The first visible child whose caption has "&" and this character, ignoring case.
    TTeItem* FindItemByAccel(char32_t ch) const;
    // The child a typed letter opens: its accelerator's, else the first visible child whose
    // caption begins with it; null when neither.
    TTeItem* FindItemByKey(char32_t ch) const;
    // Depth first.
    TTeItem* FindItemByShortCut(TShortCut shortCut);
    TTeItem* FindItemByOnClick(const TNotifyEvent& handler);
    // A key message (character code, key data); clicks down the chain to the item found.
    bool IsShortCut(const TMessage& message);

    // The container's item tree: children to the writer, and where a read item belongs.
    void GetChildren(const std::function<void(TComponent*)>& proc) const;
    bool HasParent() const { return true; }
    TComponent* GetParentComponent() const;
    TComponent* ParentComponent() const { return parentComponent_; }
    void SetParentComponent(TComponent* value);
    // The container whose root this item is.
    void SetContainer(TComponent* container) { parentComponent_ = container; }

    virtual void CalcSize(TCanvas& canvas, const TTeItemView& view, int& width, int& height);
    virtual void Paint(TCanvas& canvas, const TTeItemView& view, const TRect& rect, bool selected, bool idle);
    // Direction 1 up, 2 down.
    virtual void PaintScrollArrow(TCanvas& canvas, const TTeItemView& view, const TRect& rect, uint8_t direction,
                                  bool pressed);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TTeItemActionLink;
    void ApplyAction(bool onlyDefaults);
    void PaintThemed(TCanvas& canvas, const TTeItemView& view, const TRect& rect, uint8_t state);
    void PaintClassic(TCanvas& canvas, const TTeItemView& view, const TRect& rect, bool selected, uint8_t state);
    template <class F> void ForTree(F f);

    std::vector<TTeItem*> items_;
    TTeItem* parent_ = nullptr;
    TComponent* parentComponent_ = nullptr;
    std::unique_ptr<TTeItemActionLink> actionLink_;
    std::string caption_;
    std::string hint_;
    std::string themeObject_ = "default";
    TImageList* images_ = nullptr;
    const TTePopupMenuOptions* options_ = nullptr;
    TWinControl* formWindow_ = nullptr;
    TTeForm* mdiChildSkin_ = nullptr;
    TRect boundsRect_;
    int imageIndex_ = -1;
    int helpContext_ = 0;
    int scrollCount_ = 0;
    int scrollPos_ = 0;
    TShortCut shortCut_ = 0;
    uint8_t kind_ = 0;
    uint8_t biDiMode_ = 0;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool scrolled_ = false;
    bool foreground_ = false;
    bool animateNext_ = false;
    bool inMenuSession_ = false;
    bool hiddenInView_ = false;
};

// Containers whose root item takes the top-level items read for them (menu bars, popup menus).
using TTeItemInsertProc = std::function<void(TComponent* container, TTeItem* item)>;
using TTeItemFactory = std::function<TTeItem*(TComponent* owner)>;
using TTeContainerTest = bool (*)(const TComponent* component);
void RegisterItemContainer(TTeContainerTest isInstance, TTeItemInsertProc insert, TTeItemFactory itemClass);
void UnregisterItemContainer(TTeContainerTest isInstance);
template <class C> bool IsItemContainer(const TComponent* component)
{
    return dynamic_cast<const C*>(component) != nullptr;
}
int ItemContainerCount();
// The unit's stop: whatever is still registered goes.
void FreeItemContainers();

// The layout metrics of every menu: item width and height (at least 20) and the menu font.
int MenuItemWidth();
int MenuItemHeight();
TFont& MenuFont();
void ReadMenuMetrics();
void FreeMenuMetrics();
