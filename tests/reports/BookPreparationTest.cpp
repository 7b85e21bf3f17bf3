#include <gtest/gtest.h>

#include <functional>

#include "ledger/LongJob.h"
#include "ledger/WorkTables.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "tests/reports/ReportBook.h"

namespace {

const char* const CashBook = "select tanggal, no_bukti, account_code, keterangan, debet, kredit, saldo "
                             "from lap_cash_flow order by rowid";

class BookPreparation : public ::testing::Test, protected TReportBook {};
using ReportPreparations = BookPreparation;

} // namespace

TEST_F(BookPreparation, CashBookCarriesTheBalanceFromTheOpening)
{
    // A zero line leaves the balance; quotes are stored as typed.
    book.Voucher("V7", "1007", "2026-03-29", false, 10, "Nol 'x'", {{Kas, 0, 0}, {Bank, 0, 0}});
    PostMarch();
    preparation.PrepareCashBook();
    EXPECT_EQ(book.Rows(CashBook), (Rows{"null|null|null|Saldo Awal|null|null|10000000",
                                         "2026-03-02|1001|4110|Penjualan tunai|2500000|null|12500000",
                                         "2026-03-10|1002|7110|Listrik Maret|null|300000|12200000",
                                         "2026-03-25|1003|7101|Gaji staf|null|1000000|11200000",
                                         "2026-03-28|1004|2110|Bayar hutang|null|500000|10700000",
                                         "2026-03-29|1007|1120|Nol 'x'|0|null|10700000"}));
    // The layout's closing balance, from the expression the cash book leaves, is where the book ends.
    EXPECT_EQ(book.Amount("select " + preparation.ClosingExpression + " from posting where account_id=1"),
              Rp(10'700'000));

    preparation.Month = "5";
    preparation.PrepareCashBook();
    EXPECT_EQ(book.Rows(CashBook), (Rows{"null|null|null|Saldo Awal|null|null|10700000"}));
}

TEST_F(BookPreparation, TheOpeningBalanceFollowsTheBookYearsFirstMonth)
{
    book.Exec("insert into posting (account_id, pos_awal, pos_b7, pos_b12, pos_b1, pos_b2) "
              "values (1, 100, 10, 20, 30, 40)");
    const auto opening = [&](int firstMonth, const char* month) {
        book.ControlAccounts(10, Kas, LabaDitahan, LabaBerjalan, firstMonth);
        preparation.Month = month;
        preparation.PrepareCashBook();
        return book.Rows(CashBook).at(0);
    };
    EXPECT_EQ(opening(7, "2"), "null|null|null|Saldo Awal|null|null|160");
    EXPECT_EQ(opening(7, "7"), "null|null|null|Saldo Awal|null|null|100");
    // A first month outside the year, which only an edited settings file holds, counts as January.
    EXPECT_EQ(opening(0, "2"), "null|null|null|Saldo Awal|null|null|130");
    EXPECT_EQ(opening(13, "2"), "null|null|null|Saldo Awal|null|null|130");
    std::string ledgerOpening, ledgerClosing;
    preparation.PrepareGeneralLedger(ledgerOpening, ledgerClosing);
    EXPECT_EQ(book.Amount("select " + ledgerOpening + " from posting where account_id=1"), Rp(130));
}

TEST_F(BookPreparation, JournalsSplitTheVouchersByKindButKeepEveryLine)
{
    book.Exec("insert into T_VOUC (ID_Vouc, No_Vouc, tgl_vouc, ket, ajp, id_unit) values "
              "('V8', null, '2026-03-30', null, 0, 10)");
    book.Exec("insert into TR_VOUC values ('V8', 1, 1, '1110', 'kosong', null, null)");
    book.Voucher("OLD", "0999", "2025-03-15", false, 10, "Tahun lalu", {{Kas, 5, 0}, {Penjualan, 0, 5}});

    preparation.PrepareJournal("3");
    EXPECT_EQ(book.Rows("select no_jmk, tanggal, no_bukti, uraian from lap_jmk1 order by rowid"),
              (Rows{"V8|2026-03-30|-|-", "OLD|2025-03-15|0999|Tahun lalu", "V1|2026-03-02|1001|Penjualan tunai",
                    "V2|2026-03-10|1002|Listrik Maret", "V3|2026-03-25|1003|Gaji staf",
                    "V4|2026-03-28|1004|Bayar hutang"}));
    EXPECT_EQ(book.Value("select count(*) from lap_jmk2").AsInteger(), 13);
    EXPECT_EQ(book.Rows("select kode_akun, uraian, debet, kredit from lap_jmk2 where no_jmk='V8'"),
              (Rows{"1110|Kas|null|null"}));
    EXPECT_EQ(book.Rows("select kode_akun, uraian, debet, kredit from lap_jmk2 where no_jmk='A1' order by rowid"),
              (Rows{"7120|Biaya Penyusutan|200000|0", "1220|Akumulasi Penyusutan|0|200000"}));

    preparation.PrepareAdjustmentJournal("3");
    EXPECT_EQ(book.Rows("select no_jmk, no_bukti, uraian from lap_jmk1"), (Rows{"A1|Ajp1001|Penyusutan"}));
    EXPECT_EQ(book.Value("select count(*) from lap_jmk2").AsInteger(), 13);
}

