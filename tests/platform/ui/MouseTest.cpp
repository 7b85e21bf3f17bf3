#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "UiTestControls.h"

namespace {
struct MouseForm {
    explicit MouseForm(THeadlessSession& s) : form(s.CreateForm<TForm>())
    {
        form->SetBounds(100, 100, 300, 200);
        button = Place<TTestButton>(form, "Button1", 20, 20);
        label = Place<TTestLabel>(form, "Label1", 20, 80);
        for (TControl* c : std::initializer_list<TControl*>{button, label}) {
            c->OnMouseDown = [this, c](TComponent*, TMouseButton, TShiftState, int x, int y) {
                log.push_back(c->Name() + " down " + std::to_string(x) + "," + std::to_string(y));
            };
            c->OnMouseUp = [this, c](TComponent*, TMouseButton, TShiftState, int x, int y) {
                log.push_back(c->Name() + " up " + std::to_string(x) + "," + std::to_string(y));
            };
            c->OnClick = [this, c](TComponent*) { log.push_back(c->Name() + " click"); };
            c->OnDblClick = [this, c](TComponent*) { log.push_back(c->Name() + " dblclick"); };
            c->OnMouseEnter = [this, c](TComponent*) { log.push_back(c->Name() + " enter"); };
            c->OnMouseLeave = [this, c](TComponent*) { log.push_back(c->Name() + " leave"); };
        }
        form->Show();
        s.ProcessUntilIdle();
    }
    TForm* form;
    TEventLog log;
    TTestButton* button;
    TTestLabel* label;
};
} // namespace

TEST(Mouse, AReleaseInsideClicksBeforeMouseUp)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint p = s.ScreenPointOf(*f.button, {5, 6});
    s.Click(p.X, p.Y);
    EXPECT_EQ(f.log, (TEventLog{"Button1 enter", "Button1 down 5,6", "Button1 click", "Button1 up 5,6"}));
}

TEST(Mouse, AReleaseOutsideDoesNotClickAndCoordinatesFollowTheCapture)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint p = s.ScreenPointOf(*f.button, {5, 5});
    s.MouseDown(p.X, p.Y);
    EXPECT_TRUE(f.button->MouseCapture());
    s.MouseUp(p.X - 30, p.Y - 10);
    EXPECT_FALSE(f.button->MouseCapture());
    EXPECT_EQ(f.log.back(), "Button1 up -25,-5");
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Button1 click"), 0);
}

TEST(Mouse, WindowlessControlsGetInputByHitTestInTheirOwnCoordinates)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint p = s.ScreenPointOf(*f.label, {3, 4});
    s.Click(p.X, p.Y);
    EXPECT_EQ(f.log, (TEventLog{"Label1 enter", "Label1 down 3,4", "Label1 click", "Label1 up 3,4"}));
}

TEST(Mouse, ADisabledControlTakesNoClick)
{
    THeadlessSession s;
    MouseForm f(s);
    f.button->SetEnabled(false);
    f.label->SetEnabled(false);
    s.ClickControl(*f.button);
    s.ClickControl(*f.label);
    EXPECT_EQ(f.button->Clicks, 0);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Label1 click"), 0);
}

TEST(Mouse, ADisabledContainerBlocksItsChildren)
{
    THeadlessSession s;
    MouseForm f(s);
    auto* panel = Place<TTestPanel>(f.form, "Panel", 150, 20);
    auto* inner = Place<TTestButton>(panel, "Inner", 5, 5);
    panel->SetEnabled(false);
    s.ProcessUntilIdle();
    s.ClickControl(*inner);
    EXPECT_EQ(inner->Clicks, 0);
}

TEST(Mouse, DoubleClickIsAPressWithTheDoubleFlagPlusDblClick)
{
    THeadlessSession s;
    MouseForm f(s);
    TShiftState second = 0;
    f.button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState shift, int, int) { second = shift; };
    const TPoint p = s.ScreenPointOf(*f.button);
    s.DoubleClick(p.X, p.Y);
    EXPECT_TRUE(second & ssDouble);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Button1 dblclick"), 1);
    EXPECT_EQ(f.button->Clicks, 1);

    f.button->SetControlStyle(f.button->ControlStyle() & ~csDoubleClicks);
    s.AdvanceClock(1000);
    s.DoubleClick(p.X, p.Y);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Button1 dblclick"), 1);
    EXPECT_EQ(f.button->Clicks, 3);
}

