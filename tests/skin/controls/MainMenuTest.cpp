#include <gtest/gtest.h>

#include "platform/ui/TCustomForm.h"
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
        main->BeginLoading();
        main->SetBounds(100, 80, 500, 350);
        skin = CreateOwned<TTeForm>(*main);
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
}
