// Amounts spelled in words for printed vouchers.
#include <gtest/gtest.h>

#include "ledger/AmountInWords.h"
#include "platform/core/Exceptions.h"

TEST(AmountInWords, SpellsEveryGroupSkipsEmptyOnesAndPutsBillionsBetweenTwoBlanks)
{
    EXPECT_EQ(SpellAmount("0"), " Rupiah");
    EXPECT_EQ(SpellAmount("115"), "Seratus Limabelas  Rupiah");
    EXPECT_EQ(SpellAmount("1001"), "Seribu Satu  Rupiah");
    EXPECT_EQ(SpellAmount("101000"), "Seratus Satu Ribu  Rupiah");
    EXPECT_EQ(SpellAmount("1005000"), "Satu Juta Lima Ribu  Rupiah");
    EXPECT_EQ(SpellAmount("250000001500"), "Duaratus Limapuluh  Milyar Seribu Limaratus  Rupiah");
    // From a thousand billions up the higher digits stay before "Milyar".
    EXPECT_EQ(SpellAmount("2345000000000"), "Dua Ribu Tigaratus Empatpuluh Lima  Milyar  Rupiah");
    EXPECT_EQ(SpellAmount("7000000000000000"), "Tujuh Juta  Milyar  Rupiah");
}

TEST(AmountInWords, IgnoresBlanksAroundTheNumberAndRefusesAnythingElse)
{
    EXPECT_EQ(SpellAmount("  2500 "), "Dua Ribu Limaratus  Rupiah");
    EXPECT_EQ(SpellAmount("0001000"), "Seribu  Rupiah");
    EXPECT_EQ(SpellAmount(std::string("\x1f 2500\x0e\0", 8)), SpellAmount("2500"));
    EXPECT_NO_THROW(SpellAmount("999999999999999999"));
    for (const char* bad : {"", "   ", "12.5", "1,000", "12a", "-5", "+5", "1 000", "1000000000000000000"}) {
        std::string words = "unchanged";
        EXPECT_THROW(SpellAmount(bad, words), EConvertError) << bad;
        EXPECT_EQ(words, "unchanged") << bad;
    }
}
