#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"

TCanvasTarget TCanvasTarget::OfBitmap(TBitmap& bitmap) {
    TCanvasTarget t;
    t.kind = Kind::Bitmap;
    t.bitmap = &bitmap;
    t.owner = &bitmap;
    return t;
}

TCanvasTarget TCanvasTarget::OfPixels(uint32_t* data, int width, int height, int stride, const void* owner) {
    if (width < 0 || height < 0 || stride < int64_t{width} * 4 || stride % 4 != 0 || (data == nullptr && width * height > 0))
        throw EInvalidOperation("Bad pixel memory for a canvas");
    TCanvasTarget t;
    t.kind = Kind::Pixels;
    t.data = data;
    t.width = width;
    t.height = height;
    t.stride = stride;
    t.owner = owner;
    return t;
}

TCanvasTarget TCanvasTarget::OfSurface(cairo_surface_t* surface, int width, int height, double scale) {
    if (!surface || scale <= 0) throw EInvalidOperation("Bad surface for a canvas");
    TCanvasTarget t;
    t.kind = Kind::Surface;
    t.surface = surface;
    t.width = width;
    t.height = height;
    t.scale = scale;
    // Pixel memory is written directly, so an image surface may not be declared bigger than it is.
    if (cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE) {
        t.width = std::min(width, cairo_image_surface_get_width(surface));
        t.height = std::min(height, cairo_image_surface_get_height(surface));
    }
    return t;
}

TCanvas::TCanvas() {
    brush_.OnChange = [this](TGraphicsObject*) {
        bkColor_ = brush_.Color();
        bkMode_ = brush_.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE;
    };
    font_.OnChange = [this](TGraphicsObject*) {
        textColor_ = font_.Color();
        face_ = nullptr;
    };
}

TCanvas::TCanvas(const TCanvasTarget& target) : TCanvas() { SetTarget(target); }

TCanvas::~TCanvas() { DropCairo(); }

void TCanvas::DropCairo() {
    if (cr_) cairo_destroy(cr_);
    if (ownSurface_) cairo_surface_destroy(ownSurface_);
    cr_ = nullptr;
    ownSurface_ = nullptr;
    cairoClipDirty_ = true;
}

void TCanvas::SetTarget(const TCanvasTarget& target) {
    Flush();
    DropCairo();
    target_ = target;
    generation_ = target.bitmap ? target.bitmap->Generation() : 0;
    clip_.reset();
    windowOrg_ = viewportOrg_ = TPoint{};
    saved_.clear();
}

void TCanvas::PushTarget(const TCanvasTarget& target) {
    pushedTargets_.push_back({target_, std::move(clip_), windowOrg_, viewportOrg_, std::move(saved_)});
    SetTarget(target);
}

void TCanvas::PopTarget() {
    if (pushedTargets_.empty()) throw EInvalidOperation("Canvas has no target to go back to");
    SavedTarget back = std::move(pushedTargets_.back());
    pushedTargets_.pop_back();
    SetTarget(back.target);
    clip_ = std::move(back.clip);
    windowOrg_ = back.windowOrg;
    viewportOrg_ = back.viewportOrg;
    saved_ = std::move(back.saved);
}

void TCanvas::Sync() {
    if (target_.kind == TCanvasTarget::Kind::Bitmap && target_.bitmap->Generation() != generation_) {
        DropCairo();
        generation_ = target_.bitmap->Generation();
    }
}

TRect TCanvas::TargetBounds() const {
    switch (target_.kind) {
    case TCanvasTarget::Kind::None: return {};
    case TCanvasTarget::Kind::Bitmap: return {0, 0, target_.bitmap->Width(), target_.bitmap->Height()};
    default: return {0, 0, target_.width, target_.height};
    }
}

