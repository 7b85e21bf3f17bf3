#include "platform/report/TQuickRep.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/TOpenDialog.h"
#include "platform/controls/TPrinterSetupDialog.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TDataSet.h"
#include "platform/report/QRBuilder.h"
#include "platform/report/QRFieldValue.h"
#include "platform/report/TQRBand.h"
#include "platform/report/TQRPreview.h"
#include "platform/report/TQRPrinter.h"
#include "platform/report/TQRProgressForm.h"
#include "platform/report/TQRRenderer.h"
#include "platform/report/TQRSubDetail.h"
#include "platform/ui/TApplication.h"

double TQRPageSetup::Width() const
{
    double width = PaperSize == Letter ? 8.5 * 96 : QRMillimetres(210);
    double height = PaperSize == Letter ? 11 * 96 : QRMillimetres(297);
    return Orientation == poLandscape ? height : width;
}

double TQRPageSetup::Height() const
{
    double width = PaperSize == Letter ? 8.5 * 96 : QRMillimetres(210);
    double height = PaperSize == Letter ? 11 * 96 : QRMillimetres(297);
    return Orientation == poLandscape ? width : height;
}

TQuickRep::TQuickRep(TComponent* AOwner) : TComponent(AOwner) {}

TQuickRep::~TQuickRep()
{
    for (TQRCustomBand* band : std::vector<TQRCustomBand*>(bands_))
        band->SetParent(nullptr);
}

void TQuickRep::SetDataSet(TDataSet* dataSet)
{
    dataSet_ = dataSet;
    FreeNotification(dataSet);
}

void TQuickRep::AddBand(TQRCustomBand* band)
{
    bands_.push_back(band);
}

void TQuickRep::RemoveBand(TQRCustomBand* band)
{
    bands_.erase(std::remove(bands_.begin(), bands_.end(), band), bands_.end());
}

void TQuickRep::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == dataSet_)
        dataSet_ = nullptr;
    bands_.erase(std::remove_if(bands_.begin(), bands_.end(),
                     [component](TQRCustomBand* band) { return static_cast<TComponent*>(band) == component; }),
        bands_.end());
}

TQRPageModel TQuickRep::Build()
{
    struct PageNumberReset {
        int& number;
        ~PageNumberReset() { number = 0; }
    } reset{pageNumber_};
    return QRBuilder(*this).Run();
}

void TQuickRep::Prepare()
{
    pages_ = Build();
}

void TQuickRep::ExportToPdf(const std::string& path)
{
    Prepare();
    TQRRenderer::WritePdf(pages_, path);
}

std::string TQuickRep::ProgressCaption() const
{
    std::string title = PrintTitle();
    return title.empty() ? "Report" : title;
}

TQRPageModel TQuickRep::BuildWithProgress()
{
    if (!Application)
        return Build();
    TQRProgressForm progress(ProgressCaption());
    progress.Show();
    pageAdded_ = [&progress](int page) { progress.SetProgress(page, 0); };
    struct HookReset {
        std::function<void(int)>& hook;
        ~HookReset() { hook = nullptr; }
    } reset{pageAdded_};
    return Build();
}

void TQuickRep::Preview()
{
    PrepareWithProgress();
    TQRPreview preview(nullptr, *this);
    preview.ShowModal();
}

namespace {

TSetupPaper SetupPaper(TQRPaperSize paper)
{
    return paper == Letter ? TSetupPaper::Letter : TSetupPaper::A4;
}

TSetupOrientation SetupOrientation(TPrinterOrientation orientation)
{
    return orientation == poLandscape ? TSetupOrientation::Landscape : TSetupOrientation::Portrait;
}

// Puts a report's page setup back however the print that changed it ends.
struct PageSetupRestore {
    TQRPageSetup& page;
    TQRPageSetup saved;
    ~PageSetupRestore() { page = saved; }
};

} // namespace

void TQuickRep::Print()
{
    if (std::optional<TQRPrintChoice> choice = AskPrintChoice()) {
        pages_ = BuildFor(*choice);
        SendPages(pages_, *choice);
    }
}

std::string TQuickRep::PrintPages()
{
    TQRPrinter printer;
    printer.Paper = Page.PaperSize == Letter ? "Letter" : "A4";
    printer.Landscape = Page.Orientation == poLandscape;
    return SendPages(pages_, printer, "");
}

std::string TQuickRep::PrintPages(const TQRPrintChoice& choice)
{
    if (choice.PaperSize == Page.PaperSize && choice.Orientation == Page.Orientation)
        return SendPages(pages_, choice);
    return SendPages(BuildFor(choice), choice);
}

TQRPageModel TQuickRep::BuildFor(const TQRPrintChoice& choice)
{
    PageSetupRestore restore{Page, Page};
    Page.PaperSize = choice.PaperSize;
    Page.Orientation = choice.Orientation;
    return BuildWithProgress();
}

