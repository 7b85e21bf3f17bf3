#include "reports/LayoutParts.h"

#include "ledger/TDtModule.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TDataSource.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRShape.h"
#include "platform/report/TQRSubDetail.h"
#include "platform/report/TQuickRep.h"

namespace {

constexpr int FieldHeight = 17;

template <class Control> Control* Place(TQRCustomBand* band, const std::string& name, int left, int top, int width)
{
    auto* control = new Control(band->Owner());
    if (!name.empty())
        control->SetName(name);
    control->SetBounds(left, top, width, FieldHeight);
    control->SetParent(band);
    return control;
}

void Align(TQRCustomLabel* label, TAlignment alignment)
{
    label->Font().SetSize(9);
    label->SetAlignment(alignment);
    label->SetAutoSize(alignment == TAlignment::taLeftJustify);
}

} // namespace

TQRBand* NewBand(TQuickRep& report, const std::string& name, TQRBandType type, int height)
{
    auto* band = new TQRBand(&report);
    band->SetName(name);
    band->SetBandType(type);
    band->SetHeight(height);
    band->SetParent(&report);
    return band;
}

TQRSubDetail* NewSubDetail(TQuickRep& report, const std::string& name, TDataSet* dataSet, int height)
{
    auto* band = new TQRSubDetail(&report);
    band->SetName(name);
    band->SetBandType(rbSubDetail);
    band->SetDataSet(dataSet);
    band->SetHeight(height);
    band->SetParent(&report);
    return band;
}

TQRLabel* AddLabel(TQRCustomBand* band, const std::string& name, const std::string& caption, int left, int top,
    int width, TAlignment alignment)
{
    auto* label = Place<TQRLabel>(band, name, left, top, width);
    label->SetCaption(caption);
    Align(label, alignment);
    return label;
}

TQRLabel* AddHeading(TQRCustomBand* band, const std::string& caption, int left, int top, int width, TAlignment alignment)
{
    TQRLabel* label = AddLabel(band, "", caption, left, top, width, alignment);
    SetBold({label}, true);
    return label;
}

TQRDBText* AddField(TQRCustomBand* band, const std::string& name, TDataSet* dataSet, const std::string& field, int left,
    int top, int width, const std::string& mask, TAlignment alignment)
{
    auto* text = Place<TQRDBText>(band, name, left, top, width);
    text->SetDataSet(dataSet);
    text->SetDataField(field);
    text->SetMask(mask);
    Align(text, alignment);
    // A left-aligned text keeps to its column and wraps rather than running into the next one.
    if (alignment == TAlignment::taLeftJustify) {
        text->SetAutoSize(false);
        text->SetAutoStretch(true);
    }
    return text;
}

TQRDBText* AddAmount(TQRCustomBand* band, const std::string& name, TDataSet* dataSet, const std::string& field,
    int left, int top, int width, const std::string& mask)
{
    TQRDBText* amount = AddField(band, name, dataSet, field, left, top, width, mask, TAlignment::taRightJustify);
    amount->SetFigure(true);
    return amount;
}

TQRExpr* AddSum(TQRCustomBand* band, const std::string& name, TComponent* master, const std::string& expression,
    int left, int top, int width, const std::string& mask, bool resetAfterPrint)
{
    auto* sum = Place<TQRExpr>(band, name, left, top, width);
    sum->SetExpression("SUM(" + expression + ")");
    sum->SetMask(mask);
    sum->SetMaster(master);
    sum->SetResetAfterPrint(resetAfterPrint);
    Align(sum, TAlignment::taRightJustify);
    sum->SetFigure(true);
    return sum;
}

TQRShape* AddLine(TQRCustomBand* band, const std::string& name, int left, int top, int width)
{
    auto* line = Place<TQRShape>(band, name, left, top, width);
    line->SetShape(qrsHorLine);
    line->SetHeight(1);
    return line;
}

void SetBold(std::initializer_list<TQRCustomLabel*> controls, bool bold)
{
    for (TQRCustomLabel* control : controls) {
        TFont& font = control->Font();
        font.SetStyle(bold ? font.Style() | fsBold : font.Style() & ~fsBold);
    }
}

TADOQuery* AddQuery(TQuickRep& report, const std::string& name, std::initializer_list<std::string> sql)
{
    auto* query = new TADOQuery(&report);
    query->SetName(name);
    if (DtModule)
        query->SetConnection(DtModule->CONN1);
    for (const std::string& line : sql)
        query->SQL().Add(line);
    return query;
}

TDataSource* AddMasterSource(TQuickRep& report, const std::string& name, TDataSet* master)
{
    auto* source = new TDataSource(&report);
    source->SetName(name);
    source->SetDataSet(master);
    return source;
}
