#include <cairo.h>
#include <gtest/gtest.h>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TteBitmap.h"

namespace {

std::unique_ptr<TteBitmap> Make(int w, int h, std::vector<uint32_t> pixels) {
    auto b = std::make_unique<TteBitmap>();
    b->SetSize(w, h);
    for (int i = 0; i < w * h; ++i) b->SetPixel(i % w, i / w, pixels[i]);
    return b;
}

std::vector<uint32_t> Row(const TteBitmap& b, int y) { return {b.ScanLine(y), b.ScanLine(y) + b.Width()}; }
std::vector<uint32_t> Column(const TteBitmap& b, int x) {
    std::vector<uint32_t> c;
    for (int y = 0; y < b.Height(); ++y) c.push_back(b.GetPixel(x, y));
    return c;
}

constexpr uint32_t W = 0xFFFFFFFFu, K = 0xFF000000u;

}  // namespace

TEST(TteBitmapDraw, ModesIntoAnotherBitmap) {
    auto src = Make(3, 1, {KeyColor, 0x80FF0000u, 0x12345678u});
    auto dst = Make(4, 1, {W, W, W, W});
    src->DrawToBitmapAt(*dst, 1, 0);  // copy: everything as it is, clipped at the right
    EXPECT_EQ(Row(*dst, 0), (std::vector<uint32_t>{W, KeyColor, 0x80FF0000u, 0x12345678u}));
    dst->Fill(W);
    src->SetTransparent(true);
    src->DrawToBitmapAt(*dst, 0, 0);
    EXPECT_EQ(Row(*dst, 0), (std::vector<uint32_t>{W, 0xFFFF0000u, 0xFF345678u, W}));
    dst->Fill(W);
    src->SetAlphaBlend(true);  // alpha wins over the key
    src->DrawToBitmapRect(*dst, 2, 0, Rect(1, 0, 3, 1));
    EXPECT_EQ(Row(*dst, 0), (std::vector<uint32_t>{W, W, 0xFFFE7E7Eu, 0xFFEFF2F4u}));
}

TEST(TteBitmapDraw, ScaledCopyAndBlendTruncateAndReuseRows) {
    auto src = Make(2, 2, {1, 2, 3, 4});
    TteBitmap dst;
    dst.SetSize(4, 4);
    src->DrawToBitmap(dst, Rect(0, 0, 4, 4), Rect(0, 0, 2, 2));
    EXPECT_EQ(Column(dst, 0), (std::vector<uint32_t>{1, 1, 1, 3}));
    EXPECT_EQ(Row(dst, 2), (std::vector<uint32_t>{1, 1, 1, 2}));
    // One column wide takes the source's middle column.
    Make(5, 1, {1, 2, 3, 4, 5})->DrawToBitmap(dst, Rect(0, 0, 1, 1), Rect(0, 0, 5, 1));
    EXPECT_EQ(dst.GetPixel(0, 0), 3u);
    // A source rectangle outside the source draws nothing.
    dst.Fill(9);
    src->DrawToBitmap(dst, Rect(0, 0, 4, 4), Rect(0, 0, 3, 2));
    src->DrawToBitmap(dst, Rect(0, 0, 2, 2), Rect(-1, 0, 1, 2));
    EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>(4, 9)));
    // Scaled blend: a source row is reused for as many target rows as it covers.
    auto half = Make(1, 2, {0x80FFFFFFu, KeyColor});
    half->SetAlphaBlend(true);
    dst.Fill(K);
    half->DrawToBitmap(dst, Rect(0, 0, 1, 3), Rect(0, 0, 1, 2));
    EXPECT_EQ(Column(dst, 0), (std::vector<uint32_t>{0xFF7F7F7Fu, 0xFF7F7F7Fu, K, K}));
}

TEST(TteBitmapDraw, ImageCanvasRoundsScaledColumnsToNearest) {
    auto src = Make(2, 1, {0xFF0000FFu, 0xFFFF0000u});
    TBitmap target(4, 1);
    src->StretchToCanvas(target.Canvas(), Rect(0, 0, 4, 1));
    EXPECT_EQ(target.ColorAt(1, 0), clBlue);  // 1/3 rounds to column 0
    EXPECT_EQ(target.ColorAt(2, 0), clRed);   // 2/3 rounds to column 1
}

