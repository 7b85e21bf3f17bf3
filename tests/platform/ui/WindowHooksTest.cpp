#include <gtest/gtest.h>

#include "platform/ui/THeadlessSession.h"
#include "UiTestControls.h"

namespace {
// Records the messages it sees and can swallow one kind.
class TRecorder : public IMessageFilter {
public:
    TRecorder(std::string name, TEventLog& log, uint32_t watch, bool swallow = false)
        : name_(std::move(name)), log_(log), watch_(watch), swallow_(swallow)
    {
    }
    void BeforeMessage(TMessage& m, bool& handled) override
    {
        if (m.Msg != watch_)
            return;
        log_.push_back(name_ + " before");
        if (swallow_)
            handled = true;
    }
    void AfterMessage(TMessage& m, bool&) override
    {
        if (m.Msg == watch_)
            log_.push_back(name_ + " after");
    }

private:
    std::string name_;
    TEventLog& log_;
    uint32_t watch_;
    bool swallow_;
};

class TLoggingForm : public TForm {
public:
    using TForm::TForm;
    TEventLog* Log = nullptr;
    uint32_t Watch = 0;

protected:
    void WndProc(TMessage& m) override
    {
        if (Log && m.Msg == Watch)
            Log->push_back("own");
        TForm::WndProc(m);
    }
};
} // namespace

TEST(WindowHooks, TheLastFilterAddedSeesTheMessageFirst)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TLoggingForm>();
    form->Log = &log;
    form->Watch = WM_USER;
    TRecorder first("first", log, WM_USER), second("second", log, WM_USER);
    form->AddMessageFilter(&first);
    form->AddMessageFilter(&second);
    s.App().SendMessage(form->Handle(), WM_USER);
    form->RemoveMessageFilter(&first);
    form->RemoveMessageFilter(&second);
    EXPECT_EQ(log, (TEventLog{"second before", "first before", "own", "second after", "first after"}));
}

TEST(WindowHooks, AHandledMessageIsHiddenFromEarlierFiltersAndTheWindow)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TLoggingForm>();
    form->Log = &log;
    form->Watch = WM_USER;
    TRecorder first("first", log, WM_USER), second("second", log, WM_USER, true);
    form->AddMessageFilter(&first);
    form->AddMessageFilter(&second);
    s.App().SendMessage(form->Handle(), WM_USER);
    form->RemoveMessageFilter(&first);
    form->RemoveMessageFilter(&second);
    EXPECT_EQ(log, (TEventLog{"second before", "second after"}));
}

TEST(WindowHooks, DestroyReachesTheWindowEvenWhenHandled)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TLoggingForm>();
    form->Log = &log;
    form->Watch = WM_DESTROY;
    TRecorder hook("hook", log, WM_DESTROY, true);
    form->HandleNeeded();
    form->AddMessageFilter(&hook);
    form->RecreateWnd();
    form->RemoveMessageFilter(&hook);
    EXPECT_EQ(log, (TEventLog{"hook before", "own", "hook after"}));
}

TEST(WindowHooks, FiltersSurviveReCreationOfTheWindow)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    TRecorder hook("hook", log, WM_USER);
    form->AddMessageFilter(&hook);
    const HWND before = form->Handle();
    form->RecreateWnd();
    EXPECT_NE(form->Handle(), before);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TEventLog{"hook before", "hook after"}));
    form->RemoveMessageFilter(&hook);
}

TEST(WindowHooks, RemovingOneFilterLeavesTheOtherWorking)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    TRecorder a("a", log, WM_USER), b("b", log, WM_USER);
    form->AddMessageFilter(&a);
    form->AddMessageFilter(&b);
    form->AddMessageFilter(&a);
    form->RemoveMessageFilter(&b);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TEventLog{"a before", "a after"}));
    form->RemoveMessageFilter(&a);
}

TEST(WindowHooks, AFilterRemovedByAnotherDuringAMessageIsSkipped)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    TRecorder victim("victim", log, WM_USER);
    struct Remover : IMessageFilter {
        TWinControl* form;
        IMessageFilter* victim;
        void BeforeMessage(TMessage& m, bool&) override
        {
            if (m.Msg == WM_USER)
                form->RemoveMessageFilter(victim);
        }
        void AfterMessage(TMessage&, bool&) override {}
    } remover;
    remover.form = form;
    remover.victim = &victim;
    form->AddMessageFilter(&victim);
    form->AddMessageFilter(&remover);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_TRUE(log.empty());
    form->RemoveMessageFilter(&remover);
}

