#pragma once
// Reading BMP and JPEG data into straight 0xAARRGGBB pixels, and writing PNG files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TDecodedImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;  // top-down, Width per row
};

bool IsBmpData(const uint8_t* data, size_t size);
bool IsJpegData(const uint8_t* data, size_t size);
// 1, 4, 8, 16, 24 and 32 bits, top-down or bottom-up, palette or bit fields; bad or
// truncated data raises EReadError.
TDecodedImage DecodeBmp(const uint8_t* data, size_t size);
// A device-independent bitmap as the clipboard holds it: a BMP without its 14-byte file header.
TDecodedImage DecodeDib(const uint8_t* data, size_t size);
// Grey or colour baseline and progressive JPEG; bad data raises EReadError.
TDecodedImage DecodeJpeg(const uint8_t* data, size_t size);
// Writes 'pixels' (straight, 'stride' bytes a row); without 'alpha' every pixel is opaque.
// Failure raises EWriteError.
void WritePng(const std::string& path, const uint32_t* pixels, int width, int height, int stride, bool alpha);
