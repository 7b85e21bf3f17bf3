#include "platform/report/QRBuilder.h"

#include <algorithm>

#include "platform/data/TDataSet.h"
#include "platform/report/TQRBand.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRExpression.h"
#include "platform/report/TQRGroup.h"
#include "platform/report/TQRSubDetail.h"
#include "platform/report/TQuickRep.h"

QRBuilder::QRBuilder(TQuickRep& report) : report_(report)
{
    for (TQRCustomBand* band : report_.Bands()) {
        switch (band->BandType()) {
        case rbTitle:
            titles_.push_back(band);
            break;
        case rbPageHeader:
            if (!pageHeader_)
                pageHeader_ = band;
            break;
        case rbPageFooter:
            if (!pageFooter_)
                pageFooter_ = band;
            break;
        case rbColumnHeader:
            columnHeaders_.push_back(band);
            break;
        case rbDetail:
            details_.push_back(band);
            break;
        case rbSummary:
            summaries_.push_back(band);
            break;
        case rbGroupHeader:
            if (auto* group = dynamic_cast<TQRGroup*>(band))
                groups_.push_back(group);
            break;
        case rbSubDetail:
            if (auto* sub = dynamic_cast<TQRSubDetail*>(band))
                subDetails_.push_back(sub);
            break;
        case rbGroupFooter:
            break;
        }
        for (TQRPrintable* control : band->Controls())
            if (auto* expr = dynamic_cast<TQRExpr*>(control))
                expressions_.push_back(expr);
    }
}

TComponent* QRBuilder::Controller(TComponent* master)
{
    return master ? master : &report_;
}

TQRPageModel QRBuilder::Run()
{
    report_.pageNumber_ = 0;
    report_.printTime_ = Now();
    for (TQRExpr* expr : expressions_)
        expr->Reset();
    bool print = true;
    if (report_.BeforePrint)
        report_.BeforePrint(&report_, print);
    if (!print)
        return std::move(pages_);
    TDataSet* master = report_.DataSet();
    if (master && !master->Active())
        master->Open();
    // The first page header already speaks of the first row.
    if (master)
        master->First();
    if (master && master->IsEmpty() && !report_.PrintIfEmpty())
        return std::move(pages_);
    NewPage();
    RunController(&report_);
    for (TQRCustomBand* band : summaries_)
        PrintBand(band);
    FinishPage(true);
    return std::move(pages_);
}

void QRBuilder::NewPage()
{
    if (page_)
        FinishPage(false);
    page_ = &pages_.AddPage(report_.Page.Width(), report_.Page.Height());
    report_.pageNumber_ = page_->Number;
    if (report_.pageAdded_)
        report_.pageAdded_(page_->Number);
    y_ = QRMillimetres(report_.Page.TopMargin);
    pageHasContent_ = false;
    if (pageHeader_ && (page_->Number > 1 || (report_.Options() & FirstPageHeader)))
        PrintBand(pageHeader_);
    if (page_->Number == 1)
        for (TQRCustomBand* band : titles_)
            PrintBand(band);
    for (TQRCustomBand* band : columnHeaders_)
        PrintBand(band);
}

void QRBuilder::FinishPage(bool last)
{
    if (!pageFooter_ || (last && !(report_.Options() & LastPageFooter)))
        return;
    y_ = page_->Height - QRMillimetres(report_.Page.BottomMargin) - pageFooter_->Height();
    PrintBand(pageFooter_);
}

double QRBuilder::ContentBottom() const
{
    double bottom = page_->Height - QRMillimetres(report_.Page.BottomMargin);
    if (pageFooter_ && pageFooter_->Enabled())
        bottom -= pageFooter_->Height();
    return bottom;
}

double QRBuilder::Measure(TQRCustomBand* band)
{
    if (band->Height() <= 0)
        return 0;
    QRPrintContext context{&report_, page_, &measure_, QRMillimetres(report_.Page.LeftMargin), y_};
    double extra = 0;
    for (TQRPrintable* control : band->Controls()) {
        if (!control->Printable())
            continue;
        control->Prepare(context);
        extra = std::max(extra, control->PrintHeight() - control->Height());
    }
    return band->Height() + extra;
}

