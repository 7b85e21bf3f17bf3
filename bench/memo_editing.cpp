#include <benchmark/benchmark.h>

#include <string>

#include "controls/memo/TZmMemo.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {

constexpr int LineCount = 10000;
constexpr int Keys = 1000;

// Every fourth line is too long for the window, so word wrap has continuations to rebuild.
// Each benchmark makes its own, as only one application runs at a time.
struct EditBench {
    THeadlessSession session;
    TForm* form = session.CreateForm<TForm>();
    TZmMemo* memo = CreateOwned<TZmMemo>(*form);
    TStringList text;

    EditBench()
    {
        form->SetBounds(0, 0, 1100, 850);
        form->Show();
        memo->SetParent(form);
        memo->SetBounds(0, 0, 1024, 768);
        for (int i = 0; i < LineCount; ++i)
            text.Add(i % 4 == 0 ? std::string(180, 'w') + " " + std::to_string(i)
                                : "  total := total + " + std::to_string(i) + ";");
        session.ProcessUntilIdle();
    }
    void Reset(TWordWrap wrap)
    {
        memo->SetWordWrap(TWordWrap::wwNone);
        memo->SetLines(text);
        memo->SetWordWrap(wrap);
        memo->ClearUndo();
        memo->SetCaret(5, LineCount / 2);
    }
    void Type()
    {
        for (int i = 0; i < Keys; ++i)
            memo->Perform(WM_CHAR, 'a' + i % 26);
    }
};


void TypeIntoTheMiddle(benchmark::State& state, TWordWrap wrap)
{
    EditBench b;
    for (auto _ : state) {
        state.PauseTiming();
        b.Reset(wrap);
        state.ResumeTiming();
        b.Type();
    }
    state.counters["per_key"] = benchmark::Counter(Keys, benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}

void BM_TypeKeys(benchmark::State& state)
{
    TypeIntoTheMiddle(state, TWordWrap::wwNone);
}
BENCHMARK(BM_TypeKeys)->Unit(benchmark::kMillisecond);

void BM_TypeKeysWrapped(benchmark::State& state)
{
    TypeIntoTheMiddle(state, TWordWrap::wwClientWidth);
}
BENCHMARK(BM_TypeKeysWrapped)->Unit(benchmark::kMillisecond);

// The typed run is one record, as typing in one place merges; undo takes all of it back.
void BM_UndoTypedKeys(benchmark::State& state)
{
    EditBench b;
    for (auto _ : state) {
        state.PauseTiming();
        b.Reset(TWordWrap::wwNone);
        b.Type();
        state.ResumeTiming();
        while (b.memo->CanUndo())
            b.memo->Undo();
    }
}
// Each run types its thousand keys first, untimed; a few runs are enough.
BENCHMARK(BM_UndoTypedKeys)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