TEST(Mouse, ASecondPressOnAnotherWindowIsAPlainPress)
{
    THeadlessSession s;
    MouseForm f(s);
    f.button->OnClick = [&](TComponent*) { f.button->Hide(); };
    TShiftState formShift = ssDouble;
    f.form->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState shift, int, int) { formShift = shift; };
    int formClicks = 0;
    f.form->OnClick = [&](TComponent*) { ++formClicks; };
    const TPoint p = s.ScreenPointOf(*f.button);
    s.DoubleClick(p.X, p.Y);
    EXPECT_FALSE(formShift & ssDouble);
    EXPECT_EQ(formClicks, 1);
}

TEST(Mouse, SlowSecondPressIsNotADoubleClick)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint p = s.ScreenPointOf(*f.button);
    s.Click(p.X, p.Y);
    s.AdvanceClock(800);
    s.Click(p.X, p.Y);
    EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "Button1 dblclick"), 0);
    EXPECT_EQ(f.button->Clicks, 2);
}

TEST(Mouse, AnUnpairedReleaseIsTolerated)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint p = s.ScreenPointOf(*f.button, {2, 2});
    s.MouseUp(p.X, p.Y);
    EXPECT_EQ(f.button->Clicks, 0);
    EXPECT_EQ(f.log.back(), "Button1 up 2,2");
}

TEST(Hover, EnterAndLeaveFollowTheMouseAlsoForWindowlessControls)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint b = s.ScreenPointOf(*f.button);
    const TPoint l = s.ScreenPointOf(*f.label);
    s.MoveTo(b.X, b.Y);
    s.MoveTo(l.X, l.Y);
    s.Leave();
    EXPECT_EQ(f.log, (TEventLog{"Button1 enter", "Button1 leave", "Label1 enter", "Label1 leave"}));
}

TEST(Hover, LeaveArrivesWhileTheMouseIsCaptured)
{
    THeadlessSession s;
    MouseForm f(s);
    const TPoint b = s.ScreenPointOf(*f.button);
    s.MouseDown(b.X, b.Y);
    s.MoveTo(b.X + 200, b.Y + 100);
    EXPECT_TRUE(f.button->MouseCapture());
    EXPECT_NE(std::find(f.log.begin(), f.log.end(), "Button1 leave"), f.log.end());
    s.MouseUp(b.X + 200, b.Y + 100);
}

