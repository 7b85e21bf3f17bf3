#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

// A white bitmap with a black pen and a red brush: the fixture of every pixel test here.
struct Surface {
    TBitmap bitmap{20, 20};
    TCanvas& canvas = bitmap.Canvas();
    Surface() {
        bitmap.Fill(ColorToPixel(clWhite));
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetColor(clRed);
    }
    TColor At(int x, int y) const { return bitmap.ColorAt(x, y); }
    // Bounds of the pixels that differ from white.
    TRect Touched() const {
        TRect r{100, 100, -1, -1};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (At(x, y) != clWhite) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
    int Count(TColor c) const {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) n += At(x, y) == c;
        return n;
    }
};

}  // namespace

TEST(CanvasRectangles, FillRectExcludesRightAndBottomEdges) {
    Surface s;
    s.canvas.FillRect(Rect(2, 3, 7, 9));
    EXPECT_EQ(s.Touched(), Rect(2, 3, 7, 9));
    EXPECT_EQ(s.Count(clRed), 5 * 6);
}

TEST(CanvasRectangles, RectangleTouchesOnlyLeftToRightMinusOne) {
    Surface s;
    s.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.Touched(), Rect(0, 0, 10, 10));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(s.At(i, 0), clBlack);
        EXPECT_EQ(s.At(i, 9), clBlack);
        EXPECT_EQ(s.At(0, i), clBlack);
        EXPECT_EQ(s.At(9, i), clBlack);
    }
    EXPECT_EQ(s.At(1, 1), clRed);
    EXPECT_EQ(s.At(8, 8), clRed);
    EXPECT_EQ(s.Count(clRed), 8 * 8);
}

TEST(CanvasRectangles, WidePenOutlineStaysInside) {
    Surface s;
    s.canvas.Pen().SetWidth(2);
    s.canvas.Rectangle(2, 2, 12, 12);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 12, 12));
    EXPECT_EQ(s.At(3, 3), clBlack);
    EXPECT_EQ(s.At(4, 4), clRed);
    EXPECT_EQ(s.At(10, 10), clBlack);
}

TEST(CanvasRectangles, ClearPenFillsOnePixelLessEachWay) {
    Surface s;
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    s.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.Touched(), Rect(0, 0, 9, 9));
}

TEST(CanvasRectangles, ClearBrushLeavesTheInsideAlone) {
    Surface s;
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.Count(clBlack), 36);
}

TEST(CanvasRectangles, FrameRectLeavesTheInsideUntouched) {
    Surface s;
    s.canvas.FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Touched(), Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Count(clRed), 5 * 2 + 2 * 2);
    EXPECT_EQ(s.At(2, 2), clWhite);
    EXPECT_EQ(s.At(4, 3), clWhite);
}

TEST(CanvasRectangles, EmptyAndInvertedRectanglesDrawNothing) {
    Surface s;
    s.canvas.FillRect(Rect(5, 5, 5, 10));
    s.canvas.FillRect(Rect(8, 8, 3, 3));
    s.canvas.FrameRect(Rect(4, 4, 4, 4));
    EXPECT_EQ(s.Count(clWhite), 400);
}

TEST(CanvasRectangles, FillsOutsideTheBitmapAreCut) {
    Surface s;
    s.canvas.FillRect(Rect(-5, -5, 3, 100));
    EXPECT_EQ(s.Touched(), Rect(0, 0, 3, 20));
}

TEST(CanvasLines, LineToLeavesItsEndPixelUnset) {
    Surface s;
    s.canvas.MoveTo(2, 5);
    s.canvas.LineTo(8, 5);
    EXPECT_EQ(s.Touched(), Rect(2, 5, 8, 6));
    EXPECT_EQ(s.At(8, 5), clWhite);
    EXPECT_EQ(s.canvas.PenPos(), Point(8, 5));
}

TEST(CanvasLines, VerticalAndBackwardLinesExcludeTheEndToo) {
    Surface s;
    s.canvas.MoveTo(4, 10);
    s.canvas.LineTo(4, 2);
    EXPECT_EQ(s.Touched(), Rect(4, 3, 5, 11));
}

