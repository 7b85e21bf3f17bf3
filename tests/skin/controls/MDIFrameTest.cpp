#include <string>

#include "SkinnedFormKit.h"
#include "platform/graphics/SystemMetrics.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeMDIFrame.h"
#include "skin/controls/TTeScrollBar.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "skin/controls/TeControlsUnit.h"
#include "skin/engine/TeUnits.h"

namespace {

// A child that frees itself when it closes, as the program's windows do.
class TFreedChild : public TForm {
public:
    using TForm::TForm;

protected:
    void DoClose(TCloseAction& action) override { action = TCloseAction::caFree; }
};

// A skinned MDI frame whose caption holds a "[", with three skinned children as the program
// makes them: borderless, each with its own minimum size.
class MDIFrameTest : public SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetCaption("Kas [2026]");
        frameSkin = CreateOwned<TTeForm>(*frame);
        frame->BeginLoading();
        frame->SetBounds(0, 0, 800, 600);
        frame->EndLoading();
        frame->Show();
        for (int i = 0; i < 3; ++i) {
            TForm* kid = CreateOwned<TForm>(*frame);
            kid->SetFormStyle(TFormStyle::fsMDIChild);
            kid->SetCaption("Voucher " + std::to_string(i));
            kid->Constraints().MinWidth = 150 + i;
            kid->Constraints().MinHeight = 100 + i;
            kidSkins[i] = CreateOwned<TTeForm>(*kid);
            kid->BeginLoading();
            kidSkins[i]->SetBorderStyle(kbsNone);
            kid->SetBounds(20 + 40 * i, 20 + 30 * i, 300, 200);
            kid->EndLoading();
            kid->Show();
            kids[i] = kid;
            bounds[i] = kid->BoundsRect();
        }
        s.ProcessUntilIdle();
    }
    void TearDown() override
    {
        EXPECT_TRUE(s.Errors().empty());
        TComponent::Free(frame);
        s.ProcessUntilIdle();
        SkinnedFormTest::TearDown();
    }

    void ExpectEveryChildAsBefore()
    {
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(kidSkins[i]->WindowState(), kwsNormal);
            EXPECT_EQ(kids[i]->BoundsRect(), bounds[i]);
            EXPECT_EQ(kidSkins[i]->Constraints().MinWidth, 150 + i);
            EXPECT_EQ(kidSkins[i]->Constraints().MinHeight, 100 + i);
            EXPECT_EQ(kids[i]->Constraints().MinWidth, 150 + i);
        }
    }

    static std::vector<std::string> Captions(const TTeItem& menu)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < menu.Count(); ++i)
            captions.push_back(menu.Items(i)->Caption());
        return captions;
    }

    TForm* frame = nullptr;
    TTeForm* frameSkin = nullptr;
    TForm* kids[3] = {};
    TTeForm* kidSkins[3] = {};
    TRect bounds[3];
};

} // namespace

