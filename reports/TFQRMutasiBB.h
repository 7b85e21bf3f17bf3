#pragma once
// The general ledger: each account on its own page with its opening balance, its lines of the
// month with a running balance, the sums and the closing balance, balances on the normal side.
#include "platform/core/Currency.h"
#include "reports/TLetterheadReport.h"

class TADOQuery;
class TDataSource;
class TQRDBText;
class TQRSubDetail;

class TFQRMutasiBB : public TLetterheadReport {
public:
    explicit TFQRMutasiBB(TComponent* AOwner = nullptr);

    TADOQuery* v_posting = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* v_lapBukuBesar = nullptr;
    TQRSubDetail* QRSubDetail1 = nullptr;
    // Group header: the opening balance in the Debet or the Kredit column.
    TQRBand* QRBand1 = nullptr;
    TQRDBText* QRsaldo_awal_d = nullptr;
    TQRDBText* QRsaldo_awal_k = nullptr;
    // The running balance on each line.
    TQRLabel* QRsaldo = nullptr;
    // Group footer: the sums and the closing balance by side.
    TQRBand* QRBand2 = nullptr;
    TQRDBText* QRsaldo_akhir_d = nullptr;
    TQRDBText* QRsaldo_akhir_k = nullptr;

    void QRBand1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);
    void QRSubDetail1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);
    void QRBand2BeforePrint(TQRCustomBand* Sender, bool& PrintBand);

private:
    bool DebitNormal() const;
    // The running balance moves as the posting signs the account, so that it ends on the closing
    // balance even where the account's side differs from its class.
    bool RunsAsCredit() const;

    Currency balance_;
    bool runsAsCredit_ = false;
};