std::string TQuickRep::SendPages(const TQRPageModel& pages, const TQRPrintChoice& choice)
{
    TQRPrinter printer;
    printer.PrinterName = choice.PrinterName;
    printer.Paper = choice.PaperSize == Letter ? "Letter" : "A4";
    printer.Landscape = choice.Orientation == poLandscape;
    printer.Copies = choice.Copies;
    return SendPages(pages, printer, choice.FileName);
}

std::string TQuickRep::SendPages(const TQRPageModel& pages, TQRPrinter& printer, const std::string& pdfFile)
{
    // A report that produced no pages sends no blank sheet to the printer.
    if (pages.PageCount() == 0)
        return "";
    std::unique_ptr<TQRProgressForm> progress;
    if (Application) {
        progress = std::make_unique<TQRProgressForm>(ProgressCaption());
        progress->Show();
        printer.OnProgress = [&progress](int done, int count) { progress->SetProgress(done, count); };
    }
    if (pdfFile.empty())
        return printer.PrintPages(pages, PrintTitle());
    TQRRenderer::WritePdf(pages, pdfFile, printer.OnProgress);
    return pdfFile;
}

std::optional<TQRPrintChoice> TQuickRep::AskPrintChoice() const
{
    TPrinterSetupDialog dialog;
    {
        std::unique_ptr<TQRProgressForm> progress;
        if (Application) {
            progress = std::make_unique<TQRProgressForm>(ProgressCaption());
            progress->SetStatus("Looking for printers");
            progress->Show();
        }
        dialog.LoadPrinters(TQRPrinter().PrinterName);
    }
    dialog.SetPaper(SetupPaper(Page.PaperSize));
    dialog.SetOrientation(SetupOrientation(Page.Orientation));
    if (!dialog.Execute())
        return std::nullopt;
    TQRPrintChoice choice;
    choice.PaperSize = dialog.Paper() == TSetupPaper::Letter ? Letter : A4;
    choice.Orientation = dialog.Orientation() == TSetupOrientation::Landscape ? poLandscape : poPortrait;
    choice.Copies = dialog.Copies();
    if (!dialog.SavesAsPdf()) {
        choice.PrinterName = dialog.PrinterName();
        return choice;
    }
    std::optional<std::string> file = AskPdfFileName();
    if (!file)
        return std::nullopt;
    choice.FileName = *file;
    return choice;
}

std::optional<std::string> TQuickRep::AskPdfFileName() const
{
    TSaveDialog dialog;
    dialog.SetTitle("Save as PDF");
    dialog.SetFilter("PDF (*.pdf)|*.pdf");
    dialog.SetDefaultExt("pdf");
    dialog.SetFileName(TQRPrinter::FileNameFor(PrintTitle()) + ".pdf");
    if (!dialog.Execute() || dialog.FileName().empty())
        return std::nullopt;
    return dialog.FileName();
}

namespace {

bool SameText(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

TDataSet* TQuickRep::FindDataSet(const std::string& name) const
{
    if (dataSet_ && SameText(dataSet_->Name(), name))
        return dataSet_;
    for (TQRCustomBand* band : bands_)
        if (auto* sub = dynamic_cast<TQRSubDetail*>(band); sub && sub->DataSet() && SameText(sub->DataSet()->Name(), name))
            return sub->DataSet();
    for (const TComponent* scope : {static_cast<const TComponent*>(this), static_cast<const TComponent*>(Owner())})
        if (scope)
            if (auto* dataSet = dynamic_cast<TDataSet*>(scope->FindComponent(name)))
                return dataSet;
    throw EDatabaseError("Unknown data set '" + name + "' in report " + Name());
}

TDataSet* TQuickRep::MasterDataSet(TComponent* master) const
{
    if (auto* sub = dynamic_cast<TQRSubDetail*>(master))
        return sub->DataSet();
    return dataSet_;
}

TQRExpression::FieldResolver TQuickRep::FieldResolver(TComponent* master)
{
    TDataSet* preferred = MasterDataSet(master);
    return [this, preferred](const std::string& dataSetName, const std::string& fieldName) {
        if (!dataSetName.empty())
            return QRFieldValue(*FindDataSet(dataSetName)->FieldByName(fieldName));
        std::vector<TDataSet*> candidates{preferred, dataSet_};
        for (TQRCustomBand* band : bands_)
            if (auto* sub = dynamic_cast<TQRSubDetail*>(band))
                candidates.push_back(sub->DataSet());
        for (TDataSet* candidate : candidates)
            if (candidate)
                if (TField* field = candidate->FindField(fieldName))
                    return QRFieldValue(*field);
        throw EDatabaseError("Field '" + fieldName + "' not found");
    };
}