TEST_F(MDIFrameTest, ActivatingAnotherChildKeepsItMaximizedAndRestoringOrFreeingGivesTheOthersTheirBoundsBack)
{
    kidSkins[0]->Maximize();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->Caption(), "Kas [2026] - [Voucher 0]");
    EXPECT_EQ(kids[0]->BoundsRect(), frame->MDIClient()->ClientRect());
    EXPECT_EQ(kids[1]->BoundsRect(), Rect(0, 0, 10, 10));

    frame->MDIClient()->ActivateChild(kids[1]);
    s.ProcessUntilIdle();
    EXPECT_EQ(kidSkins[1]->WindowState(), kwsMaximized);
    EXPECT_EQ(kidSkins[0]->WindowState(), kwsNormal);
    EXPECT_EQ(kids[1]->BoundsRect(), frame->MDIClient()->ClientRect());
    EXPECT_EQ(frame->Caption(), "Kas [2026] - [Voucher 1]");

    kidSkins[1]->Restore();
    s.ProcessUntilIdle();
    ExpectEveryChildAsBefore();
    EXPECT_EQ(frame->Caption(), "Kas [2026]");

    // A second round leaves the caption as it was, not one suffix longer.
    kidSkins[2]->Maximize();
    kidSkins[2]->Restore();
    s.ProcessUntilIdle();
    ExpectEveryChildAsBefore();
    EXPECT_EQ(frame->Caption(), "Kas [2026]");

    // Rolled up, a maximized child is its caption where it was before, beside the others; rolled
    // down it is maximized again.
    kidSkins[2]->Maximize();
    kidSkins[2]->Rollup();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->Caption(), "Kas [2026]");
    EXPECT_EQ(kids[0]->BoundsRect(), bounds[0]);
    EXPECT_EQ(kids[2]->BoundsRect().TopLeft(), bounds[2].TopLeft());
    EXPECT_EQ(kids[2]->Width(), bounds[2].Width());
    kidSkins[2]->Rollup();
    s.ProcessUntilIdle();
    EXPECT_EQ(kidSkins[2]->WindowState(), kwsMaximized);
    EXPECT_EQ(frame->Caption(), "Kas [2026] - [Voucher 2]");
    kidSkins[2]->Restore();
    s.ProcessUntilIdle();
    ExpectEveryChildAsBefore();
    // Maximized from rolled up, then replaced by another maximized child, it comes back rolled up
    // where it was, as its own restore gives it back.
    kidSkins[2]->Rollup();
    kidSkins[2]->Maximize();
    frame->MDIClient()->ActivateChild(kids[0]);
    s.ProcessUntilIdle();
    ASSERT_EQ(kidSkins[0]->WindowState(), kwsMaximized);
    kidSkins[0]->Restore();
    s.ProcessUntilIdle();
    EXPECT_EQ(kidSkins[2]->WindowState(), kwsRollup);
    EXPECT_EQ(kids[2]->BoundsRect().TopLeft(), bounds[2].TopLeft());
    kidSkins[2]->Restore();
    s.ProcessUntilIdle();
    ExpectEveryChildAsBefore();
    // Moved while rolled up, it comes back there after a maximize, whether a child that replaced it
    // or its own restore gives it back; rolled down it is normal there, at its own size.
    for (bool replaced : {true, false}) {
        SCOPED_TRACE(replaced);
        kidSkins[2]->Rollup();
        const TPoint moved{bounds[2].Left + 15, bounds[2].Top + 25};
        kids[2]->SetBounds(moved.X, moved.Y, kids[2]->Width(), kids[2]->Height());
        kidSkins[2]->Maximize();
        if (replaced) {
            frame->MDIClient()->ActivateChild(kids[0]);
            s.ProcessUntilIdle();
            ASSERT_EQ(kidSkins[0]->WindowState(), kwsMaximized);
        }
        (replaced ? kidSkins[0] : kidSkins[2])->Restore();
        s.ProcessUntilIdle();
        EXPECT_EQ(kidSkins[2]->WindowState(), kwsRollup);
        EXPECT_EQ(kids[2]->BoundsRect().TopLeft(), moved);
        kidSkins[2]->Restore();
        s.ProcessUntilIdle();
        EXPECT_EQ(kids[2]->BoundsRect(), Bounds(moved.X, moved.Y, bounds[2].Width(), bounds[2].Height()));
        kids[2]->SetBoundsRect(bounds[2]);
        ExpectEveryChildAsBefore();
    }

    // Minimized from maximized or rolled up and brought back, a child is so again, and restored it
    // is normal where it was; so is one maximized from where it lay parked.
    for (TTeWindowState state : {kwsMaximized, kwsRollup}) {
        SCOPED_TRACE(state);
        kidSkins[0]->SetWindowState(state);
        kidSkins[0]->Minimize();
        kidSkins[0]->Restore();
        s.ProcessUntilIdle();
        EXPECT_EQ(kidSkins[0]->WindowState(), state);
        kidSkins[0]->Restore();
        s.ProcessUntilIdle();
        ExpectEveryChildAsBefore();
    }
    kidSkins[0]->Maximize();
    frame->MDIClient()->ActivateChild(kids[1]);
    s.ProcessUntilIdle();
    kidSkins[1]->Minimize();
    s.ProcessUntilIdle();
    kidSkins[1]->Restore();
    s.ProcessUntilIdle();
    kidSkins[1]->Restore();
    s.ProcessUntilIdle();
    ExpectEveryChildAsBefore();

    // Maximized, then replaced by a child that opens maximized beside it, it comes back as it was
    // when that one closes: maximized stays maximized, rolled up or an icon before is so again.
    for (TTeWindowState before : {kwsNormal, kwsRollup, kwsMinimized}) {
        SCOPED_TRACE(before);
        kidSkins[1]->SetWindowState(before);
        const TRect place = kids[1]->BoundsRect();
        kidSkins[1]->Maximize();
        TForm* other = CreateOwned<TForm>(*frame);
        other->SetFormStyle(TFormStyle::fsMDIChild);
        TTeForm* otherSkin = CreateOwned<TTeForm>(*other);
        other->BeginLoading();
        other->EndLoading();
        other->Show();
        s.ProcessUntilIdle();
        ASSERT_EQ(otherSkin->WindowState(), kwsMaximized);
        ASSERT_EQ(kidSkins[1]->WindowState(), kwsNormal);
        TComponent::Free(other);
        s.ProcessUntilIdle();
        EXPECT_EQ(kidSkins[1]->WindowState(), before == kwsNormal ? kwsMaximized : before);
        EXPECT_EQ(kids[1]->BoundsRect(), before == kwsNormal ? frame->MDIClient()->ClientRect() : place);
        if (before == kwsNormal) {
            EXPECT_EQ(frame->ActiveMDIChild(), kids[1]);
        }
        kidSkins[1]->Restore();
        s.ProcessUntilIdle();
        ExpectEveryChildAsBefore();
    }

    kidSkins[2]->Maximize();
    s.ProcessUntilIdle();
    frame->SetCaption("Bank [2026]");
    s.ProcessUntilIdle();
    TComponent::Free(kids[2]);
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->Caption(), "Bank [2026]");
    EXPECT_EQ(kids[0]->BoundsRect(), bounds[0]);
    EXPECT_EQ(kids[1]->BoundsRect(), bounds[1]);
}

