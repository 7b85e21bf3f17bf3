#include "SkinnedFormKit.h"
#include "tests/skin/controls/SkinTestKit.h"

#include <string>
#include <vector>

#include "platform/ui/Shortcuts.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TTePopupMenu.h"

using FormMenus = SkinnedFormTest;

namespace {

std::vector<std::string> Rows(TTeItem& root)
{
    std::vector<std::string> rows;
    for (int i = 0; i < root.Count(); ++i) {
        const TTeItem& item = *root.Items(i);
        std::string row = item.Caption() + " " + std::to_string(item.ImageIndex());
        if (item.ShortCut())
            row += " " + ShortCutToText(item.ShortCut());
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST_F(FormMenus, TheSystemMenuFollowsTheStateAndTheBorderIcons)
{
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned<TTeDefaultForm>(form, Bounds(100, 100, 300, 200), [](TTeDefaultForm& f) {
        f.SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMinimize) |
                         BorderIconBit(kbiMaximize) | BorderIconBit(kbiRollup) | BorderIconBit(kbiTray));
    });
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()),
              (std::vector<std::string>{"Mi&nimize 1", "Ma&ximize 2", "Ro&llup 4", "Minimize to &Tray 5", "- -1",
                                        "&Close 0 Alt+F4"}));

    skin->Maximize();
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()).at(0), "&Restore 3");
    EXPECT_EQ(Rows(*skin->SystemMenu()).at(1), "Mi&nimize 1");

    skin->SetBorderIcons(BorderIconBit(kbiClose));
    skin->Restore();
    skin->RebuildSystemMenu();
    EXPECT_EQ(Rows(*skin->SystemMenu()), (std::vector<std::string>{"&Close 0 Alt+F4"}));
}

TEST_F(FormMenus, EveryWayToTheSystemMenuShowsItAndTheChosenRowRunsAfterItCloses)
{
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned<TTeDefaultForm>(form, Bounds(100, 100, 300, 200), [](TTeDefaultForm& f) {
        f.SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu) | BorderIconBit(kbiMaximize));
    });
    auto& screen = s.Screen();
    const TRect w = form->WindowRect();
    const TRect button = skin->GetButtonRect(kbiSystemMenu);
    const TPoint onButton{w.Left + button.Left + 3, w.Top + button.Top + 3};
    const TPoint onCaption{w.Left + w.Width() / 2, w.Top + 8};
    const size_t windows = screen.ZOrder().size();
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        skin->Restore();
        s.ProcessUntilIdle();
        ASSERT_EQ(skin->WindowState(), kwsNormal);
        if (way == 0) {
            screen.MouseDown(onButton.X, onButton.Y);
            screen.MouseUp(onButton.X, onButton.Y);
        } else if (way == 1) {
            screen.MouseDown(onCaption.X, onCaption.Y, 2);
            screen.MouseUp(onCaption.X, onCaption.Y, 2);
        }
        screen.KeyDown('X', 0, "x");
        if (way == 2)
            s.App().SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
        else if (way == 3)
            s.App().SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MOUSEMENU, 0);
        s.ProcessUntilIdle();
        EXPECT_EQ(skin->WindowState(), kwsMaximized);
        EXPECT_EQ(screen.ZOrder().size(), windows);
    }
}

TEST_F(FormMenus, LinkedMenusTakeTheFormsOptionsAndTheTrayMenuShowsFromTheTray)
{
    TTeDefaultForm* skin = Skinned();
    skin->SetMinimizeApplication(false);
    auto* system = CreateOwned<TTePopupMenu>(*form);
    auto* tray = CreateOwned<TTePopupMenu>(*form);
    std::vector<std::string> shown;
    system->OnPopup = [&](TComponent*) { shown.push_back("system"); };
    tray->OnPopup = [&](TComponent*) { shown.push_back("tray"); };
    skin->SetSystemMenuLink(system);
    skin->SetTrayMenuLink(tray);
    skin->SystemMenuOptions().Blending().SetValue(77);
    skin->TrayMenuOptions().Blending().SetValue(99);

    s.Screen().KeyDown(VK_ESCAPE);
    s.App().SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MOUSEMENU, 0);
    EXPECT_EQ(system->PopupMenuOptions().Blending().Value(), 77);

    skin->MinimizeToTray();
    ASSERT_EQ(s.TrayCalls().size(), 1u);
    s.Screen().KeyDown(VK_ESCAPE);
    s.TrayMouse(s.TrayCalls()[0], WM_RBUTTONUP);
    EXPECT_EQ(tray->PopupMenuOptions().Blending().Value(), 99);
    EXPECT_EQ(shown, (std::vector<std::string>{"system", "tray"}));
}

TEST_F(FormMenus, TheMenuBarTakesItsShortCutsFirstAndItsLetters)
{
    std::vector<std::string> log;
    TForm* form = nullptr;
    TTeMenuBar* bar = nullptr;
    MakeSkinned<TTeForm>(form, Bounds(100, 100, 400, 300), [&](TTeForm& skin) {
        form->OnShortCut = [&](TMessage&, bool& handled) {
            log.push_back("form");
            handled = true;
        };
        bar = Docked<TTeMenuBar>(*form, TAlign::alTop);
        auto* transaction = CreateOwned<TTeItem>(*form);
        transaction->SetCaption("&Transaction");
        transaction->OnBeforeDropDown = [&](TComponent*) { log.push_back("open"); };
        bar->Items()->Add(transaction);
        auto* cash = CreateOwned<TTeItem>(*form);
        cash->SetCaption("Cash");
        cash->SetShortCut(ShortCut('K', ssCtrl));
        cash->OnClick = [&](TComponent*) { log.push_back("Cash"); };
        transaction->Add(cash);
        skin.SetMenuBar(bar);
    });
    s.PressKey('K', kmCtrl);
    s.PressKey('J', kmCtrl);
    EXPECT_EQ(log, (std::vector<std::string>{"Cash", "form"}));

    log.clear();
    s.Screen().KeyDown(VK_ESCAPE);
    s.Screen().KeyDown(VK_ESCAPE);
    s.App().SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 't');
    s.ProcessUntilIdle();
    EXPECT_EQ(log, (std::vector<std::string>{"open"}));
}
