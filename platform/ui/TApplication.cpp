#include "platform/ui/TApplication.h"

#include <algorithm>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/core/Exceptions.h"
#include "platform/core/LiveObjects.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCaretList.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TInputRouter.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TTimerList.h"
#include "platform/ui/TUtilityWindow.h"


TApplication* Application = nullptr;

namespace {
// xdg-open in a grandchild, so nothing waits for it and no zombie is left.
void SpawnXdgOpen(const std::string& target)
{
    const pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(target.c_str()), nullptr};
            execvp("xdg-open", argv);
        }
        _exit(0);
    }
    if (child > 0)
        waitpid(child, nullptr, 0);
}
} // namespace

TApplication::TApplication(Backend& backend) : TComponent(nullptr), backend_(backend)
{
    if (Application)
        throw EInvalidOperation("Only one application can run at a time");
    Application = this;
    input_ = std::make_unique<TInputRouter>(*this);
    timers_ = std::make_unique<TTimerList>();
    carets_ = std::make_unique<TCaretList>(*this);
    screen_ = std::make_unique<TScreen>(*this);
    Screen = screen_.get();
    releaser_ = std::make_unique<TUtilityWindow>([this](TMessage& m) { DeliverReleases(m); });
    ShellOpener = SpawnXdgOpen;
    queue_.HeldBack = [this](const TQueuedMessage& message) { return HoldsBack(message); };
}

TApplication::~TApplication()
{
    DestroyComponents();
    releaser_.reset();
    Screen = nullptr;
    screen_.reset();
    Application = nullptr;
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == mainForm_)
        mainForm_ = nullptr;
    if (auto* form = dynamic_cast<TCustomForm*>(component); form && form->Owner() == this)
        form->DoDestroy();
}

bool TApplication::PostMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    if (wnd != 0 && !windows_.IsWindow(wnd))
        return false;
    queue_.Post(wnd, msg, wParam, lParam);
    return true;
}

bool TApplication::PostMessageUnique(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    if (wnd != 0 && !windows_.IsWindow(wnd))
        return false;
    return queue_.PostUnique(wnd, msg, wParam, lParam);
}

int32_t TApplication::SendMessage(HWND wnd, uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    if (!windows_.Deliver(wnd, m))
        return 0;
    return m.Result;
}

bool TApplication::PeekMessage(TQueuedMessage& out, HWND wnd, uint32_t first, uint32_t last, bool remove)
{
    for (;;) {
        if (queue_.Peek(out, wnd, first, last, remove))
            return true;
        TBackendEvent event;
        if (!input_->TakeDeferred(event) && !backend_.PollEvent(event))
            break;
        input_->Route(event);
    }
    const bool paintInRange = (first == 0 && last == 0) || (first <= WM_PAINT && WM_PAINT <= last);
    if (paintInRange && windows_.HasDirty()) {
        const HWND dirty = windows_.FirstDirty();
        if (wnd == 0 || wnd == dirty) {
            // Taken, as a modal loop takes it: a window that cannot paint now is not handed out forever.
            if (remove)
                windows_.ClearDirty(dirty);
            out = {dirty, WM_PAINT, 0, 0};
            return true;
        }
    }
    return false;
}

bool TApplication::GetMessage(TQueuedMessage& out)
{
    for (;;) {
        if (PeekMessage(out, 0, 0, 0, true))
            return out.Msg != WM_QUIT;
        const uint64_t now = backend_.NowMs();
        HWND wnd = 0;
        uintptr_t id = 0;
        if (timers_->TakeDue(now, wnd, id)) {
            out = {wnd, WM_TIMER, static_cast<intptr_t>(id), 0};
            return true;
        }
        if (!carets_->Blink(now))
            WaitMessage();
    }
}

void TApplication::WaitMessage()
{
    if (backend_.IsHeadless()) {
        if (!backend_.WaitEvent(0))
            throw EHeadlessStall("The message loop waits for input that no script gives");
        return;
    }
    const uint64_t now = backend_.NowMs();
    int64_t wait = 250;
    for (int64_t due : {timers_->NextDueIn(now), carets_->NextDueIn(now)})
        if (due >= 0)
            wait = std::min(wait, due);
    backend_.WaitEvent(static_cast<uint32_t>(std::max<int64_t>(wait, 1)));
}

