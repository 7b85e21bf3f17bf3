#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// The chart of accounts maximized and restored, and the main window rolled up and down, judged
// by the screen.
class ChildLayoutOnDesktop : public ProgramOnDesktop {
protected:
    static constexpr uint32_t ButtonBorder = 0x0A256A, ButtonFace = 0xD4D0C8;
    static constexpr uint32_t ActiveCaption = 0x0A246A, MenuEdge = 0x808080;
    // The chart's lower right button ("Close") ends 8 pixels left of its client area's right edge
    // and 11 above its bottom; its client area lies under a 23-pixel caption.
    static constexpr int CloseRight = 711, CloseBottom = 418, ChildCaption = 23;

    // Between the menu bar and the status bar, inside the main window's border.
    TDesktopRect MdiArea()
    {
        const TDesktopRect m = Main();
        return {m.X + 3, m.Y + 78, m.Width - 6, m.Height - 78 - 26};
    }

    // The bottom right corner of the lowest, rightmost skinned button in the rectangle.
    static bool LowestButton(const TDesktopImage& image, const TDesktopRect& r, int& x, int& y)
    {
        const auto border = [&](int px, int py) { return image.At(px, py) == ButtonBorder; };
        for (y = r.Y + r.Height - 1; y > r.Y + 30; --y)
            for (x = r.X + r.Width - 1; x >= r.X + 20; --x)
                if (border(x, y) && border(x, y - 18) && border(x - 20, y))
                    return true;
        return false;
    }

    // Waits until the lowest button is found at the same place in three grabs running.
    bool SettledButton(TDesktopImage& image, int& x, int& y)
    {
        int lastX = -1, lastY = -1, same = 0;
        return TDesktop::WaitUntil([&] {
            image = desktop->Grab();
            const bool found = LowestButton(image, MdiArea(), x, y);
            same = found && x == lastX && y == lastY ? same + 1 : 0;
            lastX = x;
            lastY = y;
            return same >= 2;
        });
    }

    // How many pixels of a rectangle of one image differ from the same rectangle moved by (dx, dy)
    // in the other.
    static int Moved(const TDesktopImage& a, const TDesktopRect& r, const TDesktopImage& b, int dx, int dy)
    {
        int n = 0;
        for (int y = r.Y; y < r.Y + r.Height; ++y)
            for (int x = r.X; x < r.X + r.Width; ++x)
                n += a.At(x, y) != b.At(x + dx, y + dy);
        return n;
    }
};
} // namespace

