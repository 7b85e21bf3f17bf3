#pragma once
// The journal of adjusting entries: the lines voucher by voucher, a line between vouchers, and
// the sums over the report.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRShape;
class TQRSubDetail;

class TFQRAJP : public TLetterheadReport {
public:
    explicit TFQRAJP(TComponent* AOwner = nullptr);

    TADOQuery* lap_jmk1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* lap_jmk2 = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    // The voucher separator: no height before the first voucher, so its line shows from the second on.
    TQRBand* QRBand3 = nullptr;
    TQRShape* QRShape1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void QRBand3AfterPrint(TQRCustomBand* Sender, bool BandPrinted);
};