void TApplication::BroadcastSystemMessage(uint32_t msg, intptr_t wParam, intptr_t lParam)
{
    for (HWND wnd : windows_.Handles())
        SendMessage(wnd, msg, wParam, lParam);
}

void TApplication::KillMessage(HWND wnd, uint32_t msg)
{
    TQueuedMessage removed;
    queue_.Peek(removed, wnd, msg, msg, true);
}

void TApplication::TranslateMessage(const TQueuedMessage& message)
{
    if (message.Msg != WM_KEYDOWN && message.Msg != WM_SYSKEYDOWN)
        return;
    const uint16_t vk = static_cast<uint16_t>(message.WParam);
    const bool shift = input_->KeyState(VK_SHIFT) < 0;
    const bool ctrl = input_->KeyState(VK_CONTROL) < 0;
    const bool letter = vk >= 'A' && vk <= 'Z';
    const bool digit = vk >= '0' && vk <= '9';
    if (message.Msg == WM_SYSKEYDOWN) {
        if (ctrl)
            return;
        char32_t ch = 0;
        if (letter)
            ch = shift ? vk : vk + 32;
        else if (digit || vk == VK_SPACE || vk == VK_BACK || vk == VK_RETURN)
            ch = vk;
        if (ch)
            PostTranslated({message.Wnd, WM_SYSCHAR, static_cast<intptr_t>(ch), message.LParam});
        return;
    }
    char32_t ch = 0;
    if (ctrl) {
        if (letter)
            ch = vk - 'A' + 1;
        else if (vk == VK_RETURN)
            ch = 10;
        else if (vk == VK_BACK)
            ch = 127;
    } else {
        switch (vk) {
        case VK_BACK: ch = 8; break;
        case VK_TAB: ch = 9; break;
        case VK_RETURN: ch = 13; break;
        case VK_ESCAPE: ch = 27; break;
        default: break;
        }
    }
    if (ch)
        PostTranslated({message.Wnd, WM_CHAR, static_cast<intptr_t>(ch), message.LParam});
}

void TApplication::PostTranslated(const TQueuedMessage& ch)
{
    queue_.PostFirst(ch.Wnd, ch.Msg, ch.WParam, ch.LParam);
    translatedChar_ = ch;
}

bool TApplication::TakeTranslatedChar(TQueuedMessage& out)
{
    if (!translatedChar_)
        return false;
    const TQueuedMessage ch = *translatedChar_;
    translatedChar_.reset();
    TQueuedMessage first;
    if (!queue_.Peek(first, ch.Wnd, ch.Msg, ch.Msg, false) || first.WParam != ch.WParam)
        return false;
    return queue_.Peek(out, ch.Wnd, ch.Msg, ch.Msg, true);
}

void TApplication::DispatchMessage(const TQueuedMessage& message)
{
    if (message.Msg == WM_PAINT) {
        // Painting validates the window, so a peek-and-dispatch loop is not offered it again.
        windows_.ClearDirty(message.Wnd);
        if (TWinControl* c = windows_.Control(message.Wnd)) {
            c->PaintPending();
            if (TWinControl* top = c->TopLevel())
                PresentWindow(top);
        }
        return;
    }
    TMessage m{message.Msg, message.WParam, message.LParam, 0};
    windows_.Deliver(message.Wnd, m);
}

void TApplication::DispatchPaints()
{
    const auto dirty = windows_.TakeDirty();
    for (HWND wnd : dirty)
        if (TWinControl* c = windows_.Control(wnd))
            c->PaintPending();
    for (TWinControl* top : windows_.TopLevels())
        if (top->presentPending_)
            PresentWindow(top);
}

// A shape the back end refused: what lies under the window shows outside it.
void TApplication::FillOutsideRegion(TWinControl& topLevel, TBitmap& surface) const
{
    TRegion outside(Rect(0, 0, surface.Width(), surface.Height()));
    outside.Subtract(*topLevel.WindowRegion());
    if (outside.IsEmpty())
        return;
    TBitmap under;
    screen_->CaptureRect(topLevel.WindowRect(), under, &topLevel);
    for (const TRect& r : outside.Rects()) {
        const int right = std::min(r.Right, under.Width());
        for (int y = r.Top; y < r.Bottom && y < under.Height() && r.Left < right; ++y)
            std::copy(under.ScanLine(y) + r.Left, under.ScanLine(y) + right, surface.ScanLine(y) + r.Left);
    }
}

