#pragma once
// The opening-balance dialog: the accounts of coa_tmp in an editable grid where only the opening
// balance is typed, the debit and credit totals, and Save into coa, posting and trial_balance.
#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"
#include "platform/core/Currency.h"

class TADOTable;
class TDataSource;
class TZgDBGrid;
class TZlButton;
class TZlEdit;
class TZlLabel;
class TZlRadio;

class TFI_Saldo_Awal : public TLedgerForm {
public:
    explicit TFI_Saldo_Awal(TComponent* AOwner = nullptr);

    // Refills coa_tmp from the chart under the wait window and keeps the openings as read, which
    // Save checks; amounts typed since typedSince stay. The grid shows the new rows when it is open.
    void ReadBalances(const TRowImage& typedSince = {});

    TADOTable* coa_tmp = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZgDBGrid* ZgDBGrid28 = nullptr;
    TZlEdit* ZlEdit51 = nullptr;
    TZlEdit* ZlEdit53 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlButton* TeButton1 = nullptr;
    TZlButton* TeButton2 = nullptr;

private:
    void FormShow();
    // The unit of the checked radio; empty for "Semua".
    std::string CheckedUnit() const;
    void ShowTotals();
    void ZlRadio8Click();
    void ZgDBGrid28KeyPress(char32_t& key);
    void TeButton1Click();

    Currency debitTotal_;
    Currency creditTotal_;
    TRowImage asRead_;
};
