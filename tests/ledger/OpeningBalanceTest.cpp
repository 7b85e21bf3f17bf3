// The opening balances: the work table refilled from the chart window, amounts typed in the grid,
// the totals, and Save into coa, posting and trial_balance as one transaction.
#include "controls/flat/TZlButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SharedBooks.h"
#include "ledger/TFI_Saldo_Awal.h"
#include "ledger/TFrm_Perkiraan.h"
#include "ledger/WorkTables.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TInplaceEdit.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/SetupWindows.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class OpeningBalances : public SetupWindowsTest {
protected:
    OpeningBalances()
    {
        Exec("insert into posisi_coa (nomor, keterangan) values ('11', 'A')");
        Exec("insert into coa (account_id, account_code, account_name, account_cat, account_pos, account_sub,"
             " account_header, saldo_awal) values (9, '1100', 'AKTIVA', '11', 'D', null, 1, 0),"
             " (1, '1110', 'Kas', '11', 'D', 10, 0, 0), (2, '1210', 'Akum O''Neil', '12', 'K', 10, 0, 0),"
             " (3, '2110', 'Hutang', '21', 'K', 10, 0, 0), (4, '3110', 'Modal', '31', 'K', 10, 0, 0),"
             " (5, '3120', 'Prive', '31', 'D', 10, 0, 0), (6, '4110', 'Penjualan', '41', 'K', 10, 0, 0)");
        Exec("insert into posting (tahun, account_id, pos_awal) values (2025, 4, 1)");
        chart = CreateOwned<TFrm_Perkiraan>(*frame);
        chart->Show();
        s.ProcessUntilIdle();
    }
    void WithDialog(std::function<void(TFI_Saldo_Awal&)> drive) { With<TFI_Saldo_Awal>(*chart->TeButton3, drive); }
    // Types the amounts row by row from the first, each ended by Enter.
    void TypeAmounts(TFI_Saldo_Awal& d, const std::vector<std::string>& amounts)
    {
        d.ZgDBGrid28->SetFocus();
        for (const std::string& amount : amounts) {
            s.TypeText(amount);
            s.PressKey(VK_RETURN);
        }
    }
    Table Written()
    {
        return Rows("select c.account_id, c.saldo_awal, p.tahun, p.pos_awal, t.saldo_awal_d, t.saldo_awal_k from coa c"
                    " left join posting p on p.account_id=c.account_id left join trial_balance t on"
                    " t.account_id=c.account_id where c.account_header=0 order by c.account_id");
    }

    TFrm_Perkiraan* chart = nullptr;
};

