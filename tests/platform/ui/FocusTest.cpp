#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TScreen.h"
#include "UiTestControls.h"

namespace {
struct PanelForm {
    explicit PanelForm(THeadlessSession& s) : form(s.CreateForm<TForm>())
    {
        form->SetBounds(50, 50, 400, 300);
        panel = Place<TTestPanel>(form, "Panel1", 10, 10);
        inner1 = Place<TTestEdit>(panel, "Inner1", 5, 5, &log);
        inner2 = Place<TTestEdit>(panel, "Inner2", 5, 40, &log);
        outside = Place<TTestEdit>(form, "Outside", 10, 150, &log);
        panel->OnEnter = [this](TComponent*) { log.push_back("Enter Panel1"); };
        panel->OnExit = [this](TComponent*) { log.push_back("Exit Panel1"); };
        form->Show();
        s.ProcessUntilIdle();
        log.clear();
    }
    TForm* form;
    TEventLog log;
    TTestPanel* panel;
    TTestEdit* inner1;
    TTestEdit* inner2;
    TTestEdit* outside;
};

// Each test starts with the session and its form.
class PanelFormTest : public ::testing::Test {
protected:
    THeadlessSession s;
    PanelForm f{s};
};
using Focus = PanelFormTest;
} // namespace

TEST_F(Focus, ShowingAFormFocusesItsFirstTabStop)
{
    EXPECT_TRUE(f.inner1->Focused());
    EXPECT_EQ(Screen->ActiveControl(), f.inner1);
    EXPECT_EQ(Screen->ActiveForm(), f.form);
    EXPECT_TRUE(s.App().Active());
}

TEST_F(Focus, OnlyLeavingOrEnteringAContainerExitsOrEntersIt)
{
    intptr_t gaining = -1;
    {
        TMessageSpy spy(*f.inner1, [&](TMessage& m, bool&) {
            if (m.Msg == WM_KILLFOCUS)
                gaining = m.WParam;
        });
        f.inner2->SetFocus();
    }
    EXPECT_EQ(gaining, static_cast<intptr_t>(f.inner2->Handle()));
    EXPECT_EQ(f.log, (TEventLog{"Exit Inner1", "Enter Inner2"}));
    f.log.clear();
    f.outside->SetFocus();
    EXPECT_EQ(f.log, (TEventLog{"Exit Inner2", "Exit Panel1", "Enter Outside"}));
    f.log.clear();
    f.inner2->SetFocus();
    EXPECT_EQ(f.log, (TEventLog{"Exit Outside", "Enter Panel1", "Enter Inner2"}));
}

TEST_F(Focus, AContainerExitHandlerMayMoveTheFocusBackAndTheClickThatCausedItIsDropped)
{
    f.panel->OnExit = [&](TComponent*) {
        f.log.push_back("Exit Panel1");
        f.inner2->SetFocus();
    };
    f.outside->SetFocus();
    EXPECT_TRUE(f.inner2->Focused());
    EXPECT_EQ(f.form->ActiveControl(), f.inner2);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Enter Outside"), 0);
    auto* button = Place<TTestButton>(f.form, "Button1", 250, 150);
    f.panel->OnExit = [&](TComponent*) {
        s.App().MessageBox("Not balanced", "Bukura", MB_OK);
        f.inner2->SetFocus();
    };
    s.ClickControl(*button);
    EXPECT_EQ(button->Clicks, 0);
    EXPECT_TRUE(f.inner2->Focused());
    ASSERT_EQ(s.MessageBoxes().size(), 1u);
    s.ClickControl(*f.outside);
    EXPECT_TRUE(f.inner2->Focused());

    // The button let go while the box is up: the release ends that click, the next one counts.
    const TPoint at = s.ScreenPointOf(*button);
    f.panel->OnExit = [&](TComponent*) {
        s.MouseUp(at.X, at.Y);
        s.App().MessageBox("Not balanced", "Bukura", MB_OK);
        f.inner2->SetFocus();
    };
    s.MouseDown(at.X, at.Y);
    EXPECT_EQ(button->Clicks, 0);
    f.panel->OnExit = nullptr;
    s.ClickControl(*button);
    EXPECT_EQ(button->Clicks, 1);
}

