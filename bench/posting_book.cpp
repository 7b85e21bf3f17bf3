// The monthly posting of a whole book year for the three units and their month-12 balance
// sheets, and one month of one unit alone, on generated books of 200,000 and 2,000,000 lines.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "bench/PeakMemory.h"
#include "tools/BookGenerator.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "reports/TReportPreparation.h"

namespace {

namespace fs = std::filesystem;

// Both posted tables after the per-account, per-month posting that ran before the one-pass
// posting, dumped value by value (200,000 and 2,000,000 lines): the new pass must give the same.
uint64_t ExpectedChecksum(int64_t lines)
{
    return lines == 200'000 ? 1735271211944913371ULL : lines == 2'000'000 ? 2055933148372103208ULL : 0;
}

fs::path TempFile(const std::string& name)
{
    return fs::temp_directory_path() / name;
}

std::string SchemaPath()
{
    return std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql";
}

// The generated book for Lines, made once per seed and schema and kept in the temporary folder
// with its summary beside it (the 2,000,000-line book takes a while to make).
TBookSummary CachedBook(int64_t lines, const TBookPlan& plan, fs::path& path)
{
    std::ifstream schemaFile(SchemaPath(), std::ios::binary);
    const std::string schema{std::istreambuf_iterator<char>(schemaFile), std::istreambuf_iterator<char>()};
    char name[96];
    std::snprintf(name, sizeof name, "bukura-book-%" PRIx64 "-%zx-%" PRId64, plan.Seed, std::hash<std::string>{}(schema),
                  lines);
    path = TempFile(std::string(name) + ".db");
    const fs::path summaryPath = TempFile(std::string(name) + ".summary");
    TBookSummary summary;
    if (std::ifstream in{summaryPath}; in && fs::exists(path)) {
        in >> summary.Lines >> summary.Vouchers >> summary.Accounts;
        for (auto& unit : summary.Units)
            in >> unit.Id >> unit.CashAccount >> unit.RetainedEarnings >> unit.CurrentProfit;
        for (auto& unit : summary.Profit)
            for (auto& month : unit) {
                int64_t raw = 0;
                in >> raw;
                month = Currency::FromRaw(raw);
            }
        if (in)
            return summary;
    }
    // Books made from an earlier schema are of no further use.
    std::string ending(1, '-');
    ending += std::to_string(lines);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), ec)) {
        const std::string stem = entry.path().stem().string();
        if (stem.rfind("bukura-book-", 0) == 0 && stem.size() > ending.size() &&
            stem.compare(stem.size() - ending.size(), ending.size(), ending) == 0 && stem != name)
            fs::remove(entry.path(), ec);
    }
    const fs::path fresh = TempFile(std::string(name) + "-" + std::to_string(getpid()) + ".db");
    fs::remove(fresh);
    summary = GenerateBook(SchemaPath(), fresh.string(), "", plan);
    fs::rename(fresh, path);
    std::ofstream out(summaryPath);
    out << summary.Lines << ' ' << summary.Vouchers << ' ' << summary.Accounts << '\n';
    for (const auto& unit : summary.Units)
        out << unit.Id << ' ' << unit.CashAccount << ' ' << unit.RetainedEarnings << ' ' << unit.CurrentProfit << '\n';
    for (const auto& unit : summary.Profit)
        for (const auto& month : unit)
            out << month.Raw() << ' ';
    return summary;
}

// A fresh copy of the cached book, opened as the program opens it, removed at the end.
class TBenchBook {
public:
    TBenchBook(int64_t lines)
    {
        fs::path cached;
        Plan.Lines = lines;
        Summary = CachedBook(lines, Plan, cached);
        path_ = TempFile("bukura-bench-" + std::to_string(getpid()) + "-" + std::to_string(lines) + ".db");
        fs::copy_file(cached, path_, fs::copy_options::overwrite_existing);
        // On disk before the clock starts, so the first commit's sync does not write the copy.
        if (const int fd = open(path_.c_str(), O_RDONLY); fd >= 0) {
            fsync(fd);
            close(fd);
        }
        Dm.CONN1->SetConnectionString("Data Source=" + path_.string());
        Dm.CONN1->Open();
        LoadSystemSettings(Dm);
        for (const auto& unit : Summary.Units)
            Units.push_back(IntToStr(unit.Id));
    }
    ~TBenchBook()
    {
        Dm.CONN1->Close();
        std::error_code ec;
        fs::remove(path_, ec);
    }

    TBookPlan Plan;
    TBookSummary Summary;
    TDtModule Dm;
    std::vector<std::string> Units;

private:
    fs::path path_;
};

Currency Amount(TDtModule& dm, const std::string& sql)
{
    OpenSQL(*dm.Query1, sql);
    return IfNull(dm.Query1->Fields(0)->Value(), 0).AsCurrency();
}

