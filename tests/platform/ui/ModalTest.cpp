#include <gtest/gtest.h>

#include "platform/core/WeakRef.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TUtilityWindow.h"
#include "UiTestControls.h"

namespace {
using Modal = TSessionTest;
using DeferredFree = TSessionTest;
using ProcessMessages = TSessionTest;
using Exceptions = TSessionTest;
} // namespace

TEST_F(Modal, NestedModalLoopsReturnTheirOwnResults)
{
    TForm* main = ShowForm(s);
    TForm* outer = s.CreateForm<TForm>();
    TForm* inner = s.CreateForm<TForm>();
    int innerResult = 0;
    std::vector<int> levels;
    s.WhenModal([&](TCustomForm& form) {
        levels.push_back(s.App().ModalLevel());
        if (&form == outer) {
            innerResult = inner->ShowModal();
            EXPECT_TRUE(outer->Visible());
            form.SetModalResult(mrOk);
        } else {
            EXPECT_EQ(s.App().ModalForm(), inner);
            int answer = s.App().MessageBox("Simpan?", "Bukura", MB_YESNO);
            form.SetModalResult(answer == IDYES ? mrYes : mrNo);
        }
    });
    s.QueueAnswer(IDNO);
    EXPECT_EQ(outer->ShowModal(), mrOk);
    EXPECT_EQ(innerResult, mrNo);
    EXPECT_EQ(levels, (std::vector<int>{1, 2}));
    EXPECT_EQ(s.App().ModalLevel(), 0);
    EXPECT_FALSE(outer->Visible());
    EXPECT_EQ(s.App().ActiveTopForm(), main);

    // Hidden by its handler to make way for a last box, it still gives the activation back.
    s.WhenModal([&](TCustomForm& form) {
        form.SetModalResult(mrOk);
        form.Hide();
        s.App().MessageBox("Selesai", "Bukura", MB_OK);
    });
    s.QueueAnswer(IDOK);
    EXPECT_EQ(outer->ShowModal(), mrOk);
    EXPECT_EQ(s.App().ActiveTopForm(), main);
}

TEST_F(Modal, ZeroModalResultKeepsTheLoopAndCloseGivesCancel)
{
    TForm* dialog = s.CreateForm<TForm>();
    auto* button = Place<TTestButton>(dialog, "Nothing", 10, 10);
    int clicks = 0;
    button->OnClick = [&](TComponent*) {
        ++clicks;
        if (clicks == 1)
            dialog->SetModalResult(mrNone);
        else
            dialog->Close();
    };
    s.WhenModal([&](TCustomForm&) {
        const TPoint p = s.ScreenPointOf(*button);
        QueueClick(s, p);
        QueueClick(s, {p.X, p.Y + 50});
        QueueClick(s, p);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Modal, ShowModalRefusesAVisibleFormAndFailsWithoutScriptedInputInsteadOfHanging)
{
    EXPECT_THROW(ShowForm(s)->ShowModal(), EInvalidOperation);
    TForm* dialog = s.CreateForm<TForm>();
    EXPECT_THROW(dialog->ShowModal(), EHeadlessStall);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(s.App().ModalLevel(), 0);
}

TEST_F(Modal, InputToTheOwnerIsDiscardedWhileADialogRuns)
{
    TForm* main = s.CreateForm<TForm>();
    main->SetBounds(0, 0, 500, 400);
    auto* mainButton = Place<TTestButton>(main, "Main", 10, 10);
    main->Show();
    TForm* dialog = s.CreateForm<TForm>();
    dialog->SetBounds(600, 100, 200, 150);
    auto* ok = Place<TTestButton>(dialog, "OK", 10, 10);
    ok->ModalResult = mrOk;
    s.WhenModal([&](TCustomForm&) {
        QueueClick(s, s.ScreenPointOf(*mainButton));
        s.Screen().KeyDown(VK_RETURN);
        QueueClick(s, s.ScreenPointOf(*ok));
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(mainButton->Clicks, 0);
    s.ClickControl(*mainButton);
    EXPECT_EQ(mainButton->Clicks, 1);

    // A dialog over the button that goes on a press: the release, which comes once it has gone,
    // is no release of the button beneath; the next click there is a click.
    int releases = 0;
    mainButton->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++releases; };
    const TPoint p = s.ScreenPointOf(*mainButton);
    {
        TForm closing(nullptr);
        closing.SetBorderStyle(TFormBorderStyle::bsNone);
        closing.SetBounds(0, 0, 200, 150);
        closing.OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { closing.SetModalResult(mrOk); };
        s.WhenModal([&](TCustomForm&) { s.Screen().MouseDown(p.X, p.Y); });
        EXPECT_EQ(closing.ShowModal(), mrOk);
    }
    s.Screen().MouseUp(p.X, p.Y);
    s.ProcessUntilIdle();
    EXPECT_EQ(releases, 0);
    s.ClickControl(*mainButton);
    EXPECT_EQ(mainButton->Clicks, 2);
    EXPECT_EQ(releases, 1);
}

// A modal form is a dialog of the form that was active, kept above it, and stands alone again
// once its loop is over.
TEST_F(Modal, ADialogBelongsToTheActiveFormWhileItRuns)
{
    TForm* main = ShowForm(s, 0, 0, 500, 400);
    TForm* outer = s.CreateForm<TForm>();
    TForm* inner = s.CreateForm<TForm>();
    std::vector<TNativeWindow> owners;
    s.WhenModal([&](TCustomForm& form) {
        owners.push_back(s.Screen().WindowOwner(form.NativeWindow()));
        if (&form == outer) {
            s.Screen().RaiseWindow(main->NativeWindow(), true);
            EXPECT_EQ(s.Screen().ZOrder().back(), outer->NativeWindow());
            inner->ShowModal();
        }
        form.SetModalResult(mrOk);
    });
    outer->ShowModal();
    EXPECT_EQ(owners, (std::vector<TNativeWindow>{main->NativeWindow(), outer->NativeWindow()}));
    EXPECT_EQ(s.Screen().WindowOwner(outer->NativeWindow()), 0u);
    EXPECT_EQ(s.Screen().WindowOwner(inner->NativeWindow()), 0u);
}

TEST_F(DeferredFree, AFormClosedToBeFreedGoesOnlyWhenItsLoopOrHandlerHasReturned)
{
    ShowForm(s);
    const auto freedOnClose = [&] {
        TForm* form = s.CreateForm<TForm>();
        form->SetBounds(300, 300, 200, 100);
        form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
        return form;
    };
    TForm* dialog = freedOnClose();
    TWeakRef<TForm> ref(dialog);
    s.WhenModal([](TCustomForm& form) { form.SetModalResult(mrOk); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(ref);
    s.ProcessUntilIdle();
    EXPECT_FALSE(ref);

    TForm* form = freedOnClose();
    auto* button = Place<TTestButton>(form, "Close", 10, 10);
    TWeakRef<TForm> own(form);
    bool aliveAfterClose = false;
    button->OnClick = [&](TComponent*) {
        form->Close();
        form->Close();
        s.App().ProcessMessages();
        aliveAfterClose = static_cast<bool>(own);
    };
    form->Show();
    s.ClickControl(*button);
    EXPECT_TRUE(aliveAfterClose);
    EXPECT_FALSE(own);
}

TEST_F(ProcessMessages, ALongLoopRepaintsAndRunsPostedWorkWithoutReenteringItsHandler)
{
    TForm* main = s.CreateForm<TForm>();
    main->SetBounds(0, 0, 400, 300);
    auto* run = Place<TTestButton>(main, "Run", 10, 10);
    auto* label = Place<TTestLabel>(main, "Progress", 10, 100);
    main->Show();
    s.ProcessUntilIdle();
    TForm* wait = s.CreateForm<TForm>();
    wait->SetBounds(500, 300, 200, 80);
    TUtilityWindow worker([&](TMessage& m) {
        if (m.Msg == WM_USER)
            label->SetColor(clLime);
    });
    int entries = 0;
    int active = 0;
    run->OnClick = [&](TComponent*) {
        ++entries;
        ++active;
        EXPECT_EQ(active, 1);
        wait->Show();
        s.App().SetInputGate(wait);
        QueueClick(s, s.ScreenPointOf(*run));
        s.App().PostMessage(worker.Handle(), WM_USER);
        for (int step = 0; step < 3; ++step)
            s.App().ProcessMessages();
        EXPECT_EQ(s.ClientColor(*label, 1, 1), clLime);
        s.App().SetInputGate(nullptr);
        wait->Hide();
        --active;
    };
    s.ClickControl(*run);
    EXPECT_EQ(entries, 1);
}

TEST_F(ProcessMessages, TheGateHoldsOnlyWhileTheWaitWindowShowsAndLetsAQuestionBeAnswered)
{
    TForm* main = s.CreateForm<TForm>();
    auto* button = Place<TTestButton>(main, "Run", 10, 10);
    main->Show();
    TForm* wait = ShowForm(s, 500, 300, 200, 80);
    s.App().SetInputGate(wait);
    s.ClickControl(*button);
    EXPECT_EQ(button->Clicks, 0);

    TForm* question = s.CreateForm<TForm>();
    question->SetBounds(100, 300, 200, 100);
    auto* yes = Place<TTestButton>(question, "Yes", 10, 10);
    yes->ModalResult = mrYes;
    s.WhenModal([&](TCustomForm&) { s.ClickControl(*yes); });
    EXPECT_EQ(question->ShowModal(), mrYes);

    // A click made during the job but still waiting when the gate is lifted goes with it.
    QueueClick(s, s.ScreenPointOf(*button));
    s.App().SetInputGate(nullptr);
    wait->Hide();
    s.ProcessUntilIdle();
    EXPECT_EQ(button->Clicks, 0);
    s.AdvanceClock(1000);
    s.ClickControl(*button);
    EXPECT_EQ(button->Clicks, 1);

    // A close and a quit that come while the gate holds wait until it is lifted; the question's own
    // close is answered at once.
    int closes = 0;
    main->OnClose = [&](TComponent*, TCloseAction&) { ++closes; };
    wait->Show();
    s.App().SetInputGate(wait);
    s.WhenModal([&](TCustomForm&) { s.App().PostMessage(question->Handle(), WM_CLOSE); });
    s.App().PostMessage(main->Handle(), WM_CLOSE);
    s.Screen().RequestClose(main->NativeWindow());
    s.App().Terminate();
    EXPECT_EQ(question->ShowModal(), mrCancel);
    s.ProcessUntilIdle();
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(s.App().Terminated());
    s.App().SetInputGate(nullptr);
    s.ProcessUntilIdle();
    EXPECT_EQ(closes, 2) << "the posted close and the manager's";
    EXPECT_TRUE(s.App().Terminated());
}

TEST_F(Exceptions, AnEscapingExceptionShowsTheErrorBoxOrOnExceptionAndTheLoopCarriesOn)
{
    s.App().SetTitle("Bukura - Free Accounting System");
    TForm* form = s.CreateForm<TForm>();
    auto* button = Place<TTestButton>(form, "Button", 10, 10);
    int clicks = 0;
    button->OnClick = [&](TComponent*) {
        ++clicks;
        if (clicks == 1)
            throw EDatabaseError("Data tidak bisa disimpan");
        Abort();
    };
    form->Show();
    s.ClickControl(*button);
    s.AdvanceClock(1000);
    s.ClickControl(*button);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{"Data tidak bisa disimpan."}));
    EXPECT_EQ(s.MessageBoxes().at(0).Caption, "Bukura - Free Accounting System");
    std::vector<std::string> seen;
    s.App().OnException = [&](TComponent*, const std::exception& e) { seen.push_back(e.what()); };
    TForm* other = s.CreateForm<TForm>();
    other->OnActivate = [](TComponent*) { throw EConvertError("'x' is not a valid integer value"); };
    other->Show();
    s.ProcessUntilIdle();
    EXPECT_EQ(seen, (std::vector<std::string>{"'x' is not a valid integer value"}));
    EXPECT_EQ(s.MessageBoxes().size(), 1u);
}
