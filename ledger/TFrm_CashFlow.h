#pragma once
// The cash vouchers window: the vouchers of one unit and month (one list row per voucher, its line
// on the chosen account) beside an entry panel where a voucher is added, changed, deleted or found.
// Each voucher is a header and two lines: the unit's cash account and the chosen account.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TADOQuery;
class TCheckBox;
class TDataSource;
class TDateTimePicker;
class TLabel;
class TPanel;
class TTeButton;
class TZgDBGrid;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_CashFlow : public TLedgerForm {
public:
    explicit TFrm_CashFlow(TComponent* AOwner = nullptr);
    ~TFrm_CashFlow() override;

    TADOQuery* v_cash = nullptr;
    TDataSource* ds_Vcash = nullptr;

    TPanel* Panel3 = nullptr;
    TPanel* Panel1 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TLabel* Label1 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlEdit* ZlEdit4 = nullptr;
    TZlSpeedButton* ZlSpeedButton2 = nullptr;
    TZlSpeedButton* ZlSpeedButton5 = nullptr;
    TZlSpeedButton* ZlSpeedButton3 = nullptr;

    TPanel* Panel2 = nullptr;
    TZlLabel* LabelUnit = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TZlComboBox* ZlComboBox2 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TPanel* Panel4 = nullptr;
    TZlEdit* ZlEdit5 = nullptr;
    TZlComboBox* ZlComboBox3 = nullptr;
    TZlSpeedButton* ZlSpeedButton4 = nullptr;
    TZgDBGrid* zgdbgrid27 = nullptr;
    TTeButton* TeButton1 = nullptr;

    // The unit the window works on and its cash account id ("0" when the settings name none).
    const std::string& UnitId() const { return unitId_; }
    // The key of the voucher being entered; empty while browsing.
    const std::string& VoucherKey() const { return key_; }
    bool EnteringNew() const;

    void SetProposedDate();
    // Lists the chosen month of the unit, narrowed further by a search criterion when one is given.
    void ApplyPeriodFilter(const std::string& criterion);
    void ApplySortOrder();

protected:
    void DoClose(TCloseAction& action) override;

private:
    void FormShow();
    void UnitChanged();
    // The rows the list shows: the unit's lines on other accounts than cash, in the chosen month.
    std::string ListCondition() const;
    // Runs 'read' (opening or requerying the list) in one read of the book with the images of the
    // vouchers it lists, so that a save or delete checks against what the window shows.
    void ReadList(const std::function<void()>& read);
    void OpenList();
    void MonthChanged();
    void ListOpened();
    void RequeryList();
    void RowToPanel();
    void ClearPanel();
    void AddClick();
    void SaveClick();
    void DeleteClick();
    void EndEntry();
    // After another instance changed or deleted the voucher: its box, then the list and row read again.
    void ShowRefusal(const EChangedByOther& refusal, const std::string& key);
    void Refuse(const std::string& text, TWinControl* focus);
    bool CashAccountSet();
    // False, with the box, when the book file was replaced under the window and its connection closed.
    bool BookOpen();
    // The account lookups; each answers whether an account was found and taken.
    void CodeLeft();
    bool CodeEntered();
    void ShowAccountList(const std::string& order);
    void TakeAccount(TADOQuery& row);
    void SearchChecked();
    void CriterionChanged();
    void Find();

    std::vector<std::string> unitIds_;
    std::string unitId_;
    std::string cashId_;
    std::string key_;
    std::string chosenId_;
    // The voucher the panel shows, as read: a save or delete writes only while it is still so.
    std::string shownKey_;
    TRowImage shownRows_;
    // The images of the listed vouchers by key, from the read that filled the list.
    std::map<std::string, TRowImage> listedVouchers_;
    int year_ = 0;
    int month_ = 1;
    std::string listCondition_;
};

extern TFrm_CashFlow* Frm_CashFlow;
