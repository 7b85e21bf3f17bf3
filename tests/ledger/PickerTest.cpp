// The lookup popup and the account picker: searching, choosing, and what a second use starts from.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TFPop_coa.h"
#include "ledger/TFrm_PopWin.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/ui/Messages.h"
#include "tests/ledger/LedgerDatabase.h"
#include "tests/ledger/WindowSession.h"

namespace {

const char* AccountList = "select account_code, account_name, account_id from coa order by account_code";

class Pickers : public LedgerDatabaseTest {
protected:
    Pickers()
    {
        DtModule = dm.get();
        Exec("insert into coa (account_id, account_code, account_name) values (1, '1100', 'Kas Besar'),"
             " (2, '1200', 'Bank ABC'), (3, '1300', 'Piutang abc Usaha'), (4, '2100', 'Hutang O''Brien')");
        popup = s.CreateForm<TFrm_PopWin>();
        picker = s.CreateForm<TFPop_coa>();
    }
    ~Pickers() override
    {
        TComponent::Free(popup);
        TComponent::Free(picker);
        DtModule = nullptr;
    }

    // Puts the keyword into the search field and presses Enter there.
    void Search(TZlEdit& field, const std::string& keyword)
    {
        field.SetFocus();
        field.SetText(keyword);
        s.PressKey(VK_RETURN);
    }
    void ClickTitle(TZgDBGrid& grid, int dataCol)
    {
        const TRect r = grid.CellRect(dataCol + 1, 0);
        s.ClickControl(grid, {r.Left + 5, r.Top + 5});
    }
    std::string LastBox() const { return s.MessageBoxes().empty() ? "" : s.MessageBoxes().back().Text; }

    WindowSession w;
    THeadlessSession& s = w.s;
    TFrm_PopWin* popup = nullptr;
    TFPop_coa* picker = nullptr;
};

TEST_F(Pickers, PopupSearchesTheClickedColumnInAnyCaseAndShowsEveryRowWhenNothingMatches)
{
    int filtered = -1, quoted = -1, afterMiss = -1;
    s.WhenModal([&](TCustomForm&) {
        Search(*popup->ZlEdit1, "abc");
        EXPECT_EQ(LastBox(), "Untuk melakukan pencarian data silakan klik kolom yang akan dicari datanya");
        EXPECT_EQ(popup->Qpopwin->RecordCount(), 4);
        ClickTitle(*popup->DBGrid1, 1);
        EXPECT_EQ(popup->SearchColumn, "account_name");
        Search(*popup->ZlEdit1, "ABC");
        filtered = popup->Qpopwin->RecordCount();
        Search(*popup->ZlEdit1, "o'brien");
        quoted = popup->Qpopwin->RecordCount();
        Search(*popup->ZlEdit1, "zzz");
        EXPECT_EQ(LastBox(), "Maaf Data yang Anda cari tidak ada!");
        afterMiss = popup->Qpopwin->RecordCount();
        Search(*popup->ZlEdit1, "Kas");
        popup->DBGrid1->SetFocus();
        s.PressKey(VK_RETURN);
    });
    popup->ShowLookup("Daftar Akun", AccountList, 2);
    EXPECT_EQ(filtered, 2);
    EXPECT_EQ(quoted, 1);
    EXPECT_EQ(afterMiss, 4);
    EXPECT_TRUE(popup->Chosen);
    EXPECT_EQ(popup->Qpopwin->FieldByName("account_code")->AsString(), "1100");
}

TEST_F(Pickers, PopupAfterASearchListsEveryRowOfTheNextQueryAndKeepsItsSizeForOtherSizes)
{
    s.WhenModal([&](TCustomForm&) {
        ClickTitle(*popup->DBGrid1, 1);
        Search(*popup->ZlEdit1, "abc");
        EXPECT_EQ(popup->Qpopwin->RecordCount(), 2);
        popup->ZlButton2->Click();
    });
    popup->ShowLookup("Daftar Akun", AccountList, 3);
    EXPECT_FALSE(popup->Chosen);
    EXPECT_EQ(popup->Width(), 500);

    int units = -1;
    s.WhenModal([&](TCustomForm&) {
        units = popup->Qpopwin->RecordCount();
        popup->ZlButton1->Click();
    });
    popup->ShowLookup("Unit", "select kode_unit, nama_unit from ref_unit", 4);
    EXPECT_EQ(units, 3);
    EXPECT_TRUE(popup->SearchColumn.empty()) << "the new list has no account_name";
    EXPECT_EQ(popup->Width(), 500);
    EXPECT_TRUE(s.Errors().empty());

    s.WhenModal([&](TCustomForm&) { popup->ZlButton1->Click(); });
    popup->ShowLookup("Kosong", "select account_code from coa where account_id = 99", 1);
    EXPECT_FALSE(popup->Chosen) << "OK on an empty list";
}

TEST_F(Pickers, PopupRowsAlternateWhiteAndGreyAwayFromTheCurrentCell)
{
    TColor first = clBlack, second = clBlack;
    s.WhenModal([&](TCustomForm&) {
        TZgDBGrid& grid = *popup->DBGrid1;
        s.ProcessUntilIdle();
        const TRect a = grid.CellRect(2, 1), b = grid.CellRect(2, 2);
        const int x = std::min(a.Right, grid.ClientWidth()) - 3;
        first = s.ClientColor(grid, x, a.Top + 1);
        second = s.ClientColor(grid, x, b.Top + 1);
        popup->ZlButton2->Click();
    });
    popup->ShowLookup("Daftar Akun", AccountList, 2);
    EXPECT_EQ(first, TColor(0xFFFFFF));
    EXPECT_EQ(second, TColor(0xEAEAEA));
}

TEST_F(Pickers, PickerFindsInAnyCaseReturnsTheChosenAccountAndNoneFromAnEmptyList)
{
    OpenSQL(*picker->ADOQuery1, AccountList);
    s.WhenModal([&](TCustomForm&) {
        picker->DBGrid1->SetSelectedIndex(1);
        Search(*picker->ZlEdit1, "ABC");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 2);
        EXPECT_EQ(picker->ADOQuery1->FieldByName("account_id")->AsInteger(), 2) << "stays where the filter put it";
        Search(*picker->ZlEdit1, "nothing'here");
        EXPECT_EQ(LastBox(), "Maaf data tidak ditemukan");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 4);
        Search(*picker->ZlEdit1, "piutang");
        picker->ZlEdit1->SetText("");
        EXPECT_EQ(picker->ADOQuery1->RecordCount(), 4) << "an emptied keyword shows the whole list";
        Search(*picker->ZlEdit1, "utang");
        picker->ZlButton1->Click();
    });
    picker->ShowModal();
    EXPECT_FALSE(picker->Cancelled);
    EXPECT_EQ(picker->AccountId, 3);
    EXPECT_EQ(picker->AccountCode, "1300");
    EXPECT_TRUE(s.Errors().empty());

    // OK on an empty list chooses no account; Cancel is cancelled.
    OpenSQL(*picker->ADOQuery1, "select account_code, account_name, account_id from coa where account_id = 99");
    s.WhenModal([&](TCustomForm&) { picker->ZlButton1->Click(); });
    picker->ShowModal();
    EXPECT_FALSE(picker->Cancelled);
    EXPECT_EQ(picker->AccountId, 0);
    EXPECT_EQ(picker->AccountCode, "");

    s.WhenModal([&](TCustomForm&) { picker->ZlButton2->Click(); });
    picker->ShowModal();
    EXPECT_TRUE(picker->Cancelled);
}

} // namespace
