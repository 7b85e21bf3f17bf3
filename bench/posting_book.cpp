// The monthly posting of a whole book year for the three units, then the balance sheet, profit
// and loss and general ledger preparations, on generated books of 10k, 100k and 1M voucher lines.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/BookGenerator.h"
#include "ledger/LoginState.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/FloatText.h"
#include "reports/TReportPreparation.h"

namespace {

std::filesystem::path TempFile(const std::string& name)
{
    return std::filesystem::temp_directory_path() / name;
}

// Peak resident memory of the process in megabytes, from the kernel's high-water mark.
double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

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

// The million-line book takes about a minute; it runs only when a filter names it.
bool SelectedByName(int64_t lines)
{
    const std::string filter = benchmark::GetBenchmarkFilter();
    return lines < 1'000'000 || !(filter.empty() || filter == "." || filter == "all");
}

void BM_PostingAndPreparations(benchmark::State& state)
{
    const int64_t lines = state.range(0);
    if (!SelectedByName(lines)) {
        state.SkipWithError("one million lines: run with --benchmark_filter=/1000000/");
        return;
    }
    const auto db = TempFile("bukura-bench-" + std::to_string(getpid()) + "-" + std::to_string(lines) + ".db");
    const auto journal = TempFile("bukura-book-" + std::to_string(lines) + ".journal");
    std::filesystem::remove(db);
    TBookPlan plan;
    plan.Lines = lines;
    const TBookSummary summary =
        GenerateBook(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", db.string(), journal.string(), plan);

    std::string failure;
    {
        TDtModule dm;
        dm.CONN1->SetConnectionString("Data Source=" + db.string());
        dm.CONN1->Open();
        LoadSystemSettings(dm);
        TReportPreparation preparation(dm);
        preparation.Month = "12";
        preparation.Year = IntToStr(plan.Year);

        ResetPeakMemory();
        using Clock = std::chrono::steady_clock;
        Clock::duration posting{}, preparations{};
        for (auto _ : state) {
            const auto start = Clock::now();
            for (int month = 1; month <= 12; ++month)
                for (const auto& unit : summary.Units)
                    BuildMonthlyTrialBalance(dm, IntToStr(month), IntToStr(plan.Year), IntToStr(unit.Id));
            const auto posted = Clock::now();
            posting += posted - start;
            for (const auto& unit : summary.Units) {
                preparation.UnitId = IntToStr(unit.Id);
                preparation.PrepareBalanceSheet("12");
                preparation.PrepareProfitLoss("12");
                std::string opening, closing;
                preparation.PrepareGeneralLedger(opening, closing);
            }
            preparations += Clock::now() - posted;
        }
        const auto seconds = [&](Clock::duration d) {
            return std::chrono::duration<double>(d).count() / static_cast<double>(state.iterations());
        };
        state.counters["posting_s"] = seconds(posting);
        state.counters["preparations_s"] = seconds(preparations);
        state.counters["peak_MB"] = PeakMegabytes();
        failure = CheckBook(dm, summary);
    }
    std::filesystem::remove(db);
    state.counters["lines_per_second"] =
        benchmark::Counter(static_cast<double>(summary.Lines) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
    state.counters["accounts"] = summary.Accounts;
    state.SetLabel(journal.string());
    if (!failure.empty())
        state.SkipWithError(failure.c_str());
}

} // namespace

BENCHMARK(BM_PostingAndPreparations)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
