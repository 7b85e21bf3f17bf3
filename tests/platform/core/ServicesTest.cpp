#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/core/DesktopOpener.h"
#include "platform/core/UxTheme.h"

TEST(DesktopOpener, SpawnsWithoutAShellAndAnswersWhetherItStarted)
{
    EXPECT_TRUE(XdgOpener("true").Open("guide.chm; rm -rf x", SW_SHOWNORMAL));
    EXPECT_FALSE(XdgOpener("/nonexistent/opener").Open("guide.chm", SW_SHOWNORMAL));
    EXPECT_FALSE(XdgOpener("true").Open("", SW_SHOWNORMAL));
}

TEST(DesktopOpener, AnOpenerThatFailsAtOnceIsAFailureAndOneStillRunningIsNot)
{
    EXPECT_FALSE(XdgOpener("false").Open("guide.html", SW_SHOWNORMAL));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(XdgOpener("sleep").Open("3", SW_SHOWNORMAL));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(UxTheme, LoadCountPairsUpAcrossThreadsAndNeverLoads)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 1000; ++i)
                LoadUxTheme();
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(UxThemeLoadCount(), 4000);
    EXPECT_FALSE(IsUxThemeLoaded());
    for (int i = 0; i < 4001; ++i)
        FreeUxTheme();
    EXPECT_EQ(UxThemeLoadCount(), 0);
}