TEST_F(MDIFrameTest, ChildrenBeyondTheClientShowScrollBarsWithAGripThatSizesTheFrameOverTheFramesBackground)
{
    TMDIClient* client = frame->MDIClient();
    TTeMDIFrame* mdi = frameSkin->MDIFrame();
    ASSERT_NE(mdi, nullptr);
    EXPECT_EQ(mdi->ScrollBar(true), nullptr);
    kids[2]->SetBounds(client->ClientWidth() - 50, client->ClientHeight() - 40, 300, 200);
    s.ProcessUntilIdle();
    ASSERT_NE(mdi->ScrollBar(true), nullptr);
    ASSERT_NE(mdi->ScrollBar(false), nullptr);
    EXPECT_EQ(mdi->ScrollBar(true)->Max() - mdi->ScrollBar(true)->Min() + 1, kids[2]->Top() + 200);
    const TRect grip = mdi->GripRect();
    ASSERT_FALSE(grip.IsEmpty());
    EXPECT_EQ(grip.Right, client->ClientWidth());

    const TPoint p = client->ClientToScreen({grip.Left + 2, grip.Top + 2});
    EXPECT_EQ(s.App().SendMessage(frame->Handle(), WM_NCHITTEST, 0, MakeLong(p.X, p.Y)), HTBOTTOMRIGHT);
    const TRect before = frame->BoundsRect();
    Drag(p.X, p.Y, p.X + 30, p.Y + 20);
    EXPECT_EQ(frame->Width(), before.Width() + 30);
    EXPECT_EQ(frame->Height(), before.Height() + 20);

    // The bar scrolls the children.
    const int top = kids[2]->Top();
    int position = mdi->ScrollBar(true)->Position() + 30;
    mdi->ScrollBar(true)->OnScroll(mdi->ScrollBar(true), tecPosition, position);
    EXPECT_EQ(kids[2]->Top(), top - 30);
    // An arrow moves a bar's breadth; arrows and pages stop with the child's bottom at the bar's end.
    TTeScrollBar* vertical = mdi->ScrollBar(true);
    const int breadth = GetSystemMetrics(SM_CXVSCROLL);
    const TRect down = vertical->GetIncButtonRect();
    const TPoint arrow = vertical->ClientToScreen({down.Left + 3, down.Top + 3});
    s.MoveTo(arrow.X, arrow.Y);
    s.Click(arrow.X, arrow.Y);
    s.ProcessUntilIdle();
    EXPECT_EQ(kids[2]->Top(), top - 30 - breadth);
    for (TTeScrollCode code : {tecPageDown, tecLineDown}) {
        position = vertical->Position() + vertical->PageSize();
        vertical->OnScroll(vertical, code, position);
        EXPECT_EQ(kids[2]->BoundsRect().Bottom, client->ClientHeight() - breadth);
    }

    // Below the client alone, a child needs the vertical bar alone: the client's own width
    // behind the vertical bar is no reason for a horizontal one.
    kids[2]->SetBounds(10, client->ClientHeight() - 40, 300, 200);
    s.ProcessUntilIdle();
    EXPECT_TRUE(mdi->ScrollBar(true)->Showing());
    EXPECT_FALSE(mdi->ScrollBar(false)->Showing());

    // An icon and a rolled-up child below and beside the client: a maximized child fills the client
    // exactly, with no bars over it; restored, the bars come back.
    kidSkins[1]->Minimize();
    kids[2]->SetBounds(client->ClientWidth() - 50, 10, 300, 200);
    kidSkins[2]->Rollup();
    frame->SetBounds(frame->Left(), frame->Top(), frame->Width(), frame->Height() - 100);
    s.ProcessUntilIdle();
    ASSERT_TRUE(mdi->ScrollBar(true)->Showing());
    ASSERT_TRUE(mdi->ScrollBar(false)->Showing());
    kidSkins[0]->Maximize();
    s.ProcessUntilIdle();
    EXPECT_EQ(kids[0]->BoundsRect(), client->ClientRect());
    EXPECT_FALSE(mdi->ScrollBar(true)->Showing());
    EXPECT_FALSE(mdi->ScrollBar(false)->Showing());
    EXPECT_EQ(mdi->GripRect(), Rect(-1, -1, -1, -1));
    kidSkins[0]->Restore();
    s.ProcessUntilIdle();
    EXPECT_TRUE(mdi->ScrollBar(true)->Showing());
    EXPECT_TRUE(mdi->ScrollBar(false)->Showing());

    // A maximized child is never smaller than it was made: in a client too small for it, the bars
    // scroll to its far edges; the frame made larger, it fills the client again.
    kids[0]->Constraints().MinWidth = kids[0]->Constraints().MinHeight = 0;
    const TRect before0 = kids[0]->BoundsRect();
    const TRect made = Bounds(0, 0, kids[0]->ClientWidth(), kids[0]->ClientHeight());
    const TPoint nonClient{frame->Width() - client->ClientWidth(), frame->Height() - client->ClientHeight()};
    frame->SetBounds(frame->Left(), frame->Top(), nonClient.X + made.Width() + breadth + 10,
                     nonClient.Y + made.Height() - 40);
    kidSkins[0]->Maximize();
    s.ProcessUntilIdle();
    ASSERT_LT(client->ClientHeight(), made.Height());
    EXPECT_EQ(kids[0]->BoundsRect(), Bounds(0, 0, client->ClientWidth() - breadth, made.Height()));
    ASSERT_TRUE(mdi->ScrollBar(true)->Showing());
    EXPECT_FALSE(mdi->ScrollBar(false)->Showing());
    position = vertical->Max();
    vertical->OnScroll(vertical, tecBottom, position);
    EXPECT_EQ(kids[0]->BoundsRect().Bottom, client->ClientHeight());
    frame->SetBounds(frame->Left(), frame->Top(), nonClient.X + made.Width() + 50, nonClient.Y + made.Height() + 50);
    s.ProcessUntilIdle();
    EXPECT_EQ(kids[0]->BoundsRect(), client->ClientRect());
    EXPECT_FALSE(mdi->ScrollBar(true)->Showing());
    kidSkins[0]->Restore();
    s.ProcessUntilIdle();
    EXPECT_EQ(kids[0]->BoundsRect(), before0);

    // The client shows the frame's background.
    frame->SetColor(clTeal);
    frame->Invalidate();
    frame->MDIClient()->Invalidate();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ClientColor(*client, 5, 5), clTeal);
}

