#pragma once
// The cash advances and repayments of employees: one group per employee with the sums of what
// was lent, repaid and is still open, and the totals over every employee.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRSubDetail;

class TFQR_Kasbon : public TLetterheadReport {
public:
    explicit TFQR_Kasbon(TComponent* AOwner = nullptr);

    TADOQuery* AdoQuery1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* AdoQuery2 = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    TQRBand* GroupHeaderBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
