#include "skin/formats/SeBitmapPainter.h"

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
    const int l = margins.Left, t = margins.Top, r = margins.Right, b = margins.Bottom;
    const TPartMode edge = ModeOf(border);
    const TPartMode middle = ModeOf(centre) == TPartMode::Centre ? TPartMode::Stretch : ModeOf(centre);
    const bool corners = link.MaskedAngles(), edges = link.MaskedBorder();
    const auto unscaled = TPartMode::Stretch;

    DrawPart(canvas, image, Rect(d.Left, d.Top, d.Left + l, d.Top + t), Rect(s.Left, s.Top, s.Left + l, s.Top + t),
             unscaled, corners, clip);
    DrawPart(canvas, image, Rect(d.Right - r, d.Top, d.Right, d.Top + t),
             Rect(s.Right - r, s.Top, s.Right, s.Top + t), unscaled, corners, clip);
    DrawPart(canvas, image, Rect(d.Right - r, d.Bottom - b, d.Right, d.Bottom),
             Rect(s.Right - r, s.Bottom - b, s.Right, s.Bottom), unscaled, corners, clip);
    DrawPart(canvas, image, Rect(d.Left, d.Bottom - b, d.Left + l, d.Bottom),
             Rect(s.Left, s.Bottom - b, s.Left + l, s.Bottom), unscaled, corners, clip);

    DrawPart(canvas, image, Rect(d.Left + l, d.Top, d.Right - r, d.Top + t),
             Rect(s.Left + l, s.Top, s.Right - r, s.Top + t), edge, edges, clip);
    DrawPart(canvas, image, Rect(d.Left + l, d.Bottom - b, d.Right - r, d.Bottom),
             Rect(s.Left + l, s.Bottom - b, s.Right - r, s.Bottom), edge, edges, clip);
    DrawPart(canvas, image, Rect(d.Left, d.Top + t, d.Left + l, d.Bottom - b),
             Rect(s.Left, s.Top + t, s.Left + l, s.Bottom - b), edge, edges, clip);
    DrawPart(canvas, image, Rect(d.Right - r, d.Top + t, d.Right, d.Bottom - b),
             Rect(s.Right - r, s.Top + t, s.Right, s.Bottom - b), edge, edges, clip);

    DrawPart(canvas, image, Rect(d.Left + l, d.Top + t, d.Right - r, d.Bottom - b),
             Rect(s.Left + l, s.Top + t, s.Right - r, s.Bottom - b), middle, link.Masked(), clip);
}
