#pragma once
// Small stateless drawing helpers of every theme and skinned control: rectangles, frames and
// fills that set their own pen and brush, coloured system glyphs, icons, regions from keyed
// bitmaps, keyboard repeat timing and nested mouse capture.
#include <cstdint>
#include <vector>

#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/graphics/TRegion.h"

class TBitmap;
class TCanvas;
class TControl;
class TIcon;
class TteBitmap;

constexpr int RectWidth(const TRect& r) { return r.Right - r.Left; }
constexpr int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
// Centred in 'bounds' both ways; half differences round toward zero.
TRect RectCenter(const TRect& rect, const TRect& bounds);
// At the left of 'bounds', centred vertically.
TRect RectCenterVert(const TRect& rect, const TRect& bounds);
constexpr TRect InflateRectBy(TRect r, int n) { r.Inflate(n, n); return r; }
constexpr bool RectIsEmpty(const TRect& r) { return RectWidth(r) < 1 || RectHeight(r) < 1; }
constexpr bool RectEqual(const TRect& a, const TRect& b) { return a == b; }

void CanvasMoveTo(TCanvas& canvas, int x, int y);
void LineToColor(TCanvas& canvas, int x, int y, TColor color);
// Top and left edges in the first colour, bottom and right in the second.
void DrawFrame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);
void FrameRectColor(TCanvas& canvas, const TRect& rect, TColor color);
void FrameRectColorXY(TCanvas& canvas, int left, int top, int right, int bottom, TColor color);
void FillRectColor(TCanvas& canvas, const TRect& rect, TColor color);
void FillRectColorXY(TCanvas& canvas, int left, int top, int right, int bottom, TColor color);
void DrawFocusRectColor(TCanvas& canvas, const TRect& rect, TColor color);
void FrameRoundRectColor(TCanvas& canvas, const TRect& rect, int corner, TColor color);
void FillRoundRectColor(TCanvas& canvas, const TRect& rect, int corner, TColor color);
void DrawPolylineColor(TColor color, TCanvas& canvas, const std::vector<TPoint>& points);
void FillPolygonColor(TColor color, TCanvas& canvas, const std::vector<TPoint>& points);
// Up to 255 solid bands from 'from' to 'to', across (vertical false) or down.
void GradientFillRect(TCanvas& canvas, const TRect& rect, TColor from, bool vertical, TColor to);
// An 8 x 8 pattern of dots on the back colour.
void FillRectChecker(TCanvas& canvas, const TRect& rect, TColor back, TColor dot);

// A system glyph in one colour over whatever lies beneath.
void DrawFrameControlColor(TCanvas& canvas, const TRect& rect, uint32_t type, TColor color, uint32_t state);
// Every pixel of the glyph that is not the key colour, in 'color' at alpha 100.
void DrawGlyphSilhouette(TCanvas& canvas, int x, int y, TColor color, const TBitmap& glyph);
// A 16 x 16 icon centred in the rectangle; nothing without an icon.
void DrawIconCentered(TCanvas& canvas, const TRect& rect, const TIcon* icon);

// Row runs of the pixels that are not the key colour, offset by (dx, dy), as an RGNDATA block;
// empty for an empty bitmap.
std::vector<uint8_t> BitmapToRegionData(const TteBitmap& bitmap, int dx, int dy);
TRegion BitmapToRegion(const TteBitmap& bitmap, int dx, int dy);

int GetKeyboardDelayTime();
int GetKeyboardRepeatTime();

// Nested: the capture is taken by the first call and given up by the matching last End.
void BeginMouseCapture(TControl* control);
void EndMouseCapture();
