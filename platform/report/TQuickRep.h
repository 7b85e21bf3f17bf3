#pragma once
// A banded report: bands over a master data set, built into pages of the page model, then
// previewed, printed or saved as PDF. Layouts derive from it, one class per report.
#include <functional>
#include <memory>
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
    // The name of the PDF a print without a printer saves, and of the preview window.
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
    // Prepares, then hands the PDF to the configured printer, or saves it and opens it with
    // the desktop when no printer is configured (see TQRPrinter).
    void Print();
    // Prints the pages already prepared, with the progress window while the application runs;
    // answers the saved file, "" when the printer took it or there was no page to print.
    std::string PrintPages();

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
    // Prepare with the progress window counting pages while the application runs.
    void PrepareWithProgress();
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
