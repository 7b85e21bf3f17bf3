#include "tests/desktop/ProgramOnDesktop.h"

namespace {
// A click right after a window has closed, with the single move before the press that a touch
// screen or a remote desktop sends, does what a slower click does.
class ClicksAfterClosingOnDesktop : public ProgramOnDesktop {
protected:
    // Each way of closing the budget window comes round six times.
    static constexpr int Rounds = 12;
    // Twelve taps on the preview's "Close", three clicks on its close button, three Escapes.
    static constexpr int PreviewRounds = 18;
    // The budget window's "Close" button and its caption's close button, from the main window's corner.
    static constexpr int BudgetCloseX = 700, BudgetCloseY = 510, BudgetCrossX = 737, BudgetCrossY = 94;
    // The preview's "Close" button from its corner, and its title's close button from its top right.
    static constexpr int PreviewCloseX = 398, PreviewCloseY = 37, PreviewCrossFromRight = 13, PreviewCrossY = 13;
};
} // namespace

// The budget window, opened by keys, closed by a click on its "Close" button or on its caption's
// close button, and chosen again from the menu at the place of the last choice: it opens every time.
TEST_F(ClicksAfterClosingOnDesktop, AMenuItemChosenAgainAtTheSamePlaceOpensItsWindow)
{
    LogInByKeys();
    const TDesktopRect m = Main();
    const TDesktopRect children{m.X + 4, m.Y + BarRow + 12, m.Width - 8, m.Height - BarRow - 45};
    // The budget window's caption and heading.
    const TDesktopRect heading{m.X + 10, m.Y + 88, 400, 40};
    desktop->MoveMouse(2, 2);
    const TDesktopImage empty = desktop->Grab();
    desktop->Key("alt+m");
    desktop->Key("a");
    ASSERT_TRUE(Changes(empty, heading)) << Shot("by-keys");
    const TDesktopImage budget = Settled(heading);

    for (int round = 0; round < Rounds; ++round) {
        if (round % 2 == 0)
            desktop->Click(m.X + BudgetCloseX, m.Y + BudgetCloseY);
        else
            desktop->Click(m.X + BudgetCrossX, m.Y + BudgetCrossY);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(empty, children) == 0; }))
            << "round " << round << " " << Shot("closed");
        ChooseMenu(MasterData, 1);
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(budget, heading) == 0; }))
            << "round " << round << " " << Shot("chosen");
    }
}

// A preview closed by its "Close" button, its title's close button or Escape, and at once the
// neighbouring link of the report window clicked: its preview opens every time.
// "Close" acts on its press, and two rounds in three tap it, held from 0 to 11 ms: however long the
// program takes to close the preview, some taps let go while it is still closing it, and the
// release goes to the preview's window as it goes away.
TEST_F(ClicksAfterClosingOnDesktop, AReportLinkClickedAsAPreviewClosesOpensItsPreview)
{
    LogInByKeys();
    OpenReportWindow();
    const TDesktopRect m = Main();
    const int links[] = {TrialBalanceY, BalanceSheetY};
    desktop->Click(m.X + ReportLinkX, m.Y + links[0]);
    for (int round = 0; round < PreviewRounds; ++round) {
        TDesktopRect preview;
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Preview", preview); }))
            << "round " << round << " " << Shot("no-preview");
        // Its page drawn below the tool row: the buttons are drawn too.
        ASSERT_TRUE(TDesktop::WaitUntil([&] {
            return desktop->Grab().Count({preview.X + 40, preview.Y + 70, 100, 20}, 0xFFFFFF) == 2000;
        })) << "round " << round << " " << Shot("page");
        if (round % 3 != 2)
            desktop->Click(preview.X + PreviewCloseX, preview.Y + PreviewCloseY, 1,
                           std::chrono::milliseconds(round - round / 3));
        else if (round % 6 == 2)
            desktop->Click(preview.X + preview.Width - PreviewCrossFromRight, preview.Y + PreviewCrossY);
        else
            desktop->Key("Escape");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Preview", preview); }))
            << "round " << round << " " << Shot("still-open");
        desktop->Click(m.X + ReportLinkX, m.Y + links[(round + 1) % 2]);
    }
    TDesktopRect preview;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Preview", preview); })) << Shot("no-preview");
}
