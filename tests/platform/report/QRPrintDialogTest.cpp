#include <cups/cups.h>
#include <pwd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/DesktopOpener.h"
#include "platform/core/Exceptions.h"
#include "platform/report/TQRPreview.h"
#include "platform/report/TQRProgressForm.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessBackend.h"
#include "platform/print/TCupsPrintSystem.h"
#include "tests/platform/core/ScopedEnv.h"
#include "tests/platform/print/RecordingPrintSystem.h"
#include "tests/platform/report/PdfReadBack.h"
#include "tests/platform/report/PrivatePrintServer.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// What the user does in the printer set-up dialog; no printer means Cancel.
struct PrinterAnswer {
    std::optional<std::string> Printer;
    TSetupPaper Paper = TSetupPaper::A4;
    TSetupOrientation Orientation = TSetupOrientation::Portrait;
};

// What the printer set-up dialog offered when it opened.
struct OfferedSetup {
    std::vector<std::string> Printers;
    std::string Selected;
    std::string Note;
    std::string Paper;
};

// The newest job of a queue on the server once it has ended (a bounded wait: the server
// converts the document in a few seconds), with the options it was given.
struct TEndedJob {
    int Id = 0;
    ipp_jstate_t State = IPP_JSTATE_PENDING;
    std::string Media;
    int Orientation = 0;
};

TEndedJob NewestJob(const std::string& address, const std::string& queue)
{
    TEndedJob ended;
    const size_t colon = address.rfind(':');
    http_t* http = httpConnect2(address.substr(0, colon).c_str(), std::stoi(address.substr(colon + 1)), nullptr,
                                AF_INET, HTTP_ENCRYPTION_NEVER, 1, 3000, nullptr);
    if (!http)
        return ended;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(http, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
        for (int i = 0; i < count; ++i)
            if (jobs[i].id > ended.Id) {
                ended.Id = jobs[i].id;
                ended.State = jobs[i].state;
            }
        cupsFreeJobs(count, jobs);
        if (ended.State >= IPP_JSTATE_CANCELED)
            break;
        ended.Id = 0;
        usleep(100'000);
    }
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(ended.Id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    if (ipp_t* job = cupsDoRequest(http, request, "/")) {
        if (ipp_attribute_t* media = ippFindAttribute(job, "media", IPP_TAG_ZERO))
            ended.Media = ippGetString(media, 0, nullptr) ? ippGetString(media, 0, nullptr) : "";
        if (ipp_attribute_t* orientation = ippFindAttribute(job, "orientation-requested", IPP_TAG_ENUM))
            ended.Orientation = ippGetInteger(orientation, 0);
        ippDelete(job);
    }
    httpClose(http);
    return ended;
}

// The PDF files the PDF printer wrote for this user: it writes into ~/PDF of the job's user.
std::vector<std::filesystem::path> PdfPrinterOutput()
{
    std::vector<std::filesystem::path> files;
    const passwd* user = getpwnam(cupsUser());
    std::error_code error;
    if (user)
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(user->pw_dir) / "PDF", error))
            files.push_back(entry.path());
    return files;
}

} // namespace

