#include <gtest/gtest.h>

#include "tests/reports/ReportBook.h"

namespace {

const char* const SheetLayout = "select kode_d, nama_d, jumlah_d, header_d, kode_k, nama_k, jumlah_k, header_k "
                                "from lap_neraca order by noid";
const char* const ProfitLayout = "select account_code, account_name, jumlah, header from lap_LR order by no_urut";

class StatementPreparation : public ::testing::Test, protected TReportBook {};

} // namespace

TEST_F(StatementPreparation, TheBalanceSheetLaysTheClaimsOverTheAssetsAndCountsUnpostedMonthsAsZero)
{
    PostMarch();
    preparation.PrepareBalanceSheet("3");
    EXPECT_EQ(book.Rows(SheetLayout), (Rows{
        "1100|AKTIVA LANCAR|null|0|2100|HUTANG LANCAR|null|0",
        "null|null|null|0|null|null|null|null",
        "1110|KAS|10700000|1|2110|HUTANG DAGANG|3500000|1",
        "1120|BANK|5000000|1|null|JUMLAH HUTANG LANCAR|3500000|0",
        "1130|PIUTANG|0|1|null|null|null|null",
        "null|JUMLAH AKTIVA LANCAR|15700000|0|3000|EKUITAS|null|0",
        "null|null|null|0|null|null|null|null",
        "1200|AKTIVA TETAP|null|0|3110|MODAL|15000000|1",
        "null|null|null|0|3120|LABA DITAHAN |3000000|1",
        "1210|PERALATAN|8000000|1|3130|LABA S/D BULAN MARET 2026|1000000|1",
        "1220|AKUMULASI PENYUSUTAN|-1200000|1|null|JUMLAH EKUITAS |19000000|0",
        "null|JUMLAH AKTIVA TETAP|6800000|0|null|null|null|null",
        "null|null|null|0|null|null|null|null",
        "null|JUMLAH AKTIVA |22500000|0|null|JUMLAH KEWAJIBAN DAN EKUITAS |22500000|0"}));

    // Only March is posted: January and February are null in posting.
    preparation.PrepareBalanceSheet("12");
    EXPECT_EQ(book.Rows(SheetLayout).at(2), "1110|KAS|10700000|1|2110|HUTANG DAGANG|3500000|1");
    preparation.PrepareBalanceSheet("1");
    EXPECT_EQ(book.Rows(SheetLayout).at(2), "1110|KAS|10000000|1|2110|HUTANG DAGANG|4000000|1");
}

TEST_F(StatementPreparation, TheProfitAndLossListsRevenueThenExpensesAndTheMonthsResult)
{
    // Before any posting every account line is 0.
    preparation.PrepareProfitLoss("3");
    EXPECT_EQ(book.Rows(ProfitLayout).at(2), "4110|Penjualan|0|1");
    EXPECT_EQ(book.Rows(ProfitLayout).at(10), "7100|JUMLAH Biaya Gaji|0|0");
    EXPECT_EQ(Result(), Rp(0));

    PostMarch();
    preparation.PrepareProfitLoss("3");
    EXPECT_EQ(book.Rows(ProfitLayout), (Rows{"4000|PENDAPATAN |null|0", "4100|Pendapatan|null|0", "4110|Penjualan|2500000|1",
                                       "null|TOTAL Pendapatan|2500000|0", "null|TOTAL PENDAPATAN |2500000|0",
                                       "null|BIAYA |null|0", "7100|Biaya Usaha|null|0", "7110|Biaya Listrik|300000|1",
                                       "7120|Biaya Penyusutan|200000|1", "7100|Biaya Gaji|null|0",
                                       "7101|Gaji Staf|1000000|1", "7102|Gaji Direksi|0|1",
                                       "7100|JUMLAH Biaya Gaji|1000000|0", "null|TOTAL Biaya Usaha|1500000|0",
                                       "null|LABA |1000000|0"}));
}

