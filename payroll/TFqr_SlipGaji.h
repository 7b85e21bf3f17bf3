#pragma once
// The pay slip: one block per pay record with the month's name, income, deductions, the net pay
// and the net pay in words, and the signature captions.
#include "reports/TLetterheadReport.h"

class TADOQuery;

class TFqr_SlipGaji : public TLetterheadReport {
public:
    explicit TFqr_SlipGaji(TComponent* AOwner = nullptr);

    TADOQuery* ADOQuery1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
    // The month's name of the record; keeps its last text for a month outside 1 to 12.
    TQRLabel* QRBulan = nullptr;
    TQRLabel* QRTerbilang = nullptr;

    void DetailBand1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);
};

// The net pay in words as the slip prints it: the whole rupiah of its absolute value, "Minus "
// before a negative one, one blank in front (-1,500.75 gives " Minus Seribu Limaratus  Rupiah").
std::string NetPayInWords(Currency net);
