// The general ledger of unit 10 for December on a generated book of 100,000 voucher lines: the
// preparation of lap_bukubesar, the ledger layout built into pages, and the PDF of those pages.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/PeakMemory.h"
#include "ledger/LoginState.h"
#include "ledger/Posting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "reports/TFQRMutasiBB.h"
#include "reports/TReportPreparation.h"
#include "tools/BookGenerator.h"

namespace {

void BM_GeneralLedgerOfDecember(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / ("bukura-bench-ledger-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string db = (folder / "book.db").string();
    const std::string pdf = (folder / "ledger.pdf").string();
    TBookPlan plan;
    plan.Lines = state.range(0);
    GenerateBook(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", db, "", plan);

    TDtModule dm;
    DtModule = &dm;
    dm.CONN1->SetConnectionString("Data Source=" + db);
    dm.CONN1->Open();
    LoadSystemSettings(dm);
    for (int month = 1; month <= 12; ++month)
        BuildMonthlyTrialBalance(dm, IntToStr(month), IntToStr(plan.Year), "10");
    TReportPreparation preparation(dm);
    preparation.UnitId = "10";
    preparation.Month = "12";
    preparation.MonthName = MonthName(12);
    preparation.Year = IntToStr(plan.Year);

    std::ofstream("/proc/self/clear_refs") << "5";
    using Clock = std::chrono::steady_clock;
    Clock::duration preparing{}, printing{};
    int64_t pages = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        std::string opening, closing;
        preparation.PrepareGeneralLedger(opening, closing);
        const auto prepared = Clock::now();
        TFQRMutasiBB layout;
        OpenSQL(*layout.v_posting, "select account_id, account_code, account_name, account_cat, account_pos, (" +
                                       opening + ") as saldo_awal, (" + closing +
                                       ") as saldo_akhir from v_posting where account_sub=10 and "
                                       "account_header=false order by account_code");
        OpenSQL(*layout.v_lapBukuBesar, "select * from lap_BukuBesar where account_id=:account_id");
        layout.periode->SetCaption("Per " + preparation.MonthName + "/" + preparation.Year);
        layout.ExportToPdf(pdf);
        printing += Clock::now() - prepared;
        preparing += prepared - start;
        pages += layout.Pages().PageCount();
    }
    const auto seconds = [&](Clock::duration d) {
        return std::chrono::duration<double>(d).count() / static_cast<double>(state.iterations());
    };
    state.counters["prepare_s"] = seconds(preparing);
    state.counters["layout_pdf_s"] = seconds(printing);
    state.counters["pages"] = static_cast<double>(pages) / static_cast<double>(state.iterations());
    state.counters["layout_pdf_pages_per_s"] =
        static_cast<double>(pages) / std::chrono::duration<double>(printing).count();
    state.counters["peak_MB"] = PeakMegabytes();
    dm.CONN1->Close();
    DtModule = nullptr;
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_GeneralLedgerOfDecember)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
