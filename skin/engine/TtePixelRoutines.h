#pragma once
// The one table of pixel routines behind TteBitmap and the effects: line and rectangle
// operations, and copy, blend and key draws towards a canvas, a canvas's pixel memory and
// another TteBitmap, unscaled and nearest-neighbour scaled. Filled once by StartTeBitmap.
#include <cstdint>

#include "platform/graphics/TRect.h"

class TCanvas;
class TteBitmap;

// Pixel memory: 'Stride' counts pixels.
struct TtePixelView {
    uint32_t* Bits = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
};

enum class TteDrawMode { Copy, Blend, Key };

struct TtePixelRoutines {
    using CanvasDraw = void (*)(TCanvas& canvas, const TRect& destRect, const TteBitmap& source, const TRect& srcRect);
    // 'clip' is in the target's pixels; the drawn area is destRect within it and the target.
    // Nothing is drawn when srcRect leaves the source.
    using ScaledDraw = void (*)(const TtePixelView& target, const TRect& destRect, const TRect& clip,
                                const TRect& srcRect, const TteBitmap& source);
    using RowsDraw = void (*)(const TtePixelView& target, const TRect& destRect, const TteBitmap& source, int srcTop,
                              int srcLeft);

    uint32_t (*BlendPixel)(uint32_t fore, uint32_t back) = nullptr;
    void (*BlendLine)(const uint32_t* src, uint32_t* dst, int count) = nullptr;
    void (*KeyLine)(const uint32_t* src, uint32_t* dst, int count) = nullptr;
    void (*CopyPixels)(const uint32_t* src, uint32_t* dst, int count) = nullptr;
    void (*FillPixels)(uint32_t* dst, int count, uint32_t pixel) = nullptr;
    // Bounds inclusive; stride in pixels.
    void (*FillPixelRect)(uint32_t* bits, int stride, uint32_t pixel, int bottom, int right, int top, int left) = nullptr;
    void (*SetAlphaPixels)(uint32_t* bits, int count, uint8_t alpha) = nullptr;
    void (*SetAlphaPixelRect)(uint32_t* bits, int stride, uint8_t alpha, int bottom, int right, int top,
                              int left) = nullptr;
    void (*ClearAlphaOfColor)(uint32_t* bits, int count, uint32_t color) = nullptr;

    // Through a copy of the destination read back and drawn again, so any clip region holds.
    CanvasDraw DCCopy = nullptr, DCBlend = nullptr, DCKey = nullptr;
    // Straight into memory; scaled columns and rows round to nearest.
    ScaledDraw DirectCopy = nullptr, DirectBlend = nullptr, DirectKey = nullptr;
    RowsDraw BitmapRowsCopy = nullptr, BitmapRowsBlend = nullptr, BitmapRowsKey = nullptr;
    // Scaled columns and rows truncate.
    ScaledDraw BitmapCopy = nullptr, BitmapBlend = nullptr, BitmapKey = nullptr;
};

// EInvalidOperation before StartTeBitmap.
const TtePixelRoutines& PixelRoutines();
// Routines always on the plain blend: nothing probes the processor.
constexpr bool HasMMX() { return false; }
