#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/TApplication.h"
#include "platform/ui/TSdlBackend.h"
#include "UiTestControls.h"

// Last: the X11 headers define macros (None, KeyPress) that clash with the project's names.
#include <SDL.h>
#include <SDL_syswm.h>

#include "XvfbServer.h"
#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>

namespace {
void PushButton(Uint32 window, Uint32 type, int x, int y)
{
    SDL_Event e{};
    e.type = type;
    e.button.windowID = window;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}
} // namespace

// An Xvfb display of its own, set for SDL while the test runs.
class RealDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!xvfb.Error().empty())
            GTEST_SKIP() << "No real-display test: " << xvfb.Error();
        setenv("DISPLAY", xvfb.Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }
    void TearDown() override
    {
        unsetenv("DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
    }

    TXvfb xvfb;
};

TEST_F(RealDisplay, SdlFormTakesASyntheticClickAndShowsItsColour)
{
    {
        TSdlBackend backend;
        TApplication app(backend);
        auto* form = CreateOwned<TForm>(app);
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(40, 60, 200, 120);
        form->SetColor(RGB(0, 128, 0));
        auto* button = Place<TTestButton>(form, "OK", 120, 80);
        form->Show();
        app.ProcessMessages();

        PushButton(form->NativeWindow(), SDL_MOUSEBUTTONDOWN, 130, 90);
        PushButton(form->NativeWindow(), SDL_MOUSEBUTTONUP, 130, 90);
        app.ProcessMessages();
        EXPECT_EQ(button->Clicks, 1);

        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        ASSERT_TRUE(SDL_GetWindowWMInfo(backend.SdlWindow(form->NativeWindow()), &info));
        TXScreenshot shot;
        ASSERT_TRUE(shot.Available());
        EXPECT_EQ(shot.Pixel(info.info.x11.window, 10, 10), 0x008000u);
    }
}

namespace {
// Every event the back end has for the window within the time, by kind.
std::vector<TBackendEventKind> EventsOf(TSdlBackend& backend, TNativeWindow window, int ms)
{
    std::vector<TBackendEventKind> kinds;
    const uint64_t end = backend.NowMs() + ms;
    while (backend.NowMs() < end) {
        TBackendEvent event;
        while (backend.PollEvent(event))
            if (event.Window == window)
                kinds.push_back(event.Kind);
        backend.WaitEvent(10);
    }
    return kinds;
}

bool Has(const std::vector<TBackendEventKind>& kinds, TBackendEventKind kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

::Window XWindowOf(TSdlBackend& backend, TNativeWindow window, Display*& display)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(backend.SdlWindow(window), &info))
        return 0;
    display = info.info.x11.display;
    return info.info.x11.window;
}

bool Mapped(Display* display, ::Window window)
{
    XWindowAttributes a;
    return XGetWindowAttributes(display, window, &a) && a.map_state == IsViewable;
}
} // namespace

// Without a window manager a popup that took the X focus, even for a moment, would make the window
// beneath lose and regain the keyboard, and SDL would then press the keys still held (the Alt of
// an Alt+letter) anew.
TEST_F(RealDisplay, APopupShownWithoutAWindowManagerLeavesTheKeyboardWithTheActiveWindow)
{
    {
        TSdlBackend backend;
        const TNativeWindow main = backend.CreateWindow({{40, 40, 300, 200}, "main", false, false});
        backend.ShowWindow(main, true, true);
        ASSERT_TRUE(Has(EventsOf(backend, main, 300), TBackendEventKind::Activated));
        const TNativeWindow popup = backend.CreateWindow({{60, 60, 100, 80}, "", true, false});
        Display* display = nullptr;
        const ::Window mainX = XWindowOf(backend, main, display);
        const ::Window popupX = XWindowOf(backend, popup, display);

        backend.ShowWindow(popup, true, false);
        const auto shown = EventsOf(backend, main, 300);
        EXPECT_FALSE(Has(shown, TBackendEventKind::Deactivated));
        EXPECT_FALSE(Has(shown, TBackendEventKind::Activated));
        ::Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        EXPECT_EQ(focus, mainX);
        EXPECT_TRUE(Mapped(display, popupX));

        backend.ShowWindow(popup, false, false);
        EXPECT_FALSE(Has(EventsOf(backend, main, 200), TBackendEventKind::Deactivated));
        EXPECT_FALSE(Mapped(display, popupX));
        // Hidden at once, before the back end has heard that it is shown, it goes all the same.
        backend.ShowWindow(popup, true, false);
        backend.ShowWindow(popup, false, false);
        EventsOf(backend, popup, 100);
        EXPECT_FALSE(Mapped(display, popupX));
        backend.DestroyWindow(popup);
        backend.DestroyWindow(main);
    }
}

