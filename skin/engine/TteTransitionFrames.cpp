#include "skin/engine/TteTransitionFrames.h"

#include <algorithm>

#include "platform/core/MathUtils.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TteAnimationRec.h"
#include "skin/engine/TtePixelRoutines.h"
#include "skin/engine/TteProcList.h"

namespace {

bool Turned(TteRotation r)
{
    return r == krRotate90 || r == krRotate270;
}

// Pixel alpha of 'to' from the mask stretched over 'tile', in 16.16 steps.
void MaskToAlpha(TteBitmap& to, const std::vector<uint8_t>& mask, int across, int down, const TRect& tile)
{
    TRect r;
    if (!IntersectRect(r, tile, Rect(0, 0, to.Width(), to.Height())))
        return;
    const int64_t stepX = (int64_t{across} * 65536) / tile.Width(), stepY = (int64_t{down} * 65536) / tile.Height();
    const int64_t startX = MulDiv((r.Left - tile.Left) * across, 65535, tile.Width());
    int64_t fy = MulDiv((r.Top - tile.Top) * down, 65535, tile.Height());
    for (int y = r.Top; y < r.Bottom; ++y, fy += stepY) {
        const uint8_t* row = mask.data() + std::min<int64_t>(fy >> 16, down - 1) * across;
        uint32_t* p = to.PixelPtr(r.Left, y);
        int64_t fx = startX;
        for (int x = r.Left; x < r.Right; ++x, fx += stepX, ++p)
            *p = (*p & 0x00FFFFFFu) | (uint32_t{row[std::min<int64_t>(fx >> 16, across - 1)]} << 24);
    }
}

struct PixelSpan {
    int first, last;
};

// The offsets 0..R of one cell whose destination (d + i) lies in the image and whose source
// (s + i) lies in the image and in its tile (tile .. tile + size, both ends included).
PixelSpan Span(int R, int d, int s, int extent, int tile, int size)
{
    return {std::max({0, -d, -s, tile - s}), std::min({R, extent - 1 - d, extent - 1 - s, tile + size - s})};
}

} // namespace

TteTransitionFrames::TteTransitionFrames(TteBitmap& from, TteBitmap& to, const TteAnimationRec& animation, const TteProcItem* item)
    : from_(from), to_(to), a_(animation), item_(item), r_(animation.Resolution()), t_(animation.TileCount()),
      across_(from.Width() / r_ / t_ + 1), down_(from.Height() / r_ / t_ + 1)
{
    const size_t cells = static_cast<size_t>(across_) * down_;
    if (!item_) {
        mask_.resize(cells);
        second_ = GreyMap();
    } else if (item_->Kind() == 0) {
        mask_.resize(cells);
        if (a_.Rotation() != krNone)
            second_.resize(cells);
    } else if (item_->Kind() == 1) {
        cells_.resize(cells);
    }
    work_.SetSize(from.Width(), from.Height());
}

void TteTransitionFrames::Compose(int percent)
{
    from_.DrawToBitmapAt(work_, 0, 0);
    if (!item_)
        return BitmapFrame(percent);
    switch (item_->Kind()) {
    case 0: return MaskFrame(std::get<TteMaskProc>(item_->Proc()), percent);
    case 1: return CellFrame(std::get<TteCellProc>(item_->Proc()), percent);
    default:
        PixelRoutines().ClearAlphaOfColor(to_.Bits(), to_.Width() * to_.Height(), KeyColor);
        std::get<TteManualProc>(item_->Proc())(work_, to_, a_, percent);
    }
}

// The animation's bitmap squeezed to one grey value per cell, read from its blue channel.
std::vector<uint8_t> TteTransitionFrames::GreyMap() const
{
    const bool turned = Turned(a_.Rotation());
    TBitmap squeezed(turned ? down_ : across_, turned ? across_ : down_);
    squeezed.Canvas().StretchDraw(Rect(0, 0, squeezed.Width(), squeezed.Height()), a_.Bitmap());
    squeezed.Canvas().Flush();
    std::vector<uint8_t> grey(static_cast<size_t>(across_) * down_);
    for (size_t i = 0; i < grey.size(); ++i)
        grey[i] = static_cast<uint8_t>(squeezed.Bits()[i]);
    return grey;
}

