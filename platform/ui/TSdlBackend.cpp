#include "platform/ui/TSdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/ui/Messages.h"

// Last: the X11 headers define macros (None, KeyPress) that clash with the project's names.
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
uint16_t VirtualKey(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<uint16_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<uint16_t>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return static_cast<uint16_t>(VK_F1 + (key - SDLK_F1));
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return static_cast<uint16_t>(VK_NUMPAD0 + 1 + (key - SDLK_KP_1));
    switch (key) {
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_END: return VK_END;
    case SDLK_HOME: return VK_HOME;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_KP_0: return VK_NUMPAD0;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD: return VK_DECIMAL;
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return VK_OEM_COMMA;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return VK_OEM_PERIOD;
    default: return 0;
    }
}

uint32_t Modifiers(uint16_t mod)
{
    uint32_t m = 0;
    if (mod & KMOD_SHIFT)
        m |= kmShift;
    if (mod & KMOD_CTRL)
        m |= kmCtrl;
    if (mod & KMOD_ALT)
        m |= kmAlt;
    return m;
}

int Button(uint8_t sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 1;
    }
}

SDL_SystemCursor SystemCursor(TCursorShape shape)
{
    switch (shape) {
    case TCursorShape::IBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case TCursorShape::Wait: return SDL_SYSTEM_CURSOR_WAIT;
    case TCursorShape::Cross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case TCursorShape::Hand: return SDL_SYSTEM_CURSOR_HAND;
    case TCursorShape::SizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case TCursorShape::SizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case TCursorShape::SizeWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case TCursorShape::SizeNS: return SDL_SYSTEM_CURSOR_SIZENS;
    case TCursorShape::SizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case TCursorShape::No: return SDL_SYSTEM_CURSOR_NO;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// Requests that meet a window just destroyed fail, as SDL's wake-up message to a popup that
// closed meanwhile does (it goes over a connection of its own, so it can arrive after the
// window's end); Xlib's default answer ends the program, losing what the user has not saved.
int ReportXError(Display* display, XErrorEvent* error)
{
    char text[128] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "X error ignored: %s (request %d)\n", text, error->request_code);
    return 0;
}

// SDL asks the window manager for no decoration through _MOTIF_WM_HINTS only when that atom
// exists already, which on a display no manager has run on yet it does not; a manager started
// later would then put its own title bar over the program's frame. Atoms outlive the connection.
// X errors are reported from here on instead of ending the program.
void PrepareX11()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0)
        return;
    if (Display* display = XOpenDisplay(nullptr)) {
        XInternAtom(display, "_MOTIF_WM_HINTS", False);
        XCloseDisplay(display);
    }
    XSetErrorHandler(ReportXError);
}

// The X11 side of an SDL window; false when SDL runs another video driver.
bool X11WindowOf(SDL_Window* window, Display*& display, ::Window& x11)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    display = info.info.x11.display;
    x11 = info.info.x11.window;
    return true;
}

TBackendEvent WindowEvent(TBackendEventKind kind, TNativeWindow window)
{
    TBackendEvent event;
    event.Kind = kind;
    event.Window = window;
    return event;
}

TBackendEvent BoundsEvent(TNativeWindow window, const TScreenRect& bounds)
{
    TBackendEvent event = WindowEvent(TBackendEventKind::BoundsChanged, window);
    event.X = bounds.X;
    event.Y = bounds.Y;
    event.Width = bounds.Width;
    event.Height = bounds.Height;
    return event;
}

// A press or release of an X button (1 to 3) at a root point, which the server told and SDL did not.
TBackendEvent ButtonEvent(TBackendEventKind kind, TNativeWindow window, int xRoot, int yRoot, unsigned button)
{
    TBackendEvent event = WindowEvent(kind, window);
    event.X = xRoot;
    event.Y = yRoot;
    event.Button = Button(static_cast<uint8_t>(button));
    event.Modifiers = Modifiers(SDL_GetModState());
    return event;
}

