#pragma once
// The canvas brush: fill colour, solid or clear, or an 8x8 pattern bitmap tiled from the device origin.
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

class TBitmap;

enum class TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; if (style_ == TBrushStyle::bsClear) style_ = TBrushStyle::bsSolid; Changed(); } }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v) { if (v != style_) { style_ = v; Changed(); } }
    // Not owned; the caller keeps the pattern alive while the brush uses it.
    TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* v) { if (v != bitmap_) { bitmap_ = v; Changed(); } }

    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
    TBitmap* bitmap_ = nullptr;
};
