#include <gtest/gtest.h>

#include <set>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"
#include "platform/ui/TInputRouter.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"
#include "tests/skin/engine/RecordingText.h"

namespace {

struct TextSeam : ::testing::Test {
    RecordingText text;
    TBitmap bitmap{40, 20};
};

}  // namespace

TEST(RectHelpers, CentringRoundsHalfDifferencesTowardZero) {
    EXPECT_EQ(RectCenter(Rect(0, 0, 16, 16), Rect(5, 5, 20, 20)), Rect(5, 5, 21, 21));
    EXPECT_EQ(RectCenter(Rect(0, 0, 4, 2), Rect(10, 10, 20, 20)), Rect(13, 14, 17, 16));
    EXPECT_EQ(RectCenterVert(Rect(3, 3, 7, 5), Rect(10, 10, 20, 20)), Rect(10, 14, 14, 16));
}

TEST_F(TextSeam, DrawsAndMeasuresThroughTheTarget) {
    TRect r = Rect(2, 3, 30, 15);
    EXPECT_EQ(DrawWideText(bitmap.Canvas(), "Simpan", r, DT_CENTER | DT_SINGLELINE), 13);
    EXPECT_EQ(bitmap.Canvas().BkMode(), TRANSPARENT);
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].text, "Simpan");
    EXPECT_EQ(text.calls[0].rect, Rect(2, 3, 30, 15));
    EXPECT_EQ(text.calls[0].flags, DT_CENTER | DT_SINGLELINE);
    EXPECT_EQ(TextWidthW(bitmap.Canvas(), "abc"), 21);
    EXPECT_EQ(TextWidthW(bitmap.Canvas(), "abcd", DT_SINGLELINE), 28);
    EXPECT_EQ(text.calls.back().flags, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(text.calls.back().rect, TRect{});
    EXPECT_EQ(TextHeightW(bitmap.Canvas(), "x"), 13);
}

TEST_F(TextSeam, EllipsisKeepsWhatFits) {
    EXPECT_EQ(EllipsisTextW(bitmap.Canvas(), "Kas", 21), "Kas");
    EXPECT_EQ(EllipsisTextW(bitmap.Canvas(), "Kas kecil", 42), "Kas...");
    EXPECT_EQ(EllipsisTextW(bitmap.Canvas(), "Kas kecil", 0), "...");
    // Whole characters only: "é" is two bytes but one character wide here.
    EXPECT_EQ(EllipsisTextW(bitmap.Canvas(), "\xC3\xA9t\xC3\xA9 long", 35), "\xC3\xA9...");
}

TEST(FramesAndFills, GradientFrameAndChecker) {
    TBitmap g(100, 2);
    GradientFillRect(g.Canvas(), Rect(0, 0, 100, 2), clBlack, false, clWhite);  // bands start at the from colour
    EXPECT_EQ(g.ColorAt(1, 1), RGB(3, 3, 3));
    EXPECT_EQ(g.ColorAt(50, 0), RGB(128, 128, 128));  // 127.5 to even
    EXPECT_EQ(g.ColorAt(99, 0), RGB(252, 252, 252));
    TBitmap b(6, 6);
    b.Fill(ColorToPixel(clWhite));
    DrawFrame3D(b.Canvas(), Rect(0, 0, 6, 6), clRed, clBlue);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(b.ColorAt(i, 0), i < 5 ? clRed : clBlue) << i;
        EXPECT_EQ(b.ColorAt(0, i), i < 5 ? clRed : clBlue) << i;
    }
    EXPECT_EQ(b.ColorAt(2, 2), clWhite);
    FillRectChecker(b.Canvas(), Rect(-3, 1, 4, 3), clWhite, clBlack);
    EXPECT_EQ(b.ColorAt(1, 1), clBlack);
    EXPECT_EQ(b.ColorAt(2, 1), clWhite);
    EXPECT_EQ(b.ColorAt(0, 2), clBlack);
    EXPECT_EQ(b.Canvas().Brush().Bitmap(), nullptr);
}

TEST(Glyphs, FrameControlGlyphTakesTheColourAndSilhouetteLeavesKeyPixelsOut) {
    TBitmap b(16, 16);
    b.Fill(ColorToPixel(clGreen));
    DrawFrameControlColor(b.Canvas(), Rect(0, 0, 16, 16), DFC_MENU, clRed, DFCS_MENUCHECK);
    std::set<TColor> colours;
    for (int i = 0; i < 256; ++i) colours.insert(b.ColorAt(i % 16, i / 16));
    EXPECT_EQ(colours, (std::set<TColor>{clGreen, clRed}));
    EXPECT_EQ(b.ColorAt(10, 4), clRed);
    // A silhouette leaves key pixels out.
    TBitmap glyph(2, 1);
    glyph.SetPixelAt(0, 0, 0xFF7F007Fu);
    glyph.SetPixelAt(1, 0, 0xFF000000u);
    b.Fill(ColorToPixel(clWhite));
    DrawGlyphSilhouette(b.Canvas(), 0, 0, clBlack, glyph);
    EXPECT_EQ(b.ColorAt(0, 0), clWhite);
    EXPECT_EQ(b.ColorAt(1, 0), RGB(154, 154, 154));  // black at alpha 100 over white
}

TEST(Regions, RowRunsOfNonKeyPixels) {
    TteBitmap b;
    b.SetSize(4, 2);
    b.Fill(KeyColor);
    auto none = BitmapToRegionData(b, 0, 0);
    ASSERT_EQ(none.size(), 32u);
    EXPECT_EQ(none[8], 0);
    b.SetPixel(1, 0, 0xFF000000u);
    b.SetPixel(2, 0, 0x00000000u);
    b.SetPixel(3, 1, 0xFFFFFFFFu);
    const TRegion r = BitmapToRegion(b, 10, 20);
    EXPECT_EQ(r.Rects(), (std::vector<TRect>{Rect(11, 20, 13, 21), Rect(13, 21, 14, 22)}));
    EXPECT_TRUE(BitmapToRegionData(TteBitmap{}, 0, 0).empty());
}

TEST(InputTiming, NestedCaptureNeedsAsManyEnds) {
    THeadlessSession s;
    auto* form = s.CreateForm<TForm>();
    BeginMouseCapture(form);
    BeginMouseCapture(form);
    EndMouseCapture();
    EXPECT_EQ(GetCaptureControl(), form);
    EndMouseCapture();
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EndMouseCapture();
}
