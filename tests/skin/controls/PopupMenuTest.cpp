#include <gtest/gtest.h>

#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TTePopupMenu.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

struct Menus : SkinFixture {
    std::vector<std::string> log;

    // A last row "More" whose submenu's opening runs 'whileShown' with the column on screen.
    void MoreRow(TTeItem& parent, std::function<void()> whileShown)
    {
        TTeItem* more = AddItem(parent, "More");
        AddItem(*more, "Sub");
        // Typed-ahead input keeps the loops from painting; the column is looked at as it stands.
        more->OnBeforeDropDown = [this, whileShown](TComponent*) {
            session.App().DispatchPaints();
            whileShown();
        };
    }
};

} // namespace

TEST(PopupMenu, ContextMenuNearTheCornerOpensUpAndLeftOfItsPoint)
{
    Menus m;
    auto* menu = CreateOwned<TTePopupMenu>(*m.form);
    AddItem(*menu->Items(), "Cut");
    AddItem(*menu->Items(), "Copy");
    menu->OnPopup = [&](TComponent*) { m.log.push_back("popup"); };
    m.MoreRow(*menu->Items(), [&] {
        EXPECT_EQ(TTePopupMenu::OnScreen(), menu);
        // The outer frame's bottom-right pixel sits just inside the point.
        EXPECT_EQ(m.session.ScreenColor(1009, 759), clBlack);
        EXPECT_EQ(m.session.ScreenColor(1010, 759), m.session.ScreenColor(1020, 700));
        m.log.push_back("shown");
        // As a click outside: every level closes, the submenu about to open included.
        menu->CloseMenu();
    });
    m.Keys({VK_UP, VK_RETURN});
    menu->Popup(1010, 760);
    EXPECT_EQ(m.log, (std::vector<std::string>{"popup", "shown"}));
    EXPECT_EQ(TTePopupMenu::OnScreen(), nullptr);
}

TEST(PopupMenu, ASecondMenuClosesTheFirstBeforeItShows)
{
    Menus m;
    auto* first = CreateOwned<TTePopupMenu>(*m.form);
    auto* second = CreateOwned<TTePopupMenu>(*m.form);
    AddItem(*first->Items(), "Cut");
    AddItem(*second->Items(), "Paste");
    const TColor desktop = m.session.ScreenColor(300, 500);
    second->OnPopup = [&](TComponent*) {
        m.log.push_back(m.session.ScreenColor(300, 500) == desktop ? "second, first gone" : "second over the first");
    };
    m.MoreRow(*first->Items(), [&] { second->Popup(600, 100); });
    m.Keys({VK_UP, VK_RETURN, VK_ESCAPE});
    first->Popup(295, 495);
    m.session.ProcessUntilIdle();
    EXPECT_EQ(m.log, (std::vector<std::string>{"second, first gone"}));
    EXPECT_EQ(TTePopupMenu::OnScreen(), nullptr);
}

TEST(PopupMenu, OfficeXPDropdownFromTheBar)
{
    Menus m;
    StartThemeFlat();
    StartThemeOfficeXP();
    SetCurrentThemeClass(*FindThemeClass("TTeOfficeXPTheme"));
    auto xp = [](int color) { return ColorToRGB(CurrentTheme()->Colors().GetColor(color)); };
    auto* bar = Docked<TTeMenuBar>(*m.form, TAlign::alTop);
    AddItem(*bar->Items(), "&File");
    TTeItem* transaction = AddItem(*bar->Items(), "&Transaction");
    AddItem(*transaction, "Cash")->SetChecked(true);
    AddItem(*transaction, "Bank");
    m.session.ProcessUntilIdle();
    const TRect item = bar->View().GetItemRect(transaction);
    const TPoint topLeft = bar->ClientToScreen(item.TopLeft());
    const TPoint below = bar->ClientToScreen({item.Left, item.Bottom});
    m.MoreRow(*transaction, [&] {
        const int row = MenuItemHeight(), x = below.X, y = below.Y;
        // The open bar item: the face framed in grey.
        EXPECT_EQ(m.session.ScreenColor(topLeft.X, topLeft.Y + 5), clGray);
        EXPECT_EQ(m.session.ScreenColor(topLeft.X + 3, topLeft.Y + 3), xp(tcButtonNormal));
        // The column: a grey frame, the glyph gutter, white rows, the selected row in the hot colour.
        EXPECT_EQ(m.session.ScreenColor(x, y + 30), clGray);
        EXPECT_EQ(m.session.ScreenColor(x + 4, y + 2 + row + 10), xp(tcButtonNormal));
        EXPECT_EQ(m.session.ScreenColor(x + 80, y + 2 + row + 3), clWhite);
        EXPECT_EQ(m.session.ScreenColor(x + 80, y + 2 + 2 * row + 3), xp(tcButtonHot));
        m.log.push_back("shown");
    });
    const TPoint at = bar->ClientToScreen({item.Left + 5, item.Top + 5});
    m.session.Screen().MouseDown(at.X, at.Y);
    m.session.Screen().MouseUp(at.X, at.Y);
    m.Keys({VK_UP, VK_RIGHT, VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
    m.session.ProcessUntilIdle();
    EXPECT_EQ(m.log, (std::vector<std::string>{"shown"}));
    StopThemeOfficeXP();
    StopThemeFlat();
}
