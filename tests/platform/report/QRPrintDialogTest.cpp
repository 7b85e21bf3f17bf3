#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/Exceptions.h"
#include "platform/report/TQRPreview.h"
#include "platform/report/TQRProgressForm.h"
#include "platform/ui/Messages.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/THeadlessBackend.h"
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
    std::string Paper;
    std::string Orientation;
};

std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t count;
        while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, count);
        pclose(pipe);
    }
    return text;
}

// "Pages: 3" and "Page size: 792 x 612 pts (letter)" as pdfinfo reports them.
std::string PdfInfo(const std::filesystem::path& path)
{
    return Output("pdfinfo '" + path.string() + "'");
}

} // namespace

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
        report.PrinterLister = [] { return std::vector<std::string>{"kantor", "gudang"}; };
        app.MessageBoxResponder = [](const TMessageBoxRequest&) { return IDOK; };
        app.OnModalActivate = [this](TCustomForm& form) { Answer(form); };
        previousConfig = ProgramConfig().Path();
        ProgramConfig().SetPath((db.Folder() / "bukura.conf").string());
        ProgramConfig().WriteString("Report", "PrintCommand", FakePrintCommand(0, "").string());
    }

    void TearDown() override { ProgramConfig().SetPath(previousConfig); }

    void Answer(TCustomForm& form)
    {
        if (auto* setup = dynamic_cast<TPrinterSetupForm*>(&form)) {
            OfferedSetup seen;
            for (int i = 0; i < setup->PrinterField().Items().Count(); ++i)
                seen.Printers.push_back(setup->PrinterField().Items().Get(i));
            seen.Selected = setup->PrinterField().Text();
            seen.Paper = setup->PaperField().Text();
            seen.Orientation = setup->OrientationField().Text();
            offered.push_back(seen);
            ASSERT_FALSE(printerAnswers.empty()) << "the printer dialog opened without a scripted answer";
            PrinterAnswer answer = printerAnswers.front();
            printerAnswers.erase(printerAnswers.begin());
            if (!answer.Printer) {
                form.SetModalResult(mrCancel);
                return;
            }
            setup->PrinterField().SetItemIndex(setup->PrinterField().Items().IndexOf(*answer.Printer));
            setup->PaperField().SetItemIndex(answer.Paper == TSetupPaper::Letter ? 1 : 0);
            setup->OrientationField().SetItemIndex(answer.Orientation == TSetupOrientation::Landscape ? 1 : 0);
            form.SetModalResult(mrOk);
        } else if (onPreview) {
            onPreview(dynamic_cast<TQRPreview&>(form));
        }
    }

    // A stand-in for lp: keeps its arguments and a copy of the document it was given.
    std::filesystem::path FakePrintCommand(int exitCode, const std::string& message)
    {
        auto script = db.Folder() / "fake-lp";
        std::ofstream out(script);
        out << "#!/bin/sh\necho \"$@\" > '" << (db.Folder() / "args").string() << "'\n";
        out << "cp \"$5\" '" << Printed().string() << "'\n";
        if (!message.empty())
            out << "echo '" << message << "' >&2\n";
        out << "exit " << exitCode << "\n";
        out.close();
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        return script;
    }

    std::filesystem::path Printed() const { return db.Folder() / "printed.pdf"; }

    std::string PrintArgs() const
    {
        std::ifstream in(db.Folder() / "args");
        std::string line;
        std::getline(in, line);
        return line;
    }

    // The PDF files in the test folder, the printer's copy aside.
    std::vector<std::string> PdfFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(db.Folder()))
            if (entry.path().extension() == ".pdf" && entry.path() != Printed())
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
    THeadlessBackend backend;
    TApplication app{backend};
    TQuickRep report;
    std::string previousConfig;
    std::vector<PrinterAnswer> printerAnswers;
    std::vector<OfferedSetup> offered;
    std::function<void(TQRPreview&)> onPreview;
    TFileDialogResponder* files = nullptr;
};

TEST_F(QRPrintDialogTest, CancelledPrinterDialogPrintsNothingAndChangesNothing)
{
    report.Page.PaperSize = Letter;
    printerAnswers = {PrinterAnswer{}};

    report.Print();

    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].Paper, "Letter");
    EXPECT_EQ(report.Pages().PageCount(), 0);
    EXPECT_EQ(report.Page.PaperSize, Letter);
    EXPECT_FALSE(std::filesystem::exists(Printed()));
    EXPECT_TRUE(PdfFiles().empty());
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, CancelledSaveDialogWritesNothing)
{
    printerAnswers = {PrinterAnswer{"Save as PDF"}};
    Files().Cancel();

    report.Print();

    EXPECT_EQ(Files().Shown().size(), 1u);
    EXPECT_EQ(report.Pages().PageCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(Printed()));
    EXPECT_TRUE(PdfFiles().empty());
}

