#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TUtilityWindow.h"
#include "UiTestControls.h"

namespace {
using Loop = TSessionTest;
} // namespace

TEST_F(Loop, RunEndsWhenTheMainFormClosesAndGetMessageReportsQuit)
{
    TForm* main = nullptr;
    s.App().CreateForm(main);
    s.App().PostMessage(main->Handle(), WM_CLOSE);
    s.App().Run();
    EXPECT_TRUE(s.App().Terminated());
    s.App().PostQuitMessage(3);
    TQueuedMessage m;
    EXPECT_FALSE(s.App().GetMessage(m));
    EXPECT_EQ(m.WParam, 3);
}

TEST_F(Loop, AnOwnLoopGetsInputThroughGetMessageAndEndsOnAClick)
{
    TForm* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 200, 200);
    auto* button = Place<TTestButton>(form, "Item", 10, 10);
    form->Show();
    s.ProcessUntilIdle();
    QueueClick(s, s.ScreenPointOf(*button));
    std::vector<uint32_t> seen;
    TQueuedMessage m;
    while (s.App().GetMessage(m)) {
        seen.push_back(m.Msg);
        s.App().TranslateMessage(m);
        s.App().DispatchMessage(m);
        if (m.Msg == WM_LBUTTONUP)
            break;
    }
    EXPECT_EQ(button->Clicks, 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), uint32_t(WM_LBUTTONDOWN)), seen.end());
}

TEST_F(Loop, SystemNotificationsReachUtilityWindowsToo)
{
    int colourChanges = 0;
    TUtilityWindow listener([&](TMessage& m) {
        if (m.Msg == WM_SYSCOLORCHANGE)
            ++colourChanges;
    });
    s.CreateForm<TForm>()->HandleNeeded();
    s.App().BroadcastSystemMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(colourChanges, 1);
}

TEST_F(Loop, WindowOpacityIsKeptUntilTheWindowExists)
{
    TForm* wait = s.CreateForm<TForm>();
    wait->SetWindowOpacity(230);
    wait->Show();
    EXPECT_EQ(s.Screen().WindowOpacity(wait->NativeWindow()), 230);
}