TCanvas::Pixels TCanvas::PixelView() {
    Sync();
    Pixels px;
    switch (target_.kind) {
    case TCanvasTarget::Kind::Bitmap:
        px = {target_.bitmap->Bits(), target_.bitmap->Width(), target_.bitmap->Height(), target_.bitmap->Stride()};
        break;
    case TCanvasTarget::Kind::Pixels: px = {target_.data, target_.width, target_.height, target_.stride}; break;
    case TCanvasTarget::Kind::Surface:
        if (cairo_surface_get_type(target_.surface) == CAIRO_SURFACE_TYPE_IMAGE) {
            const cairo_format_t f = cairo_image_surface_get_format(target_.surface);
            if (f == CAIRO_FORMAT_RGB24 || f == CAIRO_FORMAT_ARGB32) {
                cairo_surface_flush(target_.surface);
                px = {reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(target_.surface)), target_.width,
                      target_.height, cairo_image_surface_get_stride(target_.surface)};
            }
        }
        break;
    case TCanvasTarget::Kind::None: break;
    }
    if (px.width <= 0 || px.height <= 0) px.data = nullptr;
    return px;
}

bool TCanvas::HasPixels() const { return const_cast<TCanvas*>(this)->PixelView().data != nullptr; }

cairo_t* TCanvas::Cairo() {
    Sync();
    if (cr_) {
        if (cairoClipDirty_) ApplyCairoClip();
        return cr_;
    }
    cairo_surface_t* surface = nullptr;
    switch (target_.kind) {
    case TCanvasTarget::Kind::None: return nullptr;
    case TCanvasTarget::Kind::Bitmap:
    case TCanvasTarget::Kind::Pixels: {
        const Pixels px = PixelView();
        if (!px.data) return nullptr;
        ownSurface_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(px.data), CAIRO_FORMAT_RGB24,
                                                          px.width, px.height, px.stride);
        surface = ownSurface_;
        break;
    }
    case TCanvasTarget::Kind::Surface: surface = target_.surface; break;
    }
    cr_ = cairo_create(surface);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        DropCairo();
        throw EOutOfResources("Cannot draw on this surface");
    }
    cairo_scale(cr_, target_.scale, target_.scale);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    ApplyCairoClip();
    return cr_;
}

void TCanvas::ApplyCairoClip() {
    cairo_reset_clip(cr_);
    if (clip_) {
        for (const TRect& r : clip_->Rects()) cairo_rectangle(cr_, r.Left, r.Top, r.Width(), r.Height());
        cairo_clip(cr_);
    }
    cairoClipDirty_ = false;
}

void TCanvas::BeginPixels() {
    if (ownSurface_) cairo_surface_flush(ownSurface_);
}

void TCanvas::EndPixels() {
    if (ownSurface_) cairo_surface_mark_dirty(ownSurface_);
    else if (target_.kind == TCanvasTarget::Kind::Surface) cairo_surface_mark_dirty(target_.surface);
}

void TCanvas::Flush() {
    if (ownSurface_) cairo_surface_flush(ownSurface_);
    if (target_.kind == TCanvasTarget::Kind::Surface) cairo_surface_flush(target_.surface);
}

TDirectAccess TCanvas::DirectAccess() {
    const Pixels px = PixelView();
    if (!px.data) throw EInvalidOperation("Canvas has no pixel memory");
    BeginPixels();
    TDirectAccess a;
    a.Data = px.data;
    a.Stride = px.stride;
    a.Width = px.width;
    a.Height = px.height;
    a.Origin = Origin();
    a.ClipBox = {0, 0, px.width, px.height};
    if (clip_) IntersectRect(a.ClipBox, a.ClipBox, clip_->Bounds());
    return a;
}

std::vector<TRect> TCanvas::VisibleRects(const TRect& deviceRect) {
    TRect bounded;
    if (!IntersectRect(bounded, deviceRect, TargetBounds())) return {};
    if (!clip_) return {bounded};
    if (clip_->Kind() == SIMPLEREGION) {
        TRect r;
        if (!IntersectRect(r, bounded, clip_->Bounds())) return {};
        return {r};
    }
    TRegion visible(bounded);
    visible.Intersect(*clip_);
    return visible.Rects();
}

