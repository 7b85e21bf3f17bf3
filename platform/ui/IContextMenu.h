#pragma once
// A menu that a control names as its PopupMenu: the default context-menu handling shows it.
class TControl;

class IContextMenu {
public:
    virtual ~IContextMenu() = default;
    // Shows the menu at a screen point on behalf of 'target', the control clicked.
    virtual void PopupFor(TControl* target, int screenX, int screenY) = 0;
};
