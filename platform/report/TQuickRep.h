#pragma once
// A banded report: bands over a master data set, built into pages of the page model, then
// previewed, printed or saved as PDF. Layouts derive from it, one class per report.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/DateTime.h"
#include "platform/core/TComponent.h"
#include "platform/report/QRPageModel.h"
#include "platform/report/ReportFwd.h"
#include "platform/report/TQRExpression.h"

class TDataSet;

enum TQRPaperSize { A4, Letter };
enum TPrinterOrientation { poPortrait, poLandscape };

struct TQRPageSetup {
    TQRPaperSize PaperSize = A4;
    TPrinterOrientation Orientation = poPortrait;
    // Millimetres.
    double TopMargin = 10;
    double BottomMargin = 10;
    double LeftMargin = 10;
    double RightMargin = 10;

    // The paper in report pixels (1/96 inch), turned for landscape.
    double Width() const;
    double Height() const;
};

// Millimetres to report pixels.
inline double QRMillimetres(double mm) { return mm * 96.0 / 25.4; }

// Where one print goes, as the print dialogs chose it.
struct TQRPrintChoice {
    // The printer; empty when the report is saved as a PDF to FileName.
    std::string PrinterName;
    std::string FileName;
    TQRPaperSize PaperSize = A4;
    TPrinterOrientation Orientation = poPortrait;
    int Copies = 1;
};

enum TQROption : unsigned { FirstPageHeader = 1u, LastPageFooter = 2u };
using TQROptions = unsigned;

class TQuickRep : public TComponent {
public:
    using TQRReportBeforePrintEvent = std::function<void(TQuickRep* Sender, bool& PrintReport)>;

    explicit TQuickRep(TComponent* AOwner = nullptr);
    ~TQuickRep() override;

    // The master: the detail band prints once per row.
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    TQRPageSetup Page;
    TQROptions Options() const { return options_; }
    void SetOptions(TQROptions v) { options_ = v; }
    // An empty master still gives one page with its headers, summary and footer.
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool v) { printIfEmpty_ = v; }
    // The name its PDF is offered or saved under, and the preview window's caption.
    const std::string& ReportTitle() const { return reportTitle_; }
    void SetReportTitle(const std::string& v) { reportTitle_ = v; }

    const std::vector<TQRCustomBand*>& Bands() const { return bands_; }

    // Builds the pages afresh from the first row of the master; band handlers run on the way.
    void Prepare();
    const TQRPageModel& Pages() const { return pages_; }
    // Prepares and writes every page to a PDF file; raises EWriteError.
    void ExportToPdf(const std::string& path);
    // Prepares and shows the pages in the modal preview window; returns when it is closed.
    void Preview();
    // Asks for the printer, paper and orientation, then prepares the pages on that paper and
    // prints them or saves them where the user chose; a cancelled dialog does nothing.
    void Print();
    // Prints the pages already prepared to the configured printer without asking, with the
    // progress window while the application runs (see TQRPrinter); answers the saved file, ""
    // when the printer took it or there was no page to print.
    std::string PrintPages();
    // Prints the prepared pages where 'choice' says. Another paper or orientation builds the
    // pages again on it for this print only: Page and the prepared pages stay as they were.
    // Answers the file written, "" when a printer took it or there was no page to print.
    std::string PrintPages(const TQRPrintChoice& choice);
    // The printer set-up dialog (the printers are read while the progress window shows), then
    // for "Save as PDF" the save dialog; nothing when either is cancelled. The dialogs need the
    // running application.
    std::optional<TQRPrintChoice> AskPrintChoice() const;
    // The save dialog for a PDF of this report; nothing when cancelled.
    std::optional<std::string> AskPdfFileName() const;

    // While pages are built: the page being filled (1-based) and the time the build began.
    int PageNumber() const { return pageNumber_; }
    TDateTime PrintTime() const { return printTime_; }

    // Fields of expressions: a qualified name picks the data set of that name among the
    // report's data sets; an unqualified one looks in the master's data set first.
    TQRExpression::FieldResolver FieldResolver(TComponent* master);
    // Raises EDatabaseError for an unknown data set name.
    TDataSet* FindDataSet(const std::string& name) const;
    // The data set that drives a master (the report or a sub-detail).
    TDataSet* MasterDataSet(TComponent* master) const;

    TQRReportBeforePrintEvent BeforePrint;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TQRCustomBand;
    friend class QRBuilder;
    void AddBand(TQRCustomBand* band);
    void RemoveBand(TQRCustomBand* band);
    // Pages built afresh; with the progress window counting them while the application runs.
    TQRPageModel Build();
    TQRPageModel BuildWithProgress();
    void PrepareWithProgress() { pages_ = BuildWithProgress(); }
    // Pages built on the choice's paper and orientation; Page stays as it was.
    TQRPageModel BuildFor(const TQRPrintChoice& choice);
    // Writes 'pages' to pdfFile, or with none hands them to the printer.
    std::string SendPages(const TQRPageModel& pages, TQRPrinter& printer, const std::string& pdfFile);
    std::string SendPages(const TQRPageModel& pages, const TQRPrintChoice& choice);
    std::string PrintTitle() const { return reportTitle_.empty() ? Name() : reportTitle_; }
    std::string ProgressCaption() const;

    TDataSet* dataSet_ = nullptr;
    TQROptions options_ = FirstPageHeader | LastPageFooter;
    bool printIfEmpty_ = true;
    std::string reportTitle_;
    std::vector<TQRCustomBand*> bands_;
    TQRPageModel pages_;
    int pageNumber_ = 0;
    TDateTime printTime_ = 0;
    // Told of each new page while pages are built.
    std::function<void(int)> pageAdded_;
};
