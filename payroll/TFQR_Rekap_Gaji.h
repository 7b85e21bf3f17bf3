#pragma once
// The salary recap: each unit on its own page with one line per pay record, the unit's sums and
// the totals over every unit.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRSubDetail;

class TFQR_Rekap_Gaji : public TLetterheadReport {
public:
    explicit TFQR_Rekap_Gaji(TComponent* AOwner = nullptr);

    TADOQuery* AdoQuery1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* AdoQuery2 = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    // The unit's group header: a new page, the column headings.
    TQRBand* QRBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;
};
