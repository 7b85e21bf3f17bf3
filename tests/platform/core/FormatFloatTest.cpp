#include <gtest/gtest.h>

#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"

class FormatFloatTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(FormatFloatTest, MoneyMasksWithSectionsForNegativeAndZero)
{
    EXPECT_EQ(FormatFloat("#,##0.00;(#,##0.00)", -1234.5), "(1,234.50)");
    EXPECT_EQ(FormatFloat("Rp #,##0.00", 1234567.891), "Rp 1,234,567.89");
    EXPECT_EQ(FormatFloat("Rp #,##0.00;(Rp #,##0.00)", -5), "(Rp 5.00)");
    EXPECT_EQ(FormatFloat("#,##0.00", 999.999), "1,000.00");
    EXPECT_EQ(FormatFloat("#,##0.00", 1e15), "1,000,000,000,000,000.00");
    EXPECT_EQ(FormatFloat("Rp #,##0.00", -1234.5), "-Rp 1,234.50");
    EXPECT_EQ(FormatFloat("#,##0.00;;Zero", -1234), "-1,234.00");
    EXPECT_EQ(FormatFloat("#,##0.00;;Zero", 0.001), "Zero");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0.00");
    EXPECT_EQ(FormatFloat("#,##0.00;(#,##0.00)", -0.004), "0.00");
}

TEST_F(FormatFloatTest, DigitPlacesAndLiterals)
{
    EXPECT_EQ(FormatFloat("0", -0.5), "-1");
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");
    EXPECT_EQ(FormatFloat("0.00", 2.675), "2.68");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
    EXPECT_EQ(FormatFloat("#.##", 0), "");
    EXPECT_EQ(FormatFloat("000.0", 5), "005.0");
    EXPECT_EQ(FormatFloat("0.0#", 1.5), "1.5");
    EXPECT_EQ(FormatFloat("000-0000", 5551234), "555-1234");
    EXPECT_EQ(FormatFloat("0.########", 1.0 / 3), "0.33333333");
    EXPECT_EQ(FormatFloat("0.##", 10), "10");
    EXPECT_EQ(FormatFloat("0.", 3.7), "4");
    EXPECT_EQ(FormatFloat(".00", 12.5), "12.50");
    EXPECT_EQ(FormatFloat("'#'0", 7), "#7");
    EXPECT_EQ(FormatFloat("0 \"pcs\"", 3), "3 pcs");
    EXPECT_EQ(FormatFloat("", 0.1), "0.1");
    EXPECT_EQ(FormatFloat("#,##0.00", std::numeric_limits<double>::infinity()), "INF");
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    EXPECT_EQ(FormatFloat("#,##0.00", 1234567.5), "1.234.567,50");
}
