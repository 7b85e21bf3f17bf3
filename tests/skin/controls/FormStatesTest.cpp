#include "SkinnedFormKit.h"

#include "platform/controls/TCustomPanel.h"
#include "platform/graphics/TBitmap.h"
#include "skin/engine/TteTimer.h"

using FormStates = SkinnedFormTest;

TEST_F(FormStates, MaximizeRollUpAndRestoreRoundTripAndAVetoingHandlerChangesNothing)
{
    TTeDefaultForm* skin = Skinned();
    skin->Maximize();
    TRect work = Bounds(0, 0, 1024, 768 - 30);
    work.Inflate(4, 4);
    EXPECT_EQ(form->BoundsRect(), work);
    EXPECT_EQ(NcHit(*form, 2, 300), HTCLIENT);
    skin->Restore();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    skin->Rollup();
    EXPECT_EQ(skin->WindowState(), kwsRollup);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 4 + 19 + 4));
    skin->Rollup();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    skin->SetWindowState(kwsMaximized);
    skin->SetWindowState(kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    s.App().SetMainForm(form);
    int asked = 0;
    skin->OnMinimize = [&](TComponent*, bool& callDefault) {
        ++asked;
        callDefault = false;
    };
    skin->OnMaximize = skin->OnMinimize;
    skin->Minimize();
    skin->Maximize();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_FALSE(s.App().Minimized());
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
}

// Rolled up to its caption, the window's bottom-aligned status bar hangs over the caption; the roll-up
// button and a double click on the caption still reach the frame and roll the window down.
TEST_F(FormStates, TheRollUpButtonAndADoubleClickOnTheCaptionRollTheWindowDown)
{
    TTeDefaultForm* skin = Skinned();
    auto* status = CreateOwned<TPanel>(*form);
    status->SetParent(form);
    status->SetHeight(30);
    status->SetAlign(TAlign::alBottom);
    s.ProcessUntilIdle();
    const TRect roll = skin->GetButtonRect(kbiRollup);
    s.Click(100 + roll.Left + 3, 100 + roll.Top + 3);
    ASSERT_EQ(skin->WindowState(), kwsRollup);
    s.Click(100 + roll.Left + 3, 100 + roll.Top + 3);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    s.Click(100 + roll.Left + 3, 100 + roll.Top + 3);
    ASSERT_EQ(skin->WindowState(), kwsRollup);
    s.AdvanceClock(1000);
    s.DoubleClick(100 + 60, 100 + roll.Top + 3);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    // Maximized, rolled up and down, the window is maximized again, and its restore button restores it.
    skin->Maximize();
    const TPoint corner = form->BoundsRect().TopLeft();
    const auto click = [&](int button) {
        const TRect r = skin->GetButtonRect(button);
        s.Click(corner.X + r.Left + 3, corner.Y + r.Top + 3);
    };
    click(kbiRollup);
    ASSERT_EQ(skin->WindowState(), kwsRollup);
    click(kbiRollup);
    ASSERT_EQ(skin->WindowState(), kwsMaximized);
    click(kbiMaximize);
    EXPECT_EQ(skin->WindowState(), kwsNormal);
}

// The window manager's maximize is the frame's own, taken once: maximized into the area the
// manager gave, the frame keeps the normal bounds, which the manager's restore brings back.
TEST_F(FormStates, TheWindowManagersMaximizeAndRestoreAreTheFramesOwn)
{
    TTeDefaultForm* skin = Skinned();
    const TRect work = Bounds(0, 0, 1024, 768 - 30);
    s.Screen().ManagerMaximize(form->NativeWindow());
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    EXPECT_EQ(form->BoundsRect(), work);
    EXPECT_EQ(NcHit(*form, 2, 100), HTCLIENT);
    s.Screen().ManagerRestore(form->NativeWindow());
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    skin->Maximize();
    s.Screen().ManagerMaximize(form->NativeWindow());
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    EXPECT_EQ(form->BoundsRect(), work);
    skin->Restore();
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
}

TEST_F(FormStates, TheMainWindowMinimizesOnceAndStaysMinimized)
{
    TTeDefaultForm* skin = Skinned();
    s.App().SetMainForm(form);
    s.App().ActivateForm(form);
    s.ProcessUntilIdle();
    int minimizes = 0;
    s.App().AddOnMinimize([&](TComponent*) { ++minimizes; });
    const TRect min = skin->GetButtonRect(kbiMinimize);
    s.Click(100 + min.Left + 3, 100 + min.Top + 3);
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(s.App().Minimized());
    EXPECT_TRUE(s.Screen().IsWindowMinimized(form->NativeWindow()));
    EXPECT_EQ(minimizes, 1);

    s.App().Restore();
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    EXPECT_FALSE(s.Screen().IsWindowMinimized(form->NativeWindow()));
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));

    // A minimize command from outside runs the action once; the form's own handling adds nothing.
    s.App().SendMessage(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE);
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(s.App().Minimized());
    EXPECT_EQ(minimizes, 2);

    // The manager's report of a minimize, read only after the manager gave the window back, leaves
    // the window as the manager has it; its report of the restore follows.
    s.App().Restore();
    auto managerReports = [&](TBackendEventKind kind) {
        TBackendEvent report;
        report.Kind = kind;
        report.Window = form->NativeWindow();
        s.Screen().Push(report);
    };
    managerReports(TBackendEventKind::Minimized);
    s.ProcessUntilIdle();
    EXPECT_TRUE(s.App().Minimized());
    EXPECT_FALSE(s.Screen().IsWindowMinimized(form->NativeWindow()));
    managerReports(TBackendEventKind::Restored);
    s.ProcessUntilIdle();
    EXPECT_FALSE(s.App().Minimized());

    // Maximized, minimized and brought back, it is maximized again; restored, it is normal where it was.
    skin->Maximize();
    s.App().Minimize();
    s.App().Restore();
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsMaximized);
    skin->Restore();
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
}

