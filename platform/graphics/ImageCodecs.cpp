#include "platform/graphics/ImageCodecs.h"

#include <cairo.h>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

#include "platform/core/Exceptions.h"

namespace {

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

[[noreturn]] void Bad(const char* why) { throw EReadError(std::string("Bitmap image is not valid: ") + why); }

// Scales a masked channel value to 0..255.
uint32_t Channel(uint32_t value, uint32_t mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const uint64_t max = mask >> shift;
    return static_cast<uint32_t>(((value & mask) >> shift) * uint64_t{255} / max);
}

}  // namespace

bool IsBmpData(const uint8_t* data, size_t size) { return size >= 2 && data[0] == 'B' && data[1] == 'M'; }

bool IsJpegData(const uint8_t* data, size_t size) { return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF; }

TDecodedImage DecodeBmp(const uint8_t* data, size_t size) {
    if (!IsBmpData(data, size) || size < 14 + 12) Bad("no header");
    const uint32_t offset = U32(data + 10);
    const uint8_t* info = data + 14;
    const uint32_t infoSize = U32(info);
    if (infoSize < 12 || 14 + static_cast<size_t>(infoSize) > size) Bad("short header");
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = 0, colorsUsed = 0;
    uint32_t masks[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0};
    size_t paletteEntry = 4;
    if (infoSize == 12) {
        width = U16(info + 4);
        height = static_cast<int16_t>(U16(info + 6));
        bits = U16(info + 10);
        paletteEntry = 3;
    } else {
        if (infoSize < 40) Bad("short header");
        width = static_cast<int32_t>(U32(info + 4));
        height = static_cast<int32_t>(U32(info + 8));
        bits = U16(info + 14);
        compression = U32(info + 16);
        colorsUsed = U32(info + 32);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width > 32768 || height > 32768 || width * height > (int64_t{1} << 26)) Bad("bad size");
    if (bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (compression == 3 || compression == 6) {
        // Bit fields follow a 40-byte header, or sit inside a V4/V5 header.
        if (14 + 40 + 12 > size) Bad("short masks");
        for (int i = 0; i < 3; ++i) masks[i] = U32(info + 40 + 4 * i);
        if (infoSize >= 56 || compression == 6) masks[3] = (14 + 56 <= size) ? U32(info + 52) : 0;
    } else if (compression != 0) {
        Bad("compressed bitmaps are not supported");
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Bad("bad bit count");

    std::vector<uint32_t> palette;
    if (bits <= 8) {
        size_t count = colorsUsed ? colorsUsed : (1u << bits);
        if (count > 256) Bad("bad palette");
        const size_t at = 14 + infoSize;
        if (at + count * paletteEntry > size) Bad("short palette");
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* p = data + at + i * paletteEntry;
            palette.push_back(0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0]);
        }
    }
    const size_t rowBytes = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (offset > size || rowBytes * static_cast<size_t>(height) > size - offset) Bad("short pixel data");

    TDecodedImage image;
    image.Width = static_cast<int>(width);
    image.Height = static_cast<int>(height);
    image.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    bool anyAlpha = false;
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* row = data + offset + rowBytes * static_cast<size_t>(topDown ? y : height - 1 - y);
        uint32_t* out = image.Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int64_t x = 0; x < width; ++x) {
            uint32_t px = 0;
            if (bits <= 8) {
                const size_t bitPos = static_cast<size_t>(x) * bits;
                const uint32_t index = (row[bitPos / 8] >> (8 - bits - bitPos % 8)) & ((1u << bits) - 1);
                if (index >= palette.size()) Bad("colour index outside the palette");
                px = palette[index];
            } else if (bits == 24) {
                const uint8_t* p = row + x * 3;
                px = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
            } else {
                const uint32_t v = bits == 16 ? U16(row + x * 2) : U32(row + x * 4);
                const uint32_t a = masks[3] ? Channel(v, masks[3]) : (bits == 32 && compression == 0 ? v >> 24 : 255);
                if (a) anyAlpha = true;
                px = (a << 24) | (Channel(v, masks[0]) << 16) | (Channel(v, masks[1]) << 8) | Channel(v, masks[2]);
            }
            out[x] = px;
        }
    }
    // A 32-bit bitmap that leaves alpha at zero everywhere is opaque.
    if (bits >= 16 && !anyAlpha)
        for (uint32_t& p : image.Pixels) p |= 0xFF000000u;
    return image;
}

