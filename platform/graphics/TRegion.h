#pragma once
// A set of pixels made of rectangles, for clipping and for shaped windows; copies are independent.
#include <cstdint>
#include <vector>

#include "platform/graphics/TRect.h"

typedef struct _cairo_region cairo_region_t;
class TBitmap;

enum TRegionKind { ERROR_REGION = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

class TRegion {
public:
    TRegion();
    explicit TRegion(const TRect& rect);
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    TRegion(TRegion&& other) noexcept;
    TRegion& operator=(TRegion&& other) noexcept;

    static TRegion FromRects(const std::vector<TRect>& rects);
    // The classic rounded rectangle: corner ellipses of rx by ry, right and bottom exclusive.
    static TRegion RoundRect(const TRect& rect, int rx, int ry);
    static TRegion Ellipse(const TRect& rect);
    // The pixels of 'bitmap' whose colour is not 'key' (within 'tolerance' per channel).
    static TRegion FromBitmap(const TBitmap& bitmap, uint32_t keyColor, int tolerance = 0);
    // A region from an RGNDATA block: 32-byte header (size 32, type 1, count, size, bounds), then the rectangles.
    static TRegion FromRgnData(const std::vector<uint8_t>& data);
    std::vector<uint8_t> ToRgnData() const;

    bool IsEmpty() const;
    TRegionKind Kind() const;
    TRect Bounds() const;
    int RectCount() const;
    TRect RectAt(int index) const;
    std::vector<TRect> Rects() const;
    bool Contains(int x, int y) const;
    bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
    bool Equals(const TRegion& other) const;

    void Offset(int dx, int dy);
    void Union(const TRegion& other);
    void Union(const TRect& rect);
    void Intersect(const TRegion& other);
    void Intersect(const TRect& rect);
    void Subtract(const TRegion& other);
    void Subtract(const TRect& rect);
    void Xor(const TRegion& other);

    cairo_region_t* Handle() const { return region_; }

private:
    cairo_region_t* region_ = nullptr;
};
