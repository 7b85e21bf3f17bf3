#pragma once
// Real windows through SDL2 (its X11 driver): each top-level window is a borderless SDL window
// whose frame the program paints; popups are borderless top-most windows that are not activated.
#include <deque>
#include <map>

#include "platform/ui/Backend.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;
union _XEvent;
struct _XDisplay;

class TSdlBackend : public Backend {
public:
    // Raises EInvalidOperation when SDL cannot open the display.
    TSdlBackend();
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

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
    void SetWindowOwner(TNativeWindow window, TNativeWindow owner) override;
    // SDL shapes only windows made as shaped windows: regions are not supported here.
    bool SetWindowRegion(TNativeWindow, const std::vector<TScreenRect>&) override { return false; }
    void Present(TNativeWindow window, const uint32_t* pixels, int width, int height, int stride) override;

    bool PollEvent(TBackendEvent& event) override;
    size_t PendingEvents() override;
    bool WaitEvent(uint32_t timeoutMs) override;
    uint64_t NowMs() const override;

    std::vector<TMonitorInfo> Monitors() const override;
    void SetCursorShape(TCursorShape shape) override;
    void CursorPos(int& x, int& y) const override;
    void StartTextInput(const TScreenRect& composition) override;
    void StopTextInput() override;

    void SetClipboardText(const std::string& text) override;
    std::string ClipboardText() const override;
    bool HasClipboardText() const override;

    bool IsHeadless() const override { return false; }
    bool SupportsLayeredWindows() const override { return true; }

    SDL_Window* SdlWindow(TNativeWindow window) const;

private:
    // Raises the window and gives it the X input focus.
    static void TakeKeyboard(SDL_Window* window);
    // Shows a popup, leaving the X input focus where it was.
    static void ShowPopup(SDL_Window* popup);
    // Without a window manager a window shown or raised covers the open popups: they go back on top.
    void KeepPopupsAbove() const;
    static void HidePopup(SDL_Window* popup);
    bool Translate(const SDL_Event& e, TBackendEvent& event) const;

    struct Window {
        SDL_Window* Handle = nullptr;
        unsigned long X11 = 0; // its X window, 0 under another video driver
        bool Popup = false;
        // The manager may size it; one of a fixed size it will not maximize either.
        bool Resizable = false;
        // Where the window is, as the X server last told: mouse positions are made from it.
        TScreenRect Bounds;
        // The serial of the first X request after the program last placed the window: configures
        // from before it are stale.
        unsigned long Settled = 0;
        // Maximized by the window manager, as the program was told or asked it to be.
        bool Maximized = false;
        // The program asked the manager for Maximized, which it has not done yet: until then the
        // manager's state is the old one, no news.
        bool StateAsked = false;
    };
    // The configures and state changes of our windows, read from the X events SDL hands over.
    void FollowX11(const _XEvent& x);
    // A press SDL takes for no change, its button being down since a release it never read.
    void FollowPress(const _XEvent& x);
    // A motion or entry that shows a button up that SDL still holds down.
    void FollowButtons(const _XEvent& x);
    // A press in a window whose maximize the manager never took: the program, which placed it on
    // the work area, hears that it is not maximized and where it is.
    void TakeBackRefusedMaximize(const _XEvent& x);
    void Placed(TNativeWindow id, Window& w, const TScreenRect& bounds);
    bool ManagerMaximized(const Window& w) const;
    // Asks the window manager to maximize the window or to give its maximize back.
    void AskMaximized(Window& w, bool maximized);
    // A window manager runs and the window is on screen, where the manager answers for it.
    bool Managed(const Window& w) const;
    // After the program placed or showed the window: where it really is; news when not where asked.
    // 'asked' is a copy, as it may be the window's own record, which this overwrites.
    void Settle(TNativeWindow id, Window& w, TScreenRect asked);
    // The places of the window told but not yet taken are older than the program's own.
    void ForgetPlaces(TNativeWindow id);
    // Where the X server has the window now.
    bool RealBounds(const Window& w, TScreenRect& bounds) const;
    bool CoversWorkArea(const TScreenRect& bounds) const;
    TNativeWindow FromX11(unsigned long x11) const;

    std::map<TNativeWindow, Window> windows_;
    std::map<TCursorShape, SDL_Cursor*> cursors_;
    std::deque<TBackendEvent> pending_;
    uint32_t sdlButtons_ = 0; // SDL's buttons down, as the events read so far tell
    uint32_t releasedUnseen_ = 0; // of those, the ones whose release was made from the server's state
    _XDisplay* display_ = nullptr; // SDL's connection, once a window exists under X11
    // The last X event SDL handed over was a key press or release: the key event SDL makes of it
    // follows. Other key events are SDL's own, bringing the keys in line as a window gets or
    // loses the keyboard.
    bool serverKey_ = false;
    // The pointer event SDL handed over last, with where on the screen it happened: the mouse
    // event SDL makes of it is placed by these, as the window may have moved since the server
    // measured the event inside it.
    struct ServerPointer {
        unsigned long Window = 0;
        int X = 0, Y = 0, RootX = 0, RootY = 0;
        bool Button = false; // a press or release, else a motion or crossing
    };
    ServerPointer serverPointer_;
    void FollowPointer(const _XEvent& x);
    // Where on the screen a mouse event of SDL's (a button's when 'button') happened: by the
    // server's event when it is the one SDL made it of, else from where the window was last told to be.
    void ScreenPoint(TNativeWindow window, int x, int y, bool button, int& screenX, int& screenY) const;
    // The window a button's press or release went to: the server's, when it is one of ours, else SDL's.
    TNativeWindow ButtonWindow(TNativeWindow sdlWindow) const;
};