TEST_F(MDIFrameTest, TheWindowMenuListsTheChildrenOnceAndFollowsThemAndTheBarShowsTheMaximizedChildsButtons)
{
    auto* window = CreateOwned<TTeItem>(*frame);
    window->SetCaption("&Window");
    auto* cascade = CreateOwned<TTeItem>(*frame);
    cascade->SetCaption("&Cascade");
    window->Add(cascade);
    frameSkin->SetWindowMenu(window);
    frameSkin->RebuildWindowMenu();
    frameSkin->RebuildWindowMenu();

    EXPECT_EQ(Captions(*window), (std::vector<std::string>{"&Cascade", "-", "Voucher 2", "Voucher 1", "Voucher 0"}));
    EXPECT_EQ(window->Items(2)->Checked(), frame->ActiveMDIChild() == kids[2]);

    window->Items(4)->Click();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->ActiveMDIChild(), kids[0]);
    EXPECT_TRUE(window->Items(window->Count() - 1)->Checked());
    EXPECT_FALSE(window->Items(2)->Checked());

    auto* bar = CreateOwned<TTeMenuBar>(*frame);
    bar->BeginLoading();
    bar->SetParent(frame);
    bar->SetAlign(TAlign::alTop);
    bar->EndLoading();
    bar->Items()->Add(window);
    frameSkin->SetMenuBar(bar);

    kidSkins[1]->Maximize();
    s.ProcessUntilIdle();
    EXPECT_EQ(bar->MDIChildSkin(), kidSkins[1]);
    EXPECT_TRUE(bar->MDIButton(1)->Visible());
    const TRect close = bar->View().GetItemRect(bar->MDIButton(1));
    const TRect minimize = bar->View().GetItemRect(bar->MDIButton(3));
    EXPECT_EQ(close.Right, bar->Width());
    EXPECT_EQ(bar->View().GetItemRect(bar->MDIButton(4)).Left, bar->GetContentRect().Left);
    EXPECT_LT(minimize.Right, close.Left);
    // The child's icon leads the bar, its menus follow it.
    const TRect icon = bar->View().GetItemRect(bar->MDIButton(4));
    EXPECT_EQ(bar->View().GetItemRect(window).Left, icon.Right);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ClientColor(*bar, (icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2 - 4), clNavy);
    kidSkins[1]->Restore();
    EXPECT_EQ(bar->MDIChildSkin(), nullptr);
    EXPECT_FALSE(bar->MDIButton(1)->Visible());

    kidSkins[1]->Maximize();
    s.ProcessUntilIdle();
    const TPoint at = bar->ClientToScreen({minimize.Left + 3, minimize.Top + 3});
    s.Click(at.X, at.Y);
    s.ProcessUntilIdle();
    EXPECT_EQ(kidSkins[1]->WindowState(), kwsMinimized);
    kidSkins[1]->Maximize();
    kids[0]->SetCaption("Kas 7");
    TComponent::Free(kids[1]);
    s.ProcessUntilIdle();
    EXPECT_EQ(bar->MDIChildSkin(), nullptr);
    EXPECT_EQ(Captions(*window), (std::vector<std::string>{"&Cascade", "-", "Voucher 2", "Kas 7"}));
}

