#include "tests/desktop/TDesktop.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <sstream>
#include <thread>

#include <sys/prctl.h>

#include "platform/graphics/ImageCodecs.h"
#include "tests/desktop/TBoundedWait.h"

// Last: the X11 headers define macros (None, KeyPress, Status) that clash with the project's names.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include "tests/platform/ui/XvfbServer.h"

namespace {

// How long one X request may stand: a server that is stopped, or held by a client's grab that never
// ends, would keep it waiting for good.
constexpr std::chrono::seconds AnswerBound{20};

TBoundedWait Answer(const TDesktop& desktop, const std::string& request)
{
    return TBoundedWait("an answer from the X server on " + desktop.Display() + " to " + request, AnswerBound);
}

void Pause(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string WindowName(::Display* display, ::Window window)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(display, window, &name) && name) {
        result = name;
        XFree(name);
    }
    return result;
}

// Every viewable window below 'window' with the title, depth first: inside a manager's frames too.
void CollectNamed(::Display* display, ::Window window, const std::string& title, std::vector<::Window>& out)
{
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable)
            continue;
        const std::string name = WindowName(display, children[i]);
        if (!name.empty() && name.find(title) != std::string::npos)
            out.push_back(children[i]);
        CollectNamed(display, children[i], title, out);
    }
    if (children)
        XFree(children);
}

TDesktopRect RectOf(::Display* display, ::Window window)
{
    XWindowAttributes a;
    TDesktopRect r;
    if (!XGetWindowAttributes(display, window, &a))
        return r;
    ::Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &r.X, &r.Y, &child);
    r.Width = a.width;
    r.Height = a.height;
    return r;
}

::Window ParentOf(::Display* display, ::Window window)
{
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

std::vector<char*> EnvironmentWith(const std::string& assignment, std::vector<std::string>& storage)
{
    const std::string name = assignment.substr(0, assignment.find('=') + 1);
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind(name, 0) != 0)
            storage.emplace_back(*e);
    storage.push_back(assignment);
    std::vector<char*> result;
    for (std::string& s : storage)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

// The first viewable window with the title, 0 when there is none.
::Window FirstNamed(::Display* display, const std::string& title)
{
    std::vector<::Window> found;
    CollectNamed(display, DefaultRootWindow(display), title, found);
    return found.empty() ? 0 : found.front();
}

// A request about a window to the manager, as pagers and taskbars send it.
void SendToManager(::Display* display, ::Window window, const char* message, std::initializer_list<long> data)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, message, False);
    e.xclient.format = 32;
    int i = 0;
    for (long value : data)
        e.xclient.data.l[i++] = value;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XSync(display, False);
}

