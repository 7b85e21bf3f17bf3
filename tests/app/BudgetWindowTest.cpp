#include <gtest/gtest.h>

#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SharedBooks.h"
#include "ledger/TFrm_Anggaran.h"
#include "platform/data/TADOTable.h"
#include "platform/ui/Messages.h"
#include "tests/app/BookYearSession.h"

namespace {

class BudgetWindow : public BookYearSession {
protected:
    void SetUp() override
    {
        Sql("insert into coa (account_id, account_code, account_name, account_cat, account_pos, account_sub, "
            "account_header, sub) values (1, '1110', 'KAS', '11', 'D', 10, 0, 0), "
            "(40, '4000', 'PENDAPATAN', '41', 'K', null, 1, 0), (41, '4110', 'PENJUALAN', '41', 'K', 10, 0, 0), "
            "(42, '4120', 'JASA O''BRIEN', '41', 'K', 11, 0, 0), (71, '7110', 'BIAYA LISTRIK', '71', 'D', 10, 0, 0)");
        LogIn();
        Open();
    }
    void Open()
    {
        Click(main().CustomItem7);
        window = dynamic_cast<TFrm_Anggaran*>(ActivateChildForm(main(), "Frm_Anggaran"));
        ASSERT_NE(window, nullptr);
    }
    // Types into the cell of the account's row and column, then presses Enter unless told not to.
    void Type(const std::string& code, int column, const std::string& text, bool enter = true)
    {
        TADOTable& table = *window->to_anggaran;
        table.CheckBrowseMode();
        for (table.First(); table.FieldByName("account_code")->AsString() != code;)
            table.Next();
        window->zgdbgrid27->SetFocus();
        window->zgdbgrid27->SetSelectedIndex(column);
        p.s.TypeText(text);
        if (enter)
            p.s.PressKey(VK_RETURN, 0, "\r");
        p.s.ProcessUntilIdle();
    }

    TFrm_Anggaran* window = nullptr;
};

} // namespace

TEST_F(BudgetWindow, EveryRebuildSeedsOnlyAccountsWithoutARow)
{
    EXPECT_EQ(OwnSql("select account_code, account_name, account_sub, jumlah from to_anggaran order by account_code"),
              (std::vector<std::string>{"4110|PENJUALAN|10|0", "4120|JASA O'BRIEN|11|0", "7110|BIAYA LISTRIK|10|0"}));
    Screenshot("budget-window");

    Sql("update anggaran set anggaran_b2=250 where account_id=71");
    Sql("insert into coa (account_id, account_code, account_name, account_cat, account_pos, account_sub, "
        "account_header, sub) values (72, '7120', 'BIAYA AIR', '71', 'D', 12, 0, 0)");
    window->Close();
    p.s.ProcessUntilIdle();
    Open();
    EXPECT_EQ(Sql("select account_id, anggaran_b2 from anggaran order by account_id"),
              (std::vector<std::string>{"41|null", "42|null", "71|250", "72|null"}));
    EXPECT_EQ(OwnSql("select jumlah from to_anggaran where account_id=71"), (std::vector<std::string>{"250"}));

    // Another instance makes an account under the id of a deleted one that kept its budget row:
    // while it holds the blank account, the budget neither lists it nor writes it.
    Sql("insert into anggaran (account_id, anggaran_b1) values (73, 5)");
    Sql("insert into coa (account_id) values (73)");
    Sql("insert into entry_holder (entry_table, entry_key, host, process) values ('coa', '73', 'other-host', 1)");
    window->Close();
    p.s.ProcessUntilIdle();
    Open();
    EXPECT_EQ(OwnSql("select count(*) from to_anggaran where account_id=73"), (std::vector<std::string>{"0"}));

    // Rows this save does not write may change meanwhile, or come with a new account: it goes through.
    Type("4110", 4, "100");
    Sql("update anggaran set anggaran_b2=300 where account_id=71");
    Sql("insert into coa (account_id, account_code, account_name, account_cat, account_header) values"
        " (74, '7130', 'BIAYA GAS', '71', 0)");
    Sql("insert into anggaran (account_id) values (74)");
    window->ZlSpeedButton8->Click();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
    EXPECT_EQ(Sql("select account_id, anggaran_b1, anggaran_b2 from anggaran where account_id in (41, 71, 73)"
                  " order by account_id"),
              (std::vector<std::string>{"41|100|0", "71|null|300", "73|5|null"}));

    // A row it writes that another instance changed refuses the save: nothing is written, the typed
    // months stay, the other rows show the book, and a second Save writes over deliberately.
    Type("4110", 5, "200");
    Sql("update anggaran set anggaran_b3=7 where account_id=41");
    Sql("update anggaran set anggaran_b1=9 where account_id=71");
    boxes.Answer(mrOk);
    window->ZlSpeedButton8->Click();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{ChangedRowsText({"4110"})}));
    EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtError);
    EXPECT_EQ(Sql("select anggaran_b1, anggaran_b2, anggaran_b3 from anggaran where account_id=41"),
              (std::vector<std::string>{"100|0|7"}));
    EXPECT_EQ(OwnSql("select account_id, anggaran_b1, anggaran_b2, anggaran_b3 from to_anggaran"
                     " where account_id in (41, 71, 74) order by account_id"),
              (std::vector<std::string>{"41|100|200|0", "71|9|300|0", "74|0|0|0"}));
    window->ZlSpeedButton8->Click();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(Sql("select account_id, anggaran_b1, anggaran_b2, anggaran_b3 from anggaran"
                  " where account_id in (41, 71) order by account_id"),
              (std::vector<std::string>{"41|100|200|0", "71|9|300|null"}));
}

