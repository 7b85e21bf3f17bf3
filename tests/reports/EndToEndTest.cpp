#include <gtest/gtest.h>

#include "tests/reports/ReportBook.h"

namespace {
class EndToEnd : public ::testing::Test, protected TReportBook {};
}

TEST_F(EndToEnd, EveryPostedMonthBalancesAndItsProfitIsThePostedOne)
{
    book.Voucher("V6", "1006", "2026-04-20", false, 10, "Listrik April", {{Listrik, 40'000, 0}, {Kas, 0, 40'000}});
    book.Voucher("A2", "Ajp1002", "2026-04-30", true, 10, "Penyusutan April", {{Penyusutan, 200'000, 0}, {Akumulasi, 0, 200'000}});
    for (int month = 1; month <= 4; ++month)
        Post(month);

    // Every debit and credit of March's vouchers of unit 10 reached the trial balance.
    const std::string march = "select sum(d.debet), sum(d.kredit) from TR_VOUC d join T_VOUC h on h.ID_Vouc=d.ID_Vouc "
                              "where h.id_unit=10 and h.tgl_vouc like '2026-03-%'";
    const std::string trial = "select sum(b3_mutasi_d+b3_ajp_d), sum(b3_mutasi_k+b3_ajp_k) from trial_balance t "
                              "join coa c on c.account_id=t.account_id where c.account_sub=10";
    EXPECT_EQ(book.Rows(trial), book.Rows(march));
    EXPECT_EQ(book.Rows(march), (std::vector<std::string>{"4500000|4500000"}));

    for (const char* unit : {"10", "11"}) {
        preparation.UnitId = unit;
        for (int month = 1; month <= 4; ++month) {
            preparation.PrepareBalanceSheet(std::to_string(month));
            EXPECT_EQ(TotalAssets(book), TotalClaims(book)) << "unit " << unit << " month " << month;
            EXPECT_NE(TotalAssets(book), Currency()) << "unit " << unit << " month " << month;
        }
    }

    preparation.UnitId = "10";
    const Currency monthProfit[] = {Rp(0), Rp(0), Rp(1'000'000), Rp(-140'000)};
    for (int month = 1; month <= 4; ++month) {
        const std::string n = std::to_string(month);
        preparation.PrepareProfitLoss(n);
        EXPECT_EQ(Result(book), monthProfit[month - 1]) << n;
        EXPECT_EQ(book.Amount("select pos_b" + n + " from posting where account_id=9"), monthProfit[month - 1]) << n;
    }
    // The current profit on the balance sheet is the year's through the month.
    preparation.PrepareBalanceSheet("3");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(1'000'000));
    preparation.PrepareBalanceSheet("4");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(860'000));
}