// The manager's request message for the two maximized states; 'action' 0 removes, 1 adds them.
void SendMaximizedState(Display* display, ::Window window, long action)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = action;
    e.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    e.xclient.data.l[2] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    e.xclient.data.l[3] = 1; // from an application
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(display);
}

// Tells the manager that a window of a fixed size has no maximize, so that its own menu and keys
// offer none; the window stays without the manager's decoration.
void OfferNoMaximize(Display* display, ::Window window)
{
    enum : unsigned long { FunctionsHint = 1, DecorationsHint = 2, AllFunctionsBut = 1, Maximize = 16 };
    const unsigned long hints[5] = {FunctionsHint | DecorationsHint, AllFunctionsBut | Maximize, 0, 0, 0};
    const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(display, window, atom, atom, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(hints), 5);
    XFlush(display);
}
} // namespace

TSdlBackend::TSdlBackend()
{
    // X11 (XWayland under Wayland) gives windows the global coordinates popups need.
    if (!SDL_getenv("SDL_VIDEODRIVER"))
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Two presses make a double click only at nearly one point: SDL's own reach (32 pixels, for
    // fingers) pairs the presses on two neighbouring links, and the second is no click then.
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, std::to_string(GetSystemMetrics(SM_CXDOUBLECLK)).c_str());
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_PING, "0");
    // Window surfaces go straight to X; an accelerated renderer would only add a GL stack.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        throw EInvalidOperation(std::string("Cannot open the display: ") + SDL_GetError());
    PrepareX11();
    // Configures and state changes come as X events: SDL passes on only those that changed its own view.
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    SDL_StartTextInput();
}

TSdlBackend::~TSdlBackend()
{
    for (auto& [id, w] : windows_)
        SDL_DestroyWindow(w.Handle);
    for (auto& [shape, cursor] : cursors_)
        SDL_FreeCursor(cursor);
    SDL_Quit();
}

SDL_Window* TSdlBackend::SdlWindow(TNativeWindow window) const
{
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.Handle;
}

TNativeWindow TSdlBackend::CreateWindow(const TNativeWindowParams& params)
{
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    const bool resizable = params.Resizable && !params.Popup;
    if (params.Popup)
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    else if (params.TopMost)
        flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    // Else SDL fixes the minimum and maximum size at the current size: the manager could not size it.
    if (resizable)
        flags |= SDL_WINDOW_RESIZABLE;
    const TScreenRect bounds{params.Bounds.X, params.Bounds.Y, std::max(params.Bounds.Width, 1),
                             std::max(params.Bounds.Height, 1)};
    SDL_Window* handle =
        SDL_CreateWindow(params.Title.c_str(), bounds.X, bounds.Y, bounds.Width, bounds.Height, flags);
    if (!handle)
        throw EOutOfResources(std::string("Cannot create a window: ") + SDL_GetError());
    // Never above the size the window is made at: SDL would size it up.
    if (resizable)
        SDL_SetWindowMinimumSize(handle, std::clamp(params.MinWidth, 1, bounds.Width),
                                 std::clamp(params.MinHeight, 1, bounds.Height));
    const TNativeWindow id = SDL_GetWindowID(handle);
    Window& w = windows_[id];
    w.Handle = handle;
    w.Popup = params.Popup;
    w.Resizable = resizable;
    w.Bounds = bounds;
    ::Window x11 = 0;
    if (X11WindowOf(handle, display_, x11)) {
        w.X11 = x11;
        if (!resizable && !params.Popup)
            OfferNoMaximize(display_, x11);
    }
    return id;
}

void TSdlBackend::DestroyWindow(TNativeWindow window)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_DestroyWindow(w);
    windows_.erase(window);
}

