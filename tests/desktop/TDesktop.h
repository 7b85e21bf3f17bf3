#pragma once
// A desktop of its own for driving the built program as a user does: an Xvfb server, optionally a
// window manager (openbox, metacity or xfwm4), input through the XTest extension and the screen
// read back from the server. A request to the server or a wait for a child that stands too long
// ends the case saying what it waited for (TBoundedWait).
// The X headers stay in the .cpp: their macros clash with the program's names.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TDesktopRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    int CentreX() const { return X + Width / 2; }
    int CentreY() const { return Y + Height / 2; }
    bool operator==(const TDesktopRect&) const = default;
};

// "WIDTHxHEIGHT+X+Y", as the X tools write a window's place.
std::string Text(const TDesktopRect& r);

// The root window's pixels as 0x00RRGGBB, row by row.
struct TDesktopImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
    // How many pixels of the rectangle have exactly that colour.
    int Count(const TDesktopRect& r, uint32_t colour) const;
    // The first pixel of that colour in the rectangle, row by row; false when there is none.
    bool Find(const TDesktopRect& r, uint32_t colour, int& x, int& y) const;
    // How many pixels differ between two images inside the rectangle.
    int Differences(const TDesktopImage& other, const TDesktopRect& r) const;
};

class TDesktop {
public:
    // Starts the display server with a screen of that size and, when one is named, that window
    // manager on it ("" for none); Error() tells what failed.
    explicit TDesktop(const std::string& windowManager, const std::string& screen = "1024x768");
    ~TDesktop();
    TDesktop(const TDesktop&) = delete;
    TDesktop& operator=(const TDesktop&) = delete;

    const std::string& Error() const { return error_; }
    // Starts the manager now (openbox when none was named), as when it comes up after the
    // program; false when it cannot.
    bool StartWindowManager();
    const std::string& Display() const;
    bool HasWindowManager() const { return wmPid_ > 0; }
    int WindowManagerPid() const { return wmPid_; }
    // "openbox", "metacity", "xfwm4", or "" without a manager.
    const std::string& WindowManager() const { return wm_; }
    // The key the manager wants held for a move by dragging anywhere in a window.
    std::string MoveModifier() const { return wm_ == "metacity" ? "super" : "alt"; }
    // The manager keeps this much of the screen's bottom, as a panel would.
    static constexpr int PanelHeight = 32;

    // Input as the X server makes it: presses and releases with short pauses between.
    // Keys by keysym name ("Return", "Tab", "F10", "a"); modifiers as "ctrl+", "alt+", "shift+".
    void Key(const std::string& name);
    // Presses a key ("alt") and leaves it down, or lets it go.
    void Hold(const std::string& name, bool down);
    void Type(const std::string& text);
    // The button is held as long as a hand holds it; a tap on a touch pad lets go sooner.
    void Click(int x, int y, int button = 1, std::chrono::milliseconds hold = std::chrono::milliseconds(30));
    // A click where the pointer is, with no motion before it (a move to the same place makes one).
    void ClickInPlace(int button = 1, std::chrono::milliseconds hold = std::chrono::milliseconds(30));
    void MoveMouse(int x, int y);
    // Presses the left button at one point, moves in steps to the other and releases there; with
    // a key named ("alt"), that key is held down around the whole drag.
    void Drag(int fromX, int fromY, int toX, int toY, const std::string& holding = "");

    // Viewable top-level windows whose title contains the text, as screen rectangles.
    std::vector<TDesktopRect> Windows(const std::string& title) const;
    bool FindWindow(const std::string& title, TDesktopRect& where) const;
    // The window manager's frame around a program window: the rectangle of its outermost
    // ancestor below the root (the window itself without a manager).
    bool FrameOf(const std::string& title, TDesktopRect& frame) const;
    // The manager's decoration around a window as it tells it (_NET_FRAME_EXTENTS: left, right,
    // top, bottom); false until a manager has taken the window on.
    bool FrameExtents(const std::string& title, int extents[4]) const;
    // Asks the manager to bring the window back and activate it, as a taskbar button does.
    void Activate(const std::string& title);
    // Moves a program window from outside, as a manager that puts no frame around it does.
    void MoveWindow(const std::string& title, int x, int y);
    // Asks the manager to iconify the window, as its own button does (WM_CHANGE_STATE).
    void Iconify(const std::string& title);
    // How many workspaces the manager keeps (_NET_NUMBER_OF_DESKTOPS), 0 without one; and a
    // switch to one of them, as a pager asks it (_NET_CURRENT_DESKTOP).
    int Workspaces() const;
    void ShowWorkspace(int index);
    // Asks the manager to maximize the window, or to give the maximize back (_NET_WM_STATE).
    void RequestMaximized(const std::string& title, bool maximized);
    // The names in a window's list of atoms (_NET_WM_STATE, _NET_WM_WINDOW_TYPE).
    std::vector<std::string> Atoms(const std::string& title, const std::string& property) const;
    // The title of the window its WM_TRANSIENT_FOR names, "" without one.
    std::string TransientFor(const std::string& title) const;
    // The minimum and maximum size of its WM_NORMAL_HINTS, 0 where the hints give none.
    bool SizeHints(const std::string& title, int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) const;
    // Title of the window that holds the X input focus (or one of its ancestors), "" when none.
    std::string FocusTitle() const;
    // Where the pointer is on the screen (a manager's keyboard move or resize puts it on the window).
    void Pointer(int& x, int& y) const;
    // False while another client holds the keyboard (a manager's move or resize until it ends);
    // the test takes it for a moment to know.
    bool KeyboardFree() const;
    // The manager's work area, or the whole screen without one.
    TDesktopRect WorkArea() const;

    TDesktopImage Grab() const;
    // Writes the screen as build/desktop-shots/NAME.png and answers the path.
    std::string Shot(const std::string& name) const;
    // Writes an image taken earlier there, such as the one a later screen was compared with.
    static std::string Shot(const std::string& name, const TDesktopImage& image);

    // Polls the condition every 20 ms until it holds or the time runs out; answers the last result.
    static bool WaitUntil(const std::function<bool()>& condition,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // The whole title of the first viewable window whose title contains the text, "" when none.
    std::string Title(const std::string& part) const;

private:
    // SIGTERM to the manager's group, SIGKILL to what is left of it after a while, then reaped.
    void StopWindowManager();

    struct Impl;
    std::unique_ptr<Impl> impl_;
    int wmPid_ = 0;
    std::string wm_;
    std::string configFile_;
    std::string error_;
};
