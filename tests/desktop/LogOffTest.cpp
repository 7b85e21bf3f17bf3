#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// Books that keep a copy of themselves with one account more, to be restored from.
class LogOffOnDesktop : public ProgramOnDesktop {
protected:
    void PrepareBooks() override
    {
        ASSERT_TRUE(program->Execute(
            "insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal,"
            " account_sub, account_header) values (1, '1101', 'Kas', 'AL', 'D', 0, 10, 0);"
            "vacuum into '" + program->Folder() + "/restore.db';"
            "delete from coa;"));
    }

    // What shows the user while logged in: the caption, the menu bar and the status bar.
    TDesktopRect CaptionBar() { return {main.X + 4, main.Y + 4, main.Width - 8, 18}; }
    TDesktopRect MenuBar() { return {main.X + 4, main.Y + BarRow - 10, main.Width - 8, 20}; }
    TDesktopRect StatusBar() { return {main.X + 4, main.Y + main.Height - 28, main.Width - 8, 24}; }

    // Waits until the main window looks as it did before anyone logged in.
    bool LooksLoggedOff(const TDesktopImage& start)
    {
        return TDesktop::WaitUntil([&] {
            const TDesktopImage now = desktop->Grab();
            return now.Differences(start, CaptionBar()) == 0 && now.Differences(start, MenuBar()) == 0 &&
                   now.Differences(start, StatusBar()) == 0;
        });
    }

    static constexpr int ShutDown = 302;
    static constexpr uint32_t Face = 0xD4D0C8;
    // The cash window's maximize button.
    static constexpr int CashMaximizeX = 759, CashMaximizeY = 94;
};
} // namespace

// Logged off through Shut Down > Log Off with a maximized child, and by a restore chosen in the
// file dialog by keys: the caption, the bar and the status bar are back as before login (no user,
// no child's name, the small bar in place of the five top items), and the database agrees.
TEST_F(LogOffOnDesktop, TheMenuAndARestoreLeaveTheWindowLookingLoggedOff)
{
    desktop->MoveMouse(2, 2);
    // The window has faded in once its bars show the face colour.
    TDesktopImage start;
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        start = desktop->Grab();
        return start.Count(MenuBar(), Face) > MenuBar().Width * MenuBar().Height / 2 &&
               start.Count(StatusBar(), Face) > StatusBar().Width * StatusBar().Height / 2;
    })) << Shot("start");

    LogInByKeys();
    OpenCashWindow();
    desktop->Click(main.X + CashMaximizeX, main.Y + CashMaximizeY);
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Title("Bukura").find("[Cash Flow]") != std::string::npos; }))
        << Shot("maximized");
    ChooseMenu(ShutDown, 0);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(LooksLoggedOff(start)) << Shot("logged-off");
    EXPECT_EQ(desktop->Title("Bukura").find('['), std::string::npos) << desktop->Title("Bukura");
    EXPECT_EQ(program->Number("select count(*) from sis_user where user_status=1"), 0);

    LogInByKeys();
    TDesktopRect folder;
    ASSERT_NO_FATAL_FAILURE(ChooseDatabaseFile(1, "Open", "restore.db", folder));
    desktop->Click(folder.X - 110, folder.Y + 54);
    TDesktopRect box;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Confirm", box); })) << Shot("confirm");
    desktop->MoveMouse(2, 2);
    desktop->Key("Return");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Information", box); })) << Shot("restored");
    EXPECT_FALSE(desktop->FindWindow("Databases", box)) << "the dialog closes before the box" << Shot("restored");
    desktop->Key("Return");
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        return !desktop->FindWindow("Information", box) && !desktop->FindWindow("Databases", box);
    })) << Shot("closed");
    EXPECT_TRUE(LooksLoggedOff(start)) << Shot("restore-logged-off");
    EXPECT_EQ(desktop->Title("Bukura").find('['), std::string::npos) << desktop->Title("Bukura");
    EXPECT_EQ(program->Number("select count(*) from coa where account_name='Kas'"), 1);
    EXPECT_EQ(program->Number("select count(*) from sis_user where user_status=1"), 0);
}
