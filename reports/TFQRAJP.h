#pragma once
// The journal of adjusting entries: the lines voucher by voucher, a line between vouchers, and
// the sums over the report.
#include "reports/TVoucherJournal.h"

class TQRShape;
class TQRSubDetail;

class TFQRAJP : public TVoucherJournal {
public:
    explicit TFQRAJP(TComponent* AOwner = nullptr);

    TQRSubDetail* QRSubDetail1 = nullptr;
    // The voucher separator: no height before the first voucher, so its line shows from the second on.
    TQRBand* QRBand3 = nullptr;
    TQRShape* QRShape1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void QRBand3AfterPrint(TQRCustomBand* Sender, bool BandPrinted);
};
