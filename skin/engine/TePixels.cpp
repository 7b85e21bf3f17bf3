#include "skin/engine/TePixels.h"

#include <algorithm>

#include "platform/core/MathUtils.h"

uint32_t ColorToPixel(TColor color, uint8_t alpha)
{
    return (ColorToPixel(color) & 0x00FFFFFFu) | (uint32_t{alpha} << 24);
}

namespace {

uint32_t Clamp16(int v)
{
    return static_cast<uint32_t>(std::clamp<int>(static_cast<int16_t>(v), 0, 255));
}

} // namespace

uint32_t MakePixel(int r, int g, int b, uint8_t a)
{
    return (uint32_t{a} << 24) | (Clamp16(r) << 16) | (Clamp16(g) << 8) | Clamp16(b);
}

uint32_t PixelAdd(uint32_t pixel, int dr, int dg, int db, int da)
{
    return MakePixel(PixelR(pixel) + static_cast<int16_t>(dr), PixelG(pixel) + static_cast<int16_t>(dg),
                     PixelB(pixel) + static_cast<int16_t>(db), static_cast<uint8_t>(PixelAlpha(pixel) + da));
}

uint32_t PixelAddGray(uint32_t pixel, int d)
{
    return PixelAdd(pixel, d, d, d, 0);
}

uint32_t PixelAddBrightness(uint32_t pixel, int d)
{
    return MakePixel(PixelR(pixel) + d, PixelG(pixel) + d, PixelB(pixel) + d, 255);
}

THsl PixelToHSL(uint32_t pixel)
{
    const double r = PixelR(pixel) / 255.0, g = PixelG(pixel) / 255.0, b = PixelB(pixel) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    THsl hsl;
    hsl.L = (mx + mn) / 2;
    if (mx == mn)
        return hsl;
    const double delta = mx - mn;
    hsl.S = hsl.L < 0.5 ? delta / (mx + mn) : delta / (2 - mx - mn);
    double h;
    if (r == mx)
        h = (g - b) / delta;
    else if (g == mx)
        h = 2 + (b - r) / delta;
    else
        h = 4 + (r - g) / delta;
    h /= 6;
    if (h < 0)
        h += 1;
    hsl.H = h;
    return hsl;
}

namespace {

double HueToChannel(double m1, double m2, double h)
{
    if (h < 0)
        h += 1;
    if (h > 1)
        h -= 1;
    if (6 * h < 1)
        return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1)
        return m2;
    if (3 * h < 2)
        return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

} // namespace

uint32_t HSLToPixel(double h, double s, double l)
{
    if (s == 0) {
        const int grey = static_cast<int>(Round(l * 255));
        return MakePixel(grey, grey, grey, 255);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return MakePixel(static_cast<int>(Round(HueToChannel(m1, m2, h + 1.0 / 3) * 255)),
                     static_cast<int>(Round(HueToChannel(m1, m2, h) * 255)),
                     static_cast<int>(Round(HueToChannel(m1, m2, h - 1.0 / 3) * 255)), 255);
}

uint32_t PixelShiftHue(uint32_t pixel, int d)
{
    const THsl hsl = PixelToHSL(pixel);
    int h = static_cast<int>(Round(hsl.H * 255)) + d;
    if (h >= 256)
        h -= 255;
    else if (h < 0)
        h += 255;
    return HSLToPixel(h / 255.0, hsl.S, hsl.L);
}

uint32_t BlendPixelPlain(uint32_t fore, uint32_t back)
{
    const uint32_t a = PixelAlpha(fore);
    if (a == 255)
        return fore;
    if (a == 0)
        return back;
    const uint32_t na = 255 - a;
    // Red and blue share one multiply; green goes alone.
    const uint32_t rb = (((fore & 0x00FF00FFu) * a + (back & 0x00FF00FFu) * na) >> 8) & 0x00FF00FFu;
    const uint32_t g = (((fore & 0x0000FF00u) * a + (back & 0x0000FF00u) * na) >> 8) & 0x0000FF00u;
    return 0xFF000000u | rb | g;
}

uint32_t BlendPixelLanes(uint32_t fore, uint32_t back)
{
    const int a = PixelAlpha(fore);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int f = (fore >> shift) & 0xFF, b = (back >> shift) & 0xFF;
        result |= static_cast<uint32_t>(((b * 256 + (f - b) * a) >> 8) & 0xFF) << shift;
    }
    return result;
}