// Windows come and go while the tree is walked: a request on one just gone is no failure.
int IgnoreXError(::Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

std::string Text(const TDesktopRect& r)
{
    return std::to_string(r.Width) + "x" + std::to_string(r.Height) + "+" + std::to_string(r.X) + "+" +
           std::to_string(r.Y);
}

int TDesktopImage::Count(const TDesktopRect& r, uint32_t colour) const
{
    int n = 0;
    for (int y = std::max(r.Y, 0); y < std::min(r.Y + r.Height, Height); ++y)
        for (int x = std::max(r.X, 0); x < std::min(r.X + r.Width, Width); ++x)
            n += At(x, y) == colour;
    return n;
}

bool TDesktopImage::Find(const TDesktopRect& r, uint32_t colour, int& x, int& y) const
{
    for (y = std::max(r.Y, 0); y < std::min(r.Y + r.Height, Height); ++y)
        for (x = std::max(r.X, 0); x < std::min(r.X + r.Width, Width); ++x)
            if (At(x, y) == colour)
                return true;
    return false;
}

int TDesktopImage::Differences(const TDesktopImage& other, const TDesktopRect& r) const
{
    int n = 0;
    for (int y = std::max(r.Y, 0); y < std::min(r.Y + r.Height, Height); ++y)
        for (int x = std::max(r.X, 0); x < std::min(r.X + r.Width, Width); ++x)
            n += At(x, y) != other.At(x, y);
    return n;
}

struct TDesktop::Impl {
    explicit Impl(const std::string& screen) : Server(screen) {}
    TXvfb Server;
    ::Display* Connection = nullptr;
};

TDesktop::TDesktop(const std::string& windowManager, const std::string& screen) : wm_(windowManager)
{
    {
        const TBoundedWait wait("Xvfb to come up on a free display number", std::chrono::seconds(30));
        impl_ = std::make_unique<Impl>(screen);
    }
    if (!impl_->Server.Error().empty()) {
        error_ = impl_->Server.Error();
        return;
    }
    XSetErrorHandler(IgnoreXError);
    {
        const TBoundedWait wait = Answer(*this, "a new connection");
        impl_->Connection = XOpenDisplay(impl_->Server.Display().c_str());
        int event = 0, error = 0, major = 0, minor = 0;
        if (!impl_->Connection || !XTestQueryExtension(impl_->Connection, &event, &error, &major, &minor)) {
            error_ = "no XTest on " + impl_->Server.Display();
            return;
        }
    }
    if (!wm_.empty())
        StartWindowManager();
}

namespace {
// The stock openbox configuration with a bottom margin, as a panel leaves: the work area is then
// smaller than the screen. Answers the file's path.
std::string OpenboxConfig()
{
    const std::string config =
        std::filesystem::temp_directory_path() / ("bukura-openbox-" + std::to_string(getpid()) + ".xml");
    std::ifstream in("/etc/xdg/openbox/rc.xml");
    std::stringstream text;
    text << in.rdbuf();
    std::string rc = text.str();
    const std::string margin = "<bottom>0</bottom>";
    if (const auto at = rc.find(margin); at != std::string::npos)
        rc.replace(at, margin.size(), "<bottom>" + std::to_string(TDesktop::PanelHeight) + "</bottom>");
    std::ofstream(config) << rc;
    return config;
}

// A dock along the screen's bottom that reserves its height, as a desktop's panel does, for the
// managers that keep no margin of their own.
void MapPanel(::Display* d)
{
    const int width = DisplayWidth(d, DefaultScreen(d));
    const int height = DisplayHeight(d, DefaultScreen(d));
    const int h = TDesktop::PanelHeight;
    const ::Window panel =
        XCreateSimpleWindow(d, DefaultRootWindow(d), 0, height - h, width, h, 0, 0, 0x303030);
    const Atom dock = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(d, panel, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dock), 1);
    const long strut[12] = {0, 0, 0, h, 0, 0, 0, 0, 0, 0, 0, width - 1};
    XChangeProperty(d, panel, XInternAtom(d, "_NET_WM_STRUT_PARTIAL", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut), 12);
    XChangeProperty(d, panel, XInternAtom(d, "_NET_WM_STRUT", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(strut), 4);
    XMapWindow(d, panel);
    XSync(d, False);
}
} // namespace

bool TDesktop::StartWindowManager()
{
    if (wm_.empty())
        wm_ = "openbox";
    std::vector<std::string> storage;
    std::vector<char*> env = EnvironmentWith("DISPLAY=" + impl_->Server.Display(), storage);
    std::vector<std::string> args;
    if (wm_ == "openbox") {
        configFile_ = OpenboxConfig();
        args = {"openbox", "--sm-disable", "--config-file", configFile_};
    } else if (wm_ == "metacity") {
        args = {"metacity", "--replace", "--sm-disable"};
    } else if (wm_ == "xfwm4") {
        // It keeps its settings on a session bus.
        args = {"dbus-run-session", "--", "xfwm4", "--replace", "--compositor=off"};
    } else {
        error_ = "unknown window manager " + wm_;
        return false;
    }
    const TBoundedWait wait(wm_ + " to come up on " + Display(), std::chrono::seconds(30));
    if (wm_ != "openbox")
        MapPanel(impl_->Connection);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // A group of its own, so that the end takes a session bus with it.
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execvpe(argv[0], argv.data(), env.data());
        _exit(127);
    }
    if (pid < 0) {
        error_ = wm_ + " could not be started";
        return false;
    }
    // Here too, so that a stop at once reaches the group whichever side ran first.
    setpgid(pid, pid);
    wmPid_ = pid;
    ::Display* d = impl_->Connection;
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    const bool up = WaitUntil([&] {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        const bool found = XGetWindowProperty(d, DefaultRootWindow(d), check, 0, 1, False, XA_WINDOW, &type, &format,
                                              &items, &after, &data) == Success &&
                           items == 1;
        if (data)
            XFree(data);
        return found;
    });
    if (!up) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            wmPid_ = 0;
            error_ = wm_ + " is not installed";
        } else {
            error_ = wm_ + " did not start";
        }
        return false;
    }
    // Up once it has taken the panel's strut off the work area.
    const int screen = DisplayHeight(d, DefaultScreen(d));
    if (!WaitUntil([&] { return WorkArea().Height <= screen - PanelHeight; })) {
        error_ = wm_ + " did not take the panel's height off the work area";
        return false;
    }
    return true;
}