int TCanvas::SaveDC() {
    saved_.push_back(State{clip_, windowOrg_, viewportOrg_, penPos_, pen_, brush_, font_, textColor_, bkColor_, bkMode_});
    return static_cast<int>(saved_.size());
}

bool TCanvas::RestoreDC(int level) {
    const int count = static_cast<int>(saved_.size());
    const int index = level < 0 ? count + level : level - 1;
    if (index < 0 || index >= count) return false;
    State s = std::move(saved_[static_cast<size_t>(index)]);
    saved_.resize(static_cast<size_t>(index));
    clip_ = std::move(s.clip);
    cairoClipDirty_ = true;
    windowOrg_ = s.windowOrg;
    viewportOrg_ = s.viewportOrg;
    penPos_ = s.penPos;
    pen_.Assign(s.pen);
    brush_.Assign(s.brush);
    font_.Assign(s.font);
    textColor_ = s.textColor;
    bkColor_ = s.bkColor;
    bkMode_ = s.bkMode;
    return true;
}

void TCanvas::SelectClipRgn(const TRegion* region) {
    if (region) clip_ = *region;
    else clip_.reset();
    cairoClipDirty_ = true;
}

void TCanvas::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    if (!clip_) clip_ = TRegion(TargetBounds());
    clip_->Subtract(DeviceRect({x1, y1, x2, y2}));
    cairoClipDirty_ = true;
}

void TCanvas::IntersectClipRect(int x1, int y1, int x2, int y2) {
    if (!clip_) clip_ = TRegion(TargetBounds());
    clip_->Intersect(DeviceRect({x1, y1, x2, y2}));
    cairoClipDirty_ = true;
}

int TCanvas::GetClipBox(TRect& box) const {
    TRect device = TargetBounds();
    int kind = SIMPLEREGION;
    if (target_.kind == TCanvasTarget::Kind::None) kind = NULLREGION;
    if (clip_) {
        TRegion visible(device);
        visible.Intersect(*clip_);
        device = visible.Bounds();
        kind = visible.Kind();
    } else if (device.IsEmpty()) {
        kind = NULLREGION;
    }
    const TPoint o = Origin();
    box = kind == NULLREGION ? TRect{} : TRect{device.Left - o.X, device.Top - o.Y, device.Right - o.X, device.Bottom - o.Y};
    return kind;
}

bool TCanvas::GetClipRgn(TRegion& region) const {
    if (!clip_) return false;
    region = *clip_;
    return true;
}

TColor TCanvas::Pixel(int x, int y) {
    const Pixels px = PixelView();
    const TPoint o = Origin();
    x += o.X;
    y += o.Y;
    if (!px.data || x < 0 || y < 0 || x >= px.width || y >= px.height) return clNone;
    if (clip_ && !clip_->Contains(x, y)) return clNone;
    BeginPixels();
    return PixelToColor(px.Row(y)[x]);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    const TPoint o = Origin();
    const TRect r = {x + o.X, y + o.Y, x + o.X + 1, y + o.Y + 1};
    FillDevice(r, color);
}

void TCanvas::FillDevice(const TRect& deviceRect, TColor color) {
    const uint32_t value = ColorToPixel(ColorToRGB(color));
    const Pixels px = PixelView();
    if (px.data) {
        BeginPixels();
        for (const TRect& r : VisibleRects(deviceRect))
            for (int y = r.Top; y < r.Bottom; ++y) std::fill(px.Row(y) + r.Left, px.Row(y) + r.Right, value);
        EndPixels();
        return;
    }
    if (cairo_t* cr = Cairo()) {
        CairoSetColor(color);
        cairo_rectangle(cr, deviceRect.Left, deviceRect.Top, deviceRect.Width(), deviceRect.Height());
        cairo_fill(cr);
    }
}

