#pragma once
// The trial-balance worksheet: per account the opening balance, the movements and adjustments of
// months 1 to MonthCount, the balance before and after adjustments, and their sums.
#include "ledger/TrialBalanceCells.h"
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSet;

class TFQR_Trial_Balance : public TLetterheadReport, public ITrialBalanceMonthCount {
public:
    explicit TFQR_Trial_Balance(TComponent* AOwner = nullptr);

    // The months summed, 1 to 12; set before AdoQuery1 opens.
    int MonthCount() const { return monthCount_; }
    void SetMonthCount(int N) override { monthCount_ = N; }

    TADOQuery* AdoQuery1 = nullptr;
    TQRBand* DetailBand1 = nullptr;
    TQRBand* SummaryBand1 = nullptr;

    void AdoQuery1CalcFields(TDataSet* DataSet);

private:
    int monthCount_ = 0;
};