// A three-page ledger report with the recording print system, a scripted printer dialog and
// preview, and home, documents folder and program settings of the test's own.
class QRPrintDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 7; ++i)
            db.Exec("insert into akun values(" + std::to_string(i) + ",'10" + std::to_string(i) + "','Rekening','A','D',1)");
        TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
        report.SetDataSet(query);
        report.SetReportTitle("Buku Besar");
        AddLabel(AddBand(report, rbPageHeader, 40), "QRLabel4", "LAPORAN MUTASI BUKU BESAR");
        AddField(AddBand(report, rbDetail, 300), "code", query, "account_code");
        printers.Add("kantor");
        printers.Add("gudang");
        std::filesystem::create_directories(Documents());
        app.MessageBoxResponder = [](const TMessageBoxRequest&) { return IDOK; };
        app.OnModalActivate = [this](TCustomForm& form) { Answer(form); };
        previousConfig = ProgramConfig().Path();
        ProgramConfig().SetPath((db.Folder() / "bukura.conf").string());
    }

    void TearDown() override { ProgramConfig().SetPath(previousConfig); }

    void Answer(TCustomForm& form)
    {
        auto* setup = dynamic_cast<TPrinterSetupForm*>(&form);
        if (!setup) {
            if (onPreview)
                onPreview(dynamic_cast<TQRPreview&>(form));
            return;
        }
        OfferedSetup seen;
        for (int i = 0; i < setup->PrinterField().Items().Count(); ++i)
            seen.Printers.push_back(setup->PrinterField().Items().Get(i));
        seen.Selected = setup->PrinterField().Text();
        seen.Note = setup->NoteLabel().Caption();
        seen.Paper = setup->PaperField().Text();
        offered.push_back(seen);
        ASSERT_FALSE(printerAnswers.empty()) << "the printer dialog opened without a scripted answer";
        PrinterAnswer answer = printerAnswers.front();
        printerAnswers.erase(printerAnswers.begin());
        if (!answer.Printer) {
            form.SetModalResult(mrCancel);
            return;
        }
        for (int i = 0; i < setup->PrinterField().Items().Count(); ++i)
            if (setup->PrinterField().Items().Get(i).rfind(*answer.Printer, 0) == 0)
                setup->PrinterField().SetItemIndex(i);
        setup->PaperField().SetItemIndex(answer.Paper == TSetupPaper::Letter ? 1 : 0);
        setup->OrientationField().SetItemIndex(answer.Orientation == TSetupOrientation::Landscape ? 1 : 0);
        form.SetModalResult(mrOk);
    }

    // Clicks a tool button of the preview through the headless screen.
    void Click(TQRPreview& preview, TQRPreviewButton button)
    {
        TRect r = preview.View().ButtonRect(button);
        TPoint origin = preview.View().ClientOrigin();
        int x = origin.X + (r.Left + r.Right) / 2;
        int y = origin.Y + (r.Top + r.Bottom) / 2;
        backend.MouseMove(x, y);
        backend.MouseDown(x, y);
        backend.MouseUp(x, y);
    }

    // The document of the n-th job the print system took, as a file pdfinfo can read.
    std::filesystem::path Printed(size_t n = 0) const
    {
        auto path = db.Folder() / ("printed-" + std::to_string(n) + ".pdf");
        if (n < printers.jobs.size())
            std::ofstream(path, std::ios::binary) << printers.jobs[n].Document;
        return path;
    }

    std::filesystem::path Documents() const { return db.Folder() / "Dokumen"; }

    // The message of a print that failed.
    std::string Failure()
    {
        try {
            report.Print();
        } catch (const EInvalidOperation& error) {
            return error.what();
        }
        return "printed";
    }

    // The PDF files in the test folder, the printer's copies aside.
    std::vector<std::string> PdfFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(db.Folder()))
            if (entry.path().extension() == ".pdf" && entry.path().filename().string().rfind("printed-", 0) != 0)
                names.push_back(entry.path().filename().string());
        return names;
    }

    TFileDialogResponder& Files()
    {
        if (!files)
            files = CreateOwned<TFileDialogResponder>(app);
        return *files;
    }

    ReportTestDb db;
    ScopedEnv home{"HOME", db.Folder().c_str()};
    ScopedEnv documents{"XDG_DOCUMENTS_DIR", Documents().c_str()};
    TRecordingPrintSystem printers;
    TPrintSystemOverride usePrinters{printers};
    THeadlessBackend backend;
    TApplication app{backend};
    TQuickRep report;
    std::string previousConfig;
    std::vector<PrinterAnswer> printerAnswers;
    std::vector<OfferedSetup> offered;
    std::function<void(TQRPreview&)> onPreview;
    TFileDialogResponder* files = nullptr;
};