void TApplication::PresentWindow(TWinControl* topLevel)
{
    if (!topLevel || !topLevel->native_ || !topLevel->surface_)
        return;
    topLevel->presentPending_ = false;
    TBitmap& s = *topLevel->surface_;
    if (topLevel->WindowRegion() && !topLevel->WindowRegionByBackend() && screen_)
        FillOutsideRegion(*topLevel, s);
    backend_.Present(topLevel->native_, s.Bits(), s.Width(), s.Height(), s.Width());
}

void TApplication::EnterHandler(TWinControl* control)
{
    handlerStack_.push_back(control);
}

void TApplication::LeaveHandler(TWinControl* control)
{
    auto it = std::find(handlerStack_.rbegin(), handlerStack_.rend(), control);
    if (it != handlerStack_.rend())
        handlerStack_.erase(std::next(it).base());
    if (!deferredFrees_.empty()) {
        const auto pending = std::move(deferredFrees_);
        deferredFrees_.clear();
        for (uint64_t id : pending)
            PostMessage(releaser_->Handle(), CM_RELEASE, 0, static_cast<intptr_t>(id));
    }
}

bool TApplication::InHandler(const TComponent* component) const
{
    const auto* win = dynamic_cast<const TWinControl*>(component);
    for (TWinControl* c : handlerStack_)
        if (c == component || (win && LiveObjects::IsAlive(c->ObjectId()) && win->ContainsControl(c)))
            return true;
    return false;
}

void TApplication::ReleaseLater(TComponent* component)
{
    if (component)
        PostMessage(releaser_->Handle(), CM_RELEASE, 0, static_cast<intptr_t>(component->ObjectId()));
}

void TApplication::DeliverReleases(TMessage& message)
{
    if (message.Msg != CM_RELEASE)
        return;
    const auto id = static_cast<uint64_t>(message.LParam);
    TComponent* component = LiveObjects::Find(id);
    if (!component)
        return;
    if (InHandler(component)) {
        deferredFrees_.push_back(id);
        return;
    }
    TComponent::Free(component);
}

bool TApplication::IsKeyMsg(const TQueuedMessage& message)
{
    if (message.Msg != WM_KEYDOWN && message.Msg != WM_SYSKEYDOWN)
        return false;
    TWinControl* target = windows_.Control(message.Wnd);
    TCustomForm* form = GetParentForm(target);
    if (!form)
        return false;
    TMessage km{message.Msg, message.WParam, message.LParam, 0};
    try {
        if (form->IsShortCut(km))
            return true;
        if (TCustomForm* frame = form->MDIParent())
            return frame->IsShortCut(km);
    } catch (const EHeadlessStall&) {
        throw;
    } catch (...) {
        HandleCurrentException(form);
        return true;
    }
    return false;
}

bool TApplication::IsMDIMsg(const TQueuedMessage& message)
{
    if (message.Msg != WM_KEYDOWN || (message.WParam != VK_F6 && message.WParam != VK_TAB && message.WParam != VK_F4))
        return false;
    if (input_->KeyState(VK_CONTROL) >= 0 || input_->KeyState(VK_MENU) < 0)
        return false;
    TCustomForm* form = GetParentForm(windows_.Control(message.Wnd));
    TCustomForm* frame = form ? form->MDIParent() : nullptr;
    if (!frame && form && form->MDIClient())
        frame = form;
    if (!frame || !AcceptsInput(frame))
        return false;
    if (message.WParam == VK_F4) {
        // The child closes as its own close command says, which a skinned frame may take over.
        TCustomForm* child = frame->MDIClient()->ActiveChild();
        if (!child || !child->Enabled())
            return false;
        SendMessage(child->Handle(), WM_SYSCOMMAND, SC_CLOSE);
        return true;
    }
    return frame->MDIClient()->ActivateNext(input_->KeyState(VK_SHIFT) < 0);
}

bool TApplication::RunDueTimers(uint64_t horizon)
{
    HWND wnd = 0;
    uintptr_t id = 0;
    const uint64_t now = std::min(backend_.NowMs(), horizon);
    if (timers_->TakeDue(now, wnd, id)) {
        TMessage m{WM_TIMER, static_cast<intptr_t>(id), 0, 0};
        windows_.Deliver(wnd, m);
        return true;
    }
    return carets_->Blink(now);
}

