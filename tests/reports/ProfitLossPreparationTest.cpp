#include <gtest/gtest.h>

#include "tests/reports/ReportBook.h"

namespace {

const char* const Layout = "select account_code, account_name, jumlah, header from lap_LR order by no_urut";

using Rows = std::vector<std::string>;

class ProfitLossPreparation : public ::testing::Test, protected TReportBook {};

} // namespace

TEST_F(ProfitLossPreparation, ListsRevenueThenExpensesAndTheMonthsResult)
{
    // Before any posting every account line is 0.
    preparation.PrepareProfitLoss("3");
    EXPECT_EQ(book.Rows(Layout).at(2), "4110|Penjualan|0|1");
    EXPECT_EQ(book.Rows(Layout).at(10), "7100|JUMLAH Biaya Gaji|0|0");
    EXPECT_EQ(Result(book), Rp(0));

    PostMarch();
    preparation.PrepareProfitLoss("3");
    EXPECT_EQ(book.Rows(Layout), (Rows{"4000|PENDAPATAN |null|0", "4100|Pendapatan|null|0", "4110|Penjualan|2500000|1",
                                       "null|TOTAL Pendapatan|2500000|0", "null|TOTAL PENDAPATAN |2500000|0",
                                       "null|BIAYA |null|0", "7100|Biaya Usaha|null|0", "7110|Biaya Listrik|300000|1",
                                       "7120|Biaya Penyusutan|200000|1", "7100|Biaya Gaji|null|0",
                                       "7101|Gaji Staf|1000000|1", "7102|Gaji Direksi|0|1",
                                       "7100|JUMLAH Biaya Gaji|1000000|0", "null|TOTAL Biaya Usaha|1500000|0",
                                       "null|LABA |1000000|0"}));
    // The statement's result is the profit the posting put on the current-year profit account.
    EXPECT_EQ(Result(book), book.Amount("select pos_b3 from posting where account_id=9"));
}

TEST_F(ProfitLossPreparation, WithoutRevenueCategoriesTheTotalIsZero)
{
    TPostingBook small;
    small.Category("71", "Biaya", "D", 0);
    TReportPreparation prepare(small.dm);
    prepare.UnitId = "10";
    prepare.PrepareProfitLoss("1");
    EXPECT_EQ(small.Rows(Layout), (Rows{"4000|PENDAPATAN |null|0", "null|TOTAL PENDAPATAN |0|0", "null|BIAYA |null|0",
                                        "7100|Biaya|null|0", "null|TOTAL Biaya|0|0", "null|LABA |0|0"}));
}
