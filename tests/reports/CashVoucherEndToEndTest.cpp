// A cash voucher typed into the cash window, posted through the report window's posting link and
// shown on the balance sheet of its month.
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "platform/controls/TCustomLabel.h"
#include "ledger/TFrm_CashFlow.h"
#include "tests/ledger/PostingBook.h"
#include "tests/reports/ReportWindowSession.h"

TEST(CashVoucherEndToEnd, AVoucherSavedInTheWindowReachesTheBalanceSheetOfItsMonth)
{
    TPostingBook book;
    book.Category("11", "Aktiva Lancar", "D", 1);
    book.Category("31", "Modal", "K", 1);
    book.Category("41", "Pendapatan", "K", 0);
    book.Account(1, "1110", "Kas", "11", "D", 0, 10);
    book.Account(2, "3120", "Laba Ditahan", "31", "K", 0, 10);
    book.Account(3, "3130", "Laba Tahun Berjalan", "31", "K", 0, 10);
    book.Account(4, "4110", "Pendapatan Jasa", "41", "K", 0, 10);
    book.ControlAccounts(10, 1, 2, 3);

    TReportWindowSession r{book.dm};
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 15) + EncodeTime(9, 0, 0, 0));
    auto* cash = CreateOwned<TFrm_CashFlow>(*r.frame);
    cash->Show();
    r.s.ProcessUntilIdle();
    r.s.ClickControl(*cash->ZlSpeedButton2);
    cash->ZlEdit2->SetFocus();
    cash->ZlEdit2->SetText("4110");
    r.s.PressKey(VK_RETURN, 0, "\r");
    r.s.ClickControl(*cash->ZlRadio1);
    cash->ZlEdit4->SetFocus();
    cash->ZlEdit4->SetText("250");
    r.boxes.Answer(mrOk);
    r.s.ClickControl(*cash->ZlSpeedButton3);
    EXPECT_EQ(r.boxes.Shown().back().Text, "Data Tersimpan...");
    ASSERT_EQ(book.Rows("select count(*) from TR_VOUC"), (std::vector<std::string>{"2"}));

    r.window->SetFocus();
    r.ChooseMonth(3);
    r.boxes.Answer(mrYes);
    r.Click(*r.window->Label100);
    const auto pages = r.PreviewPages(*r.window->Label3);
    ASSERT_FALSE(pages.empty());

    EXPECT_EQ(book.Amount("select jumlah_d from lap_neraca where kode_d='1110'"), Currency::FromInt(250));
    const Currency assets = book.Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
    EXPECT_EQ(assets, Currency::FromInt(250));
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '"), assets);
    int shown = 0;
    for (const auto& page : pages)
        shown += static_cast<int>(std::count(page.begin(), page.end(), "250.00"));
    EXPECT_GE(shown, 3) << "the cash line and both totals";
}
