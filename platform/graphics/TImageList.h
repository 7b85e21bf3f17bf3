#pragma once
// A strip of equal-sized images, each with a mask, drawn masked onto a canvas.
#include <memory>
#include <vector>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TColor.h"

class TCanvas;

class TImageList {
public:
    // A list made with a zero size takes the size of the first bitmap added.
    explicit TImageList(int width = 16, int height = 16);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images_.size()); }
    // Masked pixels are drawn in BkColor, or left alone while it is clNone.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor c) { bkColor_ = c; }

    // Cuts 'bitmap' into Width-wide images; pixels of 'maskColor' become the mask. Returns
    // the index of the first image added, or -1 when the bitmap is too small for one image.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    // Mask white marks the pixels left out; without a mask the image is opaque.
    int Add(const TBitmap& image, const TBitmap* mask);
    void Delete(int index);
    void Clear() { images_.clear(); }

    // EListError for an index outside 0..Count-1. A disabled image is drawn embossed in the
    // highlight and shadow colours.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    void GetBitmap(int index, TBitmap& dest) const;

private:
    struct Image {
        std::unique_ptr<TBitmap> pixels;
        std::unique_ptr<TBitmap> mask;  // white where left out
    };
    const Image& At(int index) const;

    int width_;
    int height_;
    TColor bkColor_ = clNone;
    std::vector<Image> images_;
};
