#include <gtest/gtest.h>

#include "tests/reports/ReportBook.h"

namespace {
class EndToEnd : public ::testing::Test, protected TReportBook {};
}

TEST_F(EndToEnd, PostedMarchBalancesAndMatchesTheVouchers)
{
    PostMarch();

    // Every debit and credit of March's vouchers of unit 10 reached the trial balance.
    const std::string march = "select sum(d.debet), sum(d.kredit) from TR_VOUC d join T_VOUC h on h.ID_Vouc=d.ID_Vouc "
                              "where h.id_unit=10 and h.tgl_vouc like '2026-03-%'";
    const std::string trial = "select sum(b3_mutasi_d+b3_ajp_d), sum(b3_mutasi_k+b3_ajp_k) from trial_balance t "
                              "join coa c on c.account_id=t.account_id where c.account_sub=10";
    EXPECT_EQ(book.Rows(trial), book.Rows(march));
    EXPECT_EQ(book.Rows(march), (std::vector<std::string>{"4500000|4500000"}));

    for (const char* unit : {"10", "11"}) {
        preparation.UnitId = unit;
        preparation.PrepareBalanceSheet("3");
        const Currency assets = book.Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
        const Currency claims = book.Amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '");
        EXPECT_EQ(assets, claims) << unit;
        EXPECT_NE(assets, Currency()) << unit;
    }

    preparation.UnitId = "10";
    preparation.PrepareBalanceSheet("3");
    preparation.PrepareProfitLoss("3");
    const Currency profit = book.Amount("select jumlah from lap_LR where account_name='LABA '");
    EXPECT_EQ(profit, Rp(1'000'000));
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), profit);
    EXPECT_EQ(book.Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '"), Rp(22'500'000));
}
