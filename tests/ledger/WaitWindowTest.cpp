// The wait window: it holds the input while a long job runs without taking the activation, and
// closes with the cursor restored when the job fails.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ledger/Posting.h"
#include "ledger/TF_Tunggu.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeProgressBar.h"
#include "tests/ledger/PostingBook.h"
#include "tests/ledger/WindowSession.h"

namespace {
// The main window with a button, shown and active, and the wait window.
class WaitWindow : public ::testing::Test {
protected:
    WaitWindow()
    {
        main->SetBounds(100, 100, 600, 400);
        w.s.App().SetMainForm(main);
        button->SetParent(main);
        button->SetBounds(10, 10, 100, 25);
        main->Show();
        w.s.ProcessUntilIdle();
    }
    ~WaitWindow() override
    {
        TComponent::Free(wait);
        TComponent::Free(main);
    }

    WindowSession w;
    TForm* main = w.s.CreateForm<TForm>();
    TButton* button = CreateOwned<TButton>(*main);
    TF_Tunggu* wait = w.s.CreateForm<TF_Tunggu>();
};
} // namespace

TEST_F(WaitWindow, KeepsInputFromOtherWindowsWhileShownAndAFailingJobClosesItWithOneErrorBox)
{
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    wait->TeProgressBar1->SetPosition(40);
    wait->Progress().Show();
    EXPECT_EQ(wait->TeProgressBar1->Position(), 0);
    EXPECT_EQ(Screen->Cursor(), crHourGlass);
    w.s.ClickControl(*button);
    EXPECT_EQ(clicks, 0);
    wait->Progress().Close();
    EXPECT_EQ(Screen->Cursor(), crDefault);
    w.s.ClickControl(*button);
    EXPECT_EQ(clicks, 1);

    TPostingBook book;
    book.Category("11", "AKTIVA LANCAR", "D", 1);
    for (int id = 1; id <= 3; ++id)
        book.Account(id, "111" + std::to_string(id), "KAS", "11", "D", 100, 10);
    book.ControlAccounts(10, 1, 0, 0);
    book.Exec("create trigger fail_third before insert on posting when (select count(*) from posting) = 2 "
              "begin select raise(abort, 'injected failure'); end");
    button->OnClick = [&](TComponent*) { BuildMonthlyTrialBalance(book.dm, "3", "2026", "10", &wait->Progress()); };
    w.s.ClickControl(*button);
    EXPECT_FALSE(wait->Visible());
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(w.s.Errors().size(), 1u);
    EXPECT_NE(w.s.Errors().empty() ? std::string::npos : w.s.Errors()[0].find("injected failure"), std::string::npos);

    // The session's end and a quit that come while a write waits for another instance's take effect
    // once the write has begun: the close, which closes the connection as the log-off does, never
    // runs under the wait.
    TADOConnection& connection = *book.dm.CONN1;
    connection.OnWriteWait = [&](bool waiting) { wait->WaitForOthersWrite(waiting); };
    main->OnClose = [&](TComponent*, TCloseAction&) { connection.Close(); };
    TADOConnection other;
    other.SetConnectionString(connection.ConnectionString());
    other.Open();
    other.Execute("begin immediate");
    std::jthread commitLater([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        other.Execute("commit");
    });
    bool heldBack = false;
    button->OnClick = [&](TComponent*) {
        TBackendEvent quit;
        quit.Kind = TBackendEventKind::Quit;
        w.s.Screen().Push(quit);
        w.s.App().Terminate();
        TTransaction write(connection);
        heldBack = !wait->Visible() && connection.Connected() && !w.s.App().Terminated();
        write.Commit();
    };
    w.s.ClickControl(*button);
    commitLater.join();
    EXPECT_TRUE(heldBack);
    EXPECT_FALSE(connection.Connected());
    EXPECT_TRUE(w.s.App().Terminated());
}

// The wait window only shows progress: on top, centred on the main window, while the main window
// stays active and keeps its focused control, so the window system never hands the activation
// back and forth between the two during a job.
TEST_F(WaitWindow, ShowsOnTopCentredOnTheMainWindowWithoutTakingTheActivation)
{
    ASSERT_TRUE(button->Focused());

    wait->Progress().Show();
    w.s.ProcessUntilIdle();
    EXPECT_EQ(wait->BoundsRect(), Rect(250, 258, 550, 342));
    EXPECT_TRUE(w.s.Screen().IsWindowTopMost(wait->NativeWindow()));
    EXPECT_EQ(w.s.Screen().ZOrder().back(), wait->NativeWindow());
    EXPECT_EQ(w.s.App().ActiveTopForm(), main);
    EXPECT_EQ(w.s.Screen().ActiveWindow(), main->NativeWindow());
    EXPECT_TRUE(button->Focused());
    w.s.ClickControl(*wait->Label1);
    EXPECT_EQ(w.s.App().ActiveTopForm(), main);

    wait->Progress().Close();
    EXPECT_EQ(w.s.App().ActiveTopForm(), main);
    EXPECT_TRUE(button->Focused());
}
