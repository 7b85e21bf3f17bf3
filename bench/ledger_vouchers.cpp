// Saving cash vouchers through the voucher routines into a fresh database file.
#include <unistd.h>

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/Vouchers.h"
#include "platform/core/DateTime.h"
#include "tools/NewDatabase.h"

namespace {

constexpr int VoucherCount = 100000;

void BM_SaveVouchers(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path()
        / ("bukura-bench-vouchers-" + std::to_string(getpid()) + ".db")).string();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        MakeDatabaseFromSchema(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", path);
        TDtModule dm;
        dm.CONN1->SetConnectionString("Data Source=" + path);
        dm.CONN1->Open();
        // The routines' own cost is measured, not the disk's: each save still commits on its own.
        dm.CONN1->Execute("pragma synchronous=off");
        const TDateTime date = EncodeDate(2020, 3, 5);
        state.ResumeTiming();

        for (int i = 0; i < VoucherCount; ++i) {
            const std::string serial = std::to_string(i);
            const std::string key = "2020030509-" + serial;
            const std::string number = PadNumber3(i + 1);
            const std::string amount = SqlNumber(Variant(1000.0 + i % 977 * 0.25));
            SaveVoucher(dm, {key, "1" + number, date, amount, "Setoran kas ke-" + serial, "10"},
                {{"1", "3", "1110", "Kas", amount, "0"}, {"2", "6", "4110", "Pendapatan", "0", amount}});
        }

        state.PauseTiming();
        dm.CONN1->Close();
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
    state.counters["vouchers_per_second"] =
        benchmark::Counter(static_cast<double>(VoucherCount) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_SaveVouchers)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
