// Posting one month of one unit: the month's profit, what is posted, and refusals; the month of
// every unit, which waits for another instance's write and refuses a voucher that does not balance. A failing run
// is rolled back as the whole year's is (BatchedPostingTest) and closes its wait window (WaitWindowTest).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ledger/BlankEntries.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "ledger/Posting.h"
#include "ledger/Vouchers.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/core/Exceptions.h"
#include "platform/data/DbEngine.h"
#include "platform/ui/THeadlessSession.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/PostingBook.h"

namespace {

// Unit 10: cash, a contra asset, a payable, a debit-normal equity account, the current-year
// profit account, revenue and expenses.
class MonthlyPosting : public ::testing::Test {
protected:
    void SetUp() override
    {
        book.Category("11", "AKTIVA LANCAR", "D", 1);
        book.Category("21", "HUTANG", "K", 1);
        book.Category("31", "MODAL", "K", 1);
        book.Category("41", "PENDAPATAN", "K", 0);
        book.Category("71", "BIAYA", "D", 0);
        book.Account(1, "1110", "KAS", "11", "D", 1000, 10);
        book.Account(2, "1120", "CADANGAN PIUTANG", "11", "K", 500, 10);
        book.Account(3, "2110", "HUTANG DAGANG", "21", "K", 300, 10);
        book.Account(4, "3110", "PRIVE", "31", "D", 200, 10);
        book.Account(5, "3120", "LABA TAHUN BERJALAN", "31", "K", 0, 10);
        book.Account(6, "4110", "PENJUALAN", "41", "K", 0, 10);
        book.Account(7, "7110", "BIAYA LISTRIK", "71", "D", 0, 10);
        book.Account(8, "1110", "KAS ZIVU", "11", "D", 50, 11);
        book.ControlAccounts(10, 1, 0, 5);
    }

    void Post(const std::string& month, const std::string& unit = "10")
    {
        BuildMonthlyTrialBalance(book.dm, month, "2026", unit, &wait);
    }

    std::string TrialBalance(int account, int month)
    {
        const std::string m = "b" + std::to_string(month);
        return book.Rows("select " + m + "_mutasi_d, " + m + "_mutasi_k, " + m + "_ajp_d, " + m +
                         "_ajp_k from trial_balance where account_id=" + std::to_string(account))
            .at(0);
    }

    TPostingBook book;
    TLongJobRecorder wait;
};

} // namespace

TEST_F(MonthlyPosting, TheMonthsProfitWithItsAdjustmentsLandsOnTheProfitAccountOnly)
{
    book.Exec("insert into trial_balance (account_id, b3_mutasi_d) values (5, 77)");
    book.Voucher("V1", "1001", "2026-03-05", false, 10, "jual", {{1, 900, 0}, {6, 0, 900}});
    book.Voucher("V2", "1002", "2026-03-09", false, 10, "listrik", {{7, 400, 0}, {1, 0, 400}});
    book.Voucher("V3", "1003", "2026-03-10", false, 10, "langsung", {{5, 0, 25}, {1, 25, 0}});
    book.Voucher("A1", "Ajp1001", "2026-03-31", true, 10, "penyesuaian", {{7, 60, 0}, {2, 0, 60}});
    book.Voucher("A2", "Ajp1002", "2026-03-31", true, 10, "koreksi", {{1, 15, 0}, {6, 0, 15}});
    Post("3");

    EXPECT_EQ(TrialBalance(7, 3), "400|0|60|0");
    EXPECT_EQ(TrialBalance(1, 3), "925|400|15|0");
    // Adjusting entries count in the month's profit: 900 + 15 - 400 - 60.
    EXPECT_EQ(book.Rows("select pos_b3 from posting where account_id in (5, 6, 7) order by account_id"),
              (std::vector<std::string>{"455", "915", "460"}));
    // The profit account's own trial-balance month is not the posting's to write.
    EXPECT_EQ(TrialBalance(5, 3), "77|null|null|null");
}

TEST_F(MonthlyPosting, OnlyTheMonthAndTheUnitArePostedAndLaterOpeningsReachOnlyPosting)
{
    book.Voucher("V1", "1001", "2026-03-05", false, 10, "maret", {{1, 10, 0}, {6, 0, 10}});
    book.Voucher("V2", "1002", "2026-04-05", false, 10, "april", {{1, 20, 0}, {6, 0, 20}});
    book.Account(10, "4110", "PENJUALAN ZIVU", "41", "K", 0, 11);
    book.Voucher("V3", "2001", "2026-03-05", false, 11, "zivu", {{8, 30, 0}, {10, 0, 30}});
    Post("3");
    EXPECT_EQ(book.Rows("select account_id, tahun, pos_b3, pos_b4 from posting where account_id in (1, 8)"),
              (std::vector<std::string>{"1|2026|10|null"}));
    EXPECT_EQ(wait.shown, 1);
    EXPECT_EQ(wait.max, 7) << "one step per account of the unit";
    EXPECT_EQ(wait.position, 7);
    EXPECT_EQ(wait.closed, 1);
    Post("3", "11");
    EXPECT_EQ(book.Amount("select pos_b3 from posting where account_id=8"), Rp(30));
    EXPECT_EQ(book.Amount("select pos_b3 from posting where account_id=5"), Rp(10));

    book.Exec("update coa set saldo_awal=1500 where account_id=1");
    book.Account(9, "1130", "BANK", "11", "D", 250, 10);
    Post("3");
    EXPECT_EQ(book.Amount("select pos_awal from posting where account_id=1"), Rp(1500));
    // Each opening on the account's own side; the signs of posting are checked with the whole year.
    EXPECT_EQ(book.Rows("select saldo_awal_d, saldo_awal_k from trial_balance where account_id in (1, 2, 9) "
                        "order by account_id"),
              (std::vector<std::string>{"1000|null", "null|500", "250|null"}));

    const auto before = book.Rows("select * from posting order by account_id");
    Post("3", "12");
    EXPECT_EQ(book.Rows("select * from posting order by account_id"), before);
    EXPECT_EQ(wait.closed, 4) << "a unit without accounts only shows and closes the wait window";
}

