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
#include "reports/ReportLayouts.h"
#include "reports/TFrm_Report.h"
#include "tests/ledger/FrameSession.h"
#include "tests/reports/ReportBook.h"

TEST(CashVoucherEndToEnd, AVoucherSavedInTheWindowReachesTheBalanceSheetOfItsMonth)
{
    TReportBook reportBook;
    TPostingBook& book = reportBook.book;
    RegisterReportLayouts();
    TFrameSession r{book.dm};
    TFrm_Report& report = *r.Open<TFrm_Report>();
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 15) + EncodeTime(9, 0, 0, 0));
    const int64_t lines = book.Value("select count(*) from TR_VOUC").AsInteger();
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
    ASSERT_EQ(book.Value("select count(*) from TR_VOUC").AsInteger(), lines + 2);

    report.SetFocus();
    r.ChooseMonth(*report.ZlComboBox3, 3);
    r.boxes.Answer(mrYes);
    r.Click(*report.Label100);
    const auto pages = r.PreviewPages(*report.Label3);
    ASSERT_FALSE(pages.empty());

    EXPECT_EQ(book.Amount("select jumlah_d from lap_neraca where kode_d='1110'"), Rp(10'700'250));
    EXPECT_EQ(TotalAssets(book), Rp(22'500'250));
    EXPECT_EQ(TotalClaims(book), Rp(22'500'250));
    std::vector<std::string> texts;
    for (const QRPage& page : pages)
        for (const std::string& text : page.Texts())
            texts.push_back(text);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "10,700,250.00"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "22,500,250.00"), 2) << "both totals";
}