TEST_F(BudgetWindow, EnterSpreadsTheTotalSumsTheMonthsAndSaveKeepsATypedMonth)
{
    Type("4110", 3, "1200000");
    EXPECT_EQ(window->to_anggaran->FieldByName("account_code")->AsString(), "4120") << "moved to the next row";
    Type("7110", 3, "1000000.004");
    Type("4120", 5, "300");
    EXPECT_EQ(window->zgdbgrid27->SelectedIndex(), 6);
    Type("4120", 15, "45");
    EXPECT_EQ(window->zgdbgrid27->SelectedIndex(), 15) << "the last column stays selected";
    Type("4120", 6, "7.5", false);

    window->ZlSpeedButton8->Click();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(Sql("select account_id, anggaran_b1, anggaran_b2, anggaran_b3, anggaran_b12 from anggaran "
                  "order by account_id"),
              (std::vector<std::string>{"41|100000|100000|100000|100000", "42|0|300|7.5|45",
                                        "71|83333.3333|83333.3333|83333.3333|83333.3333"}));
    EXPECT_EQ(OwnSql("select jumlah from to_anggaran order by account_code"),
              (std::vector<std::string>{"1200000", "345", "1000000"}));

    p.s.ClickControl(*window->ZlRadio7);
    EXPECT_EQ(window->to_anggaran->Sort(), "account_name");
    EXPECT_TRUE(window->ZlRadio4->Checked()) << "the order radios are a group of their own";

    // The limit of every amount field spreads to four decimals; a Total beyond it is refused and changes nothing.
    Type("7110", 3, "999999999999.99");
    boxes.Answer(mrOk);
    Type("4110", 3, "9999999999999", false);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"The amount 9999999999999 is too large: the largest amount "
                                                    "taken is 999,999,999,999.99."}));
    p.s.PressKey(VK_ESCAPE);
    window->ZlSpeedButton8->Click();
    p.s.ProcessUntilIdle();
    EXPECT_EQ(Sql("select account_id, anggaran_b1, anggaran_b12 from anggaran where account_id in (41, 71) "
                  "order by account_id"),
              (std::vector<std::string>{"41|100000|100000", "71|83333333333.3325|83333333333.3325"}));
}