void TSdlBackend::SetWindowBounds(TNativeWindow window, const TScreenRect& bounds)
{
    auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    Window& w = it->second;
    const TScreenRect target{bounds.X, bounds.Y, std::max(bounds.Width, 1), std::max(bounds.Height, 1)};
    const bool covers = !w.Popup && CoversWorkArea(target);
    // A manager puts a window it gives the maximize back to where it was before: the program's
    // place is asked whole after it.
    bool unmaximized = false;
    if (w.Maximized) {
        // The manager keeps a maximized window where it put it; a smaller place asks it to let go first.
        if (covers) {
            Settle(window, w, target);
            return;
        }
        AskMaximized(w, false);
        unmaximized = true;
    } else if (covers && w.Resizable && Managed(w)) {
        // The program's maximize is the manager's: it places the window, and its state tells so.
        // One of a fixed size the manager would not maximize: the program places that itself.
        ForgetPlaces(window);
        AskMaximized(w, true);
        // One already where the maximize puts it may not move at all.
        if (CoversWorkArea(w.Bounds) && target != w.Bounds)
            pending_.push_back(BoundsEvent(window, w.Bounds));
        return;
    }
    // Sized first: a manager keeps a window it sizes on screen, not one that moves partly off it.
    const bool size = unmaximized || target.Width != w.Bounds.Width || target.Height != w.Bounds.Height;
    const bool move = unmaximized || target.X != w.Bounds.X || target.Y != w.Bounds.Y;
    if (size)
        SDL_SetWindowSize(w.Handle, target.Width, target.Height);
    if (move)
        SDL_SetWindowPosition(w.Handle, target.X, target.Y);
    if (size || move)
        Settle(window, w, target);
}

void TSdlBackend::Settle(TNativeWindow id, Window& w, TScreenRect asked)
{
    // SDL has waited a moment for the manager: where the window is now is the news, and the
    // configures queued before this are older than it.
    TScreenRect real;
    ForgetPlaces(id);
    if (!w.X11) {
        w.Bounds = asked;
        return;
    }
    w.Settled = NextRequest(display_);
    if (!RealBounds(w, real)) {
        w.Bounds = asked;
        return;
    }
    w.Bounds = real;
    if (!w.Popup && real != asked)
        pending_.push_back(BoundsEvent(id, real));
}

void TSdlBackend::ForgetPlaces(TNativeWindow id)
{
    std::erase_if(pending_, [id](const TBackendEvent& e) {
        return e.Window == id && e.Kind == TBackendEventKind::BoundsChanged;
    });
}

TScreenRect TSdlBackend::WindowBounds(TNativeWindow window) const
{
    auto it = windows_.find(window);
    return it == windows_.end() ? TScreenRect{} : it->second.Bounds;
}

bool TSdlBackend::RealBounds(const Window& w, TScreenRect& bounds) const
{
    XWindowAttributes attributes;
    ::Window child = 0;
    if (!w.X11 || !XGetWindowAttributes(display_, w.X11, &attributes) ||
        !XTranslateCoordinates(display_, w.X11, DefaultRootWindow(display_), 0, 0, &bounds.X, &bounds.Y, &child))
        return false;
    bounds.Width = attributes.width;
    bounds.Height = attributes.height;
    return true;
}

bool TSdlBackend::CoversWorkArea(const TScreenRect& bounds) const
{
    const auto monitors = Monitors();
    const int cx = bounds.X + bounds.Width / 2;
    const int cy = bounds.Y + bounds.Height / 2;
    auto monitor = std::find_if(monitors.begin(), monitors.end(),
                                [&](const TMonitorInfo& m) { return m.Bounds.Contains(cx, cy); });
    const TScreenRect& area = (monitor == monitors.end() ? monitors.front() : *monitor).WorkArea;
    return bounds.X <= area.X && bounds.Y <= area.Y && bounds.X + bounds.Width >= area.X + area.Width &&
           bounds.Y + bounds.Height >= area.Y + area.Height;
}

bool TSdlBackend::ManagerMaximized(const Window& w) const
{
    if (w.Popup || !w.X11)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool vertical = false, horizontal = false;
    if (XGetWindowProperty(display_, w.X11, XInternAtom(display_, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM,
                           &type, &format, &count, &after, &data) == Success &&
        format == 32) {
        const Atom vert = XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_VERT", False);
        const Atom horz = XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_HORZ", False);
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            vertical = vertical || atoms[i] == vert;
            horizontal = horizontal || atoms[i] == horz;
        }
    }
    if (data)
        XFree(data);
    return vertical && horizontal;
}

