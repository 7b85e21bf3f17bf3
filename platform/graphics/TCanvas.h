#pragma once
// The drawing surface every control and report paints on. One implementation serves a bitmap,
// raw pixel memory (a window surface, a skin bitmap), any Cairo surface (PDF) and no target at
// all (measuring text before a window exists). Shapes follow the classic pixel rules; own code
// does what Cairo cannot match (lines, fills, raster operations), Cairo does curves and text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TFontCache.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TRect.h"
#include "platform/graphics/TRegion.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
class TBitmap;

// Raster operations (the three-operand codes; the high word picks the result per bit).
constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t SRCERASE = 0x00440328;
constexpr uint32_t NOTSRCCOPY = 0x00330008;
constexpr uint32_t NOTSRCERASE = 0x001100A6;
constexpr uint32_t MERGECOPY = 0x00C000CA;
constexpr uint32_t MERGEPAINT = 0x00BB0226;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATPAINT = 0x00FB0A09;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;
// Brush colour where the source (a mask) is white, destination where it is black.
constexpr uint32_t ROP_DSPDxax = 0x00E20746;

// DrawText flags.
constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_TOP = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;
constexpr uint32_t DT_RTLREADING = 0x20000;

// The theme's text options (2 right-to-left, 4 no prefix, 8 word break, 16 single line) and
// alignment (column * 3 + row: columns left, centre, right; rows top, centre, bottom) as DrawText flags.
uint32_t ThemeTextFlags(uint32_t options, int align);

enum TBkMode { TRANSPARENT = 1, OPAQUE = 2 };

// What a canvas draws into. Pixel memory is straight 0xAARRGGBB, top-down.
struct TCanvasTarget {
    enum class Kind { None, Bitmap, Pixels, Surface };
    Kind kind = Kind::None;
    TBitmap* bitmap = nullptr;
    uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    cairo_surface_t* surface = nullptr;  // not owned
    double scale = 1.0;                  // surface units per canvas unit (PDF points per pixel)
    // Identity of the object whose memory this is (a skin bitmap), for whoever asks the canvas.
    const void* owner = nullptr;

    static TCanvasTarget OfBitmap(TBitmap& bitmap);
    static TCanvasTarget OfPixels(uint32_t* data, int width, int height, int stride, const void* owner = nullptr);
    static TCanvasTarget OfSurface(cairo_surface_t* surface, int width, int height, double scale = 1.0);
};

enum class TPixelFormat { pf32bitStraight };

// Direct access to the memory under an image-backed canvas; writes should stay inside ClipBox.
struct TDirectAccess {
    uint32_t* Data = nullptr;
    int Stride = 0;
    int Width = 0;
    int Height = 0;
    TPixelFormat Format = TPixelFormat::pf32bitStraight;
    TPoint Origin;  // device = logical + Origin
    TRect ClipBox;  // device coordinates, inside the target
};

