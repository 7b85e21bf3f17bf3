#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>

#include "platform/ui/THeadlessSession.h"
#include "UiTestControls.h"

namespace {
// Records the messages of one kind it sees on a window while it lives, and can swallow them.
class TRecorder : public IMessageFilter {
public:
    TRecorder(TWinControl& window, std::string name, TEventLog& log, uint32_t watch)
        : window_(window), name_(std::move(name)), log_(log), watch_(watch)
    {
        window_.AddMessageFilter(this);
    }
    ~TRecorder() override { window_.RemoveMessageFilter(this); }
    bool Swallow = false;
    void BeforeMessage(TMessage& m, bool& handled) override
    {
        if (m.Msg != watch_)
            return;
        log_.push_back(name_ + " before");
        handled = Swallow;
    }
    void AfterMessage(TMessage& m, bool&) override
    {
        if (m.Msg == watch_)
            log_.push_back(name_ + " after");
    }

private:
    TWinControl& window_;
    std::string name_;
    TEventLog& log_;
    uint32_t watch_;
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

TLoggingForm* LoggingForm(THeadlessSession& s, TEventLog& log, uint32_t watch)
{
    auto* form = s.CreateForm<TLoggingForm>();
    form->Log = &log;
    form->Watch = watch;
    form->HandleNeeded();
    return form;
}
} // namespace

namespace {
using WindowHooks = TSessionTest;
using NonClient = TSessionTest;
using WindowPos = TSessionTest;
} // namespace

TEST_F(WindowHooks, TheLastFilterAddedSeesTheMessageFirstAndAHandledOneHidesItFromTheRest)
{
    TEventLog log;
    auto* form = LoggingForm(s, log, WM_USER);
    TRecorder first(*form, "first", log, WM_USER), second(*form, "second", log, WM_USER);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TEventLog{"second before", "first before", "own", "second after", "first after"}));
    log.clear();
    second.Swallow = true;
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TEventLog{"second before", "second after"}));
}

TEST_F(WindowHooks, DestroyReachesTheWindowEvenWhenHandledAndQuitSkipsTheBeforePassOnly)
{
    TEventLog log;
    auto* form = LoggingForm(s, log, WM_DESTROY);
    {
        TRecorder hook(*form, "hook", log, WM_DESTROY);
        hook.Swallow = true;
        form->RecreateWnd();
    }
    EXPECT_EQ(log, (TEventLog{"hook before", "own", "hook after"}));
    log.clear();
    form->Watch = WM_QUIT;
    TRecorder hook(*form, "hook", log, WM_QUIT);
    hook.Swallow = true;
    s.App().SendMessage(form->Handle(), WM_QUIT);
    EXPECT_EQ(log, (TEventLog{"own", "hook after"}));
}

TEST_F(WindowHooks, FiltersSurviveReCreationAndAreAddedOnceAndRemovedAlone)
{
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    TRecorder a(*form, "a", log, WM_USER);
    const HWND before = form->Handle();
    form->RecreateWnd();
    EXPECT_NE(form->Handle(), before);
    {
        TRecorder b(*form, "b", log, WM_USER);
        form->AddMessageFilter(&a);
    }
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TEventLog{"a before", "a after"}));
}

TEST_F(WindowHooks, AFilterRemovedByAnotherDuringAMessageIsSkipped)
{
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    TRecorder victim(*form, "victim", log, WM_USER);
    TMessageSpy remover(*form, [&](TMessage& m, bool&) {
        if (m.Msg == WM_USER)
            form->RemoveMessageFilter(&victim);
    });
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_TRUE(log.empty());
}

