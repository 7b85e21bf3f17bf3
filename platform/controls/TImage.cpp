#include "platform/controls/TImage.h"

#include <fstream>
#include <iterator>

#include "platform/core/Exceptions.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TBitmap>())
{
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

TBitmap& TImage::Picture()
{
    return *picture_;
}

void TImage::LoadFromData(const std::vector<uint8_t>& data)
{
    TDecodedImage image;
    if (IsJpegData(data.data(), data.size()))
        image = DecodeJpeg(data.data(), data.size());
    else if (IsBmpData(data.data(), data.size()))
        image = DecodeBmp(data.data(), data.size());
    else
        throw EReadError("The picture is neither a JPEG nor a bitmap");
    auto bitmap = std::make_unique<TBitmap>(image.Width, image.Height);
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x)
            bitmap->SetPixelAt(x, y, image.Pixels[static_cast<size_t>(y) * image.Width + x]);
    picture_ = std::move(bitmap);
    Invalidate();
}

void TImage::LoadFromFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw EFOpenError("Cannot open file \"" + path + "\"");
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LoadFromData(data);
}

void TImage::SetStretch(bool v)
{
    if (stretch_ == v)
        return;
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v)
{
    if (center_ == v)
        return;
    center_ = v;
    Invalidate();
}

void TImage::Paint()
{
    if (picture_->Empty())
        return;
    TCanvas& canvas = Canvas();
    if (stretch_) {
        canvas.StretchDraw(ClientRect(), *picture_);
        return;
    }
    int x = 0;
    int y = 0;
    if (center_) {
        x = (Width() - picture_->Width()) / 2;
        y = (Height() - picture_->Height()) / 2;
    }
    canvas.Draw(x, y, *picture_);
}
