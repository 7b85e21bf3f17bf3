#pragma once
// The application object: the message loop and its nested forms, exception handling with the
// standard error box, deferred frees, the main form, activation and the services of the window
// system (queue, window table, input, timers, carets, clipboard).
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/TComponent.h"
#include "platform/core/WeakRef.h"
#include "platform/ui/Backend.h"
#include "platform/ui/TMessageQueue.h"
#include "platform/ui/TWindowTable.h"
#include "platform/ui/UiTypes.h"

class TBitmap;
class TCaretList;
class TInputRouter;
class TTimerList;

// What a message box asks; the answer is one of the IDxxx results.
struct TMessageBoxRequest {
    std::string Text;
    std::string Caption;
    uint32_t Flags = 0;
};

// One request to the tray: the icon of a window, with its tip.
enum class TTrayAction { Add, Modify, Delete };
struct TTrayCall {
    TTrayAction Action = TTrayAction::Add;
    HWND Wnd = 0;
    uint32_t Id = 0;
    std::string Tip; // at most 63 characters
};

// Raised when a headless loop would wait for input that no script will ever give.
class EHeadlessStall : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class TApplication : public TComponent {
public:
    // One application at a time; it sets the global Application and Screen.
    explicit TApplication(Backend& backend);
    ~TApplication() override;

    Backend& GetBackend() { return backend_; }
    TMessageQueue& Queue() { return queue_; }
    TWindowTable& Windows() { return windows_; }
    TInputRouter& Input() { return *input_; }
    TTimerList& Timers() { return *timers_; }
    TCaretList& Carets() { return *carets_; }

