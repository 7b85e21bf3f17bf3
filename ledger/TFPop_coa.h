#pragma once
// The account picker: a modal list of accounts that the caller opens in ADOQuery1 before showing
// the picker; afterwards, unless Cancelled, ADOQuery1 stands on the chosen account.
#include <string>

#include "ledger/TLedgerForm.h"

class TADOQuery;
class TDataSource;
class TZgDBGrid;
class TZlButton;
class TZlEdit;
class TZlLabel;

class TFPop_coa : public TLedgerForm {
public:
    explicit TFPop_coa(TComponent* AOwner = nullptr);

    bool Cancelled = false;
    int AccountId = 0;
    std::string AccountCode;

    TADOQuery* ADOQuery1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZgDBGrid* DBGrid1 = nullptr;
    TZlLabel* Label1 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlButton* ZlButton3 = nullptr;
    TZlButton* ZlButton1 = nullptr;
    TZlButton* ZlButton2 = nullptr;

private:
    void ZlButton1Click();
    void ZlButton3Click();
};

extern TFPop_coa* FPop_coa;