bool QRBuilder::PrintBand(TQRCustomBand* band)
{
    if (!band || !band->Enabled())
        return false;
    bool print = true;
    if (band->BeforePrint)
        band->BeforePrint(band, print);
    if (!print || !band->Enabled()) {
        if (band->AfterPrint)
            band->AfterPrint(band, false);
        return false;
    }
    TQRBandType type = band->BandType();
    bool flowing = type != rbPageHeader && type != rbPageFooter;
    double height = Measure(band);
    if (flowing && pageHasContent_
        && (band->ForceNewPage() || (height > 0 && y_ + height > ContentBottom()))) {
        NewPage();
        height = Measure(band);
    }
    if (height > 0) {
        QRPrintContext context{&report_, page_, &measure_, QRMillimetres(report_.Page.LeftMargin), y_};
        for (TQRPrintable* control : band->Controls())
            if (control->Printable())
                control->Print(context);
        y_ += height;
        if (flowing && type != rbTitle && type != rbColumnHeader)
            pageHasContent_ = true;
    }
    if (band->AfterPrint)
        band->AfterPrint(band, true);
    return true;
}

std::vector<std::string> QRBuilder::GroupKeys(const std::vector<TQRGroup*>& groups)
{
    std::vector<std::string> keys;
    keys.reserve(groups.size());
    for (TQRGroup* group : groups) {
        const TQRExpression* expression = group->ParsedExpression();
        if (!expression) {
            keys.emplace_back();
            continue;
        }
        QRValue value = expression->Evaluate(report_.FieldResolver(group->Master()));
        std::string key(1, static_cast<char>('0' + static_cast<int>(value.kind)));
        key += value.kind == QRValue::Kind::Date ? std::to_string(value.date) : value.AsText();
        keys.push_back(std::move(key));
    }
    return keys;
}

void QRBuilder::Accumulate(TComponent* controller)
{
    for (TQRExpr* expr : expressions_)
        if (expr->Enabled() && expr->IsAggregate() && Controller(expr->Master()) == controller)
            expr->Accumulate(report_);
}

void QRBuilder::PrintDetail(TComponent* controller)
{
    if (controller == &report_) {
        for (TQRCustomBand* band : details_)
            PrintBand(band);
    } else {
        PrintBand(static_cast<TQRSubDetail*>(controller));
    }
    for (TQRSubDetail* sub : subDetails_)
        if (Controller(sub->Master()) == controller)
            RunController(sub);
}

void QRBuilder::RunController(TComponent* controller)
{
    auto* sub = controller == &report_ ? nullptr : static_cast<TQRSubDetail*>(controller);
    TDataSet* dataSet = report_.MasterDataSet(controller);
    std::vector<TQRGroup*> groups;
    for (TQRGroup* group : groups_)
        if (Controller(group->Master()) == controller)
            groups.push_back(group);
    auto printHeaders = [&](size_t from) {
        for (size_t i = from; i < groups.size(); ++i)
            PrintBand(groups[i]);
    };
    auto printFooters = [&](size_t downTo) {
        for (size_t i = groups.size(); i > downTo; --i)
            PrintBand(groups[i - 1]->FooterBand());
    };

    // The header may show the first line of its master row, so the lines are read first.
    if (dataSet) {
        if (!dataSet->Active())
            dataSet->Open();
        dataSet->First();
    }
    if (sub)
        PrintBand(sub->HeaderBand());
    if (!dataSet) {
        // A report without a data set prints its detail once; a sub-detail without one, never.
        if (!sub) {
            printHeaders(0);
            Accumulate(controller);
            PrintDetail(controller);
            printFooters(0);
        }
    } else {
        if (!dataSet->Eof()) {
            std::vector<std::string> keys = GroupKeys(groups);
            printHeaders(0);
            while (true) {
                Accumulate(controller);
                PrintDetail(controller);
                dataSet->Next();
                if (dataSet->Eof())
                    break;
                std::vector<std::string> next = GroupKeys(groups);
                size_t level = 0;
                while (level < groups.size() && next[level] == keys[level])
                    ++level;
                if (level < groups.size()) {
                    // Footers speak of the group that ends, so they print on its last row.
                    dataSet->Prior();
                    printFooters(level);
                    dataSet->Next();
                    printHeaders(level);
                }
                keys = std::move(next);
            }
            // Footers and the summary print on the last row.
            dataSet->Last();
            printFooters(0);
        }
    }
    if (sub)
        PrintBand(sub->FooterBand());
}
