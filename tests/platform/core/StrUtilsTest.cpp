#include <gtest/gtest.h>

#include "platform/core/StrUtils.h"

TEST(StrUtils, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("   "), "");
}

TEST(StrUtils, CaseChangesTouchAsciiLettersOnly)
{
    EXPECT_EQ(UpperCase("abc \xC3\xA9z"), "ABC \xC3\xA9Z");
    EXPECT_EQ(LowerCase("ABC \xC3\x89Z"), "abc \xC3\x89z");
    EXPECT_TRUE(SameText("Kalvera", "KALVERA"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
}

TEST(StrUtils, SubstringsClampInsteadOfFailing)
{
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 100, 1), "");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");
    EXPECT_EQ(LeftStr("abc", 5), "abc");
    EXPECT_EQ(RightStr("abc", 2), "bc");
    EXPECT_EQ(RightStr("abc", -2), "");
    EXPECT_EQ(CharAt("ab\\", 3), '\\');
    EXPECT_EQ(CharAt("ab\\", 4), '\0');
    EXPECT_EQ(CharAt("ab", 0), '\0');
}

TEST(StrUtils, PositionsAreOneBased)
{
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("b", "abcb", 3), 4);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("b", "abc", 10), 0);

    std::string text = "abcdef";
    Delete(text, 5, 10);
    EXPECT_EQ(text, "abcd");
    Delete(text, 10, 1);
    Delete(text, 0, 2);
    EXPECT_EQ(text, "abcd");
    Insert("X", text, 100);
    Insert("Y", text, -3);
    Insert("Z", text, 3);
    EXPECT_EQ(text, "YaZbcdX");
}
