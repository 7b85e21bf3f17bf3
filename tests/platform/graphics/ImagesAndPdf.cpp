#include <gtest/gtest.h>

#include <algorithm>
#include <cairo.h>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TPdfDocument.h"
#include "tests/platform/graphics/JpegData.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

// A BMP file with a 40-byte header; 'rows' are already padded and in file order.
std::vector<uint8_t> Bmp(int w, int h, int bits, const std::vector<uint32_t>& palette, const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> v{'B', 'M'};
    const auto offset = static_cast<uint32_t>(14 + 40 + palette.size() * 4), size = static_cast<uint32_t>(rows.size());
    for (uint32_t x : {offset + size, 0u, offset, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)}) Put32(v, x);
    Put16(v, 1);
    Put16(v, static_cast<uint32_t>(bits));
    for (uint32_t x : {0u, size, 2835u, 2835u, static_cast<uint32_t>(palette.size()), 0u}) Put32(v, x);
    for (uint32_t c : palette) Put32(v, c);
    v.insert(v.end(), rows.begin(), rows.end());
    return v;
}

std::string TempPath(const std::string& name) {
    const auto dir = std::filesystem::path(BUKURA_BINARY_DIR) / "test-artefacts";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// 2x2: bottom row blue, red; top row green, white. Rows pad to 8 bytes.
std::vector<uint8_t> FourColours() { return Bmp(2, 2, 24, {}, {255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0, 0}); }

}  // namespace

TEST(BmpDecoding, TwentyFourBitBottomUpAndPaletteImagesOfOneFourAndEightBits) {
    TBitmap b;
    b.LoadFromMemory(FourColours());
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.ColorAt(0, 1), clBlue);
    EXPECT_EQ(b.ColorAt(1, 1), clRed);
    EXPECT_EQ(b.ColorAt(0, 0), clLime);
    EXPECT_EQ(b.PixelAt(1, 0), 0xFFFFFFFFu);
    b.LoadFromMemory(Bmp(3, 1, 8, {0x000000, 0xFF00FF}, {1, 0, 1, 0}));
    EXPECT_EQ(b.ColorAt(0, 0), RGB(255, 0, 255));
    EXPECT_EQ(b.ColorAt(1, 0), clBlack);
    b.LoadFromMemory(Bmp(3, 1, 4, {0x000000, 0x00FF00, 0x0000FF}, {0x12, 0x00, 0, 0}));
    EXPECT_EQ(b.ColorAt(0, 0), clLime);
    EXPECT_EQ(b.ColorAt(1, 0), clBlue);
    EXPECT_EQ(b.ColorAt(2, 0), clBlack);
    b.LoadFromMemory(Bmp(9, 1, 1, {0x000000, 0xFFFFFF}, {0x80, 0x80, 0, 0}));
    EXPECT_EQ(b.ColorAt(0, 0), clWhite);
    EXPECT_EQ(b.ColorAt(1, 0), clBlack);
    EXPECT_EQ(b.ColorAt(8, 0), clWhite);
}

TEST(BmpDecoding, ThirtyTwoBitTopDownKeepsAlphaWhenUsed) {
    // Height -1 means top-down; the key pixel keeps its zero alpha.
    auto data = Bmp(2, 1, 32, {}, {0x7F, 0x00, 0x7F, 0x00, 0x10, 0x20, 0x30, 0xFF});
    data[22] = 0xFF, data[23] = 0xFF, data[24] = 0xFF, data[25] = 0xFF;
    TBitmap b;
    b.LoadFromMemory(data);
    EXPECT_EQ(b.PixelAt(0, 0), 0x007F007Fu);
    EXPECT_EQ(b.PixelAt(1, 0), 0xFF302010u);
}

TEST(BmpDecoding, BadDataRaisesAndLeavesTheBitmapAlone) {
    TBitmap b(3, 3);
    const auto data = FourColours();
    EXPECT_THROW(b.LoadFromMemory(std::vector<uint8_t>(data.begin(), data.end() - 3)), EReadError);
    EXPECT_THROW(b.LoadFromMemory(Bmp(1, 1, 8, {0x000000}, {5, 0, 0, 0})), EReadError);  // index beyond the palette
    auto huge = data;
    huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;
    EXPECT_THROW(b.LoadFromMemory(huge), EReadError);
    EXPECT_THROW(b.LoadFromMemory({'G', 'I', 'F'}), EReadError);
    EXPECT_THROW(b.LoadFromFile(TempPath("missing.bmp")), EFOpenError);
    EXPECT_EQ(b.Width(), 3);
}

TEST(BmpDecoding, FromAStreamTakesOnlyItsOwnBytes) {
    auto data = FourColours();
    const size_t own = data.size();
    data.push_back(0xAB);
    TMemoryStream stream(data);
    TBitmap b;
    b.LoadFromStream(stream);
    EXPECT_EQ(b.ColorAt(0, 1), clBlue);
    EXPECT_EQ(stream.Position(), static_cast<int64_t>(own));
    data[2] = 0xFF, data[3] = 0xFF;
    TMemoryStream lying(data);
    EXPECT_THROW(b.LoadFromStream(lying), EReadError);
    EXPECT_EQ(lying.Position(), 0);
}

