#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/TTeScrollBar.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

using Log = std::vector<std::string>;

// A 200 x 16 bar at (10, 10) of the form; OnScroll and OnChange logged in the order they come.
struct ScrollBarFixture : SkinFixture {
    TTeScrollBar* bar = nullptr;
    Log log;
    int maxTrack = -1;

    ScrollBarFixture()
    {
        bar = Place<TTeScrollBar>(10, 10, 200, 16);
        bar->OnScroll = [this](TComponent*, TTeScrollCode code, int& pos) {
            log.push_back("scroll " + std::to_string(code) + " " + std::to_string(pos));
            if (code == tecTrack)
                maxTrack = std::max(maxTrack, pos);
        };
        bar->OnChange = [this](TComponent*) { log.push_back("change " + std::to_string(bar->Position())); };
    }
    // Pointer actions at (x, 8) of the bar.
    TPoint At(int x) const { return session.ScreenPointOf(*bar, {x, 8}); }
    void Press(int x) { session.MouseDown(At(x).X, At(x).Y); }
    void Move(int x) { session.MoveTo(At(x).X, At(x).Y); }
    void Release(int x) { session.MouseUp(At(x).X, At(x).Y); }
    void Drag(int fromX, int toX)
    {
        Press(fromX);
        Move(toX);
        Release(toX);
    }
    // Ticks of the 14 ms repeat, one clock step each: a late timer fires only once.
    void Wait(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            session.AdvanceClock(14);
    }
};

// Draws nothing; logs each button and thumb as "<part> <state>", the track as "track <state>".
struct ScrollRecorder : TteTheme {
    Log log;
    TRect scrollRect, trackRect, thumbRect;

    ScrollRecorder() { Reset(); }
    bool IsScrollDefined(Byte kind, const std::string& o) override { return kind == 0 && o == "default"; }
    void DrawScrollButton(Byte, TCanvas&, const TteScrollButtonInfo& info, const std::string&) override
    {
        log.push_back(std::to_string(info.Part) + " " + std::to_string(info.State));
        if (info.Part == 8)
            thumbRect = info.Rect;
    }
    void DrawScrollTrack(Byte, TCanvas&, const TteScrollButtonInfo& info, const TteScrollTrackInfo& track,
                         const std::string&) override
    {
        log.push_back("track " + std::to_string(info.State));
        scrollRect = info.Rect;
        trackRect = track.Rect;
    }
};

} // namespace

TEST(TeScrollBar, SettersClampAndGeometryFollowsTheBounds)
{
    ScrollBarFixture f;
    f.bar->SetPageSize(500);
    EXPECT_EQ(f.bar->PageSize(), 101);
    f.bar->SetPageSize(-3);
    EXPECT_EQ(f.bar->PageSize(), 101);
    f.bar->SetPageSize(0);
    f.bar->SetPosition(150);
    f.log.clear();
    f.bar->SetMax(40);
    EXPECT_EQ(f.log, (Log{"change 40"}));

    EXPECT_EQ(f.bar->GetThumbRect(), Rect(167, 1, 183, 15));
    f.bar->SetPageSize(20);
    // 20 of 41 positions over a 166-pixel track.
    EXPECT_EQ(f.bar->GetThumbSize(), 81);
    f.bar->SetWidth(20);
    EXPECT_EQ(f.bar->GetButtonSize(), 9);
    EXPECT_FALSE(f.bar->ThumbShown());
}

TEST(TeScrollBar, ADraggedThumbEndsAtTheLastPageAndAHandlerChangesStepsButNotTracking)
{
    ScrollBarFixture f;
    f.bar->SetPageSize(10);
    // Grabbed at its very first pixel and pulled far past the end.
    f.Drag(f.bar->GetThumbRect().Left, 400);
    EXPECT_EQ(f.log.front(), "scroll 5 0");
    EXPECT_EQ(f.maxTrack, 91);
    EXPECT_EQ(Log(f.log.end() - 2, f.log.end()), (Log{"scroll 4 91", "scroll 8 91"}));

    f.bar->SetPageSize(0);
    f.bar->SetPosition(0);
    f.Drag(f.bar->GetThumbRect().Left + 5, 195);
    EXPECT_EQ(f.maxTrack, 100);
    EXPECT_EQ(f.bar->Position(), 100);

    f.bar->SetPosition(0);
    f.bar->OnScroll = [](TComponent*, TTeScrollCode code, int& pos) {
        if (code != tecTrack && code != tecEndScroll)
            pos = 7;
    };
    f.Press(f.bar->GetThumbRect().Left + 2);
    f.Move(100);
    EXPECT_EQ(f.bar->Position(), f.bar->PixelToPosition(98));
    f.Release(100);
    EXPECT_EQ(f.bar->Position(), 7);
    f.bar->SetPosition(0);
    f.Press(190);
    EXPECT_EQ(f.bar->Position(), 7);
    f.Release(190);
}

