// TTeDefaultForm: the form's own system menu and an MDI frame's window list.
#include "skin/controls/TTeDefaultForm.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/WeakRef.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TeFormUnit.h"

namespace {

constexpr std::string_view windowItemMark = "temdiwi_rty";

bool IsWindowItem(const TTeItem& item)
{
    return item.Name().find(windowItemMark) != std::string::npos;
}

} // namespace

TTeItem* TTeDefaultForm::CreateMenuItem(TComponent* owner)
{
    TComponentPtr<TTeItem> item(new TTeItem(owner));
    item->AfterConstruction();
    return item.release();
}

TTeItem* TTeDefaultForm::SystemMenu()
{
    if (!systemMenu_)
        systemMenu_ = CreateMenuItem(this);
    return systemMenu_;
}

void TTeDefaultForm::RebuildSystemMenu()
{
    TTeItem* root = SystemMenu();
    while (root->Count() > 0)
        TComponent::Free(root->Items(root->Count() - 1));
    root->SetImages(&FormGlyphs());
    root->SetFormWindow(Control());
    const TTeWindowState s = windowState_;
    auto add = [&](const char* caption, int glyph, TShortCut shortCut = scNone) {
        TTeItem* item = CreateMenuItem(this);
        item->SetCaption(caption);
        item->SetImageIndex(glyph);
        item->SetShortCut(shortCut);
        item->SetFormWindow(Control());
        TWeakRef<TTeDefaultForm> self(this);
        item->OnClick = [self, caption = std::string(caption)](TComponent*) {
            if (TTeDefaultForm* form = self.Get())
                form->RunSystemMenuItem(caption);
        };
        root->Add(item);
    };
    if (s != kwsNormal)
        add("&Restore", kfgRestore);
    if (HasIcon(kbiMinimize) && (s == kwsNormal || s == kwsMaximized || s == kwsRollup))
        add("Mi&nimize", kfgMinimize);
    if (HasIcon(kbiMaximize) && (s == kwsNormal || s == kwsRollup))
        add("Ma&ximize", kfgMaximize);
    if (HasIcon(kbiRollup) && (s == kwsNormal || s == kwsMaximized))
        add("Ro&llup", kfgRollup);
    if (HasIcon(kbiTray) && (s == kwsNormal || s == kwsMaximized || s == kwsRollup))
        add("Minimize to &Tray", kfgTray);
    if (HasIcon(kbiClose)) {
        if (root->Count() > 0)
            add("-", -1);
        add("&Close", kfgClose, ShortCut(VK_F4, ssAlt));
    }
}

void TTeDefaultForm::RunSystemMenuItem(const std::string& caption)
{
    if (caption == "&Restore")
        Restore();
    else if (caption == "Mi&nimize")
        Minimize();
    else if (caption == "Ma&ximize")
        Maximize();
    else if (caption == "Ro&llup")
        Rollup();
    else if (caption == "Minimize to &Tray")
        MinimizeToTray();
    else if (caption == "&Close")
        Close();
}

void TTeDefaultForm::RebuildWindowMenu()
{
    TTeItem* menu = WindowMenu();
    TCustomForm* form = Form();
    if (!menu || !form || form->FormStyle() != TFormStyle::fsMDIForm || windowMenuBusy_)
        return;
    int first = 0;
    while (first < menu->Count() && !IsWindowItem(*menu->Items(first)))
        ++first;
    while (menu->Count() > first)
        TComponent::Free(menu->Items(menu->Count() - 1));

    std::vector<TCustomForm*> children;
    for (int i = form->MDIChildCount() - 1; i >= 0; --i)
        if (TCustomForm* child = form->MDIChildren(i); !child->IsDestroying())
            children.push_back(child);
    if (children.empty())
        return;
    TComponent* owner = menu->Owner() ? menu->Owner() : this;
    const std::string prefix = std::string(windowItemMark) + "_";
    const unsigned serial = ++windowMenuSerial_;
    TTeItem* separator = CreateMenuItem(owner);
    separator->SetName(prefix + std::to_string(serial) + "_sep");
    separator->SetCaption("-");
    menu->Add(separator);
    const TCustomForm* active = form->ActiveMDIChild();
    for (TCustomForm* child : children) {
        TTeItem* item = CreateMenuItem(owner);
        item->SetName(prefix + std::to_string(++windowMenuSerial_));
        const TTeDefaultForm* skin = FindSkinnedForm(child);
        item->SetCaption(skin ? skin->Caption() : child->Text());
        item->SetChecked(child == active);
        TWeakRef<TTeDefaultForm> self(this);
        TWeakRef<TCustomForm> target(child);
        TWeakRef<TTeItem> chosen(item);
        item->OnClick = [self, target, chosen](TComponent*) {
            TTeDefaultForm* frame = self.Get();
            TCustomForm* child = target.Get();
            if (!frame || !child)
                return;
            if (TTeItem* menu = frame->WindowMenu())
                for (int i = 0; i < menu->Count(); ++i)
                    if (IsWindowItem(*menu->Items(i)))
                        menu->Items(i)->SetChecked(false);
            frame->windowMenuBusy_ = true;
            child->BringToFront();
            child->SetFocus();
            frame->windowMenuBusy_ = false;
            if (TTeItem* item = chosen.Get())
                item->SetChecked(true);
        };
        menu->Add(item);
    }
}
