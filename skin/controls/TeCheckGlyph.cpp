#include "skin/controls/TeCheckGlyph.h"

#include <memory>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

constexpr int GlyphSize = 20;
constexpr TColor KeyColour = 0x00FF00FF;

std::unique_ptr<TBitmap> checkGlyph;
// The mark recoloured for one drawing; the glyph itself stays as made.
std::unique_ptr<TBitmap> inked;

} // namespace

void CreateCheckGlyph()
{
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetSize(GlyphSize, GlyphSize);
    DrawFrameControl(glyph->Canvas(), {0, 0, GlyphSize, GlyphSize}, DFC_MENU, DFCS_MENUCHECK);
    for (int y = 0; y < GlyphSize; ++y)
        for (int x = 0; x < GlyphSize; ++x)
            if (glyph->ColorAt(x, y) == clWhite)
                glyph->SetPixelAt(x, y, ColorToPixel(KeyColour));
    glyph->SetTransparentColor(KeyColour);
    glyph->SetTransparent(true);
    checkGlyph = std::move(glyph);
    inked = std::make_unique<TBitmap>(GlyphSize, GlyphSize);
    inked->SetTransparentColor(KeyColour);
    inked->SetTransparent(true);
}

void FreeCheckGlyph()
{
    checkGlyph.reset();
    inked.reset();
}

const TBitmap* CheckGlyph()
{
    return checkGlyph.get();
}

void DrawCheckGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    if (!checkGlyph)
        return;
    const uint32_t ink = ColorToPixel(ColorToRGB(color));
    const uint32_t key = ColorToPixel(KeyColour);
    for (int row = 0; row < GlyphSize; ++row)
        for (int col = 0; col < GlyphSize; ++col)
            inked->SetPixelAt(col, row, checkGlyph->ColorAt(col, row) == KeyColour ? key : ink);
    canvas.Draw(x, y, *inked);
}
