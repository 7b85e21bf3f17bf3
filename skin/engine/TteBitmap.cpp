#include "skin/engine/TteBitmap.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "skin/engine/TeStreamString.h"
#include "skin/engine/TteBitmapLink.h"
#include "skin/engine/TtePixelRoutines.h"

static_assert(std::endian::native == std::endian::little, "stream records store pixels as B, G, R, A bytes");

namespace {

bool FitsCaps(int64_t width, int64_t height)
{
    return width <= TBitmap::MaxSide && height <= TBitmap::MaxSide && width * height <= TBitmap::MaxPixels;
}

// 'rect' cut to the bitmap; false when nothing is left.
bool ClipTo(const TteBitmap& bitmap, const TRect& rect, TRect& clipped)
{
    return !bitmap.Empty() && IntersectRect(clipped, rect, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

} // namespace

TteBitmap::TteBitmap() = default;
TteBitmap::~TteBitmap() = default;

void TteBitmap::SetSize(int width, int height)
{
    const int64_t w = std::llabs(width), h = std::llabs(height);
    if (w == 0 || h == 0 || (w == width_ && h == height_))
        return;
    Clear();
    if (!FitsCaps(w, h))
        throw Exception("Can't allocate the DIB handle");
    try {
        pixels_.assign(static_cast<size_t>(w * h), 0u);
    } catch (const std::bad_alloc&) {
        throw Exception("Can't allocate the DIB handle");
    }
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    Retarget();
}

void TteBitmap::Clear()
{
    std::vector<uint32_t>().swap(pixels_);
    width_ = height_ = 0;
    Retarget();
}

void TteBitmap::Retarget()
{
    if (!canvas_)
        return;
    if (Empty())
        canvas_->Detach();
    else
        canvas_->SetTarget(TCanvasTarget::OfPixels(Bits(), width_, height_, width_ * 4, this));
}

TCanvas& TteBitmap::Canvas()
{
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        Retarget();
    }
    return *canvas_;
}

void TteBitmap::Fill(uint32_t pixel)
{
    if (!Empty())
        PixelRoutines().FillPixels(Bits(), static_cast<int>(pixels_.size()), pixel);
}

void TteBitmap::SetAlpha(uint8_t alpha)
{
    if (!Empty())
        PixelRoutines().SetAlphaPixels(Bits(), static_cast<int>(pixels_.size()), alpha);
}

void TteBitmap::SetAlphaRect(uint8_t alpha, const TRect& rect)
{
    TRect r;
    if (ClipTo(*this, rect, r))
        PixelRoutines().SetAlphaPixelRect(Bits(), width_, alpha, r.Bottom - 1, r.Right - 1, r.Top, r.Left);
}

void TteBitmap::FillRect(const TRect& rect, uint32_t pixel)
{
    TRect r;
    if (!ClipTo(*this, rect, r))
        return;
    const TtePixelRoutines& t = PixelRoutines();
    if (!alphaBlend_)
        return t.FillPixelRect(Bits(), width_, pixel, r.Bottom - 1, r.Right - 1, r.Top, r.Left);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (uint32_t *p = PixelPtr(r.Left, y), *end = p + r.Width(); p != end; ++p)
            *p = t.BlendPixel(pixel, *p);
}

uint32_t TteBitmap::GetPixel(int x, int y) const
{
    if (Empty() || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return ScanLine(y)[x];
}

void TteBitmap::SetPixel(int x, int y, uint32_t pixel)
{
    if (!Empty() && x >= 0 && y >= 0 && x < width_ && y < height_)
        ScanLine(y)[x] = pixel;
}

void TteBitmap::UpdateAlphaBlend()
{
    alphaBlend_ = std::any_of(pixels_.begin(), pixels_.end(), [](uint32_t p) {
        const uint8_t a = PixelAlpha(p);
        return a >= 1 && a <= 254;
    });
}

void TteBitmap::ApplyTransparentColor(uint32_t key)
{
    transparent_ = false;
    const auto near = [](int a, int b) { return std::abs(a - b) <= 5; };
    for (uint32_t& p : pixels_) {
        if (near(PixelR(p), PixelR(key)) && near(PixelG(p), PixelG(key)) && near(PixelB(p), PixelB(key))) {
            p = KeyColor;
            transparent_ = true;
        }
    }
}

void TteBitmap::ChangeBrightness(int delta)
{
    for (uint32_t& p : pixels_)
        if (PixelAlpha(p) != 0)
            p = PixelAddBrightness(p, delta);
}

void TteBitmap::ChangeHue(int delta)
{
    for (uint32_t& p : pixels_)
        if (PixelAlpha(p) != 0)
            p = PixelShiftHue(p, delta);
}

void TteBitmap::FlipVertical()
{
    std::vector<uint32_t> row(static_cast<size_t>(width_));
    const size_t bytes = row.size() * 4;
    for (int i = 0; i < height_ / 2; ++i) {
        std::memcpy(row.data(), ScanLine(i), bytes);
        std::memcpy(ScanLine(i), ScanLine(height_ - 1 - i), bytes);
        std::memcpy(ScanLine(height_ - 1 - i), row.data(), bytes);
    }
}

std::unique_ptr<TteBitmapLink> TteBitmap::GetBitmapLink(const TRect& rect)
{
    auto link = std::make_unique<TteBitmapLink>();
    link->SetImage(this);
    link->SetName(name_);
    link->SetBoundsRect(rect);
    return link;
}

void TteBitmap::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TteBitmap*>(&source)) {
        if (other == this)
            return;
        if (other->Empty())
            Clear();
        SetSize(other->width_, other->height_);
        if (!Empty())
            pixels_ = other->pixels_;
        name_ = other->name_;
        transparent_ = other->transparent_;
        alphaBlend_ = other->alphaBlend_;
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        SetSize(bitmap->Width(), bitmap->Height());
        if (!Empty() && !bitmap->Empty()) {
            std::memcpy(Bits(), bitmap->Bits(), pixels_.size() * 4);
            SetAlpha(255);
        }
        return;
    }
    TPersistent::Assign(source);
}