TEST_F(FormStates, TheCloseButtonOfAModalFormCancelsIt)
{
    TForm* owner = nullptr;
    MakeSkinned(owner, Bounds(0, 0, 500, 400));
    s.App().SetMainForm(owner);
    TForm* dialog = s.CreateForm<TForm>();
    auto* skin = CreateOwned<TTeDefaultForm>(*dialog);
    dialog->BeginLoading();
    dialog->SetBoundsRect(Bounds(100, 100, 300, 200));
    dialog->EndLoading();
    s.WhenModal([&](TCustomForm&) {
        const TRect close = skin->GetButtonRect(kbiClose);
        s.Click(dialog->Left() + close.Left + 3, dialog->Top() + close.Top + 3);
    });
    EXPECT_EQ(dialog->ShowModal(), 2);
}

TEST_F(FormStates, TheTrayIconIsAddedBeforeTheWindowHidesAndADoubleClickBringsItBack)
{
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned<TTeDefaultForm>(form, Bounds(100, 100, 300, 200), [](TTeDefaultForm& f) {
        f.SetMinimizeApplication(false);
        f.SetCaption("Kas harian");
    });
    skin->MinimizeToTray();
    ASSERT_EQ(s.TrayCalls().size(), 1u);
    EXPECT_EQ(s.TrayCalls()[0].Action, TTrayAction::Add);
    EXPECT_EQ(s.TrayCalls()[0].Tip, "Kas harian");
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(skin->WindowState(), kwsTray);

    s.TrayMouse(s.TrayCalls()[0], WM_LBUTTONDBLCLK);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    ASSERT_EQ(s.TrayCalls().size(), 2u);
    EXPECT_EQ(s.TrayCalls()[1].Action, TTrayAction::Delete);
    EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
}

TEST_F(FormStates, WithoutATrayTheWindowMinimizesInsteadOfHiding)
{
    TTeDefaultForm* skin = Skinned();
    s.App().SetMainForm(form);
    s.App().TrayService = nullptr;
    EXPECT_FALSE(skin->HasIcon(kbiTray));
    EXPECT_TRUE(skin->GetButtonRect(kbiTray).IsEmpty());
    skin->MinimizeToTray();
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(skin->WindowState(), kwsMinimized);
    EXPECT_TRUE(s.App().Minimized());
}

TEST_F(FormStates, AStoredStateIsAppliedAfterTheFirstQueuePass)
{
    TForm* form = s.CreateForm<TForm>();
    auto* skin = CreateOwned<TTeDefaultForm>(*form);
    form->BeginLoading();
    form->SetBoundsRect(Bounds(100, 100, 300, 200));
    skin->SetWindowState(kwsRollup);
    form->EndLoading();
    EXPECT_EQ(skin->WindowState(), kwsNormal);
    form->Show();
    s.ProcessUntilIdle();
    EXPECT_EQ(skin->WindowState(), kwsRollup);
    EXPECT_EQ(form->Height(), 27);
}

namespace {
// Ten frames of 10 ms for a transition of 100 ms, counted as they are shown.
struct FrameCounter {
    int64_t now = 0;
    int reads = 0;
    TteCounter previous = SetTimerCounter({[this] {
                                               if (++reads > 2 && reads % 2 == 0)
                                                   now += 10;
                                               return now;
                                           },
                                           1000});
    ~FrameCounter() { SetTimerCounter(previous); }
};
} // namespace

TEST_F(FormStates, TheShowAnimationRunsOnceAndEndsOnTheFormsOwnPixels)
{
    FrameCounter counter;
    s.App().SetAnimationsEnabled(true);
    TForm* form = nullptr;
    TTeDefaultForm* skin = MakeSkinned<TTeDefaultForm>(form, Bounds(100, 100, 300, 200), [](TTeDefaultForm& f) {
        f.Animation().SetEffectKind("[ FADE ] - SlideRectOut");
        f.Animation().SetTime(100);
        f.Animation().SetEnabled(true);
    });
    EXPECT_GT(counter.reads, 10);
    TBitmap own;
    skin->ComposeWindow(own);
    for (TPoint p : {TPoint{0, 0}, TPoint{5, 5}, TPoint{150, 100}, TPoint{299, 199}})
        EXPECT_EQ(s.WindowColor(*form, p.X, p.Y), own.ColorAt(p.X, p.Y));
    const int reads = counter.reads;
    form->Invalidate();
    form->InvalidateFrame();
    s.ProcessUntilIdle();
    EXPECT_EQ(counter.reads, reads);
}
