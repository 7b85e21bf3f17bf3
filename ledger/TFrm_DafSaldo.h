#pragma once
// The balance list: every account of v_trial_balance with its opening, movement, trial-balance,
// adjustment and closing columns from month 1 to a chosen month, the column totals under it,
// the reposting of that month and the trial-balance layout's preview.
#include <array>

#include "ledger/TLedgerForm.h"

class IJobProgress;
class TADOQuery;
class TDataSource;
class TPanel;
class TScrollBox;
class TTeButton;
class TZgDBGrid;
class TZlComboBox;
class TZlLabel;
class TZlRadio;

class TFrm_DafSaldo : public TLedgerForm {
public:
    explicit TFrm_DafSaldo(TComponent* AOwner = nullptr);
    ~TFrm_DafSaldo() override;

    TADOQuery* ADOQuery1 = nullptr;
    TDataSource* Datasource1 = nullptr;
    TZlLabel* ZlLabel1 = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TZgDBGrid* zgdbgrid27 = nullptr;
    // The totals row and its ten panels in column order (opening D, K ... closing D, K).
    TPanel* PanelTotals = nullptr;
    std::array<TPanel*, 10> Totals{};
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton3 = nullptr;

    // 1 to 12: the month combo's position plus one.
    int MonthCount() const;
    // Where the reposting reports; the wait window unless a test sets another.
    void SetJobProgress(IJobProgress* Progress) { progress_ = Progress; }

private:
    void FormShow();
    void ZlComboBox1Change();
    void ComputeTotals();
    void TeButton3Click();
    void TeButton2Click();
    void SetOrder(const char* field);
    void ScrollBox1Resize();

    IJobProgress* progress_ = nullptr;
};

// The open balance list, if any.
extern TFrm_DafSaldo* Frm_DafSaldo;
