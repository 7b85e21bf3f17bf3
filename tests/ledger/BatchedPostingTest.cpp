// Posting a whole year in one pass, against month-by-month posting and the plain grouped sums.
#include <gtest/gtest.h>

#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "platform/core/Exceptions.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/PostingBook.h"

namespace {

// Two units with every kind of account: debit- and credit-normal, contra accounts of classes 1
// to 3, revenue, expense, the profit account and an account with an opening but no lines; vouchers
// ordinary and adjusting (March adjusting only on the contra asset), null amounts, four-decimal
// amounts and dates in every form the month rule reads, one of them in the year before.
class BatchedPosting : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [nomor, side] : {std::pair{"11", "D"}, {"21", "K"}, {"31", "K"}, {"41", "K"}, {"71", "D"}})
            book.Category(nomor, "C" + std::string(nomor), side, nomor[0] < '4');
        const int codes[] = {11, 11, 21, 21, 31, 31, 31, 41, 71, 11};
        const char* sides = "DKKDKDKKDD";
        for (int i = 0; i < 10; ++i)
            for (int unit : {10, 11})
                book.Account(i + 1 + (unit - 10) * 20, std::to_string(codes[i]) + std::to_string(i), "A",
                             std::to_string(codes[i]), std::string(1, sides[i]), 100 * (i + 1) + 0.125, unit);
        book.ControlAccounts(10, 1, 5, 7);
        book.ControlAccounts(11, 21, 25, 27);
        book.Voucher("V1", "1", "2026-01-05", false, 10, "", {{1, 1000.1234, 0}, {8, 0, 1000.1234}});
        book.Voucher("V2", "2", "2026-1-06", false, 10, "", {{9, 300.0001, 0}, {2, 0.0002, 300.0003}});
        book.Voucher("v3", "3", "2026-02-10 09:30:00", false, 10, "", {{3, 50, 0}, {4, 0, 50}});
        book.Voucher("A1", "4", "2026-03-31", true, 10, "", {{9, 80.5, 0}, {2, 0, 80.5}});
        book.Voucher("A2", "5", "2025-02-28", true, 10, "", {{6, 12, 0}, {5, 0, 7}, {7, 0, 5}});
        book.Voucher("W1", "6", "2026-01-07", false, 11, "", {{21, 40, 0}, {28, 0, 40}});
        book.Voucher("W2", "7", "2026-12-01", true, 11, "", {{29, 9.9999, 0}, {21, 0, 9.9999}});
        book.Exec("insert into T_VOUC values ('N1', '8', '2026-01-20', 5, '', 0, 10)");
        book.Exec("insert into TR_VOUC values ('N1', 1, 1, '', '', null, 5), ('n1', 2, 8, '', '', 5, null)");
        // A line without its voucher is no movement.
        book.Exec("insert into TR_VOUC values ('X9', 1, 1, '', '', 999, 0)");
    }

    void Year(const std::vector<std::string>& units = {"10", "11"})
    {
        TLongJob job(&wait);
        BuildTrialBalance(book.dm, "2026", units, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, job);
    }

    std::vector<std::string> Tables()
    {
        auto rows = book.Rows("select * from trial_balance order by account_id");
        for (const auto& row : book.Rows("select * from posting order by account_id"))
            rows.push_back(row);
        return rows;
    }

    // Every month of every posted account but the profit accounts, against the plain sums.
    void ExpectPlainSums()
    {
        const std::string sums = "select total(case when ajp = 1 then 0 else debet end), total(case when ajp = 1 then 0 "
                                 "else kredit end), total(case when ajp = 1 then debet end), total(case when ajp = 1 "
                                 "then kredit end) from v_realisasi where month(tgl_vouc) = ";
        for (const auto& id : book.Rows("select account_id from coa where account_id not in (7, 27)"))
            for (int m = 1; m <= 12; ++m) {
                const std::string b = "b" + std::to_string(m);
                EXPECT_EQ(book.Rows("select " + b + "_mutasi_d, " + b + "_mutasi_k, " + b + "_ajp_d, " + b +
                                    "_ajp_k from trial_balance where account_id=" + id),
                          book.Rows(sums + std::to_string(m) + " and account_id=" + id))
                    << "account " << id << " month " << m;
            }
    }

    TPostingBook book;
    TLongJobRecorder wait;
};

} // namespace

