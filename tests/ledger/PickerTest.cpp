// The lookup popup and the account picker: searching, choosing, and what a second use starts from.
#include <algorithm>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TFrm_PopWin.h"
#include "platform/data/TADOQuery.h"
#include "tests/ledger/SetupWindows.h"

namespace {

const char* AccountList = "select account_code, account_name, account_id from coa order by account_code";

class Pickers : public SetupWindowsTest {
protected:
    Pickers()
    {
        Exec("insert into coa (account_id, account_code, account_name) values (1, '1100', 'Kas Besar'),"
             " (2, '1200', 'Bank ABC'), (3, '1300', 'Piutang abc Usaha'), (4, '2100', 'Hutang O''Brien')");
    }
    ~Pickers() override { TComponent::Free(popup); }

    // Puts the keyword into the search field and presses Enter there.
    void Search(TZlEdit& field, const std::string& keyword)
    {
        Type(field, keyword);
        s.PressKey(VK_RETURN);
    }
    // Runs 'drive' on the popup shown for 'sql'; answers whether a row was chosen.
    bool Lookup(const std::string& sql, int size, std::function<void()> drive)
    {
        s.WhenModal([&](TCustomForm&) { drive(); });
        popup->ShowLookup("Daftar", sql, size);
        return popup->Chosen;
    }
    int Count() { return popup->Qpopwin->RecordCount(); }

    TFrm_PopWin* popup = s.CreateForm<TFrm_PopWin>();
};

TEST_F(Pickers, PopupSearchesTheClickedColumnInAnyCaseAndAfterASearchListsEveryRowOfTheNextQuery)
{
    EXPECT_TRUE(Lookup(AccountList, 3, [&] {
        TZgDBGrid& grid = *popup->DBGrid1;
        s.ProcessUntilIdle();
        const TRect a = grid.CellRect(2, 1), b = grid.CellRect(2, 2);
        const int x = std::min(a.Right, grid.ClientWidth()) - 3;
        EXPECT_EQ(s.ClientColor(grid, x, a.Top + 1), TColor(0xFFFFFF)) << "rows alternate away from the current cell";
        EXPECT_EQ(s.ClientColor(grid, x, b.Top + 1), TColor(0xEAEAEA));

        Search(*popup->ZlEdit1, "abc");
        EXPECT_EQ(LastBox(), "Untuk melakukan pencarian data silakan klik kolom yang akan dicari datanya");
        EXPECT_EQ(Count(), 4);
        const TRect title = grid.CellRect(2, 0);
        s.ClickControl(grid, {title.Left + 5, title.Top + 5});
        EXPECT_EQ(popup->SearchColumn, "account_name");
        Search(*popup->ZlEdit1, "ABC");
        EXPECT_EQ(Count(), 2);
        EXPECT_TRUE(grid.Focused()) << "\"Cari\" hands the filtered list the focus";
        s.ClickControl(*popup->ZlButton3);
        EXPECT_TRUE(grid.Focused());
        Search(*popup->ZlEdit1, "o'brien");
        EXPECT_EQ(Count(), 1);
        Search(*popup->ZlEdit1, "zzz");
        EXPECT_EQ(LastBox(), "Maaf Data yang Anda cari tidak ada!");
        EXPECT_EQ(Count(), 4);
        Search(*popup->ZlEdit1, "Kas");
        popup->DBGrid1->SetFocus();
        s.PressKey(VK_RETURN);
    }));
    EXPECT_EQ(popup->Qpopwin->FieldByName("account_code")->AsString(), "1100");

    int units = -1;
    EXPECT_TRUE(Lookup("select kode_unit, nama_unit from ref_unit", 4, [&] {
        units = Count();
        popup->ZlButton1->Click();
    }));
    EXPECT_EQ(units, 3);
    EXPECT_TRUE(popup->SearchColumn.empty()) << "the new list has no account_name";
    EXPECT_EQ(popup->Width(), 500) << "an unknown size keeps the last one";
    EXPECT_FALSE(Lookup("select account_code from coa where account_id = 99", 1, [&] {
        s.ClickControl(*popup->ZlButton3);
        popup->ZlButton1->Click();
    })) << "OK on an empty list";
    EXPECT_FALSE(Lookup(AccountList, 2, [&] {
        EXPECT_TRUE(popup->DBGrid1->Focused()) << "opens in its list after \"Cari\" in its last use";
        EXPECT_TRUE(popup->ZlEdit1->Font().SameAs(popup->ZlLabel1->Font())) << "the keyword in the dialog's font";
        popup->ZlButton2->Click();
    }));
    EXPECT_TRUE(s.Errors().empty());
}

TEST_F(Pickers, PickerFindsInAnyCaseReturnsTheChosenAccountAndNoneFromAnEmptyList)
{
    TFPop_coa* picker = FPop_coa;
    OpenSQL(*picker->ADOQuery1, AccountList);
    s.WhenModal([&](TCustomForm&) {
        picker->DBGrid1->SetSelectedIndex(1);
        Search(*picker->ZlEdit1, "ABC");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 2);
        EXPECT_TRUE(picker->DBGrid1->Focused()) << "\"Find\" hands the filtered list the focus";
        // The pointer still rests on the keyword it was typed in; the list shows where the focus is.
        s.MoveTo(s.ScreenPointOf(*picker->ZlEdit1).X, s.ScreenPointOf(*picker->ZlEdit1).Y);
        EXPECT_NE(s.ClientColor(*picker->ZlEdit1, picker->ZlEdit1->ClientWidth() - 3, 1), picker->ZlEdit1->ColorFocused());
        picker->ZlEdit1->SetFocus();
        s.ProcessUntilIdle();
        EXPECT_EQ(s.ClientColor(*picker->ZlEdit1, picker->ZlEdit1->ClientWidth() - 3, 1), picker->ZlEdit1->ColorFocused());
        EXPECT_EQ(picker->ADOQuery1->FieldByName("account_id")->AsInteger(), 2) << "stays where the filter put it";
        Search(*picker->ZlEdit1, "nothing'here");
        EXPECT_EQ(LastBox(), "Maaf data tidak ditemukan");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 4);
        Search(*picker->ZlEdit1, "piutang");
        picker->ZlEdit1->SetText("");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 4) << "an emptied keyword shows the whole list";
        Search(*picker->ZlEdit1, "utang");
        EXPECT_TRUE(picker->ZlEdit1->Font().SameAs(picker->Label1->Font())) << "the keyword in the dialog's font";
        picker->ZlButton1->Click();
    });
    picker->ShowModal();
    EXPECT_FALSE(picker->Cancelled);
    EXPECT_EQ(picker->AccountId, 3);
    EXPECT_EQ(picker->AccountCode, "1300");

    OpenSQL(*picker->ADOQuery1, "select account_code, account_name, account_id from coa where account_id = 99");
    s.WhenModal([&](TCustomForm&) {
        EXPECT_TRUE(picker->DBGrid1->Focused()) << "opens in its list after a search in the keyword";
        picker->ZlButton1->Click();
    });
    picker->ShowModal();
    EXPECT_FALSE(picker->Cancelled);
    EXPECT_EQ(picker->AccountId, 0);
    EXPECT_EQ(picker->AccountCode, "");

    s.WhenModal([&](TCustomForm&) { picker->ZlButton2->Click(); });
    picker->ShowModal();
    EXPECT_TRUE(picker->Cancelled);
    EXPECT_TRUE(s.Errors().empty());
}

