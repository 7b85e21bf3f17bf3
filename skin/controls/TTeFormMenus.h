#pragma once
// What a skinned form asks of the menus: showing the system or tray menu, the menu bar's short
// cuts and keyboard mode, the window list. The menus install their own; until then nothing shows.
#include <cstdint>
#include <memory>

#include "platform/graphics/TRect.h"
#include "platform/ui/Messages.h"

class TTeDefaultForm;

class TTeFormMenus {
public:
    virtual ~TTeFormMenus() = default;
    // The system menu (or in the tray the tray menu) at a screen point.
    virtual void ShowSystemMenu(TTeDefaultForm& form, TPoint screen, bool tray) { (void)form, (void)screen, (void)tray; }
    // The menu bar's short-cut test: true when it took the key.
    virtual bool MenuBarShortCut(TTeDefaultForm& form, TMessage& key) { (void)form, (void)key; return false; }
    // SC_KEYMENU with a letter: the menu bar enters its keyboard mode; false when no bar shows.
    virtual bool MenuBarKeyMode(TTeDefaultForm& form, uint16_t key) { (void)form, (void)key; return false; }
    // The MDI children changed: the window list and the menu bar's child buttons follow.
    virtual void MdiChildrenChanged(TTeDefaultForm& frame) { (void)frame; }
};

// The one in use; a do-nothing one until the menus install theirs (null puts it back).
TTeFormMenus& FormMenus();
void SetFormMenus(std::unique_ptr<TTeFormMenus> menus);
