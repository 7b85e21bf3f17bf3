#include <gtest/gtest.h>

#include "ledger/SqlRoutines.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

TEST(SqlChecks, OnlyNumbersPassAsNumberTextWholeNumbersAndMonths)
{
    for (const char* text : {"0", "-12.5", "1e-3", "007"})
        EXPECT_TRUE(IsNumberLiteral(text)) << text;
    for (const char* text : {"", "-", "1.", ".5", "1 ", " 1", "0x1F", "$1F", "+1", "1;drop table coa", "1e"})
        EXPECT_FALSE(IsNumberLiteral(text)) << text;

    EXPECT_EQ(CheckedWholeNumber("007", "year"), "7");
    EXPECT_EQ(CheckedUnit("-10"), "-10");
    for (const char* text : {"1.0", "1e3", "10 or 1=1", "", "1234567890123456789"})
        EXPECT_THROW(CheckedUnit(text), EConvertError) << text;

    EXPECT_EQ(CheckedMonth("03"), 3);
    EXPECT_EQ(CheckedMonth("12"), 12);
    for (const char* text : {"0", "13", "-1", "1.0", "", "3a", "99999999999999999999"})
        EXPECT_THROW(CheckedMonth(text), EConvertError) << text;
}

TEST(SqlChecks, DatesGoIntoSqlAsIsoWhateverTheDisplayFormat)
{
    const std::string saved = FormatSettings().ShortDateFormat;
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(SqlDate(Variant::FromDateTime(EncodeDate(2026, 3, 5) + EncodeTime(14, 30, 0, 0))), "'2026-03-05'");
    EXPECT_EQ(SqlDate(Variant()), "null");
    FormatSettings().ShortDateFormat = saved;
}
