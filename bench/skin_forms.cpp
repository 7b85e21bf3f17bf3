#include <benchmark/benchmark.h>

#include <string>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeCheckBox.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeLabel.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"

namespace {

// The skinned units of the program, on a headless screen of 1024 x 768.
struct SkinnedSession {
    THeadlessSession session;
    SkinnedSession()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeControls();
        session.App().SetAnimationsEnabled(false);
    }
    ~SkinnedSession()
    {
        session.ProcessUntilIdle();
        StopTeControls();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }

    TTeForm* Form(TForm*& form, const TRect& bounds)
    {
        form = session.CreateForm<TForm>();
        form->SetCaption("Jurnal Umum");
        auto* skin = CreateOwned<TTeForm>(*form);
        form->BeginLoading();
        form->SetBoundsRect(bounds);
        form->EndLoading();
        form->Show();
        session.ProcessUntilIdle();
        return skin;
    }
};

// A maximized data-entry form: frame, background and 50 skinned buttons, check boxes and labels.
void BM_MaximizedSkinnedFormFullRepaint(benchmark::State& state)
{
    SkinnedSession s;
    TForm* form;
    TTeForm* skin = s.Form(form, Rect(100, 100, 700, 500));
    for (int i = 0; i < 50; ++i) {
        TControl* control;
        if (i % 3 == 0)
            control = CreateOwned<TTeButton>(*form);
        else if (i % 3 == 1)
            control = CreateOwned<TTeCheckBox>(*form);
        else
            control = CreateOwned<TTeLabel>(*form);
        control->SetParent(form);
        control->SetCaption("Akun " + std::to_string(i));
        control->SetBounds(10 + (i % 5) * 200, 10 + (i / 5) * 60, 180, 40);
    }
    skin->Maximize();
    s.session.ProcessUntilIdle();
    for (auto _ : state) {
        form->InvalidateTree();
        s.session.App().DispatchPaints();
    }
}
BENCHMARK(BM_MaximizedSkinnedFormFullRepaint)->Unit(benchmark::kMillisecond);

// One step of dragging the right edge: the size bookkeeping, the new region and the frame repaint.
void BM_SkinnedFormEdgeDragStep(benchmark::State& state)
{
    SkinnedSession s;
    TForm* form;
    s.Form(form, Rect(100, 100, 600, 450));
    const TRect w = form->WindowRect();
    const int x = w.Right - 2;
    const int y = w.Top + w.Height() / 2;
    s.session.MouseDown(x, y);
    int step = 0;
    for (auto _ : state) {
        ++step;
        s.session.MoveTo(x + (step % 50) * 2, y);
    }
    s.session.MouseUp(x, y);
}
BENCHMARK(BM_SkinnedFormEdgeDragStep)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace
