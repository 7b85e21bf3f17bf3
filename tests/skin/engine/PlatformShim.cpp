#include <gtest/gtest.h>

#include "platform/core/UxTheme.h"
#include "platform/ui/THeadlessSession.h"
#include "skin/engine/TeWinApi.h"

TEST(PlatformShim, AnswersFromTheWindowingLayer) {
    EXPECT_GE(UxThemeLoadCount(), 1);
    THeadlessSession s;
    EXPECT_TRUE(IsLayeredAvailable());
    EXPECT_FALSE(IsMultiMonitor());
    TRect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, work));
    EXPECT_EQ(GetMonitorRectFromWindow(nullptr, true), work);
    EXPECT_EQ(GetMonitorRectFromPoint(Point(5, 5), false), Rect(0, 0, 1024, 768));
    TScrollBarInfo info;
    info.rgstate[0] = 0;
    EXPECT_FALSE(GetScrollBarInfoSafe(nullptr, 0, info));
    EXPECT_EQ(info.rgstate[0], STATE_SYSTEM_INVISIBLE);
}
