#pragma once
// Builds a report's pages: walks the master and its sub-details row by row and lays the bands
// out on pages, breaking pages, groups and sums as the bands ask.
#include <string>
#include <vector>

#include "platform/report/QRPageModel.h"
#include "platform/report/QRTextMeasure.h"
#include "platform/report/ReportFwd.h"

class TComponent;
class TDataSet;

class QRBuilder {
public:
    explicit QRBuilder(TQuickRep& report);
    // The pages; a handler or data error on the way raises and the report keeps its old pages.
    TQRPageModel Run();

private:
    void NewPage();
    void FinishPage(bool last);
    double ContentBottom() const;
    double Measure(TQRCustomBand* band);
    bool PrintBand(TQRCustomBand* band);
    // The report or one of its sub-details with the groups, detail and sub-details it drives.
    void RunController(TComponent* controller);
    void PrintDetail(TComponent* controller);
    void Accumulate(TComponent* controller);
    std::vector<std::string> GroupKeys(const std::vector<TQRGroup*>& groups);
    TComponent* Controller(TComponent* master);

    TQuickRep& report_;
    TQRPageModel pages_;
    TQRTextMeasure measure_;
    QRPage* page_ = nullptr;
    double y_ = 0;
    // Something besides headers is on the page, so a forced page break makes a new page.
    bool pageHasContent_ = false;
    TQRCustomBand* pageHeader_ = nullptr;
    TQRCustomBand* pageFooter_ = nullptr;
    std::vector<TQRCustomBand*> titles_;
    std::vector<TQRCustomBand*> columnHeaders_;
    std::vector<TQRCustomBand*> details_;
    std::vector<TQRCustomBand*> summaries_;
    std::vector<TQRGroup*> groups_;
    std::vector<TQRSubDetail*> subDetails_;
    std::vector<TQRExpr*> expressions_;
};
