#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/TCustomForm.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/skin/controls/SkinTestKit.h"

namespace {

// The program's main window as it stands before login: a small bar showing, the full bar hidden.
struct MainWindow : SkinFixture {
    TForm* main = session.CreateForm<TForm>();
    TTeForm* skin = nullptr;
    TTeMenuBar* small = nullptr;
    TTeMenuBar* full = nullptr;
    TTeItem* user = nullptr;
    TTeItem* transaction = nullptr;
    std::vector<std::string> log;
    size_t windowsBefore = 0;

    MainWindow()
    {
        // Made before loading starts, as the form's streaming makes it: loading ends for it too.
        skin = CreateOwned<TTeForm>(*main);
        main->BeginLoading();
        main->SetBounds(100, 80, 500, 350);
        small = Bar({"User"});
        user = small->Items()->Items(0);
        Add(*user, "LogIn");
        Add(*user, "Exit");
        full = Bar({"&Master Data", "&Transaction", "&Report"});
        transaction = full->Items()->Items(1);
        Add(*transaction, "Cash");
        Add(*transaction, "Bank");
        full->Hide();
        main->EndLoading();
        main->Show();
        session.ProcessUntilIdle();
        windowsBefore = Windows();
    }

    TTeMenuBar* Bar(std::initializer_list<const char*> captions)
    {
        auto* bar = Docked<TTeMenuBar>(*main, TAlign::alTop);
        for (const char* caption : captions) {
            TTeItem* item = Add(*bar->Items(), caption);
            item->OnBeforeDropDown = [this](TComponent* s) { log.push_back("open " + static_cast<TTeItem*>(s)->Caption()); };
        }
        return bar;
    }

    TTeItem* Add(TTeItem& parent, const std::string& caption)
    {
        auto* item = CreateOwned<TTeItem>(*main);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TComponent*) {
            log.push_back(caption + (Windows() == windowsBefore ? "" : " with a menu on screen"));
        };
        parent.Add(item);
        return item;
    }

    // Every native window, shown or not: a freed popup leaves none behind.
    size_t Windows() { return session.Screen().ZOrder().size(); }

    TPoint ItemOnScreen(TTeMenuBar& bar, TTeItem& item)
    {
        const TRect r = bar.View().GetItemRect(&item);
        return bar.ClientToScreen({r.Left + 5, r.Top + 5});
    }
};

} // namespace

TEST(MainMenu, AClickOnUserOpensItsDropdownAndLogInRunsOnlyOnceItIsGoneOrAWaitingOneStalls)
{
    MainWindow w;
    const TPoint at = w.ItemOnScreen(*w.small, *w.user);
    const TRect userRect = w.user->BoundsRect();
    auto& screen = w.session.Screen();
    screen.MouseDown(at.X, at.Y);
    screen.MouseUp(at.X, at.Y);
    // LogIn is the dropdown's first row, inside its three-pixel frame below the item.
    const TPoint login = w.small->ClientToScreen({userRect.Left + 3 + 10, userRect.Bottom + 3 + 8});
    screen.MouseMove(login.X, login.Y);
    screen.MouseDown(login.X, login.Y);
    screen.MouseUp(login.X, login.Y);
    w.session.ProcessUntilIdle();
    EXPECT_EQ(w.log, (std::vector<std::string>{"open User", "LogIn"}));
    EXPECT_EQ(w.Windows(), w.windowsBefore);

    w.log.clear();
    w.session.Screen().MouseDown(at.X, at.Y);
    w.session.Screen().MouseUp(at.X, at.Y);
    EXPECT_THROW(w.session.ProcessUntilIdle(), EHeadlessStall);
    EXPECT_EQ(w.log, (std::vector<std::string>{"open User"}));
    EXPECT_EQ(w.Windows(), w.windowsBefore);
}

