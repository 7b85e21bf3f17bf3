#include "skin/formats/TTeFlatTheme.h"

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeThemeStreams.h"
#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"

namespace {

// Menu item states: 1 open in the menu loop, 2 hot while the menu is idle, 3 disabled.
bool Highlighted(const TteMenuItemInfo& info) { return info.State == 1 || info.State == 2; }

void DrawCentered(TCanvas& canvas, const TteBitmap& bitmap, const TRect& rect, int dx = 0, int dy = 0)
{
    const TRect r = RectCenter(Rect(0, 0, bitmap.Width(), bitmap.Height()), rect);
    bitmap.DrawToCanvas(canvas, r.Left + dx, r.Top + dy);
}

// Every pixel of the image that is not transparent, in one colour at alpha 100.
void DrawSilhouette(TCanvas& canvas, const TteBitmap& image, int x, int y, TColor color)
{
    TteBitmap shadow;
    shadow.Assign(image);
    const uint32_t ink = ColorToPixel(color, 100);
    for (int row = 0; row < shadow.Height(); ++row)
        for (uint32_t *p = shadow.ScanLine(row), *end = p + shadow.Width(); p != end; ++p)
            if (PixelAlpha(*p) != 0 && !SameRGB(*p, KeyColor))
                *p = ink;
            else
                *p = KeyColor;
    shadow.SetAlphaBlend(true);
    shadow.DrawToCanvas(canvas, x, y);
}

} // namespace

bool TTeFlatTheme::IsMenuDefined(Byte, const std::string&) { return true; }

TRect TTeFlatTheme::GetMenuClientRect(Byte, const TteMenuFrameInfo& info, const std::string&)
{
    return InflateRectBy(info.Rect, -2);
}

void TTeFlatTheme::DrawMenuFrame(Byte kind, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string&)
{
    const TRect& r = info.Rect;
    switch (kind) {
    case 0: FillRectColor(canvas, r, Color(tcButtonNormal)); break;
    case 1: FillRectColor(canvas, r, AddColorBrightness(Color(tcButtonNormal), 10)); break;
    case 2:
        FillRectColor(canvas, r, clWhite);
        FillRectColorXY(canvas, r.Left, r.Top, r.Left + gutterWidth_ + 2, r.Bottom, Color(tcButtonNormal));
        FrameRectColor(canvas, r, clGray);
        break;
    default: break;
    }
}

void TTeFlatTheme::FillMenuRow(TCanvas& canvas, const TRect& rect) const
{
    FillRectColor(canvas, rect, clWhite);
    FillRectColorXY(canvas, rect.Left, rect.Top, rect.Left + gutterWidth_, rect.Bottom, Color(tcButtonNormal));
}

void TTeFlatTheme::DrawMenuItem(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const std::string&)
{
    const TRect& r = info.Rect;
    switch (info.Kind) {
    case 0:
        if (kind <= 1) {
            const TColor face =
                kind == 0 ? Color(tcButtonNormal) : AddColorBrightness(Color(tcButtonNormal), 10);
            if (info.State == 2) {
                FillFramed(canvas, r, Color(tcButtonHot));
            } else {
                FillRectColor(canvas, r, face);
                if (info.State == 1)
                    FrameRectColor(canvas, r, clGray);
            }
        } else if (Highlighted(info)) {
            FillFramed(canvas, r, Color(tcButtonHot));
        } else {
            FillMenuRow(canvas, r);
        }
        break;
    case 1: {
        FillMenuRow(canvas, r);
        TRect line = r;
        const int half = RectHeight(r) / 2;
        line.Left += 5 + gutterWidth_ + 2;
        line.Right -= 5;
        line.Top += half;
        line.Bottom -= half;
        FillRectColor(canvas, line, clGray);
        break;
    }
    case 2:
    case 3:
        FillMenuRow(canvas, r);
        if (Highlighted(info))
            FrameRectColor(canvas, r, clGray);
        DrawFrameControlColor(canvas, RectCenter(Rect(0, 0, 14, 14), r), DFC_SCROLL, clGray,
                              info.Kind == 2 ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
        break;
    default: break;
    }
}

void TTeFlatTheme::DrawMenuItemText(Byte, TCanvas& canvas, const TteMenuItemInfo&, const TteTextInfo& text,
                                    const std::string&)
{
    DrawText(canvas, text);
}

void TTeFlatTheme::DrawMenuItemGlyph(Byte, TCanvas& canvas, const TteMenuItemInfo& item,
                                     const TteItemGlyphInfo& glyph, const std::string&)
{
    const TRect& r = glyph.Rect;
    switch (glyph.Kind) {
    case 0: {
        FillFramed(canvas, InflateRectBy(r, -1), Color(tcButtonHot));
        const TRect square = RectCenter(Rect(0, 0, 16, 16), r);
        DrawCheckMark(canvas, (square.Left + square.Right) / 2 - 2, (square.Top + square.Bottom) / 2 + 1,
                      canvas.Font().Color());
        break;
    }
    case 1: FillRoundRectColor(canvas, RectCenter(Rect(0, 0, 6, 6), r), 3, clBlack); break;
    case 2:
        DrawFrameControlColor(canvas, RectCenter(Rect(0, 0, 16, 16), r), DFC_MENU, canvas.Font().Color(),
                              DFCS_MENUARROW);
        break;
    case 3:
        if (!glyph.Bitmap)
            break;
        if (Highlighted(item)) {
            const TRect at = RectCenter(Rect(0, 0, glyph.Bitmap->Width(), glyph.Bitmap->Height()), r);
            DrawSilhouette(canvas, *glyph.Bitmap, at.Left + 2, at.Top + 2, clGray);
            DrawCentered(canvas, *glyph.Bitmap, r, -1, -1);
        } else {
            DrawCentered(canvas, *glyph.Bitmap, r);
        }
        break;
    case 4:
        if (glyph.Bitmap)
            DrawCentered(canvas, *glyph.Bitmap, r);
        break;
    case 13: DrawFrameControlColor(canvas, r, DFC_CAPTION, clBlack, DFCS_CAPTIONMIN); break;
    case 14: DrawFrameControlColor(canvas, r, DFC_CAPTION, clBlack, DFCS_CAPTIONRESTORE); break;
    case 15: DrawFrameControlColor(canvas, r, DFC_CAPTION, clBlack, DFCS_CAPTIONCLOSE); break;
    default: break;
    }
}
