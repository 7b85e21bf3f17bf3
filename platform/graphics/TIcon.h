#pragma once
// An icon: a picture with the pixels it leaves out, drawn at its size or stretched.
#include <memory>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRect.h"

class TCanvas;

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon& other) { Assign(other); }
    TIcon& operator=(const TIcon& other) { Assign(other); return *this; }
    // Pixels of 'transparent' in 'picture' are left out.
    TIcon(const TBitmap& picture, TColor transparent);

    int Width() const { return image_->Width(); }
    int Height() const { return image_->Height(); }
    bool Empty() const { return image_->Empty(); }
    void Assign(const TIcon& other);

    // The stock application icon, 'size' pixels square, drawn for that size (32, or 16 for the
    // small icon of a window's caption).
    static TIcon StockApplication(int size = 32);
    // A copy at 'size' x 'size', nearest neighbour (the small icon of a window is 16x16).
    TIcon SizedCopy(int size) const;

    const TBitmap& Image() const { return *image_; }
    const TBitmap& Mask() const { return *mask_; }

private:
    std::unique_ptr<TBitmap> image_ = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> mask_ = std::make_unique<TBitmap>();  // white where left out
};

// Draws 'icon' at (x, y) stretched to cx by cy (its own size when zero).
void DrawIconEx(TCanvas& canvas, int x, int y, const TIcon& icon, int cx = 0, int cy = 0);
// Draws 'icon' at its own size centred in 'rect'.
void DrawIconCentred(TCanvas& canvas, const TRect& rect, const TIcon& icon);