TEST(CanvasLines, DiagonalLineIsOnePixelPerStep) {
    Surface s;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(6, 6);
    EXPECT_EQ(s.Count(clBlack), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s.At(i, i), clBlack);
}

TEST(CanvasLines, XorPenTwiceRestoresThePixels) {
    Surface s;
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    s.canvas.MoveTo(1, 1);
    s.canvas.LineTo(10, 1);
    EXPECT_EQ(s.At(5, 1), clBlack);
    s.canvas.MoveTo(1, 1);
    s.canvas.LineTo(10, 1);
    EXPECT_EQ(s.Count(clWhite), 400);
}

TEST(CanvasLines, PolylineJoinsWithoutItsLastPoint) {
    Surface s;
    s.canvas.Polyline({{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(s.Count(clBlack), 8);
    EXPECT_EQ(s.At(5, 1), clBlack);
    EXPECT_EQ(s.At(5, 5), clWhite);
}

TEST(CanvasPixels, ReadAndWriteThroughTheOrigin) {
    Surface s;
    s.canvas.SetPixel(3, 4, clBlue);
    EXPECT_EQ(s.canvas.Pixel(3, 4), clBlue);
    EXPECT_EQ(s.canvas.Pixel(-1, 0), clNone);
    s.canvas.SetWindowOrg(Point(2, 2));
    EXPECT_EQ(s.canvas.Pixel(5, 6), clBlue);
    s.canvas.SetPixel(4, 4, clLime);
    EXPECT_EQ(s.At(2, 2), clLime);
}

TEST(CanvasPixels, SystemColoursResolveWhenDrawn) {
    Surface s;
    s.canvas.Brush().SetColor(clBtnFace);
    s.canvas.FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(s.At(0, 0), RGB(212, 208, 200));
}

TEST(CanvasShapes, EllipseStaysInsideItsBox) {
    Surface s;
    s.canvas.Ellipse(2, 3, 14, 11);
    EXPECT_EQ(s.Touched(), Rect(2, 3, 14, 11));
    EXPECT_EQ(s.At(8, 7), clRed);
    EXPECT_EQ(s.At(2, 3), clWhite);
}

TEST(CanvasShapes, RoundRectStaysInsideAndCutsCorners) {
    Surface s;
    s.canvas.RoundRect(1, 1, 16, 12, 10, 10);
    EXPECT_EQ(s.Touched(), Rect(1, 1, 16, 12));
    EXPECT_EQ(s.At(1, 1), clWhite);
    EXPECT_EQ(s.At(15, 11), clWhite);
    EXPECT_EQ(s.At(8, 1), clBlack);
    EXPECT_EQ(s.At(8, 6), clRed);
}

TEST(CanvasShapes, WidePenEllipseAndRoundRectOutlinesStayInside) {
    Surface s;
    s.canvas.Pen().SetWidth(2);
    s.canvas.Ellipse(2, 2, 18, 18);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 18, 18));
    EXPECT_EQ(s.At(2, 10), clBlack);
    EXPECT_EQ(s.At(3, 10), clBlack);
    EXPECT_EQ(s.At(4, 10), clRed);
    EXPECT_EQ(s.At(16, 10), clBlack);
    EXPECT_EQ(s.At(17, 10), clBlack);
    EXPECT_EQ(s.At(10, 16), clBlack);
    EXPECT_EQ(s.At(10, 15), clRed);
    Surface t;
    t.canvas.Pen().SetWidth(2);
    t.canvas.RoundRect(1, 1, 17, 13, 6, 6);
    EXPECT_EQ(t.Touched(), Rect(1, 1, 17, 13));
    EXPECT_EQ(t.At(9, 1), clBlack);
    EXPECT_EQ(t.At(9, 2), clBlack);
    EXPECT_EQ(t.At(9, 3), clRed);
    EXPECT_EQ(t.At(15, 6), clBlack);
    EXPECT_EQ(t.At(14, 6), clRed);
}

TEST(CanvasShapes, PolygonUsesTheAlternateFillRule) {
    Surface s;
    // A pentagram: its centre is crossed twice and stays unfilled.
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    s.canvas.Polygon({{10, 0}, {16, 19}, {0, 7}, {19, 7}, {4, 19}});
    EXPECT_EQ(s.At(10, 11), clWhite);
    EXPECT_EQ(s.At(10, 3), clRed);
}

TEST(CanvasShapes, PolygonOutlineTouchesItsCorners) {
    Surface s;
    s.canvas.Polygon({{2, 2}, {12, 2}, {12, 12}});
    EXPECT_EQ(s.At(2, 2), clBlack);
    EXPECT_EQ(s.At(12, 2), clBlack);
    EXPECT_EQ(s.At(12, 12), clBlack);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 13, 13));
}

