#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// Books of three accounts: the monthly posting writes one trial balance row for each.
class PostingOnDesktop : public ProgramOnDesktop {
protected:
    void PrepareBooks() override
    {
        ASSERT_TRUE(program->Execute(
            "insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, "
            "account_sub, account_header) values (1, '1101', 'Kas', 'AL', 'D', 1000, 10, 0), "
            "(2, '4101', 'Penjualan', 'PD', 'K', 0, 10, 0), (3, '3101', 'Modal', 'MD', 'K', 1000, 10, 0); "
            "update ref_sistem set id_kas=1;"));
    }

    // The program starts again on books that were never posted, nobody logged in.
    void StartAfresh()
    {
        program->Stop();
        ASSERT_TRUE(program->Execute("delete from trial_balance; delete from posting; update sis_user set user_status=0"));
        StartProgram();
    }

    // Report > Trial Balance, and its "Reposting" once the list is drawn.
    void RepostFromTheBalanceList()
    {
        const TDesktopRect m = Main();
        const TDesktopImage before = desktop->Grab();
        ChooseMenu(Report, 0);
        ASSERT_TRUE(Changes(before, {m.X + RepostingX - 30, m.Y + RepostingY - 8, 60, 16})) << Shot("balance-list");
        desktop->Click(m.X + RepostingX, m.Y + RepostingY);
    }

    // Report > Financial Statement, and its first link once it is drawn.
    void PostFromTheReportWindow()
    {
        ChooseMenu(Report, 1);
        TDesktopRect report;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("[Report]", report); })) << Shot("report");
        const TDesktopRect m = Main();
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Grab().Count({m.X + PostingLinkX - 40, m.Y + PostingLinkY - 7, 200, 14}, LinkOrange) > 100;
        })) << Shot("report");
        desktop->Click(m.X + PostingLinkX, m.Y + PostingLinkY);
    }

    // Yes in the confirmation, by the mouse or by Alt+Y with Alt let go only once the posting is
    // over: the month is posted, the wait window goes, the bar stays idle (the main window gets the
    // keyboard back while Alt is still down, which is no Alt pressed alone there), and the program
    // answers Alt+M by opening the "Master Data" menu.
    void AnswerYesAndCheckThePosting(const std::string& round, bool byKeys)
    {
        TDesktopRect confirm;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Confirm", confirm); }))
            << Shot(round + "-confirm");
        if (byKeys) {
            desktop->Hold("alt", true);
            desktop->Key("y");
        } else {
            desktop->Click(confirm.X + YesX, confirm.Y + YesY);
        }
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return program->Number("select count(*) from trial_balance") == 3; }))
            << "nothing posted " << Shot(round + "-posting");
        const TDesktopRect m = Main();
        const TDesktopRect waitWindow{m.CentreX() - 150, m.CentreY() - 42, 300, 84};
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(waitWindow, WaitBlue) < 100; }))
            << "the wait window stays " << Shot(round + "-wait");
        if (byKeys) {
            desktop->Hold("alt", false);
            ASSERT_TRUE(IdleBarSelects()) << "Alt let go entered the bar " << Shot(round + "-alt");
        }
        const TDesktopImage before = desktop->Grab();
        desktop->Key("alt+m");
        ASSERT_TRUE(Changes(before, {m.X + MasterData + 10, m.Y + BarRow + 15, 60, 14}))
            << "Alt+M opens no menu " << Shot(round + "-menu");
        desktop->Key("Escape");
    }

    // The balance list's "Reposting", from the main window's left edge.
    static constexpr int RepostingX = 58, RepostingY = 560;
    // The report window's ". Posting Transaction (monthly)", once it fills the main window.
    static constexpr int PostingLinkX = 75, PostingLinkY = 167;
    // The confirmation's Yes, from its left edge.
    static constexpr int YesX = 177, YesY = 102;
    static constexpr uint32_t LinkOrange = 0xFF8000, WaitBlue = 0xA6CAF0;
    static constexpr int Rounds = 5;
};
} // namespace

// The month is posted from the balance list and from the report window, five times each, every
// time in a program just started, the question answered by the mouse and by Alt+Y in turn: the
// wait window never holds the program, and the posting is written. SIGTERM ends the program as
// closing its main window does, also while it asks a question.
TEST_F(PostingOnDesktop, AMonthIsPostedFromTheBalanceListAndTheReportWindowAfterAFreshStart)
{
    for (int round = 0; round < 2 * Rounds; ++round) {
        const bool fromList = round < Rounds;
        const std::string name = (fromList ? "list-" : "report-") + std::to_string(round % Rounds);
        if (round == Rounds) {
            ASSERT_TRUE(program->Terminate()) << "SIGTERM did not end the program " << Shot("terminate");
        }
        if (round > 0) {
            ASSERT_NO_FATAL_FAILURE(StartAfresh()) << name;
        }
        ASSERT_NO_FATAL_FAILURE(LogInByKeys()) << name;
        ASSERT_NO_FATAL_FAILURE(fromList ? RepostFromTheBalanceList() : PostFromTheReportWindow()) << name;
        ASSERT_NO_FATAL_FAILURE(AnswerYesAndCheckThePosting(name, round % 2 == 1));
    }
    const TDesktopRect m = Main();
    desktop->Click(m.X + PostingLinkX, m.Y + PostingLinkY);
    TDesktopRect confirm;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Confirm", confirm); })) << Shot("confirm");
    EXPECT_TRUE(program->Terminate()) << "SIGTERM did not end the program " << Shot("terminate");
}
