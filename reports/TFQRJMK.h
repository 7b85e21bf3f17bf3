#pragma once
// The journal of ordinary vouchers: each voucher's header, its lines by descending debit and
// their sums, and the sums over the report.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRSubDetail;

class TFQRJMK : public TLetterheadReport {
public:
    explicit TFQRJMK(TComponent* AOwner = nullptr);

    TADOQuery* lap_jmk1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* lap_jmk2 = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    TQRBand* GroupHeaderBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