namespace {
// The first event of the kind for the window within the time; Kind stays MouseMove when none came.
TBackendEvent FirstOf(TSdlBackend& backend, TNativeWindow window, TBackendEventKind kind, int ms)
{
    const uint64_t end = backend.NowMs() + ms;
    while (backend.NowMs() < end) {
        TBackendEvent event;
        while (backend.PollEvent(event))
            if (event.Window == window && event.Kind == kind)
                return event;
        backend.WaitEvent(10);
    }
    return {};
}
} // namespace

// Moved from outside (as a manager without frames moves it) or told by a manager's own configure
// (root coordinates), the window reports its new bounds, and its mouse positions are made from
// them; the program's own moves are no news, a place it did not ask for on showing is.
TEST_F(RealDisplay, MovesFromOutsideAreReportedAndPlaceTheMouse)
{
    {
        TSdlBackend backend;
        const TNativeWindow window = backend.CreateWindow({{40, 40, 300, 200}, "moved", false, false});
        backend.ShowWindow(window, true, true);
        EventsOf(backend, window, 200);
        Display* display = nullptr;
        const ::Window x11 = XWindowOf(backend, window, display);
        Display* outside = XOpenDisplay(xvfb.Display().c_str());
        ASSERT_TRUE(outside);

        XMoveWindow(outside, x11, 140, 90);
        XSync(outside, False);
        TBackendEvent moved = FirstOf(backend, window, TBackendEventKind::BoundsChanged, 500);
        EXPECT_EQ(moved.Kind, TBackendEventKind::BoundsChanged);
        EXPECT_EQ(moved.X, 140);
        EXPECT_EQ(moved.Y, 90);
        EXPECT_EQ(moved.Width, 300);

        XEvent told{};
        told.xconfigure.type = ConfigureNotify;
        told.xconfigure.event = x11;
        told.xconfigure.window = x11;
        told.xconfigure.x = 200;
        told.xconfigure.y = 150;
        told.xconfigure.width = 320;
        told.xconfigure.height = 210;
        XSendEvent(outside, x11, False, StructureNotifyMask, &told);
        XSync(outside, False);
        moved = FirstOf(backend, window, TBackendEventKind::BoundsChanged, 500);
        EXPECT_EQ(moved.X, 200);
        EXPECT_EQ(moved.Y, 150);
        EXPECT_EQ(moved.Height, 210);
        PushButton(window, SDL_MOUSEBUTTONDOWN, 10, 20);
        const TBackendEvent press = FirstOf(backend, window, TBackendEventKind::MouseDown, 200);
        EXPECT_EQ(press.X, 210);
        EXPECT_EQ(press.Y, 170);

        backend.SetWindowBounds(window, {60, 70, 300, 200});
        EXPECT_EQ(FirstOf(backend, window, TBackendEventKind::BoundsChanged, 200).Kind, TBackendEventKind::MouseMove);

        // The pointer moved while the window stood here, read after the program moved the window
        // (as a caption drag goes on): the motion is still where the pointer was on the screen.
        XWarpPointer(outside, 0, DefaultRootWindow(outside), 0, 0, 0, 0, 100, 120);
        XSync(outside, False);
        for (int wait = 0; wait < 50 && backend.PendingEvents() == 0; ++wait)
            backend.WaitEvent(10);
        backend.SetWindowBounds(window, {160, 170, 300, 200});
        const TBackendEvent motion = FirstOf(backend, window, TBackendEventKind::MouseMove, 500);
        EXPECT_EQ(motion.X, 100);
        EXPECT_EQ(motion.Y, 120);

        // Moved under a pointer that stays, the window is pressed where the pointer is, though
        // SDL has seen no motion to that place within it.
        XWarpPointer(outside, 0, DefaultRootWindow(outside), 0, 0, 0, 0, 200, 220);
        XSync(outside, False);
        FirstOf(backend, window, TBackendEventKind::MouseMove, 500);
        backend.SetWindowBounds(window, {170, 180, 300, 200});
        for (const bool down : {true, false}) {
            XTestFakeButtonEvent(outside, 1, down, CurrentTime);
            XSync(outside, False);
            const TBackendEvent button =
                FirstOf(backend, window, down ? TBackendEventKind::MouseDown : TBackendEventKind::MouseUp, 500);
            EXPECT_EQ(button.X, 200) << down;
            EXPECT_EQ(button.Y, 220) << down;
        }

        // Put elsewhere while hidden, as a manager places a window it maps: shown, it tells where.
        backend.ShowWindow(window, false, false);
        XMoveWindow(outside, x11, 30, 20);
        XSync(outside, False);
        backend.ShowWindow(window, true, true);
        moved = FirstOf(backend, window, TBackendEventKind::BoundsChanged, 500);
        EXPECT_EQ(moved.X, 30);
        EXPECT_EQ(moved.Y, 20);
        XCloseDisplay(outside);
        backend.DestroyWindow(window);
    }
}

