#include <algorithm>
#include <cairo.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

uint8_t RopCode(uint32_t rop) { return static_cast<uint8_t>(rop >> 16); }

// A raster operation reads the source unless its result is the same for S = 0 and S = 1.
bool UsesSource(uint8_t code) { return ((code >> 2) ^ code) & 0x33; }

// Evaluates a three-operand code bit by bit: bit (P*4 + S*2 + D) of 'code' is the result.
uint32_t EvalRop(uint8_t code, uint32_t p, uint32_t s, uint32_t d) {
    switch (code) {
    case 0xCC: return s;
    case 0xF0: return p;
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFFFFu;
    case 0x66: return s ^ d;
    case 0x88: return s & d;
    case 0xEE: return s | d;
    case 0xE2: return (s & p) | (~s & d);
    default: break;
    }
    uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if ((code >> i) & 1) r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return r;
}

struct Buffer {
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
};

Buffer FromBitmap(const TBitmap& bitmap, const TRect& r) {
    Buffer b;
    b.width = r.Width();
    b.height = r.Height();
    b.pixels.resize(static_cast<size_t>(b.width) * static_cast<size_t>(b.height));
    for (int y = 0; y < b.height; ++y)
        std::copy_n(bitmap.ScanLine(r.Top + y) + r.Left, b.width, b.pixels.data() + static_cast<size_t>(y) * b.width);
    return b;
}

// Nearest neighbour: destination column i takes source column i * sw / w. Only 'part' of the
// w by h result is made (in its own coordinates), so a huge stretch costs what is visible.
Buffer Stretch(const uint32_t* src, int sw, int sh, int w, int h, const TRect& part) {
    Buffer b;
    b.width = part.Width();
    b.height = part.Height();
    b.pixels.resize(static_cast<size_t>(b.width) * static_cast<size_t>(b.height));
    for (int y = part.Top; y < part.Bottom; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * sh / h);
        const uint32_t* srow = src + static_cast<size_t>(sy) * static_cast<size_t>(sw);
        uint32_t* out = b.pixels.data() + static_cast<size_t>(y - part.Top) * static_cast<size_t>(b.width);
        for (int x = part.Left; x < part.Right; ++x)
            out[x - part.Left] = srow[static_cast<long long>(x) * sw / w];
    }
    return b;
}

std::vector<uint8_t> KeyMask(const Buffer& b, TColor key) {
    const uint32_t k = ColorToPixel(ColorToRGB(key)) & 0xFFFFFF;
    std::vector<uint8_t> skip(b.pixels.size());
    for (size_t i = 0; i < skip.size(); ++i) skip[i] = (b.pixels[i] & 0xFFFFFF) == k;
    return skip;
}

}  // namespace

std::vector<uint32_t> TCanvas::ReadDevice(const TRect& d) {
    const Pixels px = PixelView();
    if (!px.data) throw EInvalidOperation("Canvas has no readable pixels");
    BeginPixels();
    std::vector<uint32_t> out(static_cast<size_t>(std::max(d.Width(), 0)) * static_cast<size_t>(std::max(d.Height(), 0)),
                              0xFF000000u);
    TRect inside;
    if (IntersectRect(inside, d, {0, 0, px.width, px.height}))
        for (int y = inside.Top; y < inside.Bottom; ++y)
            std::copy(px.Row(y) + inside.Left, px.Row(y) + inside.Right,
                      out.data() + static_cast<size_t>(y - d.Top) * d.Width() + (inside.Left - d.Left));
    return out;
}

std::unique_ptr<TBitmap> TCanvas::ReadPixels(const TRect& rect) {
    const TRect d = DeviceRect(rect);
    auto bitmap = std::make_unique<TBitmap>(std::max(d.Width(), 0), std::max(d.Height(), 0));
    const std::vector<uint32_t> pixels = ReadDevice(d);
    std::copy(pixels.begin(), pixels.end(), bitmap->Bits());
    return bitmap;
}

