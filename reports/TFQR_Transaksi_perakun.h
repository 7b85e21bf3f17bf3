#pragma once
// The transaction book grouped by counter account, each account with its headings and sums.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRSubDetail;

class TFQR_Transaksi_perakun : public TLetterheadReport {
public:
    explicit TFQR_Transaksi_perakun(TComponent* AOwner = nullptr);

    TADOQuery* lap_cash_flow = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* cash_flow = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    TQRBand* GroupHeaderBand1 = nullptr;
    TQRBand* GroupFooterBand1 = nullptr;
};
