#include "platform/graphics/ClassicDraw.h"

#include <algorithm>

#include "platform/graphics/TCanvas.h"

namespace {

void Fill(TCanvas& c, const TRect& r, TColor color) {
    if (r.IsEmpty()) return;
    c.FillRgn(TRegion(r), color);
}

// One ring of an edge: bottom and right in 'br' across their full length, then top and left in 'tl' up to the corners they leave.
void Ring(TCanvas& c, const TRect& r, uint32_t flags, TColor tl, TColor br) {
    if (r.IsEmpty()) return;
    if (flags & BF_BOTTOM) Fill(c, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, br);
    if (flags & BF_RIGHT) Fill(c, {r.Right - 1, r.Top, r.Right, r.Bottom}, br);
    if (flags & BF_TOP) Fill(c, {r.Left, r.Top, r.Right - ((flags & BF_RIGHT) ? 1 : 0), r.Top + 1}, tl);
    if (flags & BF_LEFT) Fill(c, {r.Left, r.Top, r.Left + 1, r.Bottom - ((flags & BF_BOTTOM) ? 1 : 0)}, tl);
}

void Shrink(TRect& r, uint32_t flags) {
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
}

// A raised or pressed button face; 'soft' gives the push button's raised edge, white outermost at the top-left.
// Pressed without DFCS_FLAT it is always the soft sunken well, dark shadow outermost at the top-left.
void Button(TCanvas& c, TRect r, uint32_t state, bool soft) {
    const bool flat = state & DFCS_FLAT;
    const bool pushed = state & (DFCS_PUSHED | DFCS_CHECKED);
    const uint32_t edge = pushed ? EDGE_SUNKEN : EDGE_RAISED;
    uint32_t flags = BF_RECT | BF_MIDDLE | (flat ? BF_FLAT : 0);
    if (!flat && (soft || pushed)) flags |= BF_SOFT;
    DrawEdge(c, r, edge, flags);
}

// The glyph area of a button face, moved one pixel down and right while pressed.
TRect GlyphBox(const TRect& r, uint32_t state) {
    TRect g = r;
    g.Inflate(-2, -2);
    if (state & DFCS_PUSHED) g.Offset(1, 1);
    return g;
}

// Draws the glyph in black, or embossed in highlight and shadow when inactive.
template <typename Draw>
void Glyph(uint32_t state, Draw draw) {
    if (state & DFCS_INACTIVE) {
        draw(1, clBtnHighlight);
        draw(0, clBtnShadow);
    } else {
        draw(0, clBlack);
    }
}

void CheckBox(TCanvas& c, const TRect& rect, uint32_t state) {
    // Always 13x13, centred in the given rectangle.
    const TRect box = Bounds(rect.Left + (rect.Width() - 13) / 2, rect.Top + (rect.Height() - 13) / 2, 13, 13);
    TRect r = box;
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    if (flat) {
        Ring(c, r, BF_RECT, clBtnShadow, clBtnShadow);
        Shrink(r, BF_RECT);
    } else {
        DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    const bool third = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    const bool dim = (state & (DFCS_INACTIVE | DFCS_PUSHED)) || third;
    Fill(c, r, dim ? clBtnFace : clWindow);
    // The 7 by 7 mark leaves one pixel of the well showing all round.
    if (state & DFCS_CHECKED) DrawCheckMark(c, box.Left + 3, box.Top + 3, (state & DFCS_INACTIVE) || third ? clBtnShadow : clBlack);
}

void Radio(TCanvas& c, const TRect& rect, uint32_t state) {
    const TRect r = Bounds(rect.Left + (rect.Width() - 12) / 2, rect.Top + (rect.Height() - 12) / 2, 12, 12);
    c.SaveDC();
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetMode(TPenMode::pmCopy);
    c.Brush().SetBitmap(nullptr);
    c.Pen().SetColor(clBtnShadow);
    c.Brush().SetColor((state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow);
    c.Ellipse(r);
    if (state & DFCS_CHECKED) {
        const TColor dot = (state & DFCS_INACTIVE) ? clBtnShadow : clBlack;
        Fill(c, {r.Left + 5, r.Top + 4, r.Left + 7, r.Top + 8}, dot);
        Fill(c, {r.Left + 4, r.Top + 5, r.Left + 8, r.Top + 7}, dot);
    }
    c.RestoreDC(-1);
}

void CaptionGlyph(TCanvas& c, const TRect& g, uint32_t kind, int d, TColor color) {
    const int w = g.Width(), h = g.Height();
    const int s = std::max(4, std::min(w, h) - 2);
    const int x = g.Left + (w - s) / 2 + d, y = g.Top + (h - s) / 2 + d;
    switch (kind) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i < s - 1; ++i) {
            Fill(c, {x + i, y + i, x + i + 2, y + i + 1}, color);
            Fill(c, {x + s - 3 - i, y + i, x + s - 1 - i, y + i + 1}, color);
        }
        break;
    case DFCS_CAPTIONMIN: Fill(c, {x + 1, y + s - 2, x + s - 3, y + s}, color); break;
    case DFCS_CAPTIONMAX:
        Fill(c, {x, y, x + s, y + 2}, color);
        Fill(c, {x, y, x + 1, y + s}, color);
        Fill(c, {x + s - 1, y, x + s, y + s}, color);
        Fill(c, {x, y + s - 1, x + s, y + s}, color);
        break;
    case DFCS_CAPTIONRESTORE: {
        const int b = s * 2 / 3;
        for (int o : {0, 1}) {
            const int bx = o ? x : x + s - b, by = o ? y + s - b : y;
            if (o) Fill(c, {bx, by, bx + b, by + b}, clBtnFace);
            Fill(c, {bx, by, bx + b, by + 2}, color);
            Fill(c, {bx, by, bx + 1, by + b}, color);
            Fill(c, {bx + b - 1, by, bx + b, by + b}, color);
            Fill(c, {bx, by + b - 1, bx + b, by + b}, color);
        }
        break;
    }
    case DFCS_CAPTIONHELP: {
        const int cx = x + s / 2;
        Fill(c, {cx - 2, y, cx + 2, y + 2}, color);
        Fill(c, {cx + 2, y + 1, cx + 4, y + 4}, color);
        Fill(c, {cx, y + 4, cx + 2, y + s - 4}, color);
        Fill(c, {cx, y + s - 2, cx + 2, y + s}, color);
        Fill(c, {cx - 4, y + 1, cx - 2, y + 3}, color);
        break;
    }
    default: break;
    }
}

void SizeGrip(TCanvas& c, const TRect& r) {
    Fill(c, r, clBtnFace);
    // Anti-diagonals counted from the corner: a highlight line and two shadow lines, three times.
    const int n = std::min({r.Width(), r.Height(), 12});
    for (int d = 0; d < n; ++d) {
        const int m = d % 4;
        if (m == 0) continue;
        const TColor color = m == 1 ? clBtnHighlight : clBtnShadow;
        for (int i = 0; i <= d; ++i) c.SetPixel(r.Right - 1 - i, r.Bottom - 1 - (d - i), color);
    }
}

}  // namespace

