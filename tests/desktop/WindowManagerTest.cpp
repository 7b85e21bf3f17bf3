#include <algorithm>

#include "tests/desktop/ProgramOnDesktop.h"

namespace {
class WindowManagerOnDesktop : public ProgramOnDesktop {
protected:
    bool Has(const std::vector<std::string>& atoms, const std::string& name)
    {
        return std::find(atoms.begin(), atoms.end(), name) != atoms.end();
    }
    bool Maximized() { return Has(desktop->Atoms(MainTitle, "_NET_WM_STATE"), "_NET_WM_STATE_MAXIMIZED_VERT"); }
    bool At(const TDesktopRect& r, int x, int y, int width, int height)
    {
        return r.X == x && r.Y == y && r.Width == width && r.Height == height;
    }

    static constexpr uint32_t Selection = 0x0A246A, Face = 0xD4D0C8;
    static constexpr int ShutDown = 302;
    // The cash window's "&Close" button.
    static constexpr int CashCloseX = 740, CashCloseY = 553;
};
} // namespace

// Moved by the window manager (a drag with its move key held; without one, from outside as a manager without
// frames does), the main window takes clicks at its new place: a menu title, a menu item and a
// button; and the next start opens it there.
TEST_F(WindowManagerOnDesktop, AWindowMovedByTheManagerTakesClicksThereAndStartsThereNextTime)
{
    const TDesktopRect before = Main();
    const int dx = -70, dy = -20;
    if (desktop->HasWindowManager())
        desktop->Drag(before.X + 400, before.Y + 300, before.X + 400 + dx, before.Y + 300 + dy, desktop->MoveModifier());
    else
        desktop->MoveWindow(MainTitle, before.X + dx, before.Y + dy);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return Main().X == before.X + dx && Main().Y == before.Y + dy; }))
        << Text(Main()) << Shot("moved");

    LogInByKeys();
    desktop->MoveMouse(2, 2);
    const TDesktopImage empty = desktop->Grab();
    OpenCashWindow();
    const TDesktopRect children{main.X + 4, main.Y + BarRow + 12, main.Width - 8, main.Height - BarRow - 45};
    desktop->Click(main.X + CashCloseX, main.Y + CashCloseY);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(empty, children) == 0; }))
        << Shot("closed");

    ChooseMenu(ShutDown, 1);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !program->Running(); })) << Shot("exit");
    ASSERT_TRUE(program->Start(desktop->Display()));
    TDesktopRect again;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow(MainTitle, again); }, std::chrono::seconds(30)));
    EXPECT_TRUE(At(again, before.X + dx, before.Y + dy, before.Width, before.Height)) << Text(again);
}

// The manager may size and maximize the main window (its hints give a minimum size only); its
// maximize fills the work area as the skinned frame's own does, the window stays usable, and the
// frame's button, drawn as restore, gives the maximize back.
TEST_F(WindowManagerOnDesktop, TheManagersMaximizeFillsTheWorkAreaAndTheFrameRestoresIt)
{
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    ASSERT_TRUE(desktop->SizeHints(MainTitle, minWidth, minHeight, maxWidth, maxHeight));
    EXPECT_EQ(maxWidth, 0);
    EXPECT_EQ(maxHeight, 0);
    EXPECT_GT(minWidth, 0);
    EXPECT_LT(minWidth, main.Width);
    if (!desktop->HasWindowManager())
        return;

    const TDesktopRect normal = Main();
    const TDesktopRect work = desktop->WorkArea();
    desktop->RequestMaximized(MainTitle, true);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return At(Main(), work.X, work.Y, work.Width, work.Height); }))
        << Text(Main()) << Shot("maximized");
    ASSERT_TRUE(CaptionDrawnActive()) << Shot("maximized");
    LogInByKeys();

    desktop->Click(main.X + main.Width - 33, main.Y + 12);
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return At(Main(), normal.X, normal.Y, normal.Width, normal.Height); }))
        << Text(Main()) << Shot("restored");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return !Maximized(); }));
}