TEST_F(MDIFrameTest, TheActiveChildDrawsItsCaptionActiveAndAFrameBehindPaintsUnderTheChildInFront)
{
    auto captioned = [&](int left, int top, const std::string& caption) {
        TForm* kid = CreateOwned<TForm>(*frame);
        kid->SetFormStyle(TFormStyle::fsMDIChild);
        kid->SetCaption(caption);
        kid->SetColor(clLime);
        CreateOwned<TTeForm>(*kid);
        kid->BeginLoading();
        kid->SetBounds(left, top, 400, 200);
        kid->EndLoading();
        kid->Show();
        s.ProcessUntilIdle();
        return kid;
    };
    TForm* a = captioned(300, 250, "Cash");
    TForm* b = captioned(360, 290, "Chart");
    ASSERT_EQ(frame->ActiveMDIChild(), b);
    auto captionOf = [&](TForm* kid) {
        const TRect w = kid->WindowRect();
        return s.ScreenColor(w.Left + 200, w.Top + 6);
    };
    const TColor active = captionOf(b);
    EXPECT_NE(captionOf(a), active);

    s.ClickControl(*a, {5, 150});
    ASSERT_EQ(frame->ActiveMDIChild(), a);
    EXPECT_EQ(captionOf(a), active);

    // The caption of the child behind lies under the front child's client area here.
    const TPoint under{b->WindowRect().Left + 200, b->WindowRect().Top + 6};
    EXPECT_EQ(s.ScreenColor(under.X, under.Y), ColorToRGB(clLime));
    b->SetCaption("Chart of accounts");
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(under.X, under.Y), ColorToRGB(clLime));
}