TEST_F(Pickers, EnterInEitherListChoosesItsRowAndEscapeCancels)
{
    TFPop_coa* picker = FPop_coa;
    OpenSQL(*picker->ADOQuery1, AccountList);
    s.WhenModal([&](TCustomForm&) {
        picker->DBGrid1->SetFocus();
        s.PressKey(VK_DOWN);
        s.PressKey(VK_RETURN);
    });
    picker->ShowModal();
    EXPECT_FALSE(picker->Cancelled);
    EXPECT_EQ(picker->AccountCode, "1200");

    for (TWinControl* focused : std::initializer_list<TWinControl*>{picker->DBGrid1, picker->ZlEdit1}) {
        s.WhenModal([&](TCustomForm&) {
            focused->SetFocus();
            s.PressKey(VK_ESCAPE);
        });
        picker->ShowModal();
        EXPECT_TRUE(picker->Cancelled) << focused->Name();
        EXPECT_FALSE(picker->Visible());
    }

    EXPECT_TRUE(Lookup(AccountList, 2, [&] {
        popup->DBGrid1->SetFocus();
        s.PressKey(VK_DOWN);
        s.PressKey(VK_RETURN);
    }));
    EXPECT_EQ(popup->Qpopwin->FieldByName("account_code")->AsString(), "1200");
    EXPECT_FALSE(Lookup(AccountList, 2, [&] { s.PressKey(VK_ESCAPE); }));
    EXPECT_FALSE(popup->Visible());
    EXPECT_TRUE(s.Errors().empty());
}

} // namespace

