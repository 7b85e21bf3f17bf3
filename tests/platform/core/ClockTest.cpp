#include <gtest/gtest.h>

#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"

TEST(Clock, ManualClockMovesOnlyWhenAdvancedAndWithoutDrift)
{
    ManualClock clock(EncodeDate(2024, 3, 1));
    ClockOverride use(clock);
    uint64_t start = GetTickCount();
    double hiStart = HighResolutionSeconds();
    EXPECT_EQ(GetTickCount(), start);
    clock.AdvanceMilliseconds(5001);
    EXPECT_EQ(GetTickCount() - start, 5001u);
    clock.AdvanceMicroseconds(250);
    EXPECT_DOUBLE_EQ(HighResolutionSeconds() - hiStart, 5.00125);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", Now()), "2024-03-01 00:00:05");

    ManualClock day(EncodeDate(2024, 3, 1));
    for (int i = 0; i < 86400; ++i)
        day.AdvanceMilliseconds(1000);
    EXPECT_EQ(day.Now(), EncodeDate(2024, 3, 2));
}

TEST(Clock, OverridesNestAndRestore)
{
    ManualClock outer(EncodeDate(2024, 3, 1));
    ManualClock inner(EncodeDate(2030, 1, 1));
    {
        ClockOverride a(outer);
        {
            ClockOverride b(inner);
            EXPECT_EQ(Date(), EncodeDate(2030, 1, 1));
        }
        EXPECT_EQ(Date(), EncodeDate(2024, 3, 1));
    }
    EXPECT_NE(&CurrentClock(), &outer);
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}
