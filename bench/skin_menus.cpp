#include <benchmark/benchmark.h>

#include <string>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TTePopupView.h"
#include "skin/controls/TTePopupWindow.h"
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

// A skinned window with a bar whose one item drops down 30 rows.
struct BarSession : EngineSession {
    TForm* form = nullptr;
    TTeMenuBar* bar = nullptr;
    TTeItem* top = nullptr;
    TPoint item;
    BarSession()
    {
        StartTeControls();
        form = session.CreateForm<TForm>();
        form->BeginLoading();
        form->SetBounds(100, 80, 600, 400);
        auto* skin = CreateOwned<TTeForm>(*form);
        bar = CreateOwned<TTeMenuBar>(*form);
        bar->SetParent(form);
        bar->SetAlign(TAlign::alTop);
        top = CreateOwned<TTeItem>(*form);
        top->SetCaption("&Transaction");
        bar->Items()->Add(top);
        for (int i = 0; i < 30; ++i) {
            auto* row = CreateOwned<TTeItem>(*form);
            row->SetCaption("Voucher " + std::to_string(i));
            top->Add(row);
        }
        skin->SetMenuBar(bar);
        form->EndLoading();
        form->Show();
        session.ProcessUntilIdle();
        const TRect r = bar->View().GetItemRect(top);
        item = bar->ClientToScreen({r.Left + 5, r.Top + 5});
    }
    ~BarSession()
    {
        TComponent::Free(form);
        session.ProcessUntilIdle();
        StopTeControls();
    }
    // A click on the bar's item, 'moves' times Down in the dropdown, then Escape twice.
    void Session(int moves)
    {
        auto& screen = session.Screen();
        screen.MouseDown(item.X, item.Y);
        screen.MouseUp(item.X, item.Y);
        for (int i = 0; i < moves; ++i)
            screen.KeyDown(VK_DOWN);
        screen.KeyDown(VK_ESCAPE);
        screen.KeyDown(VK_ESCAPE);
        session.ProcessUntilIdle();
    }
};

// The whole menu session: the loops, the column's window shown and freed; the keys are queued
// ahead, so the column closes before it is painted.
void BM_ThirtyRowDropdownOpenAndClose(benchmark::State& state)
{
    BarSession s;
    for (auto _ : state)
        s.Session(0);
}
BENCHMARK(BM_ThirtyRowDropdownOpenAndClose)->Unit(benchmark::kMillisecond);

void BM_ThirtyRowDropdownThroughAllRows(benchmark::State& state)
{
    BarSession s;
    for (auto _ : state)
        s.Session(30);
}
BENCHMARK(BM_ThirtyRowDropdownThroughAllRows)->Unit(benchmark::kMillisecond);

// The dropdown's column made, laid out, shown, painted and freed.
void BM_ThirtyRowDropdownColumnShownAndPainted(benchmark::State& state)
{
    BarSession s;
    for (auto _ : state) {
        TComponentPtr<TTePopupWindow> column(Create<TTePopupWindow>());
        column->CreatePopup(s.form, &s.bar->View(), *s.top);
        column->Relayout();
        column->ShowAt(Bounds(110, 120, column->Width(), column->Height()));
        s.session.App().DispatchPaints();
    }
}
BENCHMARK(BM_ThirtyRowDropdownColumnShownAndPainted)->Unit(benchmark::kMillisecond);

// One selection move in the open dropdown, with the repaint of the two rows it changes.
void BM_ThirtyRowDropdownOneMove(benchmark::State& state)
{
    BarSession s;
    TComponentPtr<TTePopupWindow> column(Create<TTePopupWindow>());
    column->CreatePopup(s.form, &s.bar->View(), *s.top);
    column->Relayout();
    column->ShowAt(Bounds(110, 120, column->Width(), column->Height()));
    s.session.ProcessUntilIdle();
    for (auto _ : state) {
        column->View()->SelectNext();
        s.session.App().DispatchPaints();
    }
}
BENCHMARK(BM_ThirtyRowDropdownOneMove)->Unit(benchmark::kMillisecond);

} // namespace
