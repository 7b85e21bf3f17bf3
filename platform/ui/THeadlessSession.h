#pragma once
// The test kit for every layer above: an application on the headless screen with the fake clock
// installed, forms, typing and clicking by coordinates, running the queue until idle, answering
// message boxes, driving modal forms and reading pixels.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessBackend.h"

class THeadlessSession {
public:
    explicit THeadlessSession(int width = 1024, int height = 768);
    ~THeadlessSession();
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    THeadlessBackend& Screen() { return backend_; }
    TApplication& App() { return *app_; }

    // A form owned by the application, as Application.CreateForm makes it.
    template <class T, class... Args> T* CreateForm(Args&&... args)
    {
        return CreateOwned<T>(*app_, std::forward<Args>(args)...);
    }

    // Input at screen coordinates; each call runs the queue until idle afterwards.
    void MoveTo(int x, int y);
    void MouseDown(int x, int y, int button = 1, uint32_t modifiers = 0);
    void MouseUp(int x, int y, int button = 1, uint32_t modifiers = 0);
    // A left release with no motion to its place before it, as a real back end gives one whose
    // last motion it left out.
    void MouseUpWithoutMove(int x, int y);
    void Click(int x, int y, int button = 1, uint32_t modifiers = 0);
    void DoubleClick(int x, int y);
    void Wheel(int x, int y, int notches);
    void Leave();
    // A point of a control in client coordinates (its centre by default), on the screen.
    TPoint ScreenPointOf(const TControl& control, TPoint client = {-1, -1}) const;
    void ClickControl(const TControl& control, TPoint client = {-1, -1});

    // Keys: down and up with modifiers (kmShift, kmCtrl, kmAlt); 'text' is what the key types.
    void KeyDown(uint16_t key, uint32_t modifiers = 0, const std::string& text = {});
    void KeyUp(uint16_t key, uint32_t modifiers = 0);
    void PressKey(uint16_t key, uint32_t modifiers = 0, const std::string& text = {});
    // Types printable text, one key press per character.
    void TypeText(const std::string& text);

    void ProcessUntilIdle();
    // Moves the fake clock, then runs what became due.
    void AdvanceClock(uint64_t ms);

    // Message boxes take queued answers first, then the default (the box's first button).
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    const std::vector<TMessageBoxRequest>& MessageBoxes() const { return app_->MessageBoxLog(); }
    // The texts of the standard error boxes shown so far.
    std::vector<std::string> Errors() const;
    // Runs 'callback' each time a modal form starts its loop.
    void WhenModal(std::function<void(TCustomForm&)> callback);

    TColor ScreenColor(int x, int y) const;
    // A pixel of a top-level window in window coordinates.
    TColor WindowColor(const TWinControl& topLevel, int x, int y) const;
    // A pixel of any control in its client coordinates, read from its window's surface.
    TColor ClientColor(const TControl& control, int x, int y) const;

    const std::vector<std::string>& ShellOpened() const { return shellOpened_; }
    // The fake tray: what was asked of it, and a mouse message on one of its icons.
    const std::vector<TTrayCall>& TrayCalls() const { return trayCalls_; }
    void TrayMouse(const TTrayCall& icon, uint32_t mouseMessage);

private:
    THeadlessBackend backend_;
    ClockOverride clock_;
    std::unique_ptr<TApplication> app_;
    std::deque<int> answers_;
    std::vector<std::string> shellOpened_;
    std::vector<TTrayCall> trayCalls_;
};
