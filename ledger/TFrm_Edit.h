#pragma once
// The two-page user dialog of the user manager: login, name and type on the first page, password
// and its confirmation on the second. It edits the manager's current user row.
#include <string>
#include <vector>

#include "ledger/TLedgerForm.h"

class TADOTable;
class TTeButton;
class TZlComboBox;
class TZlEdit;
class TZlLabel;

class TFrm_Edit : public TLedgerForm {
public:
    explicit TFrm_Edit(TComponent* AOwner = nullptr);

    // The manager's tables; set by the manager before it shows the dialog.
    TADOTable* Users = nullptr;
    TADOTable* UserTypes = nullptr;

    void ShowPage1();
    void ShowPage2();
    bool OnPage2() const;
    // Selects the name of the type with this code, if any.
    void SelectType(const std::string& code);

    // The type codes in the order of the combo's names.
    std::vector<std::string> TypeCodes;

    TZlLabel* Label1 = nullptr;
    TZlEdit* eUser_login = nullptr;
    TZlLabel* Label2 = nullptr;
    TZlEdit* eUser_name = nullptr;
    TZlLabel* Label3 = nullptr;
    TZlComboBox* cbUser_type = nullptr;
    TZlLabel* Label4 = nullptr;
    TZlEdit* eUser_pwd = nullptr;
    TZlLabel* Label5 = nullptr;
    TZlEdit* eUser_pwd_conf = nullptr;
    TTeButton* Button3 = nullptr;
    TTeButton* Button1 = nullptr;
    TTeButton* Button4 = nullptr;
    TTeButton* Button2 = nullptr;

protected:
    void DoClose(TCloseAction& action) override;

private:
    void FormShow();
    void UpdateNext();
    void Finish();
};

extern TFrm_Edit* Frm_Edit;
