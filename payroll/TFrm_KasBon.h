#pragma once
// The cash-advance window: the active employees of the unit, each one's advances and repayments
// with the open balance; every entry is saved together with its cash voucher.
#include <memory>
#include <string>

#include "ledger/TLedgerForm.h"
#include "payroll/RecordMode.h"

class TADOQuery;
class TADOTable;
class TDataSource;
class TDateTimePicker;
class TTeButton;
class TZgDBGrid;
class TZlEdit;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_KasBon : public TLedgerForm {
public:
    explicit TFrm_KasBon(TComponent* AOwner = nullptr);
    ~TFrm_KasBon() override;

    TZlLabel* ZlLabel33 = nullptr;
    TADOTable* ref_unit = nullptr;
    TDataSource* ds_unit = nullptr;
    TZgDBGrid* ZgDBGrid4 = nullptr;
    TADOQuery* Q_Karyawan = nullptr;
    TDataSource* ds_karyawan = nullptr;
    TZgDBGrid* ZgDBGrid1 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TADOTable* kasbon = nullptr;
    TDataSource* ds_kasbon = nullptr;
    TZgDBGrid* ZgDBGrid2 = nullptr;

    TZlEdit* ZlEdit12 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;

    TZlSpeedButton* ZlSpeedButton15 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TZlSpeedButton* ZlSpeedButton14 = nullptr;
    TZlSpeedButton* ZlSpeedButton13 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton1 = nullptr;

    TRecordMode Mode() const { return buttons_->Mode(); }
    // The unit of the window: the first ref_unit row, as text.
    std::string UnitId() const;

    void ZlSpeedButton15Click();
    void ZlSpeedButton1Click();
    void ZlSpeedButton14Click();
    void ZlSpeedButton13Click();
    void TeButton2Click();

private:
    void FormShow();
    void EmployeeChanged();
    void ButtonStates();
    void LoadEntry();
    void EmptyEditors();
    void CancelInput();
    // The carry rows refuse Edit and Delete with a message; answers whether the entry is one.
    bool RefuseCarryRow();
    std::string EmployeeField(const char* field) const;

    std::unique_ptr<TRecordModeButtons> buttons_;
};
