#pragma once
// What a skinned form asks of the menus: showing the system or tray menu, the menu bar's short
// cuts and keyboard mode, the window list. The library's start installs the skinned menus.
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
    // SC_KEYMENU with a letter, or with none (F10, Alt alone): the menu bar enters its keyboard mode;
    // false when no bar shows.
    virtual bool MenuBarKeyMode(TTeDefaultForm& form, uint16_t key) { (void)form, (void)key; return false; }
    // The form lost the activation: its menu bar's open menus close.
    virtual void CloseMenuBar(TTeDefaultForm& form) { (void)form; }
    // An MDI frame or one of its children changed: the frame's window list and its menu bar's
    // child buttons follow.
    virtual void MdiChildrenChanged(TTeDefaultForm& form) { (void)form; }
};

// The one in use; a do-nothing one outside the library's start and stop (null puts it back).
TTeFormMenus& FormMenus();
void SetFormMenus(std::unique_ptr<TTeFormMenus> menus);
