#include "platform/controls/TScrollBarModel.h"

#include <algorithm>

#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {
constexpr int MinThumb = 8;
}

void TScrollBarModel::SetInfo(const TScrollInfo& info)
{
    info_ = info;
    if (info_.Max < info_.Min)
        info_.Max = info_.Min;
    info_.Page = std::clamp(info_.Page, 0, info_.Max - info_.Min + 1);
    info_.Pos = std::clamp(info_.Pos, info_.Min, MaxPosition());
}

int TScrollBarModel::MaxPosition() const
{
    return std::max(info_.Min, info_.Max - std::max(info_.Page - 1, 0));
}

int TScrollBarModel::SetPosition(int pos)
{
    info_.Pos = std::clamp(pos, info_.Min, MaxPosition());
    return info_.Pos;
}

int TScrollBarModel::Length() const
{
    return vertical_ ? bounds_.Height() : bounds_.Width();
}

int TScrollBarModel::Thickness() const
{
    return vertical_ ? bounds_.Width() : bounds_.Height();
}

int TScrollBarModel::ArrowLength() const
{
    return std::min(Thickness(), Length() / 2);
}

int TScrollBarModel::ThumbLength() const
{
    const int track = Length() - 2 * ArrowLength();
    if (track <= 0 || !Scrollable())
        return 0;
    int len = Thickness();
    if (info_.Page > 0)
        len = static_cast<int>(static_cast<long long>(track) * info_.Page / (info_.Max - info_.Min + 1));
    len = std::max(len, MinThumb);
    return len > track ? 0 : len;
}

int TScrollBarModel::ThumbOffset() const
{
    const int track = Length() - 2 * ArrowLength();
    const int span = MaxPosition() - info_.Min;
    if (span <= 0)
        return ArrowLength();
    return ArrowLength() +
           static_cast<int>(static_cast<long long>(track - ThumbLength()) * (info_.Pos - info_.Min) / span);
}

TRect TScrollBarModel::ArrowRect(bool first) const
{
    const int a = ArrowLength();
    if (vertical_)
        return first ? Rect(bounds_.Left, bounds_.Top, bounds_.Right, bounds_.Top + a)
                     : Rect(bounds_.Left, bounds_.Bottom - a, bounds_.Right, bounds_.Bottom);
    return first ? Rect(bounds_.Left, bounds_.Top, bounds_.Left + a, bounds_.Bottom)
                 : Rect(bounds_.Right - a, bounds_.Top, bounds_.Right, bounds_.Bottom);
}

TRect TScrollBarModel::ThumbRect() const
{
    const int len = ThumbLength();
    if (len == 0)
        return {};
    const int off = ThumbOffset();
    if (vertical_)
        return Rect(bounds_.Left, bounds_.Top + off, bounds_.Right, bounds_.Top + off + len);
    return Rect(bounds_.Left + off, bounds_.Top, bounds_.Left + off + len, bounds_.Bottom);
}

TScrollPart TScrollBarModel::PartAt(TPoint p) const
{
    if (!bounds_.Contains(p))
        return TScrollPart::spNone;
    if (ArrowRect(true).Contains(p))
        return TScrollPart::spLineUp;
    if (ArrowRect(false).Contains(p))
        return TScrollPart::spLineDown;
    const TRect thumb = ThumbRect();
    if (thumb.IsEmpty())
        return TScrollPart::spNone;
    if (thumb.Contains(p))
        return TScrollPart::spThumb;
    const int at = vertical_ ? p.Y : p.X;
    const int thumbStart = vertical_ ? thumb.Top : thumb.Left;
    return at < thumbStart ? TScrollPart::spPageUp : TScrollPart::spPageDown;
}

int TScrollBarModel::PositionForThumbDrag(int startPos, int delta) const
{
    const int track = Length() - 2 * ArrowLength() - ThumbLength();
    const int span = MaxPosition() - info_.Min;
    if (track <= 0 || span <= 0)
        return info_.Pos;
    const int startOffset =
        static_cast<int>(static_cast<long long>(track) * (startPos - info_.Min) / span);
    const int offset = std::clamp(startOffset + delta, 0, track);
    const int pos = info_.Min + static_cast<int>((static_cast<long long>(offset) * span + track / 2) / track);
    return std::clamp(pos, info_.Min, MaxPosition());
}

void TScrollBarModel::Paint(TCanvas& canvas, TScrollPart pressed, bool enabled) const
{
    if (bounds_.IsEmpty())
        return;
    const bool active = enabled && Scrollable();
    const uint32_t inactive = active ? 0 : DFCS_INACTIVE;
    auto arrow = [&](bool first) {
        uint32_t kind = vertical_ ? (first ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                  : (first ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT);
        const TScrollPart part = first ? TScrollPart::spLineUp : TScrollPart::spLineDown;
        if (pressed == part)
            kind |= DFCS_PUSHED | DFCS_FLAT;
        DrawFrameControl(canvas, ArrowRect(first), DFC_SCROLL, kind | inactive);
    };
    arrow(true);
    arrow(false);
    TRect track = bounds_;
    if (vertical_) {
        track.Top = ArrowRect(true).Bottom;
        track.Bottom = ArrowRect(false).Top;
    } else {
        track.Left = ArrowRect(true).Right;
        track.Right = ArrowRect(false).Left;
    }
    if (track.IsEmpty())
        return;
    TBitmap dither(8, 8);
    const TColor face = ColorToRGB(clBtnFace);
    const TColor light = ColorToRGB(clBtnHighlight);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const TColor c = ((x + y) % 2) ? face : light;
            dither.SetPixelAt(x, y, 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
        }
    canvas.Brush().SetBitmap(&dither);
    canvas.FillRect(track);
    canvas.Brush().SetBitmap(nullptr);
    const TRect thumb = ThumbRect();
    if (!active || thumb.IsEmpty())
        return;
    if (pressed == TScrollPart::spPageUp || pressed == TScrollPart::spPageDown) {
        TRect sunk = track;
        if (vertical_) {
            if (pressed == TScrollPart::spPageUp)
                sunk.Bottom = thumb.Top;
            else
                sunk.Top = thumb.Bottom;
        } else {
            if (pressed == TScrollPart::spPageUp)
                sunk.Right = thumb.Left;
            else
                sunk.Left = thumb.Right;
        }
        canvas.Brush().SetColor(cl3DDkShadow);
        canvas.FillRect(sunk);
    }
    TRect t = thumb;
    canvas.Brush().SetColor(clBtnFace);
    DrawEdge(canvas, t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}
