#pragma once
// Bitmaps to draw on and ways to read them back, shared by the canvas tests.
#include <algorithm>
#include <memory>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

// A bitmap of one colour, with one differently coloured pixel at (1, 1) when 'dot' is given.
inline std::unique_ptr<TBitmap> Solid(int w, int h, TColor color, TColor dot = clNone) {
    auto b = std::make_unique<TBitmap>(w, h);
    b->Fill(ColorToPixel(color));
    if (dot != clNone) b->SetPixelAt(1, 1, ColorToPixel(dot));
    return b;
}

// Bounds of the pixels that satisfy 'keep'; empty when there are none.
template <class Keep> TRect BoundsWhere(const TBitmap& b, Keep keep) {
    TRect r{b.Width(), b.Height(), -1, -1};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (keep(b.ColorAt(x, y))) r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    return r;
}
inline TRect Ink(const TBitmap& b, TColor c) { return BoundsWhere(b, [c](TColor p) { return p == c; }); }
inline TRect NotWhite(const TBitmap& b) { return BoundsWhere(b, [](TColor p) { return p != clWhite; }); }

inline int Count(const TBitmap& b, TColor c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.ColorAt(x, y) == c;
    return n;
}

// A white 20 by 20 bitmap with a black pen and a red brush.
struct Surface {
    TBitmap bitmap{20, 20};
    TCanvas& canvas = bitmap.Canvas();
    Surface() {
        bitmap.Fill(ColorToPixel(clWhite));
        canvas.Pen().SetColor(clBlack);
        canvas.Brush().SetColor(clRed);
    }
    TColor At(int x, int y) const { return bitmap.ColorAt(x, y); }
    TRect Touched() const { return NotWhite(bitmap); }
    int Count(TColor c) const { return ::Count(bitmap, c); }
};
