#include "tests/desktop/ProgramOnDesktop.h"

namespace {
class MenusOnDesktop : public ProgramOnDesktop {
protected:
    // The Transaction dropdown's rows and the dropdown as a whole.
    TDesktopRect Row(int row) { return {main.X + Transaction - 28, main.Y + BarRow + 15 + 20 * row, 100, 14}; }
    TDesktopRect Dropdown() { return {main.X + Transaction - 30, main.Y + BarRow + 12, 125, 60}; }

    bool Highlighted(const TDesktopImage& image, int row) { return image.Count(Row(row), Highlight) > 300; }
    // Waits until the screen shows that row of the dropdown highlighted, and no other.
    bool HighlightOn(int row)
    {
        return TDesktop::WaitUntil([&] {
            const TDesktopImage image = desktop->Grab();
            for (int other = 0; other < 3; ++other)
                if (Highlighted(image, other) != (other == row))
                    return false;
            return true;
        });
    }

    static constexpr uint32_t Highlight = 0xB6BDD2;
    // The cash window's "&Close" button.
    static constexpr int CashCloseX = 740, CashCloseY = 553;
};
} // namespace

// The keyboard walks the menus as the screen shows them: Alt+T opens Transaction with the bar
// item in its open look, on its first row whatever row a resting pointer is over, the arrows move
// the highlight, Escape closes the dropdown and then the bar, F10 enters the bar on its first item.
// A press outside the open menus closes them and clicks the button under the mouse: the cash
// window's Close.
TEST_F(MenusOnDesktop, KeysWalkTheMenusAndAPressOutsideThemClicksTheButtonBeneath)
{
    LogInByKeys();
    desktop->MoveMouse(2, 2);
    const TDesktopImage empty = Settled(Main());
    desktop->MoveMouse(Row(1).X + 50, Row(1).Y + 7);
    desktop->Key("alt+t");
    EXPECT_TRUE(HighlightOn(0)) << Shot("pointer-resting");
    desktop->Key("Return");
    CashWindowShown();
    desktop->MoveMouse(2, 2);
    const TDesktopImage closed = Settled(Main());

    desktop->Key("alt+t");
    ASSERT_TRUE(Changes(closed, Dropdown())) << Shot("alt-t");
    EXPECT_GT(desktop->Grab().Differences(closed, BarItem(Transaction)), 20) << Shot("open-look");
    // The rows the rights hide (cash advances) are passed over.
    EXPECT_TRUE(HighlightOn(0)) << Shot("opened");
    desktop->Key("Down");
    EXPECT_TRUE(HighlightOn(1)) << Shot("down");
    desktop->Key("Down");
    EXPECT_TRUE(HighlightOn(2)) << Shot("down-down");
    Shot("walked");
    desktop->Key("Escape");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(closed, Dropdown()) == 0; }))
        << Shot("escape");
    desktop->Key("Escape");
    ASSERT_TRUE(TDesktop::WaitUntil(
        [&] { return desktop->Grab().Differences(closed, BarItem(Transaction)) == 0; }))
        << Shot("bar-left");

    desktop->Key("F10");
    ASSERT_TRUE(Changes(closed, BarItem(MasterData))) << Shot("f10");
    desktop->Key("Right");
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopImage image = desktop->Grab();
        return image.Differences(closed, BarItem(MasterData)) == 0 &&
               image.Differences(closed, BarItem(Transaction)) > 20;
    })) << Shot("right");
    desktop->Key("Down");
    ASSERT_TRUE(HighlightOn(0)) << Shot("f10-down");
    EXPECT_GT(desktop->Grab().Differences(closed, BarItem(Transaction)), 20) << Shot("open-look");

    desktop->Click(main.X + CashCloseX, main.Y + CashCloseY);
    const TDesktopRect children{main.X + 4, main.Y + BarRow + 12, main.Width - 8, main.Height - BarRow - 45};
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(empty, children) == 0; }))
        << Shot("pressed-outside");
}

// Alt inside an open dropdown closes it and leaves the bar idle: no item looks selected and a
// letter typed next opens nothing. Under a window manager, Alt with a drag moves the main window
// and leaves the bar idle too, and so does Alt+Space, which opens the manager's window menu. F10
// and Right then select Transaction, as only an idle bar does.
TEST_F(MenusOnDesktop, AltInsideTheMenusOrAroundTheManagersDragLeavesTheBarIdle)
{
    LogInByKeys();
    const TDesktopRect start = Main();
    const int restX = start.X + 400, restY = start.Y + 400;
    desktop->MoveMouse(restX, restY);
    const TDesktopRect menus{start.X, start.Y + BarRow - 12, 400, 200};
    // Once the login dialog's place is drawn again.
    const TDesktopImage closed = Settled(menus);
    desktop->Click(start.X + MasterData, start.Y + BarRow);
    ASSERT_TRUE(Changes(closed, {start.X + 20, start.Y + BarRow + 15, 100, 100})) << Shot("master-data");
    desktop->MoveMouse(restX, restY);
    desktop->Key("alt");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(closed, menus) == 0; }))
        << Shot("alt-in-menu");
    desktop->Key("m");
    EXPECT_TRUE(IdleBarSelects()) << Shot("letter");

    if (!desktop->HasWindowManager())
        return;
    desktop->Drag(restX, restY, restX + 40, restY + 30, "alt");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().X != start.X; })) << Shot("alt-drag");
    EXPECT_TRUE(IdleBarSelects()) << Shot("after-drag");

    // Alt+Space is the manager's: its window menu takes the keyboard until Escape closes it.
    const TDesktopRect moved = Main();
    const TDesktopImage before = desktop->Grab();
    desktop->Key("alt+space");
    ASSERT_TRUE(Changes(before, {moved.X, moved.Y, 150, 150})) << Shot("window-menu");
    desktop->Key("Escape");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(before, {moved.X, moved.Y, 150, 150}) == 0; }))
        << Shot("window-menu-closed");
    EXPECT_TRUE(IdleBarSelects()) << Shot("after-window-menu");
}
