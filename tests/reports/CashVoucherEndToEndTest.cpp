// A cash voucher typed into the cash window, posted through the report window's posting link and
// shown on the balance sheet of its month.
#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "ledger/TFrm_CashFlow.h"
#include "tests/ledger/PostingBook.h"
#include "reports/ReportLayouts.h"
#include "reports/TFrm_Report.h"
#include "tests/ledger/FrameSession.h"

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

    RegisterReportLayouts();
    TFrameSession r{book.dm};
    TFrm_Report& report = *r.Open<TFrm_Report>();
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

    report.SetFocus();
    r.ChooseMonth(*report.ZlComboBox3, 3);
    r.boxes.Answer(mrYes);
    r.Click(*report.Label100);
    const auto pages = r.PreviewPages(*report.Label3);
    ASSERT_FALSE(pages.empty());

    EXPECT_EQ(book.Amount("select jumlah_d from lap_neraca where kode_d='1110'"), Currency::FromInt(250));
    const Currency assets = book.Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
    EXPECT_EQ(assets, Currency::FromInt(250));
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '"), assets);
    int shown = 0;
    for (const QRPage& page : pages) {
        const auto texts = page.Texts();
        shown += static_cast<int>(std::count(texts.begin(), texts.end(), "250.00"));
    }
    EXPECT_GE(shown, 3) << "the cash line and both totals";
}
