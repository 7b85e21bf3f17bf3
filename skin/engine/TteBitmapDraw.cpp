#include <algorithm>
#include <vector>

#include "platform/graphics/TCanvas.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TtePixelRoutines.h"

namespace {

// Alpha wins over the key.
TteDrawMode ModeOf(const TteBitmap& b)
{
    return b.AlphaBlend() ? TteDrawMode::Blend : b.Transparent() ? TteDrawMode::Key : TteDrawMode::Copy;
}

template <class T> T Pick(TteDrawMode mode, T copy, T blend, T key)
{
    return mode == TteDrawMode::Blend ? blend : mode == TteDrawMode::Key ? key : copy;
}

TtePixelView ViewOf(TteBitmap& b)
{
    return {b.Bits(), b.Width(), b.Height(), b.Width()};
}

TtePixelView ViewOf(const TDirectAccess& a)
{
    return {a.Data, a.Width, a.Height, a.Stride / 4};
}

bool InsideSource(const TteBitmap& b, const TRect& r)
{
    return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
}

} // namespace

void TteBitmap::DrawToCanvas(TCanvas& canvas, int x, int y) const
{
    DrawCanvas(canvas, Bounds(x, y, width_, height_), Rect(0, 0, width_, height_));
}

void TteBitmap::DrawCanvasRect(TCanvas& canvas, int x, int y, const TRect& srcRect) const
{
    DrawCanvas(canvas, Bounds(x, y, srcRect.Width(), srcRect.Height()), srcRect);
}

void TteBitmap::StretchToCanvas(TCanvas& canvas, const TRect& destRect) const
{
    DrawCanvas(canvas, destRect, Rect(0, 0, width_, height_));
}

void TteBitmap::DrawCanvas(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const
{
    if (Empty() || destRect.IsEmpty() || !InsideSource(*this, srcRect))
        return;
    const TtePixelRoutines& t = PixelRoutines();
    const TteDrawMode mode = ModeOf(*this);
    if (canvas.HasPixels()) {
        TRect clipBox;
        const int clipKind = canvas.GetClipBox(clipBox);
        const bool ownedByBitmap = canvas.Target().kind == TCanvasTarget::Kind::Pixels && canvas.TargetOwner();
        if (ownedByBitmap || clipKind == SIMPLEREGION) {
            const TDirectAccess a = canvas.DirectAccess();
            TRect dest = destRect;
            dest.Offset(a.Origin.X, a.Origin.Y);
            // Another skin bitmap takes the draw whole, as a bitmap-to-bitmap draw.
            if (ownedByBitmap)
                return Pick(mode, t.BitmapCopy, t.BitmapBlend, t.BitmapKey)(ViewOf(a), dest, Rect(0, 0, a.Width, a.Height),
                                                                           srcRect, *this);
            return Pick(mode, t.DirectCopy, t.DirectBlend, t.DirectKey)(ViewOf(a), dest, a.ClipBox, srcRect, *this);
        }
        if (clipKind == NULLREGION)
            return;
        return Pick(mode, t.DCCopy, t.DCBlend, t.DCKey)(canvas, destRect, *this, srcRect);
    }
    // No pixel memory (a PDF page): hand over straight pixels with the mode folded into alpha.
    std::vector<uint32_t> pixels(static_cast<size_t>(srcRect.Width()) * srcRect.Height());
    auto out = pixels.begin();
    for (int y = srcRect.Top; y < srcRect.Bottom; ++y)
        for (const uint32_t* p = ScanLine(y) + srcRect.Left, *end = p + srcRect.Width(); p != end; ++p)
            *out++ = mode == TteDrawMode::Blend ? *p
                   : mode == TteDrawMode::Key && SameRGB(*p, KeyColor) ? 0u
                                                                         : (*p | 0xFF000000u);
    canvas.DrawAlphaPixels(destRect, pixels.data(), srcRect.Width(), srcRect.Height(), srcRect.Width() * 4);
}

void TteBitmap::DrawToBitmapAt(TteBitmap& target, int x, int y) const
{
    DrawToBitmap(target, Bounds(x, y, width_, height_), Rect(0, 0, width_, height_));
}

void TteBitmap::DrawToBitmapRect(TteBitmap& target, int x, int y, const TRect& srcRect) const
{
    DrawToBitmap(target, Bounds(x, y, srcRect.Width(), srcRect.Height()), srcRect);
}

void TteBitmap::DrawToBitmap(TteBitmap& target, const TRect& destRect, const TRect& srcRect) const
{
    if (Empty() || target.Empty())
        return;
    const TtePixelRoutines& t = PixelRoutines();
    const TteDrawMode mode = ModeOf(*this);
    const TtePixelView view = ViewOf(target);
    if (srcRect.Width() == destRect.Width() && srcRect.Height() == destRect.Height()) {
        if (InsideSource(*this, srcRect))
            Pick(mode, t.BitmapRowsCopy, t.BitmapRowsBlend, t.BitmapRowsKey)(view, destRect, *this, srcRect.Top,
                                                                             srcRect.Left);
        return;
    }
    Pick(mode, t.BitmapCopy, t.BitmapBlend, t.BitmapKey)(view, destRect, destRect, srcRect, *this);
}

void TteBitmap::Tile(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const
{
    TileClip(canvas, destRect, srcRect, TRect{});
}

void TteBitmap::TileClip(TCanvas& canvas, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const
{
    const int w = srcRect.Width(), h = srcRect.Height();
    if (w <= 0 || h <= 0)
        return;
    const int columns = (destRect.Width() + w - 1) / w, rows = (destRect.Height() + h - 1) / h;
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            TRect tile;
            if (!IntersectRect(tile, Bounds(destRect.Left + c * w, destRect.Top + r * h, w, h), destRect))
                break;
            TRect met;
            if (!clipRect.IsEmpty() && !IntersectRect(met, tile, clipRect))
                continue;
            DrawCanvas(canvas, tile, Bounds(srcRect.Left, srcRect.Top, tile.Width(), tile.Height()));
        }
    }
}

void TteBitmap::DrawUnder(const TteBitmap& source, int x, int y, TRect srcRect)
{
    if (Empty() || source.Empty())
        return;
    if (srcRect.Left < 0) {
        x -= srcRect.Left;
        srcRect.Left = 0;
    }
    if (srcRect.Top < 0) {
        y -= srcRect.Top;
        srcRect.Top = 0;
    }
    srcRect.Right = std::min(srcRect.Right, source.Width());
    srcRect.Bottom = std::min(srcRect.Bottom, source.Height());
    const auto blend = PixelRoutines().BlendPixel;
    for (int sy = srcRect.Top; sy < srcRect.Bottom; ++sy) {
        const int ty = y + sy - srcRect.Top;
        if (ty < 0 || ty >= height_)
            continue;
        for (int sx = srcRect.Left; sx < srcRect.Right; ++sx) {
            const int tx = x + sx - srcRect.Left;
            if (tx < 0 || tx >= width_)
                continue;
            uint32_t& d = ScanLine(ty)[tx];
            const uint8_t a = PixelAlpha(d);
            if (a == 0)
                d = source.ScanLine(sy)[sx];
            else if (a < 255)
                d = blend(d, source.ScanLine(sy)[sx]);
        }
    }
}
