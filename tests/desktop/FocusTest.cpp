#include "tests/desktop/ProgramOnDesktop.h"

using FocusOnDesktop = ProgramOnDesktop;

// The pointer rests off every window in these cases: without a window manager the X server would
// otherwise hand the keys to the window under it, whoever holds the focus.

TEST_F(FocusOnDesktop, TheMainWindowHasTheKeyboardAfterLogin)
{
    LogInByKeys();
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FocusTitle().starts_with(MainTitle); }))
        << "focus on '" << desktop->FocusTitle() << "'";
}

// After a message box the edit that asked for it has the keyboard again: Enter in the search
// keyword edit asks for a keyword once more.
TEST_F(FocusOnDesktop, TheFocusedEditTakesKeysAgainAfterAMessageBox)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + SearchBox, m.Y + SearchRow);
    desktop->Click(m.X + KeywordEdit + 10, m.Y + SearchRow);
    desktop->MoveMouse(2, 2);
    TDesktopRect box;
    for (int round = 1; round <= 2; ++round) {
        desktop->Key("Return");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Error", box); }, std::chrono::seconds(5)))
            << Shot("box" + std::to_string(round));
        desktop->Key("Return");
        ASSERT_TRUE(TDesktop::WaitUntil([&] { return !desktop->FindWindow("Error", box); })) << Shot("closed");
    }
}

// A click on an edit of the active window gives it the keys, wherever the pointer goes next.
TEST_F(FocusOnDesktop, AClickedEditTakesTheTypedText)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + SearchBox, m.Y + SearchRow);
    const TDesktopRect keyword{m.X + KeywordEdit, m.Y + SearchRow - 6, 120, 12};
    desktop->Click(keyword.X + 10, keyword.Y + 6);
    desktop->MoveMouse(2, 2);
    const TDesktopImage before = desktop->Grab();
    desktop->Type("WWW");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(before, keyword) > 40; }))
        << Shot("typed");
}

// A drop-down list is a window of its own that never takes the keyboard: once a month is chosen
// in it, the arrow keys go on changing the month in the box. Its scroll bar and the wheel scroll it
// while it stays open, so the mouse reaches the months above the eight it shows.
TEST_F(FocusOnDesktop, AClosedDropDownLeavesTheKeysWithItsBox)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    const TDesktopRect month{m.X + MonthBox, m.Y + MonthRow - 8, 100, 16};
    const TDesktopImage before = desktop->Grab();
    desktop->Click(m.X + MonthArrow, m.Y + MonthRow);
    // The list opens below the box.
    const TDesktopRect firstRow{m.X + MonthBox + 4, m.Y + MonthRow + 14, 60, 12};
    ASSERT_TRUE(Changes(before, firstRow)) << Shot("dropped");
    // Desember highlighted in the last of the eight rows shows Mei first; a click on the scroll
    // bar's up arrow shows April, a notch of the wheel three rows more: Januari.
    desktop->Key("End");
    const TDesktopRect lastRow{firstRow.X, firstRow.Y + 7 * 12 - 2, firstRow.Width, 12};
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Count(lastRow, 0x0A246A) > 300; }))
        << Shot("end");
    const TDesktopImage atEnd = desktop->Grab();
    desktop->Click(m.X + MonthArrow - 2, m.Y + MonthRow + 19);
    ASSERT_TRUE(Changes(atEnd, firstRow)) << Shot("arrow");
    // Still on top: the arrow is drawn where it was, not the cash window beneath.
    const TDesktopRect upArrow{m.X + MonthArrow - 8, m.Y + MonthRow + 13, 14, 12};
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(atEnd, upArrow) == 0; }))
        << Shot("arrow-on-top");
    desktop->Click(firstRow.CentreX(), firstRow.CentreY(), 4);
    desktop->Click(firstRow.CentreX(), firstRow.CentreY());
    desktop->MoveMouse(2, 2);
    ASSERT_TRUE(Changes(atEnd, month)) << Shot("chosen");
    EXPECT_TRUE(desktop->FocusTitle().starts_with(MainTitle)) << desktop->FocusTitle();
    const TDesktopImage chosen = desktop->Grab();
    // Januari it is: End moves away from it and Home comes back to the same picture.
    desktop->Key("End");
    ASSERT_TRUE(Changes(chosen, month)) << Shot("last");
    desktop->Key("Home");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(chosen, month) == 0; }))
        << Shot("first");
    desktop->Key("Down");
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(chosen, month) > 40; }))
        << Shot("next");
}

// A menu's dropdown is a window of its own that never takes the keyboard: while it is open and
// after Escape closed the menu, the keys reach the edit that had them.
TEST_F(FocusOnDesktop, AClosedMenuLeavesTheKeysWithTheFocusedEdit)
{
    LogInByKeys();
    OpenCashWindow();
    const TDesktopRect m = Main();
    desktop->Click(m.X + SearchBox, m.Y + SearchRow);
    desktop->Click(m.X + KeywordEdit + 10, m.Y + SearchRow);
    const TDesktopImage closed = desktop->Grab();
    const TDesktopRect dropdown{m.X + Report + 10, m.Y + BarRow + 15, 60, 14};
    desktop->Click(m.X + Report, m.Y + BarRow);
    ASSERT_TRUE(Changes(closed, dropdown)) << Shot("open");
    EXPECT_TRUE(desktop->FocusTitle().starts_with(MainTitle)) << "focus on '" << desktop->FocusTitle() << "'";
    // The first Escape closes the dropdown, the second leaves the menu bar.
    desktop->Key("Escape");
    ASSERT_TRUE(TDesktop::WaitUntil([&] { return desktop->Grab().Differences(closed, dropdown) == 0; }))
        << Shot("closed");
    desktop->Key("Escape");
    desktop->MoveMouse(2, 2);
    desktop->Key("Return");
    TDesktopRect box;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return desktop->FindWindow("Error", box); }, std::chrono::seconds(5)))
        << Shot("box");
}
