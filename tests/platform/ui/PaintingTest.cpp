#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/ui/THeadlessSession.h"
#include "UiTestControls.h"

namespace {
class TCountingPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;
    int Paints = 0;
    std::vector<TRect> Clips;

protected:
    void Paint() override
    {
        ++Paints;
        Clips.push_back(Canvas().ClipRect());
    }
};

struct PaintForm {
    // A blue form at (100, 100) holding a yellow panel at (10, 10) holding a red label at (20, 20).
    explicit PaintForm(THeadlessSession& s) : form(ShowForm(s, 100, 100, 300, 200, false))
    {
        form->SetColor(clBlue);
        panel = Place<TCountingPanel>(form, "Panel", 10, 10);
        panel->SetColor(clYellow);
        label = Place<TTestLabel>(panel, "Label", 20, 20);
        label->SetColor(clRed);
        s.ProcessUntilIdle();
    }
    TForm* form;
    TCountingPanel* panel;
    TTestLabel* label;
};

const TColor kDesktop = PixelToColor(THeadlessBackend::DesktopColor);

// A panel with a sunken client edge, as a scroll box has.
class TEdgedPanel : public TTestPanel {
public:
    using TTestPanel::TTestPanel;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TTestPanel::CreateParams(params);
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};

// Each test starts with the session and its form.
class PaintFormTest : public ::testing::Test {
protected:
    THeadlessSession s;
    PaintForm f{s};
};
using Painting = PaintFormTest;
} // namespace

TEST_F(Painting, EachControlPaintsAtItsPlaceAndChildrenAreClippedOutOfTheParent)
{
    EXPECT_EQ(s.ScreenColor(5, 5), kDesktop);
    EXPECT_EQ(s.ScreenColor(105, 105), clBlue);
    EXPECT_EQ(s.ScreenColor(115, 115), clYellow);
    EXPECT_EQ(s.ScreenColor(100 + 10 + 20, 100 + 10 + 20), clRed);
    EXPECT_EQ(s.ScreenColor(100 + 10 + 20 + 40, 100 + 10 + 20), clYellow);
    EXPECT_EQ(s.WindowColor(*f.form, 10 + 20 + 39, 10 + 20 + 19), clRed);
    f.form->SetColor(clGreen);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(105, 105), clGreen);
    EXPECT_EQ(s.ScreenColor(115, 115), clYellow);
    TForm* framed = ShowForm(s, 500, 100, 200, 150);
    framed->SetColor(clRed);
    s.ProcessUntilIdle();
    const TPoint p = framed->ClientToScreen({0, 0});
    EXPECT_EQ(s.ScreenColor(p.X, p.Y), clRed);
    EXPECT_NE(s.ScreenColor(p.X - 1, p.Y - 1), clRed);
}

// A child window reaching past its parent's client area shows only inside it: the frame it lies
// over is painted, here the caption of a form drawn inactive.
TEST_F(Painting, AChildReachingPastTheClientLeavesTheFrameToTheFrame)
{
    TForm* framed = ShowForm(s, 500, 100, 200, 150);
    framed->SetCaption("");
    Place<TTestPanel>(framed, "Panel", 20, -8)->SetColor(clYellow);
    ShowForm(s, 500, 300, 200, 150);
    const TPoint client = framed->ClientToScreen({0, 0});
    const TColor caption = s.ScreenColor(client.X + 30, client.Y - 14);
    EXPECT_NE(caption, clYellow);
    EXPECT_EQ(s.ScreenColor(client.X + 30, client.Y - 4), caption);
    EXPECT_EQ(s.ScreenColor(client.X + 30, client.Y + 4), clYellow);
}

TEST_F(Painting, InvalidationsAreCoalescedIntoOnePendingPaintOfJustTheirArea)
{
    f.panel->Paints = 0;
    f.panel->Invalidate();
    f.panel->InvalidateRect(Rect(0, 0, 5, 5), true);
    f.panel->Invalidate();
    s.ProcessUntilIdle();
    EXPECT_EQ(f.panel->Paints, 1);
    f.panel->Clips.clear();
    f.panel->InvalidateRect(Rect(50, 40, 60, 50), false);
    s.ProcessUntilIdle();
    EXPECT_EQ(f.panel->Clips, (std::vector<TRect>{Rect(50, 40, 60, 50)}));
    EXPECT_EQ(s.App().SendMessage(f.panel->Handle(), WM_ERASEBKGND), 1);
    // A pending paint is found by peeking, and handed out once when removed, even for a hidden window.
    TQueuedMessage m;
    EXPECT_FALSE(s.App().PeekMessage(m, 0, WM_PAINT, WM_PAINT));
    f.panel->Invalidate();
    ASSERT_TRUE(s.App().PeekMessage(m, 0, WM_PAINT, WM_PAINT));
    EXPECT_EQ(m.Wnd, f.panel->Handle());
    s.App().DispatchMessage(m);
    EXPECT_FALSE(s.App().PeekMessage(m, 0, WM_PAINT, WM_PAINT));
    f.panel->Hide();
    f.panel->Invalidate();
    for (int taken = 0; taken < 5 && s.App().PeekMessage(m, 0, WM_PAINT, WM_PAINT, true); ++taken)
        s.App().DispatchMessage(m);
    EXPECT_FALSE(s.App().PeekMessage(m, 0, WM_PAINT, WM_PAINT, true));
}