TEST_F(QRPrintDialogTest, ChosenPrinterGetsTheReportOnTheChosenPaper)
{
    ProgramConfig().WriteString("Report", "Printer", "kantor");
    printerAnswers = {PrinterAnswer{"gudang", TSetupPaper::Letter, TSetupOrientation::Landscape}};

    report.Print();

    ASSERT_EQ(offered.size(), 1u);
    EXPECT_THAT(offered[0].Printers, ElementsAre("kantor", "gudang", "Save as PDF"));
    EXPECT_EQ(offered[0].Selected, "kantor");
    EXPECT_EQ(offered[0].Paper, "A4");
    EXPECT_EQ(offered[0].Orientation, "Portrait");
    EXPECT_THAT(PrintArgs(), HasSubstr("-d gudang -t Buku Besar "));
    std::string info = PdfInfo(Printed());
    EXPECT_THAT(info, HasSubstr("792 x 612 pts"));
    // The choice holds for that print only.
    EXPECT_EQ(report.Page.PaperSize, A4);
    EXPECT_EQ(report.Page.Orientation, poPortrait);
    EXPECT_TRUE(Files().Shown().empty());
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, WithoutAConfiguredPrinterTheDialogOffersSaveAsPdf)
{
    report.PrinterLister = [] { return std::vector<std::string>{}; };
    printerAnswers = {PrinterAnswer{}};

    report.Print();

    ASSERT_EQ(offered.size(), 1u);
    EXPECT_THAT(offered[0].Printers, ElementsAre("Save as PDF"));
    EXPECT_EQ(offered[0].Selected, "Save as PDF");
}

TEST_F(QRPrintDialogTest, SaveAsPdfAsksForTheFileAndWritesThere)
{
    auto target = db.Folder() / "neraca maret.pdf";
    printerAnswers = {PrinterAnswer{"Save as PDF", TSetupPaper::A4, TSetupOrientation::Landscape}};
    Files().Choose(target.string());
    std::vector<std::string> building;
    report.Bands()[0]->BeforePrint = [&](TQRCustomBand*, bool&) {
        if (auto* progress = dynamic_cast<TQRProgressForm*>(Application->InputGate()))
            building.push_back(progress->StatusText());
    };

    report.Print();

    ASSERT_EQ(Files().Shown().size(), 1u);
    const TShownFileDialog& shown = Files().Shown()[0];
    EXPECT_TRUE(shown.Save);
    EXPECT_EQ(shown.Filter, "PDF (*.pdf)|*.pdf");
    EXPECT_EQ(shown.DefaultExt, "pdf");
    EXPECT_EQ(shown.FileName, "Buku_Besar.pdf");
    EXPECT_THAT(building, ElementsAre("Preparing page 1", "Preparing page 2", "Preparing page 3", "Preparing page 4"));
    std::string info = PdfInfo(target);
    EXPECT_THAT(info, HasSubstr("Pages:           4"));
    EXPECT_THAT(info, HasSubstr("841.89 x 595.276 pts (A4)"));
    EXPECT_FALSE(std::filesystem::exists(Printed()));
    EXPECT_THAT(PdfFiles(), ElementsAre("neraca maret.pdf"));
    EXPECT_EQ(app.InputGate(), nullptr);
}

TEST_F(QRPrintDialogTest, MissingPrinterFailsClearlyAndKeepsTheReport)
{
    ProgramConfig().WriteString("Report", "PrintCommand", FakePrintCommand(1, "lp: The printer or class does not exist.").string());
    report.PrinterLister = [] { return std::vector<std::string>{"gudang"}; };
    printerAnswers = {PrinterAnswer{"gudang"}};

    std::string message;
    try {
        report.Print();
    } catch (const EInvalidOperation& error) {
        message = error.what();
    }

    EXPECT_THAT(message, HasSubstr("Cannot print to printer \"gudang\""));
    EXPECT_THAT(message, HasSubstr("The printer or class does not exist"));
    size_t quote = message.find("saved as \"");
    ASSERT_NE(quote, std::string::npos);
    std::string saved = message.substr(quote + 10, message.rfind('"') - quote - 10);
    EXPECT_THAT(PdfInfo(saved), HasSubstr("Pages:           3"));
    EXPECT_EQ(app.InputGate(), nullptr);
    std::filesystem::remove(saved);
}