TEST_F(MonthlyPosting, ASecondStartOrTextThatIsNotAMonthYearOrUnitIsRefusedBeforeAnythingChanges)
{
    for (const char* month : {"13", "3;drop table coa"})
        EXPECT_THROW(Post(month), EConvertError) << month;
    EXPECT_THROW(BuildMonthlyTrialBalance(book.dm, "3", "20x6", "10", &wait), EConvertError);
    EXPECT_THROW(Post("3", "10 or 1=1"), EConvertError);
    {
        TLongJob running(nullptr);
        EXPECT_THROW(Post("3"), EInvalidOperation);
    }
    EXPECT_EQ(book.Value("select count(*) from trial_balance").AsInteger(), 0);
    EXPECT_EQ(wait.shown, 0);
    EXPECT_FALSE(IsLongJobRunning());

    Post("03");
    EXPECT_EQ(TrialBalance(1, 3), "0|0|0|0");
}

TEST_F(MonthlyPosting, ALoginsCleanUpASaveAndTheMonthWaitOutAnotherInstancesWriteAndAnUnbalancedVoucherStopsTheMonth)
{
    TDtModule other;
    other.CONN1->SetConnectionString("Data Source=" + book.dm.CONN1->DataSource());
    other.CONN1->Open();
    // Another instance writes for about a second, then commits.
    const auto holdWrite = [&] {
        other.CONN1->BeginTrans();
        other.CONN1->Execute("update ref_sistem set first_mnt=first_mnt");
        return std::jthread([&] {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            other.CONN1->Commit();
        });
    };
    book.Exec("insert into T_VOUC (ID_Vouc) values ('20260301101010')");
    std::jthread holder = holdWrite();
    RemoveAbandonedEntries(book.dm);
    holder.join();
    EXPECT_EQ(book.Value("select count(*) from T_VOUC").AsInteger(), 0) << "the killed entry's header went";

    holder = holdWrite();
    SaveVoucher(book.dm, {"V1", "1001", EncodeDate(2026, 3, 5), "900", "jual", "10"},
        {{"1", "1", "1110", "jual", "900", "0"}, {"2", "6", "4110", "jual", "0", "900"}});
    holder.join();
    holder = holdWrite();
    PostMonthForAllUnits(book.dm, 3, "2026", &wait);
    holder.join();
    EXPECT_EQ(TrialBalance(1, 3), "900|0|0|0");

    // Past the timeout nothing of the month is posted, not even the units before the wait.
    book.Voucher("V2", "1002", "2026-03-06", false, 10, "jual", {{1, 50, 0}, {6, 0, 50}});
    other.CONN1->BeginTrans();
    other.CONN1->Execute("update ref_sistem set first_mnt=first_mnt");
    book.dm.CONN1->SetCommandTimeout(1);
    EXPECT_THROW(PostMonthForAllUnits(book.dm, 3, "2026", &wait), EDatabaseBusy);
    other.CONN1->Rollback();
    EXPECT_EQ(TrialBalance(1, 3), "900|0|0|0");

    // A voucher left one-sided by a killed instance is named and the month stays as it was; a blank
    // header being made and another month's voucher are not the month's.
    book.Voucher("A8", "Ajp1008", "2026-03-31", true, 10, "penyesuaian", {{7, 70, 0}});
    book.Voucher("A9", "Ajp1009", "2026-03-20", true, 10, "selisih sen", {{7, 70.0001, 0}, {1, 0, 70}});
    book.Voucher("B4", "1010", "2026-04-02", false, 10, "april", {{1, 5, 0}});
    book.Exec("insert into T_VOUC (ID_Vouc) values ('20260302101010')");
    book.Exec("insert into TR_VOUC (ID_Vouc, nomor, account_id, debet) values ('20260302101010', 1, 1, 5)");
    THeadlessSession session;
    TMessageBoxResponder boxes(session.App());
    boxes.Answer(mrYes);
    boxes.Answer(mrOk);
    EXPECT_FALSE(AskAndPostMonth(book.dm, 3, "2026", &wait));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[1].Text, "Posting tidak dilakukan. Jumlah debet dan kredit bukti transaksi berikut tidak sama:"
        "\r\nAjp1009   20/03/2026\r\nAjp1008   31/03/2026\r\nSilakan seimbangkan bukti tersebut terlebih dahulu.");
    EXPECT_EQ(TrialBalance(1, 3), "900|0|0|0");
    EXPECT_FALSE(IsLongJobRunning());

    book.Exec("delete from T_VOUC where ID_Vouc in ('A8', 'A9')");
    PostMonthForAllUnits(book.dm, 3, "2026", &wait);
    EXPECT_EQ(TrialBalance(1, 3), "950|0|0|0");
}
