#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"
#include "platform/report/QRTextMeasure.h"
#include "platform/report/TQRPrinter.h"
#include "platform/report/TQRRenderer.h"
#include "tests/platform/core/ScopedEnv.h"
#include "tests/platform/print/RecordingPrintSystem.h"
#include "tests/platform/report/ReportTestDb.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

QRItem Item(QRItemKind kind, QRRect box)
{
    QRItem item;
    item.Kind = kind;
    item.Box = box;
    return item;
}

TQRPageModel TwoPages()
{
    TQRPageModel model;
    for (const char* text : {"Halaman satu", "Halaman dua"})
        model.AddPage(794, 1123).Items.emplace_back(Item(QRItemKind::Text, {40, 40, 200, 20})).Lines = {text};
    return model;
}

std::string Read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(QRRenderer, TextLinesAndRectanglesLandWhereTheirBoxesAre)
{
    QRPage page;
    page.Width = 200;
    page.Height = 100;
    QRItem& text = page.Items.emplace_back(Item(QRItemKind::Text, {10, 10, 200, 20}));
    text.Lines = {"MMMM"};
    text.Font.Size = 20;
    QRItem& line = page.Items.emplace_back(Item(QRItemKind::Line, {}));
    line.X2 = 200;
    line.Y1 = line.Y2 = 80.5;
    QRItem& frame = page.Items.emplace_back(Item(QRItemKind::Rectangle, {150, 10, 20, 10}));
    frame.Filled = true;
    frame.BrushColor = clRed;
    frame.PenWidth = 0;

    QRSurfacePtr surface = TQRRenderer::RenderPageToImage(page, 2.0);
    TBitmap bitmap;
    TQRRenderer::RenderPageToBitmap(page, 1.0, bitmap);

    ASSERT_EQ(cairo_image_surface_get_width(surface.get()), 400);
    ASSERT_EQ(cairo_image_surface_get_height(surface.get()), 200);
    auto pixel = [&](int x, int y) {
        const unsigned char* data = cairo_image_surface_get_data(surface.get());
        return *reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(surface.get()) + x * 4) & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(390, 10), 0xFFFFFFu);
    EXPECT_EQ(pixel(100, 161), 0x000000u);
    int ink = 0;
    for (int y = 20; y < 80; ++y)
        for (int x = 20; x < 200; ++x)
            ink += pixel(x, y) != 0xFFFFFF;
    EXPECT_GT(ink, 200);

    ASSERT_EQ(bitmap.Width(), 200);
    ASSERT_EQ(bitmap.Height(), 100);
    EXPECT_EQ(bitmap.ColorAt(155, 15), clRed);
    EXPECT_EQ(bitmap.ColorAt(145, 5), clWhite);
    EXPECT_EQ(bitmap.PixelAt(145, 5) >> 24, 0xFFu);
}

TEST(QRRenderer, PdfIsAnOrdinaryFileAndAFailedWriteLeavesTheEarlierOne)
{
    auto folder = TestFolder();
    std::ofstream(folder / "plain") << "x";
    auto target = folder / "report.pdf";
    TQRRenderer::WritePdf(TwoPages(), target.string());
    std::string first = Read(target);
    EXPECT_EQ(first.substr(0, 5), "%PDF-");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::status(folder / "plain").permissions());

    EXPECT_THROW(TQRRenderer::WritePdf(TwoPages(), (folder / "missing" / "report.pdf").string()), EWriteError);
    EXPECT_EQ(Read(target), first);
}

TEST(QRTextMeasure, WrapsAtSpacesAndCutsWordsLongerThanTheBox)
{
    TQRTextMeasure measure;
    QRFontSpec font;
    double word = measure.TextWidth(font, "remark");
    EXPECT_GT(word, 10);
    EXPECT_THAT(measure.WrapText(font, "remark remark remark", word * 2.2), ElementsAre("remark remark", "remark"));
    std::vector<std::string> cut = measure.WrapText(font, "abcdefghijklmnop", measure.TextWidth(font, "abcdefgh"));
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[0] + cut[1], "abcdefghijklmnop");
    EXPECT_THAT(measure.WrapText(font, "", 50), ElementsAre(""));
}

