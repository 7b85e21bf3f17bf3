#include "controls/flat/FlatUtils.h"

#include <algorithm>

#include "controls/flat/HSLUtils.h"
#include "platform/core/MathUtils.h"

TColor ShadeColor(TColor base, TColor fallback, uint8_t percent, bool darken) {
    if (percent == 0)
        return fallback;
    int h, s, l;
    RGBtoHSLRange(ColorToRGB(base), h, s, l);
    // Lightness stays on its own 0..240 scale, so lightening never turns a light colour darker.
    l = std::min(l + 10, HSLRange);
    l = darken ? std::max(l - percent, 0) : std::min(l + percent, HSLRange);
    return HSLRangeToRGB(h, s, l);
}

std::unique_ptr<TBitmap> MakeDisabledGlyph(const TBitmap& source, TColor outlineColor, TColor backColor,
                                           TColor highlightColor, TColor shadowColor, bool drawHighlight) {
    const int w = source.Width();
    const int h = source.Height();
    auto result = std::make_unique<TBitmap>(w, h);
    const std::unique_ptr<TBitmap> mask = source.Monochrome(ColorToRGB(outlineColor));
    TCanvas& canvas = result->Canvas();
    canvas.Brush().SetColor(backColor);
    canvas.FillRect(TRect{0, 0, w, h});
    // The mask is white where the source shows its outline colour: only those pixels take the brush.
    const auto stamp = [&](int offset, TColor color) {
        canvas.Brush().SetColor(color);
        canvas.SetTextColor(clBlack);
        canvas.SetBkColor(clWhite);
        canvas.BitBlt(offset, offset, w, h, *mask, 0, 0, ROP_DSPDxax);
    };
    if (drawHighlight)
        stamp(1, highlightColor);
    stamp(0, shadowColor);
    return result;
}

void LayoutGlyphAndCaption(TCanvas& canvas, const TRect& client, TPoint offset, TButtonLayout layout,
                           int spacing, int margin, const TBitmap* glyph, int numGlyphs,
                           const std::string& caption, TRect& textBounds, TPoint& glyphPos) {
    const TPoint clientSize{client.Right - client.Left, client.Bottom - client.Top};
    TPoint glyphSize{0, 0};
    if (glyph && !glyph->Empty())
        glyphSize = {glyph->Width() / std::max(numGlyphs, 1), glyph->Height()};
    TPoint textSize{0, 0};
    if (!caption.empty()) {
        textBounds = TRect{0, 0, clientSize.X, 0};
        canvas.DrawText(caption, textBounds, DT_CALCRECT | DT_SINGLELINE);
        textSize = {textBounds.Right - textBounds.Left, textBounds.Bottom - textBounds.Top};
    } else {
        textBounds = TRect{0, 0, 0, 0};
    }

    const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
    TPoint textPos{0, 0};
    if (horizontal) {
        glyphPos.Y = (clientSize.Y - glyphSize.Y + 1) / 2;
        textPos.Y = (clientSize.Y - textSize.Y + 1) / 2;
    } else {
        glyphPos.X = (clientSize.X - glyphSize.X + 1) / 2;
        textPos.X = (clientSize.X - textSize.X + 1) / 2;
    }
    if (textSize.X == 0 || glyphSize.X == 0)
        spacing = 0;

    const auto along = [horizontal](TPoint p) { return horizontal ? p.X : p.Y; };
    const int client1 = along(clientSize), glyph1 = along(glyphSize), text1 = along(textSize);
    if (margin == -1) {
        if (spacing == -1) {
            margin = (client1 - (glyph1 + text1)) / 3;
            spacing = margin;
        } else {
            margin = (client1 - (glyph1 + spacing + text1) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = (client1 - (margin + glyph1) - text1) / 2;
    }

    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = glyphPos.X + glyphSize.X + spacing;
        break;
    case TButtonLayout::blGlyphRight:
        glyphPos.X = clientSize.X - margin - glyphSize.X;
        textPos.X = glyphPos.X - spacing - textSize.X;
        break;
    case TButtonLayout::blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = glyphPos.Y + glyphSize.Y + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        glyphPos.Y = clientSize.Y - margin - glyphSize.Y;
        textPos.Y = glyphPos.Y - spacing - textSize.Y;
        break;
    }

    glyphPos.X += client.Left + offset.X;
    glyphPos.Y += client.Top + offset.Y;
    const int dx = textPos.X + client.Left + offset.X;
    const int dy = textPos.Y + client.Top + offset.Y;
    textBounds = TRect{textBounds.Left + dx, textBounds.Top + dy, textBounds.Right + dx, textBounds.Bottom + dy};
}

void GetFontMetrics(const TFont& font, TTextMetric& metrics) {
    TCanvas screen;
    screen.SetFont(font);
    metrics = screen.GetTextMetrics();
}

int FontLineHeight(const TFont& font) {
    TTextMetric tm;
    GetFontMetrics(font, tm);
    return static_cast<int>(Round(tm.tmHeight + tm.tmHeight / 8.0));
}

bool RectsOverlap(const TRect& a, const TRect& b) {
    TRect dest;
    return IntersectRect(dest, a, b);
}