TEST(MainMenu, AltWithALetterReachesOnlyTheBarThatShows)
{
    MainWindow w;
    w.session.PressKey('T', kmAlt);
    EXPECT_TRUE(w.log.empty());
    // The hidden bar leaves the character to the form.
    EXPECT_EQ(w.full->Perform(CM_DIALOGCHAR, 't', KF_ALTDOWN_BIT), 0);
    // A caption without an accelerator is reached by its first letter, and Down or Enter opens it:
    // Alt+U, Down, Enter logs in, and so does Alt+U, Enter, Enter.
    for (const uint16_t opener : {VK_DOWN, VK_RETURN}) {
        w.session.Screen().KeyDown('U', kmAlt);
        w.session.Screen().KeyUp('U', kmAlt);
        w.Keys({opener, VK_RETURN});
        w.session.ProcessUntilIdle();
        EXPECT_EQ(w.log, (std::vector<std::string>{"open User", "LogIn"}));
        w.log.clear();
    }

    w.small->Hide();
    w.full->Show();
    w.skin->SetMenuBar(w.full);
    w.session.ProcessUntilIdle();
    auto& screen = w.session.Screen();
    screen.KeyDown('T', kmAlt);
    screen.KeyUp('T', kmAlt);
    w.Keys({VK_ESCAPE, VK_ESCAPE});
    w.session.ProcessUntilIdle();
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction"}));
    EXPECT_EQ(w.Windows(), w.windowsBefore);

    // A letter no item has leaves the bar idle: the arrows after it open nothing.
    screen.KeyDown(VK_MENU, kmAlt);
    screen.KeyDown('Z', kmAlt);
    screen.KeyUp('Z', kmAlt);
    screen.KeyUp(VK_MENU);
    w.Keys({VK_RIGHT, VK_DOWN, VK_ESCAPE, VK_ESCAPE});
    w.session.ProcessUntilIdle();
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction"}));
    EXPECT_FALSE(w.full->View().LoopRunning());
}

namespace {

// The full bar shown and named by the skinned form, as after login.
struct LoggedInWindow : MainWindow {
    LoggedInWindow()
    {
        small->Hide();
        full->Show();
        skin->SetMenuBar(full);
        session.ProcessUntilIdle();
    }
    // A point inside a row of the open dropdown, or of the bar, away from its caption.
    TColor RowColor(TTeItemView& view, TTeItem& item)
    {
        const TRect r = view.GetItemRect(&item);
        const TPoint p = view.Host()->ClientToScreen({r.Right - 4, (r.Top + r.Bottom) / 2});
        return session.ScreenColor(p.X, p.Y);
    }
    // Each time the menu waits for input, the next step looks at the screen and types its keys.
    void Script(std::vector<std::function<void()>> steps)
    {
        size_t next = 0;
        session.Screen().WhenWaiting([steps, next]() mutable {
            if (next < steps.size())
                steps[next++]();
        });
        session.ProcessUntilIdle();
        session.Screen().WhenWaiting(nullptr);
    }
};

} // namespace

