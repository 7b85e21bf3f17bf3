#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/desktop/TBoundedWait.h"
#include "tests/desktop/TDesktop.h"

// A read to the end of a pipe that a child holds open and never closes stands past its bound: the
// case ends saying what it waited for, and the child goes with it.
TEST(BoundedWaits, AWaitPastItsBoundSaysWhatItWaitedForAndEndsTheCaseWithItsChildren)
{
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    EXPECT_EXIT(
        {
            if (fork() == 0) {
                // It holds our pipe alone: the death test's pipe or the case's output would keep
                // their readers waiting.
                const int null = open("/dev/null", O_WRONLY);
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
                close_range(3, pipeEnds[1] - 1, 0);
                close_range(pipeEnds[1] + 1, ~0U, 0);
                // Gone in a minute even when nothing ends it, so that a failing run leaves nothing behind.
                alarm(60);
                for (;;)
                    pause();
            }
            close(pipeEnds[1]);
            const TBoundedWait wait("the pipe a child holds", std::chrono::milliseconds(100));
            char c = 0;
            while (read(pipeEnds[0], &c, 1) != 0) {
            }
        },
        testing::ExitedWithCode(1), "waiting for the pipe a child holds: no end after 100 ms; the case ends here");
    close(pipeEnds[1]);
    fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
    char c = 0;
    EXPECT_TRUE(TDesktop::WaitUntil([&] { return read(pipeEnds[0], &c, 1) == 0; })) << "the child still holds the pipe";
    close(pipeEnds[0]);
}

// A window manager that does not end on SIGTERM (stopped here) is killed with its desktop.
TEST(BoundedWaits, AWindowManagerThatWillNotEndIsKilledWithItsDesktop)
{
    auto desktop = std::make_unique<TDesktop>("openbox");
    if (desktop->Error() == "Xvfb is not installed" || desktop->Error() == "openbox is not installed")
        GTEST_SKIP() << desktop->Error();
    ASSERT_EQ(desktop->Error(), "");
    const int manager = desktop->WindowManagerPid();
    ASSERT_EQ(kill(manager, SIGSTOP), 0);
    desktop.reset();
    EXPECT_NE(kill(manager, 0), 0) << "the window manager is still there";
}
