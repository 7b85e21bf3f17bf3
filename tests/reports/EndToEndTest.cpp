#include <gtest/gtest.h>

#include "tests/reports/ReportBook.h"

namespace {
class EndToEnd : public ::testing::Test, protected TReportBook {};
}

TEST_F(EndToEnd, EveryPostedMonthBalancesAndItsProfitIsThePostedOne)
{
    book.Voucher("V0", "1000", "2026-01-15", false, 10, "Listrik Januari", {{Listrik, 50'000, 0}, {Kas, 0, 50'000}});
    book.Voucher("V6", "1006", "2026-04-20", false, 10, "Listrik April", {{Listrik, 40'000, 0}, {Kas, 0, 40'000}});
    book.Voucher("A2", "Ajp1002", "2026-04-30", true, 10, "Penyusutan April", {{Penyusutan, 200'000, 0}, {Akumulasi, 0, 200'000}});
    for (int month = 1; month <= 4; ++month)
        Post(month);

    for (const char* unit : {"10", "11"}) {
        preparation.UnitId = unit;
        for (int month = 1; month <= 4; ++month) {
            preparation.PrepareBalanceSheet(std::to_string(month));
            EXPECT_EQ(TotalAssets(book), TotalClaims(book)) << "unit " << unit << " month " << month;
            EXPECT_NE(TotalAssets(book), Currency()) << "unit " << unit << " month " << month;
        }
    }

    preparation.UnitId = "10";
    // Each month's statement takes that month alone; a loss is negative.
    const Currency monthProfit[] = {Rp(-50'000), Rp(0), Rp(1'000'000), Rp(-140'000)};
    const Currency monthSales[] = {Rp(0), Rp(0), Rp(2'500'000), Rp(100'000)};
    for (int month = 1; month <= 4; ++month) {
        const std::string n = std::to_string(month);
        preparation.PrepareProfitLoss(n);
        EXPECT_EQ(Result(book), monthProfit[month - 1]) << n;
        EXPECT_EQ(book.Amount("select jumlah from lap_LR where account_code='4110'"), monthSales[month - 1]) << n;
        EXPECT_EQ(book.Amount("select pos_b" + n + " from posting where account_id=9"), monthProfit[month - 1]) << n;
    }
    // The current profit on the balance sheet is the year's through the month.
    preparation.PrepareBalanceSheet("3");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(950'000));
    preparation.PrepareBalanceSheet("4");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(810'000));
}
