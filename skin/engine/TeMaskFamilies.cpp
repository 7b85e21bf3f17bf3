#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/core/MathUtils.h"
#include "skin/engine/TeEffectProcs.h"

void MaskLine(uint8_t* mask, int w, int h, uint8_t value, int x0, int y0, int x1, int y1)
{
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (x0 >= 0 && y0 >= 0 && x0 < w && y0 < h)
            mask[y0 * w + x0] = value;
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void MaskCircle(uint8_t* mask, int w, int h, uint8_t value, int radius, int cx, int cy)
{
    if (radius < 0)
        return;
    const auto plot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            mask[y * w + x] = value;
    };
    int x = radius, y = 0, err = 1 - radius;
    while (x >= y) {
        for (const auto& [px, py] : {std::pair{x, y}, std::pair{y, x}}) {
            plot(cx + px, cy + py);
            plot(cx - px, cy + py);
            plot(cx + px, cy - py);
            plot(cx - px, cy - py);
        }
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

namespace {

enum class Style { Slide, Fade, Smooth };

struct Grid {
    uint8_t* m;
    int w, h;
    void Line(uint8_t v, int x0, int y0, int x1, int y1) const { MaskLine(m, w, h, v, x0, y0, x1, y1); }
    void Circle(uint8_t v, int r, int cx, int cy) const { MaskCircle(m, w, h, v, r, cx, cy); }
    void Outline(uint8_t v, int l, int t, int r, int b) const
    {
        Line(v, l, t, r, t);
        Line(v, r, t, r, b);
        Line(v, r, b, l, b);
        Line(v, l, b, l, t);
    }
    double Diagonal() const { return std::sqrt(double(w) * w + double(h) * h); }
    int Longer() const { return std::max(w, h); }
};

// Lines from (0, 0)-side edges: for step i, the two ends of the i-th line of a triangle a wide and b high.
std::pair<int, int> TriangleStep(int i, int a, int b)
{
    if (2 * a > 2 * b)
        return {i, MulDiv(i, b, a)};
    return {b == 0 ? 0 : MulDiv(i, a, b), i};
}

// Each family: the last element index that Slide and Fade draw for p, the Smooth extent, and
// element i of a sweep ending at 'last'. Smooth draws its elements with the geometry of p = 100.
struct Down {
    static int Last(const Grid& g, int p) { return MulDiv(p, g.h - 1, 100); }
    static double Extent(const Grid& g) { return g.h * 1.5; }
    static void Element(const Grid& g, int i, int, int, uint8_t v) { g.Line(v, 0, i, g.w - 1, i); }
};

struct In {
    static int Last(const Grid& g, int p) { return MulDiv(p, g.h / 2, 100); }
    static double Extent(const Grid& g) { return g.h * 0.8; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        g.Line(v, 0, i, g.w - 1, i);
        g.Line(v, 0, g.h - 1 - i, g.w - 1, g.h - 1 - i);
    }
};

struct Out {
    static int Last(const Grid& g, int p) { return MulDiv(p, g.h / 2, 100); }
    static double Extent(const Grid& g) { return g.h * 0.8; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        g.Line(v, 0, g.h / 2 - i, g.w - 1, g.h / 2 - i);
        g.Line(v, 0, g.h / 2 + i, g.w - 1, g.h / 2 + i);
    }
};

struct Diagonal {
    static int A(const Grid& g, int p) { return MulDiv(g.w - 1, p, 100); }
    static int B(const Grid& g, int p) { return MulDiv(g.h - 1, p, 100); }
    static int Last(const Grid& g, int p) { return 2 * std::max(A(g, p), B(g, p)); }
    static double Extent(const Grid& g) { return g.Diagonal() * 2.5; }
    static void Element(const Grid& g, int i, int p, int, uint8_t v)
    {
        const auto [x, y] = TriangleStep(i, A(g, p), B(g, p));
        g.Line(v, 0, y, x, 0);
    }
};

struct DiagonalIn {
    static int A(const Grid& g, int p) { return static_cast<int>(Round(p / 100.0 * (g.w - 1))); }
    static int B(const Grid& g, int p) { return static_cast<int>(Round(p / 100.0 * (g.h - 1))); }
    static int Last(const Grid& g, int p) { return std::max(A(g, p), B(g, p)); }
    static double Extent(const Grid& g) { return g.Diagonal() * 0.5; }
    static void Element(const Grid& g, int i, int p, int, uint8_t v)
    {
        const auto [x, y] = TriangleStep(i, A(g, p), B(g, p));
        g.Line(v, 0, g.h - 1 - y, x, g.h - 1);
        g.Line(v, g.w - 1 - x, 0, g.w - 1, y);
    }
};

struct DiagonalOut {
    static int A(const Grid& g, int p) { return DiagonalIn::A(g, p); }
    static int B(const Grid& g, int p) { return DiagonalIn::B(g, p); }
    static int Last(const Grid& g, int p) { return std::max(A(g, p), B(g, p)); }
    static double Extent(const Grid& g) { return g.Diagonal() * 0.5; }
    static void Element(const Grid& g, int i, int p, int, uint8_t v)
    {
        const int a = A(g, p), b = B(g, p);
        if (a <= b) {
            g.Line(v, std::min(i, a), 0, g.w - 1, g.h - 1 - i);
            g.Line(v, 0, i, g.w - 1 - std::min(i, a), g.h - 1);
        } else {
            g.Line(v, 0, std::min(i, b), g.w - 1 - i, g.h - 1);
            g.Line(v, i, 0, g.w, g.h - std::min(i, b));
        }
    }
};

// Sizes along the longer side step by one; the other side follows in proportion.
std::pair<int, int> Proportional(const Grid& g, int i)
{
    if (g.w >= g.h)
        return {i, MulDiv(i, g.h, g.w)};
    return {MulDiv(i, g.w, g.h), i};
}

struct CrossOut {
    static int Last(const Grid& g, int p) { return MulDiv(p, 2 * g.Longer(), 100); }
    static double Extent(const Grid& g) { return g.Longer() * 2.5; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        const auto [a, b] = Proportional(g, i);
        const int cx = g.w / 2, cy = g.h / 2;
        g.Outline(v, cx - a / 4, cy - b, cx + a / 4, cy + b);
        g.Outline(v, cx - a, cy - b / 4, cx + a, cy + b / 4);
    }
};

struct RectOut {
    static int Last(const Grid& g, int p) { return MulDiv(p, g.Longer(), 100) / 2; }
    static double Extent(const Grid& g) { return g.Longer() * 1.6; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        const int hx = g.w >= g.h ? i : static_cast<int>(Round(i * double(g.w) / g.h));
        const int hy = g.w >= g.h ? static_cast<int>(Round(i * double(g.h) / g.w)) : i;
        const int cx = g.w / 2, cy = g.h / 2;
        g.Outline(v, cx - hx, cy - hy, cx + hx, cy + hy);
    }
};

int RoundedDiagonal(const Grid& g)
{
    return static_cast<int>(Round(g.Diagonal()));
}

struct CircleOut {
    static int Last(const Grid& g, int p) { return MulDiv(RoundedDiagonal(g), p, 100) / 2; }
    static double Extent(const Grid& g) { return g.Diagonal() * 0.9; }
    static void Element(const Grid& g, int i, int, int, uint8_t v) { g.Circle(v, i, g.w / 2, g.h / 2); }
};

struct CircleIn {
    static int Last(const Grid& g, int p) { return MulDiv(RoundedDiagonal(g), p, 100) / 2; }
    static double Extent(const Grid& g) { return g.Diagonal() * 0.9; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        g.Circle(v, RoundedDiagonal(g) / 2 - i, g.w / 2, g.h / 2);
    }
};

struct CircleCorner {
    static int Last(const Grid& g, int p) { return MulDiv(RoundedDiagonal(g), p, 100); }
    static double Extent(const Grid& g) { return g.Diagonal() * 1.5; }
    static void Element(const Grid& g, int i, int, int, uint8_t v) { g.Circle(v, i, 0, g.h - 1); }
};

struct DiamondOut {
    static int Last(const Grid& g, int p) { return MulDiv(p, g.Longer(), 100); }
    static double Extent(const Grid& g) { return g.Longer() * 2.5; }
    static void Element(const Grid& g, int i, int, int, uint8_t v)
    {
        const int dx = g.w <= g.h ? static_cast<int>(Round(i * double(g.w) / g.h)) : i;
        const int dy = g.w <= g.h ? i : static_cast<int>(Round(i * double(g.h) / g.w));
        const int cx = g.w / 2, cy = g.h / 2;
        g.Line(v, cx, cy + dy, cx - dx, cy);
        g.Line(v, cx - dx, cy, cx, cy - dy);
        g.Line(v, cx, cy - dy, cx + dx, cy);
        g.Line(v, cx + dx, cy, cx, cy + dy);
    }
};

struct Rotate {
    static int Last(const Grid& g, int p) { return MulDiv(g.w + g.h, p, 100); }
    static double Extent(const Grid& g) { return g.w + g.h; }
    static void Element(const Grid& g, int k, int, int last, uint8_t v)
    {
        if (k < g.h)
            g.Line(v, 0, g.h - 1, g.w - 1, g.h - k);
        else
            g.Line(v, 0, g.h - 1, g.w - (last - k), 0);
    }
};

uint8_t FadeValue(int p)
{
    return static_cast<uint8_t>(MulDiv(p, 255, 100));
}

uint8_t SmoothValue(int k, int n, int p)
{
    const int percent = n == 0 ? 2 * p : static_cast<int>(Round(2.0 * p - k * 2.0 * p / n));
    return static_cast<uint8_t>(std::clamp(MulDiv(percent, 255, 100), 0, 255));
}

template <class F, Style S> void Draw(uint8_t* mask, int w, int h, int p)
{
    if (p <= 0 || w <= 0 || h <= 0)
        return;
    const Grid g{mask, w, h};
    if constexpr (S == Style::Smooth) {
        const int n = MulDiv(static_cast<int>(Round(F::Extent(g))), p, 100);
        for (int k = 0; k <= n; ++k)
            F::Element(g, k, 100, n, p >= 100 ? 255 : SmoothValue(k, n, p));
    } else {
        const uint8_t v = S == Style::Slide ? 255 : FadeValue(p);
        for (int i = 0, last = F::Last(g, p); i <= last; ++i)
            F::Element(g, i, p, last, v);
    }
}

// The …In families: the …Out mask for 100 - p, turned inside out.
template <class F, Style S> void DrawInverted(uint8_t* mask, int w, int h, int p)
{
    if (p <= 0 || w <= 0 || h <= 0)
        return;
    Draw<F, S>(mask, w, h, 100 - p);
    const uint8_t uncovered = S == Style::Fade ? FadeValue(p) : 255;
    for (uint8_t *c = mask, *end = mask + w * h; c != end; ++c) {
        if constexpr (S == Style::Smooth)
            *c = static_cast<uint8_t>(255 - *c);
        else
            *c = *c ? 0 : uncovered;
    }
}

struct Family {
    std::string_view name;
    TteMaskProc proc;
};

constexpr Family families[] = {
    {"SlideDown", Draw<Down, Style::Slide>},
    {"FadeDown", Draw<Down, Style::Fade>},
    {"SmoothDown", Draw<Down, Style::Smooth>},
    {"SlideIn", Draw<In, Style::Slide>},
    {"FadeIn", Draw<In, Style::Fade>},
    {"SmoothIn", Draw<In, Style::Smooth>},
    {"SlideOut", Draw<Out, Style::Slide>},
    {"FadeOut", Draw<Out, Style::Fade>},
    {"SmoothOut", Draw<Out, Style::Smooth>},
    {"SlideDiagonal", Draw<Diagonal, Style::Slide>},
    {"FadeDiagonal", Draw<Diagonal, Style::Fade>},
    {"SmoothDiagonal", Draw<Diagonal, Style::Smooth>},
    {"SlideDiagonalIn", Draw<DiagonalIn, Style::Slide>},
    {"FadeDiagonalIn", Draw<DiagonalIn, Style::Fade>},
    {"SmoothDiagonalIn", Draw<DiagonalIn, Style::Smooth>},
    {"SlideDiagonalOut", Draw<DiagonalOut, Style::Slide>},
    {"FadeDiagonalOut", Draw<DiagonalOut, Style::Fade>},
    {"SmoothDiagonalOut", Draw<DiagonalOut, Style::Smooth>},
    {"SlideCrossOut", Draw<CrossOut, Style::Slide>},
    {"FadeCrossOut", Draw<CrossOut, Style::Fade>},
    {"SmoothCrossOut", Draw<CrossOut, Style::Smooth>},
    {"SlideCrossIn", DrawInverted<CrossOut, Style::Slide>},
    {"FadeCrossIn", DrawInverted<CrossOut, Style::Fade>},
    {"SmoothCrossIn", DrawInverted<CrossOut, Style::Smooth>},
    {"SlideRectOut", Draw<RectOut, Style::Slide>},
    {"FadeRectOut", Draw<RectOut, Style::Fade>},
    {"SmoothRectOut", Draw<RectOut, Style::Smooth>},
    {"SlideRectIn", DrawInverted<RectOut, Style::Slide>},
    {"FadeRectIn", DrawInverted<RectOut, Style::Fade>},
    {"SmoothRectIn", DrawInverted<RectOut, Style::Smooth>},
    {"CircleSlideOut", Draw<CircleOut, Style::Slide>},
    {"CircleFadeOut", Draw<CircleOut, Style::Fade>},
    {"CircleSmoothOut", Draw<CircleOut, Style::Smooth>},
    {"CircleSlideIn", Draw<CircleIn, Style::Slide>},
    {"CircleFadeIn", Draw<CircleIn, Style::Fade>},
    {"CircleSmoothIn", DrawInverted<CircleOut, Style::Smooth>},
    {"CircleSlide", Draw<CircleCorner, Style::Slide>},
    {"CircleFade", Draw<CircleCorner, Style::Fade>},
    {"CircleSmooth", Draw<CircleCorner, Style::Smooth>},
    {"DiamondSlideOut", Draw<DiamondOut, Style::Slide>},
    {"DiamondFadeOut", Draw<DiamondOut, Style::Fade>},
    {"DiamondSmoothOut", Draw<DiamondOut, Style::Smooth>},
    {"DiamondSlideIn", DrawInverted<DiamondOut, Style::Slide>},
    {"DiamondFadeIn", DrawInverted<DiamondOut, Style::Fade>},
    {"DiamondSmoothIn", DrawInverted<DiamondOut, Style::Smooth>},
    {"RotateSlide", Draw<Rotate, Style::Slide>},
    {"RotateFade", Draw<Rotate, Style::Fade>},
    {"RotateSmooth", Draw<Rotate, Style::Smooth>},
};

} // namespace

TteMaskProc MaskFamilyEffect(std::string_view name)
{
    for (const Family& f : families)
        if (f.name == name)
            return f.proc;
    return nullptr;
}