// One line of text as drawn, in device coordinates: what tests and previews check instead of glyph pixels.
struct TTextRun {
    std::string Text;
    TRect Cell;        // left, top of the text cell; width = measured advance, height = font cell height
    int Baseline = 0;  // device y of the baseline
    TColor Color = clBlack;
    std::string FontName;
    int FontHeight = 0;
    TFontStyles Style = 0;
    bool Opaque = false;
    TColor BkColor = clWhite;
    int UnderlinedChar = -1;  // index in Text of the "&"-prefixed character, else -1
    TRect Clip;               // device clip box in force, empty when unclipped
};

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(const TCanvasTarget& target);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Pointing a canvas at another target resets clip, origin and saved states; tools stay.
    const TCanvasTarget& Target() const { return target_; }
    void SetTarget(const TCanvasTarget& target);
    void Detach() { SetTarget(TCanvasTarget{}); }
    // Draws into 'target' until PopTarget, which brings back the previous target with its clip,
    // origin and saved states. PopTarget without a push raises EInvalidOperation.
    void PushTarget(const TCanvasTarget& target);
    void PopTarget();
    bool HasPixels() const;
    const void* TargetOwner() const { return target_.owner; }
    TRect TargetBounds() const;
    // Image-backed targets only; EInvalidOperation otherwise.
    TDirectAccess DirectAccess();
    // Finishes pending Cairo work so the target's memory or file is complete.
    void Flush();

    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TFont& Font() { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }

    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor c) { textColor_ = c; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor c) { bkColor_ = c; }
    TBkMode BkMode() const { return bkMode_; }
    void SetBkMode(TBkMode m) { bkMode_ = m; }
    uint32_t CopyMode() const { return copyMode_; }
    void SetCopyMode(uint32_t rop) { copyMode_ = rop; }

    // Pixels[x, y]: clNone outside the target or the clip, or on a target without pixels.
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    // Draws from the pen position up to, not including, (x, y).
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int rx, int ry);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // The ellipse in the box, counter-clockwise from the ray through (x3,y3) to the ray through (x4,y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Left edge 'from', right edge 'to', one column at a time.
    void GradientFillH(const TRect& rect, TColor from, TColor to);
    void FillRgn(const TRegion& region);
    void FillRgn(const TRegion& region, TColor color);

    // Text: the brush decides the background unless SetBkMode was called since.
    void TextOut(int x, int y, std::string_view text);
    // Text clipped to 'rect'; an opaque background fills the whole rectangle.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    int TextWidth(std::string_view text);
    int TextHeight(std::string_view text);
    TSize TextExtent(std::string_view text);
    TTextMetric GetTextMetrics();
    // Returns the height of the text; with DT_CALCRECT only measures, widening or narrowing
    // 'rect' from its left and top.
    int DrawText(std::string_view text, TRect& rect, uint32_t flags);
    // A dotted rectangle XORed on, so drawing it twice takes it away.
    void DrawFocusRect(const TRect& rect);

    // Each drawn text line is appended here while set (not owned).
    void SetTextLog(std::vector<TTextRun>* log) { textLog_ = log; }
    std::vector<TTextRun>* TextLog() const { return textLog_; }

    int SaveDC();
    // A positive level restores that save; a negative one counts back from the last.
    bool RestoreDC(int level);
    TPoint WindowOrg() const { return windowOrg_; }
    // Logical point p is drawn at device (0, 0): everything shifts by -p.
    void SetWindowOrg(TPoint p) { windowOrg_ = p; }
    TPoint ViewportOrg() const { return viewportOrg_; }
    void SetViewportOrg(TPoint p) { viewportOrg_ = p; }
    TPoint Origin() const { return {viewportOrg_.X - windowOrg_.X, viewportOrg_.Y - windowOrg_.Y}; }

    // Clip regions are in device coordinates; rectangles given to the calls below are logical.
    void SelectClipRgn(const TRegion* region);
    void ExcludeClipRect(int x1, int y1, int x2, int y2);
    void IntersectClipRect(int x1, int y1, int x2, int y2);
    // The logical bounds of what can still be drawn; returns the region kind.
    int GetClipBox(TRect& box) const;
    TRect ClipRect() const {
        TRect r;
        GetClipBox(r);
        return r;
    }
    // False when there is no clip region; 'region' is then left alone.
    bool GetClipRgn(TRegion& region) const;

    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // Copies 'source' except pixels of 'key'.
    void DrawTransparent(int x, int y, const TBitmap& bitmap, TColor key);
    // Copies 'image' where 'mask' is black and leaves the destination where it is white.
    void DrawMasked(int x, int y, const TBitmap& image, const TBitmap& mask);
    // Straight-alpha pixels (0xAARRGGBB, 'stride' bytes a row) stretched nearest-neighbour over
    // 'dest' and composed over what is there; the result is opaque. Targets without pixels
    // get a premultiplied copy drawn with Cairo.
    void DrawAlphaPixels(const TRect& dest, const uint32_t* pixels, int width, int height, int stride);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    // Any three-operand raster operation; the pattern is the brush. EInvalidOperation when the
    // source has no readable pixels.
    void BitBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy, uint32_t rop);
    void BitBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, uint32_t rop);
    // Nearest-neighbour stretching (COLORONCOLOR).
    void StretchBlt(int x, int y, int width, int height, const TBitmap& source, int sx, int sy, int sw, int sh,
                    uint32_t rop = SRCCOPY);
    void StretchBlt(int x, int y, int width, int height, TCanvas& source, int sx, int sy, int sw, int sh,
                    uint32_t rop = SRCCOPY);
    void PatBlt(int x, int y, int width, int height, uint32_t rop);
    // Copies 'source' with every pixel of 'color' replaced by the brush colour.
    void BrushCopy(const TRect& dest, const TBitmap& source, const TRect& sourceRect, TColor color);
    // Reads a logical rectangle of this canvas into a new bitmap (pixels outside the target are black).
    std::unique_ptr<TBitmap> ReadPixels(const TRect& rect);

private:
    struct State {
        std::optional<TRegion> clip;
        TPoint windowOrg, viewportOrg, penPos;
        TPen pen;
        TBrush brush;
        TFont font;
        TColor textColor, bkColor;
        TBkMode bkMode;
    };
    struct SavedTarget {
        TCanvasTarget target;
        std::optional<TRegion> clip;
        TPoint windowOrg, viewportOrg;
        std::vector<State> saved;
    };
    struct Pixels {
        uint32_t* data = nullptr;
        int width = 0, height = 0, stride = 0;
        uint32_t* Row(int y) const { return reinterpret_cast<uint32_t*>(reinterpret_cast<uint8_t*>(data) + static_cast<ptrdiff_t>(y) * stride); }
    };

    void Sync();
    Pixels PixelView();
    cairo_t* Cairo();
    void ApplyCairoClip();
    void DropCairo();
    void BeginPixels();
    void EndPixels();
    std::vector<TRect> VisibleRects(const TRect& deviceRect);
    TRect DeviceRect(const TRect& r) const {
        const TPoint o = Origin();
        return {r.Left + o.X, r.Top + o.Y, r.Right + o.X, r.Bottom + o.Y};
    }

    void FillDevice(const TRect& deviceRect, TColor color);
    void FillWithBrush(const TRect& deviceRect);
    void PenLine(TPoint from, TPoint to, bool lastPixel);
    void PenPixel(const Pixels& px, int x, int y, uint32_t color);
    void CairoSetColor(TColor c);
    void CairoSetBrushSource();
    void CairoShape(bool fill, bool stroke, int penWidth);
    void BlitPixels(const TRect& deviceDest, const uint32_t* src, int srcStride, uint32_t rop,
                    const uint8_t* skip = nullptr);
    // Stretches srcWidth x srcHeight pixels over device rectangle 'd', making only what the target
    // shows; pixels of 'key' are left out unless it is clNone.
    void StretchBlitDevice(const TRect& d, const uint32_t* src, int srcWidth, int srcHeight, uint32_t rop, TColor key);
    void PaintImageOnSurface(const TRect& deviceDest, const uint32_t* src, int srcWidth, int srcHeight, int srcStride,
                             bool withAlpha);
    std::vector<uint32_t> ReadDevice(const TRect& deviceRect);
    void DrawTextLine(int x, int y, std::string_view text, int underlined, const TRect* clip, bool opaqueCell);
    TFontFace& Face();

    TCanvasTarget target_;
    uint64_t generation_ = 0;
    cairo_surface_t* ownSurface_ = nullptr;
    cairo_t* cr_ = nullptr;
    bool cairoClipDirty_ = true;
    std::optional<TRegion> clip_;
    TPoint windowOrg_, viewportOrg_, penPos_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TColor textColor_ = clWindowText;
    TColor bkColor_ = clWhite;
    TBkMode bkMode_ = OPAQUE;
    uint32_t copyMode_ = SRCCOPY;
    std::vector<State> saved_;
    std::vector<SavedTarget> pushedTargets_;
    std::vector<TTextRun>* textLog_ = nullptr;
    TFontFace* face_ = nullptr;
};
