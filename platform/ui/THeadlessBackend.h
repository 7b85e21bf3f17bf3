#pragma once
// A virtual desktop for tests: z-ordered windows composed into a readable frame buffer,
// scripted input and a clock that moves only when told to.
#include <deque>
#include <functional>
#include <map>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/ui/Backend.h"

class THeadlessBackend : public Backend {
public:
    explicit THeadlessBackend(int width = 1024, int height = 768);

    TNativeWindow CreateWindow(const TNativeWindowParams& params) override;
    void DestroyWindow(TNativeWindow window) override;
    void SetWindowBounds(TNativeWindow window, const TScreenRect& bounds) override;
    TScreenRect WindowBounds(TNativeWindow window) const override;
    void ShowWindow(TNativeWindow window, bool visible, bool activate) override;
    void RaiseWindow(TNativeWindow window, bool activate) override;
    void SetTopMost(TNativeWindow window, bool topMost) override;
    void MinimizeWindow(TNativeWindow window) override;
    void RestoreWindow(TNativeWindow window) override;
    void SetWindowOpacity(TNativeWindow window, uint8_t alpha) override;
    void SetWindowTitle(TNativeWindow window, const std::string& title) override;
    // Kept above its owner, as a window manager keeps a dialog.
    void SetWindowOwner(TNativeWindow window, TNativeWindow owner) override;
    bool SetWindowRegion(TNativeWindow window, const std::vector<TScreenRect>& rects) override;
    void Present(TNativeWindow window, const uint32_t* pixels, int width, int height,
                 int stride) override;

    bool PollEvent(TBackendEvent& event) override;
    size_t PendingEvents() override { return events_.size(); }
    // Nothing arrives by itself: a loop that would wait asks the script, which may queue input.
    bool WaitEvent(uint32_t) override;
    uint64_t NowMs() const override { return clock_.TickCount(); }

    std::vector<TMonitorInfo> Monitors() const override { return monitors_; }
    void SetCursorShape(TCursorShape shape) override { cursor_ = shape; }
    void CursorPos(int& x, int& y) const override;
    void StartTextInput(const TScreenRect& composition) override;
    void StopTextInput() override { textInput_ = false; }

    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    std::string ClipboardText() const override { return clipboard_; }
    bool HasClipboardText() const override { return !clipboard_.empty(); }

    bool IsHeadless() const override { return true; }
    bool SupportsLayeredWindows() const override { return true; }

    // Test controls.
    void AdvanceClock(uint64_t ms) { clock_.AdvanceMilliseconds(ms); }
    // The fake clock; a session installs it as the program's clock.
    ManualClock& FakeClock() { return clock_; }
    void SetMonitors(std::vector<TMonitorInfo> monitors) { monitors_ = std::move(monitors); }
    void Push(TBackendEvent event);
    void MouseMove(int x, int y, uint32_t modifiers = 0);
    void MouseDown(int x, int y, int button = 1, uint32_t modifiers = 0);
    void MouseUp(int x, int y, int button = 1, uint32_t modifiers = 0);
    void Wheel(int x, int y, int notches, uint32_t modifiers = 0);
    void MouseLeave();
    void KeyDown(uint16_t key, uint32_t modifiers = 0, const std::string& text = {});
    void KeyUp(uint16_t key, uint32_t modifiers = 0);
    void DropFiles(int x, int y, std::vector<std::string> files);
    bool HasPendingInput() const { return !events_.empty(); }
    // Called when a loop waits and no input is queued; what it queues the loop reads next.
    void WhenWaiting(std::function<void()> script) { waiting_ = std::move(script); }
    // Off: windows cannot be shaped, as on SDL.
    void SetShapesSupported(bool v) { shapes_ = v; }
    void RequestClose(TNativeWindow window);
    // What a window manager does by itself: moves or sizes a window, maximizes it into the work
    // area and gives the maximize back; each queues the events a real one makes.
    void ManagerPlace(TNativeWindow window, const TScreenRect& bounds);
    void ManagerMaximize(TNativeWindow window);
    void ManagerRestore(TNativeWindow window);

    // Pixels of the composed desktop, or of one window's own surface (window coordinates).
    uint32_t ScreenPixel(int x, int y) const;
    uint32_t WindowPixel(TNativeWindow window, int x, int y) const;
    bool IsWindowVisible(TNativeWindow window) const;
    bool IsWindowTopMost(TNativeWindow window) const;
    bool IsWindowMinimized(TNativeWindow window) const;
    uint8_t WindowOpacity(TNativeWindow window) const;
    const std::string& WindowTitle(TNativeWindow window) const;
    TNativeWindow WindowOwner(TNativeWindow window) const;
    bool IsWindowResizable(TNativeWindow window) const;
    TNativeWindow ActiveWindow() const { return active_; }
    TNativeWindow WindowAt(int x, int y) const;
    // Native windows from the bottom to the top.
    std::vector<TNativeWindow> ZOrder() const override;
    TCursorShape Cursor() const { return cursor_; }
    bool TextInputActive() const { return textInput_; }
    const TScreenRect& Composition() const { return composition_; }

    static constexpr uint32_t DesktopColor = 0xFF3A6EA5;

private:
    struct Window {
        TNativeWindowParams Params;
        bool Visible = false;
        bool Minimized = false;
        bool TopMost = false;
        uint8_t Opacity = 255;
        TNativeWindow Owner = 0;
        TScreenRect RestoreBounds; // before the manager maximized it; empty while not maximized
        std::vector<TScreenRect> Region; // window coordinates; empty: the whole window
        bool Covers(int x, int y) const;
        int SurfaceWidth = 0;
        int SurfaceHeight = 0;
        std::vector<uint32_t> Pixels;
    };
    Window* Find(TNativeWindow window);
    const Window* Find(TNativeWindow window) const;
    void Restack(TNativeWindow window);
    void MouseButton(TBackendEventKind kind, int x, int y, int button, uint32_t modifiers);

    std::map<TNativeWindow, Window> windows_;
    std::vector<TNativeWindow> zOrder_;
    std::deque<TBackendEvent> events_;
    std::function<void()> waiting_;
    std::vector<TMonitorInfo> monitors_;
    TNativeWindow nextId_ = 1;
    TNativeWindow active_ = 0;
    ManualClock clock_;
    int cursorX_ = 0;
    int cursorY_ = 0;
    TCursorShape cursor_ = TCursorShape::Arrow;
    bool textInput_ = false;
    bool shapes_ = true;
    TScreenRect composition_;
    std::string clipboard_;
    uint64_t lastDownTime_ = 0;
    int lastDownButton_ = 0;
    int lastDownX_ = 0;
    int lastDownY_ = 0;
    bool lastWasDouble_ = false;
};