bool TApplication::ProcessOne(TTurn& turn)
{
    TQueuedMessage msg;
    if (queue_.Peek(msg, 0, 0, 0, true)) {
        if (msg.Msg == WM_QUIT) {
            terminated_ = true;
            return true;
        }
        if (!IsMDIMsg(msg) && !IsKeyMsg(msg)) {
            const auto outer = translatedChar_;
            translatedChar_.reset();
            try {
                TranslateMessage(msg);
                DispatchMessage(msg);
            } catch (...) {
                translatedChar_ = outer;
                throw;
            }
            translatedChar_ = outer;
        }
        return true;
    }
    if (turn.Input > 0 && RouteNextEvent()) {
        --turn.Input;
        return true;
    }
    if (turn.Paints > 0 && windows_.HasDirty()) {
        --turn.Paints;
        DispatchPaints();
        return true;
    }
    return RunDueTimers(turn.Horizon);
}

bool TApplication::RouteNextEvent()
{
    TBackendEvent event;
    if (!input_->TakeDeferred(event) && !backend_.PollEvent(event))
        return false;
    try {
        input_->Route(event);
    } catch (const EHeadlessStall&) {
        throw;
    } catch (...) {
        HandleCurrentException(nullptr);
    }
    return true;
}

bool TApplication::ProcessMessage()
{
    TTurn any;
    return ProcessOne(any);
}

void TApplication::ProcessMessages()
{
    // Timers count as due from when the call began, so one whose handler outlasts its interval
    // cannot keep the call from returning either.
    TTurn turn{backend_.PendingEvents(), 1, backend_.NowMs()};
    while (ProcessOne(turn)) {
    }
}

void TApplication::ProcessUntilIdle()
{
    TTurn turn;
    turn.Horizon = backend_.NowMs();
    while (ProcessOne(turn)) {
    }
}

void TApplication::HandleMessage()
{
    TTurn any;
    if (!ProcessOne(any))
        WaitMessage();
}

