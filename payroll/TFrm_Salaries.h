#pragma once
// The salary window: the pay records of one month, one per employee, with their income,
// deductions and net pay; adding, editing, deleting and printing the pay slips.
#include <memory>
#include <string>

#include "ledger/TLedgerForm.h"
#include "platform/core/Currency.h"
#include "payroll/RecordMode.h"

class TADOQuery;
class TADOTable;
class TDataSource;
class TDateTimePicker;
class TTeButton;
class TZgDBGrid;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_Salaries : public TLedgerForm {
public:
    explicit TFrm_Salaries(TComponent* AOwner = nullptr);
    ~TFrm_Salaries() override;

    TZlLabel* ZlLabel33 = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TADOQuery* QSalary = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZgDBGrid* ZgDBGrid4 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    // Restricted to the pay record the list stands on.
    TADOTable* salary = nullptr;

    TZlEdit* ZlEdit12 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TZlEdit* ZlEdit13 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    // Income: basic salary, meals, overtime, bonus, transport, allowance, and their total.
    TZlEdit* ZlEdit1 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlEdit* ZlEdit14 = nullptr;
    TZlEdit* ZlEdit15 = nullptr;
    TZlEdit* ZlEdit16 = nullptr;
    TZlEdit* ZlEdit4 = nullptr;
    // Deductions: cash loan, cooperative loan, goods on credit, goods taken (hidden), and their total.
    TZlEdit* ZlEdit5 = nullptr;
    TZlEdit* ZlEdit6 = nullptr;
    TZlEdit* ZlEdit7 = nullptr;
    TZlEdit* ZlEdit17 = nullptr;
    TZlEdit* ZlEdit8 = nullptr;
    // Net pay and note.
    TZlEdit* ZlEdit9 = nullptr;
    TZlEdit* ZlEdit10 = nullptr;

    TZlSpeedButton* ZlSpeedButton15 = nullptr;
    TZlSpeedButton* ZlSpeedButton2 = nullptr;
    TZlSpeedButton* ZlSpeedButton14 = nullptr;
    TZlSpeedButton* ZlSpeedButton13 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton1 = nullptr;

    TRecordMode Mode() const { return buttons_->Mode(); }
    int PeriodMonth() const;

    void ZlComboBox1Change();
    void ZlSpeedButton15Click();
    void ZlSpeedButton2Click();
    void ZlSpeedButton1Click();
    void ZlSpeedButton14Click();
    void ZlSpeedButton13Click();
    void TeButton2Click();

private:
    void FormShow();
    void AfterScroll();
    void ButtonStates(bool hasRecords);
    void LoadRecord();
    void EmptyFields();
    void ComputeTotals();
    void NikChanged();
    void NikExit();
    void CancelInput();
    void SetPeriodDate();
    void ShowEmployee(const std::string& nama, Currency gajiPokok);
    bool WriteRecord(const std::string& kode);

    std::unique_ptr<TRecordModeButtons> buttons_;
    bool loading_ = false;
};
