#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/ui/TApplication.h"
#include "platform/ui/TSdlBackend.h"
#include "UiTestControls.h"

// Last: the X11 headers define macros (None, KeyPress) that clash with the project's names.
#include <SDL.h>
#include <SDL_syswm.h>

#include "XvfbServer.h"

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

TEST(RealDisplay, SdlFormTakesASyntheticClickAndShowsItsColour)
{
    TXvfb xvfb;
    if (!xvfb.Error().empty())
        GTEST_SKIP() << "No real-display test: " << xvfb.Error();
    setenv("DISPLAY", xvfb.Display().c_str(), 1);
    setenv("SDL_VIDEODRIVER", "x11", 1);
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
    unsetenv("DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
}
