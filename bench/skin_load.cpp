#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/core/Streams.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteBitmap.h"
#include "skin/formats/SeUnits.h"
#include "skin/formats/TSeBitmapObject.h"
#include "skin/formats/TSeSkinFilter.h"
#include "skin/formats/TSeSkinSource.h"
#include "skin/formats/TTeSkinFile.h"

namespace {

// The units the skin objects need, for one benchmark, stopped after it so that the next one, in
// this file or another of the binary, starts its own.
struct Units {
    Units()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartSeSkinObjects();
    }
    ~Units()
    {
        StopSeSkinObjects();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

// 16 images of 128 x 128 with gradients, key pixels and some alpha, and 200 objects: 40 parts
// of five objects each, every one linked to an image.
std::unique_ptr<TSeSkinSource> BenchSkin()
{
    auto skin = std::make_unique<TSeSkinSource>();
    for (int i = 0; i < 16; ++i) {
        auto b = std::make_unique<TteBitmap>();
        b->SetName("image" + std::to_string(i));
        b->SetSize(128, 128);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x)
                b->SetPixel(x, y, (x + y) % 31 == 0 ? KeyColor
                                  : (i % 4 == 0 && x < 16) ? 0x80000000u | uint32_t(x * 8) << 8
                                                            : 0xFF000000u | uint32_t(x * 2 + i) << 16 | uint32_t(y * 2) << 8 | uint32_t(x ^ y));
        skin->Bitmaps().Add(std::move(b));
    }
    for (int part = 0; part < 40; ++part) {
        TComponentPtr<TSeButtonObject> top = Create<TSeButtonObject>();
        top->SetName("Part" + std::to_string(part));
        top->SetBounds(Rect(0, 0, 100, 40));
        top->SetMarginLeft(4);
        top->SetMarginRight(4);
        top->Bitmap().SetName("image" + std::to_string(part % 16));
        top->Bitmap().SetBoundsRect(Rect(0, 0, 64, 32));
        top->BitmapHot().SetName("image" + std::to_string((part + 1) % 16));
        top->BitmapHot().SetBoundsRect(Rect(64, 0, 128, 32));
        for (int c = 0; c < 4; ++c) {
            auto* child = CreateOwned<TSeBitmapObject>(*top);
            child->SetName("Child" + std::to_string(c));
            child->SetAlign(saLeft);
            child->SetBounds(Rect(0, 0, 20, 20));
            child->Bitmap().SetName("image" + std::to_string((part + c) % 16));
            child->Bitmap().SetBoundsRect(Rect(0, 32 * c, 32, 32 * c + 32));
        }
        skin->AddObject(top.release());
    }
    return skin;
}

std::string Image(const TSeSkinFilterClass& kind)
{
    const std::unique_ptr<TSeSkinSource> skin = BenchSkin();
    auto filter = kind.NewFilter();
    filter->SetSource(skin.get());
    TMemoryStream out;
    filter->SaveToStream(out);
    return out.DataString();
}

void Load(benchmark::State& state, const TSeSkinFilterClass& kind)
{
    Units units;
    const std::string image = Image(kind);
    TSeSkinSource skin;
    for (auto _ : state) {
        TMemoryStream in(image);
        auto filter = kind.NewFilter();
        filter->SetSource(&skin);
        filter->LoadFromStream(in);
        benchmark::DoNotOptimize(skin.Count());
    }
    state.counters["bytes"] = static_cast<double>(image.size());
}

// The fresh working copy, its shift and the binding that every load and every delta change runs;
// the argument is the hue shift (the program starts with none).
void BM_SkinFileReset(benchmark::State& state)
{
    Units units;
    TTeSkinFile theme;
    theme.Skin().Assign(*BenchSkin());
    theme.SetDeltaHue(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        theme.Reset();
        benchmark::DoNotOptimize(theme.WorkSkin().Count());
    }
}

void BM_SkinLoadUncompressed(benchmark::State& state) { Load(state, TSeSkinFilterUncompressed::Class()); }
void BM_SkinLoadCompressed(benchmark::State& state) { Load(state, TSeSkinFilterCompressed::Class()); }
void BM_SkinLoadUltraCompressed(benchmark::State& state) { Load(state, TSeSkinFilterUltraCompressed::Class()); }
void BM_SkinLoadMaxCompression(benchmark::State& state) { Load(state, TSeSkinFilterMaxCompression::Class()); }

} // namespace

BENCHMARK(BM_SkinLoadUncompressed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinLoadCompressed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinLoadUltraCompressed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinLoadMaxCompression)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkinFileReset)->Arg(0)->Arg(30)->Unit(benchmark::kMillisecond);