void TCanvas::FillWithBrush(const TRect& deviceRect) {
    if (brush_.Style() == TBrushStyle::bsClear || deviceRect.IsEmpty()) return;
    const TBitmap* pattern = brush_.Bitmap();
    if (!pattern || pattern->Empty()) return FillDevice(deviceRect, brush_.Color());
    const Pixels px = PixelView();
    if (px.data) {
        BeginPixels();
        const int pw = pattern->Width(), ph = pattern->Height();
        for (const TRect& r : VisibleRects(deviceRect))
            for (int y = r.Top; y < r.Bottom; ++y) {
                const uint32_t* prow = pattern->ScanLine(y % ph);
                uint32_t* row = px.Row(y);
                for (int x = r.Left; x < r.Right; ++x) row[x] = prow[x % pw] | 0xFF000000u;
            }
        EndPixels();
        return;
    }
    if (cairo_t* cr = Cairo()) {
        CairoSetBrushSource();
        cairo_rectangle(cr, deviceRect.Left, deviceRect.Top, deviceRect.Width(), deviceRect.Height());
        cairo_fill(cr);
    }
}

void TCanvas::FillRect(const TRect& rect) { FillWithBrush(DeviceRect(rect)); }

void TCanvas::FrameRect(const TRect& rect) {
    if (rect.IsEmpty() || brush_.Style() == TBrushStyle::bsClear) return;
    const TRect d = DeviceRect(rect);
    FillWithBrush({d.Left, d.Top, d.Right, d.Top + 1});
    if (d.Height() > 1) FillWithBrush({d.Left, d.Bottom - 1, d.Right, d.Bottom});
    if (d.Height() > 2) {
        FillWithBrush({d.Left, d.Top + 1, d.Left + 1, d.Bottom - 1});
        if (d.Width() > 1) FillWithBrush({d.Right - 1, d.Top + 1, d.Right, d.Bottom - 1});
    }
}

void TCanvas::GradientFillH(const TRect& rect, TColor from, TColor to) {
    const TRect d = DeviceRect(rect);
    const int w = d.Width();
    if (w <= 0 || d.Height() <= 0) return;
    const TColor a = ColorToRGB(from), b = ColorToRGB(to);
    for (int i = 0; i < w; ++i) {
        const auto mix = [&](int ca, int cb) { return w == 1 ? ca : ca + (cb - ca) * i / (w - 1); };
        FillDevice({d.Left + i, d.Top, d.Left + i + 1, d.Bottom},
                   RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b))));
    }
}

void TCanvas::FillRgn(const TRegion& region) {
    const TPoint o = Origin();
    for (TRect r : region.Rects()) {
        r.Offset(o.X, o.Y);
        FillWithBrush(r);
    }
}

void TCanvas::FillRgn(const TRegion& region, TColor color) {
    const TPoint o = Origin();
    for (TRect r : region.Rects()) {
        r.Offset(o.X, o.Y);
        FillDevice(r, color);
    }
}

void TCanvas::PenPixel(const Pixels& px, int x, int y, uint32_t color) {
    if (x < 0 || y < 0 || x >= px.width || y >= px.height) return;
    if (clip_ && !clip_->Contains(x, y)) return;
    uint32_t& p = px.Row(y)[x];
    switch (pen_.Mode()) {
    case TPenMode::pmCopy: p = color; break;
    case TPenMode::pmXor: p ^= color & 0x00FFFFFFu; break;
    case TPenMode::pmNot: p ^= 0x00FFFFFFu; break;
    }
}