TEST(CanvasShapes, ArcRunsCounterClockwiseFromStartToEnd) {
    Surface s;
    // From the right-hand point counter-clockwise to the top: the top-right quarter only.
    s.canvas.Arc(0, 0, 20, 20, 20, 10, 10, 0);
    EXPECT_EQ(s.Touched().Left >= 9, true);
    EXPECT_LE(s.Touched().Bottom, 11);
    EXPECT_GT(s.Count(clBlack), 10);
}

TEST(CanvasFills, PatternBrushTilesFromTheDeviceOrigin) {
    Surface s;
    TBitmap checker(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) checker.SetPixelAt(x, y, ColorToPixel((x + y) % 2 ? clBlack : clWhite));
    s.canvas.Brush().SetBitmap(&checker);
    s.canvas.FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(s.At(0, 0), clWhite);
    EXPECT_EQ(s.At(1, 0), clBlack);
    EXPECT_EQ(s.At(9, 0), clBlack);
    EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(CanvasFills, HorizontalGradientEndsOnBothColours) {
    Surface s;
    s.canvas.GradientFillH(Rect(0, 0, 11, 2), clBlack, RGB(100, 200, 0));
    EXPECT_EQ(s.At(0, 0), clBlack);
    EXPECT_EQ(s.At(10, 1), RGB(100, 200, 0));
    EXPECT_EQ(s.At(5, 0), RGB(50, 100, 0));
}

TEST(CanvasFills, FocusRectIsDottedAndGoesAwayWhenDrawnTwice) {
    Surface s;
    s.canvas.DrawFocusRect(Rect(2, 2, 10, 8));
    EXPECT_EQ(s.At(2, 2), clBlack);
    EXPECT_EQ(s.At(3, 2), clWhite);
    EXPECT_EQ(s.At(4, 2), clBlack);
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 10, 8));
    s.canvas.DrawFocusRect(Rect(2, 2, 10, 8));
    EXPECT_EQ(s.Count(clWhite), 400);
}

TEST(CanvasShapes, XorEllipseTwiceRestoresThePixels) {
    Surface s;
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Ellipse(2, 2, 15, 12);
    EXPECT_GT(s.Count(clBlack), 10);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 15, 12));
    s.canvas.Ellipse(2, 2, 15, 12);
    EXPECT_EQ(s.Count(clWhite), 400);
}

TEST(CanvasRectangles, XorRectangleOutlineTouchesEachPixelOnce) {
    Surface s;
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Rectangle(1, 1, 6, 6);
    EXPECT_EQ(s.Count(clBlack), 16);
}

TEST(CanvasLines, DottedPenLeavesGaps) {
    Surface s;
    s.canvas.Pen().SetStyle(TPenStyle::psDot);
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(12, 0);
    EXPECT_EQ(s.At(0, 0), clBlack);
    EXPECT_EQ(s.At(2, 0), clBlack);
    EXPECT_EQ(s.At(3, 0), clWhite);
    EXPECT_EQ(s.At(6, 0), clBlack);
    EXPECT_EQ(s.Count(clBlack), 6);
}

TEST(CanvasLines, WidePenLinesAreTwoPixelsThick) {
    Surface s;
    s.canvas.Pen().SetWidth(2);
    s.canvas.MoveTo(2, 10);
    s.canvas.LineTo(12, 10);
    EXPECT_EQ(s.Touched(), Rect(2, 9, 12, 11));
}
