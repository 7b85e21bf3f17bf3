#include <benchmark/benchmark.h>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {
class TBenchField : public TCustomControl {
public:
    explicit TBenchField(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clWindow);
        Canvas().FillRect(ClientRect());
        Canvas().TextOut(2, 2, Name());
    }
};

class TBenchLabel : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { Canvas().TextOut(0, 0, Caption()); }
};

// A data-entry form of 200 controls: 100 labels, each with its field.
void BM_FormWith200ControlsOpensPaintsAndCloses(benchmark::State& state)
{
    THeadlessSession session;
    for (auto _ : state) {
        TForm* form = session.CreateForm<TForm>();
        form->SetBounds(0, 0, 900, 700);
        for (int i = 0; i < 100; ++i) {
            const int x = 10 + (i % 4) * 220;
            const int y = 10 + (i / 4) * 26;
            auto* label = CreateOwned<TBenchLabel>(*form);
            label->SetParent(form);
            label->SetBounds(x, y + 3, 80, 16);
            label->SetCaption("Field " + std::to_string(i));
            auto* field = CreateOwned<TBenchField>(*form);
            field->SetName("Field" + std::to_string(i));
            field->SetParent(form);
            field->SetBounds(x + 85, y, 120, 21);
        }
        form->Show();
        session.ProcessUntilIdle();
        form->Close();
        TComponent::Free(form);
        session.ProcessUntilIdle();
    }
}
BENCHMARK(BM_FormWith200ControlsOpensPaintsAndCloses)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace
