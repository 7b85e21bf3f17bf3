#pragma once
// The canvas pen: outline colour, width, style and how it mixes with what is there.
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TPenMode { pmCopy, pmXor, pmNot };

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
    int Width() const { return width_; }
    // Widths below one are one, as with the classic pen.
    void SetWidth(int v) { v = v < 1 ? 1 : v; if (v != width_) { width_ = v; Changed(); } }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle v) { if (v != style_) { style_ = v; Changed(); } }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode v) { if (v != mode_) { mode_ = v; Changed(); } }

    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
    TPenMode mode_ = TPenMode::pmCopy;
};
