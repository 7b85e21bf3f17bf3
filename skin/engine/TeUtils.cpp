#include "skin/engine/TeUtils.h"

#include <cstring>

#include "platform/core/MathUtils.h"
#include "platform/graphics/ClassicDraw.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TIcon.h"
#include "platform/ui/TInputRouter.h"
#include "skin/engine/TeTextTarget.h"
#include "skin/engine/TeUnits.h"
#include "skin/engine/TteBitmap.h"

TRect RectCenter(const TRect& rect, const TRect& bounds)
{
    TRect r = rect;
    r.Offset(bounds.Left - r.Left + (RectWidth(bounds) - RectWidth(r)) / 2,
             bounds.Top - r.Top + (RectHeight(bounds) - RectHeight(r)) / 2);
    return r;
}

TRect RectCenterVert(const TRect& rect, const TRect& bounds)
{
    TRect r = rect;
    r.Offset(bounds.Left - r.Left, bounds.Top - r.Top + (RectHeight(bounds) - RectHeight(r)) / 2);
    return r;
}

namespace {

void SolidPen(TCanvas& canvas, TColor color)
{
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
}

void SolidBrush(TCanvas& canvas, TColor color)
{
    canvas.Brush().SetBitmap(nullptr);
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void ClearBrush(TCanvas& canvas)
{
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
}

} // namespace

void CanvasMoveTo(TCanvas& canvas, int x, int y)
{
    canvas.MoveTo(x, y);
}

void LineToColor(TCanvas& canvas, int x, int y, TColor color)
{
    SolidPen(canvas, color);
    canvas.LineTo(x, y);
}

void DrawFrame3D(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight)
{
    ClearBrush(canvas);
    SolidPen(canvas, topLeft);
    canvas.Polyline({{r.Left, r.Bottom - 2}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
    SolidPen(canvas, bottomRight);
    canvas.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left - 1, r.Bottom - 1}});
}

void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas.Rectangle(rect);
}

void FrameRectColorXY(TCanvas& canvas, int left, int top, int right, int bottom, TColor color)
{
    FrameRectColor(canvas, Rect(left, top, right, bottom), color);
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    SolidBrush(canvas, color);
    canvas.FillRect(rect);
}

void FillRectColorXY(TCanvas& canvas, int left, int top, int right, int bottom, TColor color)
{
    FillRectColor(canvas, Rect(left, top, right, bottom), color);
}

void DrawFocusRectColor(TCanvas& canvas, const TRect& rect, TColor color)
{
    SolidBrush(canvas, color);
    canvas.DrawFocusRect(rect);
}

void FrameRoundRectColor(TCanvas& canvas, const TRect& r, int corner, TColor color)
{
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
}

void FillRoundRectColor(TCanvas& canvas, const TRect& r, int corner, TColor color)
{
    SolidBrush(canvas, color);
    SolidPen(canvas, color);
    canvas.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
}

void DrawPolylineColor(TColor color, TCanvas& canvas, const std::vector<TPoint>& points)
{
    ClearBrush(canvas);
    SolidPen(canvas, color);
    canvas.Polygon(points);
}

void FillPolygonColor(TColor color, TCanvas& canvas, const std::vector<TPoint>& points)
{
    SolidBrush(canvas, color);
    SolidPen(canvas, color);
    canvas.Polygon(points);
}

void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor from, bool vertical, TColor to)
{
    if (RectIsEmpty(rect))
        return;
    const int size = vertical ? RectHeight(rect) : RectWidth(rect);
    const int n = size < 255 ? size : 255;
    const TColor f = ColorToRGB(from), t = ColorToRGB(to);
    const auto channel = [n](int i, TColor a, TColor b, int shift) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        return static_cast<int>(Round((double(i) * (cb - ca) * 255 / n + ca * 255.0) / 255));
    };
    for (int i = 0; i <= n; ++i) {
        TRect band = rect;
        const int start = MulDiv(i, size, n), end = MulDiv(i + 1, size, n);
        if (vertical) {
            band.Top = rect.Top + start;
            band.Bottom = std::min(rect.Top + end, rect.Bottom);
        } else {
            band.Left = rect.Left + start;
            band.Right = std::min(rect.Left + end, rect.Right);
        }
        if (RectIsEmpty(band))
            continue;
        FillRectColor(canvas, band, RGB(channel(i, f, t, 0), channel(i, f, t, 8), channel(i, f, t, 16)));
    }
}