    // Posting to a window that does not exist does nothing and answers false.
    bool PostMessage(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    bool PostMessageUnique(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    int32_t SendMessage(HWND wnd, uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    void PostQuitMessage(int exitCode = 0) { queue_.PostQuit(exitCode); }
    // Routes waiting input first, as the platform does; also offers a pending WM_PAINT when the
    // range asks for it (a paint is never removed: dispatching it paints).
    bool PeekMessage(TQueuedMessage& out, HWND wnd = 0, uint32_t first = 0, uint32_t last = 0,
                     bool remove = false);
    // The next message, waiting for one: posted work and input, then paints, then timers.
    // False for WM_QUIT.
    bool GetMessage(TQueuedMessage& out);
    // Blocks until input arrives or a timer or caret is due; headless, fails instead of hanging.
    void WaitMessage();
    // Sends a system notification (WM_SYSCOLORCHANGE, WM_DISPLAYCHANGE ...) to every window.
    void BroadcastSystemMessage(uint32_t msg, intptr_t wParam = 0, intptr_t lParam = 0);
    // Removes the first queued message of one kind for a window; a WM_QUIT met on the way stays queued.
    void KillMessage(HWND wnd, uint32_t msg);
    void TranslateMessage(const TQueuedMessage& message);
    // Takes the character just translated from the key-down being dispatched out of the queue;
    // false when there is none (a dialog key holds it back and drops it when taken).
    bool TakeTranslatedChar(TQueuedMessage& out);
    void DispatchMessage(const TQueuedMessage& message);
    // Paints every window with a pending paint now, and shows the result.
    void DispatchPaints();
    // Shows a top-level window's painted pixels.
    void PresentWindow(TWinControl* topLevel);

    // The window procedures on the stack, so that nothing is freed under its own handler.
    void EnterHandler(TWinControl* control);
    void LeaveHandler(TWinControl* control);
    bool InHandler(const TComponent* component) const;

    void Run();
    // Runs what waits when it is called, then returns; callable from any handler. Posted work and
    // what it posts run, but only the input that had arrived, the timers that were due and one
    // round of paints: events the window system keeps sending wait for the next call, so a long
    // job that calls it at every step always goes on.
    void ProcessMessages();
    // One message, or waits for one when there is none.
    void HandleMessage();
    bool ProcessMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Headless: runs posted messages, due timers, paints and deferred frees until nothing is left.
    void ProcessUntilIdle();

    // Shows the exception in the standard error box (EAbort is swallowed); the loop carries on.
    void HandleException(TComponent* sender, const std::exception& e);
    void HandleCurrentException(TComponent* sender);
    void ShowException(const std::exception& e);
    std::function<void(TComponent* Sender, const std::exception& E)> OnException;

    // The message box entry point: the responder (tests) answers first, else the presenter
    // (the standard controls' look), else the default answer.
    int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);
    std::function<int(const TMessageBoxRequest&)> MessageBoxResponder;
    std::function<int(const TMessageBoxRequest&)> MessageBoxPresenter;
    const std::vector<TMessageBoxRequest>& MessageBoxLog() const { return messageBoxLog_; }

    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    // Creates a form owned by the application; the first form created becomes the main form.
    template <class T> void CreateForm(T*& reference)
    {
        reference = CreateOwned<T>(*this);
        if (!mainForm_)
            mainForm_ = reference;
    }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    // The program's icon; empty until set.
    TBitmap& Icon();
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    TNotifyEvent OnHint;

    // Iconifies the main window and hides the windows it owns; Restore brings them back. 'done'
    // when the window manager reports it did so: the window is left as the manager has it, for a
    // report read late may follow one the other way.
    void Minimize(bool done = false);
    void Restore(bool done = false);
    bool Minimized() const { return minimized_; }
    int AddOnMinimize(TNotifyEvent handler);
    int AddOnRestore(TNotifyEvent handler);
    void RemoveHandler(int id);

    // Activation of top-level forms. 'raise' asks the window system to raise the window and give
    // it the keyboard; the system's own activation of a window does not ask it again.
    TCustomForm* ActiveTopForm() const;
    void ActivateForm(TCustomForm* form, bool raise = true);
    void DeactivateForm(TCustomForm* form);
    // "The application has an active window".
    bool Active() const { return ActiveTopForm() != nullptr; }

    // The windowed control with the keyboard focus.
    TWinControl* FocusedWindow() const;
    void SetFocusedWindow(TWinControl* control);

    // While set and its window is shown, input to every other top-level window is discarded,
    // except to modal forms opened meanwhile; painting goes on. Input still waiting when the gate
    // is lifted is discarded with it. A close or quit meant for the windows it holds stays queued
    // until it is lifted, so the job under it ends first.
    void SetInputGate(TWinControl* window);
    TWinControl* InputGate() const;
    bool AcceptsInput(TWinControl* topLevel) const;
    // The gate alone keeps input from this window: the manager's close of it waits in the queue.
    bool HeldByGate(TWinControl* topLevel) const;

    // Modal loops: the innermost modal form, and the hook that drives dialogs in tests.
    int ModalLevel() const { return static_cast<int>(modalStack_.size()); }
    TCustomForm* ModalForm() const;
    void BeginModal(TCustomForm* form);
    void EndModal(TCustomForm* form);
    std::function<void(TCustomForm&)> OnModalActivate;

    // Frees a component once the handlers on the stack have returned.
    void ReleaseLater(TComponent* component);

    uint32_t CaretBlinkTime() const { return blinkTime_; }
    void SetCaretBlinkTime(uint32_t ms) { blinkTime_ = ms; }
    static constexpr uint32_t BlinkNever = 0xFFFFFFFF;
    bool AnimationsEnabled() const { return animations_; }
    void SetAnimationsEnabled(bool v) { animations_ = v; }

    // The tray: clicks come back as WM_TRAY_CALLBACK (WParam the id, LParam the mouse message).
    // Without a tray service (the SDL back end has none) every call fails.
    bool TrayIcon(TTrayAction action, HWND wnd, uint32_t id, const std::string& tip = {});
    std::function<bool(const TTrayCall&)> TrayService;

    void Beep() { ++beeps_; }
    int BeepCount() const { return beeps_; }
    // Opens a document or link with xdg-open, not waited for; tests replace it.
    std::function<void(const std::string&)> ShellOpener;
    void ShellOpen(const std::string& target);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // What one pass of the loop may still take: backend events, paint rounds, and timers and
    // carets due up to the horizon.
    struct TTurn {
        size_t Input = SIZE_MAX;
        size_t Paints = SIZE_MAX;
        uint64_t Horizon = UINT64_MAX;
    };
    bool ProcessOne(TTurn& turn);
    // Routes one event from the back end; false when none waits.
    bool RouteNextEvent();
    bool IsKeyMsg(const TQueuedMessage& message);
    // Ctrl+F6 and Ctrl+Tab (with Shift backwards) switch the MDI children and Ctrl+F4 closes the
    // active one, before any control sees them.
    bool IsMDIMsg(const TQueuedMessage& message);
    bool RunDueTimers(uint64_t horizon);
    bool HoldsBack(const TQueuedMessage& message) const;
    void PostTranslated(const TQueuedMessage& ch);
    void DeliverReleases(TMessage& message);
    void FireHandlers(std::map<int, TNotifyEvent>& handlers);
    void FillOutsideRegion(TWinControl& topLevel, TBitmap& surface) const;

    Backend& backend_;
    TMessageQueue queue_;
    TWindowTable windows_;
    std::unique_ptr<TInputRouter> input_;
    std::unique_ptr<TTimerList> timers_;
    std::unique_ptr<TCaretList> carets_;
    std::unique_ptr<TUtilityWindow> releaser_;
    std::unique_ptr<TScreen> screen_;
    TCustomForm* mainForm_ = nullptr;
    TWeakRef<TComponent> activeForm_;
    TWeakRef<TComponent> focused_;
    TWeakRef<TComponent> gate_;
    size_t gateModalLevel_ = 0; // modal forms from this depth on were opened under the gate
    struct ModalEntry {
        TWeakRef<TComponent> Form;
        std::vector<TWeakRef<TComponent>> Disabled; // windows the modal form shut off
    };
    std::vector<ModalEntry> modalStack_;
    std::vector<TMessageBoxRequest> messageBoxLog_;
    std::optional<TQueuedMessage> translatedChar_;
    std::map<int, TNotifyEvent> onMinimize_;
    std::map<int, TNotifyEvent> onRestore_;
    int nextHandlerId_ = 1;
    std::string title_;
    std::string hint_;
    bool terminated_ = false;
    bool minimized_ = false;
    bool animations_ = true;
    uint32_t blinkTime_ = 530;
    int beeps_ = 0;
    std::vector<TWeakRef<TComponent>> hiddenByMinimize_;
    std::vector<TWinControl*> handlerStack_;
    std::vector<uint64_t> deferredFrees_;
    std::unique_ptr<TBitmap> icon_;
};

extern TApplication* Application;
