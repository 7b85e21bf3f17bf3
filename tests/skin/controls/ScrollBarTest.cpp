#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/TColor.h"
#include "skin/controls/TTeScrollBar.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteThemeManager.h"
#include "skin/formats/TTeOfficeXPTheme.h"
#include "tests/platform/controls/ControlsTestKit.h"

namespace {

// A 200 x 16 bar at (10, 10) of the form; OnScroll and OnChange logged in the order they come.
struct BarFixture : TControlsFixture {
    TTeScrollBar* bar = nullptr;
    std::vector<std::string> log;
    std::vector<int> tracks;

    BarFixture()
    {
        StartTeWinApi();
        StartTeBitmap();
        StartTeUtils();
        StartTeTheme();
        bar = Place<TTeScrollBar>(10, 10, 200, 16);
        bar->OnScroll = [this](TComponent*, TTeScrollCode code, int& pos) {
            log.push_back("scroll " + std::to_string(code) + " " + std::to_string(pos));
            if (code == tecTrack)
                tracks.push_back(pos);
        };
        bar->OnChange = [this](TComponent*) { log.push_back("change " + std::to_string(bar->Position())); };
    }
    ~BarFixture()
    {
        StopTeTheme();
        StopTeUtils();
        StopTeBitmap();
        StopTeWinApi();
    }

    // A point of the bar in its own coordinates, on the screen.
    TPoint At(int x, int y) const { return session.ScreenPointOf(*bar, {x, y}); }
    void Press(int x, int y) { session.MouseDown(At(x, y).X, At(x, y).Y); }
    void Release(int x, int y) { session.MouseUp(At(x, y).X, At(x, y).Y); }
    // Repeat ticks of 14 ms, one clock step each, since a late timer fires only once.
    void Wait(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            session.AdvanceClock(14);
    }
    void Drag(int fromX, int toX)
    {
        Press(fromX, 8);
        session.MoveTo(At(toX, 8).X, At(toX, 8).Y);
        Release(toX, 8);
    }
};

// Draws nothing; logs each scroll call as "<part> <state> <rect>" ("track" for the track).
class ScrollRecorder : public TteTheme {
public:
    std::vector<std::string> log;
    TRect scrollRect, trackRect;

    ScrollRecorder() { Reset(); }
    bool IsScrollDefined(Byte kind, const std::string& o) override { return kind == 0 && o == "default"; }
    void DrawScrollButton(Byte, TCanvas&, const TteScrollButtonInfo& info, const std::string&) override
    {
        log.push_back(std::to_string(info.Part) + " " + std::to_string(info.State) + " " + Text(info.Rect));
    }
    void DrawScrollTrack(Byte, TCanvas&, const TteScrollButtonInfo& info, const TteScrollTrackInfo& track,
                         const std::string&) override
    {
        log.push_back("track " + std::to_string(info.State));
        scrollRect = info.Rect;
        trackRect = track.Rect;
    }
    static std::string Text(const TRect& r)
    {
        return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
               std::to_string(r.Bottom);
    }
};

} // namespace

TEST(TeScrollBarRange, SettersClampAndReportTheMove)
{
    BarFixture f;
    f.bar->SetPageSize(500);
    EXPECT_EQ(f.bar->PageSize(), 101);
    f.bar->SetPageSize(-3);
    EXPECT_EQ(f.bar->PageSize(), 101);
    f.bar->SetPageSize(10);
    f.bar->SetPosition(150);
    EXPECT_EQ(f.bar->Position(), 100);
    f.log.clear();
    f.bar->SetMax(40);
    EXPECT_EQ(f.bar->Position(), 40);
    EXPECT_EQ(f.log, (std::vector<std::string>{"change 40"}));
    f.bar->SetMin(60);
    EXPECT_EQ(f.bar->Min(), 40);
    EXPECT_EQ(f.bar->PageSize(), 1);
}