void TDesktop::StopWindowManager()
{
    kill(-wmPid_, SIGTERM);
    // Ended but not yet reaped, so that its group id still names its group.
    const bool ended = WaitUntil(
        [&] {
            siginfo_t info{};
            return waitid(P_PID, wmPid_, &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid == wmPid_;
        },
        std::chrono::seconds(5));
    if (!ended)
        std::cerr << wm_ << " did not end within 5 s of SIGTERM: killed" << std::endl;
    kill(-wmPid_, SIGKILL);
    const TBoundedWait wait(wm_ + " to end after SIGKILL", std::chrono::seconds(10));
    waitpid(wmPid_, nullptr, 0);
    wmPid_ = 0;
}

TDesktop::~TDesktop()
{
    // The manager goes first: one stopped while it held the server grabbed leaves every other
    // client unanswered, closing this connection too.
    if (wmPid_ > 0)
        StopWindowManager();
    if (impl_->Connection) {
        const TBoundedWait wait = Answer(*this, "closing the connection");
        XCloseDisplay(impl_->Connection);
    }
    if (!configFile_.empty())
        std::filesystem::remove(configFile_);
    const TBoundedWait wait("Xvfb on " + Display() + " to end", std::chrono::seconds(15));
    impl_.reset();
}

const std::string& TDesktop::Display() const
{
    return impl_->Server.Display();
}

namespace {
// A key by its keysym name, the modifiers by their short names.
KeyCode KeyCodeOf(::Display* d, std::string keysym)
{
    if (keysym == "ctrl")
        keysym = "Control_L";
    else if (keysym == "alt")
        keysym = "Alt_L";
    else if (keysym == "shift")
        keysym = "Shift_L";
    else if (keysym == "super")
        keysym = "Super_L";
    return XKeysymToKeycode(d, XStringToKeysym(keysym.c_str()));
}
} // namespace

void TDesktop::Key(const std::string& name)
{
    const TBoundedWait wait = Answer(*this, "the key " + name);
    ::Display* d = impl_->Connection;
    std::vector<KeyCode> codes;
    std::stringstream in(name);
    for (std::string part; std::getline(in, part, '+');)
        codes.push_back(KeyCodeOf(d, part));
    for (KeyCode code : codes) {
        XTestFakeKeyEvent(d, code, True, CurrentTime);
        XSync(d, False);
        Pause(15);
    }
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
        XTestFakeKeyEvent(d, *it, False, CurrentTime);
        XSync(d, False);
        Pause(15);
    }
}

void TDesktop::Hold(const std::string& name, bool down)
{
    const TBoundedWait wait = Answer(*this, "the key " + name);
    XTestFakeKeyEvent(impl_->Connection, KeyCodeOf(impl_->Connection, name), down ? True : False, CurrentTime);
    XSync(impl_->Connection, False);
    Pause(15);
}

void TDesktop::Type(const std::string& text)
{
    const TBoundedWait wait = Answer(*this, "typing");
    ::Display* d = impl_->Connection;
    const KeyCode shift = XKeysymToKeycode(d, XK_Shift_L);
    for (char c : text) {
        const KeySym keysym = c == '\n' ? XK_Return : static_cast<KeySym>(static_cast<unsigned char>(c));
        const KeyCode code = XKeysymToKeycode(d, keysym);
        const bool shifted = XkbKeycodeToKeysym(d, code, 0, 0) != keysym;
        if (shifted)
            XTestFakeKeyEvent(d, shift, True, CurrentTime);
        XTestFakeKeyEvent(d, code, True, CurrentTime);
        XSync(d, False);
        Pause(10);
        XTestFakeKeyEvent(d, code, False, CurrentTime);
        if (shifted)
            XTestFakeKeyEvent(d, shift, False, CurrentTime);
        XSync(d, False);
        Pause(10);
    }
}

