#include <gtest/gtest.h>

#include <limits>

#include "PixelTestKit.h"

namespace {

struct TextSurface {
    TBitmap bitmap{200, 100};
    TCanvas& canvas = bitmap.Canvas();
    std::vector<TTextRun> log;
    TextSurface() {
        bitmap.Fill(ColorToPixel(clWhite));
        canvas.Font().SetName("Tahoma");
        canvas.Font().SetHeight(-11);
        canvas.SetTextLog(&log);
    }
};

}  // namespace

TEST(FontResolution, SubstitutesTheClassicFamiliesAndFallsBackForMissingOnes) {
    auto& cache = TFontCache::Instance();
    EXPECT_EQ(cache.ResolveFamily("courier new"), "Liberation Mono");
    EXPECT_EQ(cache.ResolveFamily("MS Sans Serif", true), "Liberation Sans");
    EXPECT_EQ(cache.ResolveFamily("Times New Roman"), "Liberation Serif");
    TBitmap b(10, 10);
    b.Canvas().Font().SetName("No Such Family Anywhere");
    EXPECT_GT(b.Canvas().TextWidth("Hello"), 0);
    EXPECT_GT(b.Canvas().TextHeight("Pq"), 0);
}

TEST(FontResolution, FixedPitchFollowsTheFamily) {
    TCanvas screen;
    screen.Font().SetName("Courier New");
    screen.Font().SetSize(11);
    EXPECT_TRUE(screen.GetTextMetrics().FixedPitch);
    EXPECT_EQ(screen.TextWidth("abcde"), 5 * screen.GetTextMetrics().tmAveCharWidth);
    screen.Font().SetName("Arial");
    EXPECT_FALSE(screen.GetTextMetrics().FixedPitch);
    EXPECT_GT(screen.TextWidth("W"), screen.TextWidth("i"));
}

TEST(TextMetrics, AreConsistentWithMeasuredTextAndGrowWithTheFont) {
    TCanvas screen;  // no target: measuring before any window exists
    screen.Font().SetName("Tahoma");
    screen.Font().SetSize(10);
    EXPECT_EQ(screen.Font().Height(), -13);
    const TTextMetric tm = screen.GetTextMetrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, 13);
    EXPECT_EQ(screen.TextExtent("h,g_`"), (TSize{screen.TextWidth("h,g_`"), tm.tmHeight}));
    EXPECT_EQ(screen.TextWidth("ww"), 2 * screen.TextWidth("w"));
    EXPECT_EQ(screen.TextWidth(""), 0);
    const int small = screen.TextWidth("Hello world");
    screen.Font().SetHeight(-20);
    screen.Font().SetStyle(fsBold);
    EXPECT_GT(screen.TextWidth("Hello world"), small);
    EXPECT_GT(screen.GetTextMetrics().tmHeight, 20);
}

TEST(TextMetrics, WildHeightsAreCappedInsteadOfFailing) {
    TCanvas screen;
    screen.Font().SetHeight(-TFontFace::MaxPixelHeight);
    const int capped = screen.TextHeight("Pq");
    for (int h : {-100000, std::numeric_limits<int>::min()}) {
        screen.Font().SetHeight(h);
        EXPECT_EQ(screen.TextHeight("Pq"), capped);
    }
    screen.Font().SetHeight(std::numeric_limits<int>::max());
    EXPECT_GT(screen.TextWidth("W"), 0);
}

TEST(TextOut, RecordsPlacementThroughTheOriginAndMovesThePen) {
    TextSurface s;
    s.canvas.Font().SetColor(clBlue);
    s.canvas.TextOut(10, 20, "Kas");
    ASSERT_EQ(s.log.size(), 1u);
    const TTextRun& run = s.log[0];
    EXPECT_EQ(run.Text, "Kas");
    EXPECT_EQ(run.Cell, Rect(10, 20, 10 + s.canvas.TextWidth("Kas"), 20 + s.canvas.TextHeight("Kas")));
    EXPECT_EQ(run.Baseline, 20 + s.canvas.GetTextMetrics().tmAscent);
    EXPECT_EQ(run.Color, clBlue);
    EXPECT_EQ(s.canvas.PenPos(), Point(10 + run.Cell.Width(), 20));
    s.canvas.SetWindowOrg(Point(4, 3));
    s.canvas.TextOut(10, 10, "x");
    EXPECT_EQ(s.log.at(1).Cell.TopLeft(), Point(6, 7));
}