bool DrawEdge(TCanvas& canvas, TRect& rect, uint32_t edge, uint32_t flags) {
    TRect r = rect;
    const uint32_t sides = flags & BF_RECT;
    const bool flat = flags & BF_FLAT, mono = flags & BF_MONO;
    const uint32_t outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const uint32_t inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    // BF_SOFT is the button's order: the lighter (raised) or darker (sunken) colour outermost at the top-left.
    const bool soft = (flags & BF_SOFT) && !flat && !mono;
    if (outer) {
        TColor tl = (outer & BDR_RAISEDOUTER) ? (soft ? clBtnHighlight : cl3DLight) : (soft ? cl3DDkShadow : clBtnShadow);
        TColor br = (outer & BDR_RAISEDOUTER) ? cl3DDkShadow : clBtnHighlight;
        if (flat) tl = br = clBtnShadow;
        if (mono) tl = br = clWindowFrame;
        Ring(canvas, r, sides, tl, br);
        Shrink(r, sides);
    }
    if (inner) {
        TColor tl = (inner & BDR_RAISEDINNER) ? (soft ? cl3DLight : clBtnHighlight) : (soft ? clBtnShadow : cl3DDkShadow);
        TColor br = (inner & BDR_RAISEDINNER) ? clBtnShadow : cl3DLight;
        if (flat || mono) tl = br = flat ? clBtnFace : clWindow;
        Ring(canvas, r, sides, tl, br);
        Shrink(r, sides);
    }
    if (flags & BF_MIDDLE) Fill(canvas, r, mono ? clWindow : clBtnFace);
    if (flags & BF_ADJUST) rect = r;
    return true;
}