void TteBitmap::AssignTo(TPersistent& dest) const
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(&dest)) {
        bitmap->SetSize(width_, height_);
        DrawToCanvas(bitmap->Canvas(), 0, 0);
        bitmap->Changed();
        return;
    }
    TPersistent::AssignTo(dest);
}

void TteBitmap::DrawGraphicInto(const TBitmap& graphic, const TRect& rect)
{
    if (Empty())
        return;
    constexpr uint32_t magenta = 0xFFFF00FFu;
    TBitmap scratch(width_, height_);
    scratch.Fill(magenta);
    scratch.Canvas().StretchDraw(rect, graphic);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (const uint32_t p = scratch.PixelAt(x, y); !SameRGB(p, magenta))
                SetPixel(x, y, p);
}

void TteBitmap::LoadFromStream(TStream& stream)
{
    std::string name = ReadStreamString(stream);
    const int32_t width = stream.ReadInt32();
    const int32_t height = stream.ReadInt32();
    const int64_t w = std::llabs(width), h = std::llabs(height);
    if (!FitsCaps(w, h))
        throw EReadError("Bitmap record too large: " + std::to_string(w) + " x " + std::to_string(h));
    const int64_t bytes = w * h * 4;
    if (const int64_t remaining = stream.Remaining(); remaining >= 0 && bytes > remaining)
        throw EReadError("Bitmap record runs past the end of the data");
    SetSize(width, height);
    if (width_ == w && height_ == h) {
        stream.ReadBuffer(Bits(), bytes);
        if (height < 1)
            FlipVertical();
    }
    name_ = std::move(name);
    UpdateAlphaBlend();
    if (!alphaBlend_)
        ApplyTransparentColor(KeyColor);
}

void TteBitmap::SaveToStream(TStream& stream) const
{
    WriteStreamString(stream, name_);
    stream.WriteInt32(width_);
    stream.WriteInt32(height_);
    if (!Empty())
        stream.WriteBuffer(Bits(), static_cast<int64_t>(pixels_.size()) * 4);
}
