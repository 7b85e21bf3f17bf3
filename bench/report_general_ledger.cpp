// A general ledger of a generated book: one page per account with its lines, built into the
// page model and written to PDF. Reports pages per second.
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TDataSource.h"
#include "platform/report/TQRBand.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRRenderer.h"
#include "platform/report/TQRSubDetail.h"
#include "platform/report/TQRSysData.h"
#include "platform/report/TQuickRep.h"

namespace {

constexpr int Accounts = 1000;
constexpr int LinesPerAccount = 25;

std::filesystem::path BenchFolder()
{
    auto folder = std::filesystem::temp_directory_path() / ("bukura-bench-report-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

void MakeBook(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "create table akun(account_id integer primary key, account_code text, account_name text, saldo_awal real);"
                     "create table bukubesar(account_id integer, tanggal text, voucher_no text, voucher_desc text, debit real, credit real);"
                     "create index bukubesar_akun on bukubesar(account_id);"
                     "begin;",
        nullptr, nullptr, nullptr);
    sqlite3_stmt* account = nullptr;
    sqlite3_prepare_v2(db, "insert into akun values(?,?,?,?)", -1, &account, nullptr);
    sqlite3_stmt* line = nullptr;
    sqlite3_prepare_v2(db, "insert into bukubesar values(?,?,?,?,?,?)", -1, &line, nullptr);
    for (int a = 1; a <= Accounts; ++a) {
        std::string code = std::to_string(100000 + a);
        std::string name = "Rekening " + std::to_string(a);
        sqlite3_bind_int(account, 1, a);
        sqlite3_bind_text(account, 2, code.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(account, 3, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_double(account, 4, a * 1000.25);
        sqlite3_step(account);
        sqlite3_reset(account);
        for (int l = 1; l <= LinesPerAccount; ++l) {
            std::string voucher = "BKK-" + std::to_string(a * 100 + l);
            std::string desc = "Pembayaran nomor " + std::to_string(l) + " rekening " + code;
            sqlite3_bind_int(line, 1, a);
            sqlite3_bind_text(line, 2, "2026-03-15", -1, SQLITE_STATIC);
            sqlite3_bind_text(line, 3, voucher.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(line, 4, desc.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(line, 5, l % 2 ? l * 10.5 : 0);
            sqlite3_bind_double(line, 6, l % 2 ? 0 : l * 7.25);
            sqlite3_step(line);
            sqlite3_reset(line);
        }
    }
    sqlite3_finalize(account);
    sqlite3_finalize(line);
    sqlite3_exec(db, "commit;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

template <class Control>
Control* Place(TQuickRep& report, TQRCustomBand* band, int left, int width)
{
    auto* control = new Control(&report);
    control->SetBounds(left, 2, width, 17);
    control->SetParent(band);
    return control;
}

TQRBand* AddBand(TQuickRep& report, TQRBandType type, int height)
{
    auto* band = new TQRBand(&report);
    band->SetBandType(type);
    band->SetHeight(height);
    band->SetParent(&report);
    return band;
}

void BuildLedger(TQuickRep& report, TADOConnection& connection)
{
    auto* accounts = new TADOQuery(&report);
    accounts->SetName("v_posting");
    accounts->SetConnection(&connection);
    accounts->SQL().SetText("select * from akun order by account_code");
    auto* source = new TDataSource(&report);
    source->SetDataSet(accounts);
    auto* lines = new TADOQuery(&report);
    lines->SetName("v_lapBukuBesar");
    lines->SetConnection(&connection);
    lines->SQL().SetText("select * from bukubesar where account_id=:account_id");
    lines->SetDataSource(source);
    report.SetDataSet(accounts);

    TQRBand* header = AddBand(report, rbPageHeader, 60);
    Place<TQRLabel>(report, header, 0, 200)->SetCaption("LAPORAN MUTASI BUKU BESAR");
    auto* code = Place<TQRDBText>(report, header, 300, 100);
    code->SetDataSet(accounts);
    code->SetDataField("account_code");
    auto* name = Place<TQRDBText>(report, header, 420, 200);
    name->SetDataSet(accounts);
    name->SetDataField("account_name");
    TQRBand* footer = AddBand(report, rbPageFooter, 30);
    auto* page = Place<TQRSysData>(report, footer, 550, 100);
    page->SetData(qrsPageNumber);
    page->SetText("Halaman   ");

    auto* sub = new TQRSubDetail(&report);
    sub->SetDataSet(lines);
    sub->SetHeight(22);
    sub->SetParent(&report);
    const char* fields[] = {"tanggal", "voucher_no", "voucher_desc", "debit", "credit"};
    const int lefts[] = {0, 80, 180, 480, 580};
    for (int i = 0; i < 5; ++i) {
        auto* field = Place<TQRDBText>(report, sub, lefts[i], i == 2 ? 290 : 95);
        field->SetDataSet(lines);
        field->SetDataField(fields[i]);
        if (i >= 3) {
            field->SetMask("#,##0.00;(#,##0.00)");
            field->SetAlignment(TAlignment::taRightJustify);
        }
    }
    TQRBand* groupHeader = AddBand(report, rbGroupHeader, 22);
    groupHeader->SetForceNewPage(true);
    Place<TQRLabel>(report, groupHeader, 180, 100)->SetCaption("Saldo Awal");
    auto* opening = Place<TQRDBText>(report, groupHeader, 480, 95);
    opening->SetDataSet(accounts);
    opening->SetDataField("saldo_awal");
    opening->SetMask("#,##0.00;(#,##0.00)");
    sub->SetHeaderBand(groupHeader);
    TQRBand* groupFooter = AddBand(report, rbGroupFooter, 22);
    Place<TQRLabel>(report, groupFooter, 180, 100)->SetCaption("Total Mutasi");
    for (const char* column : {"debit", "credit"}) {
        auto* sum = Place<TQRExpr>(report, groupFooter, column[0] == 'd' ? 480 : 580, 95);
        sum->SetExpression(std::string("SUM(") + column + ")");
        sum->SetMask("#,##0.00");
        sum->SetMaster(sub);
        sum->SetResetAfterPrint(true);
    }
    sub->SetFooterBand(groupFooter);
}

void BM_GeneralLedgerToPdf(benchmark::State& state)
{
    auto folder = BenchFolder();
    std::string database = (folder / "book.db").string();
    MakeBook(database);
    TADOConnection connection;
    connection.SetConnectionString("Data Source=" + database);
    connection.SetLoginPrompt(false);
    connection.Open();
    int64_t pages = 0;
    for (auto _ : state) {
        TQuickRep report;
        BuildLedger(report, connection);
        report.ExportToPdf((folder / "ledger.pdf").string());
        pages += report.Pages().PageCount();
    }
    state.counters["pages"] = benchmark::Counter(static_cast<double>(pages) / static_cast<double>(state.iterations()));
    state.counters["pages_per_second"] = benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsRate);
    connection.Close();
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_GeneralLedgerToPdf)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
