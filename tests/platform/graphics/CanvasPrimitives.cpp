#include <gtest/gtest.h>

#include "PixelTestKit.h"

TEST(CanvasRectangles, FillRectIsHalfOpenCutToTheBitmapAndSkipsEmptyRectangles) {
    Surface s;
    s.canvas.FillRect(Rect(2, 3, 7, 9));
    EXPECT_EQ(s.Touched(), Rect(2, 3, 7, 9));
    EXPECT_EQ(s.Count(clRed), 5 * 6);
    s.canvas.FillRect(Rect(15, 5, 15, 10));
    s.canvas.FillRect(Rect(18, 18, 13, 13));
    s.canvas.FrameRect(Rect(14, 14, 14, 14));
    EXPECT_EQ(s.Count(clRed), 5 * 6);
    Surface t;
    t.canvas.FillRect(Rect(-5, -5, 3, 100));
    EXPECT_EQ(t.Touched(), Rect(0, 0, 3, 20));
}

TEST(CanvasRectangles, RectangleOutlineAndFillStayInsideLeftToRightMinusOne) {
    Surface s;
    s.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.Touched(), Rect(0, 0, 10, 10));
    EXPECT_EQ(s.Count(clBlack), 36);
    EXPECT_EQ(s.At(9, 9), clBlack);
    EXPECT_EQ(s.Count(clRed), 8 * 8);
    Surface wide;
    wide.canvas.Pen().SetWidth(2);
    wide.canvas.Rectangle(2, 2, 12, 12);
    EXPECT_EQ(wide.Touched(), Rect(2, 2, 12, 12));
    EXPECT_EQ(wide.At(3, 3), clBlack);
    EXPECT_EQ(wide.At(4, 4), clRed);
    EXPECT_EQ(wide.At(10, 10), clBlack);
}

TEST(CanvasRectangles, ClearPenFillsOnePixelLessAndClearBrushLeavesTheInside) {
    Surface s;
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    s.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.Touched(), Rect(0, 0, 9, 9));
    Surface t;
    t.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    t.canvas.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(t.At(5, 5), clWhite);
    EXPECT_EQ(t.Count(clBlack), 36);
}

TEST(CanvasRectangles, FrameRectLeavesTheInsideUntouched) {
    Surface s;
    s.canvas.FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Touched(), Rect(1, 1, 6, 5));
    EXPECT_EQ(s.Count(clRed), 5 * 2 + 2 * 2);
}

TEST(CanvasRectangles, XorRectangleOutlineTouchesEachPixelOnce) {
    Surface s;
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Rectangle(1, 1, 6, 6);
    EXPECT_EQ(s.Count(clBlack), 16);
}

