#include <gtest/gtest.h>

#include "platform/ui/TApplication.h"
#include "skin/controls/TTeProgressBar.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

constexpr uint32_t WM_KAS = WM_USER + 7;

class WaitBar : public TTeProgressBar {
public:
    using TTeProgressBar::TTeProgressBar;
    int posted = 0;
    int paints = 0;

protected:
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_KAS)
            ++posted;
        TTeProgressBar::Dispatch(message);
    }
    void PaintClient(TCanvas& canvas) override
    {
        ++paints;
        TTeProgressBar::PaintClient(canvas);
    }
};

struct BarForm : SkinFixture {
    WaitBar* bar = Place<WaitBar>(20, 20, 307, 12);
    TColor At(int x) { return PixelOf(*bar, x, 6); }
    void Post() { Application->PostMessage(bar->Handle(), WM_KAS); }
};

const TColor Chunk = ColorToRGB(clHighlight), Face = ColorToRGB(clBtnFace);

} // namespace

TEST(TeProgressPosition, AChangedFractionRepaintsAndRunsTheQueueBeforeTheSetterReturns)
{
    BarForm f;
    f.bar->SetMax(100000);
    f.session.ProcessUntilIdle();
    f.bar->SetPosition(10);
    const int paints = f.bar->paints;
    f.Post();
    f.bar->SetPosition(11);
    EXPECT_EQ(f.bar->posted, 1);
    EXPECT_EQ(f.bar->paints, paints + 1);

    f.bar->SetMax(100);
    f.bar->SetPosition(50);
    const int settled = f.bar->paints;
    f.Post();
    f.bar->SetPosition(50);
    EXPECT_EQ(f.bar->posted, 1);
    f.bar->SetPosition(150);
    f.bar->SetPosition(160);
    EXPECT_EQ(f.bar->posted, 2) << "moved to 150 ran the queue; 150 to 160 keeps fraction 0";
    EXPECT_EQ(f.bar->paints, settled + 1);
}

TEST(TeProgressLook, ChunksFollowTheFractionAndBelowOnePercentOrOutsideTheRangeTheBarIsEmpty)
{
    BarForm f;
    f.bar->SetPosition(50);
    // Bar 303 x 8 from (2, 2); chunks of 7, count Round(43 x 0.5) = 22 (to even), 23 drawn.
    EXPECT_EQ(f.At(0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(f.At(2), Chunk);
    EXPECT_EQ(f.At(6), Chunk);
    EXPECT_EQ(f.At(7), Face);
    EXPECT_EQ(f.At(2 + 22 * 7 + 4), Chunk);
    EXPECT_EQ(f.At(2 + 23 * 7), Face);
    f.bar->SetSmooth(true);
    EXPECT_EQ(f.At(2 + 151), Chunk);
    EXPECT_EQ(f.At(2 + 152), Face);

    f.bar->SetSmooth(false);
    f.bar->SetMax(1000);
    f.bar->SetPosition(9);
    EXPECT_EQ(f.At(2), Face) << "no chunk below 1%";
    f.bar->SetSmooth(true);
    EXPECT_EQ(f.At(4), Chunk) << "the smooth bar still fills 3 pixels";
    f.bar->SetPosition(50);
    f.bar->SetMax(40);
    EXPECT_EQ(f.bar->Position(), 50);
    EXPECT_EQ(f.At(2), Face);
    f.bar->SetMax(100);
    f.bar->SetMin(-10);
    EXPECT_EQ(f.At(2), Face);
}

TEST(TeProgressTheme, TheThemeGetsTheRangeAndTheInset)
{
    BarForm f;
    f.bar->SetOrientation(kpoVertical);
    f.bar->SetBorderWidth(3);
    f.bar->SetSmooth(true);
    f.bar->SetMin(5);
    f.bar->SetPosition(30);
    RecordingTheme& theme = f.UseRecordingTheme();
    EXPECT_EQ(f.At(100), ThemeBar);
    EXPECT_TRUE(theme.Logged("IsProgressDefined default"));
    const TteProgressInfo& p = theme.progress;
    EXPECT_EQ(p.Rect, Rect(0, 0, 307, 12));
    EXPECT_EQ(std::vector<int>({p.Orientation, p.Minimum, p.Maximum, p.Start, p.End, p.Flag, p.Inset}),
              std::vector<int>({1, 5, 100, 5, 30, 1, 3}));
}
