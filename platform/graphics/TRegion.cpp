#include "platform/graphics/TRegion.h"

#include <cairo.h>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"

namespace {

// A rectangle's extent as an int, cut at the largest one the region library holds.
int Extent(int from, int to) {
    return static_cast<int>(std::min<int64_t>(static_cast<int64_t>(to) - from, std::numeric_limits<int>::max()));
}

cairo_rectangle_int_t ToCairo(const TRect& r) { return {r.Left, r.Top, Extent(r.Left, r.Right), Extent(r.Top, r.Bottom)}; }

// The library hands back a width that wrapped when the true one passes the int range; read it unsigned.
int End(int start, int size) { return static_cast<int>(static_cast<int64_t>(start) + static_cast<uint32_t>(size)); }

TRect FromCairo(const cairo_rectangle_int_t& r) { return {r.x, r.y, End(r.x, r.width), End(r.y, r.height)}; }

// Region data coordinates stay within this, so every merged extent still fits in an int.
constexpr int32_t RgnDataLimit = 1 << 30;

void Check(cairo_region_t* region) {
    if (cairo_region_status(region) != CAIRO_STATUS_SUCCESS) throw EOutOfResources("Out of memory for a region");
}

void PutInt(std::vector<uint8_t>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int32_t GetInt(const std::vector<uint8_t>& in, size_t at) {
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(in[at + static_cast<size_t>(i)]) << (8 * i);
    return static_cast<int32_t>(u);
}

}  // namespace

TRegion::TRegion() : region_(cairo_region_create()) { Check(region_); }

TRegion::TRegion(const TRect& rect) {
    if (rect.IsEmpty()) {
        region_ = cairo_region_create();
    } else {
        const cairo_rectangle_int_t r = ToCairo(rect);
        region_ = cairo_region_create_rectangle(&r);
    }
    Check(region_);
}

TRegion::~TRegion() { cairo_region_destroy(region_); }

TRegion::TRegion(const TRegion& other) : region_(cairo_region_copy(other.region_)) { Check(region_); }

TRegion& TRegion::operator=(const TRegion& other) {
    if (this != &other) {
        cairo_region_t* copy = cairo_region_copy(other.region_);
        Check(copy);
        cairo_region_destroy(region_);
        region_ = copy;
    }
    return *this;
}

TRegion::TRegion(TRegion&& other) noexcept : region_(other.region_) { other.region_ = cairo_region_create(); }

TRegion& TRegion::operator=(TRegion&& other) noexcept {
    std::swap(region_, other.region_);
    return *this;
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects) {
    // Built in one pass: a union per rectangle is quadratic for the many rows of a keyed bitmap.
    std::vector<cairo_rectangle_int_t> list;
    list.reserve(rects.size());
    for (const TRect& r : rects)
        if (!r.IsEmpty()) list.push_back(ToCairo(r));
    TRegion region;
    cairo_region_t* built = cairo_region_create_rectangles(list.data(), static_cast<int>(list.size()));
    Check(built);
    std::swap(region.region_, built);
    cairo_region_destroy(built);
    return region;
}

TRegion TRegion::RoundRect(const TRect& outer, int rx, int ry) {
    TRegion region;
    // The classic rounded region leaves out the right column and bottom row of its rectangle.
    if (outer.IsEmpty()) return region;
    const TRect rect{outer.Left, outer.Top, outer.Right - 1, outer.Bottom - 1};
    if (rect.IsEmpty()) return region;
    const int w = rect.Width();
    const int h = rect.Height();
    rx = std::min(std::max(rx, 0), w);
    ry = std::min(std::max(ry, 0), h);
    if (rx < 2 || ry < 2) return TRegion(rect);
    // Each row is as wide as the corner ellipse allows at that row's centre.
    const double a = rx / 2.0;
    const double b = ry / 2.0;
    std::vector<TRect> rows;
    for (int y = 0; y < h; ++y) {
        double dy = 0;
        if (y < b) dy = b - (y + 0.5);
        else if (y >= h - b) dy = (y + 0.5) - (h - b);
        int inset = 0;
        if (dy > 0) {
            const double t = 1.0 - (dy * dy) / (b * b);
            const double dx = t > 0 ? a * std::sqrt(t) : 0.0;
            inset = static_cast<int>(std::lround(a - dx));
        }
        if (w - 2 * inset > 0) rows.push_back({rect.Left + inset, rect.Top + y, rect.Right - inset, rect.Top + y + 1});
    }
    return FromRects(rows);
}

TRegion TRegion::Ellipse(const TRect& rect) { return RoundRect(rect, rect.Width(), rect.Height()); }

TRegion TRegion::FromBitmap(const TBitmap& bitmap, uint32_t keyColor, int tolerance) {
    std::vector<TRect> runs;
    const int kr = GetRValue(keyColor), kg = GetGValue(keyColor), kb = GetBValue(keyColor);
    const auto isKey = [&](uint32_t px) {
        const int r = static_cast<int>((px >> 16) & 0xFF), g = static_cast<int>((px >> 8) & 0xFF),
                  b = static_cast<int>(px & 0xFF);
        return std::abs(r - kr) <= tolerance && std::abs(g - kg) <= tolerance && std::abs(b - kb) <= tolerance;
    };
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* row = bitmap.ScanLine(y);
        int x = 0;
        while (x < bitmap.Width()) {
            while (x < bitmap.Width() && isKey(row[x])) ++x;
            const int start = x;
            while (x < bitmap.Width() && !isKey(row[x])) ++x;
            if (x > start) runs.push_back({start, y, x, y + 1});
        }
    }
    return FromRects(runs);
}

