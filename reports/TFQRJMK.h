#pragma once
// The journal of ordinary vouchers: each voucher's header, its lines by descending debit and
// their sums, and the sums over the report.
#include "reports/TVoucherJournal.h"

class TQRSubDetail;

class TFQRJMK : public TVoucherJournal {
public:
    explicit TFQRJMK(TComponent* AOwner = nullptr);

    TQRSubDetail* QRSubDetail1 = nullptr;
    TQRBand* GroupHeaderBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
