#pragma once
// The system settings window: company data, the book year and its months, and the control
// accounts of each unit, written into the single ref_sistem row and loaded into the login state.
#include <array>
#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TADOTable;
class TTeButton;
class TZlButton;
class TZlComboBox;
class TZlEdit;
class TZlLabel;

class TF_Sisutils : public TLedgerForm {
public:
    explicit TF_Sisutils(TComponent* AOwner = nullptr);
    ~TF_Sisutils() override;

    // One control account: its code field, hidden id field and pick button, and its column.
    struct TAccountRow {
        TZlEdit* Code = nullptr;
        TZlEdit* Id = nullptr;
        TZlButton* Pick = nullptr;
        const char* Column = "";
    };

    TADOTable* ref_sistem = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlEdit* ZlEdit4 = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TZlComboBox* ZlComboBox2 = nullptr;
    TZlComboBox* ZlComboBox3 = nullptr;
    // Cash, P/L and retained earnings of the first unit first; the other nine are hidden.
    std::array<TAccountRow, 12> Accounts;
    TTeButton* TeButton4 = nullptr;
    TTeButton* TeButton3 = nullptr;

private:
    void FormShow();
    void FillYears(int storedYear);
    void Button1Click(const TAccountRow& row);
    void TeButton4Click();
    // Writes the settings in one transaction; raises EChangedByOther, writing nothing, when
    // another instance changed them since the window read them.
    void SaveSettings(int first, int last);

    TRowImage asRead_;
};

extern TF_Sisutils* F_Sisutils;

// The caption of a control account's setting in the settings window, by its ref_sistem column
// ("Piutang Karyawan" for id_pihutang); empty for any other column.
std::string ControlAccountCaption(const std::string& column);
