#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/controls/TTeHook.h"

namespace {
using TLog = std::vector<std::string>;

class TRecordingHook : public TTeHook {
public:
    TRecordingHook(TComponent* owner, std::string name, TLog& log, uint32_t watch, bool swallow = false)
        : TTeHook(owner), name_(std::move(name)), log_(log), watch_(watch), swallow_(swallow)
    {
    }
    std::function<void()> OnBefore;
    std::function<void()> OnRestored;

    void AfterMessage(TMessage& m, bool&) override
    {
        if (m.Msg == watch_)
            log_.push_back(name_ + " after");
    }
    void HookRestored() override
    {
        log_.push_back(name_ + " restored");
        if (OnRestored)
            OnRestored();
    }

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg != watch_)
            return;
        log_.push_back(name_ + " before");
        if (swallow_)
            MarkHandled();
        if (OnBefore)
            OnBefore();
    }

private:
    std::string name_;
    TLog& log_;
    uint32_t watch_;
    bool swallow_;
};

class TLoggingForm : public TForm {
public:
    using TForm::TForm;
    TLog* Log = nullptr;
    uint32_t Watch = 0;

protected:
    void WndProc(TMessage& m) override
    {
        if (Log && m.Msg == Watch)
            Log->push_back("own");
        TForm::WndProc(m);
    }
};

class WindowHook : public ::testing::Test {
protected:
    void TearDown() override { FreeHookList(); }

    TLoggingForm* MakeForm(uint32_t watch)
    {
        auto* form = s.CreateForm<TLoggingForm>();
        form->Log = &log;
        form->Watch = watch;
        return form;
    }

    TRecordingHook* Hook(TForm* form, const char* name, uint32_t watch, bool swallow = false)
    {
        auto* hook = CreateOwned<TRecordingHook>(*form, name, log, watch, swallow);
        hook->SetControl(form);
        return hook;
    }

    THeadlessSession s;
    TLog log;
};
} // namespace

TEST_F(WindowHook, ClientsRunLastAddedFirstAndAHandledMessageStopsAtTheOneWhoTookIt)
{
    TLoggingForm* form = MakeForm(WM_USER);
    Hook(form, "A", WM_USER);
    Hook(form, "B", WM_USER);
    ASSERT_EQ(HookList().Count(), 1);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"B before", "A before", "own", "B after", "A after"}));

    log.clear();
    Hook(form, "C", WM_USER, true);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"C before"}));

    // Taken by an earlier client, it reaches no after-handler either.
    TLoggingForm* other = MakeForm(WM_USER);
    Hook(other, "D", WM_USER, true);
    Hook(other, "E", WM_USER);
    log.clear();
    s.App().SendMessage(other->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"E before", "D before"}));
}

TEST_F(WindowHook, AClientMadeWhereAFreedOneLayWaitsForTheNextPass)
{
    TLoggingForm* form = MakeForm(WM_USER);
    alignas(TRecordingHook) unsigned char storage[sizeof(TRecordingHook)];
    TRecordingHook* resident = nullptr;
    // Frees the hook in 'storage' and makes another there, watching the same form.
    const auto replace = [&](const char* name) {
        if (resident)
            resident->~TRecordingHook();
        resident = new (storage) TRecordingHook(nullptr, name, log, WM_USER);
        resident->SetControl(form);
    };
    replace("victim");
    TRecordingHook* replacer = Hook(form, "replacer", WM_USER);
    replacer->OnBefore = [&] {
        if (log.size() == 1)
            replace("made");
    };
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"replacer before", "own", "made after", "replacer after"}));

    replacer->OnRestored = [&] { replace("remade"); };
    form->Show();
    form->RecreateWnd();
    log.clear();
    s.ProcessUntilIdle();
    EXPECT_EQ(log, (TLog{"replacer restored"}));
    resident->~TRecordingHook();
}

TEST_F(WindowHook, AHandledDestroyStillReachesTheFormAndANewWindowIsWatchedAgain)
{
    TLoggingForm* form = MakeForm(WM_DESTROY);
    Hook(form, "A", WM_USER);
    Hook(form, "B", WM_DESTROY, true);
    form->Show();
    form->RecreateWnd();
    EXPECT_EQ(log, (TLog{"B before", "own", "B after"}));
    s.ProcessUntilIdle();

    log.clear();
    form->Watch = WM_USER;
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"A before", "own", "A after"}));
}

TEST_F(WindowHook, ARecordLivesWhileAnyClientWatchesAndAFreedControlLeavesItsHooksUnhooked)
{
    TLoggingForm* form = MakeForm(WM_USER);
    auto* a = Hook(form, "A", WM_USER);
    auto* b = Hook(form, "B", WM_USER);
    b->SetControl(nullptr);
    s.ProcessUntilIdle();
    ASSERT_EQ(HookList().Count(), 1);
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"A before", "own", "A after"}));

    TComponent::Free(a);
    s.ProcessUntilIdle();
    EXPECT_EQ(HookList().Count(), 0);
    log.clear();
    s.App().SendMessage(form->Handle(), WM_USER);
    EXPECT_EQ(log, (TLog{"own"}));

    TLoggingForm* watched = MakeForm(WM_USER);
    auto* other = s.CreateForm<TForm>();
    auto* c = CreateOwned<TRecordingHook>(*other, "C", log, WM_USER);
    c->SetControl(watched);
    TComponent::Free(watched);
    EXPECT_EQ(c->Control(), nullptr);
    EXPECT_EQ(c->Hook(), nullptr);
    s.ProcessUntilIdle();
    EXPECT_EQ(HookList().Count(), 0);
}