TEST_F(Painting, WindowlessControlsLieBeneathWindowedSiblings)
{
    auto* low = Place<TTestLabel>(f.form, "Low", 0, 0);
    low->SetColor(clFuchsia);
    low->SetBounds(5, 5, 30, 30);
    low->BringToFront();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(100 + 7, 100 + 7), clFuchsia);
    EXPECT_EQ(s.ScreenColor(100 + 15, 100 + 15), clYellow);
}

TEST_F(Painting, APaintLockHoldsPaintsUntilReleasedAndUpdatePaintsWithoutTheLoop)
{
    f.panel->Paints = 0;
    f.panel->SetRedraw(false);
    f.panel->SetColor(clWhite);
    s.ProcessUntilIdle();
    EXPECT_EQ(f.panel->Paints, 0);
    EXPECT_EQ(s.ScreenColor(115, 115), clYellow);
    f.panel->SetRedraw(true);
    s.ProcessUntilIdle();
    EXPECT_EQ(f.panel->Paints, 1);
    EXPECT_EQ(s.ScreenColor(115, 115), clWhite);
    f.panel->SetColor(clAqua);
    f.panel->Update();
    EXPECT_EQ(s.ScreenColor(115, 115), clAqua);
}

TEST_F(Painting, PaintToCopiesTheControlAndItsChildrenIntoACanvas)
{
    TBitmap bitmap(250, 150);
    bitmap.Fill(0xFF000000);
    f.panel->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(bitmap.ColorAt(1, 1), clYellow);
    EXPECT_EQ(bitmap.ColorAt(21, 21), clRed);
    EXPECT_EQ(bitmap.ColorAt(210, 10), clBlack);
}

TEST_F(Painting, MovingOrHidingAChildRepaintsWhereItWasAndWhereItIs)
{
    f.panel->SetLeft(100);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(115, 115), clBlue);
    EXPECT_EQ(s.ScreenColor(205, 115), clYellow);
    f.panel->Hide();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(205, 115), clBlue);
}

TEST_F(Painting, OpacityAndAWindowRegionShapeWhatShowsAndWhatTakesTheMouse)
{
    s.Screen().SetWindowOpacity(f.form->NativeWindow(), 0);
    EXPECT_EQ(s.ScreenColor(105, 105), kDesktop);
    s.Screen().SetWindowOpacity(f.form->NativeWindow(), 255);
    EXPECT_EQ(s.ScreenColor(105, 105), clBlue);
    TRegion shape(Rect(0, 0, 150, 200));
    shape.Union(Rect(150, 100, 300, 200));
    ASSERT_TRUE(f.form->SetWindowRegion(&shape, true));
    EXPECT_EQ(s.ScreenColor(100 + 250, 100 + 50), kDesktop);
    EXPECT_EQ(s.ScreenColor(100 + 250, 100 + 150), clBlue);
    EXPECT_EQ(s.Screen().WindowAt(100 + 250, 100 + 50), 0u);
    f.form->SetWindowRegion(nullptr, true);
    EXPECT_EQ(s.ScreenColor(100 + 250, 100 + 50), clBlue);
}

TEST(WindowShape, ARegionTheBackEndRefusesIsKeptAndShowsWhatLiesBeneath)
{
    THeadlessSession s;
    s.Screen().SetShapesSupported(false);
    TForm* below = ShowForm(s, 300, 100, 200, 200, false);
    below->SetColor(clGreen);
    PaintForm f(s);
    TEventLog log;
    f.form->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("form"); };
    below->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { log.push_back("below"); };
    TRegion shape(Rect(0, 0, 150, 200));
    EXPECT_FALSE(f.form->SetWindowRegion(&shape, true));
    ASSERT_NE(f.form->WindowRegion(), nullptr);
    EXPECT_TRUE(f.form->WindowRegion()->Equals(shape));
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ScreenColor(280, 150), kDesktop);
    EXPECT_EQ(s.ScreenColor(350, 150), clGreen);
    EXPECT_EQ(s.ScreenColor(100 + 50, 100 + 150), clBlue);
    // Outside the shape the press reaches no window, not even the one beneath.
    s.Click(280, 150);
    s.Click(350, 150);
    s.Click(100 + 50, 100 + 150);
    EXPECT_EQ(log, (TEventLog{"form"}));

    f.form->SetWindowRegion(nullptr, true);
    s.ProcessUntilIdle();
    EXPECT_EQ(f.form->WindowRegion(), nullptr);
    EXPECT_EQ(s.ScreenColor(100 + 250, 100 + 50), clBlue);
}

// A child wider than its parent's client area is cut at the client edge: the parent's sunken
// border beside it stays drawn, with no picture of the child over it.
TEST_F(Painting, AChildReachingPastItsParentsClientAreaLeavesTheParentsBorderDrawn)
{
    auto* box = Place<TEdgedPanel>(f.form, "Box", 50, 60);
    auto* wide = Place<TTestPanel>(box, "Wide", 0, 0);
    wide->SetBounds(0, 0, 400, 50);
    wide->SetColor(clRed);
    box->SetWidth(250);
    s.ProcessUntilIdle();
    box->SetWidth(200);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.WindowColor(*f.form, 50 + 199, 60 + 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(s.WindowColor(*f.form, 50 + 198, 60 + 12), ColorToRGB(cl3DLight));
    EXPECT_EQ(s.WindowColor(*f.form, 50 + 197, 60 + 12), clRed);
}
