#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// Books with one account of the first unit whose opening balance is 250.
class DataEntryOnDesktop : public ProgramOnDesktop {
protected:
    void PrepareBooks() override
    {
        ASSERT_TRUE(program->Execute(
            "insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal,"
            " account_sub, account_header) values (1, '1101', 'Kas', 'AL', 'D', 250, 10, 0);"));
    }

    // A message box: a window titled as the program, smaller than its main window.
    bool FindBox(TDesktopRect& box)
    {
        for (const TDesktopRect& r : desktop->Windows("Bukura - Free Accounting System"))
            if (r.Width < 500) {
                box = r;
                return true;
            }
        return false;
    }
    // The error box's icon is a red disc.
    bool ErrorBoxShown()
    {
        TDesktopRect box;
        return FindBox(box) && desktop->Grab().Count(box, 0xFF0000) > 100;
    }

    // The chart of accounts' list, from the main window's left edge.
    static constexpr int ListX = 260, ListY = 215;
};
} // namespace

// "1,5" and Enter typed as an opening balance: the window's comma message alone, and the digit typed
// stays in the cell to be mended (it once became 15.00 without a word, and then went with two boxes).
TEST_F(DataEntryOnDesktop, AnOpeningBalanceWithACommaIsRefusedAndKeepsItsAmount)
{
    LogInByKeys();
    ChooseMenu(MasterData, 0);
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        const TDesktopRect m = Main();
        return desktop->Grab().Count({m.X + ListX, m.Y + ListY, 400, 200}, 0xFFFFFF) > 60000;
    })) << Shot("chart");
    desktop->Key("alt+i");
    ASSERT_TRUE(TDesktop::WaitUntil([&] {
        return desktop->FindWindow("FI_Saldo_Awal", dialog) &&
               desktop->Grab().Count(CaptionEnd(dialog.X, dialog.Y), ActiveCaption) >= 30;
    })) << Shot("dialog");
    // Off every window: the keys reach the dialog and its boxes only when they hold the keyboard.
    desktop->MoveMouse(2, 2);
    desktop->Type("1,");
    TDesktopRect box;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return FindBox(box); })) << Shot("no-message");
    EXPECT_FALSE(ErrorBoxShown()) << Shot("message");
    // The rest of the amount goes to the box and Enter closes it; a second box would take the mending.
    desktop->Type("5\n");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !FindBox(box); })) << Shot("message-open");
    desktop->Key("End");
    desktop->Type("500\n");
    EXPECT_EQ(program->Number("select saldo_awal from coa where account_id=1"), 250) << "nothing is saved without Save";
    // The list is the program's own work table, out of another program's sight: Save shows what it took,
    // after the question that the unbalanced openings ask.
    desktop->Key("alt+s");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->Windows("Confirm").empty(); })) << Shot("no-question");
    desktop->Key("Return");
    EXPECT_TRUE(TDesktop::WaitUntil([&] {
        return program->Number("select saldo_awal from coa where account_id=1") == 1500;
    })) << Shot("stored");
    EXPECT_FALSE(FindBox(box)) << Shot("second-box");
}