TDecodedImage DecodeDib(const uint8_t* data, size_t size) {
    if (size < 16) Bad("short header");
    const uint32_t infoSize = U32(data);
    if (infoSize < 12 || infoSize > size) Bad("short header");
    uint32_t bits = infoSize == 12 ? U16(data + 10) : U16(data + 14);
    uint32_t compression = infoSize >= 40 ? U32(data + 16) : 0;
    uint32_t colors = infoSize >= 40 ? U32(data + 32) : 0;
    if (colors > 256) Bad("bad palette");
    uint64_t offset = 14 + static_cast<uint64_t>(infoSize);
    if (bits <= 8) offset += static_cast<uint64_t>(colors ? colors : (1u << bits)) * (infoSize == 12 ? 3 : 4);
    // Deeper pictures may still carry a colour table of 'colors' entries before their pixels.
    else offset += static_cast<uint64_t>(colors) * 4;
    if (compression == 3 && infoSize == 40) offset += 12;
    std::vector<uint8_t> file{'B', 'M'};
    const uint64_t total = 14 + static_cast<uint64_t>(size);
    for (uint64_t v : {total, uint64_t{0}, offset})
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
    file.insert(file.end(), data, data + size);
    return DecodeBmp(file.data(), file.size());
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void JpegQuiet(j_common_ptr, int) {}

// Kept free of objects with destructors, because libjpeg leaves through longjmp.
bool DecodeJpegInto(const uint8_t* data, size_t size, TDecodedImage* image, char* message) {
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegFail;
    err.mgr.emit_message = JpegQuiet;
    if (setjmp(err.jump)) {
        std::memcpy(message, err.message, sizeof err.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    // Checked before decoding starts: a forged header must not make us allocate gigabytes.
    if (info.image_width > 32768 || info.image_height > 32768 ||
        static_cast<uint64_t>(info.image_width) * info.image_height > (uint64_t{1} << 26)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "picture is too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        std::snprintf(message, JMSG_LENGTH_MAX, "unsupported picture");
        jpeg_destroy_decompress(&info);
        return false;
    }
    image->Width = static_cast<int>(info.output_width);
    image->Height = static_cast<int>(info.output_height);
    image->Pixels.resize(static_cast<size_t>(image->Width) * image->Height);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        jpeg_read_scanlines(&info, row, 1);
        uint32_t* out = image->Pixels.data() + static_cast<size_t>(y) * image->Width;
        for (int x = 0; x < image->Width; ++x) {
            const JSAMPLE* p = row[0] + x * 3;
            out[x] = 0xFF000000u | (p[0] << 16) | (p[1] << 8) | p[2];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TDecodedImage DecodeJpeg(const uint8_t* data, size_t size) {
    if (!IsJpegData(data, size)) throw EReadError("JPEG image is not valid: no start marker");
    TDecodedImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (!DecodeJpegInto(data, size, &image, message)) throw EReadError(std::string("JPEG image is not valid: ") + message);
    return image;
}

void WritePng(const std::string& path, const uint32_t* pixels, int width, int height, int stride, bool alpha) {
    if (width <= 0 || height <= 0) throw EWriteError("Cannot write an empty image to " + path);
    cairo_surface_t* surface = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int out = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(reinterpret_cast<const uint8_t*>(pixels) + static_cast<size_t>(y) * stride);
        auto* dst = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * out);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = src[x];
            if (!alpha) {
                dst[x] = p | 0xFF000000u;
                continue;
            }
            // Cairo keeps premultiplied pixels.
            const uint32_t a = p >> 24;
            const auto mul = [a](uint32_t c) { return (c * a + 127) / 255; };
            dst[x] = (a << 24) | (mul((p >> 16) & 0xFF) << 16) | (mul((p >> 8) & 0xFF) << 8) | mul(p & 0xFF);
        }
    }
    cairo_surface_mark_dirty(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw EWriteError("Cannot write " + path + ": " + cairo_status_to_string(status));
}
