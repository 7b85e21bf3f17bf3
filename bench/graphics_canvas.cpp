#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

constexpr double kFrame60HzSeconds = 1.0 / 60.0;

void BM_FillRect(benchmark::State& state) {
    TBitmap b(1024, 768);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clBtnFace);
    for (auto _ : state) c.FillRect(Rect(10, 10, 210, 30));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillRect)->MinTime(0.1);

void BM_FrameRect(benchmark::State& state) {
    TBitmap b(1024, 768);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clBtnShadow);
    for (auto _ : state) c.FrameRect(Rect(10, 10, 210, 30));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FrameRect)->MinTime(0.1);

void BM_Rectangle(benchmark::State& state) {
    TBitmap b(1024, 768);
    TCanvas& c = b.Canvas();
    for (auto _ : state) c.Rectangle(10, 10, 210, 30);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Rectangle)->MinTime(0.1);

void BM_TextRuns1000(benchmark::State& state) {
    TBitmap b(1024, 768);
    TCanvas& c = b.Canvas();
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-11);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i) c.TextOut((i % 10) * 100, (i / 10) % 48 * 16, "Kas Besar");
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_TextRuns1000)->MinTime(0.1)->Unit(benchmark::kMillisecond);

// A 1024x768 screen of grid cells: 48 rows of 10 clipped, opaque cells, as the grid draws them.
void BM_ScreenOfText(benchmark::State& state) {
    TBitmap b(1024, 768);
    TCanvas& c = b.Canvas();
    c.Font().SetName("MS Sans Serif");
    c.Font().SetHeight(-11);
    c.Brush().SetColor(clWindow);
    const std::string cells[] = {"1.01.001", "Kas", "12,345,678.00", "2026-12-06", "Pembelian"};
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int row = 0; row < 48; ++row)
            for (int col = 0; col < 10; ++col) {
                const TRect cell = Bounds(col * 102, row * 16, 101, 15);
                c.TextRect(cell, cell.Left + 2, cell.Top + 1, cells[(row + col) % 5]);
            }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double frame = state.iterations() ? seconds / static_cast<double>(state.iterations()) : 0.0;
    state.counters["frame_ms"] = frame * 1000.0;
    state.counters["share_of_60Hz_frame"] = frame / kFrame60HzSeconds;
}
BENCHMARK(BM_ScreenOfText)->MinTime(0.2)->Unit(benchmark::kMillisecond);

void BM_Blit1024x768(benchmark::State& state) {
    TBitmap src(1024, 768), dst(1024, 768);
    src.Fill(0xFF336699u);
    for (auto _ : state) dst.Canvas().Draw(0, 0, src);
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}
BENCHMARK(BM_Blit1024x768)->MinTime(0.1)->Unit(benchmark::kMillisecond);

}  // namespace
