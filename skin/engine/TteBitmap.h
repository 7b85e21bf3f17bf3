#pragma once
// The skin engine's image: straight 0xAARRGGBB pixels, top-down, stride Width * 4, drawn by
// per-pixel alpha (AlphaBlend), by key colour (Transparent) or as a plain copy.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TRect.h"
#include "skin/engine/TePixels.h"

class TBitmap;
class TCanvas;
class TStream;
class TteBitmapLink;

class TteBitmap : public TPersistent {
public:
    TteBitmap();
    ~TteBitmap() override;
    TteBitmap(const TteBitmap&) = delete;
    TteBitmap& operator=(const TteBitmap&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    // Negative sizes count as positive; a zero side or the same size changes nothing. A size past
    // TBitmap's caps raises "Can't allocate the DIB handle" and leaves the bitmap empty.
    void SetSize(int width, int height);
    void Clear();

    uint32_t* Bits() { return pixels_.empty() ? nullptr : pixels_.data(); }
    const uint32_t* Bits() const { return pixels_.empty() ? nullptr : pixels_.data(); }
    uint32_t* ScanLine(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
    const uint32_t* ScanLine(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint32_t* PixelPtr(int x, int y) { return ScanLine(y) + x; }
    // A canvas drawing into the pixels; its TargetOwner() is this bitmap.
    TCanvas& Canvas();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool v) { alphaBlend_ = v; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v; }

    void Fill(uint32_t pixel);
    void SetAlpha(uint8_t alpha);
    void SetAlphaRect(uint8_t alpha, const TRect& rect);
    // With AlphaBlend the fill is laid over the pixels by its own alpha.
    void FillRect(const TRect& rect, uint32_t pixel);
    // 0 outside the bitmap; SetPixel outside it does nothing.
    uint32_t GetPixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t pixel);
    void UpdateAlphaBlend();
    // Pixels within 5 of 'key' in R, G and B become KeyColor; Transparent tells whether any did.
    void ApplyTransparentColor(uint32_t key);
    // Both leave key pixels (alpha 0) alone.
    void ChangeBrightness(int delta);
    void ChangeHue(int delta);
    void FlipVertical();
    // A new link to 'rect' of this bitmap under its name; the caller owns it.
    std::unique_ptr<TteBitmapLink> GetBitmapLink(const TRect& rect);

    // From a TteBitmap (an empty one empties this) or a TBitmap (made opaque).
    void Assign(const TPersistent& source) override;
    // 'graphic' stretched over 'rect'; its pure magenta pixels keep what was here.
    void DrawGraphicInto(const TBitmap& graphic, const TRect& rect);

    // Name, size, then the pixels; bad or short data raises EReadError and changes nothing.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;

    // Onto a canvas: another TteBitmap's, any image-backed canvas, or one without pixels (PDF).
    void DrawToCanvas(TCanvas& canvas, int x, int y) const;
    void DrawCanvasRect(TCanvas& canvas, int x, int y, const TRect& srcRect) const;
    void StretchToCanvas(TCanvas& canvas, const TRect& destRect) const;
    void DrawCanvas(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const;
    void DrawToBitmapAt(TteBitmap& target, int x, int y) const;
    void DrawToBitmapRect(TteBitmap& target, int x, int y, const TRect& srcRect) const;
    void DrawToBitmap(TteBitmap& target, const TRect& destRect, const TRect& srcRect) const;
    // srcRect repeated over destRect; tiles cut at the right and bottom show the source's start.
    void Tile(TCanvas& canvas, const TRect& destRect, const TRect& srcRect) const;
    // Only the tiles meeting clipRect; an empty clipRect clips nothing.
    void TileClip(TCanvas& canvas, const TRect& destRect, const TRect& srcRect, const TRect& clipRect) const;
    // Lays a rectangle of 'source' beneath this bitmap's pixels at (x, y).
    void DrawUnder(const TteBitmap& source, int x, int y, TRect srcRect);

protected:
    void AssignTo(TPersistent& dest) const override;

private:
    void Retarget();

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    std::string name_;
    bool alphaBlend_ = false;
    bool transparent_ = false;
    std::unique_ptr<TCanvas> canvas_;
};
