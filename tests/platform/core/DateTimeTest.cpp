#include <gtest/gtest.h>

#include <cmath>

#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

class DateTimeTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
    ManualClock clock{EncodeDate(2024, 3, 15) + EncodeTime(9, 30, 0, 0)};
    ClockOverride useClock{clock};
};

TEST_F(DateTimeTest, EncodeAndDecodeKeepToTheCalendar)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
    EXPECT_EQ(EncodeDate(2024, 3, 15), 45366);
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 4, 31), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 13, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2024, 0, 1), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);

    int y = 0, m = 0, d = 0;
    DecodeDate(EncodeDate(2024, 12, 31) + 0.75, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20241231);
    DecodeDate(EncodeDate(1, 1, 1), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
    EXPECT_EQ(StartOfTheMonth(EncodeDate(2024, 12, 31)), EncodeDate(2024, 12, 1));
    EXPECT_EQ(StartOfNextMonth(EncodeDate(2024, 12, 31)), EncodeDate(2025, 1, 1));
    EXPECT_EQ(StartOfNextMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 1));
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 17)), 1);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 16)), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 29)), 6);

    int h = 0, n = 0, sec = 0, ms = 0;
    DecodeTime(EncodeTime(23, 59, 59, 999), h, n, sec, ms);
    EXPECT_EQ(h * 10000000 + n * 100000 + sec * 1000 + ms, 235959999);
    TDateTime almostMidnight = EncodeDate(2024, 3, 15) + 0.9999999999;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", almostMidnight), "2024-03-16 00:00:00");
}

TEST_F(DateTimeTest, FormatDateTimeMasksAndLocaleSeparators)
{
    TDateTime value = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    EXPECT_EQ(FormatDateTime("dd-MMM-yy", value), "05-Mar-24");
    EXPECT_EQ(FormatDateTime("yyyyMMddHHmmss", value), "20240305140709");
    EXPECT_EQ(FormatDateTime("h:m d/m", value), "14:7 5/3");
    EXPECT_EQ(FormatDateTime("'Printed on 'dd/mm/yyyy hh:nn", value), "Printed on 05/03/2024 14:07");
    EXPECT_EQ(FormatDateTime("\"Date: \"d mmmm yyyy", value), "Date: 5 March 2024");
    EXPECT_EQ(FormatDateTime("ddd dddd", value), "Tue Tuesday");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", value), "14:07:09.045");
    EXPECT_EQ(FormatDateTime("ddddd", value), "2024-03-05");
    EXPECT_EQ(FormatDateTime("c", value), "2024-03-05 14:07:09");
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5)), "2024-03-05");
    EXPECT_THROW(FormatDateTime("yyyy", 1e12), EConvertError);
    EXPECT_THROW(FormatDateTime("yyyy", std::nan("")), EConvertError);
    FormatSettings().DateSeparator = '.';
    FormatSettings().TimeSeparator = '-';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", value), "05.03.2024 14-07");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", value), "2024-03-05");
}

TEST_F(DateTimeTest, StrToDateFollowsTheShortDateFormatAndRoundTrips)
{
    EXPECT_EQ(StrToDate(" 2024-3-5 "), EncodeDate(2024, 3, 5));
    for (const char* bad : {"", "2024/03/05", "05-03-2024", "2024-02-30", "2024-03-05 10:00", "2024-03", "abc",
             "2024-03-05x"})
        EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
    for (TDateTime day = EncodeDate(2024, 1, 1); day < EncodeDate(2025, 1, 1); day += 1)
        ASSERT_EQ(StrToDate(DateToStr(day)), day);

    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(StrToDate("05/03/2024"), EncodeDate(2024, 3, 5));
    EXPECT_THROW(StrToDate("2024-03-05"), EConvertError);
    EXPECT_EQ(StrToDate("5/3/24"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StrToDate("5/3/80"), EncodeDate(1980, 3, 5));
}

TEST_F(DateTimeTest, IsoTextAsSqlWritesIt)
{
    TDateTime value = 0;
    ASSERT_TRUE(TryIsoToDateTime("2024-03-05", value));
    EXPECT_EQ(value, EncodeDate(2024, 3, 5));
    ASSERT_TRUE(TryIsoToDateTime("2024-03-05 14:07:09", value));
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", value), "2024-03-05 14:07:09");
    ASSERT_TRUE(TryIsoToDateTime("2024-03-05T14:07:09.5", value));
    EXPECT_EQ(FormatDateTime("zzz", value), "500");
    value = 1;
    for (const char* bad : {"", "2024-3-5", "2024-02-30", "2024-03-05 24:00:00", "2024-03-05 10", "20240305",
             "2024-03-05 10:00:00 x"})
        EXPECT_FALSE(TryIsoToDateTime(bad, value)) << bad;
    EXPECT_EQ(value, 1);
}

TEST_F(DateTimeTest, NowDateAndTimeComeFromTheClock)
{
    EXPECT_EQ(Today(), EncodeDate(2024, 3, 15));
    EXPECT_EQ(FormatDateTime("hh:nn:ss", Time()), "09:30:00");
    clock.AdvanceMilliseconds(15 * 3600 * 1000);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", Now()), "2024-03-16 00:30");
    EXPECT_EQ(Date(), EncodeDate(2024, 3, 16));
}