void FillRectChecker(TCanvas& canvas, const TRect& rect, TColor back, TColor dot)
{
    TRect r = rect;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    if (RectIsEmpty(r))
        return;
    TBitmap pattern(8, 8);
    pattern.Fill(ColorToPixel(back));
    const uint32_t dotPixel = ColorToPixel(dot);
    for (int y = 0; y < 8; ++y)
        for (int x = y % 2; x < 8; x += 2)
            pattern.SetPixelAt(x, y, dotPixel);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetBitmap(&pattern);
    canvas.FillRect(r);
    canvas.Brush().SetBitmap(nullptr);
}

void DrawFrameControlColor(TCanvas& canvas, const TRect& rect, uint32_t type, TColor color, uint32_t state)
{
    if (RectIsEmpty(rect))
        return;
    TteBitmap glyph;
    glyph.SetSize(RectWidth(rect), RectHeight(rect));
    glyph.Fill(0xFFFFFFFFu);
    DrawFrameControl(glyph.Canvas(), Rect(0, 0, glyph.Width(), glyph.Height()), type, state);
    glyph.Canvas().Flush();
    const uint32_t ink = ColorToPixel(color);
    for (int y = 0; y < glyph.Height(); ++y)
        for (uint32_t *p = glyph.ScanLine(y), *end = p + glyph.Width(); p != end; ++p)
            *p = SameRGB(*p, 0) ? ink : KeyColor;
    glyph.SetTransparent(true);
    glyph.DrawToCanvas(canvas, rect.Left, rect.Top);
}

void DrawGlyphSilhouette(TCanvas& canvas, int x, int y, TColor color, const TBitmap& source)
{
    if (source.Empty())
        return;
    TteBitmap glyph;
    glyph.Assign(source);
    glyph.ApplyTransparentColor(KeyColor);
    const uint32_t ink = ColorToPixel(color, 100);
    for (int row = 0; row < glyph.Height(); ++row)
        for (uint32_t *p = glyph.ScanLine(row), *end = p + glyph.Width(); p != end; ++p)
            if (PixelAlpha(*p) != 0)
                *p = ink;
    glyph.SetAlphaBlend(true);
    glyph.DrawToCanvas(canvas, x, y);
}

void DrawIconCentered(TCanvas& canvas, const TRect& rect, const TIcon* icon)
{
    if (!icon || icon->Empty())
        return;
    const TRect r = RectCenter(Rect(0, 0, 16, 16), rect);
    DrawIconEx(canvas, r.Left, r.Top, *icon);
}

std::vector<uint8_t> BitmapToRegionData(const TteBitmap& bitmap, int dx, int dy)
{
    if (bitmap.Empty())
        return {};
    std::vector<int32_t> rects;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width();) {
            if (SameRGB(row[x], KeyColor)) {
                ++x;
                continue;
            }
            const int x1 = x;
            while (x < bitmap.Width() && !SameRGB(row[x], KeyColor))
                ++x;
            rects.insert(rects.end(), {x1 + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    const int32_t header[8] = {32, 1, static_cast<int32_t>(rects.size() / 4), 0, 0, 0, bitmap.Width(), bitmap.Height()};
    std::vector<uint8_t> data(sizeof header + rects.size() * 4);
    std::memcpy(data.data(), header, sizeof header);
    if (!rects.empty())
        std::memcpy(data.data() + sizeof header, rects.data(), rects.size() * 4);
    return data;
}

TRegion BitmapToRegion(const TteBitmap& bitmap, int dx, int dy)
{
    const std::vector<uint8_t> data = BitmapToRegionData(bitmap, dx, dy);
    return data.empty() ? TRegion() : TRegion::FromRgnData(data);
}

int GetKeyboardDelayTime()
{
    return (KeyboardDelay + 1) * 200;
}

int GetKeyboardRepeatTime()
{
    return static_cast<int>(Round(1000 / ((KeyboardSpeed + 1) * 2.3)));
}

namespace {

TControl* captured = nullptr;
int captureDepth = 0;

} // namespace

void BeginMouseCapture(TControl* control)
{
    if (captureDepth == 0) {
        captured = control;
        SetCaptureControl(control);
    }
    ++captureDepth;
}

void EndMouseCapture()
{
    if (captureDepth == 0)
        return;
    if (--captureDepth == 0) {
        if (GetCaptureControl() == captured)
            SetCaptureControl(nullptr);
        captured = nullptr;
    }
}

void StartTeUtils()
{
    SetTextTarget(nullptr);
    captured = nullptr;
    captureDepth = 0;
}

void StopTeUtils()
{
    StartTeUtils();
}
