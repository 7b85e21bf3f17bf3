#pragma once
// Construction helpers of the report layouts: bands, labels, fields, sums and queries placed on
// a layout that owns them.
#include <initializer_list>
#include <string>

#include "platform/core/Alignment.h"
#include "platform/report/TQRBand.h"

class TADOQuery;
class TDataSet;
class TDataSource;
class TQRDBText;
class TQRExpr;
class TQRLabel;
class TQRShape;
class TQRSubDetail;

// Amounts that show negatives in parentheses, and those that do not.
inline const char* const SignedAmount = "#,##0.00;(#,##0.00)";
inline const char* const Amount = "#,##0.00";

TQRBand* NewBand(TQuickRep& report, const std::string& name, TQRBandType type, int height);
TQRSubDetail* NewSubDetail(TQuickRep& report, const std::string& name, TDataSet* dataSet, int height);

// A text on a band; a right-aligned or centred text keeps to its box.
TQRLabel* AddLabel(TQRCustomBand* band, const std::string& name, const std::string& caption, int left, int top,
    int width, TAlignment alignment = TAlignment::taLeftJustify);
// A bold column heading.
TQRLabel* AddHeading(TQRCustomBand* band, const std::string& caption, int left, int top, int width,
    TAlignment alignment = TAlignment::taLeftJustify);
TQRDBText* AddField(TQRCustomBand* band, const std::string& name, TDataSet* dataSet, const std::string& field, int left,
    int top, int width, const std::string& mask = "", TAlignment alignment = TAlignment::taLeftJustify);
// A right-aligned amount field; amounts too wide for their column print smaller, never cut.
TQRDBText* AddAmount(TQRCustomBand* band, const std::string& name, TDataSet* dataSet, const std::string& field,
    int left, int top, int width, const std::string& mask = Amount);
// "SUM(expression)" over the rows of 'master' (the report or a sub-detail).
TQRExpr* AddSum(TQRCustomBand* band, const std::string& name, TComponent* master, const std::string& expression,
    int left, int top, int width, const std::string& mask = Amount, bool resetAfterPrint = false);
TQRShape* AddLine(TQRCustomBand* band, const std::string& name, int left, int top, int width);
void SetBold(std::initializer_list<TQRCustomLabel*> controls, bool bold);

// A query on the data module's connection, with its SQL lines.
TADOQuery* AddQuery(TQuickRep& report, const std::string& name, std::initializer_list<std::string> sql);
// A detail query whose parameters come from the master's current row through 'source'.
TDataSource* AddMasterSource(TQuickRep& report, const std::string& name, TDataSet* master);
