#include <benchmark/benchmark.h>

#include <memory>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteProcList.h"
#include "skin/engine/TteTransitionFrames.h"

namespace {

constexpr int W = 1024, H = 768;

// The engine's units for one benchmark, stopped after it so that the next one, in this file or
// another of the binary, starts its own.
struct Units {
    Units()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeEffect();
    }
    ~Units()
    {
        StopTeEffect();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

// A screen-sized image with some of everything: opaque, half-transparent and key pixels.
std::unique_ptr<TteBitmap> Picture(bool alpha, bool key)
{
    auto b = std::make_unique<TteBitmap>();
    b->SetSize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            b->SetPixel(x, y, ((x + y) % 7 == 0 && key) ? KeyColor
                              : (0xFF000000u - (alpha ? uint32_t((x * 3) & 0xFF) << 24 : 0)) | uint32_t(x * 40503u + y));
    b->SetAlphaBlend(alpha);
    b->SetTransparent(key);
    return b;
}

void IntoBitmap(benchmark::State& state, bool alpha, bool key)
{
    Units units;
    auto src = Picture(alpha, key);
    TteBitmap dst;
    dst.SetSize(W, H);
    for (auto _ : state) {
        src->DrawToBitmapAt(dst, 0, 0);
        benchmark::DoNotOptimize(dst.Bits());
    }
}
void BM_BlendIntoBitmap(benchmark::State& s) { IntoBitmap(s, true, false); }
void BM_KeyIntoBitmap(benchmark::State& s) { IntoBitmap(s, false, true); }
void BM_CopyIntoBitmap(benchmark::State& s) { IntoBitmap(s, false, false); }
BENCHMARK(BM_BlendIntoBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyIntoBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyIntoBitmap)->Unit(benchmark::kMillisecond);

void OntoCanvas(benchmark::State& state, bool alpha, bool key)
{
    Units units;
    auto src = Picture(alpha, key);
    TBitmap screen(W, H);
    for (auto _ : state)
        src->DrawToCanvas(screen.Canvas(), 0, 0);
}
void BM_BlendOntoCanvas(benchmark::State& s) { OntoCanvas(s, true, false); }
void BM_KeyOntoCanvas(benchmark::State& s) { OntoCanvas(s, false, true); }
void BM_CopyOntoCanvas(benchmark::State& s) { OntoCanvas(s, false, false); }
BENCHMARK(BM_BlendOntoCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyOntoCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyOntoCanvas)->Unit(benchmark::kMillisecond);

void BM_ScaledBlendIntoBitmap(benchmark::State& state)
{
    Units units;
    auto src = Picture(true, false);
    TteBitmap dst;
    dst.SetSize(W, H);
    for (auto _ : state)
        src->DrawToBitmap(dst, Rect(0, 0, W, H), Rect(100, 100, 612, 484));
}
BENCHMARK(BM_ScaledBlendIntoBitmap)->Unit(benchmark::kMillisecond);

void BM_TileScreen(benchmark::State& state)
{
    Units units;
    auto src = Picture(false, true);
    TBitmap screen(W, H);
    for (auto _ : state)
        src->Tile(screen.Canvas(), Rect(0, 0, W, H), Rect(0, 0, 37, 23));
}
BENCHMARK(BM_TileScreen)->Unit(benchmark::kMillisecond);

// One frame of an effect at Resolution 1: composing it and drawing it on the screen.
void Frame(benchmark::State& state, const char* effect, int percent)
{
    Units units;
    auto from = Picture(false, false), to = Picture(false, false);
    TBitmap screen(W, H);
    TteAnimationRec animation;
    animation.SetEffect(effect);
    TteTransitionFrames frames(*from, *to, animation, FindEffect(effect));
    for (auto _ : state) {
        frames.Compose(percent);
        frames.Work().DrawToCanvas(screen.Canvas(), 0, 0);
    }
}
void BM_FrameFade(benchmark::State& s) { Frame(s, "Fade", 50); }
void BM_FrameSlideRectOut(benchmark::State& s) { Frame(s, "SlideRectOut", 50); }
void BM_FrameCircleSmoothOut(benchmark::State& s) { Frame(s, "CircleSmoothOut", 50); }
void BM_FramePixelFull(benchmark::State& s) { Frame(s, "Pixel", 100); }
void BM_FramePlasma(benchmark::State& s) { Frame(s, "Plasma", 50); }
void BM_FrameInterlace(benchmark::State& s) { Frame(s, "Interlace", 50); }
void BM_FramePush(benchmark::State& s) { Frame(s, "Push", 50); }
BENCHMARK(BM_FrameFade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameSlideRectOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameCircleSmoothOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePixelFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePlasma)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameInterlace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FramePush)->Unit(benchmark::kMillisecond);

} // namespace
