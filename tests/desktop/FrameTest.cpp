#include "tests/desktop/ProgramOnDesktop.h"

using FramesOnDesktop = ProgramOnDesktop;

// The program draws its own caption: a window manager adds no frame of its own around it, so the
// topmost row on screen is the skinned caption.
TEST_F(FramesOnDesktop, TheSkinnedCaptionIsTheOnlyTitleBar)
{
    TDesktopRect frame;
    ASSERT_TRUE(desktop->FrameOf(MainTitle, frame));
    const TDesktopRect m = Main();
    EXPECT_TRUE(frame == m) << "frame " << Text(frame) << " around " << Text(m) << " " << Shot("frame");

    ChooseMenu(SmallUser, 0);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Choose filename", dialog); })) << Shot("login");
    ASSERT_TRUE(desktop->FrameOf("Choose filename", frame));
    EXPECT_TRUE(frame == dialog) << "frame " << Text(frame) << " around " << Text(dialog) << " " << Shot("login");
}

// A manager that comes up after the program (a session starting both at once) still finds the
// program's windows asking for no decoration.
TEST_F(FramesOnDesktop, AWindowManagerStartedLaterAddsNoTitleBar)
{
    if (!desktop->HasWindowManager()) {
        ASSERT_TRUE(desktop->StartWindowManager()) << desktop->Error();
    }
    int extents[4] = {-1, -1, -1, -1};
    // A manager that puts no frame around a window may tell no extents for it (metacity): then
    // its frame window is the window itself.
    if (!TDesktop::WaitUntil([&] { return desktop->FrameExtents(MainTitle, extents); }, std::chrono::seconds(3))) {
        TDesktopRect frame;
        ASSERT_TRUE(desktop->FrameOf(MainTitle, frame));
        EXPECT_TRUE(frame == Main()) << "frame " << Text(frame) << " around " << Text(Main()) << Shot("late");
        return;
    }
    EXPECT_EQ(extents[2], 0) << "the manager's title bar is " << extents[2] << " high " << Shot("late");
    EXPECT_EQ(extents[0] + extents[1] + extents[3], 0) << Shot("late");
}

// Maximized through the skinned caption button, the main window fills the work area the manager
// leaves (its status bar stays on screen); the same button restores it, a drag on the caption
// moves it and one on the frame's corner sizes it.
TEST_F(FramesOnDesktop, MaximizeRestoreMoveAndSizeThroughTheSkinnedFrame)
{
    const TDesktopRect normal = Main();
    desktop->Click(normal.X + normal.Width - 33, normal.Y + 12);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().Width > 1000; })) << Shot("maximized");
    ASSERT_TRUE(CaptionDrawnActive());
    const TDesktopRect work = desktop->WorkArea();
    // The frame's outer border may lie past the edges, as on other desktops; no more.
    const int border = 4;
    // The manager may take a moment to put the window where the program asked.
    TDesktop::WaitUntil([&] {
        TDesktopRect frame;
        const TDesktopRect placed = Main();
        return desktop->FrameOf(MainTitle, frame) && frame == placed
            && placed.Y + placed.Height <= work.Y + work.Height + border;
    });
    const TDesktopRect m = Main();
    Shot("maximized");
    EXPECT_GE(m.Y, work.Y - border) << Text(m) << " in " << Text(work);
    EXPECT_LE(m.Y + m.Height, work.Y + work.Height + border) << Text(m) << " in " << Text(work);
    EXPECT_GE(m.Width, work.Width);
    TDesktopRect frame;
    ASSERT_TRUE(desktop->FrameOf(MainTitle, frame));
    EXPECT_TRUE(frame == m) << "frame " << Text(frame) << " around " << Text(m);

    desktop->Click(m.X + m.Width - 33, m.Y + border + 8);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main() == normal; })) << Text(Main()) << Shot("restored");

    // The bottom right corner of the frame sizes the window; smaller, it has room to move without
    // snapping to the work area's edges.
    desktop->Drag(normal.X + normal.Width - 2, normal.Y + normal.Height - 2, normal.X + normal.Width - 102,
                  normal.Y + normal.Height - 82);
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopRect sized = Main();
        return sized.X == normal.X && sized.Y == normal.Y && sized.Width == normal.Width - 100
            && sized.Height == normal.Height - 80;
    })) << Text(Main()) << Shot("sized");

    const TDesktopRect sized = Main();
    desktop->Drag(sized.X + 300, sized.Y + 12, sized.X + 250, sized.Y + 52);
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopRect moved = Main();
        return moved.X == sized.X - 50 && moved.Y == sized.Y + 40 && moved.Width == sized.Width;
    })) << Text(Main()) << Shot("moved");
}