// Every month and unit: the balance sheet balances and the statement's profit is the posted one.
std::string CheckBook(TDtModule& dm, const TBookSummary& summary)
{
    TReportPreparation preparation(dm);
    preparation.Year = "2026";
    for (int u = 0; u < 3; ++u) {
        preparation.UnitId = IntToStr(summary.Units[u].Id);
        for (int month = 1; month <= 12; ++month) {
            const std::string n = IntToStr(month);
            preparation.PrepareBalanceSheet(n);
            const Currency assets = Amount(dm, "select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '");
            const Currency claims =
                Amount(dm, "select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '");
            if (assets != claims)
                return "unit " + preparation.UnitId + " month " + n + ": assets " + assets.ToString() +
                       " but liabilities and equity " + claims.ToString();
            preparation.PrepareProfitLoss(n);
            const Currency profit = Amount(dm, "select jumlah from lap_LR where account_name='LABA '");
            const Currency posted = Amount(dm, "select pos_b" + n + " from posting where account_id=" +
                                                   IntToStr(summary.Units[u].CurrentProfit));
            if (profit != posted || profit != summary.Profit[u][month - 1])
                return "unit " + preparation.UnitId + " month " + n + ": profit " + profit.ToString() +
                       ", posted " + posted.ToString() + ", generated " + summary.Profit[u][month - 1].ToString();
        }
    }
    return {};
}

// FNV-1a over every value of both posted tables in key order, each in its stored type.
uint64_t PostedTablesChecksum(TDtModule& dm)
{
    uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&](const std::string& text) {
        for (unsigned char c : text + '|')
            hash = (hash ^ c) * 0x100000001b3ULL;
    };
    for (const char* table : {"trial_balance", "posting"}) {
        auto rows = dm.CONN1->Prepare(std::string("select * from ") + table + " order by account_id");
        while (rows->Step())
            for (int i = 0; i < rows->ColumnCount(); ++i) {
                char text[40];
                if (rows->IsNull(i))
                    add("null");
                else if (rows->Type(i) == DbType::Integer)
                    add(std::to_string(rows->Integer(i)));
                else {
                    std::snprintf(text, sizeof text, "%.17g", rows->Float(i));
                    add(text);
                }
            }
    }
    return hash;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The two-million-line book takes a minute to make the first time; it runs when a filter names it.
bool SelectedByName(int64_t lines)
{
    const std::string filter = benchmark::GetBenchmarkFilter();
    return lines < 1'000'000 || !(filter.empty() || filter == "." || filter == "all");
}

void BM_YearPostedAndBalanceSheets(benchmark::State& state)
{
    const int64_t lines = state.range(0);
    if (!SelectedByName(lines)) {
        state.SkipWithError("two million lines: run with --benchmark_filter=/2000000");
        return;
    }
    TBenchBook book(lines);
    TReportPreparation preparation(book.Dm);
    preparation.Year = IntToStr(book.Plan.Year);
    const std::vector<int> months{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

    ResetPeakMemory();
    Clock::duration posting{}, sheets{};
    for (auto _ : state) {
        const auto start = Clock::now();
        {
            TLongJob job(nullptr);
            BuildTrialBalance(book.Dm, preparation.Year, book.Units, months, job);
        }
        const auto posted = Clock::now();
        for (const std::string& unit : book.Units) {
            preparation.UnitId = unit;
            preparation.PrepareBalanceSheet("12");
        }
        sheets += Clock::now() - posted;
        posting += posted - start;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["posting_s"] = Seconds(posting) / runs;
    state.counters["balance_sheets_s"] = Seconds(sheets) / runs;
    state.counters["total_s"] = Seconds(posting + sheets) / runs;
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["accounts"] = book.Summary.Accounts;

    std::string failure = CheckBook(book.Dm, book.Summary);
    const uint64_t checksum = PostedTablesChecksum(book.Dm);
    if (failure.empty() && ExpectedChecksum(lines) != 0 && checksum != ExpectedChecksum(lines))
        failure = "posted tables differ from the per-month posting: checksum " + std::to_string(checksum);
    state.SetLabel("checksum " + std::to_string(checksum));
    if (!failure.empty())
        state.SkipWithError(failure.c_str());
}

void BM_OneMonthOfOneUnit(benchmark::State& state)
{
    const int64_t lines = state.range(0);
    if (!SelectedByName(lines)) {
        state.SkipWithError("two million lines: run with --benchmark_filter=/2000000");
        return;
    }
    TBenchBook book(lines);
    ResetPeakMemory();
    for (auto _ : state)
        BuildMonthlyTrialBalance(book.Dm, "6", IntToStr(book.Plan.Year), book.Units[0]);
    state.counters["peak_MB"] = PeakMegabytes();
    const Currency posted =
        Amount(book.Dm, "select pos_b6 from posting where account_id=" + IntToStr(book.Summary.Units[0].CurrentProfit));
    if (posted != book.Summary.Profit[0][5])
        state.SkipWithError(("month 6 profit " + posted.ToString() + ", generated " +
                             book.Summary.Profit[0][5].ToString()).c_str());
}

} // namespace

BENCHMARK(BM_YearPostedAndBalanceSheets)
    ->Arg(200'000)
    ->Arg(2'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_OneMonthOfOneUnit)->Arg(200'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