TEST(QRPrinter, WithoutPrinterSavesThePdfUnderAFreeNameAndOpensIt)
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
    std::string longTitle = printer.PrintPages(TwoPages(), std::string(300, 'K'));

    EXPECT_EQ(saved, (folder / "Neraca__Maret_2026.pdf").string());
    EXPECT_EQ(again, (folder / "Neraca__Maret_2026-1.pdf").string());
    EXPECT_LT(std::filesystem::path(longTitle).filename().string().size(), 255u);
    EXPECT_TRUE(std::filesystem::exists(longTitle));
    ASSERT_EQ(opener.requests.size(), 3u);
    EXPECT_EQ(opener.requests[1].target, again);
    EXPECT_THAT(progress, ElementsAre(12, 22, 12, 22, 12, 22));
    EXPECT_EQ(Read(saved).substr(0, 5), "%PDF-");
}

namespace {

// A print test with the recording print system in use and its own home and documents folders.
class QRPrinterJobs : public testing::Test {
protected:
    void SetUp() override
    {
        printers.Add("kantor");
        std::filesystem::create_directories(folder / "config");
        std::ofstream(folder / "config" / "user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                            << "XDG_DOCUMENTS_DIR=\"$HOME/Dokumen\"\n";
        std::filesystem::create_directories(folder / "Dokumen");
        printer.PrinterName = "kantor";
    }

    // The message of the failed print.
    std::string Failure()
    {
        try {
            printer.PrintPages(TwoPages(), "Jurnal");
        } catch (const EInvalidOperation& error) {
            return error.Message();
        }
        return "printed";
    }

    std::filesystem::path folder = TestFolder();
    ScopedEnv home{"HOME", folder.c_str()};
    ScopedEnv config{"XDG_CONFIG_HOME", (folder / "config").c_str()};
    ScopedEnv documents{"XDG_DOCUMENTS_DIR", nullptr};
    TRecordingPrintSystem printers;
    TPrintSystemOverride use{printers};
    TQRPrinter printer;
};

} // namespace

TEST_F(QRPrinterJobs, HandsTheQueueTheJobAndKeepsNoCopy)
{
    printer.Copies = 2;
    RecordingOpener opener;
    DesktopOpenerOverride useOpener(opener);

    EXPECT_EQ(printer.PrintPages(TwoPages(), "Jurnal"), "");

    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.jobs[0].Job.Copies, 2);
    const std::string& pdf = printers.jobs[0].Document;
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // Plain pages carry no transparency group, so the print server keeps their text.
    EXPECT_THAT(pdf, testing::Not(HasSubstr("/Transparency")));
    EXPECT_FALSE(std::filesystem::exists(printers.jobs[0].Job.File));
    EXPECT_TRUE(opener.requests.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Dokumen"));
}

TEST_F(QRPrinterJobs, AJobThatCannotBePrintedKeepsTheReportInTheDocumentsFolder)
{
    // A stopped queue holds the job: no failure to keep a copy for.
    printers.queues[0].State = TPrintQueueState::Stopped;
    EXPECT_EQ(Failure(), "The printer \"kantor\" is stopped: the job waits in its queue.");
    EXPECT_EQ(printers.jobs.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Dokumen"));

    const std::string kept = (folder / "Dokumen" / "Jurnal").string();
    printer.PrinterName = "gudang";
    EXPECT_EQ(Failure(), "Cannot print to printer \"gudang\": The printer or class does not exist. "
                         "The report was saved as \"" + kept + ".pdf\".");
    printers.Add("arsip", TPrintQueueState::Idle, false);
    printer.PrinterName = "arsip";
    EXPECT_EQ(Failure(), "Cannot print to printer \"arsip\": Destination \"arsip\" is not accepting jobs. "
                         "The report was saved as \"" + kept + "-1.pdf\".");
    printer.PrinterName = "kantor";
    printers.queues[0].State = TPrintQueueState::Idle;
    printers.jobState = TPrintJobState::Failed;
    EXPECT_EQ(Failure(), "Cannot print to printer \"kantor\": the print system cancelled the job. "
                         "The report was saved as \"" + kept + "-2.pdf\".");
    printers.unreachable = true;
    std::filesystem::remove_all(folder / "Dokumen");
    EXPECT_EQ(Failure(), "Cannot print to printer \"kantor\": The print system cannot be reached. "
                         "The report was saved as \"" + (folder / "Jurnal.pdf").string() + "\".");
    EXPECT_EQ(Read(folder / "Jurnal.pdf").substr(0, 5), "%PDF-");
}