void TSdlBackend::AskMaximized(Window& w, bool maximized)
{
    w.Maximized = maximized;
    if (!w.X11)
        return;
    w.StateAsked = true;
    SendMaximizedState(display_, w.X11, maximized ? 1 : 0);
}

bool TSdlBackend::Managed(const Window& w) const
{
    XWindowAttributes attributes;
    if (w.Popup || !w.X11 || !XGetWindowAttributes(display_, w.X11, &attributes) ||
        attributes.map_state != IsViewable)
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display_, DefaultRootWindow(display_),
                                          XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &after, &data) == Success &&
                       count == 1;
    if (data)
        XFree(data);
    return found;
}

TNativeWindow TSdlBackend::FromX11(unsigned long x11) const
{
    for (const auto& [id, w] : windows_)
        if (w.X11 == x11)
            return id;
    return 0;
}

void TSdlBackend::ScreenPoint(TNativeWindow window, int x, int y, bool button, int& screenX, int& screenY) const
{
    auto it = windows_.find(window);
    if (it == windows_.end()) {
        screenX = x;
        screenY = y;
        return;
    }
    // SDL places a press or release where its last motion was, not where the server saw it.
    const ServerPointer& p = serverPointer_;
    if (it->second.X11 && p.Window == it->second.X11 && p.Button == button && (button || (p.X == x && p.Y == y))) {
        screenX = p.RootX;
        screenY = p.RootY;
        return;
    }
    screenX = it->second.Bounds.X + x;
    screenY = it->second.Bounds.Y + y;
}

TNativeWindow TSdlBackend::ButtonWindow(TNativeWindow sdlWindow) const
{
    // SDL measures its last motion against the window's size now: after the manager moved or sized
    // the window under a still pointer, it may give a press to no window at all.
    if (serverPointer_.Button)
        if (const TNativeWindow id = FromX11(serverPointer_.Window))
            return id;
    return sdlWindow;
}

void TSdlBackend::FollowPointer(const XEvent& x)
{
    switch (x.type) {
    case MotionNotify:
        serverPointer_ = {x.xmotion.window, x.xmotion.x, x.xmotion.y, x.xmotion.x_root, x.xmotion.y_root, false};
        break;
    case ButtonPress:
    case ButtonRelease:
        serverPointer_ = {x.xbutton.window, x.xbutton.x, x.xbutton.y, x.xbutton.x_root, x.xbutton.y_root, true};
        break;
    case EnterNotify:
    case LeaveNotify:
        serverPointer_ = {x.xcrossing.window, x.xcrossing.x, x.xcrossing.y, x.xcrossing.x_root, x.xcrossing.y_root,
                          false};
        break;
    default:
        break;
    }
}

void TSdlBackend::FollowX11(const XEvent& x)
{
    FollowPointer(x);
    if (x.type == MotionNotify || x.type == EnterNotify)
        FollowButtons(x);
    if (x.type == ButtonPress) {
        TakeBackRefusedMaximize(x);
        FollowPress(x);
        return;
    }
    if (x.type == FocusOut && x.xfocus.mode == NotifyGrab) {
        if (const TNativeWindow id = FromX11(x.xfocus.window))
            pending_.push_back(WindowEvent(TBackendEventKind::KeyboardTaken, id));
        return;
    }
    const bool configure = x.type == ConfigureNotify;
    if (!configure && !(x.type == PropertyNotify &&
                        x.xproperty.atom == XInternAtom(x.xany.display, "_NET_WM_STATE", False)))
        return;
    const TNativeWindow id = FromX11(configure ? x.xconfigure.window : x.xproperty.window);
    auto it = windows_.find(id);
    if (it == windows_.end())
        return;
    Window& w = it->second;
    const bool maximized = ManagerMaximized(w);
    if (maximized == w.Maximized)
        w.StateAsked = false;
    // The new state goes first: a maximize keeps the bounds the window had before it.
    if (!w.StateAsked && maximized != w.Maximized) {
        w.Maximized = maximized;
        pending_.push_back(WindowEvent(maximized ? TBackendEventKind::Maximized : TBackendEventKind::Unmaximized, id));
    }
    if (!configure || x.xany.serial < w.Settled)
        return;
    TScreenRect bounds{x.xconfigure.x, x.xconfigure.y, x.xconfigure.width, x.xconfigure.height};
    // A manager's own configure tells root coordinates; the server's, those inside the manager's frame.
    if (!x.xconfigure.send_event) {
        ::Window child = 0;
        XTranslateCoordinates(x.xany.display, x.xconfigure.window, DefaultRootWindow(x.xany.display), 0, 0,
                              &bounds.X, &bounds.Y, &child);
    }
    Placed(id, w, bounds);
}

