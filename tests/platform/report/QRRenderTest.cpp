#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/report/QRTextMeasure.h"
#include "platform/report/TQRPrinter.h"
#include "platform/report/TQRRenderer.h"

using testing::HasSubstr;

namespace {

std::filesystem::path TestFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    auto folder = std::filesystem::path(BUKURA_BINARY_DIR) / "report-tests" / (std::string(test->test_suite_name()) + "." + test->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

QRItem TextItem(const std::string& text, double left, double top)
{
    QRItem item;
    item.Kind = QRItemKind::Text;
    item.Box = {left, top, 200, 20};
    item.Lines = {text};
    return item;
}

TQRPageModel TwoPages()
{
    TQRPageModel model;
    model.AddPage(794, 1123).Items.push_back(TextItem("Halaman satu", 40, 40));
    model.AddPage(794, 1123).Items.push_back(TextItem("Halaman dua", 40, 40));
    return model;
}

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A stand-in for lp: writes its arguments to a file and ends with the given code and message.
std::string FakePrintCommand(const std::filesystem::path& folder, int exitCode, const std::string& message)
{
    auto script = folder / "fake-lp";
    std::ofstream out(script);
    out << "#!/bin/sh\necho \"$@\" > '" << (folder / "args").string() << "'\n";
    if (!message.empty())
        out << "echo '" << message << "' >&2\n";
    out << "exit " << exitCode << "\n";
    out.close();
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    return script.string();
}

} // namespace

TEST(QRRenderer, PageImageHasThePageSizeAndInkWhereTheTextIs)
{
    QRPage page;
    page.Width = 200;
    page.Height = 100;
    QRItem text = TextItem("MMMM", 10, 10);
    text.Font.Size = 20;
    page.Items.push_back(text);
    QRItem line;
    line.Kind = QRItemKind::Line;
    line.X1 = 0;
    line.X2 = 200;
    line.Y1 = line.Y2 = 80.5;
    page.Items.push_back(line);

    QRSurfacePtr image = TQRRenderer::RenderPageToImage(page, 2.0);

    ASSERT_EQ(cairo_image_surface_get_width(image.get()), 400);
    ASSERT_EQ(cairo_image_surface_get_height(image.get()), 200);
    auto pixel = [&](int x, int y) {
        const unsigned char* data = cairo_image_surface_get_data(image.get());
        return *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(image.get()) + x * 4) & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(390, 10), 0xFFFFFFu);
    EXPECT_EQ(pixel(100, 161), 0x000000u);
    int ink = 0;
    for (int y = 20; y < 80; ++y)
        for (int x = 20; x < 200; ++x)
            ink += pixel(x, y) != 0xFFFFFF;
    EXPECT_GT(ink, 200);
}

TEST(QRRenderer, BitmapOfAPageForTheCanvas)
{
    QRPage page;
    page.Width = 50;
    page.Height = 30;
    QRItem frame;
    frame.Kind = QRItemKind::Rectangle;
    frame.Box = {10, 10, 20, 10};
    frame.Filled = true;
    frame.BrushColor = clRed;
    frame.PenWidth = 0;
    page.Items.push_back(frame);
    TBitmap bitmap;

    TQRRenderer::RenderPageToBitmap(page, 1.0, bitmap);

    ASSERT_EQ(bitmap.Width(), 50);
    ASSERT_EQ(bitmap.Height(), 30);
    EXPECT_EQ(bitmap.ColorAt(15, 15), clRed);
    EXPECT_EQ(bitmap.ColorAt(5, 5), clWhite);
    EXPECT_EQ(bitmap.PixelAt(5, 5) >> 24, 0xFFu);
}

TEST(QRRenderer, ImagesAreScaledIntoTheirBox)
{
    auto pixels = std::make_shared<QRImageData>();
    pixels->Width = 2;
    pixels->Height = 1;
    // A red and a half-transparent blue pixel.
    pixels->Rgba = {255, 0, 0, 255, 0, 0, 255, 128};
    QRPage page;
    page.Width = 40;
    page.Height = 20;
    QRItem image;
    image.Kind = QRItemKind::Image;
    image.Box = {0, 0, 40, 20};
    image.Image = pixels;
    page.Items.push_back(image);

    QRSurfacePtr surface = TQRRenderer::RenderPageToImage(page, 1.0);

    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    int stride = cairo_image_surface_get_stride(surface.get());
    auto pixel = [&](int x, int y) { return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) & 0xFFFFFF; };
    EXPECT_EQ(pixel(5, 10), 0xFF0000u);
    uint32_t blended = pixel(35, 10);
    EXPECT_EQ(blended & 0xFF, 0xFFu);
    EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), 127, 2);
}

TEST(QRRenderer, PdfFailureLeavesTheEarlierFile)
{
    auto folder = TestFolder();
    auto target = folder / "report.pdf";
    TQRRenderer::WritePdf(TwoPages(), target.string());
    std::string first = Read(target);
    EXPECT_EQ(first.substr(0, 5), "%PDF-");

    EXPECT_THROW(TQRRenderer::WritePdf(TwoPages(), (folder / "missing" / "report.pdf").string()), EWriteError);
    EXPECT_EQ(Read(target), first);
}

TEST(QRRenderer, PdfIsAnOrdinaryFileThatOthersMayReadAsUsual)
{
    auto folder = TestFolder();
    auto plain = folder / "plain";
    std::ofstream(plain) << "x";
    auto target = folder / "report.pdf";

    TQRRenderer::WritePdf(TwoPages(), target.string());

    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::status(plain).permissions());
}

