#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TImageList.h"
#include "PixelTestKit.h"

TEST(BitBlt, CopiesBetweenCanvasesOnlyWhatTheSourceHasAndReadsBack) {
    auto src = Solid(4, 4, clBlue, clYellow);
    auto dst = Solid(10, 10, clWhite);
    dst->Canvas().BitBlt(3, 2, 4, 4, src->Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst->ColorAt(3, 2), clBlue);
    EXPECT_EQ(dst->ColorAt(4, 3), clYellow);
    EXPECT_EQ(dst->ColorAt(7, 2), clWhite);
    auto back = dst->Canvas().ReadPixels(Rect(3, 2, 7, 6));
    EXPECT_EQ(back->Width(), 4);
    EXPECT_EQ(back->ColorAt(1, 1), clYellow);
    auto small = Solid(2, 2, clBlue);
    auto out = Solid(6, 6, clWhite);
    out->Canvas().BitBlt(0, 0, 6, 6, *small, -1, -1, SRCCOPY);
    EXPECT_EQ(out->ColorAt(0, 0), clWhite);
    EXPECT_EQ(out->ColorAt(1, 1), clBlue);
    EXPECT_EQ(out->ColorAt(2, 2), clBlue);
    EXPECT_EQ(out->ColorAt(3, 3), clWhite);
}

TEST(BitBlt, OverlappingCopyWithinOneCanvas) {
    auto b = Solid(6, 1, clWhite);
    for (int x = 0; x < 6; ++x) b->SetPixelAt(x, 0, ColorToPixel(RGB(x, 0, 0)));
    b->Canvas().BitBlt(1, 0, 5, 1, b->Canvas(), 0, 0, SRCCOPY);
    for (int x = 1; x < 6; ++x) EXPECT_EQ(b->ColorAt(x, 0), RGB(x - 1, 0, 0));
}

TEST(BitBlt, RasterOperations) {
    auto src = Solid(3, 3, RGB(10, 200, 30));
    auto dst = Solid(3, 3, RGB(100, 50, 7));
    dst->Canvas().BitBlt(0, 0, 3, 3, *src, 0, 0, SRCINVERT);
    EXPECT_EQ(dst->ColorAt(0, 0), RGB(10 ^ 100, 200 ^ 50, 30 ^ 7));
    dst->Canvas().BitBlt(0, 0, 3, 3, *src, 0, 0, SRCINVERT);
    EXPECT_EQ(dst->ColorAt(2, 2), RGB(100, 50, 7));
    // The mask operation paints the brush where the mask is white.
    auto mask = Solid(4, 1, clBlack);
    mask->SetPixelAt(1, 0, ColorToPixel(clWhite));
    auto masked = Solid(4, 1, clGreen);
    masked->Canvas().Brush().SetColor(clRed);
    masked->Canvas().BitBlt(0, 0, 4, 1, *mask, 0, 0, ROP_DSPDxax);
    EXPECT_EQ(masked->ColorAt(0, 0), clGreen);
    EXPECT_EQ(masked->ColorAt(1, 0), clRed);
    EXPECT_EQ(masked->ColorAt(2, 0), clGreen);
    masked->Canvas().PatBlt(0, 0, 2, 1, BLACKNESS);
    masked->Canvas().Brush().SetColor(clAqua);
    masked->Canvas().PatBlt(2, 0, 1, 1, PATCOPY);
    EXPECT_EQ(masked->ColorAt(1, 0), clBlack);
    EXPECT_EQ(masked->ColorAt(2, 0), clAqua);
    EXPECT_EQ(masked->ColorAt(3, 0), clGreen);
}

TEST(BitBlt, MonochromeKeysOnTheGivenColour) {
    auto b = Solid(3, 1, clBtnFace);
    b->SetPixelAt(2, 0, ColorToPixel(clNavy));
    b->SetPixelAt(0, 0, ColorToPixel(RGB(212, 208, 200)));
    auto mono = b->Monochrome(clBtnFace);
    EXPECT_EQ(mono->ColorAt(0, 0), clWhite);
    EXPECT_EQ(mono->ColorAt(1, 0), clWhite);
    EXPECT_EQ(mono->ColorAt(2, 0), clBlack);
}

