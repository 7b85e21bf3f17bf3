#include <benchmark/benchmark.h>

#include "app/StartUp.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeItem.h"

namespace {

// A child window as the ledger's list windows open: skinned frame, freed when closed.
class TChildStandIn : public TLedgerForm {
public:
    explicit TChildStandIn(TComponent* owner) : TLedgerForm(owner, "Daftar")
    {
        SetFormStyle(TFormStyle::fsMDIChild);
        SetClientSize(360, 240);
    }
};

// From the start of the program until the main window is shown, then "LogIn" until the login
// dialog is shown.
void BM_StartProgramAndOpenTheLoginDialog(benchmark::State& state)
{
    for (auto _ : state) {
        THeadlessSession session;
        session.App().SetAnimationsEnabled(false);
        bool dialogShown = false;
        session.WhenModal([&](TCustomForm& form) {
            dialogShown = dynamic_cast<TF_Login*>(&form) != nullptr;
            form.Close();
        });
        StartProgram(session.App());
        session.ProcessUntilIdle();
        F_Main->mn_login->Click();
        session.ProcessUntilIdle();
        if (!dialogShown)
            state.SkipWithError("the login dialog was not shown");
        state.PauseTiming();
        StopProgram();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartProgramAndOpenTheLoginDialog)->Unit(benchmark::kMillisecond);

void BM_MainWindowRepaintWithThreeChildren(benchmark::State& state)
{
    THeadlessSession session;
    session.App().SetAnimationsEnabled(false);
    StartProgram(session.App());
    session.ProcessUntilIdle();
    for (int i = 0; i < 3; ++i) {
        auto* child = CreateOwned<TChildStandIn>(session.App());
        child->SetName("Child" + std::to_string(i));
        child->Show();
    }
    session.ProcessUntilIdle();
    for (auto _ : state) {
        F_Main->InvalidateTree();
        session.App().DispatchPaints();
    }
    StopProgram();
}
BENCHMARK(BM_MainWindowRepaintWithThreeChildren)->Unit(benchmark::kMillisecond);

} // namespace