// The caption's minimize button iconifies the main window under a manager, and the taskbar's
// request brings it back drawn; without a manager there is nowhere to go, so it stays usable. The
// manager's own iconify and a trip to another workspace bring it back the same way. The cash
// window, behind the report window that opens maximized, keeps its place meanwhile: the report
// closed, it shows where and as it was.
TEST_F(FramesOnDesktop, MinimizeThroughTheSkinnedFrame)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect normal = Main();
    const TDesktopRect inside{normal.X + 3, normal.Y + 78, normal.Width - 6, normal.Height - 78 - 26};
    desktop->MoveMouse(2, 2);
    const TDesktopImage cash = Settled(inside);
    OpenReportWindow();
    const auto backDrawn = [&](const std::string& way) {
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->Windows(MainTitle).empty(); })) << Shot(way);
        EXPECT_TRUE(CaptionDrawnActive()) << Shot(way);
        EXPECT_TRUE(Main() == normal) << Text(Main()) << Shot(way);
    };

    desktop->Click(normal.X + normal.Width - 49, normal.Y + 12);
    if (desktop->HasWindowManager()) {
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows(MainTitle).empty(); })) << Shot("minimized");
        desktop->Activate(MainTitle);
        backDrawn("back");

        desktop->Iconify(MainTitle);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows(MainTitle).empty(); })) << Shot("iconified");
        desktop->Activate(MainTitle);
        backDrawn("deiconified");
    } else {
        EXPECT_TRUE(CaptionDrawnActive()) << Shot("minimized");
    }
    if (desktop->Workspaces() > 1) {
        desktop->ShowWorkspace(1);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Windows(MainTitle).empty(); })) << Shot("workspace-1");
        desktop->ShowWorkspace(0);
        backDrawn("workspace-0");
    }
    desktop->Click(normal.X + ReportCloseX, normal.Y + ReportCloseY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(cash, inside) == 0; }))
        << desktop->Grab().Differences(cash, inside) << " pixels differ " << Shot("report-closed");

    // Usable: the maximize button still works.
    const TDesktopRect m = Main();
    desktop->Click(m.X + m.Width - 33, m.Y + 12);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return Main().Width > 1000; })) << Shot("maximized");
}

// A dialog of a fixed size ("Input Initial Balance") offers no maximize, not even through the
// manager: a click where a maximize button would be and a double click on its caption leave it
// drawn where it was, and its "Cancel" then closes it.
TEST_F(FramesOnDesktop, AFixedSizeDialogOffersNoMaximizeAndItsButtonsStayWhereDrawn)
{
    LogInByKeys();
    ChooseMenu(MasterData, 0);
    const TDesktopRect m = Main();
    // The chart of accounts, drawn active, holds the dialog's button.
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(CaptionEnd(m.X + 4, m.Y + 81), ActiveCaption) >= 30; }))
        << Shot("chart");
    desktop->Click(m.X + 497, m.Y + 510);
    const char* title = "FI_Saldo_Awal";
    TDesktopRect d;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow(title, d); })) << Shot("dialog");
    for (const std::string& action : desktop->Atoms(title, "_NET_WM_ALLOWED_ACTIONS")) {
        EXPECT_EQ(action.find("MAXIMIZE"), std::string::npos) << action;
    }
    desktop->MoveMouse(d.X + 200, d.Y + 12);
    // Shown whole, past its fade: the caption's end all active blue, the grid all white.
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopImage shown = desktop->Grab();
        return shown.Count(CaptionEnd(d.X, d.Y), ActiveCaption) == 36 &&
               shown.Count({d.X + 100, d.Y + 150, 300, 100}, 0xFFFFFF) == 30000;
    })) << Shot("dialog");
    const TDesktopRect caption{d.X + 4, d.Y + 4, d.Width - 16, 18};
    const TDesktopImage before = Settled(caption);

    desktop->Click(d.X + 576, d.Y + 12);
    desktop->Click(d.X + 200, d.Y + 12);
    desktop->Click(d.X + 200, d.Y + 12);
    const TDesktopImage after = Settled(caption);
    TDesktopRect now;
    ASSERT_TRUE(desktop->FindWindow(title, now)) << Shot("after", after);
    EXPECT_TRUE(now == d) << Text(now) << " was " << Text(d);
    EXPECT_EQ(after.Differences(before, caption), 0) << Shot("after", after);

    desktop->Click(d.X + 553, d.Y + 439);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow(title, now); })) << Shot("cancel");
}
