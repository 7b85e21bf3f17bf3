#include <gtest/gtest.h>

#include "platform/core/Unicode.h"

TEST(Unicode, Utf16CountsASurrogatePairAsTwoUnits)
{
    std::string text = "a\xC3\xA9\xF0\x9F\x98\x80z"; // a, e-acute, grinning face, z
    std::u16string units = Utf8ToUtf16(text);
    ASSERT_EQ(units.size(), 5u);
    EXPECT_EQ(units[2], 0xD83D);
    EXPECT_EQ(units[3], 0xDE00);
    EXPECT_EQ(Utf16ToUtf8(units), text);
    EXPECT_EQ(Utf8ToUtf32(text), (std::u32string{U'a', 0xE9, 0x1F600, U'z'}));
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
}

TEST(Unicode, CaretStepsOverASurrogatePairAtOnce)
{
    std::u16string units = Utf8ToUtf16("a\xF0\x9F\x98\x80z");
    EXPECT_EQ(NextUtf16Position(units, 0), 1u);
    EXPECT_EQ(NextUtf16Position(units, 1), 3u);
    EXPECT_EQ(NextUtf16Position(units, 4), 4u);
    EXPECT_EQ(NextUtf16Position(units, 99), 4u);
    EXPECT_EQ(PreviousUtf16Position(units, 3), 1u);
    EXPECT_EQ(PreviousUtf16Position(units, 1), 0u);
    EXPECT_EQ(PreviousUtf16Position(units, 0), 0u);
    std::u16string lone{char16_t(0xD800), u'x'};
    EXPECT_EQ(NextUtf16Position(lone, 0), 1u);
}

TEST(Unicode, MalformedInputBecomesReplacementCharacters)
{
    EXPECT_FALSE(IsValidUtf8("\xC3"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // encoded surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_TRUE(IsValidUtf8("plain \xE2\x82\xAC"));
    EXPECT_EQ(Utf8ToUtf32("a\xFF" "b"), (std::u32string{U'a', 0xFFFD, U'b'}));
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xD800)}), "a\xEF\xBF\xBD");
    EXPECT_EQ(Latin1ToUtf8("\xE9\x41"), "\xC3\xA9" "A");
}

TEST(Unicode, SimpleCaseMappingReachesBeyondAscii)
{
    EXPECT_EQ(UnicodeUpperCase("stra\xC3\x9F" "e \xC3\xA9t\xC3\xA9"), "STRA\xC3\x9F" "E \xC3\x89T\xC3\x89");
    EXPECT_EQ(UnicodeLowerCase("\xCE\xA3\xCE\x9F\xCE\xA6"), "\xCF\x83\xCE\xBF\xCF\x86"); // Greek
    EXPECT_EQ(UnicodeUpperCase("\xD0\xB4\xD0\xB0"), "\xD0\x94\xD0\x90");                // Cyrillic
    EXPECT_EQ(UnicodeToUpper(U'1'), U'1');
    EXPECT_EQ(UnicodeToUpper(0x1F600), char32_t(0x1F600));
    EXPECT_EQ(UnicodeToLower(U'I'), U'i');
}