TRegion TRegion::FromRgnData(const std::vector<uint8_t>& data) {
    if (data.size() < 32) throw EConvertError("Region data is shorter than its header");
    const int32_t headerSize = GetInt(data, 0);
    const int32_t type = GetInt(data, 4);
    const int32_t count = GetInt(data, 8);
    if (headerSize != 32 || type != 1 || count < 0) throw EConvertError("Region data has a bad header");
    if (static_cast<size_t>(count) > (data.size() - 32) / 16) throw EConvertError("Region data is shorter than its rectangles");
    std::vector<TRect> rects;
    rects.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const size_t at = 32 + static_cast<size_t>(i) * 16;
        const TRect r{GetInt(data, at), GetInt(data, at + 4), GetInt(data, at + 8), GetInt(data, at + 12)};
        if (r.Right < r.Left || r.Bottom < r.Top) throw EConvertError("Region data has a reversed rectangle");
        for (int v : {r.Left, r.Top, r.Right, r.Bottom})
            if (v < -RgnDataLimit || v > RgnDataLimit) throw EConvertError("Region data has a rectangle out of range");
        rects.push_back(r);
    }
    return FromRects(rects);
}

std::vector<uint8_t> TRegion::ToRgnData() const {
    const std::vector<TRect> rects = Rects();
    const TRect b = Bounds();
    std::vector<uint8_t> out;
    out.reserve(32 + rects.size() * 16);
    PutInt(out, 32);
    PutInt(out, 1);
    PutInt(out, static_cast<int32_t>(rects.size()));
    PutInt(out, static_cast<int32_t>(rects.size() * 16));
    for (int v : {b.Left, b.Top, b.Right, b.Bottom}) PutInt(out, v);
    for (const TRect& r : rects)
        for (int v : {r.Left, r.Top, r.Right, r.Bottom}) PutInt(out, v);
    return out;
}

bool TRegion::IsEmpty() const { return cairo_region_is_empty(region_); }

TRegionKind TRegion::Kind() const {
    const int n = cairo_region_num_rectangles(region_);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TRect TRegion::Bounds() const {
    cairo_rectangle_int_t r;
    cairo_region_get_extents(region_, &r);
    return FromCairo(r);
}

int TRegion::RectCount() const { return cairo_region_num_rectangles(region_); }

TRect TRegion::RectAt(int index) const {
    if (index < 0 || index >= RectCount()) throw EListError("Region rectangle index out of bounds");
    cairo_rectangle_int_t r;
    cairo_region_get_rectangle(region_, index, &r);
    return FromCairo(r);
}

std::vector<TRect> TRegion::Rects() const {
    std::vector<TRect> out;
    const int n = RectCount();
    out.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(region_, i, &r);
        out.push_back(FromCairo(r));
    }
    return out;
}

bool TRegion::Contains(int x, int y) const { return cairo_region_contains_point(region_, x, y); }

bool TRegion::Equals(const TRegion& other) const { return cairo_region_equal(region_, other.region_); }

void TRegion::Offset(int dx, int dy) { cairo_region_translate(region_, dx, dy); }

void TRegion::Union(const TRegion& other) { cairo_region_union(region_, other.region_); }

void TRegion::Union(const TRect& rect) {
    if (rect.IsEmpty()) return;
    const cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_union_rectangle(region_, &r);
}

void TRegion::Intersect(const TRegion& other) { cairo_region_intersect(region_, other.region_); }

void TRegion::Intersect(const TRect& rect) {
    if (rect.IsEmpty()) {
        cairo_region_t* empty = cairo_region_create();
        cairo_region_destroy(region_);
        region_ = empty;
        return;
    }
    const cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_intersect_rectangle(region_, &r);
}

void TRegion::Subtract(const TRegion& other) { cairo_region_subtract(region_, other.region_); }

void TRegion::Subtract(const TRect& rect) {
    if (rect.IsEmpty()) return;
    const cairo_rectangle_int_t r = ToCairo(rect);
    cairo_region_subtract_rectangle(region_, &r);
}

void TRegion::Xor(const TRegion& other) { cairo_region_xor(region_, other.region_); }
