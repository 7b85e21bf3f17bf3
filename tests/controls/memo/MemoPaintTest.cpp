#include <gtest/gtest.h>

#include "controls/memo/TZmCustomMemoStyler.h"
#include "platform/core/Unicode.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

struct StyledMemo : MemoFixture {
    TZmCustomMemoStyler* styler = CreateOwned<TZmCustomMemoStyler>(*form);

    StyledMemo()
    {
        styler->MultiCommentLeft = "/*";
        styler->MultiCommentRight = "*/";
        styler->LineComment = "//";
        styler->HexIdentifier = "0x";
        TElementStyle& words = *styler->ElementStyles().Add();
        words.KeyWords().Add("begin");
        words.Font().SetColor(clGreen);
        TElementStyle& quotes = *styler->ElementStyles().Add();
        quotes.SetStyleType(TStyleType::stBracket);
        quotes.SetBracketStart(U'\'');
        quotes.SetBracketEnd(U'\'');
        quotes.Font().SetColor(clMaroon);
        TElementStyle& symbols = *styler->ElementStyles().Add();
        symbols.SetStyleType(TStyleType::stSymbol);
        symbols.SetSymbols(U";=");
        symbols.Font().SetColor(clPurple);
        memo->SetSyntaxStyles(styler);
    }
    // Each run of the line as "text:colour".
    std::vector<std::string> Runs(int line)
    {
        TMemoLexState state = memo->ComputeTopLineState(line);
        std::vector<std::string> out;
        for (const TMemoRun& run : memo->LineRuns(line, state))
            out.push_back(Utf32ToUtf8(run.Text) + ":" + ColorToString(run.Color));
        return out;
    }
};

using Runs = std::vector<std::string>;

} // namespace

TEST(MemoColouring, TokensTakeTheirStyles)
{
    StyledMemo f;
    f.memo->SetUrlAware(false);
    const struct {
        const char* text;
        Runs runs;
    } cases[] = {
        {"begin x", {"begin:clGreen", " x:clBlack"}},
        {"x:='abc';", {"x::clBlack", "=:clPurple", "'abc':clMaroon", ";:clPurple"}},
        {"0x1F.", {"0x1F.:clNavy"}},
        {"1.2.3", {"1.2:clNavy", ".3:clBlack"}},
        {"a // rest", {"a :clBlack", "// rest:clSilver"}},
        {"a /* b */ c", {"a :clBlack", "/* b */:clSilver", " c:clBlack"}},
        {"'it\\'s'", {"'it\\'s':clMaroon"}},
    };
    f.styler->EscapeChar = "\\";
    for (const auto& c : cases) {
        f.memo->Lines().Clear();
        f.memo->Lines().Add(c.text);
        EXPECT_EQ(f.Runs(0), c.runs) << c.text;
    }
}

TEST(MemoColouring, PlainTextShowsLinksWithoutAStyler)
{
    MemoFixture f;
    f.memo->Lines().Put(0, "see http://x.org now");
    TMemoLexState state;
    const std::vector<TMemoRun> runs = f.memo->LineRuns(0, state);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].Column, 4);
    EXPECT_EQ(runs[1].Text, U"http://x.org");
    EXPECT_EQ(runs[1].Color, clBlue);
    EXPECT_EQ(runs[1].Style, fsUnderline);
    EXPECT_EQ(runs[2].Color, clBlack);
}

TEST(MemoColouring, OpeningACommentRecoloursEveryShownLineBelow)
{
    StyledMemo f;
    f.ShowRows(30);
    f.Fill(60);
    f.Painted();
    ASSERT_EQ(f.Runs(25), (Runs{"line :clBlack", "25:clNavy"}));
    f.memo->Lines().Put(10, "line /* opens");
    f.Painted();
    EXPECT_EQ(f.Runs(25), Runs{"line 25:clSilver"});
    std::vector<TTextRun> painted = f.Painted();
    // The painted line below the cached line 20 is comment too.
    const auto line25 = std::find_if(painted.begin(), painted.end(), [](const TTextRun& r) { return r.Text == "line 25"; });
    ASSERT_NE(line25, painted.end());
    EXPECT_EQ(line25->Color, clSilver);
}

TEST(MemoColouring, APageDownRescansFewerThanTwentyLines)
{
    StyledMemo f;
    f.ShowRows(20);
    f.Fill(500);
    f.Painted();
    f.memo->SetTopLine(21);
    f.memo->ResetScannedLines();
    f.Painted();
    const int drawn = f.memo->VisibleRows() + 1;
    EXPECT_LE(f.memo->ScannedLines(), drawn + 19);
}