void TCanvas::PenLine(TPoint from, TPoint to, bool lastPixel) {
    if (pen_.Style() == TPenStyle::psClear) return;
    const TPoint o = Origin();
    int x0 = from.X + o.X, y0 = from.Y + o.Y;
    const int x1 = to.X + o.X, y1 = to.Y + o.Y;
    const Pixels px = PixelView();
    if (pen_.Width() > 1 || !px.data) {
        cairo_t* cr = Cairo();
        if (!cr) return;
        const double shift = pen_.Width() % 2 ? 0.5 : 0.0;
        cairo_move_to(cr, x0 + shift, y0 + shift);
        cairo_line_to(cr, x1 + shift, y1 + shift);
        CairoShape(false, true, pen_.Width());
        return;
    }
    // Dash patterns of the classic cosmetic pens, in pixels on and off.
    static const std::vector<int> kDash{18, 6}, kDot{3, 3}, kDashDot{9, 6, 3, 6}, kDashDotDot{9, 3, 3, 3, 3, 3};
    const std::vector<int>* dash = nullptr;
    switch (pen_.Style()) {
    case TPenStyle::psDash: dash = &kDash; break;
    case TPenStyle::psDot: dash = &kDot; break;
    case TPenStyle::psDashDot: dash = &kDashDot; break;
    case TPenStyle::psDashDotDot: dash = &kDashDotDot; break;
    default: break;
    }
    const uint32_t color = ColorToPixel(ColorToRGB(pen_.Color()));
    BeginPixels();
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    size_t segment = 0;
    int left = dash ? (*dash)[0] : 0;
    while (true) {
        const bool at_end = x0 == x1 && y0 == y1;
        if (at_end && !lastPixel) break;
        if (!dash || segment % 2 == 0) PenPixel(px, x0, y0, color);
        if (dash && --left == 0) {
            segment = (segment + 1) % dash->size();
            left = (*dash)[segment];
        }
        if (at_end) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
    EndPixels();
}

void TCanvas::LineTo(int x, int y) {
    PenLine(penPos_, {x, y}, false);
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i) PenLine(points[i - 1], points[i], false);
}

void TCanvas::CairoSetColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    cairo_set_source_rgb(cr_, GetRValue(rgb) / 255.0, GetGValue(rgb) / 255.0, GetBValue(rgb) / 255.0);
}

void TCanvas::CairoSetBrushSource() {
    const TBitmap* pattern = brush_.Bitmap();
    if (!pattern || pattern->Empty()) return CairoSetColor(brush_.Color());
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, pattern->Width(), pattern->Height());
    cairo_surface_flush(tile);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < pattern->Height(); ++y)
        std::copy_n(pattern->ScanLine(y), pattern->Width(), reinterpret_cast<uint32_t*>(data + y * stride));
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* source = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(source, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(source, CAIRO_FILTER_NEAREST);
    cairo_set_source(cr_, source);
    cairo_pattern_destroy(source);
    cairo_surface_destroy(tile);
}