TEST(TextOut, InkStaysInsideTheCell) {
    TextSurface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.TextOut(30, 30, "Hg");
    const TRect cell = s.log.at(0).Cell;
    const TRect ink = NotWhite(s.bitmap);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, cell.Left - 1);
    EXPECT_LE(ink.Right, cell.Right + 1);
    EXPECT_GE(ink.Top, cell.Top);
    EXPECT_LE(ink.Bottom, cell.Bottom);
}

TEST(TextOut, OpaqueBackgroundFillsTheCellUnlessTransparent) {
    TextSurface s;
    s.canvas.Brush().SetColor(clYellow);
    s.canvas.TextOut(5, 5, "  ");
    const TRect cell = s.log.at(0).Cell;
    EXPECT_EQ(s.bitmap.ColorAt(cell.Left, cell.Top), clYellow);
    EXPECT_EQ(s.bitmap.ColorAt(cell.Right - 1, cell.Bottom - 1), clYellow);
    EXPECT_EQ(s.bitmap.ColorAt(cell.Right, cell.Top), clWhite);
    EXPECT_TRUE(s.log[0].Opaque);
    s.canvas.SetBkMode(TRANSPARENT);
    s.canvas.TextOut(5, 50, "  ");
    EXPECT_EQ(s.bitmap.ColorAt(6, 51), clWhite);
    EXPECT_FALSE(s.log.at(1).Opaque);
}

TEST(TextRect, ClipsTextToTheRectangleAndFillsIt) {
    TextSurface s;
    s.canvas.Brush().SetColor(clLime);
    s.canvas.TextRect(Rect(10, 10, 30, 25), 12, 11, "A long line of text that overflows");
    EXPECT_EQ(s.bitmap.ColorAt(10, 10), clLime);
    EXPECT_EQ(s.bitmap.ColorAt(29, 24), clLime);
    EXPECT_EQ(NotWhite(s.bitmap).Right, 30);
    EXPECT_EQ(s.log.at(0).Clip, Rect(10, 10, 30, 25));
}