TEST_F(QRPrintDialogTest, MissingPrinterFromThePreviewShowsTheErrorAndKeepsThePreviewOpen)
{
    ProgramConfig().WriteString("Report", "PrintCommand", FakePrintCommand(1, "lp: The printer or class does not exist.").string());
    printerAnswers = {PrinterAnswer{"gudang"}};
    bool stayedOpen = false;
    onPreview = [&](TQRPreview& preview) {
        preview.PrintReport();
        stayedOpen = preview.Modal();
        backend.KeyDown(VK_ESCAPE);
    };

    report.Preview();

    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(app.MessageBoxLog().size(), 1u);
    EXPECT_THAT(app.MessageBoxLog()[0].Text, HasSubstr("Cannot print to printer \"gudang\""));
    EXPECT_THAT(app.MessageBoxLog()[0].Text, HasSubstr("The report was saved as"));
}

TEST_F(QRPrintDialogTest, PreviewPrintsOnOtherPaperWithoutChangingThePagesShown)
{
    printerAnswers = {PrinterAnswer{"kantor"}, PrinterAnswer{"gudang", TSetupPaper::Letter, TSetupOrientation::Landscape}};
    std::vector<std::string> printedSizes;
    int pagesShown = 0;
    onPreview = [&](TQRPreview& preview) {
        preview.PrintReport();
        printedSizes.push_back(PdfInfo(Printed()));
        preview.SetPageIndex(2);
        preview.PrintReport();
        printedSizes.push_back(PdfInfo(Printed()));
        pagesShown = preview.PageCount();
        app.DispatchPaints();
        backend.KeyDown(VK_ESCAPE);
    };

    report.Preview();

    ASSERT_EQ(printedSizes.size(), 2u);
    EXPECT_THAT(printedSizes[0], HasSubstr("Pages:           3"));
    EXPECT_THAT(printedSizes[0], HasSubstr("(A4)"));
    EXPECT_THAT(printedSizes[1], HasSubstr("Pages:           4"));
    EXPECT_THAT(printedSizes[1], HasSubstr("792 x 612 pts"));
    EXPECT_EQ(pagesShown, 3);
    EXPECT_EQ(report.Pages().PageCount(), 3);
    EXPECT_NEAR(report.Pages().Page(0).Width, 793.7, 0.1);
    EXPECT_EQ(report.Page.PaperSize, A4);
    EXPECT_EQ(report.Page.Orientation, poPortrait);
    EXPECT_TRUE(app.MessageBoxLog().empty());
}

TEST_F(QRPrintDialogTest, PreviewSaveButtonAsksForTheFileAndCancelWritesNothing)
{
    auto target = db.Folder() / "buku.pdf";
    Files().Cancel();
    Files().Choose(target.string());
    std::vector<std::string> written;
    onPreview = [&](TQRPreview& preview) {
        TRect r = preview.View().ButtonRect(TQRPreviewButton::Save);
        TPoint origin = preview.View().ClientOrigin();
        int x = origin.X + (r.Left + r.Right) / 2;
        int y = origin.Y + (r.Top + r.Bottom) / 2;
        backend.MouseMove(x, y);
        backend.MouseDown(x, y);
        backend.MouseUp(x, y);
        app.ProcessMessages();
        written = PdfFiles();
        written.push_back(preview.SaveAsPdf());
        backend.KeyDown(VK_ESCAPE);
    };

    report.Preview();

    ASSERT_EQ(Files().Shown().size(), 2u);
    EXPECT_EQ(Files().Shown()[0].Filter, "PDF (*.pdf)|*.pdf");
    EXPECT_THAT(written, ElementsAre(target.string()));
    EXPECT_THAT(PdfInfo(target), HasSubstr("Pages:           3"));
    EXPECT_TRUE(offered.empty());
}

TEST_F(QRPrintDialogTest, ReportWithoutPagesSendsNothingToThePrinter)
{
    db.Exec("delete from akun");
    report.SetPrintIfEmpty(false);
    printerAnswers = {PrinterAnswer{"kantor"}};

    report.Print();

    EXPECT_EQ(report.Pages().PageCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(Printed()));
    EXPECT_EQ(app.InputGate(), nullptr);
}