TEST(TeScrollBarGeometry, ButtonsTrackAndThumbFollowTheBounds)
{
    BarFixture f;
    EXPECT_EQ(f.bar->GetButtonSize(), 16);
    EXPECT_EQ(f.bar->GetDecButtonRect(), TRect(1, 1, 17, 15));
    EXPECT_EQ(f.bar->GetIncButtonRect(), TRect(183, 1, 199, 15));
    EXPECT_EQ(f.bar->GetTrackRect(), TRect(17, 1, 183, 15));
    EXPECT_EQ(f.bar->GetThumbRect(), TRect(17, 1, 33, 15));
    f.bar->SetPosition(100);
    EXPECT_EQ(f.bar->GetThumbRect(), TRect(167, 1, 183, 15));
    EXPECT_EQ(f.bar->GetPageDecRect(), TRect(17, 1, 167, 15));
    f.bar->SetPageSize(50);
    // 50 of 101 positions over a 166-pixel track.
    EXPECT_EQ(f.bar->GetThumbSize(), 82);

    f.bar->SetWidth(20);
    EXPECT_EQ(f.bar->GetButtonSize(), 9);
    EXPECT_EQ(f.bar->GetThumbSize(), 0);
    EXPECT_FALSE(f.bar->ThumbShown());
}

TEST(TeScrollBarDrag, TheThumbNeverReportsAPositionPastTheLastPage)
{
    BarFixture f;
    f.bar->SetPageSize(10);
    // Grabbed at its very first pixel and pulled far past the end.
    f.Drag(f.bar->GetThumbRect().Left, 400);
    EXPECT_EQ(f.bar->Position(), 91);
    ASSERT_FALSE(f.tracks.empty());
    EXPECT_EQ(f.tracks.front(), 0);
    EXPECT_EQ(f.tracks.back(), 91);
    EXPECT_EQ(f.log.back(), "scroll 8 91");
    EXPECT_EQ(f.log[f.log.size() - 2], "scroll 4 91");
    EXPECT_FALSE(f.bar->ThumbDragging());
}

TEST(TeScrollBarDrag, WithoutAPageTheThumbStopsAtMax)
{
    BarFixture f;
    const TRect thumb = f.bar->GetThumbRect();
    f.Drag(thumb.Left + 5, 195);
    for (int pos : f.tracks)
        EXPECT_LE(pos, 100);
    EXPECT_EQ(f.tracks.back(), 100);
    EXPECT_EQ(f.bar->PixelToPosition(f.bar->GetTrackRect().Right), 100);
}

TEST(TeScrollBarDrag, AHandlerChangesLineAndFinalStepsButNotTracking)
{
    BarFixture f;
    f.bar->OnScroll = [](TComponent*, TTeScrollCode code, int& pos) {
        if (code != tecTrack && code != tecEndScroll)
            pos = 7;
    };
    f.Press(f.bar->GetThumbRect().Left + 2, 8);
    f.session.MoveTo(f.At(100, 8).X, f.At(100, 8).Y);
    EXPECT_EQ(f.bar->Position(), f.bar->PixelToPosition(98));
    f.Release(100, 8);
    EXPECT_EQ(f.bar->Position(), 7);
    f.bar->SetPosition(0);
    f.Press(190, 8);
    EXPECT_EQ(f.bar->Position(), 7);
    f.Release(190, 8);
}

TEST(TeScrollBarRepeat, AnArrowStepsAtOnceThenAfterTheDelayThenAtTheRepeatRate)
{
    BarFixture f;
    f.Press(190, 8);
    EXPECT_EQ(f.log, (std::vector<std::string>{"scroll 1 1", "change 1"}));
    f.session.AdvanceClock(399);
    EXPECT_EQ(f.bar->Position(), 1);
    f.session.AdvanceClock(1);
    EXPECT_EQ(f.bar->Position(), 2);
    f.Wait(10);
    EXPECT_EQ(f.bar->Position(), 12);
    f.Release(190, 8);
    EXPECT_EQ(f.log.back(), "scroll 8 12");
    f.session.AdvanceClock(1000);
    EXPECT_EQ(f.bar->Position(), 12);
}

TEST(TeScrollBarRepeat, APressWithNoMoveBeforeItStepsAtOnce)
{
    BarFixture f;
    f.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(190, 8));
    EXPECT_EQ(f.bar->Position(), 1);
    f.bar->Perform(WM_LBUTTONUP, 0, MakeLong(190, 8));
    f.bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(150, 8));
    EXPECT_EQ(f.bar->Position(), 2);
    f.bar->Perform(WM_LBUTTONUP, 0, MakeLong(150, 8));
}