void TSdlBackend::FollowPress(const XEvent& x)
{
    // SDL reads the events of its own windows only: a release that went to a window destroyed
    // before SDL read it, or to the manager's frame of a window that closed on its press, never
    // reaches SDL, and SDL keeps the button down. The server tells that it was up before this press.
    const XButtonEvent& press = x.xbutton;
    const TNativeWindow id = FromX11(press.window);
    if (!id || press.button < Button1 || press.button > Button3 || !(sdlButtons_ & SDL_BUTTON(press.button)) ||
        (press.state & (Button1Mask << (press.button - Button1))))
        return;
    releasedUnseen_ &= ~SDL_BUTTON(press.button);
    pending_.push_back(ButtonEvent(TBackendEventKind::MouseDown, id, press.x_root, press.y_root, press.button));
}

void TSdlBackend::FollowButtons(const XEvent& x)
{
    // A button let go outside our windows, after SDL's grab had moved to the window with the
    // keyboard and gone with the pointer, brings no release: the first motion or entry back over
    // a window of ours shows the button up, and the release is made there, so a drag ends at once.
    const bool motion = x.type == MotionNotify;
    const unsigned state = motion ? x.xmotion.state : x.xcrossing.state;
    const TNativeWindow id = FromX11(x.xany.window);
    if (!id)
        return;
    for (uint8_t button = Button1; button <= Button3; ++button) {
        const uint32_t bit = SDL_BUTTON(button);
        if (!(sdlButtons_ & bit) || (releasedUnseen_ & bit) || (state & (Button1Mask << (button - Button1))))
            continue;
        releasedUnseen_ |= bit;
        pending_.push_back(ButtonEvent(TBackendEventKind::MouseUp, id, motion ? x.xmotion.x_root : x.xcrossing.x_root,
                                       motion ? x.xmotion.y_root : x.xcrossing.y_root, button));
    }
}

void TSdlBackend::TakeBackRefusedMaximize(const XEvent& x)
{
    // The user clicks what is on screen: the manager has long answered the request by then.
    const TNativeWindow id = FromX11(x.xbutton.window);
    auto it = windows_.find(id);
    if (it == windows_.end() || !it->second.StateAsked || !it->second.Maximized)
        return;
    Window& w = it->second;
    if (ManagerMaximized(w))
        return;
    w.Maximized = false;
    w.StateAsked = false;
    pending_.push_back(WindowEvent(TBackendEventKind::Unmaximized, id));
    TScreenRect real;
    if (RealBounds(w, real))
        w.Bounds = real;
    pending_.push_back(BoundsEvent(id, w.Bounds));
}

void TSdlBackend::Placed(TNativeWindow id, Window& w, const TScreenRect& bounds)
{
    const bool moved = bounds != w.Bounds;
    w.Bounds = bounds;
    if (moved && !w.Popup)
        pending_.push_back(BoundsEvent(id, bounds));
}

void TSdlBackend::ShowWindow(TNativeWindow window, bool visible, bool activate)
{
    auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    if (!visible) {
        if (it->second.Popup)
            HidePopup(it->second.Handle);
        else
            SDL_HideWindow(it->second.Handle);
        return;
    }
    SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, (activate && !it->second.Popup) ? "0" : "1");
    if (it->second.Popup) {
        ShowPopup(it->second.Handle);
        return;
    }
    SDL_ShowWindow(it->second.Handle);
    KeepPopupsAbove();
    // Mapped, it is where the manager placed it.
    Settle(window, it->second, it->second.Bounds);
    if (activate)
        TakeKeyboard(it->second.Handle);
}

