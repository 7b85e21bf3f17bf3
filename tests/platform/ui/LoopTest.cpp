#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TUtilityWindow.h"
#include "UiTestControls.h"

namespace {
using Loop = TSessionTest;

// Asks to be painted again whenever it paints.
class TRestlessLabel : public TTestLabel {
public:
    using TTestLabel::TTestLabel;

protected:
    void Paint() override
    {
        TTestLabel::Paint();
        if (Paints < 1000)
            Invalidate();
    }
};
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

// A long job calls ProcessMessages at every step: input the window system keeps sending, and a
// window that asks to be painted again while it paints, wait for the next call instead of keeping
// this one from returning.
TEST_F(Loop, ProcessMessagesReturnsWhileEventsAndPaintsKeepComing)
{
    TForm* form = ShowForm(s, 0, 0, 300, 200);
    int moves = 0;
    form->OnMouseMove = [&](TComponent*, TShiftState, int, int) {
        if (++moves < 1000)
            s.Screen().MouseMove(100 + moves % 2, 100);
    };
    s.Screen().MouseMove(100, 100);
    s.App().ProcessMessages();
    EXPECT_EQ(moves, 1);
    s.App().ProcessMessages();
    EXPECT_EQ(moves, 2);

    auto* restless = Place<TRestlessLabel>(form, "Restless", 10, 40);
    s.App().ProcessMessages();
    EXPECT_EQ(restless->Paints, 1);
    s.App().ProcessMessages();
    EXPECT_EQ(restless->Paints, 2);
}
