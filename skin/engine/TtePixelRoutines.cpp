#include "skin/engine/TtePixelRoutines.h"

#include <cstring>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TePixels.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TeUnits.h"

namespace {

TtePixelRoutines routines;
bool installed = false;

void BlendLine(const uint32_t* src, uint32_t* dst, int count)
{
    for (int i = 0; i < count; ++i) {
        const uint32_t s = src[i];
        const uint32_t a = s >> 24;
        if (a == 255)
            dst[i] = s;
        else if (a != 0)
            dst[i] = BlendPixelPlain(s, dst[i]);
    }
}

void KeyLine(const uint32_t* src, uint32_t* dst, int count)
{
    for (int i = 0; i < count; ++i)
        if (!SameRGB(src[i], KeyColor))
            dst[i] = src[i] | 0xFF000000u;
}

void CopyPixels(const uint32_t* src, uint32_t* dst, int count)
{
    if (src != dst && count > 0)
        std::memmove(dst, src, static_cast<size_t>(count) * 4);
}

void FillPixels(uint32_t* dst, int count, uint32_t pixel)
{
    for (int i = 0; i < count; ++i)
        dst[i] = pixel;
}

void FillPixelRect(uint32_t* bits, int stride, uint32_t pixel, int bottom, int right, int top, int left)
{
    for (int y = top; y <= bottom; ++y)
        FillPixels(bits + static_cast<ptrdiff_t>(y) * stride + left, right - left + 1, pixel);
}

void SetAlphaPixels(uint32_t* bits, int count, uint8_t alpha)
{
    const uint32_t a = uint32_t{alpha} << 24;
    for (int i = 0; i < count; ++i)
        bits[i] = (bits[i] & 0x00FFFFFFu) | a;
}

void SetAlphaPixelRect(uint32_t* bits, int stride, uint8_t alpha, int bottom, int right, int top, int left)
{
    for (int y = top; y <= bottom; ++y)
        SetAlphaPixels(bits + static_cast<ptrdiff_t>(y) * stride + left, right - left + 1, alpha);
}

void ClearAlphaOfColor(uint32_t* bits, int count, uint32_t color)
{
    for (int i = 0; i < count; ++i)
        if (SameRGB(bits[i], color))
            bits[i] &= 0x00FFFFFFu;
}

template <TteDrawMode M> void Line(const uint32_t* src, uint32_t* dst, int count)
{
    if constexpr (M == TteDrawMode::Copy)
        CopyPixels(src, dst, count);
    else if constexpr (M == TteDrawMode::Blend)
        BlendLine(src, dst, count);
    else
        KeyLine(src, dst, count);
}

// The part of destRect that is drawn, or false when nothing is.
bool DrawnArea(const TtePixelView& target, const TRect& destRect, const TRect& clip, const TRect& srcRect,
               const TteBitmap& source, TRect& area)
{
    if (source.Empty() || srcRect.IsEmpty() || srcRect.Left < 0 || srcRect.Top < 0 ||
        srcRect.Right > source.Width() || srcRect.Bottom > source.Height())
        return false;
    return IntersectRect(area, destRect, clip) && IntersectRect(area, area, Rect(0, 0, target.Width, target.Height));
}

template <TteDrawMode M>
void DrawUnscaled(const TtePixelView& target, const TRect& area, const TRect& destRect, const TRect& srcRect,
                  const TteBitmap& source)
{
    const int sx = srcRect.Left + area.Left - destRect.Left;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const uint32_t* s = source.ScanLine(srcRect.Top + y - destRect.Top) + sx;
        Line<M>(s, target.Bits + static_cast<ptrdiff_t>(y) * target.Stride + area.Left, area.Width());
    }
}

// Source index of destination offset 'offset' along one axis.
template <bool Nearest> int MapIndex(int offset, int srcStart, int srcSize, int dstSize)
{
    if (dstSize <= 1)
        return (srcStart + srcStart + srcSize - 1) / 2;
    const int64_t num = int64_t{offset} * (srcSize - 1), den = dstSize - 1;
    int64_t q = num / den;
    if constexpr (Nearest) {
        const int64_t twice = 2 * (num % den);
        if (twice > den || (twice == den && (q & 1)))
            ++q;
    }
    return static_cast<int>(q) + srcStart;
}

