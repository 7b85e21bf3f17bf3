#pragma once
// The user manager: the list of sis_user with adding, editing, deleting and password changes
// through the user dialog Frm_Edit.
#include <string>

#include "ledger/TLedgerForm.h"

class TADOTable;
class TDataSource;
class TTeButton;
class TZgDBGrid;

class TFUser_Mngr : public TLedgerForm {
public:
    explicit TFUser_Mngr(TComponent* AOwner = nullptr);
    ~TFUser_Mngr() override;

    TADOTable* adotSis_user = nullptr;
    TADOTable* adotSis_tipeuser = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZgDBGrid* ZgDBGrid1 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton3 = nullptr;
    TTeButton* TeButton6 = nullptr;
    TTeButton* TeButton4 = nullptr;

protected:
    void DoClose(TCloseAction& action) override;

private:
    void FormShow();
    void ButtonClick(int tag);
    void AfterInsert();
    void AfterEdit();
    void BeforePost();
};

// Only type "1" may add, edit and delete users; every other type, unknown ones too, may not.
void ApplyUserManagerRights(TFUser_Mngr& manager, const std::string& userType);

extern TFUser_Mngr* FUser_Mngr;
