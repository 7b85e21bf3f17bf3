#pragma once
// Screen geometry: points, sizes and half-open rectangles (Right and Bottom lie outside).
#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(TPoint, TPoint) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(TSize, TSize) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
    constexpr void Inflate(int dx, int dy) { Left -= dx; Right += dx; Top -= dy; Bottom += dy; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Both return false and leave an empty rectangle (all zero) when the result has no area.
constexpr bool IntersectRect(TRect& dest, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        dest = TRect{};
        return false;
    }
    dest = r;
    return true;
}

constexpr bool UnionRect(TRect& dest, const TRect& a, const TRect& b) {
    if (a.IsEmpty()) dest = b;
    else if (b.IsEmpty()) dest = a;
    else dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
    if (dest.IsEmpty()) {
        dest = TRect{};
        return false;
    }
    return true;
}

// The rectangle made no larger than the area and moved inside it.
constexpr TRect FitRect(const TRect& r, const TRect& area) {
    const int width = std::min(r.Width(), area.Width());
    const int height = std::min(r.Height(), area.Height());
    return Bounds(std::clamp(r.Left, area.Left, area.Right - width), std::clamp(r.Top, area.Top, area.Bottom - height),
                  width, height);
}

constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
