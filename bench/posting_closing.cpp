// The year-end closing of a generated book against the full-year posting of the same book,
// both measured in the same run on copies of one file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/PeakMemory.h"
#include "ledger/BookClosing.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/FloatText.h"
#include "tools/BookGenerator.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path TempFile(const std::string& name)
{
    return fs::temp_directory_path() / ("bukura-closing-" + std::to_string(getpid()) + "-" + name);
}

// The million-line book takes minutes; it runs only when a filter names it.
bool SelectedByName(int64_t lines)
{
    const std::string filter = benchmark::GetBenchmarkFilter();
    return lines < 1'000'000 || !(filter.empty() || filter == "." || filter == "all");
}

void Connect(TDtModule& dm, const fs::path& file)
{
    dm.CONN1->SetConnectionString("Data Source=" + file.string());
    dm.CONN1->Open();
    LoadSystemSettings(dm);
}

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void BM_ClosingAgainstPosting(benchmark::State& state)
{
    const int64_t lines = state.range(0);
    if (!SelectedByName(lines)) {
        state.SkipWithError("one million lines: run with --benchmark_filter=/1000000/");
        return;
    }
    const fs::path book = TempFile(std::to_string(lines) + ".db");
    const fs::path posted = TempFile(std::to_string(lines) + "-posting.db");
    const fs::path closed = TempFile(std::to_string(lines) + "-closing.db");
    const fs::path backup = TempFile(std::to_string(lines) + "-backup.db");
    for (const fs::path& file : {book, posted, closed, backup})
        fs::remove(file);
    TBookPlan plan;
    plan.Lines = lines;
    GenerateBook(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", book.string(), "", plan);

    double posting = 0, closing = 0, peakPosting = 0, peakClosing = 0;
    std::string failure;
    for (auto _ : state) {
        fs::copy_file(book, posted, fs::copy_options::overwrite_existing);
        fs::copy_file(book, closed, fs::copy_options::overwrite_existing);
        {
            TDtModule dm;
            Connect(dm, posted);
            ResetPeakMemory();
            const auto start = Clock::now();
            TLongJob job(nullptr);
            BuildTrialBalance(dm, IntToStr(plan.Year), {"10", "11", "12"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
                              job);
            posting += Seconds(Clock::now() - start);
            peakPosting = PeakMegabytes();
        }
        {
            TDtModule dm;
            Connect(dm, closed);
            ResetPeakMemory();
            const auto start = Clock::now();
            CloseBookYear(dm, backup.string());
            closing += Seconds(Clock::now() - start);
            peakClosing = PeakMegabytes();
            OpenSQL(*dm.Query1, "select (select ref_tahun from ref_sistem) || '|' || (select count(*) from T_VOUC) || "
                                "'|' || (select count(*) from TR_VOUC)");
            const std::string expected = IntToStr(plan.Year + 1) + "|0|0";
            if (dm.Query1->Fields(0)->AsString() != expected)
                failure = "closed book reads " + dm.Query1->Fields(0)->AsString() + ", expected " + expected;
            OpenSQL(*dm.Query1, "pragma integrity_check");
            if (dm.Query1->Fields(0)->AsString() != "ok")
                failure = "integrity check: " + dm.Query1->Fields(0)->AsString();
        }
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["posting_s"] = posting / runs;
    state.counters["closing_s"] = closing / runs;
    state.counters["ratio"] = closing / posting;
    state.counters["peak_posting_MB"] = peakPosting;
    state.counters["peak_closing_MB"] = peakClosing;
    state.counters["file_MB"] = static_cast<double>(fs::file_size(book)) / (1024 * 1024);
    for (const fs::path& file : {book, posted, closed, backup})
        fs::remove(file);
    if (!failure.empty())
        state.SkipWithError(failure.c_str());
}

} // namespace

BENCHMARK(BM_ClosingAgainstPosting)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
