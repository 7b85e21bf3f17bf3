// The cash vouchers window on generated books of 100k and 1M voucher lines: opened from the main
// window's "Cash" entry until painted, and a change of month until the list is painted again.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "bench/PeakMemory.h"
#include "app/StartUp.h"
#include "controls/flat/TZlComboBox.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Main.h"
#include "ledger/TFrm_CashFlow.h"
#include "platform/data/TADOQuery.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeItem.h"
#include "tools/BookGenerator.h"

namespace {

// One generated book per size, kept for the process; its file is made once per machine.
const std::string& Book(int64_t lines)
{
    static std::map<int64_t, std::string> books;
    auto& path = books[lines];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() / ("bukura-bench-cash-" + std::to_string(lines) + ".db")).string();
        const std::string schema = std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql";
        // A book made from an older schema would miss its indexes.
        if (!std::filesystem::exists(path)
            || std::filesystem::last_write_time(path) < std::filesystem::last_write_time(schema)) {
            std::filesystem::remove(path);
            TBookPlan plan;
            plan.Lines = lines;
            GenerateBook(schema, path, "", plan);
        }
    }
    return path;
}

// The program started on the book and logged in, with the clock on 15 June of the book year.
class CashProgram {
public:
    explicit CashProgram(int64_t lines)
    {
        session.App().SetAnimationsEnabled(false);
        session.Screen().FakeClock().SetNow(EncodeDate(2026, 6, 15) + EncodeTime(10, 0, 0, 0));
        StartProgram(session.App());
        DtModule->CONN1->SetConnectionString("Data Source=" + Book(lines));
        DtModule->CONN1->Open();
        LoadSystemSettings(*DtModule);
        F_Main->ShowFullMenu();
        session.ProcessUntilIdle();
    }
    ~CashProgram() { StopProgram(); }

    TFrm_CashFlow* OpenWindow()
    {
        F_Main->CustomItem10->Click();
        session.ProcessUntilIdle();
        return dynamic_cast<TFrm_CashFlow*>(F_Main->ActiveMDIChild());
    }

    THeadlessSession session;
};

void BM_OpenCashWindow(benchmark::State& state)
{
    CashProgram program(state.range(0));
    int rows = 0;
    for (auto _ : state) {
        TFrm_CashFlow* window = program.OpenWindow();
        state.PauseTiming();
        if (!window) {
            state.SkipWithError("the cash window did not open");
            break;
        }
        rows = window->v_cash->RecordCount();
        window->Close();
        program.session.ProcessUntilIdle();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_OpenCashWindow)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_CashWindowMonthChange(benchmark::State& state)
{
    CashProgram program(state.range(0));
    TFrm_CashFlow* window = program.OpenWindow();
    if (!window) {
        state.SkipWithError("the cash window did not open");
        return;
    }
    int month = 5;
    for (auto _ : state) {
        month = month == 5 ? 6 : 5;
        window->ZlComboBox2->SetItemIndex(month);
        window->ZlComboBox2->OnChange(window->ZlComboBox2);
        program.session.ProcessUntilIdle();
    }
    state.counters["rows"] = window->v_cash->RecordCount();
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_CashWindowMonthChange)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