TEST(Capture, ExplicitCaptureRoutesMovesAndShowModalCancelsIt)
{
    THeadlessSession s;
    MouseForm f(s);
    int moves = 0;
    f.label->OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
    f.label->SetMouseCapture(true);
    const TPoint b = s.ScreenPointOf(*f.button);
    s.MoveTo(b.X, b.Y);
    EXPECT_EQ(moves, 1);
    TForm* dialog = s.CreateForm<TForm>();
    s.WhenModal([&](TCustomForm& form) {
        EXPECT_FALSE(f.label->MouseCapture());
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST(Cursor, ControlCursorShowsUnlessTheScreenCursorOverridesIt)
{
    THeadlessSession s;
    MouseForm f(s);
    f.label->SetCursor(crHandPoint);
    const TPoint l = s.ScreenPointOf(*f.label);
    s.MoveTo(l.X, l.Y);
    EXPECT_EQ(s.Screen().Cursor(), TCursorShape::Hand);
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(s.Screen().Cursor(), TCursorShape::Wait);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(s.Screen().Cursor(), TCursorShape::Hand);
    EXPECT_EQ(GetCursorPos(), l);
}

TEST(Mouse, WheelGoesToTheFocusedControlWithItsDelta)
{
    THeadlessSession s;
    MouseForm f(s);
    auto* edit = Place<TTestEdit>(f.form, "Edit", 150, 100);
    edit->SetFocus();
    int delta = 0;
    edit->OnMouseWheel = [&](TComponent*, TShiftState, int d, int, int, bool& handled) {
        delta += d;
        handled = true;
    };
    s.Wheel(150, 150, -2);
    EXPECT_EQ(delta, -240);
}

TEST(DragDrop, DragStartsPastTheThresholdAndDropsOnAnAcceptingTarget)
{
    THeadlessSession s;
    MouseForm f(s);
    std::string dropped;
    f.button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { f.button->BeginDrag(false); };
    f.label->OnDragOver = [&](TComponent*, TComponent* source, int, int, TDragState, bool& accept) {
        accept = source == f.button;
    };
    f.label->OnDragDrop = [&](TComponent*, TComponent* source, int, int) { dropped = source->Name(); };
    bool ended = false;
    f.button->OnEndDrag = [&](TComponent*, TComponent* target, int, int) { ended = target == f.label; };
    const TPoint b = s.ScreenPointOf(*f.button);
    const TPoint l = s.ScreenPointOf(*f.label);
    s.MouseDown(b.X, b.Y);
    s.MoveTo(b.X + 1, b.Y + 1);
    EXPECT_FALSE(s.App().Input().Dragging());
    s.MoveTo(b.X, b.Y + 2);
    EXPECT_TRUE(s.App().Input().Dragging());
    s.MoveTo(l.X, l.Y);
    EXPECT_TRUE(s.App().Input().Dragging());
    s.MouseUp(l.X, l.Y);
    EXPECT_EQ(dropped, "Button1");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(f.button->Dragging());
}

TEST(DragDrop, DroppedFilesReachOnlyAControlThatAcceptsThem)
{
    THeadlessSession s;
    MouseForm f(s);
    std::vector<std::string> got;
    f.form->OnDropFiles = [&](TComponent*, const std::vector<std::string>& files) { got = files; };
    s.Screen().DropFiles(150, 150, {"/tmp/a.txt"});
    s.ProcessUntilIdle();
    EXPECT_TRUE(got.empty());
    f.form->DragAcceptFiles(true);
    s.Screen().DropFiles(150, 150, {"/tmp/a.txt", "/tmp/b c.txt"});
    s.ProcessUntilIdle();
    EXPECT_EQ(got, (std::vector<std::string>{"/tmp/a.txt", "/tmp/b c.txt"}));
}

TEST(Capture, APressElsewhereSendsCancelModeToTheFocusedControl)
{
    THeadlessSession s;
    MouseForm f(s);
    intptr_t taker = 0;
    class TCancelEdit : public TTestEdit {
    public:
        using TTestEdit::TTestEdit;
        intptr_t* Taker = nullptr;

    protected:
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_CANCELMODE && Taker)
                *Taker = m.LParam;
            TTestEdit::WndProc(m);
        }
    };
    auto* combo = Place<TCancelEdit>(f.form, "Combo2", 150, 60);
    combo->Taker = &taker;
    combo->SetFocus();
    s.ClickControl(*f.button);
    EXPECT_EQ(taker, reinterpret_cast<intptr_t>(f.button));
}

TEST(NonClientMouse, FrameMessagesCarryTheHitCodeAndTheScreenPoint)
{
    THeadlessSession s;
    TForm* form = s.CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    s.ProcessUntilIdle();
    std::vector<std::pair<intptr_t, intptr_t>> seen;
    struct Spy : IMessageFilter {
        std::vector<std::pair<intptr_t, intptr_t>>* seen;
        void BeforeMessage(TMessage& m, bool& handled) override
        {
            if (m.Msg == WM_NCMOUSEMOVE || m.Msg == WM_NCRBUTTONDOWN) {
                seen->emplace_back(m.WParam, m.LParam);
                handled = true;
            }
        }
        void AfterMessage(TMessage&, bool&) override {}
    } spy;
    spy.seen = &seen;
    form->AddMessageFilter(&spy);
    s.MoveTo(150, 110);
    s.MouseDown(101, 200, 2);
    form->RemoveMessageFilter(&spy);
    s.MouseUp(101, 200, 2);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(intptr_t(HTCAPTION), MakeLong(150, 110)));
    EXPECT_EQ(seen[2], std::make_pair(intptr_t(HTLEFT), MakeLong(101, 200)));
}