// Fills (with the brush) and strokes (with the pen) the current path. Copy mode draws
// straight through Cairo; XOR and NOT go through a coverage mask and own per-pixel code.
void TCanvas::CairoShape(bool fill, bool stroke, int penWidth) {
    cairo_t* cr = cr_;
    const bool doFill = fill && brush_.Style() != TBrushStyle::bsClear;
    const bool doStroke = stroke && pen_.Style() != TPenStyle::psClear;
    cairo_set_line_width(cr, penWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    const Pixels px = PixelView();
    if (pen_.Mode() == TPenMode::pmCopy || !px.data || !doStroke) {
        if (doFill) {
            CairoSetBrushSource();
            doStroke ? cairo_fill_preserve(cr) : cairo_fill(cr);
        }
        if (doStroke) {
            CairoSetColor(pen_.Color());
            cairo_stroke(cr);
        }
        cairo_new_path(cr);
        return;
    }
    if (doFill) {
        CairoSetBrushSource();
        cairo_fill_preserve(cr);
    }
    cairo_path_t* path = cairo_copy_path(cr);
    cairo_new_path(cr);
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, px.width, px.height);
    cairo_t* mcr = cairo_create(mask);
    cairo_set_antialias(mcr, CAIRO_ANTIALIAS_NONE);
    cairo_append_path(mcr, path);
    cairo_set_line_width(mcr, penWidth);
    cairo_set_line_cap(mcr, CAIRO_LINE_CAP_BUTT);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_stroke_extents(mcr, &x1, &y1, &x2, &y2);
    cairo_stroke(mcr);
    cairo_destroy(mcr);
    cairo_path_destroy(path);
    cairo_surface_flush(mask);
    const unsigned char* m = cairo_image_surface_get_data(mask);
    const int mstride = cairo_image_surface_get_stride(mask);
    const uint32_t color = ColorToPixel(ColorToRGB(pen_.Color()));
    TRect area;
    IntersectRect(area, {static_cast<int>(std::floor(x1)), static_cast<int>(std::floor(y1)), static_cast<int>(std::ceil(x2)) + 1,
                         static_cast<int>(std::ceil(y2)) + 1},
                  {0, 0, px.width, px.height});
    BeginPixels();
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (m[y * mstride + x]) PenPixel(px, x, y, color);
    EndPixels();
    cairo_surface_destroy(mask);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    const TRect d = DeviceRect({x1, y1, x2, y2});
    if (d.IsEmpty()) return;
    if (pen_.Style() == TPenStyle::psClear) {
        FillWithBrush({d.Left, d.Top, d.Right - 1, d.Bottom - 1});
        return;
    }
    const int w = std::min({pen_.Width(), (d.Width() + 1) / 2, (d.Height() + 1) / 2});
    FillWithBrush({d.Left + w, d.Top + w, d.Right - w, d.Bottom - w});
    if (w == 1) {
        const TPoint o = Origin();
        const TPoint a{d.Left - o.X, d.Top - o.Y}, b{d.Right - 1 - o.X, d.Bottom - 1 - o.Y};
        if (a.X == b.X || a.Y == b.Y) {
            PenLine(a, b, true);
            return;
        }
        PenLine(a, {b.X, a.Y}, false);
        PenLine({b.X, a.Y}, b, false);
        PenLine(b, {a.X, b.Y}, false);
        PenLine({a.X, b.Y}, a, false);
        return;
    }
    // Wide outlines lie inside the rectangle, as with the inside-frame pen.
    const TColor c = pen_.Color();
    const auto strip = [&](const TRect& r) {
        if (pen_.Mode() == TPenMode::pmCopy) return FillDevice(r, c);
        const Pixels px = PixelView();
        if (!px.data) return FillDevice(r, c);
        BeginPixels();
        for (const TRect& v : VisibleRects(r))
            for (int y = v.Top; y < v.Bottom; ++y)
                for (int x = v.Left; x < v.Right; ++x) PenPixel(px, x, y, ColorToPixel(ColorToRGB(c)));
        EndPixels();
    };
    strip({d.Left, d.Top, d.Right, d.Top + w});
    strip({d.Left, d.Bottom - w, d.Right, d.Bottom});
    strip({d.Left, d.Top + w, d.Left + w, d.Bottom - w});
    strip({d.Right - w, d.Top + w, d.Right, d.Bottom - w});
}