TEST_F(OpeningBalances, SaveWritesTheSignedOpeningsAndSkipsABlankRow)
{
    WithDialog([&](TFI_Saldo_Awal& d) {
        SavePng(d, "opening-balances");
        TypeAmounts(d, {"5000", "1000", "1500", "3000", "500"});
        EXPECT_EQ(d.coa_tmp->FieldByName("account_code")->AsString(), "4110") << "Enter moves down";
        EXPECT_EQ(d.ZlEdit51->Text() + " " + d.ZlEdit53->Text(), "Rp 5,500.00 Rp 5,500.00");
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(s.MessageBoxes().size(), 0u) << "balanced totals ask nothing";

        // A row appended below the last one has no account and is not saved. The amount still in
        // the editor counts, so unbalanced totals ask first.
        d.ZgDBGrid28->SetFocus();
        s.PressKey(VK_END, kmCtrl);
        s.PressKey(VK_DOWN);
        s.TypeText("77");
        d.coa_tmp->First();
        d.ZgDBGrid28->SetFocus();
        s.TypeText("5001.234");
        s.QueueAnswer(mrNo);
        ClickAgain(*d.TeButton1);
        EXPECT_EQ(LastBox().substr(0, 26), "Saldo Awal tidak balance, ");
        EXPECT_EQ(Scalar("select saldo_awal from coa where account_id=1"), "5000");
        s.QueueAnswer(mrYes);
        ClickAgain(*d.TeButton1);
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_EQ(Written(), (Table{{"1", "5001.23", "2026", "5001.23", "5001.23", "<null>"},
                                {"2", "1000", "2026", "-1000", "<null>", "1000"},
                                {"3", "1500", "2026", "1500", "<null>", "1500"},
                                {"4", "3000", "2025", "3000", "<null>", "3000"},
                                {"5", "500", "2026", "-500", "500", "<null>"},
                                {"6", "0", "2026", "0", "<null>", "0"}}));
    EXPECT_EQ(Scalar("select count(*) from posting where account_id=0 or account_id is null"), "0");
    EXPECT_EQ(Scalar("select count(*) from coa_tmp"), "7");
    EXPECT_TRUE(s.Errors().empty());
}

TEST_F(OpeningBalances, AFailingRowRollsBackEveryTableAndABadAmountIsRefused)
{
    Exec("create trigger third before insert on trial_balance when new.account_id = 3"
         " begin select raise(abort, 'disk full'); end");
    const Table before = Written();
    WithDialog([&](TFI_Saldo_Awal& d) {
        TypeAmounts(d, {"5000", "1000", "1500", "3500"});
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(s.Errors().size(), 1u);

        Exec("create trigger odd before update on coa_tmp when new.saldo_awal = 13"
             " begin select raise(abort, 'odd'); end");
        d.ZgDBGrid28->SetFocus();
        s.TypeText("13");
        s.PressKey(VK_RETURN);
        EXPECT_EQ(LastBox(), "Inpukan saldo awal jangan mengunakan koma");
        EXPECT_EQ(s.Errors().size(), 1u) << "a refused post shows no error box";
        d.coa_tmp->Cancel();
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_EQ(Written(), before);
    EXPECT_EQ(Scalar("pragma integrity_check"), "ok");
}

// A comma is no decimal separator here: "1,5" was once stored as 15. A refused character or amount
// leaves the digits typed selected, to be mended or typed over.
TEST_F(OpeningBalances, ACommaALetterOrAnAmountBeyondTheLimitIsRefusedWithOneMessage)
{
    WithDialog([&](TFI_Saldo_Awal& d) {
        TypeAmounts(d, {"5000"});
        d.coa_tmp->First();
        d.ZgDBGrid28->SetFocus();
        s.TypeText("1,");
        ASSERT_EQ(s.MessageBoxes().size(), 1u);
        EXPECT_EQ(s.MessageBoxes()[0].Text, "Inpukan saldo awal jangan mengunakan koma");
        EXPECT_TRUE(s.Errors().empty());
        EXPECT_EQ(d.ZgDBGrid28->InplaceEditor()->Text(), "1");
        s.PressKey(VK_END);
        s.TypeText("500");
        s.PressKey(VK_RETURN);
        EXPECT_EQ(d.coa_tmp->FieldByName("account_code")->AsString(), "1210") << "Enter still moves down";
        s.TypeText("7x");
        EXPECT_EQ(s.MessageBoxes().size(), 2u);
        EXPECT_EQ(d.ZgDBGrid28->InplaceEditor()->SelText(), "7");
        s.TypeText("9999999999999");
        EXPECT_EQ(s.Errors(), (std::vector<std::string>{"The amount 9999999999999 is too large: the largest "
                                                        "amount taken is 999,999,999,999.99."}));
        EXPECT_EQ(d.coa_tmp->FieldByName("account_code")->AsString(), "1210");
        EXPECT_EQ(Rows("select saldo_awal from coa_tmp where account_id in (1, 2) order by account_id"),
                  (Table{{"1500"}, {"0"}}));
        d.ZgDBGrid28->InplaceEditor()->SelectAll();
        s.TypeText("999999999999.99");
        s.PressKey(VK_RETURN);
        EXPECT_EQ(d.ZlEdit53->Text(), "Rp 999,999,999,999.99");
        // A fourth decimal near the limit is no cent the screen hides.
        s.TypeText("999999999999.9849");
        s.PressKey(VK_RETURN);
        EXPECT_EQ(Scalar("select saldo_awal from coa where account_id=1"), "0") << "nothing is saved without Save";
        s.QueueAnswer(mrYes);
        s.ClickControl(*d.TeButton1);
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_EQ(Rows("select saldo_awal, saldo_awal_k from coa join trial_balance using (account_id)"
                   " where account_id in (2, 3) order by account_id"),
              (Table{{"999999999999.99", "999999999999.99"}, {"999999999999.98", "999999999999.98"}}));
}

TEST_F(OpeningBalances, TheRefillKeepsApostrophesAndAFailedRefillKeepsTheOldRows)
{
    Exec("insert into coa_tmp (account_code) values ('old')");
    Exec("create trigger full before insert on coa_tmp when new.account_id = 6 begin select raise(abort, 'full'); end");
    s.ClickControl(*chart->TeButton3);
    EXPECT_EQ(s.Errors().size(), 1u);
    EXPECT_EQ(Scalar("select group_concat(account_code) from coa_tmp"), "old");
    Exec("drop trigger full");
    WithDialog([&](TFI_Saldo_Awal& d) { ClickAgain(*d.TeButton2); });
    EXPECT_EQ(Rows("select * from coa_tmp where account_id=2"),
              (Table{{"1210", "2", "Akum O'Neil", "12", "K", "0", "10"}}));
}

// Another instance's blank account stays out of the list and the save, and its change of an opening
// typed here refuses the save: nothing is written, the typed amounts stay and the rest is read again.
TEST_F(OpeningBalances, AnotherInstancesBlankAccountAndChangedOpeningAreLeftAlone)
{
    BlankAccountOfOther(20);
    MakeOwnWorkTables(*dm);
    WithDialog([&](TFI_Saldo_Awal& d) {
        EXPECT_EQ(Scalar("select count(*) from coa_tmp where account_id=20"), "0");
        TypeAmounts(d, {"5000", "1000"});
        ExecAsOther("update coa set saldo_awal=700 where account_id=3");
        s.QueueAnswer(mrYes);
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(Rows("select saldo_awal from coa where account_id in (1, 2, 3) order by account_id"),
                  (Table{{"5000"}, {"1000"}, {"700"}}))
            << "an opening this save does not write refuses nothing";

        d.coa_tmp->First();
        TypeAmounts(d, {"6000", "2000"});
        ExecAsOther("update coa set saldo_awal=900 where account_id=2");
        ExecAsOther("update coa set saldo_awal=800 where account_id=3");
        s.QueueAnswer(mrYes);
        ClickAgain(*d.TeButton1);
        EXPECT_EQ(LastBox(), ChangedRowsText({"1210"}));
        EXPECT_EQ(Rows("select saldo_awal from coa where account_id in (1, 2) order by account_id"),
                  (Table{{"5000"}, {"900"}}));
        EXPECT_EQ(Rows("select saldo_awal from coa_tmp where account_id in (1, 2, 3) order by account_id"),
                  (Table{{"6000"}, {"2000"}, {"800"}}));
        ExecAsOther("delete from coa_tmp"); // another instance fills its own list
        s.QueueAnswer(mrYes);
        ClickAgain(*d.TeButton1);
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_EQ(Rows("select account_id, saldo_awal from coa where account_id in (1, 2, 3, 20) order by account_id"),
              (Table{{"1", "6000"}, {"2", "2000"}, {"3", "800"}, {"20", "<null>"}}));
    EXPECT_EQ(Scalar("select (select count(*) from posting where account_id=20) ||"
                     " (select count(*) from trial_balance where account_id=20)"),
              "00");
    EXPECT_EQ(Scalar("select pos_awal from posting where account_id=3"), "800");
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{ChangedRowsText({"1210"})})) << "an error box, as for vouchers";
}

} // namespace
