#pragma once
// Small controls for the windowing tests: an entry field, a button, a panel and a painted label,
// each writing what happens to it into a shared log.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/graphics/TCanvas.h"
#include "platform/ui/Shortcuts.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

using TEventLog = std::vector<std::string>;

class TTestEdit : public TCustomControl {
public:
    explicit TTestEdit(TComponent* AOwner, TEventLog* log = nullptr) : TCustomControl(AOwner), log_(log)
    {
        SetTabStop(true);
        SetBounds(0, 0, 100, 21);
    }
    std::u32string Typed;
    uint32_t DialogCode = DLGC_WANTARROWS | DLGC_WANTCHARS;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_GETDLGCODE) {
            message.Result = static_cast<int32_t>(DialogCode);
            return;
        }
        if (message.Msg == WM_CHAR)
            Note("WM_CHAR " + std::to_string(message.WParam));
        if (message.Msg == WM_SYSCHAR)
            Note("WM_SYSCHAR " + std::to_string(message.WParam));
        TCustomControl::WndProc(message);
        if (message.Msg == WM_CHAR && message.WParam >= 32)
            Typed.push_back(static_cast<char32_t>(message.WParam));
    }
    void KeyDown(uint16_t& key, TShiftState shift) override
    {
        Note("KeyDown " + std::to_string(key));
        TCustomControl::KeyDown(key, shift);
    }
    void KeyUp(uint16_t& key, TShiftState shift) override
    {
        Note("KeyUp " + std::to_string(key));
        TCustomControl::KeyUp(key, shift);
    }
    void KeyPress(char32_t& key) override
    {
        Note("KeyPress " + std::to_string(static_cast<uint32_t>(key)));
        TCustomControl::KeyPress(key);
    }
    void DoEnter() override
    {
        Note("Enter " + Name());
        TCustomControl::DoEnter();
    }
    void DoExit() override
    {
        Note("Exit " + Name());
        TCustomControl::DoExit();
    }

private:
    void Note(const std::string& s)
    {
        if (log_)
            log_->push_back(s);
    }
    TEventLog* log_;
};

class TTestButton : public TCustomControl {
public:
    explicit TTestButton(TComponent* AOwner) : TCustomControl(AOwner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
    }
    bool Default = false;
    bool Cancel = false;
    int ModalResult = mrNone;
    int Clicks = 0;

    void Click() override
    {
        ++Clicks;
        if (ModalResult != mrNone)
            if (TCustomForm* form = GetParentForm(this))
                form->SetModalResult(ModalResult);
        TCustomControl::Click();
    }

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_DIALOGKEY && ((Default && message.WParam == VK_RETURN) ||
                                            (Cancel && message.WParam == VK_ESCAPE))) {
            Click();
            message.Result = 1;
            return;
        }
        if (message.Msg == CM_DIALOGCHAR && Showing() && IsAccel(static_cast<char32_t>(message.WParam), Caption())) {
            Click();
            message.Result = 1;
            return;
        }
        TCustomControl::WndProc(message);
    }
};

class TTestPanel : public TCustomControl {
public:
    explicit TTestPanel(TComponent* AOwner) : TCustomControl(AOwner)
    {
        SetControlStyle(ControlStyle() | csAcceptsControls);
        SetBounds(0, 0, 200, 100);
    }
};

// Paints its whole area in its colour, so tests can find it on the screen.
class TTestLabel : public TGraphicControl {
public:
    explicit TTestLabel(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 40, 20); }
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }
};

template <class T, class... Args>
T* Place(TWinControl* parent, const std::string& name, int left, int top, Args&&... args)
{
    T* c = CreateOwned<T>(*parent, std::forward<Args>(args)...);
    c->SetName(name);
    c->SetParent(parent);
    c->SetBounds(left, top, c->Width(), c->Height());
    return c;
}

// A test on a fresh headless session.
class TSessionTest : public ::testing::Test {
protected:
    THeadlessSession s;
};

// A plain form, shown and painted; at the given screen bounds when a width is given.
inline TForm* ShowForm(THeadlessSession& s, int left = 0, int top = 0, int width = 0, int height = 0, bool framed = true)
{
    TForm* form = s.CreateForm<TForm>();
    if (!framed)
        form->SetBorderStyle(TFormBorderStyle::bsNone);
    if (width > 0)
        form->SetBounds(left, top, width, height);
    form->Show();
    s.ProcessUntilIdle();
    return form;
}

// Queues a left click at a screen point without running the queue, as input arriving during a loop.
inline void QueueClick(THeadlessSession& s, TPoint p)
{
    s.Screen().MouseDown(p.X, p.Y);
    s.Screen().MouseUp(p.X, p.Y);
}

// Shows every message to 'before' ahead of the window while it lives; 'before' may mark it handled.
class TMessageSpy : public IMessageFilter {
public:
    using TBefore = std::function<void(TMessage&, bool&)>;
    TMessageSpy(TWinControl& window, TBefore before) : window_(window), before_(std::move(before))
    {
        window_.AddMessageFilter(this);
    }
    ~TMessageSpy() override { window_.RemoveMessageFilter(this); }
    void BeforeMessage(TMessage& m, bool& handled) override { before_(m, handled); }
    void AfterMessage(TMessage&, bool&) override {}

private:
    TWinControl& window_;
    TBefore before_;
};
