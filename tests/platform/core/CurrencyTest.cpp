#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Currency.h"

TEST(CurrencyRounding, RoundsHalfAwayFromZeroAsTheDecimalReads)
{
    EXPECT_EQ(Currency::FromDouble(2.00015).Raw(), 20002);
    EXPECT_EQ(Currency::FromDouble(-2.00015).Raw(), -20002);
    EXPECT_EQ(Currency::FromDouble(0.00005).Raw(), 1);
    EXPECT_EQ(Currency::FromDouble(0.00004999).Raw(), 0);
    EXPECT_EQ(Currency::FromDouble(9.99995).Raw(), 100000);
    EXPECT_EQ(Currency::FromDouble(1000000.0 / 12).ToString(), "83333.3333");
    EXPECT_EQ(Currency::FromInt(1000000) / 12, Currency::FromRaw(833333333));
    EXPECT_DOUBLE_EQ(RoundCurrency(1000000.0 / 12), 83333.3333);
    EXPECT_DOUBLE_EQ(RoundCurrency(2.00015), 2.0002);
    EXPECT_DOUBLE_EQ(RoundCurrency(0.1 + 0.2), 0.3);
    EXPECT_DOUBLE_EQ(RoundCurrency(-0.00005), -0.0001);
    EXPECT_DOUBLE_EQ(RoundCurrency(1e20), 1e20);
    EXPECT_TRUE(std::isnan(RoundCurrency(std::nan(""))));
}

TEST(CurrencyArithmetic, SumsAreExact)
{
    Currency total;
    for (int i = 0; i < 10; ++i)
        total += Currency::FromDouble(0.1);
    EXPECT_EQ(total, Currency::FromInt(1));
    EXPECT_EQ((Currency::FromDouble(5.25) - Currency::FromDouble(7.5)).ToString(), "-2.25");
    EXPECT_EQ(Currency::FromDouble(-0.25).ToString(), "-0.25");
    EXPECT_EQ(Currency().ToString(), "0");
    EXPECT_EQ((Currency::FromDouble(10) * 0.15).ToString(), "1.5");
}

TEST(CurrencyArithmetic, MultiplyAndDivideKeepTheLastDecimalOfLargeAmounts)
{
    Currency large = Currency::FromRaw(12345678901234567);
    EXPECT_EQ((large * 2).ToString(), "2469135780246.9134");
    EXPECT_EQ((-large * 0.5).Raw(), -6172839450617284); // half a ten-thousandth rounds away from zero
    EXPECT_EQ((large / 2).Raw(), 6172839450617284);
    EXPECT_EQ((large / 0.01).ToString(), "123456789012345.67");
    EXPECT_EQ((Currency::FromInt(1) * 0.00015).Raw(), 2);
    EXPECT_EQ((Currency::FromInt(1) / -3).Raw(), -3333);
    EXPECT_EQ(Currency::FromInt(1) * 1e-300, Currency());
    EXPECT_EQ(Currency::FromInt(1) / 1e300, Currency());
}

TEST(CurrencyArithmetic, OverflowAndBadValuesRaise)
{
    Currency big = Currency::FromRaw(std::numeric_limits<int64_t>::max());
    EXPECT_THROW(big += Currency::FromRaw(1), EOverflow);
    EXPECT_THROW(-Currency::FromRaw(std::numeric_limits<int64_t>::min()), EOverflow);
    EXPECT_THROW(Currency::FromInt(std::numeric_limits<int64_t>::max()), EOverflow);
    EXPECT_THROW(Currency::FromDouble(std::numeric_limits<double>::infinity()), EConvertError);
    EXPECT_THROW(Currency::FromDouble(std::nan("")), EConvertError);
    EXPECT_THROW(Currency::FromDouble(1e16), EConvertError);
    EXPECT_THROW(Currency::FromInt(1) / 0.0, EConvertError);
    EXPECT_THROW(Currency::FromInt(1) * std::nan(""), EConvertError);
    EXPECT_THROW(Currency::FromInt(1000) * 1e13, EConvertError);
    EXPECT_THROW(Currency::FromInt(1) / 1e-300, EConvertError);
    EXPECT_EQ(Currency::FromDouble(900000000000000.0).Raw(), 9000000000000000000);
}