// A manager announced on the screen that never takes the maximize it is asked for: at the next
// press the program hears, before the press, that the window is not maximized and where it is.
// A window of a fixed size is not left to the manager at all.
TEST_F(RealDisplay, AMaximizeTheManagerNeverTookIsGivenBackAtTheNextPress)
{
    {
        TSdlBackend backend;
        TNativeWindowParams params{{40, 40, 300, 200}, "refused", false, false};
        params.Resizable = true;
        const TNativeWindow window = backend.CreateWindow(params);
        backend.ShowWindow(window, true, true);
        EventsOf(backend, window, 200);
        Display* outside = XOpenDisplay(xvfb.Display().c_str());
        ASSERT_TRUE(outside);
        ::Window root = DefaultRootWindow(outside);
        const Atom check = XInternAtom(outside, "_NET_SUPPORTING_WM_CHECK", False);
        XChangeProperty(outside, root, check, XA_WINDOW, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&root),
                        1);
        XSync(outside, False);

        backend.SetWindowBounds(window, backend.Monitors().front().WorkArea);
        XWarpPointer(outside, 0, root, 0, 0, 0, 0, 100, 110);
        XTestFakeButtonEvent(outside, 1, True, CurrentTime);
        XSync(outside, False);
        std::vector<TBackendEvent> told;
        const uint64_t end = backend.NowMs() + 500;
        while (backend.NowMs() < end && (told.empty() || told.back().Kind != TBackendEventKind::MouseDown)) {
            TBackendEvent event;
            while (backend.PollEvent(event))
                if (event.Window == window && event.Kind != TBackendEventKind::MouseMove)
                    told.push_back(event);
            backend.WaitEvent(10);
        }
        ASSERT_EQ(told.size(), 3u);
        EXPECT_EQ(told[0].Kind, TBackendEventKind::Unmaximized);
        EXPECT_EQ(told[1].Kind, TBackendEventKind::BoundsChanged);
        EXPECT_EQ((TScreenRect{told[1].X, told[1].Y, told[1].Width, told[1].Height}), (TScreenRect{40, 40, 300, 200}));
        EXPECT_EQ(told[2].X, 100);
        EXPECT_EQ(told[2].Y, 110);
        XTestFakeButtonEvent(outside, 1, False, CurrentTime);

        // A window of a fixed size, which a manager would not maximize, is placed where asked.
        const TNativeWindow fixed = backend.CreateWindow({{60, 60, 200, 100}, "fixed", false, false});
        backend.ShowWindow(fixed, true, false);
        backend.SetWindowBounds(fixed, backend.Monitors().front().WorkArea);
        EXPECT_EQ(backend.WindowBounds(fixed), backend.Monitors().front().WorkArea);
        backend.DestroyWindow(fixed);
        XDeleteProperty(outside, root, check);
        XCloseDisplay(outside);
        backend.DestroyWindow(window);
    }
}