void TSdlBackend::ShowPopup(SDL_Window* popup)
{
    // Without a window manager SDL gives every window it shows the X focus, and on its way back
    // presses the held keys anew: the Alt of Alt+letter would close the menu it opened.
    Display* display = nullptr;
    ::Window x11 = 0;
    if (!X11WindowOf(popup, display, x11)) {
        SDL_ShowWindow(popup);
        return;
    }
    // Mapped once the server has the request (no manager redirects a popup): what is drawn next shows.
    XMapRaised(display, x11);
    XSync(display, False);
}

void TSdlBackend::HidePopup(SDL_Window* popup)
{
    // Mapped past SDL, the popup may not count as shown to SDL yet, and SDL would not hide it.
    Display* display = nullptr;
    ::Window x11 = 0;
    if (!X11WindowOf(popup, display, x11)) {
        SDL_HideWindow(popup);
        return;
    }
    XUnmapWindow(display, x11);
    XFlush(display);
}

void TSdlBackend::RaiseWindow(TNativeWindow window, bool activate)
{
    auto it = windows_.find(window);
    if (it != windows_.end() && activate && !it->second.Popup &&
        (SDL_GetWindowFlags(it->second.Handle) & SDL_WINDOW_SHOWN)) {
        TakeKeyboard(it->second.Handle);
        KeepPopupsAbove();
    }
}

void TSdlBackend::KeepPopupsAbove() const
{
    if (!display_)
        return;
    ::Window root = 0, parent = 0;
    ::Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
        return;
    // Bottom first, so that the popups keep their order among themselves.
    bool raised = false;
    for (unsigned int i = 0; i < count; ++i) {
        const auto it = windows_.find(FromX11(children[i]));
        XWindowAttributes attributes;
        if (it == windows_.end() || !it->second.Popup || !XGetWindowAttributes(display_, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        XRaiseWindow(display_, children[i]);
        raised = true;
    }
    if (children)
        XFree(children);
    if (raised)
        XFlush(display_);
}

void TSdlBackend::TakeKeyboard(SDL_Window* window)
{
    // Raising only asks a window manager for the focus; without one nobody answers, and a
    // closed dialog would leave the keyboard to no window at all.
    SDL_RaiseWindow(window);
    Display* display = nullptr;
    ::Window x11 = 0;
    if (!X11WindowOf(window, display, x11))
        return;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, x11, &attributes) || attributes.map_state != IsViewable)
        return;
    XSetInputFocus(display, x11, RevertToParent, CurrentTime);
    XFlush(display);
}

void TSdlBackend::SetTopMost(TNativeWindow window, bool topMost)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_SetWindowAlwaysOnTop(w, topMost ? SDL_TRUE : SDL_FALSE);
}

void TSdlBackend::MinimizeWindow(TNativeWindow window)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_MinimizeWindow(w);
}

void TSdlBackend::RestoreWindow(TNativeWindow window)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_RestoreWindow(w);
}

void TSdlBackend::SetWindowOpacity(TNativeWindow window, uint8_t alpha)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_SetWindowOpacity(w, alpha / 255.0f);
}

void TSdlBackend::SetWindowTitle(TNativeWindow window, const std::string& title)
{
    if (SDL_Window* w = SdlWindow(window))
        SDL_SetWindowTitle(w, title.c_str());
}

