#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// The child windows inside the main window, judged by what the screen shows around them, by the
// main window's title (a maximized child adds "[its caption]") and by the bar's child buttons.
class ChildWindowsOnDesktop : public ProgramOnDesktop {
protected:
    // The menu bar and the client area below it, inside the main window's border.
    TDesktopRect Inside() { return {main.X + 3, main.Y + 58, main.Width - 6, main.Height - 58 - 26}; }
    // The chart of accounts where it opens, its frame's edges included, and its caption's left end.
    TDesktopRect Chart() { return {main.X + 4, main.Y + 81, 728, 457}; }
    TDesktopRect ChartCaption() { return CaptionEnd(main.X + 4, main.Y + 81); }
    // The left end of the cash window's caption once minimized, at the bottom of the client area.
    TDesktopRect CashIconCaption() { return {main.X + 4, main.Y + 652, 36, 10}; }
    // The cash window's Close button, below the chart when both are open where they open.
    TDesktopRect CashClose() { return {main.X + 700, main.Y + 541, 78, 24}; }

    // Waits until the rectangle, less a hole inside it, shows what the image showed there.
    bool ShowsAround(const TDesktopImage& image, const TDesktopRect& r, const TDesktopRect& hole = {})
    {
        return TDesktop::WaitUntil([&] {
            const TDesktopImage now = desktop->Grab();
            return now.Differences(image, r) - (hole.Width ? now.Differences(image, hole) : 0) == 0;
        });
    }
    bool TitleNames(const std::string& child)
    {
        const std::string named = "[" + child + "]";
        return TDesktop::WaitUntil([&] { return desktop->Title("Bukura").find(named) != std::string::npos; });
    }
    bool TitleNamesNoChild()
    {
        return TDesktop::WaitUntil([&] { return desktop->Title("Bukura").find('[') == std::string::npos; });
    }
    bool ChartShowsActive()
    {
        return TDesktop::WaitUntil([&] { return desktop->Grab().Count(ChartCaption(), ActiveCaption) >= 30; });
    }
    void OpenChart()
    {
        ChooseMenu(MasterData, 0);
        desktop->MoveMouse(2, 2);
    }

    static constexpr uint32_t ActiveCaption = 0x0A246A;
    static constexpr const char* ChartName = "Record List Of Kategori Perkiraan";
    // The chart's own close and maximize buttons (the cash window's minimize button on the same row),
    // and the bar's close button of a maximized child.
    static constexpr int ChartCloseX = 717, ChartMaximizeX = 700, ChartButtonY = 94, CashMinimizeX = 743;
    static constexpr int BarCloseX = 795, BarButtonY = 69;
};
} // namespace

// The close button of a child's own frame, and the bar's close button of a maximized child, close
// the child for good: its keys go with it, its menu entry opens it again, and the main window
// looks as it did before it opened, with its whole title and no child buttons. A child minimized
// hands the activation to the one behind it.
TEST_F(ChildWindowsOnDesktop, AChildClosedByItsFrameIsGoneAndLeavesNothingBehind)
{
    LogInByKeys();
    desktop->MoveMouse(2, 2);
    const TDesktopImage empty = Settled(Inside());

    OpenChart();
    ASSERT_TRUE(ChartShowsActive()) << Shot("chart");
    desktop->Click(main.X + ChartCloseX, main.Y + ChartButtonY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(ShowsAround(empty, Inside())) << Shot("closed");

    // The category dialog's key opens nothing once the chart is closed; had it opened, the menu
    // below could not have been used.
    desktop->Key("alt+a");
    OpenChart();
    ASSERT_TRUE(ChartShowsActive()) << Shot("reopened");
    TDesktopRect dialog;
    EXPECT_FALSE(desktop->FindWindow("FI_Jenis_coa", dialog)) << Shot("dialog");

    desktop->Click(main.X + ChartMaximizeX, main.Y + ChartButtonY);
    desktop->MoveMouse(2, 2);
    ASSERT_TRUE(TitleNames(ChartName)) << Shot("maximized");
    desktop->Click(main.X + BarCloseX, main.Y + BarButtonY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura");
    EXPECT_EQ(desktop->Title("Bukura"), std::string(MainTitle) + "Orvanta, https://www.orvanta.example");
    EXPECT_TRUE(ShowsAround(empty, Inside())) << Shot("maximized-closed");

    // The cash window minimized in front of the chart: the chart comes forward drawn active, and
    // the cash window's caption at the bottom is drawn inactive.
    OpenChart();
    OpenCashWindow();
    desktop->Click(main.X + CashMinimizeX, main.Y + ChartButtonY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(ChartShowsActive()) << Shot("cash-minimized");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(CashIconCaption(), ActiveCaption) == 0; }))
        << Shot("cash-minimized");
}

