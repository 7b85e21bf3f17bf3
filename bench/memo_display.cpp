#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmMemo.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {

constexpr int LineCount = 100000;

// Program-like text: keywords, strings, numbers, comments over several lines, links and long lines.
std::string GeneratedLine(int i)
{
    switch (i % 10) {
    case 0: return "begin total := total + " + std::to_string(i) + "; // running sum";
    case 1: return "  name := 'entry " + std::to_string(i) + "'; value := 0x1F + 3.25;";
    case 2: return "  /* a comment that opens here";
    case 3: return "     and closes on this line */ end;";
    case 4: return "  see http://example.org/page" + std::to_string(i) + " for the rules";
    case 5: return std::string(150, 'w') + " a line longer than the window is wide " + std::to_string(i);
    default: return "  if count > " + std::to_string(i % 97) + " then count := count - 1;";
    }
}

// Each benchmark makes its own, as only one application runs at a time.
struct MemoBench {
    THeadlessSession session;
    TForm* form = session.CreateForm<TForm>();
    TZmCustomMemoStyler* styler = CreateOwned<TZmCustomMemoStyler>(*form);
    TZmMemo* memo = CreateOwned<TZmMemo>(*form);
    TStringList text;
    TBitmap target{1024, 768};

    MemoBench()
    {
        form->SetBounds(0, 0, 1100, 850);
        form->Show();
        memo->SetParent(form);
        memo->SetBounds(0, 0, 1024, 768);
        styler->MultiCommentLeft = "/*";
        styler->MultiCommentRight = "*/";
        styler->LineComment = "//";
        styler->HexIdentifier = "0x";
        TElementStyle& words = *styler->ElementStyles().Add();
        for (const char* word : {"begin", "end", "if", "then"})
            words.KeyWords().Add(word);
        TElementStyle& quotes = *styler->ElementStyles().Add();
        quotes.SetStyleType(TStyleType::stBracket);
        quotes.SetBracketStart(U'\'');
        quotes.SetBracketEnd(U'\'');
        TElementStyle& symbols = *styler->ElementStyles().Add();
        symbols.SetStyleType(TStyleType::stSymbol);
        symbols.SetSymbols(U";:=+-");
        memo->SetSyntaxStyles(styler);
        for (int i = 0; i < LineCount; ++i)
            text.Add(GeneratedLine(i));
        memo->SetLines(text);
        session.ProcessUntilIdle();
    }
    void Paint() { memo->PaintTo(target.Canvas(), 0, 0); }
};


void BM_RepaintAtTop(benchmark::State& state)
{
    MemoBench b;
    b.memo->SetTopLine(0);
    b.Paint();
    for (auto _ : state)
        b.Paint();
}
BENCHMARK(BM_RepaintAtTop)->Unit(benchmark::kMillisecond);

void BM_JumpToMiddleCold(benchmark::State& state)
{
    MemoBench b;
    for (auto _ : state) {
        state.PauseTiming();
        b.memo->Lines().DropLexStates(0);
        b.memo->SetTopLine(0);
        b.Paint();
        state.ResumeTiming();
        b.memo->SetTopLine(LineCount / 2);
        b.Paint();
    }
}
BENCHMARK(BM_JumpToMiddleCold)->Unit(benchmark::kMillisecond);

void BM_PageDownWarm(benchmark::State& state)
{
    MemoBench b;
    const int rows = b.memo->VisibleRows();
    for (auto _ : state) {
        state.PauseTiming();
        b.memo->SetTopLine(LineCount / 2);
        b.Paint();
        state.ResumeTiming();
        b.memo->SetTopLine(LineCount / 2 + rows);
        b.Paint();
    }
}
BENCHMARK(BM_PageDownWarm)->Unit(benchmark::kMillisecond);

void BM_AssignLines(benchmark::State& state)
{
    MemoBench b;
    for (auto _ : state)
        b.memo->SetLines(b.text);
}
BENCHMARK(BM_AssignLines)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state)
{
    MemoBench b;
    const std::string path = (std::filesystem::temp_directory_path() / "bench_memo_lines.txt").string();
    b.text.SaveToFile(path);
    for (auto _ : state)
        b.memo->Lines().LoadFromFile(path);
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

void BM_RewrapAtNewWidth(benchmark::State& state)
{
    MemoBench b;
    b.memo->SetWordWrap(TWordWrap::wwClientWidth);
    bool narrow = false;
    for (auto _ : state) {
        narrow = !narrow;
        b.memo->SetBounds(0, 0, narrow ? 700 : 1024, 768);
    }
    b.memo->SetWordWrap(TWordWrap::wwNone);
}
BENCHMARK(BM_RewrapAtNewWidth)->Unit(benchmark::kMillisecond);

} // namespace
