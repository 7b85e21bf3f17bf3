#pragma once
// The chart-of-accounts list: code, name and normal side of every account, without letterhead.
#include "platform/report/TQuickRep.h"

class TADOQuery;
class TQRBand;
class TQRDBText;
class TQRLabel;

class TFqr_DafCoa : public TQuickRep {
public:
    explicit TFqr_DafCoa(TComponent* AOwner = nullptr);

    TADOQuery* ADOQuery1 = nullptr;
    TQRBand* TitleBand1 = nullptr;
    TQRLabel* QRLabel1 = nullptr;
    TQRBand* ColumnHeaderBand1 = nullptr;
    // The unit heading and column stay in the layout, disabled.
    TQRLabel* QRLabelUnit = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRDBText* QRnama_unit = nullptr;
};
