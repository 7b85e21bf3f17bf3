#include <gtest/gtest.h>

#include <limits>
#include <random>

#include <cairo.h>

#include "platform/core/Exceptions.h"
#include "PixelTestKit.h"

TEST(Regions, RectanglesAreHalfOpenAndFromRectsMergesOverlapsAndSkipsEmptyOnes) {
    TRegion r(Rect(2, 2, 5, 6));
    EXPECT_TRUE(r.Contains(2, 2));
    EXPECT_TRUE(r.Contains(4, 5));
    EXPECT_FALSE(r.Contains(5, 5));
    EXPECT_FALSE(r.Contains(4, 6));
    EXPECT_EQ(r.Kind(), SIMPLEREGION);
    EXPECT_EQ(TRegion().Kind(), NULLREGION);
    EXPECT_TRUE(TRegion(Rect(3, 3, 3, 9)).IsEmpty());
    const TRegion m = TRegion::FromRects({Rect(0, 0, 10, 10), Rect(5, 5, 15, 15), Rect(3, 3, 3, 8), Rect(20, 0, 18, 4)});
    EXPECT_EQ(m.Bounds(), Rect(0, 0, 15, 15));
    EXPECT_TRUE(m.Contains(12, 12));
    EXPECT_FALSE(m.Contains(12, 2));
    EXPECT_FALSE(m.Contains(15, 15));
    EXPECT_TRUE(TRegion::FromRects({}).IsEmpty());
}

TEST(Regions, UnionOffsetAndCopiesAreIndependent) {
    TRegion a(Rect(0, 0, 4, 4));
    TRegion b = a;
    b.Union(Rect(10, 0, 12, 2));
    b.Offset(1, 1);
    EXPECT_EQ(a.Bounds(), Rect(0, 0, 4, 4));
    EXPECT_EQ(b.Bounds(), Rect(1, 1, 13, 5));
    EXPECT_EQ(b.Kind(), COMPLEXREGION);
    EXPECT_TRUE(b.Contains(11, 1));
    EXPECT_FALSE(b.Contains(7, 1));
}

TEST(Regions, RoundRectCutsItsCornersAndLeavesOutTheRightAndBottomEdges) {
    const TRegion r = TRegion::RoundRect(Rect(0, 0, 20, 10), 10, 10);
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(18, 8));
    EXPECT_TRUE(r.Contains(10, 0));
    EXPECT_TRUE(r.Contains(0, 5));
    const TRegion small = TRegion::RoundRect(Rect(1, 1, 30, 20), 6, 6);
    EXPECT_EQ(small.Bounds(), Rect(1, 1, 29, 19));
    EXPECT_TRUE(small.Contains(28, 10));
    EXPECT_TRUE(small.Contains(15, 18));
}

TEST(Regions, RgnDataRoundTripsAndBadDataIsRejected) {
    TRegion r = TRegion::FromRects({Rect(0, 0, 3, 1), Rect(5, 2, 8, 4)});
    std::vector<uint8_t> data = r.ToRgnData();
    ASSERT_EQ(data.size(), 32u + 16u * static_cast<size_t>(r.RectCount()));
    EXPECT_TRUE(TRegion::FromRgnData(data).Equals(r));
    EXPECT_THROW(TRegion::FromRgnData(std::vector<uint8_t>(data.begin(), data.begin() + 40)), EConvertError);
    data[4] = 2;
    EXPECT_THROW(TRegion::FromRgnData(data), EConvertError);
    EXPECT_THROW(TRegion::FromRgnData({1, 2, 3}), EConvertError);
}

namespace {

std::vector<uint8_t> RgnData(const std::vector<TRect>& rects) {
    std::vector<uint8_t> data;
    auto put = [&](int32_t v) {
        for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    };
    for (int32_t v : {32, 1, static_cast<int32_t>(rects.size()), static_cast<int32_t>(rects.size() * 16), 0, 0, 0, 0}) put(v);
    for (const TRect& r : rects)
        for (int v : {r.Left, r.Top, r.Right, r.Bottom}) put(v);
    return data;
}

}  // namespace

