#pragma once
// The login dialog: the database file is chosen and connected, its business units checked, the
// path remembered, the login checked against sis_user and the settings loaded. The main window
// creates it for each "LogIn", shows it modally and reads LoginCount afterwards.
#include <string>

#include "ledger/TLedgerForm.h"

class TOpenDialog;
class TTeButton;
class TTeLabel;
class TZlEdit;
class TZlSpeedButton;

class TF_Login : public TLedgerForm {
public:
    explicit TF_Login(TComponent* AOwner = nullptr);

    TTeLabel* lb_server = nullptr;
    TZlEdit* ed_server = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TTeLabel* lb_login = nullptr;
    TZlEdit* ed_login = nullptr;
    TTeLabel* lb_password = nullptr;
    TZlEdit* ed_password = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;

    // 0 until a login on this dialog succeeded; then 1 for the first, 2 for a later one.
    int LoginCount = 0;

    // Connects CONN1 to the file, checks the unit rows and remembers the path; on failure shows
    // the reason, leaves CONN1 closed and answers false.
    bool ConnectDatabase(const std::string& Path);

    void FormShow();
    void ZlSpeedButton1Click();
    void TeButton1Click();
    void TeButton2Click();

protected:
    void DoShow() override;

private:
    void ShowLoginFields();
};
