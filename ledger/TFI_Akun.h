#pragma once
// The account dialog: creates or changes one account of the chart, proposing its code from the
// category or the parent account and its normal side from the account class. For a new account
// the chart window has already stored a blank coa row with the new id; every close of the dialog
// that is not a successful Save deletes that row again.
#include <string>
#include <vector>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TADOTable;
class TZlButton;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;

class TFI_Akun : public TLedgerForm {
public:
    explicit TFI_Akun(TComponent* AOwner = nullptr);

    // 1 new account, 2 edit; set by the caller before showing, with AccountIdText.
    int Mode = 1;
    std::string AccountIdText;

    TZlRadio* ZlRadio3 = nullptr;
    TZlRadio* ZlRadio4 = nullptr;
    TZlRadio* ZlRadio5 = nullptr;
    TZlLabel* ZlLabel5 = nullptr;
    TZlComboBox* ZlComboBox2 = nullptr;
    TZlEdit* Zledit2 = nullptr;
    TZlEdit* Zledit3 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlLabel* ZlLabel7 = nullptr;
    TZlComboBox* ZlComboBox3 = nullptr;
    TZlButton* TeButton1 = nullptr;
    TZlButton* TeButton2 = nullptr;
    TADOTable* coa = nullptr;

    // The proposed code for the checked kind and the chosen list entry; also fills the field.
    void ZlComboBox2Change();

protected:
    void DoClose(TCloseAction& action) override;

private:
    void FormShow();
    void LoadUnits();
    void ZlRadio3Click(TZlRadio* kind);
    void TeButton1Click();
    bool CodeTaken(const std::string& code);
    enum class TAccountSave { Saved, CodeTaken, AccountMissing };
    // Writes the account in one transaction, or nothing when the code is taken or the account's
    // row is gone; raises EChangedByOther, writing nothing, when another instance changed or
    // deleted the edited account since the dialog read it.
    TAccountSave SaveAccount(const std::string& code, const std::vector<std::string>& categories, int entry);
    // The list entry chosen, when its numbers are loaded; -1 otherwise.
    int ChosenEntry() const;

    std::string oldCode_;
    std::vector<std::string> unitIds_;
    std::vector<std::string> categoryNumbers_;
    std::vector<std::string> parentPrefixes_;
    std::vector<std::string> parentCategories_;
    // An edited account whose unit is not in the list keeps its stored unit.
    bool storedUnitListed_ = true;
    bool saved_ = false;
    // The edited account as the dialog read it.
    TRowImage asRead_;
};

// Every column of the stored account 'id', or of all accounts when 'id' is empty, in id order:
// what a save or a delete of an account checks is still as read.
std::string StoredAccounts(const std::string& id = {});