TEST(BmpDecoding, ClipboardDibWithoutFileHeader) {
    const auto file = Bmp(1, 1, 8, {0x000000, 0x0000FF}, {1, 0, 0, 0});
    const TDecodedImage image = DecodeDib(file.data() + 14, file.size() - 14);
    ASSERT_EQ(image.Width, 1);
    EXPECT_EQ(image.Pixels[0], 0xFF0000FFu);
    EXPECT_THROW(DecodeDib(file.data() + 14, 8), EReadError);
    // A 24-bit picture may carry an optional colour table; its pixels come after it.
    const auto deep = Bmp(1, 1, 24, {0x123456, 0x654321}, {0x00, 0x00, 0xFF, 0});
    EXPECT_EQ(DecodeDib(deep.data() + 14, deep.size() - 14).Pixels[0], 0xFFFF0000u);
}

TEST(JpegDecoding, DecodesAColourPicture) {
    TBitmap b;
    b.LoadFromMemory(Jpeg(16, 8, 200, 40, 90));
    EXPECT_EQ(b.Width(), 16);
    EXPECT_EQ(b.Height(), 8);
    const TColor c = b.ColorAt(5, 5);
    EXPECT_NEAR(GetRValue(c), 200, 3);
    EXPECT_NEAR(GetGValue(c), 40, 3);
    EXPECT_NEAR(GetBValue(c), 90, 3);
}

TEST(JpegDecoding, TruncatedCorruptOrHugeDataRaises) {
    auto data = Jpeg(8, 8, 1, 2, 3);
    TBitmap b(2, 2);
    EXPECT_THROW(b.LoadFromMemory(std::vector<uint8_t>(data.begin(), data.begin() + 20)), EReadError);
    std::vector<uint8_t> bad(200, 0x55);
    std::copy(data.begin(), data.begin() + 3, bad.begin());
    EXPECT_THROW(b.LoadFromMemory(bad), EReadError);
    EXPECT_EQ(b.Width(), 2);
    // A frame header claiming 30000 x 30000 raises before anything is allocated.
    size_t sof = 0;
    for (size_t i = 2; i + 8 < data.size() && !sof; ++i)
        if (data[i] == 0xFF && (data[i + 1] == 0xC0 || data[i + 1] == 0xC2)) sof = i;
    ASSERT_NE(sof, 0u);
    data[sof + 5] = 30000 >> 8, data[sof + 6] = 30000 & 0xFF;
    data[sof + 7] = 30000 >> 8, data[sof + 8] = 30000 & 0xFF;
    EXPECT_THROW(DecodeJpeg(data.data(), data.size()), EReadError);
}

TEST(PngWriting, RoundTripsThroughAFileAndBadTargetsRaise) {
    TBitmap b(3, 2);
    b.Fill(ColorToPixel(clTeal));
    b.SetPixelAt(2, 1, ColorToPixel(RGB(1, 2, 3)));
    const std::string path = TempPath("roundtrip.png");
    b.SaveToPngFile(path);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 3);
    const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) + cairo_image_surface_get_stride(s));
    EXPECT_EQ(row[2] & 0xFFFFFF, 0x010203u);
    EXPECT_EQ(row[0] & 0xFFFFFF, 0x008080u);
    cairo_surface_destroy(s);
    EXPECT_THROW(b.SaveToPngFile("/nonexistent-dir/x.png"), EWriteError);
    TBitmap empty;
    EXPECT_THROW(empty.SaveToPngFile(TempPath("empty.png")), EWriteError);
}

TEST(PdfTarget, SameCanvasCallsWritePages) {
    const std::string path = TempPath("canvas.pdf");
    {
        TPdfDocument pdf(path, 794, 1123, 0.75);
        TCanvas& c = pdf.Canvas();
        c.Font().SetName("Arial");
        c.Font().SetSize(12);
        c.TextOut(20, 20, "Neraca Saldo");
        c.Ellipse(10, 120, 60, 170);
        TBitmap logo(4, 4);
        logo.Fill(ColorToPixel(clRed));
        c.StretchDraw(Rect(100, 120, 140, 160), logo);
        TRect r = Rect(10, 200, 300, 240);
        c.DrawText("Halaman &1", r, DT_CENTER | DT_SINGLELINE);
        pdf.NewPage();
        pdf.Canvas().TextOut(20, 20, "Laba Rugi");
        EXPECT_EQ(pdf.PageCount(), 2);
        pdf.Close();
        EXPECT_THROW(pdf.NewPage(), EInvalidOperation);
        EXPECT_THROW(pdf.Canvas(), EInvalidOperation);
    }
    std::ifstream in(path, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(head, "%PDF");
    std::string text;
    if (FILE* p = popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r")) {
        char buf[512];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
        pclose(p);
    }
    EXPECT_NE(text.find("Neraca Saldo"), std::string::npos) << text;
    EXPECT_NE(text.find("Halaman 1"), std::string::npos) << text;
    EXPECT_NE(text.find("Laba Rugi"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
}

TEST(PdfTarget, RasterOperationsWithoutPixelsAndUncreatableFilesAreRefused) {
    {
        TPdfDocument pdf(TempPath("rop.pdf"), 100, 100);
        TBitmap src(2, 2);
        EXPECT_THROW(pdf.Canvas().BitBlt(0, 0, 2, 2, src, 0, 0, SRCINVERT), EInvalidOperation);
        EXPECT_NO_THROW(pdf.Canvas().BitBlt(0, 0, 2, 2, src, 0, 0, SRCCOPY));
        EXPECT_THROW(pdf.Canvas().ReadPixels(Rect(0, 0, 1, 1)), EInvalidOperation);
    }
    EXPECT_THROW(TPdfDocument("/nonexistent-dir/x.pdf", 100, 100), EFOpenError);
    EXPECT_THROW(TPdfDocument(TempPath("bad.pdf"), 0, 100), EInvalidOperation);
}