TEST_F(QRPrintDialogTest, PreviewShowsTheReportPageByPageAndItsSaveButtonAsksForTheFile)
{
    auto target = db.Folder() / "buku.pdf";
    Files().Cancel();
    Files().Choose(target.string());
    std::vector<std::string> written;
    std::string status;
    int shown = 0;
    onPreview = [&](TQRPreview& preview) {
        ++shown;
        EXPECT_EQ(preview.Text(), "Buku Besar");
        EXPECT_EQ(preview.StatusText(), "Page 1 of 3   100%");
        app.DispatchPaints();
        // A white page on the grey work space, below the tool strip, centred left of the bar.
        TQRPreviewView& view = preview.View();
        TPoint origin = view.ClientOrigin();
        int pageLeft = origin.X + std::max(12, (view.PageArea().Width() - 794) / 2);
        int pageTop = origin.Y + TQRPreviewView::ToolbarHeight + 12;
        EXPECT_EQ(backend.ScreenPixel(pageLeft + 5, pageTop + 5) & 0xFFFFFF, 0xFFFFFFu);
        EXPECT_EQ(backend.ScreenPixel(pageLeft - 5, pageTop + 5) & 0xFFFFFF, 0x808080u);
        // Past either end the page stays.
        backend.KeyDown(VK_PRIOR, kmCtrl);
        backend.KeyDown(VK_END);
        backend.KeyDown(VK_PRIOR, kmCtrl);
        Click(preview, TQRPreviewButton::ZoomIn);
        Click(preview, TQRPreviewButton::Next);
        Click(preview, TQRPreviewButton::Next);
        backend.KeyDown(VK_SUBTRACT);
        backend.KeyDown(VK_SUBTRACT);
        app.ProcessMessages();
        status = preview.StatusText();
        Click(preview, TQRPreviewButton::Save);
        app.ProcessMessages();
        written = PdfFiles();
        written.push_back(preview.SaveAsPdf());
        Click(preview, TQRPreviewButton::Close);
    };

    report.Preview();

    EXPECT_EQ(shown, 1);
    EXPECT_EQ(status, "Page 3 of 3   75%");
    EXPECT_EQ(Files().Shown().size(), 2u);
    EXPECT_THAT(written, ElementsAre(target.string()));
    EXPECT_THAT(PdfInfo(target), HasSubstr("Pages:           3"));
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(app.InputGate(), nullptr);
}

namespace {

// Looks at the progress window at the moment the saved report is handed to the desktop.
class ProgressProbe : public DesktopOpener {
public:
    bool Open(const std::string& target, int) override
    {
        opened = target;
        if (auto* progress = dynamic_cast<TQRProgressForm*>(Application->InputGate()))
            status = progress->StatusText();
        return true;
    }
    std::string opened;
    std::string status;
};

} // namespace

TEST_F(QRPrintDialogTest, PrintingThePreparedPagesShowsProgressAndReleasesTheInputAfterwards)
{
    ProgressProbe probe;
    DesktopOpenerOverride useProbe(probe);
    report.Prepare();

    report.PrintPages();

    EXPECT_EQ(probe.status, "Printing page 3 of 3");
    EXPECT_EQ(probe.opened, (Documents() / "Buku_Besar.pdf").string());
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, FailingPreviewRaisesAndReleasesTheInput)
{
    report.Bands()[0]->BeforePrint = [](TQRCustomBand*, bool&) { throw EDatabaseError("connection lost"); };
    bool shown = false;
    onPreview = [&](TQRPreview&) { shown = true; };

    EXPECT_THROW(report.Preview(), EDatabaseError);

    EXPECT_FALSE(shown);
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, CancelledDialogsAndEmptyReportsPrintAndWriteNothing)
{
    report.Page.PaperSize = Letter;
    printerAnswers = {PrinterAnswer{}, PrinterAnswer{"Save as PDF"}};
    Files().Cancel();
    report.Print();
    report.Print();

    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].Paper, "Letter");
    EXPECT_EQ(Files().Shown().size(), 1u);
    EXPECT_EQ(report.Pages().PageCount(), 0);
    EXPECT_EQ(report.Page.PaperSize, Letter);

    db.Exec("delete from akun");
    report.SetPrintIfEmpty(false);
    printerAnswers = {PrinterAnswer{"kantor"}};
    report.Print();

    EXPECT_EQ(offered.size(), 3u);
    EXPECT_TRUE(printers.jobs.empty());
    EXPECT_TRUE(PdfFiles().empty());
    EXPECT_TRUE(std::filesystem::is_empty(Documents()));
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, TheChosenPrinterGetsTheReportOnTheChosenPaper)
{
    ProgramConfig().WriteString("Report", "Printer", "kantor");
    printers.queues[1].IsDefault = true;
    printerAnswers = {PrinterAnswer{"gudang", TSetupPaper::Letter, TSetupOrientation::Landscape}, PrinterAnswer{}};
    report.Print();
    // With the print system away the dialog still opens, to save as PDF.
    printers.unreachable = true;
    report.Print();

    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].Selected, "kantor");
    EXPECT_THAT(offered[1].Printers, ElementsAre("Save as PDF"));
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.jobs[0].Job.Queue, "gudang");
    EXPECT_EQ(printers.jobs[0].Job.Title, "Buku Besar");
    EXPECT_EQ(printers.jobs[0].Job.Paper, "Letter");
    EXPECT_TRUE(printers.jobs[0].Job.Landscape);
    EXPECT_THAT(PdfInfo(Printed()), HasSubstr("792 x 612 pts"));
    // The choice holds for that print only.
    EXPECT_EQ(report.Page.PaperSize, A4);
    EXPECT_EQ(report.Page.Orientation, poPortrait);
    EXPECT_TRUE(Files().Shown().empty());
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, SaveAsPdfInTheSettingsIsOfferedFirstAndSavesWithoutTheDialog)
{
    ProgramConfig().WriteString("Report", "Printer", "Save as PDF");
    printers.queues[1].IsDefault = true;
    printerAnswers = {PrinterAnswer{}};
    report.Print();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].Selected, "Save as PDF");
    EXPECT_EQ(offered[0].Note, "");

    ProgressProbe probe;
    DesktopOpenerOverride useProbe(probe);
    report.Prepare();
    report.PrintPages();
    EXPECT_EQ(probe.opened, (Documents() / "Buku_Besar.pdf").string());
    EXPECT_TRUE(printers.jobs.empty());
}