TEST(MainMenu, F10AndArrowsMoveTheHighlightThatTheScreenShowsAndTheBarItemLooksOpenWhileItsDropdownIs)
{
    LoggedInWindow w;
    TTeItem* master = w.full->Items()->Items(0);
    TTeItem* cash = w.transaction->Items(0);
    TTeItem* bank = w.transaction->Items(1);
    TTeMenuBarView& bar = w.full->View();
    const TColor idle = w.RowColor(bar, *w.transaction);
    TColor hot = clNone, cashBefore = clNone, bankBefore = clNone;
    std::vector<TColor> seen;
    w.session.Screen().KeyDown(VK_F10);
    w.session.Screen().KeyUp(VK_F10);
    w.Script({
        [&] {
            hot = w.RowColor(bar, *master);
            seen.push_back(w.RowColor(bar, *w.transaction));
            w.Keys({VK_RIGHT});
        },
        [&] {
            seen.push_back(w.RowColor(bar, *master));
            seen.push_back(w.RowColor(bar, *w.transaction));
            w.Keys({VK_DOWN});
        },
        [&] {
            cashBefore = w.RowColor(*bar.ChildView(), *cash);
            bankBefore = w.RowColor(*bar.ChildView(), *bank);
            w.Keys({VK_DOWN});
        },
        [&] {
            seen.push_back(w.RowColor(*bar.ChildView(), *cash));
            seen.push_back(w.RowColor(*bar.ChildView(), *bank));
            seen.push_back(w.RowColor(bar, *w.transaction));
            w.Keys({VK_ESCAPE, VK_ESCAPE});
        },
    });
    EXPECT_NE(hot, idle) << "F10 shows the first item selected";
    EXPECT_NE(cashBefore, bankBefore);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen, (std::vector<TColor>{idle, idle, hot, bankBefore, cashBefore, seen[5]}));
    EXPECT_NE(seen[5], idle) << "the bar item of the open dropdown";
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction"}));
    EXPECT_EQ(w.Windows(), w.windowsBefore);
    EXPECT_EQ(w.RowColor(bar, *w.transaction), idle);
}

TEST(MainMenu, APressOutsideTheOpenMenusClosesThemAndClicksTheButtonUnderTheMouse)
{
    LoggedInWindow w;
    auto* button = PlacedOn<TTeButton>(*w.main, Bounds(300, 200, 80, 25));
    int clicks = 0;
    button->OnClick = [&clicks](TComponent*) { ++clicks; };
    w.session.ProcessUntilIdle();
    const TPoint at = w.ItemOnScreen(*w.full, *w.transaction);
    const TPoint press = w.session.ScreenPointOf(*button);
    auto& screen = w.session.Screen();
    screen.MouseDown(at.X, at.Y);
    screen.MouseUp(at.X, at.Y);
    w.Script({[&] {
        screen.MouseMove(press.X, press.Y);
        screen.MouseDown(press.X, press.Y);
        screen.MouseUp(press.X, press.Y);
    }});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(w.Windows(), w.windowsBefore);
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction"}));
}

// Rows the user's rights hide lead the dropdown, as the cash advances lead Transaction: opened by
// the keyboard, the dropdown selects its first row that shows, and Enter runs that one.
TEST(MainMenu, ADropdownOpenedByKeysSelectsItsFirstShownRowNotAHiddenOne)
{
    LoggedInWindow w;
    TTeItem* report = w.full->Items()->Items(2);
    w.Add(*report, "Advances")->SetVisible(false);
    w.Add(*report, "-")->SetVisible(false);
    TTeItem* balance = w.Add(*report, "Trial Balance");
    TTeItem* statements = w.Add(*report, "Statements");
    w.session.ProcessUntilIdle();
    TTeMenuBarView& bar = w.full->View();
    TColor balanceColour = clNone, statementsColour = clNone;
    TPoint overStatements;
    auto& screen = w.session.Screen();
    screen.KeyDown(VK_F10);
    screen.KeyUp(VK_F10);
    w.Script({
        [&] { w.Keys({VK_RIGHT, VK_RIGHT, VK_DOWN}); },
        [&] {
            balanceColour = w.RowColor(*bar.ChildView(), *balance);
            statementsColour = w.RowColor(*bar.ChildView(), *statements);
            const TRect row = bar.ChildView()->GetItemRect(statements);
            overStatements = bar.ChildView()->Host()->ClientToScreen({row.Left + 10, (row.Top + row.Bottom) / 2});
            w.Keys({VK_RETURN});
        },
    });
    EXPECT_NE(balanceColour, statementsColour);
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Report", "Trial Balance"}));
    EXPECT_EQ(w.Windows(), w.windowsBefore);

    // A pointer resting where the dropdown opens chooses nothing until it moves.
    screen.MouseMove(overStatements.X, overStatements.Y);
    w.session.ProcessUntilIdle();
    for (const bool moved : {false, true}) {
        screen.KeyDown('R', kmAlt);
        screen.KeyUp('R', kmAlt);
        w.Script({[&] {
            if (moved)
                screen.MouseMove(overStatements.X + 1, overStatements.Y);
            w.Keys({VK_RETURN});
        }});
    }
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Report", "Trial Balance", "open &Report", "Trial Balance",
                                               "open &Report", "Statements"}));
}