TEST_F(WindowHooks, AFilterAddedWhereARemovedOneLayWaitsForTheNextPass)
{
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    alignas(TRecorder) unsigned char storage[sizeof(TRecorder)];
    auto* victim = new (storage) TRecorder(*form, "victim", log, WM_USER);
    TRecorder* made = nullptr;
    TMessageSpy replacer(*form, [&](TMessage& m, bool&) {
        if (m.Msg != WM_USER || made)
            return;
        victim->~TRecorder();
        made = new (storage) TRecorder(*form, "made", log, WM_USER);
    });
    s.App().SendMessage(form->Handle(), WM_USER);
    ASSERT_EQ(static_cast<void*>(made), static_cast<void*>(storage));
    EXPECT_EQ(log, (TEventLog{"made after"}));
    made->~TRecorder();
}

TEST_F(WindowHooks, TheAfterPassRunsWhenTheWindowRaises)
{
    TEventLog log;
    auto* form = s.CreateForm<TForm>();
    auto* button = Place<TTestButton>(form, "Boom", 10, 10);
    button->OnClick = [](TComponent*) { throw EInvalidOperation("boom"); };
    TRecorder hook(*button, "hook", log, WM_LBUTTONUP);
    form->Show();
    s.ClickControl(*button);
    EXPECT_EQ(log, (TEventLog{"hook before", "hook after"}));
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{"boom."}));
}

TEST_F(NonClient, HitTestFindsCaptionButtonsBordersAndClient)
{
    TForm* form = ShowForm(s, 100, 100, 300, 200);
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

    // The button shows what it does: maximize, and once maximized restore, each its own glyph.
    const auto glyph = [&] {
        s.ProcessUntilIdle();
        const TRect button = form->CaptionButtonRect(HTMAXBUTTON);
        std::string dark;
        for (int y = button.Top + 2; y < button.Bottom - 2; ++y)
            for (int x = button.Left + 2; x < button.Right - 2; ++x)
                dark += s.WindowColor(*form, x, y) == ColorToRGB(clBtnText) ? '#' : '.';
        return dark;
    };
    const std::string maximize = glyph();
    EXPECT_GE(std::count(maximize.begin(), maximize.end(), '#'), 20) << maximize;
    form->SetWindowState(TWindowState::wsMaximized);
    const std::string restore = glyph();
    EXPECT_GE(std::count(restore.begin(), restore.end(), '#'), 20) << restore;
    EXPECT_NE(restore, maximize);
}

TEST_F(NonClient, AFilterCanReplaceTheFrameAndTheClientFollows)
{
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    form->HandleNeeded();
    TMessageSpy inset(*form, [](TMessage& m, bool& handled) {
        if (m.Msg != WM_NCCALCSIZE)
            return;
        auto* p = reinterpret_cast<TNCCalcSizeParams*>(m.LParam);
        p->left += 3;
        p->top += 3;
        p->right -= 3;
        p->bottom -= 3;
        handled = true;
    });
    form->FrameChanged();
    EXPECT_EQ(form->ClientWidth(), 294);
    EXPECT_EQ(form->ClientHeight(), 194);
}

TEST_F(NonClient, RefreshFrameKeepsTheClientSize)
{
    auto* form = s.CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    form->HandleNeeded();
    const TRect client = form->ClientRect();
    {
        TMessageSpy noFrame(*form, [](TMessage& m, bool& handled) { handled = m.Msg == WM_NCCALCSIZE; });
        form->RefreshFrame();
    }
    EXPECT_EQ(form->ClientRect(), client);
    EXPECT_EQ(form->Width(), client.Width());
    EXPECT_EQ(form->FrameWidths(), Rect(0, 0, 0, 0));
}

TEST_F(WindowPos, ChangingCanBeModifiedByAFilter)
{
    auto* form = s.CreateForm<TForm>();
    form->HandleNeeded();
    TMessageSpy snap(*form, [](TMessage& m, bool&) {
        if (m.Msg == WM_WINDOWPOSCHANGING)
            reinterpret_cast<TWindowPos*>(m.LParam)->x = 0;
    });
    form->SetWindowPos(7, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(form->BoundsRect().TopLeft(), Point(0, 40));
    EXPECT_EQ(form->Width(), 320);
}
