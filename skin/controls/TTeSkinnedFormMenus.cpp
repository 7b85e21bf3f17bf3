#include "skin/controls/TTeSkinnedFormMenus.h"

#include "platform/controls/TPopupMenu.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeDefaultForm.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TTePopupMenu.h"
#include "skin/controls/TTePopupWindow.h"

namespace {

// The bar only while it is on screen: a hidden one must not run a loop nobody sees.
TTeMenuBar* ShowingBar(const TTeDefaultForm& form)
{
    auto* bar = dynamic_cast<TTeMenuBar*>(form.MenuBar());
    return bar && bar->Showing() ? bar : nullptr;
}

TTeForm* MaximizedChild(const TCustomForm& frame)
{
    auto maximized = [](TCustomForm* child) -> TTeForm* {
        auto* skin = dynamic_cast<TTeForm*>(FindSkinnedForm(child));
        return skin && !child->IsDestroying() && skin->WindowState() == kwsMaximized ? skin : nullptr;
    };
    if (TCustomForm* active = frame.ActiveMDIChild())
        if (TTeForm* skin = maximized(active))
            return skin;
    for (int i = 0; i < frame.MDIChildCount(); ++i)
        if (TTeForm* skin = maximized(frame.MDIChildren(i)))
            return skin;
    return nullptr;
}

} // namespace

void TTeSkinnedFormMenus::ShowSystemMenu(TTeDefaultForm& form, TPoint screen, bool tray)
{
    if (TPopupMenu* link = tray ? form.TrayMenuLink() : form.SystemMenuLink()) {
        if (auto* skinned = dynamic_cast<TTePopupMenu*>(link)) {
            skinned->SetPopupMenuOptions(tray ? form.TrayMenuOptions() : form.SystemMenuOptions());
            skinned->Popup(screen.X, screen.Y);
        } else {
            link->Popup(screen.X, screen.Y);
        }
        return;
    }
    TTeItem* root = form.SystemMenu();
    if (root == open_)
        return;
    form.RebuildSystemMenu();
    root->SetOptions(tray ? &form.TrayMenuOptions() : &form.SystemMenuOptions());
    TTeItem* outer = open_;
    open_ = root;
    ShowSubmenu(*root, nullptr, screen, TRect{});
    open_ = outer;
}

bool TTeSkinnedFormMenus::MenuBarShortCut(TTeDefaultForm& form, TMessage& key)
{
    auto* bar = dynamic_cast<TTeMenuBar*>(form.MenuBar());
    return bar && bar->IsShortCut(key);
}

bool TTeSkinnedFormMenus::MenuBarKeyMode(TTeDefaultForm& form, uint16_t key)
{
    TTeMenuBar* bar = ShowingBar(form);
    TWinControl* window = form.Control();
    if (!bar || !window || !Application)
        return false;
    // The loop finds the letter waiting and opens that item; without one (F10, Alt alone) the bar
    // waits on its first item. A letter that opens no item is taken and leaves the bar idle.
    if (key != 0 && !bar->Items()->FindItemByKey(key))
        return true;
    if (key != 0)
        Application->PostMessage(window->Handle(), WM_CHAR, key);
    bar->EnterMenuLoop();
    return true;
}

void TTeSkinnedFormMenus::CloseMenuBar(TTeDefaultForm& form)
{
    auto* bar = dynamic_cast<TTeMenuBar*>(form.MenuBar());
    if (!bar || !bar->View().LoopRunning())
        return;
    // From the innermost level, so that every nested loop ends.
    TTeItemView* innermost = &bar->View();
    while (innermost->ChildView())
        innermost = innermost->ChildView();
    innermost->CloseMenuChain();
}

void TTeSkinnedFormMenus::MdiChildrenChanged(TTeDefaultForm& form)
{
    TCustomForm* own = form.Form();
    if (!own)
        return;
    TTeDefaultForm* frame = own->FormStyle() == TFormStyle::fsMDIForm ? &form : nullptr;
    if (own->FormStyle() == TFormStyle::fsMDIChild)
        frame = FindSkinnedForm(MDIParentOf(own));
    TCustomForm* frameForm = frame ? frame->Form() : nullptr;
    if (!frameForm || frameForm->IsDestroying() || frame->IsDestroying())
        return;
    frame->RebuildWindowMenu();
    auto* bar = dynamic_cast<TTeMenuBar*>(frame->MenuBar());
    if (!bar || bar->IsDestroying())
        return;
    if (TTeForm* child = MaximizedChild(*frameForm)) {
        if (bar->MDIChildSkin() != child)
            bar->ShowMDIButtons(child);
    } else if (bar->MDIChildSkin()) {
        bar->HideMDIButtons();
    }
}