// Alt alone opens the bar, and Alt+Tab to another program releases that Alt here: the menus that
// are open close when the window loses the activation, so that keys typed on return reach it.
TEST(MainMenu, AnotherProgramTakingTheFocusClosesTheOpenMenus)
{
    LoggedInWindow w;
    TTeItem* master = w.full->Items()->Items(0);
    TTeMenuBarView& bar = w.full->View();
    const TColor idle = w.RowColor(bar, *master);
    auto& screen = w.session.Screen();
    auto deactivate = [&] {
        TBackendEvent e;
        e.Kind = TBackendEventKind::Deactivated;
        e.Window = w.main->NativeWindow();
        screen.Push(e);
    };
    TColor hot = clNone;
    screen.KeyDown(VK_MENU, kmAlt);
    screen.KeyUp(VK_MENU);
    w.Script({[&] {
        hot = w.RowColor(bar, *master);
        deactivate();
    }});
    EXPECT_NE(hot, idle) << "Alt alone selects the first item";
    EXPECT_EQ(w.RowColor(bar, *master), idle);

    // A dropdown opened by the mouse runs a loop of its own inside the bar's.
    const TPoint at = w.ItemOnScreen(*w.full, *w.transaction);
    screen.MouseDown(at.X, at.Y);
    screen.MouseUp(at.X, at.Y);
    w.Script({deactivate});
    EXPECT_EQ(w.Windows(), w.windowsBefore);
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction"}));
}

// Alt inside an open dropdown or submenu closes every level; its release, whether it comes while
// the menus are still closing or after, leaves the bar idle, so a letter typed next opens nothing.
TEST(MainMenu, AltInsideTheOpenMenusClosesEveryLevelAndItsReleaseLeavesTheBarIdle)
{
    LoggedInWindow w;
    TTeItem* more = w.Add(*w.transaction, "More");
    w.Add(*more, "Deep");
    w.session.ProcessUntilIdle();
    TTeMenuBarView& bar = w.full->View();
    const TColor idle = w.RowColor(bar, *w.transaction);
    const TPoint at = w.ItemOnScreen(*w.full, *w.transaction);
    const TPoint away = w.main->ClientToScreen({250, 300});
    auto& screen = w.session.Screen();
    size_t levels = 0;
    for (bool releasedAfter : {false, true}) {
        screen.MouseMove(at.X, at.Y);
        screen.MouseDown(at.X, at.Y);
        screen.MouseUp(at.X, at.Y);
        w.Script({
            [&] {
                screen.MouseMove(away.X, away.Y);
                w.Keys({VK_DOWN, VK_DOWN, VK_RIGHT});
            },
            [&] {
                levels = w.Windows() - w.windowsBefore;
                screen.KeyDown(VK_MENU, kmAlt);
                if (!releasedAfter)
                    screen.KeyUp(VK_MENU);
            },
        });
        if (releasedAfter) {
            screen.KeyUp(VK_MENU);
            w.session.ProcessUntilIdle();
        }
        EXPECT_EQ(levels, 2u);
        EXPECT_EQ(w.Windows(), w.windowsBefore);
        EXPECT_FALSE(bar.LoopRunning());
        EXPECT_EQ(w.RowColor(bar, *w.transaction), idle);
        EXPECT_EQ(w.RowColor(bar, *w.full->Items()->Items(0)), idle);
        w.session.PressKey('T', 0, "t");
    }
    EXPECT_EQ(w.log, (std::vector<std::string>{"open &Transaction", "open &Transaction"}));
}
