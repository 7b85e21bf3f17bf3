#include <gtest/gtest.h>

#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"

class FloatTextTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FloatTextTest, FloatToStrUsesFifteenDigitsAndAnExponentOnlyAtTheLimits)
{
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(-1234567.891), "-1234567.891");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(FloatToStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(1.5e20), "1.5E20");
    EXPECT_EQ(FloatToStr(0.00001), "0.00001");
    EXPECT_EQ(FloatToStr(0.000001), "1E-6");
    EXPECT_EQ(FloatToStr(-1.25e-7), "-1.25E-7");
    EXPECT_EQ(FloatToStr(9999999999999999.0), "1E16");
    EXPECT_EQ(FloatToStrPlain(1e15), "1000000000000000");
    EXPECT_EQ(FloatToStrPlain(0.000001), "0.000001");
    EXPECT_EQ(FloatToStrPlain(1.0 / 3), "0.333333333333333");
}

TEST_F(FloatTextTest, StrToFloatReadsNumbersAndRaisesOnBadText)
{
    EXPECT_DOUBLE_EQ(StrToFloat(" -0.25 "), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloat("+3"), 3);
    EXPECT_DOUBLE_EQ(StrToFloat("1.5e-3"), 0.0015);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
    EXPECT_EQ(StrToFloat("1e-400"), 0);
    for (const char* bad : {"", " ", "abc", "1,234.5", "1.2.3", "-", ".", "1e", "1e+", "12a", "1e999", "1e99999999999999999999", "nan", "inf"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    try {
        StrToFloat("x1");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x1' is not a valid floating point value");
    }
    double value = 7;
    EXPECT_FALSE(TextToFloat("seven", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(TextToFloat("8", value));
    EXPECT_EQ(value, 8);

    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(FloatToStr(1234.5), "1234,5");
    EXPECT_DOUBLE_EQ(StrToFloat("1234,5"), 1234.5);
    EXPECT_THROW(StrToFloat("1234.5"), EConvertError);
}

TEST_F(FloatTextTest, StrToIntReadsDecimalAndHex)
{
    EXPECT_EQ(StrToInt(" -42"), -42);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    for (const char* bad : {"", "4 2", "1.5", "abc", "9223372036854775808", "$", "- 1", "7 "})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    int64_t value = 3;
    EXPECT_FALSE(TryStrToInt("x", value));
    EXPECT_EQ(value, 3);
}
