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
    int Count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }
    TForm* form;
    TEventLog log;
    TTestButton* button;
    TTestLabel* label;
};

// Each test starts with the session and its form.
class MouseFormTest : public ::testing::Test {
protected:
    THeadlessSession s;
    MouseForm f{s};
};
using Mouse = MouseFormTest;
using Hover = MouseFormTest;
using Capture = MouseFormTest;
using Cursor = MouseFormTest;
using DragDrop = MouseFormTest;
} // namespace

TEST_F(Mouse, AReleaseInsideClicksBeforeMouseUpAlsoOnWindowlessControls)
{
    const TPoint p = s.ScreenPointOf(*f.button, {5, 6});
    s.Click(p.X, p.Y);
    const TPoint l = s.ScreenPointOf(*f.label, {3, 4});
    s.Click(l.X, l.Y);
    EXPECT_EQ(f.log, (TEventLog{"Button1 enter", "Button1 down 5,6", "Button1 click", "Button1 up 5,6", "Button1 leave",
                                "Label1 enter", "Label1 down 3,4", "Label1 click", "Label1 up 3,4"}));
}

TEST_F(Mouse, AReleaseOutsideDoesNotClickAndCoordinatesFollowTheCapture)
{
    const TPoint p = s.ScreenPointOf(*f.button, {5, 5});
    s.MouseDown(p.X, p.Y);
    EXPECT_TRUE(f.button->MouseCapture());
    s.MoveTo(p.X + 200, p.Y + 100);
    EXPECT_EQ(f.Count("Button1 leave"), 1);
    s.MouseUp(p.X - 30, p.Y - 10);
    EXPECT_FALSE(f.button->MouseCapture());
    EXPECT_EQ(f.log.back(), "Button1 up -25,-5");
    EXPECT_EQ(f.Count("Button1 click"), 0);
    s.MouseUp(p.X, p.Y); // an unpaired release
    EXPECT_EQ(f.button->Clicks, 0);
    EXPECT_EQ(f.log.back(), "Button1 up 5,5");
}

TEST_F(Mouse, ADisabledControlOrContainerTakesNoClick)
{
    auto* panel = Place<TTestPanel>(f.form, "Panel", 150, 20);
    auto* inner = Place<TTestButton>(panel, "Inner", 5, 5);
    f.button->SetEnabled(false);
    f.label->SetEnabled(false);
    panel->SetEnabled(false);
    s.ProcessUntilIdle();
    s.ClickControl(*f.button);
    s.ClickControl(*f.label);
    s.ClickControl(*inner);
    EXPECT_EQ(f.button->Clicks, 0);
    EXPECT_EQ(f.Count("Label1 click"), 0);
    EXPECT_EQ(inner->Clicks, 0);
}

// A child window shows only inside its parent's client area: where it hangs out of it, as the
// controls of a window rolled up to its caption do, the frame's buttons take the click.
TEST_F(Mouse, AChildHangingOverItsParentsFrameTakesNoClickThere)
{
    f.button->SetBounds(0, -25, 300, 25);
    const TRect close = f.form->CaptionButtonRect(HTCLOSE);
    ASSERT_FALSE(close.IsEmpty());
    s.Click(f.form->Left() + close.Left + 3, f.form->Top() + close.Top + 3);
    EXPECT_EQ(f.button->Clicks, 0);
    EXPECT_FALSE(f.form->Visible());
}

TEST_F(Mouse, DoubleClickIsAPressWithTheDoubleFlagPlusDblClickOnlyWhenQuickAndWanted)
{
    TShiftState second = 0;
    f.button->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState shift, int, int) { second = shift; };
    const TPoint p = s.ScreenPointOf(*f.button);
    s.DoubleClick(p.X, p.Y);
    EXPECT_TRUE(second & ssDouble);
    EXPECT_EQ(f.Count("Button1 dblclick"), 1);
    EXPECT_EQ(f.button->Clicks, 1);
    s.AdvanceClock(1000);
    s.Click(p.X, p.Y);
    s.AdvanceClock(800);
    s.Click(p.X, p.Y);
    EXPECT_EQ(f.Count("Button1 dblclick"), 1);
    EXPECT_EQ(f.button->Clicks, 3);

    f.button->SetControlStyle(f.button->ControlStyle() & ~csDoubleClicks);
    s.AdvanceClock(1000);
    s.DoubleClick(p.X, p.Y);
    EXPECT_EQ(f.Count("Button1 dblclick"), 1);
    EXPECT_EQ(f.button->Clicks, 5);
}

