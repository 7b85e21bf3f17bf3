#pragma once
// The balance sheet: lap_neraca's assets on the left and liabilities and equity on the right,
// titles and totals bold, account lines regular.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TQRDBText;

class TFQR_Neraca : public TLetterheadReport {
public:
    explicit TFQR_Neraca(TComponent* AOwner = nullptr);

    TADOQuery* AdoQuery1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRDBText* QRkode_d = nullptr;
    TQRDBText* QRnama_d = nullptr;
    TQRDBText* QRjumlah_d = nullptr;
    TQRDBText* QRkode_k = nullptr;
    TQRDBText* QRnama_k = nullptr;
    TQRDBText* QRjumlah_k = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void DetailBand1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);
};
