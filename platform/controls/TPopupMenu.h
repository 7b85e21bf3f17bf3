#pragma once
// Popup menus of components: items with a caption, a tag, enabled and checked states and OnClick,
// shown at a screen point; and the default context-menu handling that shows a control's PopupMenu.
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/ui/IContextMenu.h"
#include "platform/ui/UiTypes.h"

class TControl;
class TWinControl;
struct TMessage;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

    // "-" is a separator; a tab separates the shortcut text.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    virtual void Click();

    TNotifyEvent OnClick;

private:
    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
};

class TPopupMenu : public TComponent, public IContextMenu {
public:
    explicit TPopupMenu(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    ~TPopupMenu() override;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    // The menu lists the item until either is freed; the item's owner keeps owning it.
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    // Makes, owns and lists a new item.
    TMenuItem* AddItem(const std::string& caption, TNotifyEvent onClick = nullptr);

    // The control whose context menu this is while it shows.
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* v) { popupComponent_ = v; }
    // Shows the visible items at a screen point; the chosen item's Click runs after the menu closed.
    void Popup(int x, int y);
    void PopupFor(TControl* target, int screenX, int screenY) override;

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TMenuItem*> items_;
    TComponent* popupComponent_ = nullptr;
};