void TApplication::Run()
{
    if (mainForm_ && !mainForm_->Visible())
        mainForm_->Show();
    while (!terminated_) {
        HandleMessage();
        if (!mainForm_)
            break;
    }
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

void TApplication::HandleException(TComponent* sender, const std::exception& e)
{
    if (dynamic_cast<const EAbort*>(&e))
        return;
    if (OnException)
        OnException(sender, e);
    else
        ShowException(e);
}

void TApplication::HandleCurrentException(TComponent* sender)
{
    try {
        throw;
    } catch (const EHeadlessStall&) {
        throw;
    } catch (const std::exception& e) {
        HandleException(sender, e);
    } catch (...) {
        HandleException(sender, Exception("An unknown error occurred"));
    }
}

void TApplication::ShowException(const std::exception& e)
{
    std::string text = e.what();
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags)
{
    TMessageBoxRequest request{text, caption, flags};
    messageBoxLog_.push_back(request);
    if (MessageBoxResponder)
        return MessageBoxResponder(request);
    if (MessageBoxPresenter)
        return MessageBoxPresenter(request);
    if (backend_.IsHeadless())
        throw EHeadlessStall("A message box has no responder: " + text);
    switch (flags & 0x0F) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}

TBitmap& TApplication::Icon()
{
    if (!icon_)
        icon_ = std::make_unique<TBitmap>();
    return *icon_;
}

void TApplication::SetHint(const std::string& v)
{
    if (hint_ == v)
        return;
    hint_ = v;
    if (OnHint)
        OnHint(this);
}

int TApplication::AddOnMinimize(TNotifyEvent handler)
{
    const int id = nextHandlerId_++;
    onMinimize_[id] = std::move(handler);
    return id;
}

int TApplication::AddOnRestore(TNotifyEvent handler)
{
    const int id = nextHandlerId_++;
    onRestore_[id] = std::move(handler);
    return id;
}

void TApplication::RemoveHandler(int id)
{
    onMinimize_.erase(id);
    onRestore_.erase(id);
}

void TApplication::FireHandlers(std::map<int, TNotifyEvent>& handlers)
{
    const auto snapshot = handlers;
    for (const auto& [id, handler] : snapshot)
        if (handlers.count(id) && handler)
            handler(this);
}

void TApplication::Minimize(bool done)
{
    if (minimized_)
        return;
    minimized_ = true;
    hiddenByMinimize_.clear();
    for (TWinControl* top : windows_.TopLevels()) {
        if (top == mainForm_ || !top->Visible())
            continue;
        hiddenByMinimize_.emplace_back(top);
        backend_.ShowWindow(top->native_, false, false);
    }
    if (mainForm_ && mainForm_->native_ && !done)
        backend_.MinimizeWindow(mainForm_->native_);
    FireHandlers(onMinimize_);
}

void TApplication::Restore(bool done)
{
    if (!minimized_)
        return;
    minimized_ = false;
    if (mainForm_ && mainForm_->native_ && !done)
        backend_.RestoreWindow(mainForm_->native_);
    for (auto& ref : hiddenByMinimize_)
        if (auto* top = dynamic_cast<TWinControl*>(ref.Get()); top && top->Visible())
            backend_.ShowWindow(top->native_, true, false);
    hiddenByMinimize_.clear();
    if (mainForm_ && mainForm_->Visible())
        ActivateForm(ModalForm() ? ModalForm() : mainForm_);
    FireHandlers(onRestore_);
}

TCustomForm* TApplication::ActiveTopForm() const
{
    return dynamic_cast<TCustomForm*>(activeForm_.Get());
}

void TApplication::ActivateForm(TCustomForm* form, bool raise)
{
    if (!form || !form->Visible())
        return;
    if (TCustomForm* frame = form->MDIParent()) {
        frame->MDIClient()->ActivateChild(form);
        // Also when the frame is active already: a click on a child brings the keyboard back.
        ActivateForm(frame, raise);
        return;
    }
    TCustomForm* prev = ActiveTopForm();
    if (form->native_ && raise)
        backend_.RaiseWindow(form->native_, true);
    if (prev == form)
        return;
    TWeakRef<TCustomForm> target(form);
    activeForm_ = form;
    const intptr_t formHandle = form->Handle();
    // The high word of WM_ACTIVATE carries the minimized flag.
    const intptr_t minimized = form->WindowState() == TWindowState::wsMinimized ? 1 : 0;
    intptr_t prevHandle = 0;
    if (prev) {
        prevHandle = prev->Handle();
        const intptr_t prevMinimized = prev->WindowState() == TWindowState::wsMinimized ? 1 : 0;
        // By handle: the first handler may free the form it runs on.
        SendMessage(static_cast<HWND>(prevHandle), WM_NCACTIVATE, 0, formHandle);
        SendMessage(static_cast<HWND>(prevHandle), WM_ACTIVATE, MakeLong(WA_INACTIVE, static_cast<int>(prevMinimized)),
                    formHandle);
        if (!target || ActiveTopForm() != form)
            return;
    }
    SendMessage(form->Handle(), WM_NCACTIVATE, 1, prevHandle);
    if (target && ActiveTopForm() == form)
        SendMessage(form->Handle(), WM_ACTIVATE, MakeLong(WA_ACTIVE, static_cast<int>(minimized)), prevHandle);
}

void TApplication::DeactivateForm(TCustomForm* form)
{
    if (!form)
        return;
    // A form being freed already reads as no active form, yet it still hands the activation on;
    // no handler runs on it any more.
    const bool dying = form->IsDestroying();
    if (ActiveTopForm() != form && !(dying && form->Active() && !ActiveTopForm()))
        return;
    activeForm_.Reset();
    if (form->HandleAllocated() && !dying) {
        SendMessage(form->Handle(), WM_NCACTIVATE, 0, 0);
        SendMessage(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    }
    TWinControl* focused = FocusedWindow();
    if (focused && form->ContainsControl(focused))
        SetFocusedWindow(nullptr);
    TCustomForm* next = ModalForm();
    if (!next || next == form || !next->Visible()) {
        next = nullptr;
        const auto tops = windows_.TopLevels();
        for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
            auto* candidate = dynamic_cast<TCustomForm*>(*it);
            if (candidate && candidate != form && candidate->Visible() && AcceptsInput(candidate) &&
                !(candidate->WindowParams().ExStyle & WS_EX_NOACTIVATE) && !candidate->IsDestroying()) {
                next = candidate;
                if (candidate != mainForm_)
                    break;
            }
        }
    }
    if (next)
        ActivateForm(next);
}

TWinControl* TApplication::FocusedWindow() const
{
    return dynamic_cast<TWinControl*>(focused_.Get());
}

void TApplication::SetFocusedWindow(TWinControl* control)
{
    TWinControl* old = FocusedWindow();
    if (old == control)
        return;
    if (control && !control->HandleAllocated())
        control->HandleNeeded();
    focused_ = control;
    const intptr_t newHandle = control ? control->Handle() : 0;
    if (old && old->HandleAllocated()) {
        SendMessage(old->Handle(), WM_KILLFOCUS, newHandle);
        if (FocusedWindow() != control)
            return;
    }
    if (control && control->HandleAllocated())
        SendMessage(control->Handle(), WM_SETFOCUS, old && old->HandleAllocated() ? old->Handle() : 0);
}

void TApplication::SetInputGate(TWinControl* window)
{
    // What was clicked or typed while the gate held and is still waiting meets the gate too, so
    // none of it acts once the job is over.
    if (TWinControl* gate = InputGate(); gate && gate != window && gate->Visible()) {
        for (size_t arrived = backend_.PendingEvents(); arrived > 0; --arrived)
            if (!RouteNextEvent())
                break;
    }
    gate_ = window;
    gateModalLevel_ = ModalLevel();
}

TWinControl* TApplication::InputGate() const
{
    return dynamic_cast<TWinControl*>(gate_.Get());
}

bool TApplication::HoldsBack(const TQueuedMessage& message) const
{
    const bool closing = message.Msg == WM_CLOSE || message.Msg == WM_QUIT ||
                         (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_CLOSE);
    if (!closing)
        return false;
    TWinControl* gate = InputGate();
    if (!gate || !gate->Visible())
        return false;
    TWinControl* target = windows_.Control(message.Wnd);
    return message.Wnd == 0 || (target && !AcceptsInput(target->TopLevel()));
}

bool TApplication::AcceptsInput(TWinControl* topLevel) const
{
    if (!topLevel)
        return false;
    // The gate holds while its window is shown; a modal form opened meanwhile (a question asked
    // during the job) must still be answerable.
    if (TWinControl* gate = InputGate(); gate && gate->Visible()) {
        if (gate == topLevel)
            return true;
        for (size_t i = gateModalLevel_; i < modalStack_.size(); ++i)
            if (modalStack_[i].Form.Get() == topLevel)
                return true;
        return false;
    }
    for (const auto& entry : modalStack_)
        for (const auto& ref : entry.Disabled)
            if (ref.Get() == topLevel)
                return false;
    return true;
}

bool TApplication::HeldByGate(TWinControl* topLevel) const
{
    TWinControl* gate = InputGate();
    if (!topLevel || !gate || !gate->Visible() || AcceptsInput(topLevel))
        return false;
    for (size_t i = 0; i < gateModalLevel_ && i < modalStack_.size(); ++i)
        for (const auto& ref : modalStack_[i].Disabled)
            if (ref.Get() == topLevel)
                return false;
    return true;
}

TCustomForm* TApplication::ModalForm() const
{
    for (auto it = modalStack_.rbegin(); it != modalStack_.rend(); ++it)
        if (auto* form = dynamic_cast<TCustomForm*>(it->Form.Get()))
            return form;
    return nullptr;
}

void TApplication::BeginModal(TCustomForm* form)
{
    ModalEntry entry;
    entry.Form = form;
    for (TWinControl* top : windows_.TopLevels())
        if (top != form && top->Visible())
            entry.Disabled.emplace_back(top);
    modalStack_.push_back(std::move(entry));
}

void TApplication::EndModal(TCustomForm* form)
{
    // An entry whose form is already being freed ends here too, so it never blocks input.
    std::erase_if(modalStack_, [&](const ModalEntry& e) {
        TComponent* f = e.Form.Get();
        return f == form || f == nullptr;
    });
}

void TApplication::ShellOpen(const std::string& target)
{
    // A document that cannot be opened is not the program's error; failures are ignored.
    try {
        if (ShellOpener)
            ShellOpener(target);
    } catch (...) {
        return;
    }
}

bool TApplication::TrayIcon(TTrayAction action, HWND wnd, uint32_t id, const std::string& tip)
{
    if (!TrayService)
        return false;
    TTrayCall call{action, wnd, id, tip.substr(0, 63)};
    return TrayService(call);
}
