#include <gtest/gtest.h>

#include "platform/core/LiveObjects.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TUtilityWindow.h"
#include "UiTestControls.h"

namespace {
using MessageQueue = TSessionTest;
using Messages = TSessionTest;
} // namespace

TEST(RawQueue, PeekFiltersByWindowAndRangeAndPostUniqueAddsOnlyANewKind)
{
    TMessageQueue q;
    q.Post(1, WM_USER, 10);
    q.Post(2, WM_PAINT);
    q.Post(2, WM_USER + 1, 20);
    TQueuedMessage m;
    ASSERT_TRUE(q.Peek(m, 2, WM_USER, WM_USER + 5));
    EXPECT_EQ(m.Msg, WM_USER + 1u);
    EXPECT_EQ(m.WParam, 20);
    EXPECT_EQ(q.Count(), 3);
    ASSERT_TRUE(q.Peek(m, 0, WM_PAINT, WM_PAINT, true));
    EXPECT_EQ(m.Wnd, 2u);
    EXPECT_EQ(q.Count(), 2);
    EXPECT_FALSE(q.Peek(m, 3));
    EXPECT_TRUE(q.PostUnique(5, WM_DEFERRED_GRID_LAYOUT));
    EXPECT_FALSE(q.PostUnique(5, WM_DEFERRED_GRID_LAYOUT));
    EXPECT_TRUE(q.PostUnique(6, WM_DEFERRED_GRID_LAYOUT));
    EXPECT_EQ(q.RemoveKind(5, WM_DEFERRED_GRID_LAYOUT), 1);
    EXPECT_EQ(q.Count(), 3);
}

TEST_F(MessageQueue, KillMessageRemovesThePendingCharButKeepsAQuit)
{
    TUtilityWindow w([](TMessage&) {});
    s.App().PostMessage(w.Handle(), WM_CHAR, 10);
    s.App().PostQuitMessage(0);
    s.App().KillMessage(w.Handle(), WM_CHAR);
    TQueuedMessage m;
    EXPECT_FALSE(s.App().PeekMessage(m, w.Handle(), WM_CHAR, WM_CHAR));
    EXPECT_TRUE(s.App().Queue().HasQuit());
}

TEST_F(MessageQueue, PostedMessagesRunInOrderAndThoseToADestroyedWindowAreDropped)
{
    std::vector<intptr_t> order;
    auto w = std::make_unique<TUtilityWindow>([&](TMessage& m) { order.push_back(m.WParam); });
    for (int i = 1; i <= 3; ++i)
        s.App().PostMessage(w->Handle(), WM_USER, i);
    s.ProcessUntilIdle();
    EXPECT_EQ(order, (std::vector<intptr_t>{1, 2, 3}));
    const HWND handle = w->Handle();
    EXPECT_TRUE(s.App().PostMessage(handle, WM_USER, 4));
    w.reset();
    s.ProcessUntilIdle();
    EXPECT_EQ(order.size(), 3u);
    EXPECT_FALSE(s.App().PostMessage(handle, WM_USER));
    EXPECT_EQ(s.App().SendMessage(handle, WM_USER), 0);
}

TEST_F(MessageQueue, QuitIsSeenByANestedLoopAndEndsAModalForm)
{
    ShowForm(s);
    TForm* dialog = s.CreateForm<TForm>();
    s.WhenModal([&](TCustomForm&) { s.App().Terminate(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(s.App().Terminated());
}

TEST_F(MessageQueue, ADeferredClickCarryingAStaleItemIsIgnored)
{
    std::vector<std::string> clicked;
    TUtilityWindow clicks([&](TMessage& m) {
        if (m.Msg != WM_DEFERRED_MENU_CLICK)
            return;
        if (TComponent* item = LiveObjects::Find(static_cast<uint64_t>(m.LParam)))
            clicked.push_back(item->Name());
    });
    TComponent* kept = CreateOwned<TComponent>(s.App());
    kept->SetName("Kept");
    TComponent* freed = CreateOwned<TComponent>(s.App());
    s.App().PostMessage(clicks.Handle(), WM_DEFERRED_MENU_CLICK, 0, static_cast<intptr_t>(freed->ObjectId()));
    s.App().PostMessage(clicks.Handle(), WM_DEFERRED_MENU_CLICK, 0, static_cast<intptr_t>(kept->ObjectId()));
    TComponent::Free(freed);
    s.ProcessUntilIdle();
    EXPECT_EQ(clicked, (std::vector<std::string>{"Kept"}));
}

TEST_F(Messages, PerformAndSendRunTheControlAndReturnItsResult)
{
    TForm* form = s.CreateForm<TForm>();
    auto* edit = Place<TTestEdit>(form, "Edit1", 10, 10);
    EXPECT_EQ(edit->Perform(WM_GETDLGCODE), 129);
    EXPECT_EQ(s.App().SendMessage(edit->Handle(), WM_GETDLGCODE), 129);
    EXPECT_EQ(HiWordSigned(MakeLong(3, -120)), -120);
    EXPECT_EQ(LoWordSigned(MakeLong(-5, 7)), -5);
}

TEST_F(Messages, BroadcastStopsAtTheFirstChildThatAnswers)
{
    TForm* form = s.CreateForm<TForm>();
    Place<TTestButton>(form, "A", 0, 0);
    auto* b = Place<TTestButton>(form, "B", 0, 30);
    auto* c = Place<TTestButton>(form, "C", 0, 60);
    b->Default = true;
    c->Default = true;
    TMessage m{CM_DIALOGKEY, VK_RETURN, 0, 0};
    form->Broadcast(m);
    EXPECT_EQ(m.Result, 1);
    EXPECT_EQ(b->Clicks, 1);
    EXPECT_EQ(c->Clicks, 0);
}

TEST(HitTestCodes, FormCodesMapOntoThePlatformCodes)
{
    EXPECT_EQ(FormHitTestToHT(1), HTCAPTION);
    EXPECT_EQ(FormHitTestToHT(10), HTBOTTOMRIGHT);
    EXPECT_EQ(FormHitTestToHT(99), HTNOWHERE);
}
