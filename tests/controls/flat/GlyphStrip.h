#pragma once
// Gives a flat button a glyph strip of square images of 'side' pixels on a 'ground' colour, each
// image a square of its own colour one pixel in from its edges. The ground fills the bottom-left
// pixel, so it is the transparent colour.
#include <initializer_list>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

template <class Button>
void SetGlyphStrip(Button& button, int side, TColor ground, std::initializer_list<TColor> colors)
{
    TBitmap strip(side * static_cast<int>(colors.size()), side);
    strip.Fill(ColorToPixel(ground));
    int left = 0;
    for (TColor c : colors) {
        strip.Canvas().Brush().SetColor(c);
        strip.Canvas().FillRect(Bounds(left + 1, 1, side - 2, side - 2));
        left += side;
    }
    button.SetGlyph(strip);
}