TEST(TeScrollBarRepeat, AHeldPageStopsWhenTheThumbReachesThePointer)
{
    BarFixture f;
    f.bar->SetLargeChange(10);
    f.Press(120, 8);
    EXPECT_EQ(f.bar->Position(), 10);
    f.session.AdvanceClock(400);
    f.Wait(20);
    // The thumb covers x 120 from position 60 on (17 + 60 * 150 / 100 = 107 .. 123).
    EXPECT_EQ(f.bar->Position(), 60);
    EXPECT_TRUE(f.bar->InThumb(120, 8));
    f.Release(120, 8);
}

TEST(TeScrollBarRepeat, AHandlerThatFreesTheBarEndsTheStep)
{
    BarFixture f;
    f.bar->OnScroll = [&f](TComponent*, TTeScrollCode, int&) {
        TTeScrollBar* bar = std::exchange(f.bar, nullptr);
        TComponent::Free(bar);
    };
    const TPoint p = f.At(190, 8);
    f.session.MouseDown(p.X, p.Y);
    f.session.AdvanceClock(1000);
    f.session.MouseUp(p.X, p.Y);
    EXPECT_EQ(f.bar, nullptr);
}

TEST(TeScrollBarPaint, ClassicLookWithoutATheme)
{
    BarFixture f;
    f.bar->SetPosition(50);
    const TRect thumb = f.bar->GetThumbRect();
    EXPECT_EQ(f.PixelOf(*f.bar, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(f.PixelOf(*f.bar, 199, 15), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(f.PixelOf(*f.bar, thumb.Left + 8, 8), ColorToRGB(clBtnFace));
    EXPECT_EQ(f.PixelOf(*f.bar, thumb.Right - 1, 8), ColorToRGB(cl3DDkShadow));
    // The track's checker has both colours.
    const TColor a = f.PixelOf(*f.bar, 40, 8), b = f.PixelOf(*f.bar, 41, 8);
    EXPECT_NE(a, b);
    EXPECT_TRUE(a == ColorToRGB(clBtnHighlight) || b == ColorToRGB(clBtnHighlight));

    f.bar->SetEnabled(false);
    EXPECT_NE(f.PixelOf(*f.bar, thumb.Right - 1, 8), ColorToRGB(cl3DDkShadow)) << "a disabled bar shows no thumb";
}

TEST(TeScrollBarPaint, OfficeXPDrawsButtonsAndThumbOverItsTrack)
{
    BarFixture f;
    SetCurrentTheme(std::make_unique<TTeOfficeXPTheme>());
    const TteThemeColors& colors = CurrentTheme()->Colors();
    f.bar->SetPosition(50);
    const TRect thumb = f.bar->GetThumbRect();
    EXPECT_EQ(f.PixelOf(*f.bar, 4, 3), ColorToRGB(colors.GetColor(tcButtonNormal)));
    EXPECT_EQ(f.PixelOf(*f.bar, 195, 3), ColorToRGB(colors.GetColor(tcButtonNormal)));
    EXPECT_EQ(f.PixelOf(*f.bar, thumb.Left + 3, 3), ColorToRGB(colors.GetColor(tcButtonNormal)));
    EXPECT_EQ(f.PixelOf(*f.bar, 0, 0), ColorToRGB(clBtnFace)) << "the border ring takes the bar's colour";
}

TEST(TeScrollBarPaint, ThemeRecordsCarryPartsStatesAndRectangles)
{
    BarFixture f;
    auto theme = std::make_unique<ScrollRecorder>();
    ScrollRecorder& rec = *theme;
    SetCurrentTheme(std::move(theme));
    f.session.ProcessUntilIdle();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"4 0 1,1,17,15", "5 0 183,1,199,15", "track 0", "8 0 17,1,33,15"}));
    EXPECT_EQ(rec.scrollRect, TRect(0, 0, 200, 16));
    EXPECT_EQ(rec.trackRect, TRect(17, 1, 183, 15));

    rec.log.clear();
    f.session.MoveTo(f.At(190, 8).X, f.At(190, 8).Y);
    EXPECT_EQ(rec.log.at(1), "5 2 183,1,199,15");
    rec.log.clear();
    f.Press(190, 8);
    EXPECT_EQ(rec.log.at(1), "5 1 183,1,199,15");
    f.Release(190, 8);

    f.bar->SetOrientation(teoVertical);
    f.bar->SetBounds(10, 10, 16, 200);
    f.bar->SetEnabled(false);
    rec.log.clear();
    f.session.ProcessUntilIdle();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"0 3 1,1,15,17", "1 3 1,183,15,199", "track 3"}));
}
