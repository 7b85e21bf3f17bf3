#pragma once
// Drawing helpers shared by the flat controls: colour shading, the disabled look of a glyph,
// the placement of glyph and caption in a button, font line heights and rectangle overlap.
#include <cstdint>
#include <memory>
#include <string>
#include "platform/controls/TSpeedButton.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFontCache.h"
#include "platform/graphics/TRect.h"

// A percentage 0..100 by which the derived colours of UseAdvColors are shaded.
using TAdvColors = uint8_t;

// Base with its lightness shifted by Percent (plus 10), kept in 0..240; Fallback when Percent is 0.
TColor ShadeColor(TColor base, TColor fallback, uint8_t percent, bool darken);

// The disabled look of a glyph: its OutlineColor pixels drawn in ShadowColor on BackColor, with a
// HighlightColor copy one pixel down and right beneath them.
std::unique_ptr<TBitmap> MakeDisabledGlyph(const TBitmap& source, TColor outlineColor, TColor backColor,
                                           TColor highlightColor, TColor shadowColor, bool drawHighlight);

// Places a glyph (one image of a strip of NumGlyphs) and a caption inside Client. Margin and
// Spacing of -1 mean "centre"; the results are in the canvas's coordinates.
void LayoutGlyphAndCaption(TCanvas& canvas, const TRect& client, TPoint offset, TButtonLayout layout,
                           int spacing, int margin, const TBitmap* glyph, int numGlyphs,
                           const std::string& caption, TRect& textBounds, TPoint& glyphPos);

// The font's metrics as the screen measures it.
void GetFontMetrics(const TFont& font, TTextMetric& metrics);
// The height of a line of text in the font: tmHeight and an eighth, rounded.
int FontLineHeight(const TFont& font);

inline uint16_t MinWord(uint16_t a, uint16_t b) { return a < b ? a : b; }
bool RectsOverlap(const TRect& a, const TRect& b);