void TSdlBackend::SetWindowOwner(TNativeWindow window, TNativeWindow owner)
{
    auto it = windows_.find(window);
    if (it == windows_.end() || it->second.Popup || !it->second.X11)
        return;
    const ::Window x11 = it->second.X11;
    auto o = windows_.find(owner);
    const ::Window ownerX11 = o != windows_.end() && owner != window ? o->second.X11 : 0;
    const Atom type =
        XInternAtom(display_, ownerX11 ? "_NET_WM_WINDOW_TYPE_DIALOG" : "_NET_WM_WINDOW_TYPE_NORMAL", False);
    XChangeProperty(display_, x11, XInternAtom(display_, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    if (ownerX11)
        XSetTransientForHint(display_, x11, ownerX11);
    else
        XDeleteProperty(display_, x11, XA_WM_TRANSIENT_FOR);
    XFlush(display_);
}

void TSdlBackend::Present(TNativeWindow window, const uint32_t* pixels, int width, int height, int stride)
{
    SDL_Window* w = SdlWindow(window);
    if (!w || width <= 0 || height <= 0)
        return;
    SDL_Surface* surface = SDL_GetWindowSurface(w);
    if (!surface)
        return;
    const int cw = std::min(width, surface->w);
    const int ch = std::min(height, surface->h);
    SDL_LockSurface(surface);
    SDL_ConvertPixels(cw, ch, SDL_PIXELFORMAT_ARGB8888, pixels, stride * 4, surface->format->format, surface->pixels,
                      surface->pitch);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(w);
}

bool TSdlBackend::Translate(const SDL_Event& e, TBackendEvent& event) const
{
    auto globalMouse = [&](int& x, int& y) { SDL_GetGlobalMouseState(&x, &y); };
    switch (e.type) {
    case SDL_MOUSEMOTION:
        event.Kind = TBackendEventKind::MouseMove;
        event.Window = e.motion.windowID;
        ScreenPoint(e.motion.windowID, e.motion.x, e.motion.y, false, event.X, event.Y);
        event.Modifiers = Modifiers(SDL_GetModState());
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event.Kind = e.type == SDL_MOUSEBUTTONDOWN ? TBackendEventKind::MouseDown : TBackendEventKind::MouseUp;
        event.Window = ButtonWindow(e.button.windowID);
        ScreenPoint(event.Window, e.button.x, e.button.y, true, event.X, event.Y);
        event.Button = Button(e.button.button);
        event.Clicks = e.button.clicks >= 2 ? 2 : 1;
        event.Modifiers = Modifiers(SDL_GetModState());
        return true;
    case SDL_MOUSEWHEEL:
        event.Kind = TBackendEventKind::Wheel;
        event.Window = e.wheel.windowID;
        globalMouse(event.X, event.Y);
        event.WheelDelta = (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y) * 120;
        event.Modifiers = Modifiers(SDL_GetModState());
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        event.Kind = e.type == SDL_KEYDOWN ? TBackendEventKind::KeyDown : TBackendEventKind::KeyUp;
        event.Window = e.key.windowID;
        event.Key = VirtualKey(e.key.keysym.sym);
        event.Repeat = e.key.repeat != 0;
        event.Modifiers = Modifiers(e.key.keysym.mod);
        return event.Key != 0;
    case SDL_TEXTINPUT:
        event.Kind = TBackendEventKind::Text;
        event.Window = e.text.windowID;
        event.Text = e.text.text;
        event.Modifiers = Modifiers(SDL_GetModState());
        return true;
    case SDL_DROPFILE:
        event.Kind = TBackendEventKind::DropFiles;
        event.Window = e.drop.windowID;
        globalMouse(event.X, event.Y);
        if (e.drop.file)
            event.Files.emplace_back(e.drop.file);
        return true;
    case SDL_QUIT:
        // Also SIGTERM and SIGINT, which SDL's own handlers turn into this event.
        event.Kind = TBackendEventKind::Quit;
        return true;
    case SDL_DISPLAYEVENT:
        event.Kind = TBackendEventKind::DisplayChanged;
        return true;
    case SDL_WINDOWEVENT:
        event.Window = e.window.windowID;
        // A popup mapped or unmapped past SDL reports itself restored or minimized: no news.
        if (e.window.event == SDL_WINDOWEVENT_MINIMIZED || e.window.event == SDL_WINDOWEVENT_RESTORED)
            if (auto it = windows_.find(e.window.windowID); it != windows_.end() && it->second.Popup)
                return false;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_CLOSE: event.Kind = TBackendEventKind::CloseRequest; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED: event.Kind = TBackendEventKind::Activated; return true;
        case SDL_WINDOWEVENT_FOCUS_LOST: event.Kind = TBackendEventKind::Deactivated; return true;
        case SDL_WINDOWEVENT_MINIMIZED: event.Kind = TBackendEventKind::Minimized; return true;
        case SDL_WINDOWEVENT_RESTORED: event.Kind = TBackendEventKind::Restored; return true;
        case SDL_WINDOWEVENT_EXPOSED: event.Kind = TBackendEventKind::Exposed; return true;
        case SDL_WINDOWEVENT_LEAVE: event.Kind = TBackendEventKind::MouseLeave; return true;
        default: return false;
        }
    default:
        return false;
    }
}

bool TSdlBackend::PollEvent(TBackendEvent& event)
{
    SDL_Event e;
    for (;;) {
        if (!pending_.empty()) {
            event = pending_.front();
            pending_.pop_front();
            return true;
        }
        if (!SDL_PollEvent(&e))
            return false;
        if (e.type == SDL_SYSWMEVENT) {
            if (e.syswm.msg && e.syswm.msg->subsystem == SDL_SYSWM_X11) {
                const int type = e.syswm.msg->msg.x11.event.type;
                serverKey_ = type == KeyPress || type == KeyRelease;
                FollowX11(e.syswm.msg->msg.x11.event);
            }
            continue;
        }
        if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
            const uint32_t bit = SDL_BUTTON(e.button.button);
            const bool madeAlready = e.type == SDL_MOUSEBUTTONUP && (releasedUnseen_ & bit);
            if (e.type == SDL_MOUSEBUTTONDOWN)
                sdlButtons_ |= bit;
            else
                sdlButtons_ &= ~bit;
            releasedUnseen_ &= ~bit;
            if (madeAlready)
                continue;
        }
        event = TBackendEvent{};
        const bool known = Translate(e, event);
        if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP) {
            event.Held = display_ && !serverKey_;
            serverKey_ = false;
        }
        if (e.type == SDL_DROPFILE && e.drop.file)
            SDL_free(e.drop.file);
        if (known)
            return true;
    }
}

