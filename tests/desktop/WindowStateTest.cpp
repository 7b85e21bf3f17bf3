#include <algorithm>
#include <cstdlib>

#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// The main window maximized, restored and rolled up by the program's frame and by the window
// manager in turn, with the trial balance open: one state, told to the manager, and the window
// laid out for the size it has after every change. Judged by the screen and _NET_WM_STATE.
class WindowStateOnDesktop : public ProgramOnDesktop {
protected:
    // The trial balance's maximize button, from the main window's corner while the child is normal.
    static constexpr int ChildMaximizeX = 740, ChildMaximizeY = 93;
    // The status strip below the MDI area; the strip's first panel (the user's name) and the child's
    // lower buttons lie in the blocks at the window's lower corners.
    static constexpr int StatusHeight = 26, CornerWidth = 190, CornerHeight = 60;
    static constexpr uint32_t ButtonBorder = 0x0A256A;
    // The outermost line of the program's frame.
    static constexpr uint32_t FrameEdge = 0x404040;

    bool ManagerMaximized()
    {
        const auto atoms = desktop->Atoms(MainTitle, "_NET_WM_STATE");
        return std::find(atoms.begin(), atoms.end(), "_NET_WM_STATE_MAXIMIZED_VERT") != atoms.end() &&
               std::find(atoms.begin(), atoms.end(), "_NET_WM_STATE_MAXIMIZED_HORZ") != atoms.end();
    }
    // The window below its caption, whose buttons light up under the mouse.
    static TDesktopRect BelowCaption(const TDesktopRect& m) { return {m.X, m.Y + 30, m.Width, m.Height - 30}; }

    // The MDI area's scroll bars, by the borders of their first buttons: the vertical bar's at the
    // area's top right corner, the horizontal bar's at its bottom left.
    std::pair<int, int> ScrollBarButtons()
    {
        const TDesktopRect m = Main();
        const TDesktopRect area{m.X + 3, m.Y + 78, m.Width - 6, m.Height - 78 - StatusHeight - 4};
        const TDesktopImage image = desktop->Grab();
        return {image.Count({area.X + area.Width - 17, area.Y, 17, 17}, ButtonBorder),
                image.Count({area.X, area.Y + area.Height - 17, 17, 17}, ButtonBorder)};
    }
    // The whole window drawn and still, with the mouse off it.
    TDesktopImage Picture()
    {
        desktop->MoveMouse(2, 2);
        return Settled(Main());
    }

    // How many pixels of the blocks at the lower corners of window 'a' in one picture differ from
    // those of window 'b' in the other: the status strip's first panel at the left, the child's
    // buttons above the strip at both sides.
    static int Corners(const TDesktopImage& one, const TDesktopRect& a, const TDesktopImage& other,
                       const TDesktopRect& b)
    {
        int n = 0;
        const auto compare = [&](int ax, int ay, int bx, int by, int width, int height) {
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    n += one.At(ax + x, ay + y) != other.At(bx + x, by + y);
        };
        const int aBottom = a.Y + a.Height - 4, bBottom = b.Y + b.Height - 4;
        compare(a.X + 4, aBottom - CornerHeight, b.X + 4, bBottom - CornerHeight, CornerWidth, CornerHeight);
        compare(a.X + a.Width - 4 - CornerWidth, aBottom - CornerHeight, b.X + b.Width - 4 - CornerWidth,
                bBottom - CornerHeight, CornerWidth, CornerHeight - StatusHeight);
        return n;
    }

    // Logged in, "Report" > "Trial Balance" open.
    void OpenTrialBalance()
    {
        LogInByKeys();
        ChooseMenu(Report, 0);
        const TDesktopRect m = Main();
        // Open once its caption's dark end is drawn.
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Grab().Count(CaptionEnd(m.X + 4, m.Y + 81), ActiveCaption) >= 30;
        })) << Shot("trial-balance");
        Settled(m);
    }

    // The trial balance maximized by its own frame's button.
    void OpenTrialBalanceMaximized()
    {
        OpenTrialBalance();
        const TDesktopRect m = Main();
        desktop->Click(m.X + ChildMaximizeX, m.Y + ChildMaximizeY);
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Title(MainTitle).find("[Daf Saldo]") != std::string::npos;
        })) << Shot("child-maximized");
        // The bar is laid out again a moment later, with the child's buttons at its right end.
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Grab().Count({m.X + m.Width - 60, m.Y + BarRow - 8, 56, 16}, 0x000000) >= 20;
        })) << Shot("child-buttons");
    }
};
} // namespace