TEST(StretchBlt, NearestNeighbourScalingByCopyRectAndStretchBlt) {
    auto src = Solid(4, 4, clBlue, clYellow);
    auto dst = Solid(20, 20, clWhite);
    dst->Canvas().CopyRect(Rect(0, 0, 4, 4), src->Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(dst->ColorAt(1, 1), clYellow);
    EXPECT_EQ(dst->ColorAt(4, 0), clWhite);
    dst->Canvas().CopyRect(Rect(10, 10, 18, 18), src->Canvas(), Rect(0, 0, 4, 4));
    EXPECT_EQ(dst->ColorAt(12, 12), clYellow);
    EXPECT_EQ(dst->ColorAt(13, 13), clYellow);
    EXPECT_EQ(dst->ColorAt(14, 14), clBlue);
    EXPECT_EQ(dst->ColorAt(17, 17), clBlue);
    EXPECT_EQ(dst->ColorAt(18, 18), clWhite);
    auto two = Solid(2, 2, clBlue);
    two->SetPixelAt(1, 0, ColorToPixel(clRed));
    dst->Canvas().StretchBlt(0, 0, 4, 4, *two, 0, 0, 2, 2);
    EXPECT_EQ(dst->ColorAt(2, 0), clRed);
    EXPECT_EQ(dst->ColorAt(3, 1), clRed);
    EXPECT_EQ(dst->ColorAt(1, 1), clBlue);
    EXPECT_EQ(dst->ColorAt(3, 2), clBlue);
}

TEST(StretchBlt, PartlyVisibleStretchKeepsTheWholeRectanglesScale) {
    auto src = Solid(2, 1, clRed);
    src->SetPixelAt(1, 0, ColorToPixel(clBlue));
    auto dst = Solid(10, 10, clWhite);
    dst->Canvas().StretchDraw(Rect(-5, 0, 15, 10), *src);
    EXPECT_EQ(dst->ColorAt(4, 9), clRed);
    EXPECT_EQ(dst->ColorAt(5, 0), clBlue);
    dst->Canvas().SetWindowOrg({3, 0});
    dst->Canvas().StretchBlt(0, 0, 6, 2, *src, 0, 0, 2, 1);
    EXPECT_EQ(dst->ColorAt(0, 0), clBlue);
    EXPECT_EQ(dst->ColorAt(2, 1), clBlue);
    EXPECT_EQ(dst->ColorAt(3, 0), clRed);  // left from the first stretch
}

TEST(StretchBlt, AHugeDestinationCostsOnlyWhatIsVisible) {
    auto src = Solid(2, 2, clRed);
    src->SetPixelAt(1, 1, ColorToPixel(clBlue));
    src->SetTransparent(true);
    src->SetTransparentColor(clFuchsia);
    auto dst = Solid(10, 10, clWhite);
    dst->Canvas().StretchDraw(Rect(0, 0, 200000, 200000), *src);
    EXPECT_EQ(dst->ColorAt(9, 9), clRed);
    dst->Canvas().BrushCopy(Rect(-200000, -200000, 10, 10), *src, Rect(0, 0, 2, 2), clRed);
    EXPECT_EQ(dst->ColorAt(0, 0), clBlue);
}

TEST(Draw, TransparentBitmapLeavesItsKeyOutAndBrushCopyReplacesIt) {
    auto src = Solid(3, 3, clFuchsia, clNavy);
    auto dst = Solid(3, 3, clWhite);
    src->SetTransparent(true);
    EXPECT_EQ(src->TransparentColor(), clFuchsia);
    dst->Canvas().Draw(0, 0, *src);
    EXPECT_EQ(dst->ColorAt(0, 0), clWhite);
    EXPECT_EQ(dst->ColorAt(1, 1), clNavy);
    dst->Canvas().DrawTransparent(0, 0, *src, clNavy);
    EXPECT_EQ(dst->ColorAt(0, 0), clFuchsia);
    EXPECT_EQ(dst->ColorAt(1, 1), clNavy);
    dst->Canvas().Brush().SetColor(clBtnFace);
    dst->Canvas().BrushCopy(Rect(0, 0, 3, 3), *src, Rect(0, 0, 3, 3), clFuchsia);
    EXPECT_EQ(dst->ColorAt(0, 0), RGB(212, 208, 200));
    EXPECT_EQ(dst->ColorAt(1, 1), clNavy);
}

TEST(Draw, ClippedAndShiftedByTheOriginAndAnEmptyBitmapDrawsNothing) {
    auto src = Solid(4, 4, clBlue);
    auto dst = Solid(8, 8, clWhite);
    dst->Canvas().SetWindowOrg(Point(-2, -2));
    dst->Canvas().IntersectClipRect(0, 0, 2, 2);
    dst->Canvas().Draw(0, 0, *src);
    EXPECT_EQ(dst->ColorAt(2, 2), clBlue);
    EXPECT_EQ(dst->ColorAt(3, 3), clBlue);
    EXPECT_EQ(dst->ColorAt(4, 4), clWhite);
    TBitmap empty;
    EXPECT_TRUE(empty.Empty());
    dst->Canvas().Draw(0, 0, empty);
    dst->Canvas().StretchDraw(Rect(0, 0, 2, 2), empty);
    EXPECT_EQ(dst->ColorAt(2, 2), clBlue);
}

TEST(BitmapStorage, StraightPixelsSurviveCanvasDrawingElsewhere) {
    TBitmap b(3, 1);
    b.SetPixelAt(0, 0, 0x007F007Fu);
    b.Canvas().Brush().SetColor(clRed);
    b.Canvas().FillRect(Rect(1, 0, 3, 1));
    b.Canvas().Ellipse(1, 0, 3, 1);
    EXPECT_EQ(b.PixelAt(0, 0), 0x007F007Fu);
}

TEST(BitmapStorage, BadIndicesAndSizesRaise) {
    TBitmap b(2, 2);
    EXPECT_THROW(b.ScanLine(2), EListError);
    EXPECT_THROW(b.PixelAt(-1, 0), EListError);
    EXPECT_THROW(b.SetSize(-1, 3), EInvalidOperation);
    EXPECT_THROW(b.SetSize(40000, 1), EOutOfResources);
    EXPECT_THROW(b.SetSize(20000, 20000), EOutOfResources);
    EXPECT_EQ(b.Width(), 2);
}

TEST(BitmapStorage, ChangeNotificationAndAssign) {
    TBitmap a(2, 2), b;
    int changes = 0;
    b.OnChange = [&](TBitmap*) { ++changes; };
    a.SetPixelAt(1, 1, 0xFF123456u);
    b.Assign(a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.PixelAt(1, 1), 0xFF123456u);
    b.SetSize(3, 3);
    EXPECT_EQ(changes, 2);
}

TEST(ImageLists, AddMaskedCutsAStripAndDrawsMaskedOrEmbossed) {
    TBitmap strip(8, 4);
    strip.Fill(ColorToPixel(clWhite));
    strip.SetPixelAt(1, 1, ColorToPixel(clRed));
    strip.SetPixelAt(5, 2, ColorToPixel(clBlue));
    TImageList list(4, 4);
    EXPECT_EQ(list.AddMasked(strip, clWhite), 0);
    EXPECT_EQ(list.Count(), 2);
    auto dst = Solid(4, 4, clGreen);
    list.Draw(dst->Canvas(), 0, 0, 1);
    EXPECT_EQ(dst->ColorAt(1, 2), clBlue);
    EXPECT_EQ(dst->ColorAt(1, 1), clGreen);
    auto disabled = Solid(4, 4, clGreen);
    list.Draw(disabled->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(disabled->ColorAt(1, 1), RGB(128, 128, 128));
    EXPECT_EQ(disabled->ColorAt(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(disabled->ColorAt(3, 3), clGreen);
    list.SetBkColor(clYellow);
    list.Draw(dst->Canvas(), 0, 0, 0);
    EXPECT_EQ(dst->ColorAt(1, 1), clRed);
    EXPECT_EQ(dst->ColorAt(0, 0), clYellow);
    EXPECT_THROW(list.Draw(dst->Canvas(), 0, 0, 2), EListError);
}

TEST(ImageLists, AZeroSizedListTakesTheFirstBitmapsSize) {
    TImageList list(0, 0);
    TBitmap glyph(9, 11);
    EXPECT_EQ(list.AddMasked(glyph, clSilver), 0);
    EXPECT_EQ(list.Width(), 9);
    EXPECT_EQ(list.Height(), 11);
    TBitmap small(3, 3);
    EXPECT_EQ(list.AddMasked(small, clWhite), -1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(AlphaPixels, ComposeStraightAlphaStretchedAndClipped) {
    auto dst = Solid(4, 1, RGB(0, 0, 200));
    const uint32_t pixels[4] = {0x007F007Fu, 0xFFFF0000u, 0x80FF0000u, 0x00000000u};
    dst->Canvas().DrawAlphaPixels(Rect(0, 0, 4, 1), pixels, 4, 1, 16);
    EXPECT_EQ(dst->ColorAt(0, 0), RGB(0, 0, 200));  // the key pixel has zero alpha and is left out
    EXPECT_EQ(dst->ColorAt(1, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst->ColorAt(2, 0), RGB(128, 0, 100));
    EXPECT_EQ(dst->ColorAt(3, 0), RGB(0, 0, 200));
    auto big = Solid(6, 6, clWhite);
    const uint32_t quad[4] = {0xFF000000u, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
    big->Canvas().IntersectClipRect(0, 0, 3, 6);
    big->Canvas().DrawAlphaPixels(Rect(0, 0, 4, 4), quad, 2, 2, 8);
    EXPECT_EQ(big->ColorAt(1, 1), clBlack);
    EXPECT_EQ(big->ColorAt(2, 0), clRed);
    EXPECT_EQ(big->ColorAt(0, 3), clLime);
    EXPECT_EQ(big->ColorAt(3, 0), clWhite);
}
