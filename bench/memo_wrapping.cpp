#include <benchmark/benchmark.h>

#include <string>

#include "controls/memo/TZmMemo.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {

// Words of one to twelve letters, one blank between them, 'length' characters in all.
std::string Prose(size_t length)
{
    std::string text;
    text.reserve(length);
    for (unsigned i = 0; text.size() < length; ++i) {
        text.append(1 + (i * 7) % 12, static_cast<char>('a' + i % 26));
        text += ' ';
    }
    text.resize(length);
    return text;
}

// Each benchmark makes its own, as only one application runs at a time.
struct WrapBench {
    THeadlessSession session;
    TForm* form = session.CreateForm<TForm>();
    TZmMemo* memo = CreateOwned<TZmMemo>(*form);

    WrapBench()
    {
        form->SetBounds(0, 0, 1100, 850);
        form->Show();
        memo->SetParent(form);
        memo->SetBounds(0, 0, 1024, 768);
        session.ProcessUntilIdle();
    }
    void Wrapped(const TStringList& text)
    {
        memo->SetWordWrap(TWordWrap::wwNone);
        memo->SetLines(text);
        memo->SetWordWrap(TWordWrap::wwClientWidth);
        memo->ClearUndo();
    }
    void Type(int keys)
    {
        for (int i = 0; i < keys; ++i)
            memo->Perform(WM_CHAR, 'a' + i % 26);
    }
};

// Every fourth line is wider than the window: about 125,000 rows in all.
void BM_TypeKeyInLargeWrappedText(benchmark::State& state)
{
    constexpr int LineCount = 100000;
    constexpr int Keys = 20;
    WrapBench b;
    TStringList text;
    for (int i = 0; i < LineCount; ++i)
        text.Add(i % 4 == 0 ? Prose(180) + " " + std::to_string(i) : "  total := total + " + std::to_string(i) + ";");
    for (auto _ : state) {
        state.PauseTiming();
        b.Wrapped(text);
        b.memo->SetCaret(5, b.memo->Lines().Count() / 2);
        state.ResumeTiming();
        b.Type(Keys);
    }
    state.counters["per_key"] = benchmark::Counter(Keys, benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}
BENCHMARK(BM_TypeKeyInLargeWrappedText)->Unit(benchmark::kMillisecond);

void BM_LoadOneLongLineWrapped(benchmark::State& state)
{
    WrapBench b;
    TStringList text;
    text.Add(Prose(static_cast<size_t>(state.range(0))));
    b.memo->SetWordWrap(TWordWrap::wwClientWidth);
    for (auto _ : state) {
        state.PauseTiming();
        b.memo->Lines().Clear();
        state.ResumeTiming();
        b.memo->SetLines(text);
    }
    state.counters["rows"] = b.memo->Lines().Count();
}
BENCHMARK(BM_LoadOneLongLineWrapped)->Unit(benchmark::kMillisecond)->Arg(400000)->Arg(800000)->Arg(1600000);

// A key typed in the middle of a 400,000-character paragraph.
void BM_TypeKeyInLongWrappedLine(benchmark::State& state)
{
    constexpr int Keys = 5;
    WrapBench b;
    TStringList text;
    text.Add(Prose(400000));
    for (auto _ : state) {
        state.PauseTiming();
        b.Wrapped(text);
        b.memo->CaretToOffset(200000);
        state.ResumeTiming();
        b.Type(Keys);
    }
    state.counters["per_key"] = benchmark::Counter(Keys, benchmark::Counter::kIsIterationInvariantRate |
                                                             benchmark::Counter::kInvert);
}
BENCHMARK(BM_TypeKeyInLongWrappedLine)->Unit(benchmark::kMillisecond);

} // namespace