// With the trial balance maximized in it, the main window maximized and restored by the manager
// comes back at its size laid out as before: the child's buttons and the status strip whole. The
// manager's maximize shows them at the lower corners of the work area.
TEST_F(WindowStateOnDesktop, TheManagersMaximizeAndRestoreLayOutAMaximizedChild)
{
    OpenTrialBalanceMaximized();
    const TDesktopRect normal = Main();
    const TDesktopImage before = Picture();
    if (!desktop->HasWindowManager())
        return;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        desktop->RequestMaximized(MainTitle, true);
        const TDesktopRect work = desktop->WorkArea();
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == work; })) << Text(Main()) << Shot("maximized");
        TDesktopImage maximized;
        EXPECT_TRUE(TDesktop::WaitUntil([&] {
            maximized = Picture();
            return Corners(before, normal, maximized, Main()) == 0;
        })) << Corners(before, normal, maximized, Main()) << " pixels differ " << Shot("maximized");

        desktop->RequestMaximized(MainTitle, false);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal; })) << Text(Main()) << Shot("restored");
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return Picture().Differences(before, BelowCaption(normal)) == 0; }))
            << Picture().Differences(before, BelowCaption(normal)) << " pixels differ " << Shot("restored");
    }
}

// A double click on the program's caption maximizes the window as the manager's maximize does and
// tells the manager so; the manager's restore and maximize (its keys) then lay the window out
// anew each time, and the frame's button restores it, which the manager hears too.
TEST_F(WindowStateOnDesktop, TheFramesMaximizeIsTheManagersAndEitherGivesItBack)
{
    OpenTrialBalanceMaximized();
    const TDesktopRect normal = Main();
    const TDesktopImage before = Picture();
    const TDesktopRect work = desktop->WorkArea();
    desktop->Click(normal.X + 300, normal.Y + 12);
    desktop->Click(normal.X + 300, normal.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().Width >= work.Width; })) << Text(Main()) << Shot("maximized");
    if (desktop->HasWindowManager()) {
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return ManagerMaximized() && Main() == work; }))
            << Text(Main()) << Shot("maximized");
        desktop->RequestMaximized(MainTitle, false);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal; })) << Text(Main()) << Shot("restored");
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return Picture().Differences(before, BelowCaption(normal)) == 0; }))
            << Shot("restored") << " " << Shot("before", before);
        desktop->RequestMaximized(MainTitle, true);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == work; }))
            << Text(Main()) << Shot("maximized-again");
        // Restored by the manager under a still pointer that lies beyond the normal size when counted
        // from the maximized window's corner: a double click there on the caption lands.
        const int stillX = work.X + normal.Width + 8, stillY = normal.Y + 12;
        ASSERT_LT(stillX, normal.X + normal.Width - 80) << "the point must lie on the caption left of its buttons";
        desktop->MoveMouse(stillX, stillY);
        desktop->RequestMaximized(MainTitle, false);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal; })) << Text(Main()) << Shot("restored-still");
        Settled(normal);
        desktop->ClickInPlace();
        desktop->ClickInPlace();
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return ManagerMaximized() && Main() == work; }))
            << Text(Main()) << Shot("maximized-by-still-click");
    }
    TDesktopImage maximized;
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        maximized = Picture();
        return Corners(before, normal, maximized, Main()) == 0;
    })) << Shot("maximized-again");

    const TDesktopRect m = Main();
    desktop->Click(m.X + m.Width - 33, m.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal; }))
        << Text(Main()) << Shot("restored-by-button");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return Picture().Differences(before, BelowCaption(normal)) == 0; }))
        << Shot("restored-by-button") << " " << Shot("before", before);
    EXPECT_FALSE(ManagerMaximized());
}

