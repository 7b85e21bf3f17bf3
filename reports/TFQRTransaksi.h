#pragma once
// The cash and transaction book: lap_cash_flow in stored order, with the sums of both columns
// and the last running balance.
#include "reports/TLetterheadReport.h"

class TADOQuery;

class TFQRTransaksi : public TLetterheadReport {
public:
    explicit TFQRTransaksi(TComponent* AOwner = nullptr);

    TADOQuery* lap_cash_flow = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
