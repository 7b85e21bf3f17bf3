#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/graphics/TCanvas.h"

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0) throw EInvalidOperation("Bitmap size cannot be negative");
    if (width > MaxSide || height > MaxSide || static_cast<int64_t>(width) * height > MaxPixels)
        throw EOutOfResources("Bitmap is too large");
    if (width == width_ && height == height_) return;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFF000000u);
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(pixels_.data() + static_cast<size_t>(y) * width_, w, pixels.data() + static_cast<size_t>(y) * width);
    pixels_ = std::move(pixels);
    width_ = width;
    height_ = height;
    ++generation_;
    Changed();
}

uint32_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= height_) throw EListError("Scan line index out of range");
    return pixels_.data() + static_cast<size_t>(y) * width_;
}

const uint32_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= height_) throw EListError("Scan line index out of range");
    return pixels_.data() + static_cast<size_t>(y) * width_;
}

uint32_t TBitmap::PixelAt(int x, int y) const {
    if (x < 0 || x >= width_) throw EListError("Pixel index out of range");
    return ScanLine(y)[x];
}

void TBitmap::SetPixelAt(int x, int y, uint32_t pixel) {
    if (x < 0 || x >= width_) throw EListError("Pixel index out of range");
    ScanLine(y)[x] = pixel;
}

void TBitmap::Fill(uint32_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(TCanvasTarget::OfBitmap(*this));
    return *canvas_;
}

TFont& TBitmap::Font() { return Canvas().Font(); }

TColor TBitmap::TransparentColor() const {
    if (transparentColor_ != clDefault) return transparentColor_;
    if (Empty()) return clWhite;
    return PixelToColor(pixels_[static_cast<size_t>(height_ - 1) * width_]);
}

std::unique_ptr<TBitmap> TBitmap::Monochrome(TColor key) const {
    auto mono = std::make_unique<TBitmap>(width_, height_);
    const uint32_t k = ColorToPixel(ColorToRGB(key)) & 0xFFFFFF;
    for (size_t i = 0; i < pixels_.size(); ++i) mono->pixels_[i] = (pixels_[i] & 0xFFFFFF) == k ? 0xFFFFFFFFu : 0xFF000000u;
    return mono;
}

void TBitmap::Assign(const TPersistent& source) {
    const auto* other = dynamic_cast<const TBitmap*>(&source);
    if (!other) return TPersistent::Assign(source);
    if (other == this) return;
    pixels_ = other->pixels_;
    width_ = other->width_;
    height_ = other->height_;
    transparent_ = other->transparent_;
    transparentColor_ = other->transparentColor_;
    ++generation_;
    Changed();
}

void TBitmap::LoadFromMemory(const std::vector<uint8_t>& data) {
    TDecodedImage image;
    if (IsBmpData(data.data(), data.size())) image = DecodeBmp(data.data(), data.size());
    else if (IsJpegData(data.data(), data.size())) image = DecodeJpeg(data.data(), data.size());
    else throw EReadError("Unknown picture format");
    if (static_cast<int64_t>(image.Width) * image.Height > MaxPixels) throw EReadError("Picture is too large");
    pixels_ = std::move(image.Pixels);
    width_ = image.Width;
    height_ = image.Height;
    ++generation_;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
    const int64_t start = stream.Position();
    try {
        std::vector<uint8_t> data(14);
        data.resize(static_cast<size_t>(stream.Read(data.data(), 14)));
        if (data.size() == 14 && data[0] == 'B' && data[1] == 'M') {
            const uint32_t size = data[2] | (data[3] << 8) | (data[4] << 16) | (static_cast<uint32_t>(data[5]) << 24);
            const int64_t left = stream.Remaining();
            if (size < 14 || (left >= 0 && size - 14 > static_cast<uint64_t>(left)))
                throw EReadError("Bitmap image is not valid: its size runs past the stream");
            const std::vector<uint8_t> rest = stream.ReadBytes(size - 14);
            data.insert(data.end(), rest.begin(), rest.end());
        } else {
            std::vector<uint8_t> block(64 * 1024);
            while (const int64_t n = stream.Read(block.data(), static_cast<int64_t>(block.size())))
                data.insert(data.end(), block.begin(), block.begin() + n);
        }
        LoadFromMemory(data);
    } catch (...) {
        stream.SetPosition(start);
        throw;
    }
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EFOpenError("Cannot open file \"" + path + "\"");
    const std::vector<uint8_t> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LoadFromMemory(data);
}

void TBitmap::SaveToPngFile(const std::string& path) const { WritePng(path, pixels_.data(), width_, height_, Stride(), false); }