TEST(QRTextMeasure, WrapsAtSpacesAndCutsWordsLongerThanTheBox)
{
    TQRTextMeasure measure;
    QRFontSpec font;
    double word = measure.TextWidth(font, "remark");
    EXPECT_GT(word, 10);
    std::vector<std::string> lines = measure.WrapText(font, "remark remark remark", word * 2.2);
    EXPECT_THAT(lines, testing::ElementsAre("remark remark", "remark"));
    std::vector<std::string> cut = measure.WrapText(font, "abcdefghijklmnop", measure.TextWidth(font, "abcdefgh"));
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0] + cut[1], "abcdefghijklmnop");
    EXPECT_THAT(measure.WrapText(font, "", 50), testing::ElementsAre(""));
}

TEST(QRPrinter, WithoutPrinterSavesThePdfAndOpensIt)
{
    auto folder = TestFolder();
    TQRPrinter printer;
    printer.PrinterName = "";
    printer.SaveFolder = folder.string();
    RecordingOpener opener;
    DesktopOpenerOverride useOpener(opener);
    std::vector<int> progress;
    printer.OnProgress = [&](int done, int count) { progress.push_back(done * 10 + count); };

    std::string saved = printer.PrintPages(TwoPages(), "Neraca: Maret/2026");
    std::string again = printer.PrintPages(TwoPages(), "Neraca: Maret/2026");

    EXPECT_EQ(saved, (folder / "Neraca__Maret_2026.pdf").string());
    EXPECT_EQ(again, (folder / "Neraca__Maret_2026-1.pdf").string());
    ASSERT_EQ(opener.requests.size(), 2u);
    EXPECT_EQ(opener.requests[0].target, saved);
    EXPECT_EQ(opener.requests[1].target, again);
    EXPECT_THAT(progress, testing::ElementsAre(12, 22, 12, 22));
    EXPECT_EQ(Read(saved).substr(0, 5), "%PDF-");
}

TEST(QRPrinter, LongTitleStillGivesAFileName)
{
    auto folder = TestFolder();
    TQRPrinter printer;
    printer.PrinterName = "";
    printer.SaveFolder = folder.string();
    printer.OpenAfterSave = false;

    std::string saved = printer.PrintPages(TwoPages(), std::string(300, 'K'));

    EXPECT_EQ(std::filesystem::path(saved).filename().string(), std::string(200, 'K') + ".pdf");
    EXPECT_EQ(Read(saved).substr(0, 5), "%PDF-");
}

TEST(QRPrinter, HandsThePdfToThePrintCommand)
{
    auto folder = TestFolder();
    TQRPrinter printer;
    printer.SaveFolder = (folder / "out").string();
    printer.PrinterName = "kantor";
    printer.Command = FakePrintCommand(folder, 0, "");
    RecordingOpener opener;
    DesktopOpenerOverride useOpener(opener);

    EXPECT_EQ(printer.PrintPages(TwoPages(), "Jurnal"), "");

    std::string args = Read(folder / "args");
    EXPECT_THAT(args, testing::StartsWith("-d kantor -t Jurnal "));
    EXPECT_THAT(args, HasSubstr("Jurnal.pdf"));
    EXPECT_TRUE(opener.requests.empty());
    // The printer took it; no copy is left behind.
    EXPECT_TRUE(std::filesystem::is_empty(folder / "out"));
}

TEST(QRPrinter, PrinterThatIsNotThereFailsClearlyAndKeepsTheReport)
{
    auto folder = TestFolder();
    TQRPrinter printer;
    printer.SaveFolder = folder.string();
    printer.PrinterName = "gudang";
    printer.Command = FakePrintCommand(folder, 1, "lp: The printer or class does not exist.");

    try {
        printer.PrintPages(TwoPages(), "Jurnal");
        FAIL() << "printing to a missing printer succeeded";
    } catch (const EInvalidOperation& error) {
        EXPECT_THAT(error.Message(), HasSubstr("\"gudang\""));
        EXPECT_THAT(error.Message(), HasSubstr("The printer or class does not exist"));
        EXPECT_THAT(error.Message(), HasSubstr((folder / "Jurnal.pdf").string()));
    }
    EXPECT_EQ(Read(folder / "Jurnal.pdf").substr(0, 5), "%PDF-");
}

TEST(QRPrinter, MissingPrintCommandFailsClearly)
{
    auto folder = TestFolder();
    TQRPrinter printer;
    printer.SaveFolder = folder.string();
    printer.PrinterName = "kantor";
    printer.Command = (folder / "no-such-lp").string();

    try {
        printer.PrintPages(TwoPages(), "Jurnal");
        FAIL() << "printing without a print command succeeded";
    } catch (const EInvalidOperation& error) {
        EXPECT_THAT(error.Message(), HasSubstr("cannot be run"));
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "Jurnal.pdf"));
}

TEST(QRPrinter, PrinterAndCommandComeFromTheProgramSettings)
{
    auto folder = TestFolder();
    std::string previous = ProgramConfig().Path();
    ProgramConfig().SetPath((folder / "bukura.conf").string());
    ProgramConfig().WriteString("Report", "Printer", "gudang");
    ProgramConfig().WriteString("Report", "PrintCommand", "/opt/print");
    TQRPrinter configured;
    ProgramConfig().SetPath((folder / "none.conf").string());
    TQRPrinter unconfigured;
    ProgramConfig().SetPath(previous);

    EXPECT_EQ(configured.PrinterName, "gudang");
    EXPECT_EQ(configured.Command, "/opt/print");
    EXPECT_EQ(unconfigured.PrinterName, "");
    EXPECT_EQ(unconfigured.Command, "lp");
}