TEST(Regions, RandomRgnDataGivesARegionOrTheConversionError) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    EXPECT_THROW(TRegion::FromRgnData(RgnData({Rect(5, 0, 2, 2)})), EConvertError);
    EXPECT_THROW(TRegion::FromRgnData(RgnData({Rect(0, 0, 2, 2), Rect(kMin, 0, kMax, 1)})), EConvertError);
    std::mt19937 random(29);
    const int edges[] = {kMin, kMin + 1, -(1 << 30) - 1, -(1 << 30), -1, 0, 1, 7, 1 << 30, (1 << 30) + 1, kMax - 1, kMax};
    auto coordinate = [&] {
        return random() % 2 ? edges[random() % std::size(edges)] : static_cast<int>(random() % 64) - 32;
    };
    for (int round = 0; round < 2000; ++round) {
        std::vector<TRect> rects(random() % 5);
        for (TRect& r : rects) r = {coordinate(), coordinate(), coordinate(), coordinate()};
        try {
            const TRegion region = TRegion::FromRgnData(RgnData(rects));
            const TRect b = region.Bounds();
            EXPECT_GE(static_cast<int64_t>(b.Right) - b.Left, 0);
            EXPECT_TRUE(TRegion::FromRgnData(region.ToRgnData()).Equals(region));
        } catch (const EConvertError&) {
        }
    }
}

TEST(Regions, FromKeyedBitmapLeavesTheKeyOut) {
    TBitmap b(4, 2);
    b.Fill(ColorToPixel(RGB(127, 0, 127)));
    b.SetPixelAt(1, 0, ColorToPixel(clBlack));
    b.SetPixelAt(2, 0, ColorToPixel(clBlack));
    b.SetPixelAt(3, 1, ColorToPixel(RGB(130, 2, 124)));
    const TRegion exact = TRegion::FromBitmap(b, RGB(127, 0, 127));
    EXPECT_TRUE(exact.Contains(1, 0));
    EXPECT_TRUE(exact.Contains(3, 1));
    EXPECT_FALSE(exact.Contains(0, 0));
    const TRegion tolerant = TRegion::FromBitmap(b, RGB(127, 0, 127), 5);
    EXPECT_FALSE(tolerant.Contains(3, 1));
    EXPECT_TRUE(tolerant.Contains(2, 0));
}

TEST(Clipping, IntersectAndExcludeLimitFills) {
    Surface s;
    s.canvas.IntersectClipRect(5, 5, 10, 10);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clRed), 25);
    EXPECT_EQ(s.bitmap.ColorAt(4, 5), clWhite);
    EXPECT_EQ(s.canvas.ClipRect(), Rect(5, 5, 10, 10));
    Surface t;
    t.canvas.ExcludeClipRect(2, 2, 4, 4);
    t.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(t.Count(clWhite), 4);
    EXPECT_EQ(t.bitmap.ColorAt(2, 2), clWhite);
    TRect box;
    EXPECT_EQ(t.canvas.GetClipBox(box), COMPLEXREGION);
    EXPECT_EQ(box, Rect(0, 0, 20, 20));
}

TEST(Clipping, AppliesToLinesShapesPixelsAndText) {
    Surface s;
    s.canvas.IntersectClipRect(0, 0, 5, 20);
    s.canvas.MoveTo(0, 1);
    s.canvas.LineTo(19, 1);
    s.canvas.SetPixel(10, 10, clBlack);
    s.canvas.Ellipse(0, 5, 20, 15);
    s.canvas.Font().SetHeight(-14);
    s.canvas.TextOut(0, 15, "WWWWWWWW");
    EXPECT_EQ(s.Touched().Right, 5);
    EXPECT_EQ(s.bitmap.ColorAt(4, 1), clBlack);
    EXPECT_EQ(s.canvas.Pixel(10, 10), clNone);
}