void TCanvas::PaintImageOnSurface(const TRect& d, const uint32_t* src, int w, int h, int stride, bool withAlpha) {
    cairo_t* cr = Cairo();
    if (!cr || w <= 0 || h <= 0) return;
    cairo_surface_t* image = cairo_image_surface_create(withAlpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int istride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * istride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = src[static_cast<size_t>(y) * stride + x];
            // Only fully opaque or fully clear pixels reach here, so no premultiplication is needed.
            row[x] = withAlpha ? ((p >> 24) ? (p | 0xFF000000u) : 0u) : p;
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_save(cr);
    cairo_rectangle(cr, d.Left, d.Top, d.Width(), d.Height());
    cairo_clip(cr);
    cairo_translate(cr, d.Left, d.Top);
    cairo_scale(cr, static_cast<double>(d.Width()) / w, static_cast<double>(d.Height()) / h);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

// 'src' covers 'd' exactly (or is null for operations without a source); where 'skip' is
// non-zero the destination pixel is left alone.
void TCanvas::BlitPixels(const TRect& d, const uint32_t* src, int srcStride, uint32_t rop, const uint8_t* skip) {
    const uint8_t code = RopCode(rop);
    const Pixels px = PixelView();
    if (!px.data) {
        if (code == 0xCC && src) {
            if (skip) {
                std::vector<uint32_t> masked(static_cast<size_t>(d.Width()) * d.Height());
                for (int y = 0; y < d.Height(); ++y)
                    for (int x = 0; x < d.Width(); ++x) {
                        const size_t i = static_cast<size_t>(y) * d.Width() + x;
                        masked[i] = skip[i] ? 0u : (src[static_cast<size_t>(y) * srcStride + x] | 0xFF000000u);
                    }
                return PaintImageOnSurface(d, masked.data(), d.Width(), d.Height(), d.Width(), true);
            }
            return PaintImageOnSurface(d, src, d.Width(), d.Height(), srcStride, false);
        }
        if (code == 0xF0) return FillWithBrush(d);
        if (code == 0x00) return FillDevice(d, clBlack);
        if (code == 0xFF) return FillDevice(d, clWhite);
        if (target_.kind == TCanvasTarget::Kind::None) return;
        throw EInvalidOperation("This raster operation needs a target with pixels");
    }
    const TBitmap* pattern = brush_.Bitmap() && !brush_.Bitmap()->Empty() ? brush_.Bitmap() : nullptr;
    const uint32_t solid = ColorToPixel(ColorToRGB(brush_.Color()));
    BeginPixels();
    for (const TRect& r : VisibleRects(d)) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* row = px.Row(y);
            const uint32_t* srow = src ? src + static_cast<size_t>(y - d.Top) * srcStride - d.Left : nullptr;
            const uint32_t* prow = pattern ? pattern->ScanLine(y % pattern->Height()) : nullptr;
            const uint8_t* krow = skip ? skip + static_cast<size_t>(y - d.Top) * d.Width() - d.Left : nullptr;
            if (code == 0xCC && !skip) {
                std::copy(srow + r.Left, srow + r.Right, row + r.Left);
                continue;
            }
            for (int x = r.Left; x < r.Right; ++x) {
                const uint32_t s = srow ? srow[x] : 0u;
                if (krow && krow[x]) continue;
                if (code == 0xCC) {
                    row[x] = s;
                    continue;
                }
                const uint32_t p = prow ? prow[x % pattern->Width()] : solid;
                row[x] = (EvalRop(code, p, s, row[x]) & 0x00FFFFFFu) | 0xFF000000u;
            }
        }
    }
    EndPixels();
}

void TCanvas::BitBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy, uint32_t rop) {
    if (width <= 0 || height <= 0) return;
    if (!UsesSource(RopCode(rop))) return PatBlt(x, y, width, height, rop);
    TRect s = source.DeviceRect(Bounds(sx, sy, width, height));
    TRect inside;
    if (!IntersectRect(inside, s, source.TargetBounds())) return;
    TRect d = DeviceRect(Bounds(x + inside.Left - s.Left, y + inside.Top - s.Top, inside.Width(), inside.Height()));
    const std::vector<uint32_t> pixels = source.ReadDevice(inside);
    BlitPixels(d, pixels.data(), inside.Width(), rop);
}