// The report window is stored maximized, so the platform maximizes it before its frame loads: the
// frame maximizes it instead. A child opened beside it is maximized too; when the maximized one
// goes, every other child comes back whole, framed, and stays restored when brought forward.
TEST_F(MDIFrameTest, AChildStoredMaximizedIsMaximizedByItsFrameAndTheOthersComeBackWholeWhenItGoes)
{
    auto framed = [&](const std::string& caption, TRect bounds, bool maximized) {
        TForm* kid = CreateOwned<TForm>(*frame);
        kid->SetFormStyle(TFormStyle::fsMDIChild);
        kid->SetCaption(caption);
        kid->SetBoundsRect(bounds);
        if (maximized)
            kid->SetWindowState(TWindowState::wsMaximized);
        auto* skin = CreateOwned<TTeForm>(*kid);
        kid->BeginLoading();
        kid->EndLoading();
        kid->Show();
        return skin;
    };
    TTeForm* reportSkin = framed("Report", Bounds(30, 30, 400, 300), true);
    TForm* report = static_cast<TForm*>(reportSkin->Form());
    s.ProcessUntilIdle();
    EXPECT_EQ(reportSkin->WindowState(), kwsMaximized);
    EXPECT_EQ(report->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(report->BoundsRect(), frame->MDIClient()->ClientRect());
    EXPECT_EQ(frame->Caption(), "Kas [2026] - [Report]");
    // It was made at 400 x 300, not at the client's size: a smaller client scrolls to it.
    TMDIClient* client = frame->MDIClient();
    const TRect frameBounds = frame->BoundsRect();
    frame->SetBounds(frame->Left(), frame->Top(), frame->Width() - client->ClientWidth() + 200,
                     frame->Height() - client->ClientHeight() + 150);
    s.ProcessUntilIdle();
    EXPECT_GT(report->Width(), client->ClientWidth());
    EXPECT_LE(report->Width(), 400);
    EXPECT_LE(report->Height(), 300);
    EXPECT_TRUE(frameSkin->MDIFrame()->ScrollBar(false)->Showing());
    frame->SetBoundsRect(frameBounds);
    s.ProcessUntilIdle();
    EXPECT_EQ(report->BoundsRect(), client->ClientRect());

    TTeForm* chartSkin = framed("Chart", Bounds(60, 40, 300, 200), false);
    TForm* chart = static_cast<TForm*>(chartSkin->Form());
    const TRect chartClient = chart->ClientRect();
    s.ProcessUntilIdle();
    EXPECT_EQ(chartSkin->WindowState(), kwsMaximized);
    EXPECT_EQ(frame->Caption(), "Kas [2026] - [Chart]");
    frame->MDIClient()->ActivateChild(report);
    s.ProcessUntilIdle();
    EXPECT_EQ(reportSkin->WindowState(), kwsMaximized);

    TComponent::Free(report);
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->Caption(), "Kas [2026]");
    EXPECT_FALSE(IsSkinnedChildMaximized(frame));
    EXPECT_EQ(chartSkin->WindowState(), kwsNormal);
    EXPECT_EQ(chart->BoundsRect(), Bounds(60, 40, 300, 200));
    EXPECT_EQ(chart->ClientRect(), chartClient);
    ExpectEveryChildAsBefore();

    frame->MDIClient()->ActivateChild(kids[0]);
    s.ProcessUntilIdle();
    frame->MDIClient()->ActivateChild(chart);
    s.ProcessUntilIdle();
    EXPECT_EQ(chartSkin->WindowState(), kwsNormal);
    EXPECT_EQ(chart->BoundsRect(), Bounds(60, 40, 300, 200));
    ExpectEveryChildAsBefore();
}