// The login dialog is a dialog of the main window: a click on the main window leaves it above
// (the manager raises the main window with its dialogs), and Enter still logs in.
TEST_F(WindowManagerOnDesktop, TheLoginDialogStaysAboveTheMainWindow)
{
    ChooseMenu(SmallUser, 0);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Choose filename", dialog); })) << Shot("login");
    EXPECT_TRUE(desktop->TransientFor("Choose filename").starts_with(MainTitle));
    EXPECT_TRUE(Has(desktop->Atoms("Choose filename", "_NET_WM_WINDOW_TYPE"), "_NET_WM_WINDOW_TYPE_DIALOG"));

    // The keys still reach the dialog's file name: End takes its selection away. Shown only once
    // the program is through with what the click made it repaint, the change tells the click is
    // over; the buttons beside it show whether the dialog is still on top.
    const TDesktopRect name{dialog.X + 94, dialog.Y + 35, 226, 21};
    const TDesktopRect buttons{dialog.X + 180, dialog.Y + 125, 170, 28};
    desktop->MoveMouse(2, 2);
    TDesktopImage shown;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        shown = desktop->Grab();
        return shown.Count(name, Selection) > 100 && shown.Count(buttons, Face) > 2000;
    })) << Shot("shown");
    desktop->Click(main.X + 600, main.Y + 600);
    if (desktop->HasWindowManager()) {
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FocusTitle().starts_with(MainTitle); }))
            << desktop->FocusTitle();
    }
    desktop->MoveMouse(2, 2);
    desktop->Key("End");
    ASSERT_TRUE(Changes(shown, name)) << Shot("end");
    EXPECT_EQ(desktop->Grab().Differences(shown, buttons), 0) << Shot("clicked");

    desktop->Key("Return");
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        return program->Number("select count(*) from sis_user where user_status=1") == 1 &&
               !desktop->FindWindow("Choose filename", dialog);
    })) << Shot("logged-in");
}

// metacity and xfwm4 bind Alt+F7 (move), Alt+F8 (size) and Alt+F10 (maximize, and back): the
// manager takes the keyboard for them, and Alt's release leaves the menu bar idle. Where nothing
// binds them (openbox, no manager) the keys are the program's: Alt+F7 and Alt+F8 do nothing, and
// Alt+F10 enters the bar on its first item, as F10 does.
TEST_F(WindowManagerOnDesktop, TheManagersAltKeysLeaveTheMenuBarIdle)
{
    LogInByKeys();
    const TDesktopRect normal = Main();
    const std::string& manager = desktop->WindowManager();
    const bool bound = manager == "metacity" || manager == "xfwm4";
    const int restX = normal.X + 400, restY = normal.Y + 400;
    for (const std::string key : {"alt+F7", "alt+F8"}) {
        desktop->MoveMouse(restX, restY);
        desktop->Key(key);
        if (bound) {
            // The manager's keyboard move or resize puts the pointer on the window; Escape ends it.
            int x = restX, y = restY;
            ASSERT_TRUE(TDesktop::WaitUntil([&] {
                desktop->Pointer(x, y);
                return x != restX || y != restY;
            })) << key << Shot(key);
            desktop->Key("Escape");
            ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->KeyboardFree(); })) << key;
        }
        EXPECT_TRUE(IdleBarSelects()) << key << Shot(key);
    }

    if (!bound) {
        desktop->Key("alt+F10");
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return Selected(desktop->Grab(), MasterData); })) << Shot("alt-f10");
        desktop->Key("Escape");
        EXPECT_TRUE(TDesktop::WaitUntil([&] { return !Selected(desktop->Grab(), MasterData); })) << Shot("escape");
        return;
    }
    const TDesktopRect work = desktop->WorkArea();
    for (const TDesktopRect& to : {work, normal}) {
        desktop->Key("alt+F10");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return At(Main(), to.X, to.Y, to.Width, to.Height); }))
            << Text(Main()) << Shot("alt-f10");
        EXPECT_TRUE(IdleBarSelects()) << Text(to) << Shot("alt-f10");
    }
}
