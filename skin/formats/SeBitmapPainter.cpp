#include "skin/formats/SeBitmapPainter.h"

#include <array>

#include "skin/engine/TeUtils.h"
#include "skin/engine/TteBitmap.h"
#include "skin/engine/TteBitmapLink.h"

namespace {

enum class TPartMode { Tile, Stretch, Centre };

TPartMode ModeOf(TscTileStyle style)
{
    switch (style) {
    case tsStretch:
    case tsVertCenterStretch:
    case tsHorzCenterStretch:
        return TPartMode::Stretch;
    case tsCenter:
        return TPartMode::Centre;
    default:
        return TPartMode::Tile;
    }
}

// The image keyed by the link's flag for this part, put back afterwards.
void DrawPart(TCanvas& canvas, TteBitmap& image, const TRect& dest, const TRect& src, TPartMode mode, bool masked,
              const TRect& clip)
{
    if (dest.IsEmpty() || src.IsEmpty())
        return;
    const bool transparent = image.Transparent();
    image.SetTransparent(masked);
    switch (mode) {
    case TPartMode::Tile:
        image.TileClip(canvas, dest, src, clip);
        break;
    case TPartMode::Stretch:
        image.DrawCanvas(canvas, dest, src);
        break;
    case TPartMode::Centre: {
        const TRect at = RectCenter(Rect(0, 0, src.Width(), src.Height()), dest);
        image.DrawCanvasRect(canvas, at.Left, at.Top, src);
        break;
    }
    }
    image.SetTransparent(transparent);
}

// The area a strip or centred style paints within 'dest'.
TRect StyledBox(const TRect& dest, const TRect& src, TscTileStyle style)
{
    switch (style) {
    case tsCenter:
        return RectCenter(Rect(0, 0, src.Width(), src.Height()), dest);
    case tsVertCenterStretch:
    case tsVertCenterTile: {
        const int left = dest.Left + (dest.Width() - src.Width()) / 2;
        return Rect(left, dest.Top, left + src.Width(), dest.Bottom);
    }
    case tsHorzCenterStretch:
    case tsHorzCenterTile: {
        const int top = dest.Top + (dest.Height() - src.Height()) / 2;
        return Rect(dest.Left, top, dest.Right, top + src.Height());
    }
    default:
        return dest;
    }
}

// Corners (top-left, top-right, bottom-right, bottom-left), edges (top, bottom, left, right), centre.
std::array<TRect, 9> NineParts(const TRect& r, const TRect& m)
{
    const int x0 = r.Left, x1 = r.Left + m.Left, x2 = r.Right - m.Right, x3 = r.Right;
    const int y0 = r.Top, y1 = r.Top + m.Top, y2 = r.Bottom - m.Bottom, y3 = r.Bottom;
    return {Rect(x0, y0, x1, y1), Rect(x2, y0, x3, y1), Rect(x2, y2, x3, y3), Rect(x0, y2, x1, y3),
            Rect(x1, y0, x2, y1), Rect(x1, y2, x2, y3), Rect(x0, y1, x1, y2), Rect(x2, y1, x3, y2),
            Rect(x1, y1, x2, y2)};
}

} // namespace

void DrawLinkStyled(TCanvas& canvas, const TteBitmapLink& link, const TRect& dest, TscTileStyle style,
                    const TRect& clip, bool strips)
{
    if (!link.IsAssigned() || dest.IsEmpty() || (!strips && style > tsCenter))
        return;
    const TRect src = link.BoundsRect();
    const TPartMode mode = ModeOf(style);
    // A strip is filled by its own stretch or tile, the centred image drawn once.
    DrawPart(canvas, *link.Image(), StyledBox(dest, src, style), src, mode == TPartMode::Centre ? TPartMode::Stretch : mode,
             link.Masked(), clip);
}

void DrawLinkNineParts(TCanvas& canvas, const TteBitmapLink& link, const TRect& dest, const TRect& margins,
                       TscTileStyle centre, TscTileStyle border, const TRect& clip)
{
    if (!link.IsAssigned() || dest.IsEmpty())
        return;
    TteBitmap& image = *link.Image();
    const TRect s = link.BoundsRect();
    const TRect d = StyledBox(dest, s, centre);
    const TPartMode edge = ModeOf(border);
    const TPartMode middle = ModeOf(centre) == TPartMode::Centre ? TPartMode::Stretch : ModeOf(centre);
    const std::array<TRect, 9> to = NineParts(d, margins), from = NineParts(s, margins);
    for (size_t i = 0; i < to.size(); ++i) {
        // Corners have the same size on both sides, so stretching draws them unscaled.
        const TPartMode mode = i < 4 ? TPartMode::Stretch : i < 8 ? edge : middle;
        const bool masked = i < 4 ? link.MaskedAngles() : i < 8 ? link.MaskedBorder() : link.Masked();
        DrawPart(canvas, image, to[i], from[i], mode, masked, clip);
    }
}