// The frame's close button closes a child as the child's own closing says: one that frees itself
// is gone (maximized, the others come back and the bar's buttons go with it); without a say the
// child is minimized by its frame and stays on screen.
TEST_F(MDIFrameTest, TheCloseButtonRunsTheChildsOwnClosing)
{
    auto* bar = CreateOwned<TTeMenuBar>(*frame);
    bar->BeginLoading();
    bar->SetParent(frame);
    bar->SetAlign(TAlign::alTop);
    bar->EndLoading();
    frameSkin->SetMenuBar(bar);

    auto* child = CreateOwned<TFreedChild>(*frame);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    auto* freedSkin = CreateOwned<TTeForm>(*child);
    child->BeginLoading();
    child->EndLoading();
    child->Show();
    TWeakRef<TForm> freed(child);
    freedSkin->Maximize();
    s.ProcessUntilIdle();
    ASSERT_EQ(bar->MDIChildSkin(), freedSkin);
    freedSkin->Close();
    s.ProcessUntilIdle();
    EXPECT_FALSE(freed);
    EXPECT_EQ(bar->MDIChildSkin(), nullptr);
    EXPECT_FALSE(bar->MDIButton(1)->Visible());
    EXPECT_EQ(frame->Caption(), "Kas [2026]");
    ExpectEveryChildAsBefore();

    kidSkins[0]->Close();
    s.ProcessUntilIdle();
    EXPECT_EQ(kidSkins[0]->WindowState(), kwsMinimized);
    EXPECT_TRUE(kids[0]->Visible());

    // Ctrl+F4 closes the active child through the same closing, its skin's close event first.
    int closings = 0;
    kidSkins[2]->OnClose = [&](TComponent*, bool&) { ++closings; };
    frame->MDIClient()->ActivateChild(kids[2]);
    s.ProcessUntilIdle();
    s.PressKey(VK_F4, kmCtrl);
    s.ProcessUntilIdle();
    EXPECT_EQ(closings, 1);
    EXPECT_EQ(kidSkins[2]->WindowState(), kwsMinimized);
}
// Minimized, a framed child is its caption at the bottom of the client area, drawn inactive: the
// front child that is no icon comes forward active in its place.
TEST_F(MDIFrameTest, AMinimizedChildShowsItsCaption)
{
    auto framed = [&](const TRect& bounds) {
        TForm* kid = CreateOwned<TForm>(*frame);
        kid->SetFormStyle(TFormStyle::fsMDIChild);
        auto* skin = CreateOwned<TTeForm>(*kid);
        kid->BeginLoading();
        kid->SetBoundsRect(bounds);
        kid->EndLoading();
        kid->Show();
        s.ProcessUntilIdle();
        return skin;
    };
    TTeForm* behindSkin = framed(Bounds(300, 250, 300, 200));
    TTeForm* skin = framed(Bounds(60, 40, 300, 200));
    TCustomForm* behind = behindSkin->Form();
    TCustomForm* kid = skin->Form();
    auto captionEnd = [&](TCustomForm* form) {
        return s.ScreenColor(form->WindowRect().Left + 5, form->WindowRect().Top + 8);
    };
    const TColor active = captionEnd(kid);
    const TColor inactive = captionEnd(behind);
    ASSERT_NE(active, inactive);
    skin->Minimize();
    s.ProcessUntilIdle();
    EXPECT_EQ(kid->BoundsRect().Bottom, frame->MDIClient()->ClientHeight());
    EXPECT_EQ(frame->ActiveMDIChild(), behind);
    EXPECT_EQ(captionEnd(behind), active);
    // The caption's gradient is shorter now: its left end is as dark within a step or two.
    const TColor shown = captionEnd(kid);
    for (int shift : {0, 8, 16})
        EXPECT_NEAR(static_cast<int>(shown >> shift & 0xFF), static_cast<int>(inactive >> shift & 0xFF), 4);

    // With no child left that is not an icon, the last one minimized stays the active one. Its
    // icon takes the next free place along the bottom, beside the first.
    const TRect first = kid->BoundsRect();
    for (TTeForm* other : {kidSkins[0], kidSkins[1], kidSkins[2], behindSkin})
        other->Minimize();
    s.ProcessUntilIdle();
    EXPECT_EQ(frame->ActiveMDIChild(), behind);
    EXPECT_EQ(kid->BoundsRect(), first);
    EXPECT_EQ(behind->BoundsRect(), Bounds(first.Right, first.Top, first.Width(), first.Height()));

    // Beside a child beyond the client's right edge, an icon lies above the horizontal bar; maximized
    // and restored, it comes back to its place, and so does an icon dragged elsewhere.
    TMDIClient* client = frame->MDIClient();
    behindSkin->Restore();
    behind->SetBounds(client->ClientWidth() - 50, 10, 300, 200);
    skin->Restore();
    skin->Minimize();
    s.ProcessUntilIdle();
    ASSERT_TRUE(frameSkin->MDIFrame()->ScrollBar(false)->Showing());
    const TRect icon = kid->BoundsRect();
    EXPECT_EQ(icon.Bottom, client->ClientHeight() - GetSystemMetrics(SM_CXVSCROLL));
    for (const TPoint moved : {icon.TopLeft(), TPoint{icon.Left + 90, icon.Top - 120}}) {
        const TPoint grab{kid->WindowRect().Left + icon.Width() / 3, kid->WindowRect().Top + 8};
        if (moved != icon.TopLeft())
            Drag(grab.X, grab.Y, grab.X + moved.X - icon.Left, grab.Y + moved.Y - icon.Top);
        ASSERT_EQ(kid->BoundsRect().TopLeft(), moved);
        skin->Maximize();
        s.ProcessUntilIdle();
        ASSERT_EQ(skin->WindowState(), kwsMaximized);
        skin->Restore();
        s.ProcessUntilIdle();
        EXPECT_EQ(skin->WindowState(), kwsMinimized);
        EXPECT_EQ(kid->BoundsRect(), Bounds(moved.X, moved.Y, icon.Width(), icon.Height()));
    }

    // Once the bar has gone, an icon placed above it comes down to the others' row; a dragged one stays.
    const TRect dragged = kid->BoundsRect();
    kidSkins[0]->Restore();
    kidSkins[0]->Form()->SetBounds(client->ClientWidth() - 50, 10, 300, 200);
    behindSkin->Minimize();
    s.ProcessUntilIdle();
    ASSERT_TRUE(frameSkin->MDIFrame()->ScrollBar(false)->Showing());
    const TRect aboveBar = behind->BoundsRect();
    EXPECT_EQ(aboveBar.Bottom, client->ClientHeight() - GetSystemMetrics(SM_CXVSCROLL));
    kidSkins[0]->Form()->SetBounds(10, 10, 300, 200);
    s.ProcessUntilIdle();
    EXPECT_FALSE(frameSkin->MDIFrame()->ScrollBar(false)->Showing());
    EXPECT_EQ(behind->BoundsRect(), Bounds(aboveBar.Left, first.Top, aboveBar.Width(), aboveBar.Height()));
    EXPECT_EQ(kid->BoundsRect(), dragged);
    // And when the bar comes again, it goes back above it.
    kidSkins[0]->Form()->SetBounds(client->ClientWidth() - 50, 10, 300, 200);
    s.ProcessUntilIdle();
    ASSERT_TRUE(frameSkin->MDIFrame()->ScrollBar(false)->Showing());
    EXPECT_EQ(behind->BoundsRect(), aboveBar);
    EXPECT_EQ(kid->BoundsRect(), dragged);
}