TEST_F(QRPrintDialogTest, SaveAsPdfAsksForTheFileAndWritesThere)
{
    auto target = db.Folder() / "neraca maret.pdf";
    printerAnswers = {PrinterAnswer{"Save as PDF", TSetupPaper::A4, TSetupOrientation::Landscape}};
    Files().Choose(target.string());
    int pagesBuilt = 0;
    report.Bands()[0]->BeforePrint = [&](TQRCustomBand*, bool&) {
        auto* progress = dynamic_cast<TQRProgressForm*>(Application->InputGate());
        EXPECT_EQ(progress ? progress->StatusText() : "", "Preparing page " + std::to_string(++pagesBuilt));
    };

    report.Print();

    ASSERT_EQ(Files().Shown().size(), 1u);
    EXPECT_TRUE(Files().Shown()[0].Save);
    EXPECT_EQ(Files().Shown()[0].FileName, "Buku_Besar.pdf");
    EXPECT_EQ(pagesBuilt, 4);
    std::string info = PdfInfo(target);
    EXPECT_THAT(info, HasSubstr("Pages:           4"));
    EXPECT_THAT(info, HasSubstr("841.89 x 595.276 pts (A4)"));
    EXPECT_TRUE(printers.jobs.empty());
    EXPECT_THAT(PdfFiles(), ElementsAre("neraca maret.pdf"));
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, AQueueDeletedAfterTheDialogFailsClearlyAndKeepsTheReportInTheDocuments)
{
    printerAnswers = {PrinterAnswer{"gudang"}};
    report.BeforePrint = [this](TQuickRep*, bool&) { printers.queues.pop_back(); };

    const auto kept = Documents() / "Buku_Besar.pdf";
    EXPECT_EQ(Failure(), "Cannot print to printer \"gudang\": The printer or class does not exist. The report was saved as \""
                             + kept.string() + "\".");
    EXPECT_THAT(PdfInfo(kept), HasSubstr("Pages:           3"));
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, PreviewPrintsOnOtherPaperWithoutChangingThePagesShownAndSurvivesARefusingPrinter)
{
    printers.queues[1].Accepting = false;
    printerAnswers = {PrinterAnswer{"gudang"}, PrinterAnswer{"kantor"},
                      PrinterAnswer{"kantor", TSetupPaper::Letter, TSetupOrientation::Landscape}};
    std::vector<std::string> printedSizes;
    bool stayedOpen = false;
    onPreview = [&](TQRPreview& preview) {
        preview.PrintReport();
        preview.PrintReport();
        printedSizes.push_back(PdfInfo(Printed(0)));
        preview.SetPageIndex(2);
        preview.PrintReport();
        printedSizes.push_back(PdfInfo(Printed(1)));
        EXPECT_EQ(preview.PageCount(), 3);
        app.DispatchPaints();
        stayedOpen = preview.Modal();
        backend.KeyDown(VK_ESCAPE);
    };

    report.Preview();

    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(app.MessageBoxLog().size(), 1u);
    EXPECT_EQ(app.MessageBoxLog()[0].Text, "Cannot print to printer \"gudang\": Destination \"gudang\" is not accepting "
                                           "jobs. The report was saved as \"" + (Documents() / "Buku_Besar.pdf").string() + "\".");
    ASSERT_EQ(printedSizes.size(), 2u);
    EXPECT_THAT(printedSizes[0], HasSubstr("Pages:           3"));
    EXPECT_THAT(printedSizes[0], HasSubstr("(A4)"));
    EXPECT_THAT(printedSizes[1], HasSubstr("Pages:           4"));
    EXPECT_THAT(printedSizes[1], HasSubstr("792 x 612 pts"));
    EXPECT_EQ(report.Pages().PageCount(), 3);
    EXPECT_NEAR(report.Pages().Page(0).Width, 793.7, 0.1);
    EXPECT_EQ(report.Page.PaperSize, A4);
}