TEST_F(Focus, DisabledOrHiddenControlsHandTheFocusToTheFormAndRefuseIt)
{
    f.inner1->SetEnabled(false);
    EXPECT_EQ(s.App().FocusedWindow(), f.form);
    EXPECT_EQ(f.log, (TEventLog{"Exit Inner1", "Exit Panel1"}));
    s.TypeText("ab");
    EXPECT_TRUE(f.inner1->Typed.empty());

    f.inner1->SetEnabled(true);
    f.inner2->SetFocus();
    f.panel->SetEnabled(false);
    EXPECT_EQ(s.App().FocusedWindow(), f.form);
    s.TypeText("cd");
    EXPECT_TRUE(f.inner2->Typed.empty());

    f.panel->SetEnabled(true);
    f.inner1->SetFocus();
    f.inner1->SetVisible(false);
    EXPECT_FALSE(f.inner1->Focused());
    EXPECT_EQ(s.App().FocusedWindow(), f.form);
    // Hidden or disabled targets are left alone without error.
    f.inner2->SetVisible(false);
    EXPECT_FALSE(f.inner2->CanFocus());
    EXPECT_NO_THROW(f.inner2->SetFocus());
    f.outside->SetEnabled(false);
    EXPECT_FALSE(f.outside->CanFocus());
    EXPECT_NO_THROW(f.outside->SetFocus());
    f.panel->SetEnabled(false);
    f.inner2->SetVisible(true);
    EXPECT_FALSE(f.inner2->CanFocus());
}

TEST_F(Focus, ReCreatingTheFocusedWindowKeepsTheFocusWithoutExitOrEnter)
{
    f.panel->RecreateWnd();
    EXPECT_TRUE(f.inner1->Focused());
    EXPECT_TRUE(f.log.empty());
    s.TypeText("x");
    EXPECT_EQ(f.inner1->Typed, U"x");
}

TEST_F(Focus, FocusOnAnInactiveFormIsRememberedUntilItIsActivated)
{
    int activations = 0;
    f.form->OnActivate = [&](TComponent*) { ++activations; };
    TForm* other = s.CreateForm<TForm>();
    auto* e = Place<TTestEdit>(other, "Other", 10, 10);
    auto* e2 = Place<TTestEdit>(other, "Other2", 10, 40);
    other->Show();
    EXPECT_TRUE(e->Focused());
    f.form->SetFocus();
    EXPECT_TRUE(f.inner1->Focused());
    other->SetActiveControl(e2);
    other->SetFocus();
    EXPECT_TRUE(e2->Focused());
    f.form->SetFocus();
    EXPECT_EQ(activations, 2);
}

TEST_F(Focus, EveryControlOfTheFormHearsWhichControlGainedTheFocus)
{
    class TWatcher : public TTestPanel {
    public:
        using TTestPanel::TTestPanel;
        std::vector<intptr_t> Heard;

    protected:
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_FOCUSCHANGED)
                Heard.push_back(m.LParam);
            TTestPanel::WndProc(m);
        }
    };
    auto* watcher = Place<TWatcher>(f.panel, "Watcher", 100, 5);
    f.outside->SetFocus();
    f.inner2->SetFocus();
    EXPECT_EQ(watcher->Heard, (std::vector<intptr_t>{reinterpret_cast<intptr_t>(f.outside), reinterpret_cast<intptr_t>(f.inner2)}));
}

TEST_F(Focus, AnotherProgramTakingTheFocusOnlyDimsTheActiveFormsFrame)
{
    std::vector<intptr_t> ncActive;
    TMessageSpy spy(*f.form, [&](TMessage& m, bool&) {
        if (m.Msg == WM_NCACTIVATE)
            ncActive.push_back(m.WParam);
    });
    int activations = 0;
    f.form->OnActivate = [&](TComponent*) { ++activations; };
    TBackendEvent e;
    e.Kind = TBackendEventKind::Deactivated;
    e.Window = f.form->NativeWindow();
    s.Screen().Push(e);
    e.Kind = TBackendEventKind::Activated;
    s.Screen().Push(e);
    s.ProcessUntilIdle();
    EXPECT_EQ(ncActive, (std::vector<intptr_t>{0, 1}));
    EXPECT_EQ(s.App().ActiveTopForm(), f.form);
    EXPECT_TRUE(f.inner1->Focused());
    EXPECT_EQ(activations, 0);
}

// The window system reports activations late. Followed without being asked for again, the late
// reports of two windows activated one after the other settle on the last one; asked for again,
// each report would make the system report the other window once more, for ever.
TEST_F(Focus, LateActivationsFromTheSystemAreFollowedWithoutBeingAskedForAgain)
{
    TForm* other = ShowForm(s, 500, 300, 200, 80);
    ASSERT_EQ(s.Screen().ActiveWindow(), other->NativeWindow());
    TBackendEvent report;
    report.Kind = TBackendEventKind::Activated;
    for (TForm* form : {f.form, other}) {
        report.Window = form->NativeWindow();
        s.Screen().Push(report);
    }
    // The system reports each window it is asked to activate.
    TNativeWindow asked = other->NativeWindow();
    int reportsAnswered = 0;
    for (int step = 0; step < 50 && s.App().ProcessMessage(); ++step) {
        if (s.Screen().ActiveWindow() == asked)
            continue;
        asked = s.Screen().ActiveWindow();
        report.Window = asked;
        s.Screen().Push(report);
        ++reportsAnswered;
    }
    EXPECT_EQ(reportsAnswered, 0);
    EXPECT_EQ(s.App().ActiveTopForm(), other);
    EXPECT_EQ(s.Screen().ActiveWindow(), other->NativeWindow());
}