TEST(Clipping, SelectClipRgnIsInDeviceCoordinates) {
    Surface s;
    s.canvas.SetWindowOrg(Point(5, 5));
    TRegion region(Rect(0, 0, 3, 3));
    s.canvas.SelectClipRgn(&region);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clRed), 9);
    EXPECT_EQ(s.canvas.ClipRect(), Rect(5, 5, 8, 8));
    s.canvas.SelectClipRgn(nullptr);
    TRegion none;
    EXPECT_FALSE(s.canvas.GetClipRgn(none));
}

TEST(Origin, WindowOrgShiftsByMinusPAndFillRgnUsesLogicalCoordinates) {
    Surface s;
    s.canvas.SetWindowOrg(Point(-4, -2));
    s.canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(s.bitmap.ColorAt(4, 2), clRed);
    EXPECT_EQ(s.canvas.Origin(), Point(4, 2));
    Surface t;
    t.canvas.SetViewportOrg(Point(10, 0));
    t.canvas.FillRgn(TRegion(Rect(0, 0, 2, 2)), clBlue);
    EXPECT_EQ(t.bitmap.ColorAt(11, 1), clBlue);
    EXPECT_EQ(t.Count(clBlue), 4);
}

TEST(SaveRestore, RestoresClipOriginAndToolsAndNegativeLevelsCountBack) {
    Surface s;
    const int level = s.canvas.SaveDC();
    s.canvas.IntersectClipRect(0, 0, 2, 2);
    s.canvas.SetWindowOrg(Point(3, 3));
    s.canvas.Brush().SetColor(clBlue);
    s.canvas.Pen().SetWidth(2);
    s.canvas.Font().SetName("Courier New");
    s.canvas.SaveDC();
    s.canvas.Brush().SetColor(clLime);
    EXPECT_TRUE(s.canvas.RestoreDC(level));
    EXPECT_EQ(s.canvas.WindowOrg(), Point(0, 0));
    EXPECT_EQ(s.canvas.Pen().Width(), 1);
    EXPECT_EQ(s.canvas.Font().Name(), "MS Sans Serif");
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clRed), 400);
    EXPECT_FALSE(s.canvas.RestoreDC(-1));
    s.canvas.SaveDC();
    s.canvas.SetViewportOrg(Point(1, 1));
    s.canvas.SaveDC();
    s.canvas.SetViewportOrg(Point(2, 2));
    EXPECT_TRUE(s.canvas.RestoreDC(-1));
    EXPECT_EQ(s.canvas.ViewportOrg(), Point(1, 1));
    EXPECT_TRUE(s.canvas.RestoreDC(-1));
    EXPECT_EQ(s.canvas.ViewportOrg(), Point(0, 0));
}

TEST(Targets, RawPixelMemoryIsDrawnInPlaceAndBadMemoryIsRefused) {
    std::vector<uint32_t> memory(8 * 4, 0u);
    int owner = 0;
    TCanvas canvas(TCanvasTarget::OfPixels(memory.data(), 8, 4, 8 * 4, &owner));
    EXPECT_EQ(canvas.TargetOwner(), &owner);
    canvas.Brush().SetColor(RGB(1, 2, 3));
    canvas.FillRect(Rect(1, 1, 3, 2));
    EXPECT_EQ(memory[8 + 1], 0xFF010203u);
    EXPECT_EQ(memory[8 + 3], 0u);
    canvas.IntersectClipRect(0, 0, 4, 4);
    canvas.SetViewportOrg(Point(1, 0));
    const TDirectAccess a = canvas.DirectAccess();
    EXPECT_EQ(a.Data, memory.data());
    EXPECT_EQ(a.Stride, 32);
    EXPECT_EQ(a.Origin, Point(1, 0));
    EXPECT_EQ(a.ClipBox, Rect(0, 0, 4, 4));
    uint32_t px = 0;
    EXPECT_THROW(TCanvasTarget::OfPixels(&px, 4, 1, 8), EInvalidOperation);
    EXPECT_THROW(TCanvasTarget::OfPixels(nullptr, 4, 4, 16), EInvalidOperation);
}