TEST(WindowHooks, TheAfterPassRunsWhenTheWindowRaises)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    auto* button = Place<TTestButton>(form, "Boom", 10, 10);
    button->OnClick = [](TComponent*) { throw EInvalidOperation("boom"); };
    TRecorder hook("hook", log, WM_LBUTTONUP);
    button->AddMessageFilter(&hook);
    form->Show();
    s.ClickControl(*button);
    button->RemoveMessageFilter(&hook);
    EXPECT_EQ(log, (TEventLog{"hook before", "hook after"}));
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{"boom."}));
}

TEST(WindowHooks, QuitSkipsTheBeforePassOnly)
{
    THeadlessSession s;
    TEventLog log;
    auto* form = s.CreateForm<TLoggingForm>();
    form->Log = &log;
    form->Watch = WM_QUIT;
    TRecorder hook("hook", log, WM_QUIT, true);
    form->AddMessageFilter(&hook);
    s.App().SendMessage(form->Handle(), WM_QUIT);
    form->RemoveMessageFilter(&hook);
    EXPECT_EQ(log, (TEventLog{"own", "hook after"}));
}

TEST(NonClient, HitTestFindsCaptionButtonsBordersAndClient)
{
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    auto hit = [&](int x, int y) { return s.App().SendMessage(form->Handle(), WM_NCHITTEST, 0, MakeLong(100 + x, 100 + y)); };
    EXPECT_EQ(hit(150, 100), HTCLIENT);
    EXPECT_EQ(hit(150, 12), HTCAPTION);
    EXPECT_EQ(hit(1, 100), HTLEFT);
    EXPECT_EQ(hit(298, 100), HTRIGHT);
    EXPECT_EQ(hit(150, 198), HTBOTTOM);
    EXPECT_EQ(hit(1, 1), HTTOPLEFT);
    EXPECT_EQ(hit(299, 199), HTBOTTOMRIGHT);
    const TRect close = form->CaptionButtonRect(HTCLOSE);
    EXPECT_EQ(hit(close.Left + 2, close.Top + 2), HTCLOSE);
    const TRect max = form->CaptionButtonRect(HTMAXBUTTON);
    EXPECT_EQ(hit(max.Left + 2, max.Top + 2), HTMAXBUTTON);
}

TEST(NonClient, AFilterCanReplaceTheFrameAndTheClientFollows)
{
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    struct Inset : IMessageFilter {
        void BeforeMessage(TMessage& m, bool& handled) override
        {
            if (m.Msg != WM_NCCALCSIZE)
                return;
            auto* p = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
            p->left += 3;
            p->top += 3;
            p->right -= 3;
            p->bottom -= 3;
            handled = true;
        }
        void AfterMessage(TMessage&, bool&) override {}
    } inset;
    form->HandleNeeded();
    form->AddMessageFilter(&inset);
    form->FrameChanged();
    EXPECT_EQ(form->ClientWidth(), 294);
    EXPECT_EQ(form->ClientHeight(), 194);
    form->RemoveMessageFilter(&inset);
}

TEST(NonClient, RefreshFrameKeepsTheClientSize)
{
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    form->HandleNeeded();
    const int cw = form->ClientWidth();
    const int ch = form->ClientHeight();
    struct NoFrame : IMessageFilter {
        void BeforeMessage(TMessage& m, bool& handled) override { handled = m.Msg == WM_NCCALCSIZE; }
        void AfterMessage(TMessage&, bool&) override {}
    } noFrame;
    form->AddMessageFilter(&noFrame);
    form->RefreshFrame();
    form->RemoveMessageFilter(&noFrame);
    EXPECT_EQ(form->ClientWidth(), cw);
    EXPECT_EQ(form->ClientHeight(), ch);
    EXPECT_EQ(form->Width(), cw);
    EXPECT_EQ(form->FrameWidths(), Rect(0, 0, 0, 0));
}

TEST(WindowPos, ChangingCanBeModifiedByAFilter)
{
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    form->HandleNeeded();
    struct Snap : IMessageFilter {
        void BeforeMessage(TMessage& m, bool&) override
        {
            if (m.Msg == WM_WINDOWPOSCHANGING)
                reinterpret_cast<TWindowPos*>(m.LParam)->x = 0;
        }
        void AfterMessage(TMessage&, bool&) override {}
    } snap;
    form->AddMessageFilter(&snap);
    form->SetWindowPos(7, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form->RemoveMessageFilter(&snap);
    EXPECT_EQ(form->Left(), 0);
    EXPECT_EQ(form->Top(), 40);
    EXPECT_EQ(form->Width(), 320);
}
