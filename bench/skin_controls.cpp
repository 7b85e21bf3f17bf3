#include <benchmark/benchmark.h>

#include <vector>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeCheckBox.h"
#include "skin/controls/TTeLabel.h"
#include "skin/controls/TTeProgressBar.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/formats/TTeFlatTheme.h"
#include "skin/formats/TTeOfficeXPTheme.h"

namespace {

// The program's units on a headless screen, with OfficeXP current or no theme.
struct SkinSession {
    THeadlessSession session;
    explicit SkinSession(bool officeXP)
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        StartTeControls();
        StartThemeFlat();
        StartThemeOfficeXP();
        if (officeXP)
            SetCurrentThemeClass(*FindThemeClass("TTeOfficeXPTheme"));
    }
    ~SkinSession()
    {
        StopThemeOfficeXP();
        StopThemeFlat();
        StopTeControls();
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }
};

template <class T> T* Put(TForm& form, int left, int top, int width, int height)
{
    T* control = CreateOwned<T>(form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
}

// 1024 x 768 holding 50 each of buttons, labels, check boxes and progress bars in 10 columns.
void FullRepaint(benchmark::State& state)
{
    SkinSession skin(state.range(0) != 0);
    const auto mode = static_cast<TTePerformance>(state.range(1));
    auto* form = skin.session.CreateForm<TForm>();
    form->SetBounds(0, 0, 1024, 768);
    std::vector<TTeControl*> windowed;
    std::vector<TTeLabel*> labels;
    for (int i = 0; i < 50; ++i) {
        const int x = 4 + (i % 10) * 102;
        const int y = 4 + (i / 10) * 148;
        auto* button = Put<TTeButton>(*form, x, y, 90, 25);
        button->SetCaption("&Simpan");
        auto* label = Put<TTeLabel>(*form, x, y + 34, 90, 17);
        label->SetCaption("Nama user:");
        auto* box = Put<TTeCheckBox>(*form, x, y + 60, 98, 20);
        box->SetChecked(i % 2 == 0);
        auto* bar = Put<TTeProgressBar>(*form, x, y + 90, 90, 12);
        bar->SetPosition(i * 2);
        windowed.insert(windowed.end(), {button, box, bar});
        labels.push_back(label);
    }
    for (TTeControl* c : windowed)
        c->SetPerformance(mode);
    for (TTeLabel* l : labels)
        l->SetPerformance(mode);
    form->Show();
    skin.session.ProcessUntilIdle();
    for (auto _ : state) {
        form->InvalidateTree();
        skin.session.ProcessUntilIdle();
    }
}
BENCHMARK(FullRepaint)
    ->ArgNames({"officeXP", "performance"})
    ->ArgsProduct({{0, 1}, {tepNoBuffer, tepSharedBuffer, tepDoubleBuffer}})
    ->Unit(benchmark::kMillisecond);

// The posting moves the wait window's bar once per account.
void ProgressStep(benchmark::State& state)
{
    SkinSession skin(true);
    auto* wait = skin.session.CreateForm<TForm>();
    wait->SetBounds(300, 300, 330, 80);
    auto* bar = Put<TTeProgressBar>(*wait, 10, 30, 307, 12);
    bar->SetMax(10000);
    wait->Show();
    skin.session.ProcessUntilIdle();
    int position = 0;
    for (auto _ : state) {
        position = position % 10000 + 1;
        bar->SetPosition(position);
    }
}
BENCHMARK(ProgressStep)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace
