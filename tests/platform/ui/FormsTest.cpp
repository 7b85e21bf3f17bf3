#include <gtest/gtest.h>

#include "platform/core/WeakRef.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TScreen.h"
#include "UiTestControls.h"

namespace {
using Forms = TSessionTest;
} // namespace

TEST_F(Forms, OnShowRunsBeforeTheWindowIsVisibleOnEveryShow)
{
    TForm* form = s.CreateForm<TForm>();
    std::vector<bool> visibleDuringShow;
    form->OnShow = [&](TComponent*) {
        visibleDuringShow.push_back(s.Screen().IsWindowVisible(form->NativeWindow()));
    };
    form->Show();
    form->Hide();
    form->Show();
    EXPECT_EQ(visibleDuringShow, (std::vector<bool>{false, false}));
    EXPECT_TRUE(s.Screen().IsWindowVisible(form->NativeWindow()));
}

TEST_F(Forms, TheFirstFormCreatedIsTheMainFormAndClosingItEndsTheProgram)
{
    TForm* main = nullptr;
    TForm* other = nullptr;
    s.App().CreateForm(main);
    s.App().CreateForm(other);
    EXPECT_EQ(s.App().MainForm(), main);
    main->Show();
    other->Show();
    other->Close();
    s.ProcessUntilIdle();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(s.App().Terminated());
    main->Close();
    s.ProcessUntilIdle();
    EXPECT_TRUE(s.App().Terminated());
}

TEST_F(Forms, CloseQueryCanRefuseAndOnCloseChoosesTheActionAlsoFromTheFrameButton)
{
    ShowForm(s);
    TForm* form = ShowForm(s, 200, 200, 300, 200);
    bool allow = false;
    int queries = 0;
    form->OnCloseQuery = [&](TComponent*, bool& canClose) {
        ++queries;
        canClose = allow;
    };
    form->Close();
    EXPECT_TRUE(form->Visible());
    allow = true;
    const TRect close = form->CaptionButtonRect(HTCLOSE);
    ASSERT_FALSE(close.IsEmpty());
    s.Click(form->Left() + close.Left + 3, form->Top() + close.Top + 3);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(form->Visible());
    form->Show();
    form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caNone; };
    form->Close();
    EXPECT_TRUE(form->Visible());
    form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    TWeakRef<TForm> ref(form);
    form->Close();
    EXPECT_TRUE(ref);
    s.ProcessUntilIdle();
    EXPECT_FALSE(ref);
}

TEST_F(Forms, AnActiveFormFreedOrHiddenHandsTheActivationAndTheKeysBack)
{
    TForm* main = s.CreateForm<TForm>();
    auto* edit = Place<TTestEdit>(main, "Edit1", 10, 10);
    main->Show();
    TForm* dialog = s.CreateForm<TForm>();
    int deactivations = 0;
    dialog->OnDeactivate = [&](TComponent*) { ++deactivations; };
    dialog->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    dialog->Show();
    ASSERT_EQ(s.App().ActiveTopForm(), dialog);
    dialog->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.App().ActiveTopForm(), main);
    EXPECT_EQ(deactivations, 0);
    s.TypeText("ok");
    EXPECT_EQ(edit->Typed, U"ok");

    TComponent::Free(ShowForm(s));
    EXPECT_EQ(s.App().ActiveTopForm(), main);
    EXPECT_TRUE(edit->Focused());

    TForm* other = ShowForm(s);
    other->SetVisible(false);
    EXPECT_EQ(s.App().ActiveTopForm(), main);
    s.TypeText("b");
    EXPECT_EQ(edit->Typed, U"okb");
    other->SetWindowPos(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_TRUE(s.Screen().IsWindowVisible(other->NativeWindow()));
    EXPECT_EQ(s.App().ActiveTopForm(), main);
    other->Show();
    other->SetWindowPos(0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    EXPECT_FALSE(s.Screen().IsWindowVisible(other->NativeWindow()));
    EXPECT_EQ(s.App().ActiveTopForm(), main);
}

TEST_F(Forms, CaptionDragMovesAndCaptionDoubleClickMaximizesAndRestores)
{
    TForm* form = ShowForm(s, 100, 100, 300, 200);
    s.MouseDown(150, 110);
    s.MoveTo(180, 150);
    s.MouseUp(180, 150);
    EXPECT_EQ(form->BoundsRect(), Rect(130, 140, 430, 340));
    EXPECT_EQ(s.Screen().WindowBounds(form->NativeWindow()).X, 130);
    s.AdvanceClock(1000);
    s.DoubleClick(180, 150);
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), Rect(0, 0, 1024, 738));
    s.AdvanceClock(1000);
    s.DoubleClick(150, 10);
    EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Rect(130, 140, 430, 340));

    // The release places the window where no motion came before it.
    s.AdvanceClock(1000);
    s.MouseDown(180, 150);
    s.MoveTo(200, 160);
    s.MouseUpWithoutMove(220, 170);
    EXPECT_EQ(form->BoundsRect(), Rect(170, 160, 470, 360));
}

TEST_F(Forms, BorderResizeStopsAtTheMinimumTrackSize)
{
    TForm* form = ShowForm(s, 100, 100, 300, 200);
    s.MouseDown(100 + 299, 100 + 100);
    s.MoveTo(100 + 350, 100 + 100);
    EXPECT_EQ(form->Width(), 351);
    s.MoveTo(0, 100 + 100);
    s.MouseUp(0, 100 + 100);
    EXPECT_EQ(form->Width(), GetSystemMetrics(SM_CXMIN));
    EXPECT_EQ(form->Left(), 100);
}

TEST_F(Forms, PositionCentresOnTheScreenOrTheMainForm)
{
    TForm* main = s.CreateForm<TForm>();
    main->SetBounds(0, 0, 400, 300);
    main->SetPosition(TPosition::poScreenCenter);
    main->Show();
    EXPECT_EQ(main->BoundsRect(), Rect(312, 234, 712, 534));
    TForm* wait = s.CreateForm<TForm>();
    wait->SetBounds(0, 0, 100, 50);
    wait->SetPosition(TPosition::poMainFormCenter);
    wait->Show();
    EXPECT_EQ(wait->BoundsRect().TopLeft(), Point(312 + 150, 234 + 125));
}

TEST_F(Forms, ResizeFiresOnEverySizeChangeOnceAfterLoadingAndNeverOnAMove)
{
    TForm* form = s.CreateForm<TForm>();
    std::vector<int> widths;
    form->OnResize = [&](TComponent*) { widths.push_back(form->Width()); };
    form->SetBounds(10, 10, 200, 100);
    form->SetBounds(20, 20, 200, 100);
    form->SetWidth(250);
    form->BeginLoading();
    form->SetWidth(500);
    form->SetWidth(640);
    form->EndLoading();
    EXPECT_EQ(widths, (std::vector<int>{200, 250, 640}));
    auto* panel = Place<TTestPanel>(form, "Calendar", 0, 0);
    panel->OnCanResize = [](TComponent*, int&, int&, bool& resize) { resize = false; };
    panel->SetBounds(5, 5, 500, 500);
    EXPECT_EQ(panel->BoundsRect(), Rect(5, 5, 205, 105));
}

TEST_F(Forms, AlignedChildrenShareTheClientAreaAndAnchoredOnesFollowIt)
{
    TForm* form = s.CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(0, 0, 300, 200);
    auto* top = Place<TTestPanel>(form, "Top", 0, 0);
    top->SetHeight(30);
    top->SetAlign(TAlign::alTop);
    auto* left = Place<TTestPanel>(form, "Left", 0, 0);
    left->SetWidth(50);
    left->SetAlign(TAlign::alLeft);
    auto* client = Place<TTestPanel>(form, "Client", 0, 0);
    client->SetAlign(TAlign::alClient);
    auto* button = Place<TTestButton>(form, "OK", 200, 150);
    button->SetAnchors(akRight | akBottom);
    auto* edit = Place<TTestEdit>(form, "Edit", 10, 10);
    edit->SetAnchors(akLeft | akTop | akRight);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 30));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 30, 50, 200));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 300, 200));
    form->SetBounds(0, 0, 340, 220);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 30, 340, 220));
    EXPECT_EQ(button->BoundsRect().TopLeft(), Point(240, 170));
    EXPECT_EQ(edit->Width(), 140);
}

// The anchors keep each control's distance to the right and bottom edges the window was laid out
// with, however small the client area got on the way: a window shrunk to its caption and back, or
// one whose frame comes and goes (a maximized child shows none), finds its controls where they were.
TEST_F(Forms, AnchoredChildrenComeBackAfterTheClientAreaShrankToNothingOrTheFrameChanged)
{
    TForm* form = s.CreateForm<TForm>();
    form->SetClientSize(300, 200);
    auto* grid = Place<TTestPanel>(form, "Grid", 8, 8);
    grid->SetBounds(8, 8, 284, 150);
    grid->SetAnchors(akLeft | akTop | akRight | akBottom);
    auto* button = Place<TTestButton>(form, "Close", 220, 170);
    button->SetAnchors(akRight | akBottom);
    form->Show();
    const TRect gridBounds = grid->BoundsRect(), buttonBounds = button->BoundsRect();
    const TRect window = form->BoundsRect();
    form->SetBounds(window.Left, window.Top, 10, 10);
    EXPECT_EQ(form->ClientHeight(), 0);
    form->SetBoundsRect(window);
    EXPECT_EQ(grid->BoundsRect(), gridBounds);
    EXPECT_EQ(button->BoundsRect(), buttonBounds);

    // Without its frame the client area is the whole window, and the controls follow it there and back.
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(grid->BoundsRect(), Rect(8, 8, form->Width() - 8, form->Height() - 42));
    EXPECT_EQ(button->BoundsRect().TopLeft(), Point(form->Width() - 80, form->Height() - 30));
    form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    EXPECT_EQ(grid->BoundsRect(), gridBounds);
    EXPECT_EQ(button->BoundsRect(), buttonBounds);

    // Moved by the program, a control is anchored where it was put.
    button->SetLeft(100);
    form->SetClientSize(400, 200);
    EXPECT_EQ(button->Left(), 200);
}

TEST_F(Forms, ClientAreaSitsInsideTheFrame)
{
    TForm* form = s.CreateForm<TForm>();
    form->SetBounds(100, 50, 300, 200);
    EXPECT_EQ(form->ClientWidth(), 300 - 8);
    EXPECT_EQ(form->ClientHeight(), 200 - 8 - 19);
    EXPECT_EQ(form->ClientOrigin(), Point(104, 50 + 4 + 19));
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->ClientOrigin(), Point(100, 50));
    form->SetClientWidth(120);
    EXPECT_EQ(form->Width(), 120);
}

TEST_F(Forms, GetParentFormStopsAtTheFirstFormAndTheScreenListsTheForms)
{
    TForm* frame = s.CreateForm<TForm>();
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->Show();
    struct Child : TForm {
        explicit Child(TComponent* owner) : TForm(owner) { SetFormStyle(TFormStyle::fsMDIChild); }
    };
    auto* child = CreateOwned<Child>(*frame);
    auto* edit = Place<TTestEdit>(child, "Edit", 5, 5);
    EXPECT_EQ(GetParentForm(edit), child);
    EXPECT_EQ(GetParentForm(child), child);
    EXPECT_EQ(child->MDIParent(), frame);
    TForm* b = s.CreateForm<TForm>();
    EXPECT_EQ(Screen->FormCount(), 3);
    EXPECT_EQ(Screen->Forms(2), b);
    TComponent::Free(child);
    EXPECT_EQ(Screen->FormCount(), 2);
    EXPECT_THROW(Screen->Forms(2), EListError);
}

TEST_F(Forms, OnDestroyRunsWhileTheFormIsStillWhole)
{
    struct TOwnForm : TForm {
        using TForm::TForm;
    };
    std::string seen;
    auto* form = s.CreateForm<TOwnForm>();
    form->OnDestroy = [&](TComponent* sender) { seen = dynamic_cast<TOwnForm*>(sender) ? "whole" : "partial"; };
    TComponent::Free(form);
    EXPECT_EQ(seen, "whole");
}

TEST_F(Forms, ACaptionChangeIsASetTextNotificationToTheWindow)
{
    TForm* form = ShowForm(s);
    std::string seen;
    {
        TMessageSpy spy(*form, [&](TMessage& m, bool&) {
            if (m.Msg == WM_SETTEXT)
                seen = reinterpret_cast<const char*>(m.LParam);
        });
        form->SetCaption("Kas Masuk");
    }
    EXPECT_EQ(seen, "Kas Masuk");
    EXPECT_EQ(s.Screen().WindowTitle(form->NativeWindow()), "Kas Masuk");
}

// A move or resize by the window manager is the form's too: its controls follow their anchors,
// clicks land where the window now is, and a size the form refuses goes back to the window.
TEST_F(Forms, BoundsTheWindowManagerGivesAreFollowed)
{
    TForm* form = ShowForm(s, 100, 100, 300, 200);
    form->Constraints().MinWidth = 250;
    auto* button = Place<TTestButton>(form, "OK", 200, 120);
    button->SetAnchors(akRight | akBottom);
    const TRect client = form->ClientRect();

    s.Screen().ManagerPlace(form->NativeWindow(), {40, 60, 400, 260});
    s.ProcessUntilIdle();
    EXPECT_EQ(form->BoundsRect(), Rect(40, 60, 440, 320));
    EXPECT_EQ(form->ClientRect().Width(), client.Width() + 100);
    EXPECT_EQ(button->Left(), 300);
    s.ClickControl(*button);
    EXPECT_EQ(button->Clicks, 1);

    s.Screen().ManagerPlace(form->NativeWindow(), {40, 60, 120, 260});
    s.ProcessUntilIdle();
    EXPECT_EQ(form->Width(), 250);
    EXPECT_EQ(s.Screen().WindowBounds(form->NativeWindow()).Width, 250);
}

// The manager's maximize and its restore are the form's own; only a sizeable form lets the
// manager size it.
TEST_F(Forms, TheWindowManagersMaximizeIsTheFormsMaximize)
{
    TForm* form = ShowForm(s, 100, 100, 300, 200);
    EXPECT_TRUE(s.Screen().IsWindowResizable(form->NativeWindow()));
    s.Screen().ManagerMaximize(form->NativeWindow());
    s.ProcessUntilIdle();
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(form->BoundsRect(), Rect(0, 0, 1024, 738));
    s.Screen().ManagerRestore(form->NativeWindow());
    s.ProcessUntilIdle();
    EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(form->BoundsRect(), Rect(100, 100, 400, 300));

    TForm* dialog = s.CreateForm<TForm>();
    dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
    dialog->Show();
    EXPECT_FALSE(s.Screen().IsWindowResizable(dialog->NativeWindow()));
}