void DrawCheckMark(TCanvas& canvas, int x, int y, TColor color) {
    static const char* const rows[7] = {"......x", ".....xx", "x...xxx", "xx.xxx.", "xxxxx..", ".xxx...", "..x...."};
    for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 7; ++i)
            if (rows[j][i] == 'x') canvas.SetPixel(x + i, y + j, color);
}

void DrawArrow(TCanvas& canvas, const TRect& r, TArrowDirection dir, TColor color) {
    const int size = std::min(r.Width(), r.Height());
    const int depth = std::max(1, (size - 4) / 3);
    const bool vertical = dir == TArrowDirection::Up || dir == TArrowDirection::Down;
    const int cx = r.Left + (r.Width() - (vertical ? 2 * depth - 1 : depth)) / 2;
    const int cy = r.Top + (r.Height() - (vertical ? depth : 2 * depth - 1)) / 2;
    for (int i = 0; i < depth; ++i) {
        // Row i of the triangle, widest at the base.
        const int len = 2 * (depth - i) - 1;
        switch (dir) {
        case TArrowDirection::Down: Fill(canvas, {cx + i, cy + i, cx + i + len, cy + i + 1}, color); break;
        case TArrowDirection::Up: Fill(canvas, {cx + i, cy + depth - 1 - i, cx + i + len, cy + depth - i}, color); break;
        case TArrowDirection::Right: Fill(canvas, {cx + i, cy + i, cx + i + 1, cy + i + len}, color); break;
        case TArrowDirection::Left: Fill(canvas, {cx + depth - 1 - i, cy + i, cx + depth - i, cy + i + len}, color); break;
        }
    }
}

bool DrawFrameControl(TCanvas& canvas, const TRect& rect, uint32_t type, uint32_t state) {
    if (rect.IsEmpty()) return false;
    const uint32_t kind = state & 0xFF;
    switch (type) {
    case DFC_BUTTON:
        if (kind & DFCS_BUTTONPUSH) {
            Button(canvas, rect, state, true);
            return true;
        }
        if ((kind & 0x7) == DFCS_BUTTONRADIO || (kind & 0x7) == 1 || (kind & 0x7) == 2) {
            Radio(canvas, rect, state);
            return true;
        }
        CheckBox(canvas, rect, state);
        return true;
    case DFC_SCROLL: {
        if (kind == DFCS_SCROLLSIZEGRIP) {
            SizeGrip(canvas, rect);
            return true;
        }
        Button(canvas, rect, state & ~DFCS_CHECKED, false);
        TArrowDirection dir = TArrowDirection::Down;
        if (kind == DFCS_SCROLLUP) dir = TArrowDirection::Up;
        else if (kind == DFCS_SCROLLLEFT) dir = TArrowDirection::Left;
        else if (kind == DFCS_SCROLLRIGHT) dir = TArrowDirection::Right;
        // Arrows are sized to the whole button (7 by 4 in 16 by 16) and follow it down when pressed.
        TRect g = rect;
        if (state & DFCS_PUSHED) g.Offset(1, 1);
        Glyph(state, [&](int d, TColor color) {
            TRect box = g;
            box.Offset(d, d);
            DrawArrow(canvas, box, dir, color);
        });
        return true;
    }
    case DFC_CAPTION: {
        Button(canvas, rect, state & ~DFCS_CHECKED, false);
        TRect g = GlyphBox(rect, state);
        g.Inflate(-1, -1);
        Glyph(state, [&](int d, TColor color) { CaptionGlyph(canvas, g, kind, d, color); });
        return true;
    }
    case DFC_MENU: {
        Fill(canvas, rect, clWhite);
        if (kind == DFCS_MENUCHECK) {
            DrawCheckMark(canvas, rect.Left + (rect.Width() - 7) / 2, rect.Top + (rect.Height() - 7) / 2, clBlack);
        } else if (kind == DFCS_MENUBULLET) {
            const int x = rect.Left + (rect.Width() - 4) / 2, y = rect.Top + (rect.Height() - 4) / 2;
            Fill(canvas, {x + 1, y, x + 3, y + 4}, clBlack);
            Fill(canvas, {x, y + 1, x + 4, y + 3}, clBlack);
        } else {
            DrawArrow(canvas, rect, TArrowDirection::Right, clBlack);
        }
        return true;
    }
    default: return false;
    }
}