void TCanvas::BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, uint32_t rop) {
    if (width <= 0 || height <= 0) return;
    if (!UsesSource(RopCode(rop))) return PatBlt(x, y, width, height, rop);
    const TRect s = Bounds(sx, sy, width, height);
    TRect inside;
    if (!IntersectRect(inside, s, {0, 0, source.Width(), source.Height()})) return;
    const TRect d = DeviceRect(Bounds(x + inside.Left - s.Left, y + inside.Top - s.Top, inside.Width(), inside.Height()));
    const Buffer b = FromBitmap(source, inside);
    BlitPixels(d, b.pixels.data(), b.width, rop);
}

void TCanvas::PatBlt(int x, int y, int width, int height, uint32_t rop) {
    if (width <= 0 || height <= 0) return;
    BlitPixels(DeviceRect(Bounds(x, y, width, height)), nullptr, 0, rop);
}

void TCanvas::StretchBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
                         uint32_t rop) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
    const TRect s = Bounds(sx, sy, sw, sh);
    TRect inside;
    if (!IntersectRect(inside, s, {0, 0, source.Width(), source.Height()})) return;
    // Source pixels outside the bitmap read as black, so the scale stays that of the whole rectangle.
    Buffer b;
    b.width = sw;
    b.height = sh;
    b.pixels.assign(static_cast<size_t>(sw) * sh, 0xFF000000u);
    for (int yy = 0; yy < sh; ++yy)
        for (int xx = 0; xx < sw; ++xx) {
            const int bx = sx + xx, by = sy + yy;
            if (bx >= 0 && by >= 0 && bx < source.Width() && by < source.Height())
                b.pixels[static_cast<size_t>(yy) * sw + xx] = source.ScanLine(by)[bx];
        }
    StretchBlitDevice(DeviceRect(Bounds(x, y, width, height)), b.pixels.data(), b.width, b.height, rop, clNone);
}

void TCanvas::StretchBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy, int sw, int sh,
                         uint32_t rop) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
    Buffer b;
    b.width = sw;
    b.height = sh;
    b.pixels = source.ReadDevice(source.DeviceRect(Bounds(sx, sy, sw, sh)));
    StretchBlitDevice(DeviceRect(Bounds(x, y, width, height)), b.pixels.data(), b.width, b.height, rop, clNone);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    if (bitmap.Empty()) return;
    if (bitmap.Transparent()) return DrawTransparent(x, y, bitmap, bitmap.TransparentColor());
    BitBlt(x, y, bitmap.Width(), bitmap.Height(), bitmap, 0, 0, copyMode_);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    if (bitmap.Empty() || rect.IsEmpty()) return;
    if (bitmap.Transparent())
        return StretchBlitDevice(DeviceRect(rect), bitmap.Bits(), bitmap.Width(), bitmap.Height(), SRCCOPY,
                                 bitmap.TransparentColor());
    StretchBlitDevice(DeviceRect(rect), bitmap.Bits(), bitmap.Width(), bitmap.Height(), copyMode_, clNone);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor key) {
    if (bitmap.Empty()) return;
    const Buffer b = FromBitmap(bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
    const std::vector<uint8_t> skip = KeyMask(b, key);
    BlitPixels(DeviceRect(Bounds(x, y, b.width, b.height)), b.pixels.data(), b.width, SRCCOPY, skip.data());
}

void TCanvas::DrawMasked(int x, int y, const TBitmap& image, const TBitmap& mask) {
    if (image.Empty()) return;
    if (mask.Width() < image.Width() || mask.Height() < image.Height())
        throw EInvalidOperation("Mask is smaller than its image");
    const Buffer b = FromBitmap(image, {0, 0, image.Width(), image.Height()});
    std::vector<uint8_t> skip(b.pixels.size());
    for (int yy = 0; yy < b.height; ++yy)
        for (int xx = 0; xx < b.width; ++xx) skip[static_cast<size_t>(yy) * b.width + xx] = (mask.ScanLine(yy)[xx] & 0xFFFFFF) != 0;
    BlitPixels(DeviceRect(Bounds(x, y, b.width, b.height)), b.pixels.data(), b.width, SRCCOPY, skip.data());
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect) {
    if (dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height())
        return BitBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top, copyMode_);
    StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
               sourceRect.Width(), sourceRect.Height(), copyMode_);
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color) {
    if (dest.IsEmpty()) return;
    TRect s;
    if (!IntersectRect(s, sourceRect, {0, 0, source.Width(), source.Height()})) return;
    Buffer b = FromBitmap(source, s);
    const uint32_t from = ColorToPixel(ColorToRGB(color)) & 0xFFFFFF;
    const uint32_t to = ColorToPixel(ColorToRGB(brush_.Color()));
    for (uint32_t& p : b.pixels)
        if ((p & 0xFFFFFF) == from) p = to;
    StretchBlitDevice(DeviceRect(dest), b.pixels.data(), b.width, b.height, SRCCOPY, clNone);
}

