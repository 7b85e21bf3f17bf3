// The data grid over a generated table of eight columns (text, date and money), filling a
// 1024x768 form: a full repaint, and paging through the rows.
#include <string>

#include <benchmark/benchmark.h>

#include "controls/grid/TZgDBGrid.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

std::string JournalTable(int64_t rows)
{
    return "create table jurnal (no_vouc text(10), tgl date, ket text(40), kode_akun text(10), nama_akun text(30),"
           " debet currency, kredit currency, saldo currency);"
           "with recursive n(i) as (select 1 union all select i + 1 from n where i < " +
        std::to_string(rows) +
        ") insert into jurnal select printf('V%06d', i), date('2024-01-01', '+' || (i % 365) || ' days'),"
        " 'Penerimaan kas nomor ' || i, printf('1%03d', i % 250), 'Akun ' || (i % 250),"
        " (i % 977) * 1250.25, (i % 13) * 310.5, i * 17.75 from n;";
}

// One shown form with the grid over the table; the data set holds every row in memory.
struct GridOnAForm {
    explicit GridOnAForm(int64_t rows) : database(JournalTable(rows)), db(database)
    {
        form = session.CreateForm<TForm>();
        form->SetBounds(0, 0, 1024, 768);
        form->Show();
        table = CreateOwned<TADOTable>(*form);
        table->SetConnection(&db.connection);
        table->SetTableName("jurnal");
        source = CreateOwned<TDataSource>(*form);
        source->SetDataSet(table);
        grid = CreateOwned<TZgDBGrid>(*form);
        grid->SetParent(form);
        grid->SetAlign(TAlign::alClient);
        grid->SetDataSource(source);
        table->Open();
        session.ProcessUntilIdle();
    }

    THeadlessSession session;
    TestDatabase database;
    Connected db;
    TForm* form = nullptr;
    TADOTable* table = nullptr;
    TDataSource* source = nullptr;
    TZgDBGrid* grid = nullptr;
};

void BM_GridFullRepaint(benchmark::State& state)
{
    GridOnAForm f(state.range(0));
    f.table->MoveBy(static_cast<int>(state.range(0) / 2));
    f.session.ProcessUntilIdle();
    for (auto _ : state) {
        f.grid->Invalidate();
        f.grid->Update();
    }
    state.counters["rows_shown"] = f.grid->VisibleRowCount();
}
BENCHMARK(BM_GridFullRepaint)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// PgDn moves the record by the rows shown, through the buffered records, and repaints.
void BM_Grid100PageSteps(benchmark::State& state)
{
    GridOnAForm f(state.range(0));
    f.grid->SetFocus();
    f.session.ProcessUntilIdle();
    for (auto _ : state) {
        state.PauseTiming();
        f.table->First();
        f.session.ProcessUntilIdle();
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i)
            f.session.PressKey(VK_NEXT);
    }
    state.counters["last_record"] = f.table->RecNo();
}
BENCHMARK(BM_Grid100PageSteps)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
