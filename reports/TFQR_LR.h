#pragma once
// The profit and loss statement of one month from lap_LR: titles and totals bold without a code,
// account lines regular with their code.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TQRDBText;

class TFQR_LR : public TLetterheadReport {
public:
    explicit TFQR_LR(TComponent* AOwner = nullptr);

    TADOQuery* AdoQuery1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRDBText* QRaccount_code = nullptr;
    TQRDBText* QRaccount_name = nullptr;
    TQRDBText* QRjumlah = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void DetailBand1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);
};
