#pragma once
// The one interface through which the windowing layer reaches a real or a virtual screen.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using TNativeWindow = uint32_t; // 0: no native window

struct TScreenRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool Contains(int x, int y) const { return x >= X && y >= Y && x < X + Width && y < Y + Height; }
    bool operator==(const TScreenRect&) const = default;
};

struct TMonitorInfo {
    TScreenRect Bounds;
    TScreenRect WorkArea;
};

struct TNativeWindowParams {
    TScreenRect Bounds;
    std::string Title;
    bool Popup = false;   // borderless, top-most, no taskbar entry, never activated
    bool TopMost = false;
    // The window manager may size and maximize it, down to the minimum size.
    bool Resizable = false;
    int MinWidth = 1;
    int MinHeight = 1;
};

enum class TBackendEventKind {
    MouseMove,
    MouseDown,
    MouseUp,
    Wheel,
    MouseLeave,
    KeyDown,
    KeyUp,
    Text,
    CloseRequest,
    Activated,
    Deactivated,
    Minimized,
    Restored,
    Exposed,
    // The window manager put the window at X, Y, Width, Height (moved, sized or placed it).
    BoundsChanged,
    // The window manager maximized the window, or took its maximize back.
    Maximized,
    Unmaximized,
    // Another program (a window manager's key binding or its menu) took the keyboard for a while:
    // the keys held then were meant for it.
    KeyboardTaken,
    DropFiles,
    DisplayChanged,
    Quit,
};

// Modifier bits of a backend event, the same as the shift state's low bits.
enum : uint32_t { kmShift = 1, kmAlt = 2, kmCtrl = 4 };

// One input or window event; coordinates are screen coordinates.
struct TBackendEvent {
    TBackendEventKind Kind = TBackendEventKind::MouseMove;
    TNativeWindow Window = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;  // BoundsChanged
    int Height = 0;
    int Button = 0; // 1 left, 2 right, 3 middle
    int Clicks = 1;
    int WheelDelta = 0; // in notches of 120, positive away from the user
    uint16_t Key = 0;   // virtual-key code
    bool Repeat = false; // a key-down of a key held down
    // A key held while a window got or lost the keyboard, told as a press or release then: the
    // user pressed or released nothing at this moment.
    bool Held = false;
    uint32_t Modifiers = 0;
    std::string Text; // characters committed for a key, or a dropped path
    std::vector<std::string> Files;
};

// Standard cursor shapes a backend can show.
enum class TCursorShape { Arrow, IBeam, Wait, Cross, Hand, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No };

class Backend {
public:
    virtual ~Backend() = default;

    virtual TNativeWindow CreateWindow(const TNativeWindowParams& params) = 0;
    virtual void DestroyWindow(TNativeWindow window) = 0;
    // Bounds that cover the work area are a maximize: a window manager that maximizes windows is
    // asked to, and places the window itself (BoundsChanged tells where); smaller bounds give the
    // maximize back. A window that is not resizable is placed as asked: a manager refuses it a
    // maximize.
    virtual void SetWindowBounds(TNativeWindow window, const TScreenRect& bounds) = 0;
    virtual TScreenRect WindowBounds(TNativeWindow window) const = 0;
    virtual void ShowWindow(TNativeWindow window, bool visible, bool activate) = 0;
    virtual void RaiseWindow(TNativeWindow window, bool activate) = 0;
    virtual void SetTopMost(TNativeWindow window, bool topMost) = 0;
    virtual void MinimizeWindow(TNativeWindow window) = 0;
    virtual void RestoreWindow(TNativeWindow window) = 0;
    virtual void SetWindowOpacity(TNativeWindow window, uint8_t alpha) = 0;
    virtual void SetWindowTitle(TNativeWindow window, const std::string& title) = 0;
    // A dialog of 'owner': the window manager keeps it above its owner. 0 makes it a window of its own.
    virtual void SetWindowOwner(TNativeWindow window, TNativeWindow owner) = 0;
    // The window's shape as rectangles in window coordinates; none means the whole rectangle.
    // Answers false where shapes are not supported.
    virtual bool SetWindowRegion(TNativeWindow window, const std::vector<TScreenRect>& rects) = 0;
    // Shows a window's pixels: 0xAARRGGBB, top-down, 'stride' pixels per row.
    virtual void Present(TNativeWindow window, const uint32_t* pixels, int width, int height,
                         int stride) = 0;

    virtual bool PollEvent(TBackendEvent& event) = 0;
    // How many events wait now; PollEvent returns them first, in order.
    virtual size_t PendingEvents() = 0;
    // Blocks until an event arrives or the timeout passes; false when nothing can ever arrive.
    virtual bool WaitEvent(uint32_t timeoutMs) = 0;
    virtual uint64_t NowMs() const = 0;

    virtual std::vector<TMonitorInfo> Monitors() const = 0;
    virtual void SetCursorShape(TCursorShape shape) = 0;
    virtual void CursorPos(int& x, int& y) const = 0;
    virtual void StartTextInput(const TScreenRect& composition) = 0;
    virtual void StopTextInput() = 0;

    virtual void SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() const = 0;
    virtual bool HasClipboardText() const = 0;

    // Native windows from the bottom to the top, where the back end knows its stacking; else empty.
    virtual std::vector<TNativeWindow> ZOrder() const { return {}; }

    virtual bool IsHeadless() const = 0;
    virtual bool SupportsLayeredWindows() const = 0;
};
