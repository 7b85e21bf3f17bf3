#include <gtest/gtest.h>

#include "ledger/TFrm_Anggaran.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/core/DateTime.h"
#include "reports/ReportLayouts.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/FrameSession.h"
#include "tests/ledger/PostingBook.h"

TEST(BudgetRealisation, WritesTheClocksMonthAndPreviewsTheReport)
{
    TPostingBook book;
    book.Category("11", "AKTIVA LANCAR", "D", 1);
    book.Category("41", "PENDAPATAN", "K", 0);
    book.Category("71", "BIAYA", "D", 0);
    book.Account(1, "1110", "KAS", "11", "D", 0, 10);
    book.Account(41, "4110", "PENJUALAN", "41", "K", 0, 10);
    book.Account(42, "4120", "JASA", "41", "K", 0, 11);
    book.Account(71, "7110", "BIAYA LISTRIK", "71", "D", 0, 10);
    book.Voucher("V1", "1001", "2026-03-02", false, 10, "jual", {{1, 900, 0}, {41, 0, 900}});
    book.Voucher("V2", "1002", "2026-03-09", false, 10, "retur", {{41, 100, 0}, {1, 0, 100}});
    book.Voucher("V3", "1003", "2026-03-10", false, 10, "listrik", {{71, 300, 0}, {1, 0, 300}});
    book.Voucher("A1", "Ajp1001", "2026-03-31", true, 10, "akrual", {{71, 50, 0}, {1, 0, 50}});
    book.Voucher("V0", "1000", "2025-03-15", false, 10, "tahun lalu", {{71, 20, 0}, {1, 0, 20}});
    book.Voucher("V4", "1004", "2026-02-10", false, 10, "februari", {{1, 70, 0}, {41, 0, 70}});
    book.Exec("insert into anggaran (account_id, anggaran_b3, realisasi_b2, realisasi_b3) values "
              "(1, 0, null, 11), (41, 1000, 5, null), (42, 400, null, 999), (71, 500, null, null)");
    RegisterReportLayouts();
    TFrameSession r{book.dm};
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 20));
    auto* window = CreateOwned<TFrm_Anggaran>(*r.frame);
    window->Show();
    r.s.ProcessUntilIdle();
    const auto pages = r.PreviewPages(*window->TeButton2);

    // Every line of March of any year, adjusting entries included; only the March column changes.
    EXPECT_EQ(book.Rows("select account_id, realisasi_b2, realisasi_b3 from anggaran order by account_id"),
              (std::vector<std::string>{"1|null|0", "41|5|800", "42|null|0", "71|null|370"}));
    ASSERT_EQ(pages.size(), 1u);
    for (const char* text : {"Periode  Maret/2026", "PENJUALAN", "BIAYA LISTRIK"})
        EXPECT_TRUE(pages[0].FindText(text)) << text;
    EXPECT_TRUE(r.boxes.Shown().empty());
}
