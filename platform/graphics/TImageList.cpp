#include "platform/graphics/TImageList.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"

TImageList::TImageList(int width, int height) : width_(width), height_(height) {
    if (width < 0 || height < 0) throw EInvalidOperation("Image list size cannot be negative");
}

void TImageList::SetSize(int width, int height) {
    if (width < 0 || height < 0) throw EInvalidOperation("Image list size cannot be negative");
    width_ = width;
    height_ = height;
    images_.clear();
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor) {
    if (images_.empty() && (width_ == 0 || height_ == 0)) {
        width_ = bitmap.Width();
        height_ = bitmap.Height();
    }
    if (width_ == 0 || bitmap.Width() < width_ || bitmap.Height() < height_) return -1;
    const uint32_t key = ColorToPixel(ColorToRGB(maskColor)) & 0xFFFFFF;
    const int first = Count();
    for (int left = 0; left + width_ <= bitmap.Width(); left += width_) {
        Image image{std::make_unique<TBitmap>(width_, height_), std::make_unique<TBitmap>(width_, height_)};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const uint32_t p = bitmap.ScanLine(y)[left + x];
                const bool masked = (p & 0xFFFFFF) == key;
                image.pixels->ScanLine(y)[x] = masked ? 0xFF000000u : (p | 0xFF000000u);
                image.mask->ScanLine(y)[x] = masked ? 0xFFFFFFFFu : 0xFF000000u;
            }
        images_.push_back(std::move(image));
    }
    return first;
}

int TImageList::Add(const TBitmap& source, const TBitmap* mask) {
    if (images_.empty() && (width_ == 0 || height_ == 0)) {
        width_ = source.Width();
        height_ = source.Height();
    }
    if (width_ == 0 || source.Width() < width_ || source.Height() < height_) return -1;
    if (mask && (mask->Width() < source.Width() || mask->Height() < source.Height()))
        throw EInvalidOperation("Mask is smaller than its image");
    const int first = Count();
    for (int left = 0; left + width_ <= source.Width(); left += width_) {
        Image image{std::make_unique<TBitmap>(width_, height_), std::make_unique<TBitmap>(width_, height_)};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const bool masked = mask && (mask->ScanLine(y)[left + x] & 0xFFFFFF) != 0;
                image.pixels->ScanLine(y)[x] = masked ? 0xFF000000u : (source.ScanLine(y)[left + x] | 0xFF000000u);
                image.mask->ScanLine(y)[x] = masked ? 0xFFFFFFFFu : 0xFF000000u;
            }
        images_.push_back(std::move(image));
    }
    return first;
}

const TImageList::Image& TImageList::At(int index) const {
    if (index < 0 || index >= Count()) throw EListError("Image list index out of bounds (" + std::to_string(index) + ")");
    return images_[static_cast<size_t>(index)];
}

void TImageList::Delete(int index) {
    At(index);
    images_.erase(images_.begin() + index);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    const Image& image = At(index);
    if (bkColor_ != clNone) {
        TBitmap filled(width_, height_);
        const uint32_t bk = ColorToPixel(ColorToRGB(bkColor_));
        for (int yy = 0; yy < height_; ++yy)
            for (int xx = 0; xx < width_; ++xx)
                filled.ScanLine(yy)[xx] = (image.mask->ScanLine(yy)[xx] & 0xFFFFFF) ? bk : image.pixels->ScanLine(yy)[xx];
        if (enabled) return canvas.Draw(x, y, filled);
        canvas.Draw(x, y, filled);
    }
    if (enabled) return canvas.DrawMasked(x, y, *image.pixels, *image.mask);
    // Disabled: every drawn pixel becomes a highlight one pixel down-right, then a shadow.
    TBitmap highlight(width_, height_), shadow(width_, height_);
    highlight.Fill(ColorToPixel(ColorToRGB(clBtnHighlight)));
    shadow.Fill(ColorToPixel(ColorToRGB(clBtnShadow)));
    canvas.DrawMasked(x + 1, y + 1, highlight, *image.mask);
    canvas.DrawMasked(x, y, shadow, *image.mask);
}

void TImageList::GetBitmap(int index, TBitmap& dest) const { dest.Assign(*At(index).pixels); }