template <TteDrawMode M, bool Nearest>
void DrawScaled(const TtePixelView& target, const TRect& destRect, const TRect& clip, const TRect& srcRect,
                const TteBitmap& source)
{
    TRect area;
    if (!DrawnArea(target, destRect, clip, srcRect, source, area))
        return;
    if (srcRect.Width() == destRect.Width() && srcRect.Height() == destRect.Height())
        return DrawUnscaled<M>(target, area, destRect, srcRect, source);
    const int n = area.Width();
    std::vector<int> columns(n);
    for (int i = 0; i < n; ++i)
        columns[i] = MapIndex<Nearest>(area.Left + i - destRect.Left, srcRect.Left, srcRect.Width(), destRect.Width());
    std::vector<uint32_t> picked(M == TteDrawMode::Copy ? 0 : n);
    const uint32_t* previous = nullptr;
    int previousRow = -1;
    for (int y = area.Top; y < area.Bottom; ++y) {
        const int row = MapIndex<Nearest>(y - destRect.Top, srcRect.Top, srcRect.Height(), destRect.Height());
        uint32_t* d = target.Bits + static_cast<ptrdiff_t>(y) * target.Stride + area.Left;
        const uint32_t* s = source.ScanLine(row);
        if constexpr (M == TteDrawMode::Copy) {
            if (row == previousRow) {
                CopyPixels(previous, d, n);
            } else {
                for (int i = 0; i < n; ++i)
                    d[i] = s[columns[i]];
            }
            previous = d;
        } else {
            if (row != previousRow)
                for (int i = 0; i < n; ++i)
                    picked[i] = s[columns[i]];
            Line<M>(picked.data(), d, n);
        }
        previousRow = row;
    }
}

template <TteDrawMode M>
void DrawRows(const TtePixelView& target, const TRect& destRect, const TteBitmap& source, int srcTop, int srcLeft)
{
    const TRect srcRect = Bounds(srcLeft, srcTop, destRect.Width(), destRect.Height());
    DrawScaled<M, false>(target, destRect, destRect, srcRect, source);
}

// Reads the destination back, composes into it and draws it again, so the canvas's clip holds.
template <TteDrawMode M>
void DrawThroughCopy(TCanvas& canvas, const TRect& destRect, const TteBitmap& source, const TRect& srcRect)
{
    if (destRect.IsEmpty())
        return;
    auto back = canvas.ReadPixels(destRect);
    const TtePixelView view{back->Bits(), back->Width(), back->Height(), back->Width()};
    const TRect all = Rect(0, 0, back->Width(), back->Height());
    DrawScaled<M, false>(view, all, all, srcRect, source);
    canvas.Draw(destRect.Left, destRect.Top, *back);
}

} // namespace

const TtePixelRoutines& PixelRoutines()
{
    if (!installed)
        throw EInvalidOperation("The skin bitmap routines are not installed");
    return routines;
}

void StartTeBitmap()
{
    routines.BlendPixel = BlendPixelPlain;
    routines.BlendLine = BlendLine;
    routines.KeyLine = KeyLine;
    routines.CopyPixels = CopyPixels;
    routines.FillPixels = FillPixels;
    routines.FillPixelRect = FillPixelRect;
    routines.SetAlphaPixels = SetAlphaPixels;
    routines.SetAlphaPixelRect = SetAlphaPixelRect;
    routines.ClearAlphaOfColor = ClearAlphaOfColor;
    routines.DCCopy = DrawThroughCopy<TteDrawMode::Copy>;
    routines.DCBlend = DrawThroughCopy<TteDrawMode::Blend>;
    routines.DCKey = DrawThroughCopy<TteDrawMode::Key>;
    routines.DirectCopy = DrawScaled<TteDrawMode::Copy, true>;
    routines.DirectBlend = DrawScaled<TteDrawMode::Blend, true>;
    routines.DirectKey = DrawScaled<TteDrawMode::Key, true>;
    routines.BitmapRowsCopy = DrawRows<TteDrawMode::Copy>;
    routines.BitmapRowsBlend = DrawRows<TteDrawMode::Blend>;
    routines.BitmapRowsKey = DrawRows<TteDrawMode::Key>;
    routines.BitmapCopy = DrawScaled<TteDrawMode::Copy, false>;
    routines.BitmapBlend = DrawScaled<TteDrawMode::Blend, false>;
    routines.BitmapKey = DrawScaled<TteDrawMode::Key, false>;
    installed = true;
}

void StopTeBitmap()
{
    routines = TtePixelRoutines{};
    installed = false;
}
