#include <gtest/gtest.h>

#include "controls/memo/MemoTokens.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmStylerList.h"
#include "controls/memo/TZmWordDelimiters.h"

namespace {

TElementStyle& AddStyle(TZmCustomMemoStyler& styler, TStyleType type)
{
    TElementStyle& style = *styler.ElementStyles().Add();
    style.SetStyleType(type);
    return style;
}

std::vector<std::u32string> Texts(const std::vector<TMemoToken>& tokens)
{
    std::vector<std::u32string> texts;
    for (const TMemoToken& token : tokens)
        texts.push_back(token.Text);
    return texts;
}

} // namespace

TEST(MemoStyler, LoadingKeepsStylesThatArriveAndEmptiesAStylerWithoutThem)
{
    TZmCustomMemoStyler built;
    built.BeginLoading();
    AddStyle(built, TStyleType::stSymbol).SetSymbols(U";");
    built.EndLoading();
    EXPECT_EQ(built.ElementStyles().Count(), 1);

    // Items made before loading began stand for defaults the stored form did not list.
    TZmCustomMemoStyler empty;
    AddStyle(empty, TStyleType::stSymbol);
    empty.BeginLoading();
    empty.EndLoading();
    EXPECT_EQ(empty.ElementStyles().Count(), 0);
}

TEST(MemoStyler, KeywordsAreUpperCasedAndSortedUnlessCaseMatters)
{
    TZmCustomMemoStyler styler;
    TElementStyle& words = AddStyle(styler, TStyleType::stKeyword);
    words.KeyWords().Add("end");
    words.KeyWords().Add("begin");
    styler.PrepareKeywords(false);
    EXPECT_EQ(words.KeyWords().Lines(), (std::vector<std::string>{"BEGIN", "END"}));
    int at = -1;
    EXPECT_TRUE(words.KeyWords().Find("END", at));

    TElementStyle& exact = AddStyle(styler, TStyleType::stKeyword);
    exact.KeyWords().Add("Zeta");
    exact.KeyWords().Add("alpha");
    styler.PrepareKeywords(true);
    EXPECT_EQ(exact.KeyWords().Lines(), (std::vector<std::string>{"Zeta", "alpha"}));
}

TEST(MemoStyler, CharStylesAndDelimiters)
{
    TZmCustomMemoStyler styler;
    const TCharStyle red(clRed, clNone, 0);
    styler.SetCharStyle(0, red);
    styler.SetCharStyle(3, red);
    EXPECT_EQ(styler.CommentStyle().TextColor(), clSilver);
    EXPECT_EQ(styler.NumberStyle().TextColor(), clNavy);
    styler.SetCharStyle(2, red);
    EXPECT_EQ(styler.NumberStyle().TextColor(), clRed);

    TZmWordDelimiters jump;
    EXPECT_TRUE(jump.IsDelimiter(U' ', nullptr));
    // A styler without a symbol element stops word jumps nowhere, and that answer is kept.
    EXPECT_FALSE(jump.IsDelimiter(U' ', &styler));
    TElementStyle& brackets = AddStyle(styler, TStyleType::stBracket);
    brackets.SetBracketStart(U'(');
    brackets.SetBracketEnd(U')');
    AddStyle(styler, TStyleType::stSymbol).SetSymbols(U"(;");
    AddStyle(styler, TStyleType::stSymbol).SetSymbols(U"+");
    EXPECT_FALSE(jump.IsDelimiter(U';', &styler));
    jump.Reset();
    EXPECT_TRUE(jump.IsDelimiter(U';', &styler));
    EXPECT_FALSE(jump.IsDelimiter(U'+', &styler));

    // A character both a bracket and a symbol counts once; either alone counts too.
    for (char32_t c : {U'(', U')', U'+', U';'})
        EXPECT_TRUE(styler.ElementStyles().IsDelimiter(c)) << static_cast<int>(c);
    EXPECT_FALSE(styler.ElementStyles().IsDelimiter(U'a'));
    EXPECT_FALSE(styler.ElementStyles().IsDelimiter(0));
}

TEST(MemoStyler, TheListTakesOnlyPlainStylersAndForgetsFreedOnes)
{
    struct Derived : TZmCustomMemoStyler {
        using TZmCustomMemoStyler::TZmCustomMemoStyler;
    };
    TComponent form;
    auto* list = new TZmStylerList(&form);
    auto* styler = new TZmCustomMemoStyler(&form);
    auto* derived = new Derived(&form);
    list->Add(styler);
    list->Add(derived);
    list->Add(styler);
    EXPECT_EQ(list->Count(), 1);
    delete styler;
    EXPECT_EQ(list->Count(), 0);
}

TEST(MemoTokens, LinesSplitAtDelimitersAndEscapesKeepTheirCharacter)
{
    const std::u32string delimiters = U" \"',";
    EXPECT_EQ(Texts(TokeniseLine(U"see www.x.org, now", delimiters, 0, true)),
              (std::vector<std::u32string>{U"see", U" ", U"www.x.org", U", ", U"now"}));
    EXPECT_EQ(Texts(TokeniseLine(U"a\\ b c", delimiters, U'\\', true)),
              (std::vector<std::u32string>{U"a\\ b", U" ", U"c"}));
    EXPECT_EQ(Texts(TokeniseLine(U"end\\", delimiters, U'\\', true)), (std::vector<std::u32string>{U"end\\"}));
    EXPECT_EQ(Texts(TokeniseLine(U"one, two", delimiters, 0, false)), (std::vector<std::u32string>{U"one, two"}));

    const auto tokens = TokeniseLine(U"go http://a.b now", delimiters, 0, true);
    const TMemoToken* at = TokenAt(tokens, 3);
    ASSERT_NE(at, nullptr);
    EXPECT_TRUE(LooksLikeUrl(at->Text));
    EXPECT_FALSE(LooksLikeUrl(TokenAt(tokens, 2)->Text));
    EXPECT_EQ(TokenAt(tokens, 17), nullptr);
    EXPECT_FALSE(LooksLikeUrl(U"HTTPS//x"));
    EXPECT_TRUE(LooksLikeUrl(U"mailto:a@b"));
}