TEST_F(BookPreparation, GeneralLedgerTakesEveryLineOfTheMonthOfThePostedAccounts)
{
    PostMarch();
    std::string opening, closing;
    preparation.PrepareGeneralLedger(opening, closing);
    EXPECT_EQ(book.Rows("select account_id, account_code, tanggal, voucher_no, voucher_desc, debit, credit "
                        "from lap_bukubesar where account_id=1 order by rowid"),
              (Rows{"1|1110|2026-03-02|1001|Penjualan tunai|2500000|0", "1|1110|2026-03-10|1002|Listrik Maret|0|300000",
                    "1|1110|2026-03-25|1003|Gaji staf|0|1000000", "1|1110|2026-03-28|1004|Bayar hutang|0|500000"}));
    // Adjusting lines are in the ledger too; unit 11's line is not.
    EXPECT_EQ(book.Value("select count(*) from lap_bukubesar").AsInteger(), 10);
    EXPECT_EQ(book.Rows("select voucher_no from lap_bukubesar where account_id=5"), (Rows{"Ajp1001"}));
    // One step per account of the unit.
    EXPECT_EQ(wait.position, 14);

    preparation.Month = "5";
    preparation.PrepareGeneralLedger(opening, closing);
    preparation.PrepareJournal("5");
    for (const char* table : {"lap_bukubesar", "lap_jmk1", "lap_jmk2"})
        EXPECT_EQ(book.Value(std::string("select count(*) from ") + table).AsInteger(), 0) << table;
}

// Every preparation refuses bad input and a start under another job before touching anything,
// and rolls its tables back on a failure half-way, leaving the previous expressions.
TEST_F(ReportPreparations, RefusalsAndFailuresLeaveThePreviousTablesAndExpressions)
{
    PostMarch();
    std::string opening, closing;
    const std::pair<const char*, std::function<void()>> preparations[] = {
        {"lap_neraca", [&] { preparation.PrepareBalanceSheet(preparation.Month); }},
        {"lap_LR", [&] { preparation.PrepareProfitLoss(preparation.Month); }},
        {"lap_jmk2", [&] { preparation.PrepareJournal(preparation.Month); }},
        {"lap_jmk2", [&] { preparation.PrepareAdjustmentJournal(preparation.Month); }},
        {"lap_cash_flow", [&] { preparation.PrepareCashBook(); }},
        {"lap_bukubesar", [&] { preparation.PrepareGeneralLedger(opening, closing); }}};
    for (const auto& [table, prepare] : preparations)
        prepare();
    const auto tables = [&] {
        Rows rows;
        for (const char* table : {"lap_neraca", "lap_LR", "lap_jmk1", "lap_jmk2", "lap_cash_flow", "lap_bukubesar"})
            for (const std::string& row : book.Rows(std::string("select * from ") + table + " order by rowid"))
                rows.push_back(table + ("|" + row));
        return rows;
    };
    const auto before = tables();
    const std::string expressions = preparation.OpeningExpression + preparation.ClosingExpression;
    ASSERT_EQ(opening + closing, expressions);

    EXPECT_THROW(preparation.PrepareBalanceSheet("0"), EConvertError);
    EXPECT_THROW(preparation.PrepareProfitLoss("13"), EConvertError);
    EXPECT_THROW(preparation.PrepareJournal("x"), EConvertError);
    preparation.UnitId = "10 or 1=1";
    EXPECT_THROW(preparation.PrepareBalanceSheet("3"), EConvertError);
    preparation.UnitId = "13";
    EXPECT_THROW(preparation.PrepareCashBook(), EInvalidOperation);
    preparation.UnitId = "10";
    {
        TLongJob running(nullptr);
        for (const auto& [table, prepare] : preparations)
            EXPECT_THROW(prepare(), EInvalidOperation) << table;
    }
    EXPECT_EQ(tables(), before);
    EXPECT_EQ(wait.shown, 6);

    // April fails at its second row, after the table was emptied (the adjusting journal has
    // replaced lap_jmk1 by then).
    preparation.Month = "4";
    for (const auto& [table, prepare] : preparations) {
        book.Exec(std::string("create trigger if not exists fail_") + table + " before insert on " + table +
                  " when (select count(*) from " + table + ")>0 begin select raise(abort, 'injected failure'); end");
        EXPECT_THROW(prepare(), EDatabaseError) << table;
        EXPECT_EQ(tables(), before) << table;
    }
    EXPECT_EQ(preparation.OpeningExpression + preparation.ClosingExpression, expressions);
    EXPECT_EQ(opening + closing, expressions);
    EXPECT_EQ(wait.closed, 12);
    EXPECT_FALSE(IsLongJobRunning());

    // Another instance holding the book's write lock neither stops this connection's own work tables
    // filling nor sees one of them half filled.
    MakeOwnWorkTables(book.dm);
    TADOConnection other;
    other.SetConnectionString("Data Source=" + book.dm.CONN1->DataSource());
    other.Open();
    other.BeginTrans();
    book.dm.CONN1->SetCommandTimeout(1);
    preparation.Month = "3";
    for (const auto& [table, prepare] : preparations) {
        EXPECT_NO_THROW(prepare()) << table;
        EXPECT_GT(book.Value(std::string("select count(*) from temp.") + table).AsInteger(), 0) << table;
    }
    const Rows lines = book.Rows("select * from temp.lap_LR order by rowid");
    book.Exec("create temp trigger fail_own before insert on lap_LR when (select count(*) from temp.lap_LR)>0"
              " begin select raise(abort, 'injected failure'); end");
    EXPECT_THROW(preparation.PrepareProfitLoss("3"), EDatabaseError);
    EXPECT_EQ(book.Rows("select * from temp.lap_LR order by rowid"), lines);
    other.Rollback();
}