// Rolled up and down, a maximized window is maximized again as it was: by the manager, which says
// so, and laid out for the whole work area.
TEST_F(WindowStateOnDesktop, AMaximizedWindowRolledUpAndDownIsMaximizedAsBefore)
{
    const TDesktopRect normal = Main();
    if (desktop->HasWindowManager())
        desktop->RequestMaximized(MainTitle, true);
    else
        desktop->Click(normal.X + normal.Width - 33, normal.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().Width > normal.Width && CaptionDrawnActive(); }))
        << Shot("maximized");
    const TDesktopRect maximized = Main();
    // Drawn whole: the caption active, the client area its face colour, and laid out for the size
    // the manager gave, its frame's dark outer edge on the window's last column and row where they
    // lie on the screen. Under load two grabs may agree on the picture the program shows for a
    // moment, laid out for its own maximize with the edges off the screen, before it takes the
    // manager's size.
    const int right = maximized.X + maximized.Width - 1, bottom = maximized.Y + maximized.Height - 1;
    TDesktopImage before;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        before = Picture();
        return before.Count(CaptionEnd(maximized.X, maximized.Y), ActiveCaption) >= 30 &&
               before.At(maximized.CentreX(), maximized.CentreY()) == 0xD4D0C8 &&
               (right >= before.Width || before.At(right, maximized.CentreY()) == FrameEdge) &&
               (bottom >= before.Height || before.At(maximized.CentreX(), bottom) == FrameEdge);
    })) << Shot("maximized");

    desktop->Click(maximized.X + maximized.Width - 65, maximized.Y + 13);
    // Rolled up where it was (a manager may keep it a border's width off the edge), once the
    // manager has let go of its maximize.
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopRect now = Main();
        return now.Height < 40 && std::abs(now.X - maximized.X) <= 4 && std::abs(now.Y - maximized.Y) <= 4 &&
               !ManagerMaximized();
    })) << Text(Main()) << Shot("rolled-up");
    const TDesktopRect rolled = Main();
    Settled(rolled);

    desktop->Click(rolled.X + rolled.Width - 65, rolled.Y + 13);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return Main() == maximized; })) << Text(Main()) << Shot("rolled-down");
    if (desktop->HasWindowManager()) {
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return ManagerMaximized(); })) << Shot("rolled-down");
    }
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return Picture().Differences(before, BelowCaption(maximized)) == 0; }))
        << Shot("rolled-down") << " " << Shot("before", before);
}

// The trial balance moved partly out of the MDI area, to the right and below, brings both scroll
// bars. The window grown by either maximize leaves it below only: the vertical bar stays, the
// horizontal one goes; restored, both come back.
TEST_F(WindowStateOnDesktop, TheMDIAreasScrollBarsFollowTheWindowsSize)
{
    OpenTrialBalance();
    const TDesktopRect normal = Main();
    desktop->Drag(normal.X + 300, normal.Y + ChildMaximizeY, normal.X + 450, normal.Y + ChildMaximizeY + 200);
    const auto both = [&] {
        const auto [vertical, horizontal] = ScrollBarButtons();
        return vertical > 20 && horizontal > 20;
    };
    ASSERT_TRUE(TDesktop::WaitUntil(both)) << Shot("moved-out");
    for (bool manager : {true, false}) {
        SCOPED_TRACE(manager ? "the manager's" : "the frame's");
        if (manager && !desktop->HasWindowManager())
            continue;
        if (manager)
            desktop->RequestMaximized(MainTitle, true);
        else
            desktop->Click(normal.X + normal.Width - 33, normal.Y + 12);
        EXPECT_TRUE(TDesktop::WaitUntil([&] {
            const auto [vertical, horizontal] = ScrollBarButtons();
            return Main().Width > normal.Width && vertical > 20 && horizontal == 0;
        })) << Shot("maximized");
        const TDesktopRect m = Main();
        if (manager)
            desktop->RequestMaximized(MainTitle, false);
        else
            desktop->Click(m.X + m.Width - 33, m.Y + 12);
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal && both(); })) << Shot("restored");
    }

    // The child made an icon in the maximized window lies below the area once the window is
    // restored; the report window, which opens maximized, then fills the area with no bar over it.
    desktop->Click(normal.X + normal.Width - 33, normal.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().Width > normal.Width; })) << Shot("maximized");
    const TDesktopRect m = Main();
    Settled(m);
    desktop->Click(m.X + ChildMaximizeX - 17 + 150, m.Y + ChildMaximizeY + 200);
    const auto none = [&] { return ScrollBarButtons() == std::pair{0, 0}; };
    ASSERT_TRUE(TDesktop::WaitUntil(none)) << Shot("icon");
    desktop->Click(m.X + m.Width - 33, m.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal && ScrollBarButtons().first > 20; }))
        << Shot("icon-below");
    OpenReportWindow();
    EXPECT_TRUE(TDesktop::WaitUntil(none)) << Shot("report-maximized");
    desktop->Click(normal.X + ReportCloseX, normal.Y + ReportCloseY);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return ScrollBarButtons().first > 20; })) << Shot("report-closed");
}