TEST_F(Mouse, ASecondPressOnAnotherWindowIsAPlainPress)
{
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

TEST_F(Hover, EnterAndLeaveFollowTheMouseAlsoForWindowlessControls)
{
    const TPoint b = s.ScreenPointOf(*f.button);
    const TPoint l = s.ScreenPointOf(*f.label);
    s.MoveTo(b.X, b.Y);
    s.MoveTo(l.X, l.Y);
    s.Leave();
    EXPECT_EQ(f.log, (TEventLog{"Button1 enter", "Button1 leave", "Label1 enter", "Label1 leave"}));
}

TEST_F(Capture, ExplicitCaptureRoutesMovesAndShowModalCancelsIt)
{
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

TEST_F(Capture, APressElsewhereSendsCancelModeToTheFocusedControl)
{
    class TCancelEdit : public TTestEdit {
    public:
        using TTestEdit::TTestEdit;
        intptr_t Taker = 0;

    protected:
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_CANCELMODE)
                Taker = m.LParam;
            TTestEdit::WndProc(m);
        }
    };
    auto* combo = Place<TCancelEdit>(f.form, "Combo2", 150, 60);
    combo->SetFocus();
    s.ClickControl(*f.button);
    EXPECT_EQ(combo->Taker, reinterpret_cast<intptr_t>(f.button));
}

TEST_F(Cursor, ControlCursorShowsUnlessTheScreenCursorOverridesIt)
{
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

TEST_F(Mouse, WheelGoesToTheControlUnderThePointerWithItsDelta)
{
    auto* edit = Place<TTestEdit>(f.form, "Edit", 150, 100);
    edit->SetFocus();
    int delta = 0;
    edit->OnMouseWheel = [&](TComponent*, TShiftState, int d, int, int, bool& handled) {
        delta += d;
        handled = true;
    };
    const TPoint over = s.ScreenPointOf(*edit);
    s.Wheel(over.X, over.Y, -2);
    EXPECT_EQ(delta, -240);

    // Over another control the focused one gets nothing, and the focus stays where it is; what
    // the control under the pointer leaves goes to its parent.
    int formDelta = 0;
    f.form->OnMouseWheel = [&](TComponent*, TShiftState, int d, int, int, bool& handled) {
        formDelta += d;
        handled = true;
    };
    const TPoint beside = s.ScreenPointOf(*f.label);
    s.Wheel(beside.X, beside.Y, 1);
    EXPECT_EQ(delta, -240);
    EXPECT_EQ(formDelta, 120);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(DragDrop, DragStartsPastTheThresholdAndDropsOnAnAcceptingTarget)
{
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
    s.MouseUp(l.X, l.Y);
    EXPECT_EQ(dropped, "Button1");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(f.button->Dragging());
}

TEST_F(DragDrop, DroppedFilesReachOnlyAControlThatAcceptsThem)
{
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

TEST(NonClientMouse, FrameMessagesCarryTheHitCodeAndTheScreenPoint)
{
    THeadlessSession s;
    TForm* form = ShowForm(s, 100, 100, 300, 200);
    std::vector<std::pair<intptr_t, intptr_t>> seen;
    {
        TMessageSpy spy(*form, [&](TMessage& m, bool& handled) {
            if (m.Msg == WM_NCMOUSEMOVE || m.Msg == WM_NCRBUTTONDOWN) {
                seen.emplace_back(m.WParam, m.LParam);
                handled = true;
            }
        });
        s.MoveTo(150, 110);
        s.MouseDown(101, 200, 2);
    }
    s.MouseUp(101, 200, 2);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(intptr_t(HTCAPTION), MakeLong(150, 110)));
    EXPECT_EQ(seen[2], std::make_pair(intptr_t(HTLEFT), MakeLong(101, 200)));
}