TEST_F(StatementPreparation, EveryPostedMonthBalancesAndItsProfitIsThePostedOne)
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
            EXPECT_EQ(TotalAssets(), TotalClaims()) << "unit " << unit << " month " << month;
            EXPECT_NE(TotalAssets(), Currency()) << "unit " << unit << " month " << month;
        }
    }

    preparation.UnitId = "10";
    // Each month's statement takes that month alone; a loss is negative.
    const Currency monthProfit[] = {Rp(-50'000), Rp(0), Rp(1'000'000), Rp(-140'000)};
    const Currency monthSales[] = {Rp(0), Rp(0), Rp(2'500'000), Rp(100'000)};
    for (int month = 1; month <= 4; ++month) {
        const std::string n = std::to_string(month);
        preparation.PrepareProfitLoss(n);
        EXPECT_EQ(Result(), monthProfit[month - 1]) << n;
        EXPECT_EQ(book.Amount("select jumlah from lap_LR where account_code='4110'"), monthSales[month - 1]) << n;
        // The result is the profit the posting put on the current-year profit account.
        EXPECT_EQ(book.Amount("select pos_b" + n + " from posting where account_id=9"), monthProfit[month - 1]) << n;
    }
    // The current profit on the balance sheet is the year's through the month.
    preparation.PrepareBalanceSheet("3");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(950'000));
    preparation.PrepareBalanceSheet("4");
    EXPECT_EQ(book.Amount("select jumlah_k from lap_neraca where nama_k like 'LABA S/D BULAN%'"), Rp(810'000));
}

TEST_F(StatementPreparation, HeaderAccountsSumTheirSubAccountsInTheUnitByALiteralPrefix)
{
    book.Account(30, "1100", "Piutang Karyawan", "11", "D", 0, 0, true);
    book.Account(31, "1101", "Piutang Ani", "11", "D", 400, 10, false, true);
    book.Account(32, "1102", "Piutang Budi", "11", "D", 600, 10, false, true);
    book.Account(33, "1103", "Piutang Zivu", "11", "D", 900, 11, false, true);
    book.Account(34, "1200", "Kendaraan", "12", "D", 0, 0, true);
    // "_" in a code is a character, not a wildcard: "1_0" must not take in 1101 and 1102.
    // The name keeps its quotes and only ASCII is upper-cased.
    book.Account(35, "1_00", "Piutang ''Lain'' Pérak", "11", "D", 0, 0, true);
    book.Account(36, "1_01", "Piutang Cici", "11", "D", 250, 10, false, true);
    book.Account(40, "7_00", "Biaya Lain", "71", "D", 0, 0, true);
    book.Account(41, "7_01", "Biaya Pos", "71", "D", 0, 10, false, true);
    book.Voucher("V8", "1008", "2026-03-12", false, 10, "Pos", {{41, 40'000, 0}, {Kas, 0, 40'000}});
    PostMarch();
    preparation.PrepareBalanceSheet("3");
    // The category title shares its code with the header account.
    EXPECT_EQ(book.Rows("select kode_d, nama_d, jumlah_d, header_d from lap_neraca "
                        "where kode_d in ('1100', '1200', '1101', '1_00') order by noid"),
              (Rows{"1100|AKTIVA LANCAR|null|0", "1100|PIUTANG KARYAWAN|1000|1", "1_00|PIUTANG 'LAIN' PéRAK|250|1",
                    "1200|AKTIVA TETAP|null|0", "1200|KENDARAAN|0|1"}));

    preparation.PrepareProfitLoss("3");
    const auto rows = book.Rows(ProfitLayout);
    const auto title = std::find(rows.begin(), rows.end(), "7_00|Biaya Lain|null|0");
    ASSERT_NE(title, rows.end());
    EXPECT_EQ(Rows(title + 1, title + 3), (Rows{"7_01|Biaya Pos|40000|1", "7_00|JUMLAH Biaya Lain|40000|0"}));
}

TEST_F(StatementPreparation, ABalanceSheetRightHalfLongerThanTheLeftGoesIntoNewRows)
{
    TPostingBook small;
    small.Category("21", "Hutang", "K", 1);
    small.ControlAccounts(10, 0, 0, 0);
    TReportPreparation prepare(small.dm);
    prepare.UnitId = "10";
    // Without asset categories every line is a new row; an empty category still shows.
    prepare.PrepareBalanceSheet("1");
    EXPECT_EQ(small.Rows(SheetLayout), (Rows{"null|null|null|null|2100|HUTANG|null|0",
                                        "null|null|null|null|null|JUMLAH HUTANG|0|0",
                                        "null|null|null|null|3000|EKUITAS |null|0",
                                        "null|null|null|null|null|JUMLAH EKUITAS |0|0",
                                        "null|null|null|null|null|JUMLAH KEWAJIBAN DAN EKUITAS |0|0"}));

    small.Category("11", "Kas", "D", 1);
    small.Category("22", "Hutang Bank", "K", 1);
    small.Account(1, "1110", "Kas", "11", "D", 100, 10);
    small.Account(2, "2110", "Hutang A", "21", "K", 10, 10);
    small.Account(3, "2120", "Hutang B", "21", "K", 20, 10);
    small.Account(4, "2210", "Bank X", "22", "K", 30, 10);
    small.Account(5, "3110", "Modal", "31", "K", 40, 10);
    small.ControlAccounts(10, 1, 0, 0);
    BuildMonthlyTrialBalance(small.dm, "1", "2026", "10");
    prepare.PrepareBalanceSheet("1");
    EXPECT_EQ(small.Rows(SheetLayout), (Rows{
        "1100|KAS|null|0|2100|HUTANG|null|0",
        "null|null|null|0|null|null|null|null",
        "1110|KAS|100|1|2110|HUTANG A|10|1",
        "null|JUMLAH KAS|100|0|2120|HUTANG B|20|1",
        "null|null|null|0|null|JUMLAH HUTANG|30|0",
        "null|JUMLAH AKTIVA |100|0|null|null|null|null",
        "null|null|null|null|2200|HUTANG BANK|null|0",
        "null|null|null|null|2210|BANK X|30|1",
        "null|null|null|null|null|JUMLAH HUTANG BANK|30|0",
        "null|null|null|null|3000|EKUITAS |null|0",
        "null|null|null|null|3110|MODAL|40|1",
        "null|null|null|null|null|JUMLAH EKUITAS |40|0",
        "null|null|null|null|null|JUMLAH KEWAJIBAN DAN EKUITAS |100|0"}));
}
