#pragma once
// Arithmetic on straight 0xAARRGGBB pixels of the skin engine.
#include <cstdint>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TColor.h"

// The transparent pixel of every skin bitmap and keyed glyph: R 127, G 0, B 127, alpha 0.
constexpr uint32_t KeyColor = 0x007F007F;

constexpr uint8_t PixelAlpha(uint32_t p) { return static_cast<uint8_t>(p >> 24); }
constexpr uint8_t PixelR(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
constexpr uint8_t PixelG(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
constexpr uint8_t PixelB(uint32_t p) { return static_cast<uint8_t>(p); }
constexpr bool SameRGB(uint32_t a, uint32_t b) { return ((a ^ b) & 0x00FFFFFFu) == 0; }

// System colours resolved.
uint32_t ColorToPixel(TColor color, uint8_t alpha);
// R, G and B are taken as 16-bit signed values and clamped to 0..255.
uint32_t MakePixel(int r, int g, int b, uint8_t a);
// Colour deltas clamp; the alpha delta wraps.
uint32_t PixelAdd(uint32_t pixel, int dr, int dg, int db, int da);
uint32_t PixelAddGray(uint32_t pixel, int d);
// The result is opaque.
uint32_t PixelAddBrightness(uint32_t pixel, int d);

struct THsl {
    double H = 0;
    double S = 0;
    double L = 0;
};
THsl PixelToHSL(uint32_t pixel);
// Opaque.
uint32_t HSLToPixel(double h, double s, double l);
uint32_t PixelShiftHue(uint32_t pixel, int d);

// The installed blend: channels (fore * a + back * (255 - a)) div 256, result opaque; alpha 0
// gives back and 255 gives fore.
uint32_t BlendPixelPlain(uint32_t fore, uint32_t back);
// The lane formula every channel, alpha included: (back * 256 + (fore - back) * a) div 256,
// with no shortcuts. Kept for reference; never installed, so results do not depend on the machine.
uint32_t BlendPixelLanes(uint32_t fore, uint32_t back);
