#include <gtest/gtest.h>

#include "platform/ui/TCaretList.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TTimerList.h"
#include "UiTestControls.h"

namespace {
TTimer* CountingTimer(THeadlessSession& s, uint32_t interval, int& ticks)
{
    TTimer* timer = CreateOwned<TTimer>(s.App());
    timer->SetInterval(interval);
    timer->SetOnTimer([&ticks](TComponent*) { ++ticks; });
    return timer;
}
} // namespace

namespace {
using Timer = TSessionTest;
} // namespace

TEST_F(Timer, FiresThroughTheLoopOnceWhenTheFakeClockPassesTheIntervalHoweverLate)
{
    int ticks = 0;
    CountingTimer(s, 100, ticks);
    s.AdvanceClock(99);
    EXPECT_EQ(ticks, 0);
    s.AdvanceClock(1);
    EXPECT_EQ(ticks, 1);
    s.AdvanceClock(100);
    EXPECT_EQ(ticks, 2);
    s.AdvanceClock(1000);
    EXPECT_EQ(ticks, 3);
}

TEST_F(Timer, AHandlerSlowerThanItsIntervalStillLetsProcessMessagesReturn)
{
    TTimer* timer = CreateOwned<TTimer>(s.App());
    int ticks = 0;
    timer->SetInterval(14);
    timer->SetOnTimer([&](TComponent*) {
        ++ticks;
        s.Screen().AdvanceClock(20);
    });
    s.AdvanceClock(14);
    EXPECT_EQ(ticks, 1);
    s.App().ProcessMessages();
    EXPECT_EQ(ticks, 2);
}

TEST_F(Timer, OffAndOnRestartsANewIntervalStartsNowAndAFreedTimerNeverFires)
{
    int ticks = 0;
    TTimer* timer = CountingTimer(s, 400, ticks);
    s.AdvanceClock(300);
    timer->SetEnabled(false);
    timer->SetEnabled(true);
    s.AdvanceClock(300);
    EXPECT_EQ(ticks, 0);
    s.AdvanceClock(100);
    EXPECT_EQ(ticks, 1);
    timer->SetInterval(14);
    s.AdvanceClock(14);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(false);
    s.AdvanceClock(1000);
    EXPECT_EQ(ticks, 2);
    timer->SetEnabled(true);
    TComponent::Free(timer);
    s.AdvanceClock(1000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(Timer, ATimerRunsInsideANestedModalLoop)
{
    TForm* dialog = s.CreateForm<TForm>();
    TTimer* timer = CreateOwned<TTimer>(*dialog);
    timer->SetInterval(2500);
    timer->SetOnTimer([&](TComponent*) { dialog->SetModalResult(mrOk); });
    s.WhenModal([&](TCustomForm&) { s.Screen().AdvanceClock(2500); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(Timer, AnExceptionFromOnTimerShowsTheErrorBoxAndTheTimerGoesOn)
{
    TTimer* timer = CreateOwned<TTimer>(s.App());
    int ticks = 0;
    timer->SetInterval(100);
    timer->SetOnTimer([&](TComponent*) {
        ++ticks;
        throw EDatabaseError("Koneksi terputus");
    });
    s.AdvanceClock(100);
    s.AdvanceClock(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(s.Errors().size(), 2u);
}

namespace {
// A white focused edit at (10, 10) of a frameless form, with a shown caret two pixels by fourteen.
struct CaretForm {
    explicit CaretForm(THeadlessSession& s) : form(s.CreateForm<TForm>())
    {
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 200, 100);
        edit = Place<TTestEdit>(form, "Memo", 10, 10);
        edit->SetColor(clWhite);
        form->Show();
        s.ProcessUntilIdle();
        CreateCaret(edit, 2, 14);
        ShowCaret(edit);
    }
    TForm* form;
    TTestEdit* edit;
};

class Caret : public ::testing::Test {
protected:
    THeadlessSession s;
    CaretForm f{s};
};
} // namespace

TEST_F(Caret, BlinksByInvertingItsRectangle)
{
    SetCaretPos(f.edit, 5, 3);
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ClientColor(*f.edit, 5, 3), clBlack);
    EXPECT_EQ(s.ClientColor(*f.edit, 7, 3), clWhite);
    s.AdvanceClock(s.App().CaretBlinkTime());
    EXPECT_EQ(s.ClientColor(*f.edit, 5, 3), clWhite);
    s.AdvanceClock(s.App().CaretBlinkTime());
    EXPECT_EQ(s.ClientColor(*f.edit, 5, 3), clBlack);
    const TCaretInfo* info = s.App().Carets().Find(f.edit);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Pos, Point(5, 3));
    EXPECT_EQ(info->Height, 14);
    EXPECT_TRUE(info->Visible());
}

TEST_F(Caret, SurvivesARepaintAndMovesWithoutLeavingATrail)
{
    f.edit->Invalidate();
    s.ProcessUntilIdle();
    EXPECT_EQ(s.ClientColor(*f.edit, 0, 0), clBlack);
    SetCaretPos(f.edit, 20, 0);
    EXPECT_EQ(s.ClientColor(*f.edit, 0, 0), clWhite);
    EXPECT_EQ(s.ClientColor(*f.edit, 20, 0), clBlack);
    HideCaret(f.edit);
    EXPECT_EQ(s.ClientColor(*f.edit, 20, 0), clWhite);
    EXPECT_FALSE(s.App().Carets().Find(f.edit)->Visible());
    DestroyCaret(f.edit);
    EXPECT_EQ(s.App().Carets().Find(f.edit), nullptr);
}

TEST_F(Caret, NeverBlinksWithTheNeverBlinkTimeAndStaysOnWhileTyping)
{
    s.Screen().KeyDown('A', 0, "a");
    s.AdvanceClock(5000);
    EXPECT_EQ(s.ClientColor(*f.edit, 0, 0), clBlack);
    s.KeyUp('A');
    s.App().SetCaretBlinkTime(TApplication::BlinkNever);
    s.AdvanceClock(5000);
    EXPECT_EQ(s.ClientColor(*f.edit, 0, 0), clBlack);
}
