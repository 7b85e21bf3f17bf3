#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/controls/TScrollBar.h"

namespace {

struct ScrollFixture : TControlsFixture {
    TScrollBar* bar = nullptr;
    std::vector<TScrollCode> codes;
    int changes = 0;
    ScrollFixture()
    {
        bar = Place<TScrollBar>(10, 10, 200, 16);
        bar->SetParams(0, 0, 100);
        bar->SetLargeChange(10);
        bar->OnScroll = [this](TComponent*, TScrollCode code, int&) { codes.push_back(code); };
        bar->OnChange = [this](TComponent*) { ++changes; };
    }
};

} // namespace

TEST(ScrollBar, ArrowsTrackThumbAndRange)
{
    ScrollFixture f;
    const TPoint arrow = f.bar->ClientToScreen({f.bar->Width() - 5, 8});
    f.session.MouseDown(arrow.X, arrow.Y);
    EXPECT_EQ(f.bar->Position(), 1);
    f.session.AdvanceClock(250);
    EXPECT_EQ(f.bar->Position(), 2);
    f.session.AdvanceClock(50);
    EXPECT_EQ(f.bar->Position(), 3);
    f.session.MouseUp(arrow.X, arrow.Y);
    f.session.AdvanceClock(500);
    EXPECT_EQ(f.bar->Position(), 3);
    EXPECT_EQ(f.codes, (std::vector<TScrollCode>{scLineDown, scLineDown, scLineDown, scEndScroll}));
    EXPECT_EQ(f.changes, 3);

    f.codes.clear();
    f.session.AdvanceClock(1000);
    f.session.ClickControl(*f.bar, {150, 8});
    EXPECT_EQ(f.bar->Position(), 13);
    EXPECT_EQ(f.codes.front(), scPageDown);

    // Positions from code are clamped to the range; a bad range is refused.
    f.bar->SetPageSize(20);
    f.bar->SetPosition(500);
    EXPECT_EQ(f.bar->Position(), 100);
    EXPECT_EQ(f.bar->Model().Position(), 81);
    f.bar->SetPosition(-5);
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_THROW(f.bar->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_EQ(f.bar->Min(), 0);
    EXPECT_EQ(f.bar->Max(), 100);

    // Dragging the thumb tracks and ends with the position.
    f.codes.clear();
    const TRect thumb = f.bar->Model().ThumbRect();
    const int middle = (thumb.Left + thumb.Right) / 2;
    f.Drag(*f.bar, {middle, 8}, {middle + 60, 8});
    EXPECT_GT(f.bar->Position(), 30);
    ASSERT_GE(f.codes.size(), 3u);
    EXPECT_EQ(f.codes.front(), scTrack);
    EXPECT_EQ(f.codes[f.codes.size() - 2], scPosition);
    EXPECT_EQ(f.codes.back(), scEndScroll);
}

TEST(ScrollBarMouse, TabPassesTheBarByButAClickFocusesIt)
{
    ScrollFixture f;
    auto* first = f.Place<TListBox>(10, 40, 100, 40);
    auto* second = f.Place<TListBox>(10, 90, 100, 40);
    second->SetFocus();
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(f.bar->TabStop());
    // The bar comes first in the tab order, so a wrapping Tab would reach it if it were a stop.
    f.session.PressKey(VK_TAB);
    EXPECT_TRUE(first->Focused());
    f.session.ClickControl(*f.bar, {100, 8});
    EXPECT_TRUE(f.bar->Focused());
    f.session.PressKey(VK_END);
    EXPECT_EQ(f.bar->Position(), 100);
    EXPECT_EQ(f.codes.back(), scEndScroll);
    EXPECT_EQ(f.codes[f.codes.size() - 2], scBottom);

    f.bar->OnScroll = [](TComponent*, TScrollCode, int& pos) { pos = 42; };
    f.session.PressKey(VK_LEFT);
    EXPECT_EQ(f.bar->Position(), 42);
}

TEST(WindowScrollBars, ClickOnTheOwnedArrowOrDraggingTheThumbScrollsTheList)
{
    TControlsFixture f;
    auto* list = f.Place<TListBox>(10, 10, 120, 120);
    for (int i = 0; i < 100; ++i)
        list->Items().Add("Akun " + std::to_string(i));
    f.session.ProcessUntilIdle();
    ASSERT_TRUE(list->ScrollBars().Visible(SB_VERT));
    const TRect w = list->WindowRect();
    const TRect bar = list->ScrollBars().BarRect(SB_VERT);
    const int x = w.Left + (bar.Left + bar.Right) / 2;
    f.session.Click(x, w.Top + bar.Bottom - 4);
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->ScrollBars().GetScrollPos(SB_VERT), 1);

    f.session.AdvanceClock(1000);
    list->Perform(WM_VSCROLL, SB_TOP);
    const int y = w.Top + bar.Top + 16 + 3;
    f.session.MouseDown(x, y);
    f.session.MoveTo(x, y + 40);
    EXPECT_GT(list->TopIndex(), 0);
    const int tracked = list->TopIndex();
    f.session.MouseUp(x, y + 40);
    EXPECT_EQ(list->TopIndex(), tracked);
    EXPECT_EQ(list->ScrollBars().GetScrollPos(SB_VERT), tracked);
}

TEST(WindowScrollBars, InfoIsClampedAndOnlyLivingBarsAreFound)
{
    TControlsFixture f;
    auto* list = f.Place<TListBox>(10, 10, 120, 60);
    TWindowScrollBars& bars = list->ScrollBars();
    EXPECT_EQ(bars.SetScrollInfo(SB_VERT, {0, 9, 4, 50}, SIF_ALL), 6);
    EXPECT_TRUE(bars.Visible(SB_VERT));
    const int clientWithBar = list->ClientWidth();
    bars.SetScrollInfo(SB_VERT, {0, 3, 4, 0}, SIF_ALL);
    EXPECT_FALSE(bars.Visible(SB_VERT));
    EXPECT_EQ(list->ClientWidth(), clientWithBar + TWindowScrollBars::Thickness);
    bars.SetScrollInfo(SB_VERT, {0, 3, 4, 0}, SIF_ALL | SIF_DISABLENOSCROLL);
    EXPECT_TRUE(bars.Visible(SB_VERT));
    EXPECT_FALSE(bars.Enabled(SB_VERT));

    EXPECT_EQ(FindWindowScrollBars(list), &bars);
    EXPECT_EQ(FindWindowScrollBars(f.form), nullptr);
    EXPECT_EQ(FindWindowScrollBars(nullptr), nullptr);
    {
        TWindowScrollBars formBars(*f.form);
        EXPECT_EQ(FindWindowScrollBars(f.form), &formBars);
    }
    EXPECT_EQ(FindWindowScrollBars(f.form), nullptr);
}