void TDesktop::MoveMouse(int x, int y)
{
    const TBoundedWait wait = Answer(*this, "a pointer move");
    XTestFakeMotionEvent(impl_->Connection, -1, x, y, CurrentTime);
    XSync(impl_->Connection, False);
    Pause(15);
}

void TDesktop::Click(int x, int y, int button, std::chrono::milliseconds hold)
{
    MoveMouse(x, y);
    ClickInPlace(button, hold);
}

void TDesktop::ClickInPlace(int button, std::chrono::milliseconds hold)
{
    const TBoundedWait wait = Answer(*this, "a click");
    XTestFakeButtonEvent(impl_->Connection, button, True, CurrentTime);
    XSync(impl_->Connection, False);
    Pause(static_cast<int>(hold.count()));
    XTestFakeButtonEvent(impl_->Connection, button, False, CurrentTime);
    XSync(impl_->Connection, False);
    Pause(15);
}

void TDesktop::Drag(int fromX, int fromY, int toX, int toY, const std::string& holding)
{
    const TBoundedWait wait = Answer(*this, "a drag");
    MoveMouse(fromX, fromY);
    const KeyCode held = holding.empty() ? 0 : KeyCodeOf(impl_->Connection, holding);
    if (held) {
        XTestFakeKeyEvent(impl_->Connection, held, True, CurrentTime);
        XSync(impl_->Connection, False);
        Pause(15);
    }
    XTestFakeButtonEvent(impl_->Connection, 1, True, CurrentTime);
    XSync(impl_->Connection, False);
    Pause(30);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        MoveMouse(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    XTestFakeButtonEvent(impl_->Connection, 1, False, CurrentTime);
    XSync(impl_->Connection, False);
    // A held key goes up at once, as a quick hand lets go of both: before the manager has
    // told where the window went.
    if (held) {
        XTestFakeKeyEvent(impl_->Connection, held, False, CurrentTime);
        XSync(impl_->Connection, False);
    }
    Pause(15);
}

std::vector<TDesktopRect> TDesktop::Windows(const std::string& title) const
{
    const TBoundedWait wait = Answer(*this, "the window tree");
    std::vector<::Window> found;
    CollectNamed(impl_->Connection, DefaultRootWindow(impl_->Connection), title, found);
    std::vector<TDesktopRect> result;
    for (::Window w : found)
        result.push_back(RectOf(impl_->Connection, w));
    return result;
}

bool TDesktop::FindWindow(const std::string& title, TDesktopRect& where) const
{
    const auto all = Windows(title);
    if (all.empty())
        return false;
    where = all.front();
    return true;
}

bool TDesktop::FrameOf(const std::string& title, TDesktopRect& frame) const
{
    const TBoundedWait wait = Answer(*this, "a frame's place");
    ::Display* d = impl_->Connection;
    std::vector<::Window> found;
    CollectNamed(d, DefaultRootWindow(d), title, found);
    if (found.empty())
        return false;
    ::Window w = found.front();
    for (::Window p = ParentOf(d, w); p && p != DefaultRootWindow(d); p = ParentOf(d, p))
        w = p;
    frame = RectOf(d, w);
    return true;
}

bool TDesktop::FrameExtents(const std::string& title, int extents[4]) const
{
    const TBoundedWait wait = Answer(*this, "_NET_FRAME_EXTENTS");
    ::Display* d = impl_->Connection;
    std::vector<::Window> found;
    CollectNamed(d, DefaultRootWindow(d), title, found);
    if (found.empty())
        return false;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    bool known = false;
    if (XGetWindowProperty(d, found.front(), XInternAtom(d, "_NET_FRAME_EXTENTS", False), 0, 4, False, XA_CARDINAL,
                           &type, &format, &items, &after, &data) == Success &&
        items == 4 && format == 32) {
        const auto* v = reinterpret_cast<const long*>(data);
        for (int i = 0; i < 4; ++i)
            extents[i] = static_cast<int>(v[i]);
        known = true;
    }
    if (data)
        XFree(data);
    return known;
}

void TDesktop::Activate(const std::string& title)
{
    const TBoundedWait wait = Answer(*this, "_NET_ACTIVE_WINDOW");
    ::Display* d = impl_->Connection;
    std::vector<::Window> found;
    // Iconified windows are not viewable: look for the name among all windows.
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    std::vector<::Window> pending{DefaultRootWindow(d)};
    while (!pending.empty() && found.empty()) {
        const ::Window w = pending.back();
        pending.pop_back();
        if (WindowName(d, w).find(title) != std::string::npos && w != DefaultRootWindow(d)) {
            found.push_back(w);
            break;
        }
        if (XQueryTree(d, w, &root, &parent, &children, &count)) {
            pending.insert(pending.end(), children, children + count);
            if (children)
                XFree(children);
        }
    }
    if (found.empty())
        return;
    // From a pager or taskbar.
    SendToManager(d, found.front(), "_NET_ACTIVE_WINDOW", {2, CurrentTime});
}

void TDesktop::MoveWindow(const std::string& title, int x, int y)
{
    const TBoundedWait wait = Answer(*this, "a window's move");
    ::Display* d = impl_->Connection;
    if (const ::Window w = FirstNamed(d, title)) {
        XMoveWindow(d, w, x, y);
        XSync(d, False);
    }
}

void TDesktop::Iconify(const std::string& title)
{
    const TBoundedWait wait = Answer(*this, "WM_CHANGE_STATE");
    ::Display* d = impl_->Connection;
    if (const ::Window w = FirstNamed(d, title))
        SendToManager(d, w, "WM_CHANGE_STATE", {IconicState});
}

int TDesktop::Workspaces() const
{
    const TBoundedWait wait = Answer(*this, "_NET_NUMBER_OF_DESKTOPS");
    ::Display* d = impl_->Connection;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    int count = 0;
    if (XGetWindowProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_NUMBER_OF_DESKTOPS", False), 0, 1, False,
                           XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
        items == 1 && format == 32)
        count = static_cast<int>(*reinterpret_cast<const long*>(data));
    if (data)
        XFree(data);
    return count;
}

void TDesktop::ShowWorkspace(int index)
{
    const TBoundedWait wait = Answer(*this, "_NET_CURRENT_DESKTOP");
    ::Display* d = impl_->Connection;
    SendToManager(d, DefaultRootWindow(d), "_NET_CURRENT_DESKTOP", {index, CurrentTime});
}

void TDesktop::RequestMaximized(const std::string& title, bool maximized)
{
    const TBoundedWait wait = Answer(*this, "_NET_WM_STATE");
    ::Display* d = impl_->Connection;
    if (const ::Window w = FirstNamed(d, title))
        SendToManager(d, w, "_NET_WM_STATE",
                      {maximized ? 1 : 0, static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_VERT", False)),
                       static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_HORZ", False)), 2});
}

std::vector<std::string> TDesktop::Atoms(const std::string& title, const std::string& property) const
{
    const TBoundedWait wait = Answer(*this, "reading " + property);
    ::Display* d = impl_->Connection;
    std::vector<std::string> names;
    const ::Window w = FirstNamed(d, title);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (w && XGetWindowProperty(d, w, XInternAtom(d, property.c_str(), False), 0, 64, False, XA_ATOM, &type, &format,
                                &items, &after, &data) == Success &&
        format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < items; ++i)
            if (char* name = XGetAtomName(d, atoms[i])) {
                names.emplace_back(name);
                XFree(name);
            }
    }
    if (data)
        XFree(data);
    return names;
}

std::string TDesktop::TransientFor(const std::string& title) const
{
    const TBoundedWait wait = Answer(*this, "WM_TRANSIENT_FOR");
    ::Display* d = impl_->Connection;
    const ::Window w = FirstNamed(d, title);
    ::Window owner = 0;
    if (!w || !XGetTransientForHint(d, w, &owner) || !owner)
        return "";
    return WindowName(d, owner);
}

bool TDesktop::SizeHints(const std::string& title, int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) const
{
    const TBoundedWait wait = Answer(*this, "WM_NORMAL_HINTS");
    ::Display* d = impl_->Connection;
    const ::Window w = FirstNamed(d, title);
    XSizeHints hints{};
    long supplied = 0;
    if (!w || !XGetWMNormalHints(d, w, &hints, &supplied))
        return false;
    minWidth = hints.flags & PMinSize ? hints.min_width : 0;
    minHeight = hints.flags & PMinSize ? hints.min_height : 0;
    maxWidth = hints.flags & PMaxSize ? hints.max_width : 0;
    maxHeight = hints.flags & PMaxSize ? hints.max_height : 0;
    return true;
}

std::string TDesktop::FocusTitle() const
{
    const TBoundedWait wait = Answer(*this, "the input focus");
    ::Display* d = impl_->Connection;
    ::Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    for (::Window w = focus; w > PointerRoot && w != DefaultRootWindow(d); w = ParentOf(d, w))
        if (std::string name = WindowName(d, w); !name.empty())
            return name;
    return "";
}

void TDesktop::Pointer(int& x, int& y) const
{
    const TBoundedWait wait = Answer(*this, "the pointer's place");
    ::Display* d = impl_->Connection;
    ::Window root = 0, child = 0;
    int windowX = 0, windowY = 0;
    unsigned int mask = 0;
    XQueryPointer(d, DefaultRootWindow(d), &root, &child, &x, &y, &windowX, &windowY, &mask);
}

bool TDesktop::KeyboardFree() const
{
    const TBoundedWait wait = Answer(*this, "a keyboard grab");
    ::Display* d = impl_->Connection;
    if (XGrabKeyboard(d, DefaultRootWindow(d), False, GrabModeAsync, GrabModeAsync, CurrentTime) != GrabSuccess)
        return false;
    XUngrabKeyboard(d, CurrentTime);
    XSync(d, False);
    return true;
}

TDesktopRect TDesktop::WorkArea() const
{
    const TBoundedWait wait = Answer(*this, "_NET_WORKAREA");
    ::Display* d = impl_->Connection;
    TDesktopRect r{0, 0, DisplayWidth(d, DefaultScreen(d)), DisplayHeight(d, DefaultScreen(d))};
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, DefaultRootWindow(d), XInternAtom(d, "_NET_WORKAREA", False), 0, 4, False,
                           XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
        items >= 4 && format == 32) {
        const auto* v = reinterpret_cast<const long*>(data);
        r = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
    }
    if (data)
        XFree(data);
    return r;
}

TDesktopImage TDesktop::Grab() const
{
    const TBoundedWait wait = Answer(*this, "the screen's pixels");
    ::Display* d = impl_->Connection;
    TDesktopImage image;
    const int w = DisplayWidth(d, DefaultScreen(d));
    const int h = DisplayHeight(d, DefaultScreen(d));
    XImage* x = XGetImage(d, DefaultRootWindow(d), 0, 0, w, h, ~0UL, ZPixmap);
    if (!x)
        return image;
    image.Width = w;
    image.Height = h;
    image.Pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int xx = 0; xx < w; ++xx)
            image.Pixels[static_cast<size_t>(y) * w + xx] = static_cast<uint32_t>(x->f.get_pixel(x, xx, y) & 0xFFFFFF);
    x->f.destroy_image(x);
    return image;
}

std::string TDesktop::Shot(const std::string& name) const
{
    return Shot(name, Grab());
}

std::string TDesktop::Shot(const std::string& name, const TDesktopImage& image)
{
    const std::filesystem::path folder = std::filesystem::path(BUKURA_BINARY_DIR) / "desktop-shots";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / (name + ".png")).string();
    if (!image.Pixels.empty())
        WritePng(path, image.Pixels.data(), image.Width, image.Height, image.Width * 4, false);
    return path;
}

bool TDesktop::WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= end)
            return false;
        Pause(20);
    }
}

std::string TDesktop::Title(const std::string& part) const
{
    const TBoundedWait wait = Answer(*this, "a window's title");
    std::vector<::Window> found;
    CollectNamed(impl_->Connection, DefaultRootWindow(impl_->Connection), part, found);
    return found.empty() ? "" : WindowName(impl_->Connection, found.front());
}