size_t TSdlBackend::PendingEvents()
{
    SDL_PumpEvents();
    const int count = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
    return count > 0 ? static_cast<size_t>(count) : 0;
}

bool TSdlBackend::WaitEvent(uint32_t timeoutMs)
{
    if (!pending_.empty())
        return true;
    return SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs)) == 1;
}

uint64_t TSdlBackend::NowMs() const
{
    return SDL_GetTicks64();
}

std::vector<TMonitorInfo> TSdlBackend::Monitors() const
{
    std::vector<TMonitorInfo> result;
    const int count = SDL_GetNumVideoDisplays();
    for (int i = 0; i < count; ++i) {
        SDL_Rect bounds{}, usable{};
        if (SDL_GetDisplayBounds(i, &bounds) != 0)
            continue;
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0)
            usable = bounds;
        result.push_back({{bounds.x, bounds.y, bounds.w, bounds.h}, {usable.x, usable.y, usable.w, usable.h}});
    }
    if (result.empty())
        result.push_back({{0, 0, 1024, 768}, {0, 0, 1024, 768}});
    return result;
}

void TSdlBackend::SetCursorShape(TCursorShape shape)
{
    SDL_Cursor*& cursor = cursors_[shape];
    if (!cursor)
        cursor = SDL_CreateSystemCursor(SystemCursor(shape));
    if (cursor)
        SDL_SetCursor(cursor);
}

void TSdlBackend::CursorPos(int& x, int& y) const
{
    SDL_GetGlobalMouseState(&x, &y);
}

void TSdlBackend::StartTextInput(const TScreenRect& composition)
{
    SDL_Rect r{composition.X, composition.Y, composition.Width, composition.Height};
    SDL_SetTextInputRect(&r);
    SDL_StartTextInput();
}

void TSdlBackend::StopTextInput()
{
    SDL_StopTextInput();
}

void TSdlBackend::SetClipboardText(const std::string& text)
{
    SDL_SetClipboardText(text.c_str());
}

std::string TSdlBackend::ClipboardText() const
{
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

bool TSdlBackend::HasClipboardText() const
{
    return SDL_HasClipboardText() == SDL_TRUE;
}
