#include <benchmark/benchmark.h>

#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"

namespace {

// The engine's units under the skinned controls, on a headless screen of 1024 x 768.
struct EngineSession {
    THeadlessSession session;
    EngineSession()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeEffect();
        session.App().SetAnimationsEnabled(false);
    }
    ~EngineSession()
    {
        StopTeEffect();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

void BM_SkinnedControlsStartAndStop(benchmark::State& state)
{
    EngineSession s;
    for (auto _ : state) {
        StartTeControls();
        StopTeControls();
    }
}
BENCHMARK(BM_SkinnedControlsStartAndStop)->Unit(benchmark::kMillisecond);

} // namespace
