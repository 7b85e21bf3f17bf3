#pragma once
// Small helpers that put bands and controls on a report the way a layout class does.
#include <string>
#include <vector>

#include "platform/report/TQRBand.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRGroup.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRShape.h"
#include "platform/report/TQRSubDetail.h"
#include "platform/report/TQRSysData.h"
#include "platform/report/TQuickRep.h"

inline TQRBand* AddBand(TQuickRep& report, TQRBandType type, int height)
{
    auto* band = new TQRBand(&report);
    band->SetBandType(type);
    band->SetHeight(height);
    band->SetParent(&report);
    return band;
}

inline TQRGroup* AddGroup(TQuickRep& report, const std::string& expression, int height = 20)
{
    auto* group = new TQRGroup(&report);
    group->SetExpression(expression);
    group->SetHeight(height);
    group->SetParent(&report);
    return group;
}

template <class Control>
Control* Place(TQRCustomBand* band, const std::string& name, int left)
{
    auto* control = new Control(band->ParentReport());
    control->SetName(name);
    control->SetBounds(left, 0, 120, 17);
    control->SetParent(band);
    return control;
}

inline TQRLabel* AddLabel(TQRCustomBand* band, const std::string& name, const std::string& caption, int left = 0)
{
    auto* label = Place<TQRLabel>(band, name, left);
    label->SetCaption(caption);
    return label;
}

inline TQRDBText* AddField(TQRCustomBand* band, const std::string& name, TDataSet* dataSet, const std::string& field, int left = 0)
{
    auto* text = Place<TQRDBText>(band, name, left);
    text->SetDataSet(dataSet);
    text->SetDataField(field);
    return text;
}

inline TQRExpr* AddExpr(TQRCustomBand* band, const std::string& name, const std::string& expression, int left = 0)
{
    auto* expr = Place<TQRExpr>(band, name, left);
    expr->SetExpression(expression);
    expr->SetMask("#,##0.00;(#,##0.00)");
    return expr;
}

inline std::vector<std::string> Texts(const TQuickRep& report, int page = 0) { return report.Pages().Page(page).Texts(); }