// A child opened beside a maximized one is maximized too; when the maximized one closes, the
// others are restored and stay so: brought forward by a click or by their menu entry, moved in
// small steps (leaving no trace behind), and a click on a button of one behind presses it at once.
TEST_F(ChildWindowsOnDesktop, RestoredChildrenStayRestoredAndLeaveNoTrace)
{
    LogInByKeys();
    desktop->MoveMouse(2, 2);
    const TDesktopImage empty = Settled(Inside());

    ChooseMenu(Report, 1);
    ASSERT_TRUE(TitleNames("Report")) << Shot("report");
    OpenChart();
    ASSERT_TRUE(TitleNames(ChartName)) << Shot("chart");
    ChooseMenu(Report, 1);
    ASSERT_TRUE(TitleNames("Report")) << Shot("report-forward");
    desktop->MoveMouse(2, 2);
    desktop->Click(main.X + ReportCloseX, main.Y + ReportCloseY);
    desktop->MoveMouse(2, 2);
    ASSERT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura") << Shot("report-closed");
    ASSERT_TRUE(ChartShowsActive()) << Shot("restored");
    EXPECT_TRUE(ShowsAround(empty, Inside(), Chart())) << Shot("restored");

    // Dragged by its caption in steps of 20 pixels, then back.
    const int captionX = main.X + 300, captionY = main.Y + 94, by = 160;
    desktop->Drag(captionX, captionY, captionX + by, captionY);
    EXPECT_TRUE(ShowsAround(empty, {Chart().X, Chart().Y, by, Chart().Height})) << Shot("moved");
    desktop->Drag(captionX + by, captionY, captionX, captionY);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(ShowsAround(empty, Inside(), Chart())) << Shot("moved-back");
    const TDesktopImage chartFront = Settled(Chart());
    EXPECT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura");

    // The cash window opens restored in front of it; the chart's entry brings the chart forward
    // as it was, a click on the cash window's strip below it the cash window, as it was too.
    OpenCashWindow();
    // The chart's own white list satisfies the cash window's wait: the cash window has to cover
    // the chart before its picture is taken.
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(chartFront, Chart()) > 50000; }))
        << Shot("cash-over-chart");
    desktop->MoveMouse(2, 2);
    const TDesktopImage cashFront = Settled(Chart());
    OpenChart();
    EXPECT_TRUE(ShowsAround(chartFront, Chart())) << Shot("chart-forward");
    EXPECT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura");
    desktop->Click(main.X + 400, main.Y + 560);
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(ShowsAround(cashFront, Chart())) << Shot("cash-forward");
    EXPECT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura");
    OpenChart();
    ASSERT_TRUE(ShowsAround(chartFront, Chart())) << Shot("chart-forward-again");

    // One click on the cash window's Close button, below the chart, closes it.
    desktop->Click(CashClose().CentreX(), CashClose().CentreY());
    desktop->MoveMouse(2, 2);
    EXPECT_TRUE(ShowsAround(empty, CashClose())) << Shot("cash-closed");
    EXPECT_TRUE(TitleNamesNoChild()) << desktop->Title("Bukura");
}

// Ctrl+F6 and Ctrl+Tab bring the child behind the active one forward and send the active one to
// the back; with Shift the backmost comes forward. Maximized, the title names the active one.
TEST_F(ChildWindowsOnDesktop, ControlF6AndControlTabSwitchTheChildren)
{
    LogInByKeys();
    OpenChart();
    ASSERT_TRUE(ChartShowsActive()) << Shot("chart");
    desktop->Click(main.X + ChartMaximizeX, main.Y + ChartButtonY);
    ASSERT_TRUE(TitleNames(ChartName)) << Shot("maximized");
    ChooseMenu(Transaction, 0);
    ASSERT_TRUE(TitleNames("Cash Flow")) << Shot("cash");
    ChooseMenu(Report, 0);
    ASSERT_TRUE(TitleNames("Daf Saldo")) << Shot("balances");
    desktop->MoveMouse(2, 2);

    const struct {
        const char* keys;
        const char* active;
    } steps[] = {{"ctrl+F6", "Cash Flow"},        {"ctrl+F6", ChartName},          {"ctrl+Tab", "Daf Saldo"},
                 {"ctrl+shift+F6", ChartName}, {"ctrl+shift+Tab", "Cash Flow"}};
    for (const auto& step : steps) {
        desktop->Key(step.keys);
        EXPECT_TRUE(TitleNames(step.active)) << step.keys << ": " << desktop->Title("Bukura") << Shot(step.keys);
    }
}
