#pragma once
// The skinned menus behind every skinned form: its system and tray menus in popup columns, its
// menu bar's short cuts and keyboard mode, and on an MDI frame the window list and the bar's
// buttons of a maximized child. The library's start installs it, its stop takes it away.
#include "skin/controls/TTeFormMenus.h"

class TTeItem;

class TTeSkinnedFormMenus : public TTeFormMenus {
public:
    void ShowSystemMenu(TTeDefaultForm& form, TPoint screen, bool tray) override;
    bool MenuBarShortCut(TTeDefaultForm& form, TMessage& key) override;
    bool MenuBarKeyMode(TTeDefaultForm& form, uint16_t key) override;
    void CloseMenuBar(TTeDefaultForm& form) override;
    void MdiChildrenChanged(TTeDefaultForm& form) override;

private:
    // The form's own menu while its column is up; showing it again then would free the rows.
    TTeItem* open_ = nullptr;
};
