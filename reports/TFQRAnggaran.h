#pragma once
// The budget realisation: per budget category its accounts with budget, realisation and
// difference, and the totals over the report. Every caller sets both SQL texts.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRSubDetail;

class TFQRAnggaran : public TLetterheadReport {
public:
    explicit TFQRAnggaran(TComponent* AOwner = nullptr);

    TADOQuery* anggaran = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* to_anggaran = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    TQRBand* GroupHeaderBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