// Maximized, the chart of accounts keeps its lower rows where the window lays them out, at the
// bottom of the main window's visible client area: the accounts list ends above its buttons and
// "Input Initial Balance", "Cetak" and "Close" lie whole on screen. Restored, it looks as before.
// Its caption's menu opens at the pointer. Rolled up, maximized and restored from the bar, it comes
// back rolled up, and the main window as before: its whole title, no child buttons in the bar;
// Ctrl+F4 closes it, and the title stays whole.
TEST_F(ChildLayoutOnDesktop, TheChartOfAccountsMaximizedShowsItsButtonsAndRestoredLooksAsBefore)
{
    LogInByKeys();
    ChooseMenu(MasterData, 0);
    TDesktopImage normal;
    int x = 0, y = 0;
    ASSERT_TRUE(SettledButton(normal, x, y)) << Shot("chart");
    const int clientTop = y - CloseBottom;
    desktop->Click(x - 19, clientTop - ChildCaption / 2);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Title(MainTitle).find("[Record List") != std::string::npos; }))
        << Shot("maximize");
    TDesktopImage maximized;
    int mx = 0, my = 0;
    ASSERT_TRUE(SettledButton(maximized, mx, my)) << Shot("maximized");
    const TDesktopRect area = MdiArea();
    // The bottom of the accounts list, "Input Initial Balance", "Cetak" and most of "Close",
    // without the list's scroll bar: all of them follow the window's bottom right corner.
    const TDesktopRect corner{x - 249, y - 74, 228, 75};
    EXPECT_EQ(Moved(normal, corner, maximized, mx - x, my - y), 0) << Shot("maximized");
    EXPECT_GT(mx, area.X + area.Width - 20) << Shot("maximized");
    EXPECT_GT(my, area.Y + area.Height - 20) << Shot("maximized");

    const TDesktopRect m = Main();
    desktop->Click(m.X + m.Width - 33, m.Y + BarRow);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(normal, area) == 0; }))
        << desktop->Grab().Differences(normal, area) << " pixels differ " << Shot("restored");

    // The menu's left edge runs down from the pointer.
    const int captionY = clientTop - ChildCaption / 2, menuX = x - 300;
    desktop->Click(menuX, captionY, 3);
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        return desktop->Grab().Count({menuX, captionY + 2, 1, 80}, MenuEdge) == 80;
    })) << Shot("caption-menu");
    desktop->Key("Escape");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(normal, area) == 0; }))
        << Shot("caption-menu-closed");

    const TDesktopRect bar{m.X + m.Width - 80, m.Y + BarRow - 10, 76, 20};
    const TDesktopRect lowerButtons{x - 228, y - 24, 228, 24};
    // The caption's left end, dark when the chart is active.
    const TDesktopRect captionEnd = CaptionEnd(x - CloseRight - 4, clientTop - ChildCaption);
    const auto rolledUp = [&] {
        const TDesktopImage now = desktop->Grab();
        return now.Count(lowerButtons, ButtonBorder) == 0 && now.Count(captionEnd, ActiveCaption) >= 30;
    };
    desktop->Click(x - 53, captionY);
    ASSERT_TRUE(TDesktop::WaitUntil(rolledUp)) << Shot("rolled-up");
    desktop->Click(x - 19, captionY);
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        return desktop->Title(MainTitle).find("[Record List") != std::string::npos;
    })) << Shot("rolled-up-maximized");
    desktop->Click(m.X + m.Width - 33, m.Y + BarRow);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        return rolledUp() && desktop->Title(MainTitle).find('[') == std::string::npos &&
               desktop->Grab().Differences(normal, bar) == 0;
    })) << desktop->Title(MainTitle) << Shot("rolled-up-restored");

    desktop->Key("ctrl+F4");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(captionEnd, ActiveCaption) == 0; }))
        << Shot("closed");
    EXPECT_EQ(desktop->Title(MainTitle).find('['), std::string::npos) << desktop->Title(MainTitle);
}

// The roll-up button rolls the main window up to its caption and, pressed again, down to what it
// was; so does a double click on the rolled-up caption.
TEST_F(ChildLayoutOnDesktop, TheMainWindowRollsUpAndDownByItsButtonAndByADoubleClick)
{
    const TDesktopRect normal = Main();
    // The window has come up when its client area is drawn and two grabs running show it the same.
    TDesktopImage before = desktop->Grab();
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopImage last = before;
        before = desktop->Grab();
        return before.At(normal.CentreX(), normal.CentreY()) == ButtonFace && before.Differences(last, normal) == 0;
    })) << Shot("start");
    const int rollX = normal.X + normal.Width - 65, rollY = normal.Y + 13;
    // Below the caption, whose buttons light up under the mouse.
    const TDesktopRect client{normal.X, normal.Y + 30, normal.Width, normal.Height - 30};
    const auto same = [&] {
        const TDesktopRect now = Main();
        return now.X == normal.X && now.Y == normal.Y && now.Width == normal.Width && now.Height == normal.Height &&
               desktop->Grab().Differences(before, client) == 0;
    };
    for (bool doubleClick : {false, true}) {
        desktop->Click(rollX, rollY);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().Height < 40; })) << Shot("rolled-up");
        desktop->Click(doubleClick ? normal.X + 300 : rollX, rollY);
        if (doubleClick)
            desktop->Click(normal.X + 300, rollY);
        EXPECT_TRUE(TDesktop::WaitUntil(same)) << (doubleClick ? "double click " : "button ") << Main().Height
                                               << Shot(doubleClick ? "double-click" : "rolled-down");
    }
}