namespace {

// The path of an ellipse through the centres of its outermost pixels, moved 'inset' inwards.
void EllipsePath(cairo_t* cr, double l, double t, double r, double b, double inset) {
    const double cx = (l + r) / 2, cy = (t + b) / 2;
    const double rx = std::max((r - l - 1) / 2 - inset, 0.01), ry = std::max((b - t - 1) / 2 - inset, 0.01);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

}  // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    cairo_t* cr = Cairo();
    if (!cr) return;
    const TRect d = DeviceRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    if (d.IsEmpty()) return;
    // A wide outline, like the rectangle's, lies inside the box.
    const int w = pen_.Width();
    EllipsePath(cr, d.Left, d.Top, d.Right, d.Bottom, (w - 1) / 2.0);
    CairoShape(true, true, w);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int rx, int ry) {
    cairo_t* cr = Cairo();
    if (!cr) return;
    const TRect d = DeviceRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    if (d.IsEmpty()) return;
    const int w = pen_.Width();
    const double inset = 0.5 + (w - 1) / 2.0;
    const double l = d.Left + inset, t = d.Top + inset, r = d.Right - inset, b = d.Bottom - inset;
    const double a = std::min(std::max(rx, 0) / 2.0, (r - l) / 2), c = std::min(std::max(ry, 0) / 2.0, (b - t) / 2);
    if (a < 0.5 || c < 0.5) {
        cairo_rectangle(cr, l, t, r - l, b - t);
    } else {
        const auto corner = [&](double cx, double cy, double from, double to) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, a, c);
            cairo_arc(cr, 0, 0, 1, from, to);
            cairo_restore(cr);
        };
        cairo_new_sub_path(cr);
        corner(r - a, t + c, -M_PI / 2, 0);
        corner(r - a, b - c, 0, M_PI / 2);
        corner(l + a, b - c, M_PI / 2, M_PI);
        corner(l + a, t + c, M_PI, 3 * M_PI / 2);
        cairo_close_path(cr);
    }
    CairoShape(true, true, w);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    cairo_t* cr = Cairo();
    if (!cr) return;
    const TRect d = DeviceRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    if (d.IsEmpty()) return;
    const TPoint o = Origin();
    const double cx = (d.Left + d.Right) / 2.0, cy = (d.Top + d.Bottom) / 2.0;
    const double rx = std::max((d.Width() - 1) / 2.0, 0.01), ry = std::max((d.Height() - 1) / 2.0, 0.01);
    const double a1 = std::atan2((y3 + o.Y - cy) / ry, (x3 + o.X - cx) / rx);
    const double a2 = std::atan2((y4 + o.Y - cy) / ry, (x4 + o.X - cx) / rx);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    // Counter-clockwise on screen is decreasing angle with y pointing down.
    cairo_arc_negative(cr, 0, 0, 1, a1, a2 >= a1 ? a2 - 2 * M_PI : a2);
    cairo_restore(cr);
    CairoShape(false, true, pen_.Width());
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.size() < 2) return;
    cairo_t* cr = Cairo();
    if (!cr) return;
    const TPoint o = Origin();
    cairo_move_to(cr, points[0].X + o.X + 0.5, points[0].Y + o.Y + 0.5);
    for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].X + o.X + 0.5, points[i].Y + o.Y + 0.5);
    cairo_close_path(cr);
    if (pen_.Width() == 1 && pen_.Mode() == TPenMode::pmCopy && HasPixels()) {
        // Cairo fills; the outline comes from the exact line code.
        if (brush_.Style() != TBrushStyle::bsClear) {
            CairoSetBrushSource();
            cairo_fill(cr);
        }
        cairo_new_path(cr);
        for (size_t i = 0; i < points.size(); ++i) PenLine(points[i], points[(i + 1) % points.size()], false);
        return;
    }
    CairoShape(true, true, pen_.Width());
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    const Pixels px = PixelView();
    const TRect d = DeviceRect(rect);
    if (d.IsEmpty()) return;
    if (!px.data) return;
    BeginPixels();
    // Every other pixel along the border, starting at the top-left corner.
    const auto dot = [&](int x, int y) {
        if ((x - d.Left + y - d.Top) % 2 != 0) return;
        if (x < 0 || y < 0 || x >= px.width || y >= px.height) return;
        if (clip_ && !clip_->Contains(x, y)) return;
        px.Row(y)[x] ^= 0x00FFFFFFu;
    };
    for (int x = d.Left; x < d.Right; ++x) {
        dot(x, d.Top);
        if (d.Bottom - 1 > d.Top) dot(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        dot(d.Left, y);
        if (d.Right - 1 > d.Left) dot(d.Right - 1, y);
    }
    EndPixels();
}