void TCanvas::StretchBlitDevice(const TRect& d, const uint32_t* src, int srcWidth, int srcHeight, uint32_t rop, TColor key) {
    TRect part;
    if (!IntersectRect(part, d, TargetBounds())) return;
    part.Offset(-d.Left, -d.Top);
    const Buffer scaled = Stretch(src, srcWidth, srcHeight, d.Width(), d.Height(), part);
    part.Offset(d.Left, d.Top);
    if (key == clNone) return BlitPixels(part, scaled.pixels.data(), scaled.width, rop);
    const std::vector<uint8_t> skip = KeyMask(scaled, key);
    BlitPixels(part, scaled.pixels.data(), scaled.width, rop, skip.data());
}

void TCanvas::DrawAlphaPixels(const TRect& dest, const uint32_t* pixels, int width, int height, int stride) {
    if (dest.IsEmpty() || width <= 0 || height <= 0 || !pixels) return;
    if (stride < width * 4) throw EInvalidOperation("Pixel rows overlap");
    const TRect d = DeviceRect(dest);
    const auto source = [&](int x, int y) {
        const int sx = static_cast<int>(static_cast<long long>(x - d.Left) * width / d.Width());
        const int sy = static_cast<int>(static_cast<long long>(y - d.Top) * height / d.Height());
        return reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(sy) * stride)[sx];
    };
    const Pixels px = PixelView();
    if (!px.data) {
        cairo_t* cr = Cairo();
        if (!cr) return;
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_surface_flush(image);
        unsigned char* data = cairo_image_surface_get_data(image);
        const int istride = cairo_image_surface_get_stride(image);
        for (int y = 0; y < height; ++y) {
            const auto* in = reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(y) * stride);
            auto* out = reinterpret_cast<uint32_t*>(data + y * istride);
            for (int x = 0; x < width; ++x) {
                const uint32_t p = in[x], a = p >> 24;
                const auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
                out[x] = (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
            }
        }
        cairo_surface_mark_dirty(image);
        cairo_save(cr);
        cairo_rectangle(cr, d.Left, d.Top, d.Width(), d.Height());
        cairo_clip(cr);
        cairo_translate(cr, d.Left, d.Top);
        cairo_scale(cr, static_cast<double>(d.Width()) / width, static_cast<double>(d.Height()) / height);
        cairo_set_source_surface(cr, image, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(image);
        return;
    }
    BeginPixels();
    for (const TRect& r : VisibleRects(d))
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* row = px.Row(y);
            for (int x = r.Left; x < r.Right; ++x) {
                const uint32_t s = source(x, y), a = s >> 24;
                if (a == 0) continue;
                if (a == 255) {
                    row[x] = s;
                    continue;
                }
                const uint32_t t = row[x];
                const auto mix = [a](uint32_t sc, uint32_t dc) { return (sc * a + dc * (255 - a) + 127) / 255; };
                row[x] = 0xFF000000u | (mix((s >> 16) & 0xFF, (t >> 16) & 0xFF) << 16) |
                         (mix((s >> 8) & 0xFF, (t >> 8) & 0xFF) << 8) | mix(s & 0xFF, t & 0xFF);
            }
        }
    EndPixels();
}