TEST_F(QRPrintDialogTest, PrintsThroughARealPrintServerAndCopesWithItsQueuesAndItsAbsence)
{
    if (!TPrivatePrintServer::Installed())
        GTEST_SKIP() << "the print server packages (cups, printer-driver-cups-pdf) are not installed";
    if (geteuid() != 0)
        GTEST_SKIP() << "the PDF printer writes its files only when the print server runs as the superuser";
    TPrivatePrintServer server;
    ASSERT_TRUE(server.AddPdfQueue("bukura-pdf"));
    ASSERT_TRUE(server.AddPdfQueue("berhenti"));
    ASSERT_TRUE(server.AddPdfQueue("tolak"));
    ASSERT_TRUE(server.Run("/usr/sbin/cupsdisable", {"berhenti"}));
    ASSERT_TRUE(server.Run("/usr/sbin/cupsreject", {"tolak"}));
    TCupsPrintSystem cups(server.Address(), 3);
    TPrintSystemOverride useServer(cups);
    const auto before = PdfPrinterOutput();
    testing::internal::CaptureStderr();

    printerAnswers = {PrinterAnswer{"bukura-pdf"}};
    report.Print();
    const TEndedJob portrait = NewestJob(server.Address(), "bukura-pdf");

    ASSERT_EQ(offered.size(), 1u);
    EXPECT_THAT(offered[0].Printers,
                ElementsAre("berhenti (stopped)", "bukura-pdf", "tolak (not accepting jobs)", "Save as PDF"));
    EXPECT_EQ(portrait.State, IPP_JSTATE_COMPLETED);
    std::vector<std::filesystem::path> written;
    for (const auto& file : PdfPrinterOutput())
        if (std::find(before.begin(), before.end(), file) == before.end())
            written.push_back(file);
    ASSERT_EQ(written.size(), 1u);
    const std::string info = PdfInfo(written[0]);
    EXPECT_THAT(info, HasSubstr("Pages:           3"));
    EXPECT_THAT(info, HasSubstr("(A4)"));
    EXPECT_THAT(PdfText(written[0]), HasSubstr("LAPORAN MUTASI BUKU BESAR"));
    std::filesystem::remove(written[0]);

    report.Page.Orientation = poLandscape;
    printerAnswers = {PrinterAnswer{"bukura-pdf", TSetupPaper::A4, TSetupOrientation::Landscape}};
    report.Print();
    const TEndedJob landscape = NewestJob(server.Address(), "bukura-pdf");
    EXPECT_THAT(landscape.Media, testing::AnyOf("A4", "iso_a4_210x297mm"));
    EXPECT_EQ(landscape.Orientation, IPP_ORIENT_LANDSCAPE);
    for (const auto& file : PdfPrinterOutput())
        if (std::find(before.begin(), before.end(), file) == before.end())
            std::filesystem::remove(file);

    const auto failure = [&](const std::string& printer) {
        printerAnswers = {PrinterAnswer{printer}};
        try {
            report.Print();
        } catch (const EInvalidOperation& error) {
            return std::string(error.what());
        }
        return std::string("printed");
    };
    EXPECT_EQ(failure("berhenti"), "The printer \"berhenti\" is stopped: the job waits in its queue.");
    EXPECT_THAT(failure("tolak"), HasSubstr("Cannot print to printer \"tolak\": "));
    EXPECT_TRUE(std::filesystem::exists(Documents() / "Buku_Besar.pdf"));

    server.Stop();
    printerAnswers = {PrinterAnswer{}};
    const auto start = std::chrono::steady_clock::now();
    report.Print();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    ASSERT_EQ(offered.size(), 5u);
    EXPECT_THAT(offered[4].Printers, ElementsAre("Save as PDF"));
    EXPECT_EQ(offered[4].Note, "The print system cannot be reached; the report can be saved as PDF.");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
