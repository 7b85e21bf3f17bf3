#pragma once
// The trial-balance worksheet: per account the opening balance, the movements and adjustments of
// months 1 to MonthCount, the balance before and after adjustments, and their sums.
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSet;
class TField;

class TFQR_Trial_Balance : public TLetterheadReport {
public:
    explicit TFQR_Trial_Balance(TComponent* AOwner = nullptr);

    // The months summed, 1 to 12; set before AdoQuery1 opens. Also the published property
    // "MonthCount", for callers that know the layout only by class name.
    int MonthCount() const { return monthCount_; }
    void SetMonthCount(int v) { monthCount_ = v; }

    TADOQuery* AdoQuery1 = nullptr;
    TField* AdoQuery1mutasi_d = nullptr;
    TField* AdoQuery1mutasi_k = nullptr;
    TField* AdoQuery1ajp_d = nullptr;
    TField* AdoQuery1ajp_k = nullptr;
    TField* AdoQuery1Trial_balance_d = nullptr;
    TField* AdoQuery1Trial_balance_k = nullptr;
    TField* AdoQuery1last_d = nullptr;
    TField* AdoQuery1last_k = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void AdoQuery1CalcFields(TDataSet* DataSet);

    static void Register();

private:
    int monthCount_ = 0;
};