TEST(Targets, AResizedBitmapKeepsItsCanvasWorking) {
    TBitmap b(2, 2);
    b.Canvas().Brush().SetColor(clBlue);
    b.Canvas().FillRect(Rect(0, 0, 2, 2));
    b.SetSize(6, 5);
    EXPECT_EQ(b.ColorAt(1, 1), clBlue);
    EXPECT_EQ(b.ColorAt(5, 4), clBlack);
    b.Canvas().Ellipse(0, 0, 6, 5);
    b.Canvas().TextOut(0, 0, "x");
    EXPECT_EQ(b.Canvas().ClipRect(), Rect(0, 0, 6, 5));
}

TEST(Targets, ScreenCanvasMeasuresButDrawsNothing) {
    TCanvas screen;
    screen.FillRect(Rect(0, 0, 10, 10));
    screen.Ellipse(0, 0, 10, 10);
    screen.TextOut(0, 0, "abc");
    EXPECT_GT(screen.TextWidth("abc"), 0);
    EXPECT_EQ(screen.Pixel(0, 0), clNone);
    EXPECT_THROW(screen.DirectAccess(), EInvalidOperation);
}

TEST(Targets, PushAndPopComeBackWithClipAndOrigin) {
    Surface s;
    s.canvas.SetViewportOrg(Point(2, 2));
    s.canvas.IntersectClipRect(0, 0, 4, 4);
    TBitmap other(3, 3);
    s.canvas.PushTarget(TCanvasTarget::OfBitmap(other));
    EXPECT_EQ(s.canvas.Origin(), Point(0, 0));
    s.canvas.FillRect(Rect(0, 0, 3, 3));
    EXPECT_EQ(other.ColorAt(2, 2), clRed);
    s.canvas.PopTarget();
    EXPECT_EQ(s.canvas.TargetOwner(), &s.bitmap);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.Count(clRed), 16);
    EXPECT_EQ(s.bitmap.ColorAt(2, 2), clRed);
    EXPECT_THROW(s.canvas.PopTarget(), EInvalidOperation);
}

TEST(Targets, ACairoImageSurfaceIsReadableAndNeverDrawnPastItsOwnSize) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 8, 8);
    {
        TCanvas canvas(TCanvasTarget::OfSurface(surface, 20, 20));
        EXPECT_TRUE(canvas.HasPixels());
        EXPECT_EQ(canvas.TargetBounds(), Rect(0, 0, 8, 8));
        canvas.Brush().SetColor(clBlue);
        canvas.FillRect(Rect(0, 0, 20, 20));
        EXPECT_EQ(canvas.ReadPixels(Rect(0, 0, 8, 8))->ColorAt(3, 3), clBlue);
        TBitmap src(20, 20);
        src.Fill(ColorToPixel(clWhite));
        canvas.BitBlt(0, 0, 20, 20, src, 0, 0, SRCINVERT);
        EXPECT_EQ(canvas.Pixel(7, 7), clYellow);
        EXPECT_EQ(canvas.Pixel(8, 8), clNone);
        canvas.Flush();
    }
    cairo_surface_destroy(surface);
}

TEST(Tools, GivingAClearBrushAColourMakesItSolid) {
    Surface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    EXPECT_EQ(s.canvas.BkMode(), TRANSPARENT);
    s.canvas.Brush().SetColor(clBlue);
    EXPECT_EQ(s.canvas.Brush().Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(s.canvas.BkMode(), OPAQUE);
    s.canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(s.bitmap.ColorAt(0, 0), clBlue);
}

TEST(Tools, SetFontCopiesEverythingAndTakesItsColourForText) {
    Surface s;
    TFont f;
    f.SetName("Courier New");
    f.SetSize(11);
    f.SetColor(clMaroon);
    f.SetStyle(fsBold | fsUnderline);
    f.SetCharset(238);
    s.canvas.SetTextColor(clLime);
    s.canvas.SetFont(f);
    EXPECT_TRUE(s.canvas.Font().SameAs(f));
    EXPECT_EQ(s.canvas.TextColor(), clMaroon);
}
