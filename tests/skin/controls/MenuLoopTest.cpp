#include <gtest/gtest.h>

#include "tests/skin/controls/MenuKit.h"

namespace {

// A bar with "User" (LogIn, Exit) and "&Edit" (Cut, a separator, hidden Copy, disabled Paste, &Select).
struct MenuLoop : ::testing::Test, MenuFixture {
    TTeItem* user = AddItem(*root, "User");
    TTeItem* login = Leaf(*user, "LogIn");
    TTeItem* exit = Leaf(*user, "Exit");
    TTeItem* edit = AddItem(*root, "&Edit");
    TTeItem* cut = Leaf(*edit, "Cut");
    TTeItem* line = AddItem(*edit, "-");
    TTeItem* copy = Leaf(*edit, "&Copy");
    TTeItem* paste = Leaf(*edit, "Paste");
    TTeItem* select = Leaf(*edit, "&Select");

    MenuLoop()
    {
        copy->SetVisible(false);
        paste->SetEnabled(false);
    }
};

TEST_F(MenuLoop, DownAndUpSkipSeparatorsAndHiddenItemsAndWrap)
{
    auto view = MakeView(*edit, false);
    view->SetSelected(cut);
    view->SelectNext();
    EXPECT_EQ(view->Selected(), paste);
    view->SelectNext();
    view->SelectNext();
    EXPECT_EQ(view->Selected(), cut);
    view->SelectPrev();
    EXPECT_EQ(view->Selected(), select);

    // Nothing selectable: one round and the selection stays.
    copy->SetVisible(true);
    for (TTeItem* i : {cut, copy, paste, select})
        i->SetVisible(false);
    auto empty = Create<TTeItem>();
    view->SetSelected(nullptr);
    view->SelectNext();
    view->SelectPrev();
    EXPECT_EQ(view->Selected(), nullptr);
    view->SetItem(empty.get());
    view->SelectNext();
    EXPECT_EQ(view->Selected(), nullptr);
}

TEST_F(MenuLoop, ReturnOnAnEnabledLeafClosesEveryLevelThenClicksOnceAndOnADisabledItemNeitherClicksNorCloses)
{
    auto bar = MakeView(*root, true);
    Keys({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(bar->RunMenuLoop());
    EXPECT_EQ(opened, std::vector<std::string>{"User"});
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(bar->LoopRunning());
    EXPECT_EQ(bar->Selected(), nullptr);
    session.ProcessUntilIdle();
    EXPECT_EQ(clicked, std::vector<std::string>{"Exit"});

    clicked.clear();
    Keys({VK_RIGHT, VK_DOWN, VK_UP, VK_UP, VK_RETURN});
    // Still open with nothing more to read: the headless loop reports the wait, and every level's
    // exit step still runs.
    EXPECT_THROW(bar->RunMenuLoop(), EHeadlessStall);
    EXPECT_FALSE(bar->LoopRunning());
    EXPECT_TRUE(OpenHosts().empty());
    session.ProcessUntilIdle();
    EXPECT_TRUE(clicked.empty()) << "the disabled Paste";
}

TEST_F(MenuLoop, EscapeClosesOneLevelLeftRightHandOverToTheBarAndAltOrF10CloseAll)
{
    auto bar = MakeView(*root, true);
    Keys({VK_DOWN, VK_ESCAPE, VK_RIGHT, VK_DOWN, VK_LEFT, VK_ESCAPE, VK_ESCAPE});
    bar->RunMenuLoop();
    EXPECT_EQ(opened, (std::vector<std::string>{"User", "&Edit", "User"}));
    EXPECT_FALSE(bar->LoopRunning());

    for (uint16_t key : {VK_MENU, VK_F10}) {
        Keys({VK_DOWN, key});
        bar->RunMenuLoop();
        EXPECT_FALSE(bar->LoopRunning());
    }
    EXPECT_EQ(opened.size(), 5u);
}

TEST_F(MenuLoop, HoveringAnotherBarItemSwapsTheOpenDropdownAndAPressOutsideClosesTheChainAndReachesTheWindowBelow)
{
    auto bar = MakeView(*root, true);
    const TPoint overEdit = host->ClientToScreen({edit->BoundsRect().Left + 5, 5});
    Keys({VK_DOWN});
    session.Screen().MouseMove(overEdit.X, overEdit.Y);
    Keys({VK_ESCAPE, VK_ESCAPE});
    bar->RunMenuLoop();
    EXPECT_EQ(opened, (std::vector<std::string>{"User", "&Edit"}));

    const TPoint outside = session.ScreenPointOf(*form);
    Keys({VK_DOWN});
    session.Screen().MouseDown(outside.X, outside.Y);
    bar->RunMenuLoop();
    EXPECT_TRUE(OpenHosts().empty());
    TQueuedMessage m;
    ASSERT_TRUE(session.App().PeekMessage(m));
    EXPECT_EQ(m.Msg, WM_LBUTTONDOWN);
}

// The next menu opened from the same item, one move to the row clicked last time and a click there:
// that row is chosen again, though the move ends where the last menu's moves ended.
TEST_F(MenuLoop, AClickChoosesTheRowUnderItAfterOneMoveToWhereTheLastMenuLeftTheMouse)
{
    auto bar = MakeView(*root, true);
    Keys({VK_DOWN, VK_ESCAPE, VK_ESCAPE});
    bar->RunMenuLoop();
    const TRect userRect = user->BoundsRect();
    const TPoint onExit = host->ClientToScreen({userRect.Left + exit->BoundsRect().Left + 5,
                                                userRect.Bottom + exit->BoundsRect().Top + 5});
    const TPoint away = session.ScreenPointOf(*form);
    for (int round = 0; round < 2; ++round) {
        Keys({VK_DOWN});
        session.Screen().MouseMove(onExit.X, onExit.Y);
        session.Screen().MouseDown(onExit.X, onExit.Y);
        session.Screen().MouseUp(onExit.X, onExit.Y);
        bar->RunMenuLoop();
        session.Screen().MouseMove(away.X, away.Y);
        session.ProcessUntilIdle();
        // The next press is no double click.
        session.AdvanceClock(1000);
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Exit", "Exit"}));
}

TEST_F(MenuLoop, ScrollArrowMovesTheColumnEveryHundredMilliseconds)
{
    edit->SetScrolled(true);
    edit->SetScrollCount(2);
    auto view = MakeView(*edit, false);
    EXPECT_EQ(cut->BoundsRect().Top, 10);
    view->TrackMouse(view->Host()->ClientToScreen({5, view->ViewHeight() - 5}));
    EXPECT_EQ(view->ScrollDirection(), 2);
    session.AdvanceClock(99);
    EXPECT_EQ(view->Selected(), nullptr);
    session.AdvanceClock(1);
    EXPECT_EQ(view->Selected(), cut);
    session.AdvanceClock(100);
    EXPECT_EQ(view->Selected(), paste);
    EXPECT_EQ(edit->ScrollPos(), 2);
    EXPECT_EQ(paste->BoundsRect().Top, 10);
    view->TrackMouse(view->Host()->ClientToScreen({5, 20}));
    EXPECT_FALSE(view->HasScrollTimer());
    session.AdvanceClock(500);
    EXPECT_EQ(edit->ScrollPos(), 2);
}

} // namespace
