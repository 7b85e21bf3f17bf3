#include "controls/flat/HSLUtils.h"

#include <algorithm>

#include "platform/core/MathUtils.h"

namespace {

TColor ToRGB(TColor color) { return ColorToRGB(color) & 0xFFFFFF; }

int HueToChannel(double m1, double m2, double h) {
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    double v;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * h * 6;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    else
        v = m1;
    return static_cast<int>(Round(255 * v));
}

}  // namespace

TColor HSLtoRGB(double h, double s, double l) {
    if (s == 0) {
        const int grey = static_cast<int>(Round(255 * l));
        return RGB(grey, grey, grey);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return RGB(HueToChannel(m1, m2, h + 1.0 / 3.0), HueToChannel(m1, m2, h), HueToChannel(m1, m2, h - 1.0 / 3.0));
}

TColor HSLRangeToRGB(int h, int s, int l) {
    return HSLtoRGB(h / double(HSLRange - 1), s / double(HSLRange), l / double(HSLRange));
}

void RGBtoHSL(TColor color, double& h, double& s, double& l) {
    color = ToRGB(color);
    const double r = GetRValue(color) / 255.0;
    const double g = GetGValue(color) / 255.0;
    const double b = GetBValue(color) / 255.0;
    const double max = std::max(r, std::max(g, b));
    const double min = std::min(r, std::min(g, b));
    l = (max + min) / 2;
    if (max == min) {
        h = 0;
        s = 0;
        return;
    }
    const double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    // Red is tested first, so a colour with red and green both at the top takes red's formula.
    if (r == max)
        h = (g - b) / d;
    else if (g == max)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0)
        h += 1;
}

void RGBtoHSLRange(TColor color, int& h, int& s, int& l) {
    double hd, sd, ld;
    RGBtoHSL(color, hd, sd, ld);
    h = static_cast<int>(Round((HSLRange - 1) * hd));
    s = static_cast<int>(Round(HSLRange * sd));
    l = static_cast<int>(Round(HSLRange * ld));
}
