#include <gtest/gtest.h>

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