TEST(DrawText, AlignsAndReturnsTheOffsetToTheBottom) {
    TextSurface s;
    TRect r = Rect(0, 0, 100, 40);
    const int w = s.canvas.TextWidth("OK");
    const int h = s.canvas.TextHeight("OK");
    EXPECT_EQ(s.canvas.DrawText("OK", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE), (40 - h) / 2 + h);
    s.canvas.DrawText("OK", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(s.canvas.DrawText("OK", r, DT_LEFT | DT_SINGLELINE | DT_RTLREADING), h);
    ASSERT_EQ(s.log.size(), 3u);
    EXPECT_EQ(s.log[0].Cell.TopLeft(), Point((100 - w) / 2, (40 - h) / 2));
    EXPECT_EQ(s.log[1].Cell.TopLeft(), Point(100 - w, 40 - h));
    EXPECT_EQ(s.log[2].Cell.TopLeft(), Point(0, 0));
}

TEST(DrawText, PrefixUnderlinesTheNextCharacter) {
    TextSurface s;
    TRect r = Rect(0, 0, 100, 20);
    s.canvas.DrawText("&Simpan", r, DT_SINGLELINE);
    s.canvas.DrawText("Kas && Bank", r, DT_SINGLELINE);
    s.canvas.DrawText("&Simpan", r, DT_SINGLELINE | DT_NOPREFIX);
    s.canvas.DrawText("Ba&tal", r, DT_SINGLELINE);
    EXPECT_EQ(s.log[0].Text, "Simpan");
    EXPECT_EQ(s.log[0].UnderlinedChar, 0);
    EXPECT_EQ(s.log[1].Text, "Kas & Bank");
    EXPECT_EQ(s.log[1].UnderlinedChar, -1);
    EXPECT_EQ(s.log[2].Text, "&Simpan");
    EXPECT_EQ(s.log[3].UnderlinedChar, 2);
}

TEST(DrawText, CalcRectMeasuresWithoutDrawingAndEmptyTextMeasuresNothing) {
    TextSurface s;
    const int w = s.canvas.TextWidth("Saldo awal");
    const int h = s.canvas.TextHeight("S");
    TRect r = Rect(5, 7, 5, 7);
    EXPECT_EQ(s.canvas.DrawText("Saldo awal", r, DT_CALCRECT | DT_SINGLELINE), h);
    EXPECT_EQ(r, Rect(5, 7, 5 + w, 7 + h));
    TRect two = Rect(0, 0, 500, 0);
    EXPECT_EQ(s.canvas.DrawText("one\r\ntwo lines", two, DT_CALCRECT), 2 * h);
    EXPECT_EQ(two.Right, s.canvas.TextWidth("two lines"));
    for (const char* text : {"", "&"}) {
        TRect e = Rect(5, 7, 50, 30);
        EXPECT_EQ(s.canvas.DrawText(text, e, DT_CALCRECT | DT_SINGLELINE), 0) << text;
        EXPECT_EQ(e, Rect(5, 7, 5, 7)) << text;
    }
    TRect r2 = Rect(5, 7, 50, 30);
    EXPECT_EQ(s.canvas.DrawText(" ", r2, DT_CALCRECT), h);
    EXPECT_EQ(s.canvas.DrawText("&", r2, DT_CALCRECT | DT_NOPREFIX), h);
    EXPECT_TRUE(s.log.empty());
}

TEST(DrawText, WordBreakWrapsToTheRectangleWidthAndALongWordOverflows) {
    TextSurface s;
    const int w = std::max(s.canvas.TextWidth("alpha beta"), s.canvas.TextWidth("gamma delta"));
    ASSERT_GT(s.canvas.TextWidth("alpha beta gamma"), w);
    TRect r = Rect(0, 0, w, 0);
    const int h = s.canvas.TextHeight("a");
    EXPECT_EQ(s.canvas.DrawText("alpha beta gamma delta", r, DT_CALCRECT | DT_WORDBREAK), 2 * h);
    EXPECT_LE(r.Width(), w);
    TRect draw = Rect(0, 0, w, 100);
    s.canvas.DrawText("alpha beta gamma delta", draw, DT_WORDBREAK);
    ASSERT_EQ(s.log.size(), 2u);
    EXPECT_EQ(s.log[0].Text, "alpha beta");
    EXPECT_EQ(s.log[1].Text, "gamma delta");
    EXPECT_EQ(s.log[1].Cell.Top, h);
    TRect narrow = Rect(0, 0, 10, 0);
    s.canvas.DrawText("a Pembukuan b", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.Width(), s.canvas.TextWidth("Pembukuan"));
    EXPECT_EQ(narrow.Height(), 3 * h);
}

TEST(DrawText, ClipsToTheRectangleUnlessNoClip) {
    TextSurface s;
    TRect r = Rect(0, 0, 20, 20);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.DrawText("WWWWWWWWWW", r, DT_SINGLELINE);
    EXPECT_LE(NotWhite(s.bitmap).Right, 20);
    s.canvas.DrawText("WWWWWWWWWW", r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(NotWhite(s.bitmap).Right, 20);
}

TEST(DrawText, TabsAdvanceToMultiplesOfEightAverageCharacterWidths) {
    TextSurface s;
    const int stop = 8 * s.canvas.GetTextMetrics().tmAveCharWidth;
    TRect r = Rect(10, 0, 300, 20);
    s.canvas.DrawText("ab\tc\t\t&d", r, DT_SINGLELINE | DT_EXPANDTABS);
    ASSERT_EQ(s.log.size(), 3u);
    EXPECT_EQ(s.log[1].Text, "c");
    EXPECT_EQ(s.log[1].Cell.Left, 10 + stop);
    EXPECT_EQ(s.log[2].Cell.Left, 10 + 3 * stop);
    EXPECT_EQ(s.log[2].UnderlinedChar, 0);
    TRect measured = Rect(10, 0, 300, 20);
    s.canvas.DrawText("ab\tc", measured, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT);
    EXPECT_EQ(measured.Right, 10 + stop + s.canvas.TextWidth("c"));
}

TEST(DrawText, ThemeOptionsMapOntoFlagsAndUnknownAlignmentIsLeft) {
    EXPECT_EQ(ThemeTextFlags(16, 4), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(ThemeTextFlags(4 | 8, 0), DT_NOPREFIX | DT_WORDBREAK | DT_LEFT | DT_TOP);
    EXPECT_EQ(ThemeTextFlags(0, 42), DT_LEFT);
}
