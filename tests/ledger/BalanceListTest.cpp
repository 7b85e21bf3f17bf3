// The balance list: cells from month 1 to N, totals, order, row colours, reposting.
#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlRadio.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/TFrm_DafSaldo.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/data/TADOQuery.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/FrameSession.h"
#include "tests/ledger/PostingBook.h"

namespace {

class BalanceList : public ::testing::Test {
protected:
    BalanceList()
    {
        book.Category("11", "Aktiva Lancar", "D", 1);
        book.Category("21", "Hutang", "K", 1);
        book.Category("31", "Modal", "K", 1);
        book.Category("41", "Pendapatan", "K", 0);
        book.Account(1, "1110", "Kas", "11", "D", 100, 10);
        book.Account(2, "2110", "Hutang", "21", "K", 300, 11);
        book.Account(3, "3110", "Modal", "31", "K", 0, 10);
        book.Account(4, "4110", "Penjualan", "41", "K", 0, 10);
        book.ControlAccounts(10, 1, 3, 3);
        book.Exec("insert into trial_balance (account_id, saldo_awal_d, b1_mutasi_d, b1_mutasi_k, b1_ajp_k, "
                  "b12_mutasi_d) values (1, 100, 50, 20, 10, 5)");
        book.Exec("insert into trial_balance (account_id, saldo_awal_k, b1_mutasi_k, b2_mutasi_d) values (2, 300, 40, 15)");
        book.Exec("insert into trial_balance (account_id, b1_mutasi_k) values (3, 70)");
    }

    // The cell of the account's row as the grid shows it.
    std::string Cell(const std::string& code, const char* field)
    {
        EXPECT_TRUE(list.ADOQuery1->Locate("account_code", code));
        return list.ADOQuery1->FieldByName(field)->DisplayText();
    }

    TPostingBook book;
    TFrameSession r{book.dm};
    TFrm_DafSaldo& list = *r.Open<TFrm_DafSaldo>();
};

TEST_F(BalanceList, ShowsTheCellsUpToTheChosenMonthWithTheirTotalsOrderAndRowColours)
{
    // A blank account another instance is making, with the rows an opening-balance save left on it,
    // is no one's balance yet: it is neither listed nor counted.
    book.Exec("insert into coa (account_id) values (9)");
    book.Exec("insert into trial_balance (account_id, saldo_awal_d, b1_mutasi_d) values (9, 5000, 7)");
    book.Exec("insert into entry_holder (entry_table, entry_key, host, process) values ('coa', '9', 'kasir-2', 4242)");
    r.ChooseMonth(*list.ZlComboBox1, 1);
    EXPECT_EQ(list.ADOQuery1->RecordCount(), 3);
    EXPECT_EQ(Cell("1110", "Trial_Balance_d") + "|" + Cell("1110", "last_d"), "130.00|120.00");
    EXPECT_EQ(Cell("1110", "Trial_Balance_k") + Cell("1110", "last_k"), "");
    // A credit-normal account with a null opening: no trial balance, the closing counts it as 0.
    EXPECT_EQ(Cell("3110", "Trial_Balance_k") + "|" + Cell("3110", "last_k"), "|70.00");
    std::vector<std::string> totals;
    for (TPanel* panel : list.Totals)
        totals.push_back(panel->Caption());
    EXPECT_EQ(totals, (std::vector<std::string>{"100.00", "300.00", "50.00", "130.00", "130.00", "340.00", "0.00",
                                                "10.00", "120.00", "410.00"}));

    r.ChooseMonth(*list.ZlComboBox1, 12);
    EXPECT_EQ(Cell("1110", "mutasi_d") + "|" + Cell("2110", "Trial_Balance_k"), "55.00|325.00");
    EXPECT_EQ(list.Totals[2]->Caption(), "70.00");

    r.s.ClickControl(*list.ZlRadio7);
    list.ADOQuery1->First();
    EXPECT_EQ(list.ADOQuery1->FieldByName("account_name")->AsString(), "Hutang");
    r.s.ClickControl(*list.ZlRadio8);
    list.ADOQuery1->First();
    EXPECT_EQ(list.ADOQuery1->FieldByName("account_code")->AsString(), "1110");

    // Rows 2 and 3 (the first is selected), left of their right-aligned amounts.
    const int rowHeight = list.zgdbgrid27->DefaultRowHeight() + 1;
    const int x = 70 + 1 + 200 + 1 + 8;
    EXPECT_EQ(r.s.ClientColor(*list.zgdbgrid27, x, rowHeight + rowHeight / 2), static_cast<TColor>(0xEAEAEA));
    EXPECT_EQ(r.s.ClientColor(*list.zgdbgrid27, x, 2 * rowHeight + rowHeight / 2), static_cast<TColor>(0xFFFFFF));
    r.SavePng("balance-list");

    // A negative opening is bracketed as every other amount of its row.
    book.Exec("update trial_balance set saldo_awal_k=-16878000 where account_id=3");
    r.ChooseMonth(*list.ZlComboBox1, 1);
    EXPECT_EQ(Cell("3110", "saldo_awal_k") + "|" + Cell("3110", "Trial_Balance_k"), "(16,878,000.00)|(16,877,930.00)");
    EXPECT_EQ(list.Totals[1]->Caption(), "(16,877,700.00)");
}

TEST_F(BalanceList, RepostingPostsTheChosenMonthOfEveryUnitOnlyAfterYes)
{
    book.Voucher("V1", "1001", "2026-03-02", false, 10, "Jual", {{1, 250, 0}, {4, 0, 250}});
    book.Voucher("V2", "2001", "2026-03-03", false, 11, "Bayar", {{2, 80, 0}, {1, 0, 80}});
    r.ChooseMonth(*list.ZlComboBox1, 3);
    const auto before = book.Rows("select * from trial_balance order by account_id");

    r.boxes.Answer(mrNo);
    r.s.ClickControl(*list.TeButton3);
    EXPECT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_EQ(book.Rows("select * from trial_balance order by account_id"), before);
    EXPECT_EQ(r.wait.shown, 0);

    r.boxes.Answer(mrYes);
    r.s.ClickControl(*list.TeButton3);
    EXPECT_EQ(r.wait.closed, 1);
    // Each unit's accounts move the bar from its start.
    EXPECT_EQ(r.wait.maxes, (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(r.wait.pastMax, 0);
    EXPECT_EQ(book.Rows("select b3_mutasi_d, b3_mutasi_k from trial_balance where account_id in (2, 4) "
                        "order by account_id"),
              (std::vector<std::string>{"80|0", "0|250"}));
    EXPECT_EQ(Cell("1110", "mutasi_d"), "300.00");
}

} // namespace