TEST(CanvasLines, LineToLeavesItsEndPixelUnsetInEveryDirection) {
    Surface s;
    s.canvas.MoveTo(2, 5);
    s.canvas.LineTo(8, 5);
    EXPECT_EQ(s.Touched(), Rect(2, 5, 8, 6));
    EXPECT_EQ(s.canvas.PenPos(), Point(8, 5));
    Surface back;
    back.canvas.MoveTo(4, 10);
    back.canvas.LineTo(4, 2);
    EXPECT_EQ(back.Touched(), Rect(4, 3, 5, 11));
    Surface diagonal;
    diagonal.canvas.MoveTo(0, 0);
    diagonal.canvas.LineTo(6, 6);
    EXPECT_EQ(diagonal.Count(clBlack), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(diagonal.At(i, i), clBlack);
    Surface poly;
    poly.canvas.Polyline({{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(poly.Count(clBlack), 8);
    EXPECT_EQ(poly.At(5, 5), clWhite);
}

TEST(CanvasLines, XorPenTwiceRestoresThePixels) {
    Surface s;
    s.canvas.Pen().SetMode(TPenMode::pmXor);
    s.canvas.Pen().SetColor(clWhite);
    for (int pass = 0; pass < 2; ++pass) {
        s.canvas.MoveTo(1, 1);
        s.canvas.LineTo(10, 1);
        EXPECT_EQ(s.At(5, 1), pass ? clWhite : clBlack);
    }
    s.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    s.canvas.Ellipse(2, 2, 15, 12);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 15, 12));
    s.canvas.Ellipse(2, 2, 15, 12);
    EXPECT_EQ(s.Count(clWhite), 400);
}

TEST(CanvasLines, DottedPenLeavesGapsAndAWidePenIsTwoPixelsThick) {
    Surface s;
    s.canvas.Pen().SetStyle(TPenStyle::psDot);
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(12, 0);
    EXPECT_EQ(s.At(2, 0), clBlack);
    EXPECT_EQ(s.At(3, 0), clWhite);
    EXPECT_EQ(s.Count(clBlack), 6);
    Surface wide;
    wide.canvas.Pen().SetWidth(2);
    wide.canvas.MoveTo(2, 10);
    wide.canvas.LineTo(12, 10);
    EXPECT_EQ(wide.Touched(), Rect(2, 9, 12, 11));
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

TEST(CanvasShapes, EllipseAndRoundRectStayInsideTheirBoxAndCutCorners) {
    Surface s;
    s.canvas.Ellipse(2, 3, 14, 11);
    EXPECT_EQ(s.Touched(), Rect(2, 3, 14, 11));
    EXPECT_EQ(s.At(8, 7), clRed);
    EXPECT_EQ(s.At(2, 3), clWhite);
    Surface t;
    t.canvas.RoundRect(1, 1, 16, 12, 10, 10);
    EXPECT_EQ(t.Touched(), Rect(1, 1, 16, 12));
    EXPECT_EQ(t.At(1, 1), clWhite);
    EXPECT_EQ(t.At(15, 11), clWhite);
    EXPECT_EQ(t.At(8, 1), clBlack);
    EXPECT_EQ(t.At(8, 6), clRed);
}

TEST(CanvasShapes, WidePenEllipseAndRoundRectOutlinesStayInside) {
    Surface s;
    s.canvas.Pen().SetWidth(2);
    s.canvas.Ellipse(2, 2, 18, 18);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 18, 18));
    EXPECT_EQ(s.At(3, 10), clBlack);
    EXPECT_EQ(s.At(4, 10), clRed);
    EXPECT_EQ(s.At(17, 10), clBlack);
    EXPECT_EQ(s.At(10, 16), clBlack);
    EXPECT_EQ(s.At(10, 15), clRed);
    Surface t;
    t.canvas.Pen().SetWidth(2);
    t.canvas.RoundRect(1, 1, 17, 13, 6, 6);
    EXPECT_EQ(t.Touched(), Rect(1, 1, 17, 13));
    EXPECT_EQ(t.At(9, 2), clBlack);
    EXPECT_EQ(t.At(9, 3), clRed);
    EXPECT_EQ(t.At(15, 6), clBlack);
    EXPECT_EQ(t.At(14, 6), clRed);
}

TEST(CanvasShapes, PolygonUsesTheAlternateFillRuleAndItsOutlineTouchesItsCorners) {
    Surface s;
    // A pentagram: its centre is crossed twice and stays unfilled.
    s.canvas.Pen().SetStyle(TPenStyle::psClear);
    s.canvas.Polygon({{10, 0}, {16, 19}, {0, 7}, {19, 7}, {4, 19}});
    EXPECT_EQ(s.At(10, 11), clWhite);
    EXPECT_EQ(s.At(10, 3), clRed);
    Surface t;
    t.canvas.Polygon({{2, 2}, {12, 2}, {12, 12}});
    EXPECT_EQ(t.At(2, 2), clBlack);
    EXPECT_EQ(t.At(12, 12), clBlack);
    EXPECT_EQ(t.Touched(), Rect(2, 2, 13, 13));
}

TEST(CanvasShapes, ArcRunsCounterClockwiseFromStartToEnd) {
    Surface s;
    // From the right-hand point counter-clockwise to the top: the top-right quarter only.
    s.canvas.Arc(0, 0, 20, 20, 20, 10, 10, 0);
    EXPECT_GE(s.Touched().Left, 9);
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
    EXPECT_EQ(s.At(5, 5), clWhite);
    EXPECT_EQ(s.Touched(), Rect(2, 2, 10, 8));
    s.canvas.DrawFocusRect(Rect(2, 2, 10, 8));
    EXPECT_EQ(s.Count(clWhite), 400);
}
