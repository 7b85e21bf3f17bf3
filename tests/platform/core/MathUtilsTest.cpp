#include <gtest/gtest.h>

#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/core/MathUtils.h"

TEST(MathUtils, RoundGoesToEvenOnTies)
{
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(2.4999), 2);
    EXPECT_EQ(Round(-0.6), -1);
    EXPECT_THROW(Round(1e300), EConvertError);
    EXPECT_THROW(Round(std::numeric_limits<double>::quiet_NaN()), EConvertError);
}

TEST(MathUtils, TruncAndDivGoTowardZero)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Mod(-7, 2), -1);
    EXPECT_EQ(Div(7, -2), -3);
    EXPECT_THROW(Div(1, 0), EInvalidOperation);
    EXPECT_THROW(Mod(1, 0), EInvalidOperation);
    EXPECT_THROW(Div(std::numeric_limits<int64_t>::min(), -1), EOverflow);
    EXPECT_EQ(Mod(std::numeric_limits<int64_t>::min(), -1), 0);
}

TEST(MathUtils, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(10, 3, 4), 8);   // 7.5
    EXPECT_EQ(MulDiv(-10, 3, 4), -8); // -7.5
    EXPECT_EQ(MulDiv(10, 3, -4), -8);
    EXPECT_EQ(MulDiv(7, 3, 4), 5);    // 5.25
    EXPECT_EQ(MulDiv(50, 255, 100), 128);
    EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000); // product beyond 32 bits
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(std::numeric_limits<int32_t>::max(), 2, 1), -1);
}