TEST(TeScrollBar, APressStepsAtOnceThenAfterTheDelayThenAtTheRepeatRateAndAHeldPageStopsAtThePointer)
{
    ScrollBarFixture f;
    for (int x : {190, 150}) {
        f.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(x, 8));
        f.bar->Perform(WM_LBUTTONUP, 0, MakeLong(x, 8));
    }
    EXPECT_EQ(f.bar->Position(), 2);
    f.log.clear();
    f.Press(190);
    EXPECT_EQ(f.log, (Log{"scroll 1 3", "change 3"}));
    f.session.AdvanceClock(399);
    EXPECT_EQ(f.bar->Position(), 3);
    f.session.AdvanceClock(1);
    EXPECT_EQ(f.bar->Position(), 4);
    f.Wait(10);
    EXPECT_EQ(f.bar->Position(), 14);
    f.Release(190);
    EXPECT_EQ(f.log.back(), "scroll 8 14");
    f.session.AdvanceClock(1000);
    EXPECT_EQ(f.bar->Position(), 14);

    f.bar->SetPosition(0);
    f.bar->SetLargeChange(10);
    f.Press(120);
    f.session.AdvanceClock(400);
    f.Wait(20);
    // From position 60 the thumb covers x 107 to 122.
    EXPECT_EQ(f.bar->Position(), 60);
    f.Release(120);
}

TEST(TeScrollBar, ClassicLookWithoutATheme)
{
    ScrollBarFixture f;
    f.bar->SetPosition(50);
    const TRect thumb = f.bar->GetThumbRect();
    EXPECT_EQ(f.PixelOf(*f.bar, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(f.PixelOf(*f.bar, 199, 15), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.PixelOf(*f.bar, thumb.Left + 8, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(f.PixelOf(*f.bar, thumb.Right - 1, 8), ColorToRGB(cl3DDkShadow));
    EXPECT_NE(f.PixelOf(*f.bar, 40, 8), f.PixelOf(*f.bar, 41, 8)) << "the track's checker";
    f.bar->SetEnabled(false);
    EXPECT_NE(f.PixelOf(*f.bar, thumb.Right - 1, 8), ColorToRGB(cl3DDkShadow)) << "a disabled bar shows no thumb";
}

TEST(TeScrollBar, ThemeRecordsCarryPartsStatesAndRectangles)
{
    ScrollBarFixture f;
    auto theme = std::make_unique<ScrollRecorder>();
    ScrollRecorder& rec = *theme;
    SetCurrentTheme(std::move(theme));
    f.session.ProcessUntilIdle();
    EXPECT_EQ(rec.log, (Log{"4 0", "5 0", "track 0", "8 0"}));
    EXPECT_EQ(rec.scrollRect, Rect(0, 0, 200, 16));
    EXPECT_EQ(rec.trackRect, Rect(17, 1, 183, 15));
    EXPECT_EQ(rec.thumbRect, Rect(17, 1, 33, 15));
    f.Move(190);
    EXPECT_EQ(rec.log.at(5), "5 2");
    f.Press(190);
    EXPECT_EQ(rec.log.at(9), "5 1");
    f.Release(190);

    f.bar->SetOrientation(teoVertical);
    f.bar->SetEnabled(false);
    rec.log.clear();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(rec.log, (Log{"0 3", "1 3", "track 3"}));
}

TEST(TeScrollBar, AControlsBuiltInBarsSitInsideItAndSendItsScrollMessages)
{
    struct Scrolled : TTeControl {
        using TTeControl::TTeControl;
        std::vector<intptr_t> scrolls;
        void Dispatch(TMessage& message) override
        {
            if (message.Msg == WM_VSCROLL)
                scrolls.push_back(MakeLong(message.WParam, message.LParam));
            TTeControl::Dispatch(message);
        }
    };
    SkinFixture f;
    auto* control = f.Place<Scrolled>(10, 10, 120, 90);
    control->SetScrollBarMode(3);
    auto* vert = dynamic_cast<TTeScrollBar*>(control->VertScrollBar());
    ASSERT_NE(vert, nullptr);
    EXPECT_EQ(vert->BoundsRect(), Rect(104, 0, 120, 74));
    EXPECT_EQ(control->HorzScrollBar()->BoundsRect(), Rect(0, 74, 104, 90));
    f.session.ClickControl(*vert, {8, 70});
    EXPECT_EQ(control->scrolls.front(), MakeLong(tecLineDown, 1));
    EXPECT_EQ(vert->Position(), 0) << "the control moves its bar itself";
}
