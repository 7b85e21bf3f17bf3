#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/StartUp.h"
#include "controls/flat/TZlEdit.h"
#include "ledger/LoginState.h"
#include "ledger/TF_Login.h"
#include "ledger/TF_Main.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/ConfigStore.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSdlBackend.h"
#include "platform/ui/TTimerList.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeItem.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/ledger/TempDatabase.h"

// Last: the X11 headers define macros that clash with the project's names, and their type
// Screen would hide the program's screen.
#include <SDL.h>

#define Screen XScreen
#include "tests/platform/ui/XvfbServer.h"
#undef Screen

namespace fs = std::filesystem;

namespace {

// A fresh database and config file in a folder of their own, and the display set for SDL.
class RealDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!xvfb.Error().empty())
            GTEST_SKIP() << "No real-display test: " << xvfb.Error();
        fs::create_directories(folder);
        MakeDatabaseFromSchema(SchemaPath(), (folder / "accounting.db").string());
        previousConfig = ProgramConfig().Path();
        ProgramConfig().SetPath((folder / "bukura.conf").string());
        setenv("DISPLAY", xvfb.Display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }
    void TearDown() override
    {
        unsetenv("DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        if (!previousConfig.empty())
            ProgramConfig().SetPath(previousConfig);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    TXvfb xvfb;
    fs::path folder = fs::path(TempDatabasePath("display")).replace_extension();
    std::string previousConfig;
};

// SDL takes mouse points relative to the window the event names.
void PushClick(TSdlBackend& backend, const TWinControl& window, TPoint screen)
{
    SDL_Window* sdl = backend.SdlWindow(window.NativeWindow());
    int ox = 0, oy = 0;
    SDL_GetWindowPosition(sdl, &ox, &oy);
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = SDL_GetWindowID(sdl);
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = screen.X - ox;
        e.button.y = screen.Y - oy;
        SDL_PushEvent(&e);
    }
}

TPoint Centre(const TControl& control)
{
    return control.ClientToScreen(TPoint{control.Width() / 2, control.Height() / 2});
}

uint32_t ReportedPixel(TPoint screen)
{
    TBitmap pixel;
    Screen->CaptureRect(TRect{screen.X, screen.Y, screen.X + 1, screen.Y + 1}, pixel);
    return pixel.PixelAt(0, 0) & 0xFFFFFF;
}

} // namespace

TEST_F(RealDisplay, LogsInThroughSdlEventsAndTheScreenShowsWhatTheProgramDrew)
{
    const std::string db = (folder / "accounting.db").string();
    LoginState() = TLoginState();
    TSdlBackend backend;
    TApplication app(backend);
    StartProgram(app);
    app.ProcessMessages();

    // The dialog's OK goes in once the dialog is up, from inside its modal loop.
    bool okPushed = false;
    TTimer driver;
    driver.SetInterval(50);
    driver.SetOnTimer([&](TComponent*) {
        auto* login = dynamic_cast<TF_Login*>(Screen->ActiveForm());
        if (!login || okPushed)
            return;
        login->ed_server->SetText(db);
        PushClick(backend, *login, Centre(*login->TeButton1));
        okPushed = true;
    });
    const TRect user = F_Main->mn_user->BoundsRect();
    PushClick(backend, *F_Main, F_Main->TeMenuBar1->ClientToScreen(TPoint{(user.Left + user.Right) / 2,
                                                                           (user.Top + user.Bottom) / 2}));
    // "LogIn" is the first entry of the dropdown that opens under "User".
    PushClick(backend, *F_Main, F_Main->TeMenuBar1->ClientToScreen(TPoint{user.Left + 20, user.Bottom + 12}));
    for (auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
         !F_Main->LoggedIn && std::chrono::steady_clock::now() < until;) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    driver.SetEnabled(false);
    for (int i = 0; i < 20; ++i) {
        app.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    EXPECT_TRUE(F_Main->LoggedIn);
    EXPECT_TRUE(F_Main->TeMenuBar2->Visible());
    EXPECT_EQ(LoginState().UserLogin, "tukan");

    TXScreenshot shot;
    ASSERT_TRUE(shot.Available());
    const std::vector<uint32_t> root = shot.Root(1024, 768);
    ASSERT_EQ(root.size(), 1024u * 768u);
    fs::create_directories(fs::path(BUKURA_BINARY_DIR) / "tests" / "screenshots");
    WritePng((fs::path(BUKURA_BINARY_DIR) / "tests" / "screenshots" / "logged-in.png").string(), root.data(), 1024,
             768, 1024 * 4, false);
    const TPoint points[] = {F_Main->ClientToScreen(TPoint{F_Main->ClientWidth() / 2, F_Main->ClientHeight() / 2}),
                             F_Main->Panel2->ClientToScreen(TPoint{3, F_Main->Panel2->Height() / 2}),
                             F_Main->Panel1->ClientToScreen(TPoint{F_Main->Panel1->Width() - 10, 4})};
    for (TPoint p : points)
        EXPECT_EQ(root[static_cast<size_t>(p.Y) * 1024 + p.X] & 0xFFFFFF, ReportedPixel(p)) << p.X << "," << p.Y;
    StopProgram();
}

namespace {

// Starts the built program in 'folder' with the test's environment; its stderr into 'errors'.
pid_t StartBukura(const fs::path& folder, int errors)
{
    const std::string program = std::string(BUKURA_BINARY_DIR) + "/app/bukura";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_adddup2(&actions, errors, 2);
    char* argv[] = {const_cast<char*>("bukura"), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

TEST_F(RealDisplay, TheBuiltProgramRunsOnTheDisplayAndRefusesToStartWithoutOne)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t running = StartBukura(folder, fds[1]);
    ASSERT_GT(running, 0);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    int status = 0;
    EXPECT_EQ(waitpid(running, &status, WNOHANG), 0);
    kill(running, SIGKILL);
    waitpid(running, &status, 0);

    unsetenv("DISPLAY");
    const pid_t refused = StartBukura(folder, fds[1]);
    close(fds[1]);
    ASSERT_GT(refused, 0);
    ASSERT_EQ(waitpid(refused, &status, 0), refused);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    std::string errors;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        errors.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    EXPECT_NE(errors.find("Bukura needs a graphical display (X11): set DISPLAY."), std::string::npos) << errors;
}