TEST(MemoPainting, SelectionShowsWithTheFocusOrWithoutHideSelection)
{
    MemoFixture f;
    f.memo->Lines().Put(0, "selected words here");
    f.memo->SetSelection(0, 0, 8, 0);
    auto painted = [&](const std::string& text) {
        for (const TTextRun& run : f.Painted())
            if (run.Text == text)
                return run.Color;
        return clNone;
    };
    const TRect cell = f.memo->CellRect(0, 0);
    // The pixel under the selection just below the glyphs' bottom.
    auto background = [&] {
        f.session.ProcessUntilIdle();
        return f.session.ClientColor(*f.memo, cell.Left + 1, cell.Bottom - 1);
    };
    EXPECT_EQ(background(), clWhite);
    f.memo->SetFocus();
    EXPECT_EQ(background(), clNavy);
    EXPECT_EQ(painted("selected"), clWhite);
    f.Place<TZmMemo>(10, 250, 100, 40)->SetFocus();
    f.session.ProcessUntilIdle();
    ASSERT_FALSE(f.memo->Focused());
    EXPECT_EQ(background(), clWhite);
    f.memo->SetHideSelection(false);
    EXPECT_EQ(background(), clNavy);
    EXPECT_EQ(painted("selected"), clWhite);
}

TEST(MemoPainting, GutterMarksTheRowsOfTheirLinesUnderWrap)
{
    MemoFixture f;
    f.ShowRows(8, 200);
    TStringList lines;
    lines.Add("first line is long enough to wrap around twice or even more");
    lines.Add("second");
    f.memo->SetLines(lines);
    f.memo->SetWordWrap(TWordWrap::wwClientWidth);
    f.session.ProcessUntilIdle();
    int second = 0;
    while (f.memo->Lines().Get(second) != "second")
        ++second;
    ASSERT_GE(second, 2);
    f.memo->Lines().SetBreakpoint(second, true);
    f.memo->ActiveLineSettings().SetShowActiveLineIndicator(true);
    f.memo->SetActiveLine(0);
    std::vector<std::string> numbers;
    std::vector<int> rows;
    for (const TTextRun& run : f.Painted())
        if (run.Text == "1" || run.Text == "2") {
            numbers.push_back(run.Text);
            rows.push_back(run.Cell.Top);
        }
    ASSERT_EQ(numbers, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(rows[1], f.memo->CellRect(0, second).Top);
    f.session.ProcessUntilIdle();
    const int left = f.memo->Gutter().GutterRect().Left;
    // The breakpoint's red disc on the second line's row, none on the rows between.
    EXPECT_EQ(f.session.ClientColor(*f.memo, left + 7, f.memo->CellRect(0, second).Top + 9), clRed);
    EXPECT_NE(f.session.ClientColor(*f.memo, left + 7, f.memo->CellRect(0, 1).Top + 9), clRed);
    // The active-line arrow on the first row only.
    EXPECT_EQ(f.session.ClientColor(*f.memo, left + 17, f.memo->CellRect(0, 0).Top + 9), clLime);
    EXPECT_NE(f.session.ClientColor(*f.memo, left + 17, f.memo->CellRect(0, second).Top + 9), clLime);
}

TEST(MemoPainting, RightMarginStaysInsideTheText)
{
    MemoFixture f;
    f.memo->SetScrollBars(TScrollStyle::ssNone);
    f.memo->SetBounds(10, 10, 380, 100);
    f.memo->SetRightMargin(40);
    f.memo->SetLeftCol(10);
    f.session.ProcessUntilIdle();
    const TRect text = f.memo->TextRect();
    const int x = text.Left + 30 * f.memo->CharWidth();
    EXPECT_EQ(f.session.ClientColor(*f.memo, x, 50), TColor(0xE2E2E2));
    f.memo->SetLeftCol(60);
    f.session.ProcessUntilIdle();
    for (int px = 0; px < text.Left; ++px)
        EXPECT_NE(f.session.ClientColor(*f.memo, px, 50), TColor(0xE2E2E2)) << px;
    f.memo->SetLeftCol(0);
    f.memo->SetRightMargin(0);
    f.session.ProcessUntilIdle();
    for (int px = text.Left; px < text.Right; ++px)
        EXPECT_NE(f.session.ClientColor(*f.memo, px, 50), TColor(0xE2E2E2)) << px;
}
