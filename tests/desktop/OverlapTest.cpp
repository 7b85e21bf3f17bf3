#include "tests/desktop/ProgramOnDesktop.h"

namespace {
class OverlapOnDesktop : public ProgramOnDesktop {
protected:
    // Both children open at the same place in the main window; the cash window is the larger.
    TDesktopRect Cash() { return {main.X + 5, main.Y + 84, 788, 494}; }
    TDesktopRect Chart() { return {main.X + 5, main.Y + 84, 726, 454}; }
    // The left end of the chart's caption, and the cash window's Close button below the chart.
    TDesktopRect ChartCaption() { return CaptionEnd(main.X + 4, main.Y + 81); }
    TDesktopRect CashClose() { return {main.X + 700, main.Y + 541, 78, 24}; }
    static constexpr int ChartCloseX = 682, ChartCloseY = 510;
    static constexpr uint32_t ActiveCaption = 0x0A246A;

    // Waits until the rectangle shows what the image showed there; an edit's caret may blink.
    bool Shows(const TDesktopImage& image, const TDesktopRect& r)
    {
        return TDesktop::WaitUntil([&] { return desktop->Grab().Differences(image, r) <= CaretPixels; });
    }
    static constexpr int CaretPixels = 30;
};
} // namespace

// The chart of accounts in front of the cash window stays whole while the cash window repaints
// behind it and while it moves away and back; choosing an open window's entry brings it forward
// whole with its caption active; closing the front one shows the one behind with nothing left.
TEST_F(OverlapOnDesktop, TheFrontChildStaysWholeAndTheOneBehindComesForwardWhole)
{
    LogInByKeys();
    OpenCashWindow();
    desktop->MoveMouse(2, 2);
    const TDesktopImage cashAlone = Settled(Cash());

    ChooseMenu(MasterData, 0);
    desktop->MoveMouse(2, 2);
    ASSERT_TRUE(Changes(cashAlone, {main.X + 440, main.Y + 500, 110, 20})) << Shot("chart");
    const TDesktopImage chartFront = Settled(Cash());
    EXPECT_GE(chartFront.Count(ChartCaption(), ActiveCaption), 30) << Shot("chart-caption");
    Shot("chart-front");

    // The cash window's Close button, hovered, repaints behind the chart.
    desktop->MoveMouse(CashClose().CentreX(), CashClose().CentreY());
    ASSERT_TRUE(Changes(chartFront, CashClose())) << Shot("hovered");
    EXPECT_LE(desktop->Grab().Differences(chartFront, Chart()), CaretPixels) << Shot("hovered");
    desktop->MoveMouse(2, 2);
    ASSERT_TRUE(Shows(chartFront, Cash())) << Shot("unhovered");

    // Dragged by its caption away and back.
    const int captionX = main.X + 300, captionY = main.Y + 94, by = 100;
    desktop->Drag(captionX, captionY, captionX + by, captionY + by);
    TDesktopRect moved = ChartCaption();
    moved.X += by;
    moved.Y += by;
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(moved, ActiveCaption) >= 30; }))
        << Shot("moved");
    desktop->Drag(captionX + by, captionY + by, captionX, captionY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(Shows(chartFront, Cash())) << Shot("moved-back");

    ChooseMenu(Transaction, 0);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(Shows(cashAlone, Cash())) << Shot("cash-forward");
    ChooseMenu(MasterData, 0);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(Shows(chartFront, Cash())) << Shot("chart-forward");

    desktop->Click(main.X + ChartCloseX, main.Y + ChartCloseY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(Shows(cashAlone, Cash())) << Shot("chart-closed");
}