// A sizeable window leaves the manager a minimum size only; a dialog names its owner and says it
// is a dialog, until it stands alone again.
TEST_F(RealDisplay, HintsTellTheManagerWhatItMayDo)
{
    {
        TSdlBackend backend;
        TNativeWindowParams sizeable{{40, 40, 400, 300}, "main", false, false};
        sizeable.Resizable = true;
        sizeable.MinWidth = 112;
        sizeable.MinHeight = 27;
        const TNativeWindow main = backend.CreateWindow(sizeable);
        const TNativeWindow dialog = backend.CreateWindow({{80, 80, 200, 100}, "dialog", false, false});
        Display* display = nullptr;
        const ::Window mainX = XWindowOf(backend, main, display);
        const ::Window dialogX = XWindowOf(backend, dialog, display);
        XSizeHints hints{};
        long supplied = 0;
        ASSERT_TRUE(XGetWMNormalHints(display, mainX, &hints, &supplied));
        EXPECT_TRUE(hints.flags & PMinSize);
        EXPECT_EQ(hints.min_width, 112);
        EXPECT_FALSE(hints.flags & PMaxSize);
        ASSERT_TRUE(XGetWMNormalHints(display, dialogX, &hints, &supplied));
        EXPECT_EQ(hints.max_width, 200);
        // The manager's own menu offers no maximize for a window of a fixed size; neither window
        // gets the manager's decoration. Motif's hints: flags, functions, decorations.
        auto motif = [&](::Window window) {
            Atom actual = 0;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
            std::vector<unsigned long> values;
            if (XGetWindowProperty(display, window, atom, 0, 5, False, atom, &actual, &format, &count, &after, &data) ==
                    Success && count >= 3)
                values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + 3);
            if (data)
                XFree(data);
            return values;
        };
        const auto fixedHints = motif(dialogX);
        ASSERT_EQ(fixedHints.size(), 3u);
        EXPECT_EQ(fixedHints[0] & 1, 1u);   // functions told: all but maximize
        EXPECT_EQ(fixedHints[1], 1u | 16u);
        EXPECT_EQ(fixedHints[2], 0u);
        const auto mainHints = motif(mainX);
        ASSERT_EQ(mainHints.size(), 3u);
        EXPECT_EQ(mainHints[0] & 1, 0u);
        EXPECT_EQ(mainHints[2], 0u);

        auto type = [&] {
            Atom actual = 0;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* data = nullptr;
            std::string name;
            if (XGetWindowProperty(display, dialogX, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), 0, 1, False,
                                   XA_ATOM, &actual, &format, &count, &after, &data) == Success && count == 1) {
                char* text = XGetAtomName(display, *reinterpret_cast<Atom*>(data));
                name = text;
                XFree(text);
            }
            if (data)
                XFree(data);
            return name;
        };
        ::Window owner = 0;
        backend.SetWindowOwner(dialog, main);
        EXPECT_TRUE(XGetTransientForHint(display, dialogX, &owner));
        EXPECT_EQ(owner, mainX);
        EXPECT_EQ(type(), "_NET_WM_WINDOW_TYPE_DIALOG");
        backend.SetWindowOwner(dialog, 0);
        EXPECT_FALSE(XGetTransientForHint(display, dialogX, &owner));
        EXPECT_EQ(type(), "_NET_WM_WINDOW_TYPE_NORMAL");
        backend.DestroyWindow(dialog);
        backend.DestroyWindow(main);
    }
}
