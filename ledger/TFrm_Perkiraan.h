#pragma once
// The chart-of-accounts window: account categories on the left, the accounts of the chosen
// category on the right, with adding, editing and deleting both, the printed account list and
// the start of the opening-balance entry.
#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TADOQuery;
class TADOTable;
class TDataSet;
class TDataSource;
class TTeButton;
class TZgDBGrid;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_Perkiraan : public TLedgerForm {
public:
    explicit TFrm_Perkiraan(TComponent* AOwner = nullptr);
    ~TFrm_Perkiraan() override;

    TADOTable* jenis_coa = nullptr;
    TADOQuery* QCoa = nullptr;
    TDataSource* DataSource1 = nullptr;
    TDataSource* DataSource2 = nullptr;
    TZgDBGrid* ZgDBGrid4 = nullptr;
    TZgDBGrid* ZgDBGrid6 = nullptr;
    TZlSpeedButton* ZlSpeedButton15 = nullptr;
    TZlSpeedButton* ZlSpeedButton14 = nullptr;
    TZlSpeedButton* ZlSpeedButton13 = nullptr;
    TZlSpeedButton* ZlSpeedButton7 = nullptr;
    TZlSpeedButton* ZlSpeedButton6 = nullptr;
    TZlSpeedButton* ZlSpeedButton5 = nullptr;
    TTeButton* TeButton3 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;

private:
    void FormShow();
    void CategoriesOpened();
    void AccountsOpened();
    void CategoryScrolled();
    void AccountScrolled();
    // The account 'id' as the list read it; no row when the list did not hold it.
    TRowImage AccountAsListed(const std::string& id) const;
    void FilterAccounts();
    void ReopenAccounts();
    // The unit id of the checked unit radio; empty for "Semua".
    std::string CheckedUnit() const;
    void ZlSpeedButton15Click(TComponent* Sender);
    void NewAccount();
    void EditAccount();
    void DeleteAccount();
    void AddCategory();
    void EditCategory();
    void DeleteCategory();
    void TeButton2Click();
    void TeButton3Click();

    TRowImage accountsAsListed_;
};

// The window while it is open; the account dialog reads its current category and account.
extern TFrm_Perkiraan* Frm_Perkiraan;
