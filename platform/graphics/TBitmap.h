#pragma once
// Off-screen image: 32-bit straight (un-premultiplied) 0xAARRGGBB pixels, top-down, stride Width * 4,
// with its own canvas. Resizing keeps the top-left content and fills new pixels opaque black.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

class TCanvas;
class TFont;
class TStream;

// A TColor (system colours resolved) as a straight opaque pixel, and back.
inline uint32_t ColorToPixel(TColor color) {
    const TColor rgb = (color & 0x80000000u) ? ColorToRGB(color) : color;
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr TColor PixelToColor(uint32_t px) {
    return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16);
}

class TBitmap : public TPersistent {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    static constexpr int MaxSide = 32768;
    static constexpr int64_t MaxPixels = int64_t{1} << 26;
    // Negative sizes raise EInvalidOperation, sizes beyond MaxSide or MaxPixels EOutOfResources.
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void SetSize(int width, int height);

    uint32_t* Bits() { return pixels_.data(); }
    const uint32_t* Bits() const { return pixels_.data(); }
    int Stride() const { return width_ * 4; }
    // Row y; EListError outside 0..Height-1.
    uint32_t* ScanLine(int y);
    const uint32_t* ScanLine(int y) const;
    // Raw straight pixel; EListError outside the bitmap.
    uint32_t PixelAt(int x, int y) const;
    void SetPixelAt(int x, int y, uint32_t pixel);
    // The colour of a pixel as 0x00BBGGRR, alpha ignored.
    TColor ColorAt(int x, int y) const { return PixelToColor(PixelAt(x, y)); }
    void Fill(uint32_t pixel);

    // Its canvas, made on first use; drawing on it does not call Changed, callers do.
    TCanvas& Canvas();
    TFont& Font();

    // Drawn with TransparentColor left out; clDefault takes the bottom-left pixel.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }
    TColor TransparentColor() const;
    void SetTransparentColor(TColor v) { transparentColor_ = v; }

    // A two-colour copy: white where the pixel is 'key', black elsewhere.
    std::unique_ptr<TBitmap> Monochrome(TColor key) const;

    void Assign(const TPersistent& source) override;
    // BMP or JPEG, told apart by their signatures; bad data raises EReadError and leaves the bitmap as it was.
    void LoadFromFile(const std::string& path);
    void LoadFromMemory(const std::vector<uint8_t>& data);
    // A BMP takes exactly the bytes its header counts, so data after it stays for the caller;
    // a JPEG takes the rest of the stream. On failure the position is put back.
    void LoadFromStream(TStream& stream);
    void SaveToPngFile(const std::string& path) const;

    // Size changes count up so a canvas knows to rebuild its surface.
    uint64_t Generation() const { return generation_; }
    void Changed() {
        if (OnChange) OnChange(this);
    }
    std::function<void(TBitmap*)> OnChange;

private:
    int width_ = 0;
    int height_ = 0;
    uint64_t generation_ = 0;
    std::vector<uint32_t> pixels_;
    std::unique_ptr<TCanvas> canvas_;
    bool transparent_ = false;
    TColor transparentColor_ = clDefault;
};