TEST_F(BatchedPosting, TheYearInOnePassEqualsThePlainSumsAndTheHandWorkedValuesAndRepeatsExactly)
{
    Year();
    const auto once = Tables();
    ExpectPlainSums();
    EXPECT_EQ(wait.max, 20);
    EXPECT_EQ(wait.position, 20);

    EXPECT_EQ(book.Rows("select b1_mutasi_d, b1_mutasi_k from trial_balance where account_id in (1, 2, 8) "
                        "order by account_id"),
              (std::vector<std::string>{"1000.1234|5", "0.0002|300.0003", "5|1000.1234"}));
    // Openings and months by sign: contra accounts (2, 4, 6) negated, class 2 and 3 credit minus debit.
    EXPECT_EQ(book.Rows("select account_id, pos_awal, pos_b1, pos_b2, pos_b3 from posting where account_id <= 10 "
                        "order by account_id"),
              (std::vector<std::string>{"1|100.125|995.1234|0|0", "2|-200.125|-300.0001|0|-80.5",
                                        "3|300.125|0|-50|0", "4|-400.125|0|50|0", "5|500.125|0|7|0",
                                        "6|-600.125|0|-12|0", "7|700.125|695.1233|0|-80.5",
                                        "8|800.125|995.1234|0|0", "9|900.125|300.0001|0|80.5",
                                        "10|1000.125|0|0|0"}));
    EXPECT_EQ(book.Rows("select pos_b1, pos_b12 from posting where account_id=27"),
              (std::vector<std::string>{"40|-9.9999"}));
    // The profit account's own trial-balance months stay as they were.
    EXPECT_EQ(book.Rows("select saldo_awal_k, b1_mutasi_d, b2_mutasi_k from trial_balance where account_id=7"),
              (std::vector<std::string>{"700.125|null|null"}));

    Year();
    EXPECT_EQ(Tables(), once);
}

TEST_F(BatchedPosting, OneMonthReadsByDateUnlessADateHasAnotherFormAndStillMatchesTheWholePass)
{
    Year();
    const auto once = Tables();
    book.Exec("delete from trial_balance; delete from posting");
    for (const char* unit : {"10", "11"})
        for (int m : {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 3})
            BuildMonthlyTrialBalance(book.dm, std::to_string(m), "2026", unit);
    EXPECT_EQ(Tables(), once) << "month by month, out of order and twice, as in one pass";

    book.Voucher("S1", "9", " 2026-02-03", false, 10, "", {{1, 7, 0}, {8, 0, 7}});
    BuildMonthlyTrialBalance(book.dm, "2", "2026", "10");
    ExpectPlainSums();
    EXPECT_EQ(book.Amount("select pos_b2 from posting where account_id=7"), Rp(7));
}

TEST_F(BatchedPosting, AFailingLastWriteLeavesBothTablesAsTheyWereAndReachesTheCaller)
{
    Year();
    const auto before = Tables();
    book.Voucher("V9", "9", "2026-05-05", false, 11, "", {{21, 70, 0}, {28, 0, 70}});
    book.Exec("create trigger fail_last before update on posting when new.account_id=30 "
              "begin select raise(abort, 'injected failure'); end");
    EXPECT_THROW(Year(), EDatabaseError);
    EXPECT_EQ(Tables(), before);
    EXPECT_FALSE(book.dm.CONN1->InTransaction());

    // Inside the caller's transaction the run is a savepoint: the caller's work stays its own.
    TTransaction outer(*book.dm.CONN1);
    book.Exec("update coa set account_name='B' where account_id=1");
    EXPECT_THROW(Year(), EDatabaseError);
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(book.Value("select account_name from coa where account_id=1").AsString(), "B");
    EXPECT_TRUE(book.dm.CONN1->InTransaction());
    EXPECT_THROW(Year({"10", "1x"}), EConvertError);
}
