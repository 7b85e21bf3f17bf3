#pragma once
// The employee window: the list of ref_anggota with the current employee's details, creating
// and renaming through the employee dialog, saving the details, deleting and printing the list.
#include <string>
#include <vector>

#include "ledger/TLedgerForm.h"

class TADOTable;
class TDataSource;
class TDateTimePicker;
class TLabel;
class TTeButton;
class TZgDBGrid;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_Anggota : public TLedgerForm {
public:
    explicit TFrm_Anggota(TComponent* AOwner = nullptr);

    TADOTable* ref_anggota = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZlLabel* ZlLabel33 = nullptr;
    TZgDBGrid* ZgDBGrid4 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlEdit* ZlEdit4 = nullptr;
    TZlEdit* ZlEdit5 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlRadio* ZlRadio3 = nullptr;
    TZlRadio* ZlRadio4 = nullptr;
    TZlEdit* ZlEdit6 = nullptr;
    TZlEdit* ZlEdit7 = nullptr;
    TLabel* Label10 = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TZlSpeedButton* ZlSpeedButton15 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TZlSpeedButton* ZlSpeedButton14 = nullptr;
    TZlSpeedButton* ZlSpeedButton13 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton1 = nullptr;

    // The id of the unit the window works on, as text.
    std::string UnitId() const;

    void ZlSpeedButton15Click();
    void ZlSpeedButton1Click();
    void ZlSpeedButton14Click();
    void ZlSpeedButton13Click();
    void TeButton2Click();

private:
    void FormCreate();
    void FormShow();
    void AfterScroll();
    void AfterOpen();
    void EmptyEditors();
    void SortBy(const char* field);
    void ApplyUnitFilter();
    // Runs the dialog; answers whether it saved, and then the NIK it saved.
    bool RunDialog(int mode, std::string& nik);
    void ShowSave();

    std::vector<std::string> unitIds_;
};