void TteTransitionFrames::BitmapFrame(int percent)
{
    const int A = across_, D = down_, shift = MulDiv(510, percent, 100) - 255;
    for (int y = 0; y < D; ++y)
        for (int x = 0; x < A; ++x) {
            int index;
            switch (a_.Rotation()) {
            case krRotate90: index = x * D + y; break;
            case krRotate180: index = (D - y - 1) * A + (A - x - 1); break;
            case krRotate270: index = x * D + (D - y - 1); break;
            default: index = y * A + x;
            }
            mask_[y * A + x] = static_cast<uint8_t>(std::clamp(second_[index] + shift, 0, 255));
        }
    ShowMask();
}

void TteTransitionFrames::MaskFrame(TteMaskProc proc, int percent)
{
    const int A = across_, D = down_;
    std::fill(mask_.begin(), mask_.end(), 0);
    const TteRotation rotation = a_.Rotation();
    if (rotation == krNone) {
        proc(mask_.data(), A, D, percent);
    } else {
        std::fill(second_.begin(), second_.end(), 0);
        if (Turned(rotation))
            proc(second_.data(), D, A, percent);
        else
            proc(second_.data(), A, D, percent);
        for (int x = 0; x < A; ++x)
            for (int y = 0; y < D; ++y) {
                if (rotation == krRotate90)
                    mask_[(D - y - 1) * A + x] = second_[x * D + y];
                else if (rotation == krRotate180)
                    mask_[(D - y - 1) * A + (A - x - 1)] = second_[y * A + x];
                else
                    mask_[y * A + (A - x - 1)] = second_[x * D + y];
            }
    }
    ShowMask();
}

void TteTransitionFrames::ShowMask()
{
    const int tw = r_ * across_, th = r_ * down_;
    for (int i = 0; i < t_; ++i)
        for (int j = 0; j < t_; ++j)
            MaskToAlpha(to_, mask_, across_, down_, Bounds(tw * i, th * j, tw, th));
    PixelRoutines().ClearAlphaOfColor(to_.Bits(), to_.Width() * to_.Height(), KeyColor);
    to_.SetAlphaBlend(true);
    to_.DrawToBitmapAt(work_, 0, 0);
}

void TteTransitionFrames::CellFrame(TteCellProc proc, int percent)
{
    const int A = across_, D = down_, R = r_;
    const TteRotation rotation = a_.Rotation();
    std::fill(cells_.begin(), cells_.end(), TteCell{});
    if (Turned(rotation))
        proc(cells_.data(), D, A, percent);
    else
        proc(cells_.data(), A, D, percent);
    const int W = to_.Width(), H = to_.Height(), TW = W / t_ + 1, TH = H / t_ + 1;
    const auto blend = PixelRoutines().BlendPixel;
    for (int tx = 0; tx < t_; ++tx)
        for (int ty = 0; ty < t_; ++ty)
            for (int x = 0; x < A; ++x)
                for (int y = 0; y < D; ++y) {
                    TteCell c;
                    int sc, sr;
                    switch (rotation) {
                    case krRotate90:
                        c = cells_[(A - x - 1) * D + y];
                        sc = A - c.Row - 1, sr = c.Col;
                        break;
                    case krRotate180:
                        c = cells_[(D - y - 1) * A + (A - x - 1)];
                        sc = A - c.Col - 1, sr = D - c.Row - 1;
                        break;
                    case krRotate270:
                        c = cells_[x * D + (D - y - 1)];
                        sc = c.Row, sr = D - c.Col - 1;
                        break;
                    default:
                        c = cells_[y * A + x];
                        sc = c.Col, sr = c.Row;
                    }
                    // A record of alpha 0 changes nothing.
                    const uint32_t alpha = static_cast<uint8_t>(c.Alpha);
                    if (alpha == 0)
                        continue;
                    const int dx = tx * TW + R * x, dy = ty * TH + R * y;
                    const int sx = tx * TW + R * sc, sy = ty * TH + R * sr;
                    const PixelSpan across = Span(R, dx, sx, W, tx * TW, TW), down = Span(R, dy, sy, H, ty * TH, TH);
                    // The pixels of one cell are distinct, so their order within it is free.
                    for (int j = down.first; j <= down.last; ++j) {
                        const uint32_t* s = to_.PixelPtr(sx + across.first, sy + j);
                        uint32_t* d = work_.PixelPtr(dx + across.first, dy + j);
                        for (int i = across.first; i <= across.last; ++i, ++s, ++d) {
                            if (PixelAlpha(*s) == 0)
                                continue;
                            *d = alpha == 255 ? *s : blend((*s & 0x00FFFFFFu) | (alpha << 24), *d);
                        }
                    }
                }
}