TEST(TteBitmapDraw, CanvasOriginAndComplexClip) {
    auto src = Make(2, 2, {0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u, 0xFF00FF00u});
    TteBitmap skin;
    skin.SetSize(4, 4);
    skin.Canvas().SetWindowOrg(Point(-1, -1));
    src->DrawToCanvas(skin.Canvas(), 0, 0);
    EXPECT_EQ(Column(skin, 1), (std::vector<uint32_t>{0, 0xFF00FF00u, 0xFF00FF00u, 0}));

    TBitmap window(6, 1);
    window.Fill(ColorToPixel(clWhite));
    TRegion clip = TRegion::FromRects({Rect(0, 0, 1, 1), Rect(3, 0, 6, 1)});
    window.Canvas().SelectClipRgn(&clip);
    auto half = Make(6, 1, std::vector<uint32_t>(6, 0x80000000u));
    half->SetAlphaBlend(true);
    half->DrawToCanvas(window.Canvas(), 0, 0);
    const TColor grey = RGB(126, 126, 126);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(window.ColorAt(x, 0), x == 0 || x >= 3 ? grey : clWhite) << x;
}

TEST(TteBitmapDraw, TileCutsTheLastTileFromTheSourceStart) {
    std::vector<uint32_t> pixels(100);
    for (int i = 0; i < 100; ++i) pixels[i] = 0xFF000000u | (i % 10);
    auto src = Make(10, 10, pixels);
    TteBitmap dst;
    dst.SetSize(30, 10);
    src->Tile(dst.Canvas(), Rect(0, 0, 25, 10), Rect(0, 0, 10, 10));
    EXPECT_EQ(dst.GetPixel(20, 3), 0xFF000000u);
    EXPECT_EQ(dst.GetPixel(24, 9), 0xFF000004u);
    EXPECT_EQ(dst.GetPixel(25, 0), 0u);
    dst.Fill(0);
    src->TileClip(dst.Canvas(), Rect(0, 0, 25, 10), Rect(0, 0, 10, 10), Rect(12, 0, 13, 1));
    EXPECT_EQ(dst.GetPixel(0, 0), 0u);
    EXPECT_EQ(dst.GetPixel(19, 9), 0xFF000009u);
    EXPECT_EQ(dst.GetPixel(20, 0), 0u);
}

TEST(TteBitmapDraw, DrawUnderKeepsWhatIsInFront) {
    auto top = Make(3, 1, {0u, 0x80FFFFFFu, 0xFF00FF00u});
    auto under = Make(2, 1, {0xFF000000u, 0xFF000000u});
    top->DrawUnder(*under, 0, 0, Rect(-1, 0, 5, 1));
    EXPECT_EQ(Row(*top, 0), (std::vector<uint32_t>{0u, 0xFF7F7F7Fu, 0xFF00FF00u}));
    top->DrawUnder(*under, 0, 0, Rect(0, 0, 2, 1));
    EXPECT_EQ(top->GetPixel(0, 0), 0xFF000000u);
}

TEST(TteBitmapDraw, SurfaceWithoutPixelMemoryGetsTheModeAsAlpha) {
    const cairo_rectangle_t extents{0, 0, 3, 1};
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    {
        TCanvas canvas(TCanvasTarget::OfSurface(recording, 3, 1));
        ASSERT_FALSE(canvas.HasPixels());
        auto src = Make(3, 1, {KeyColor, 0x000000FFu, 0x80000000u});
        src->SetTransparent(true);
        src->DrawToCanvas(canvas, 0, 0);
        canvas.Flush();
    }
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 3, 1);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_surface(cr, recording, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    const auto* px = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(image));
    EXPECT_EQ(std::vector<uint32_t>(px, px + 3), (std::vector<uint32_t>{0u, 0xFF0000FFu, 0xFF000000u}));
    cairo_surface_destroy(image);
    cairo_surface_destroy(recording);
}
