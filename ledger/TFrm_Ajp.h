#pragma once
// The adjusting entries window: the adjusting vouchers of one unit and month, their header made
// through the dialog TFI_Jurnal, and their debit and credit lines edited in a grid that may not
// be left while the voucher does not balance.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"
#include "ledger/Vouchers.h"
#include "platform/core/Currency.h"

class TADOTable;
class TTransaction;
class TDataSource;
class TPanel;
class TTeButton;
class TZgDBGrid;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_Ajp : public TLedgerForm {
public:
    explicit TFrm_Ajp(TComponent* AOwner = nullptr);
    ~TFrm_Ajp() override;

    TADOTable* T_Vouc = nullptr;
    TADOTable* TR_VOUC = nullptr;
    TDataSource* DataSource1 = nullptr;
    TDataSource* DataSource2 = nullptr;

    TPanel* Panel3 = nullptr;
    TPanel* Panel2 = nullptr;
    TZlLabel* LabelUnit = nullptr;
    TZlComboBox* ZlComboBox1 = nullptr;
    TZlComboBox* ZlComboBox2 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TZgDBGrid* zgdbgrid27 = nullptr;
    TTeButton* TeButton4 = nullptr;
    TTeButton* TeButton3 = nullptr;
    TTeButton* TeButton5 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TPanel* Panel1 = nullptr;
    TZgDBGrid* DBGrid1 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TZlSpeedButton* ZlSpeedButton2 = nullptr;
    TZlSpeedButton* ZlSpeedButton3 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TTeButton* TeButton1 = nullptr;

    Currency DebitTotal() const { return debitTotal_; }
    Currency CreditTotal() const { return creditTotal_; }

    // Posts a pending line; a balanced voucher loses its lines without a code, an unbalanced one
    // gets the balance message and the focus back in the lines grid. Answers whether it balanced.
    // Tab between the cells leaves the zero-amount refusal to leaving the lines: a new line has
    // no amount until its amount cells are reached.
    bool CheckBalance(bool refuseZeroTotals = true);

    bool CloseQuery() override;
    void DoClose(TCloseAction& action) override;
    // The key of the voucher shown; empty with none.
    std::string CurrentKey() const;

private:
    void FormShow();
    std::string UnitId() const;
    void MonthChanged();
    void ApplyVoucherFilter();
    void VoucherScrolled();
    void SetLinesEnabled(bool enabled);
    void RecomputeTotals();
    void UpdateHeader();
    // The header row of the voucher shown, as read with its lines; null when it was gone.
    const std::vector<Variant>* ShownHeader() const;
    void NewClick();
    void EditClick();
    void DeleteVoucherClick();
    // After the dialog: the voucher of the key made current, in its own month when needed.
    void ShowVoucher(const std::string& key);
    void GridEntered();
    void GridKeyPress(char32_t& key);
    void GridColEnter();
    // Opens the unit's non-header account of the code on Query1; answers whether there is one.
    bool FindLineAccount(const std::string& code);
    // The code cell was left (Tab, a click, a post): a typed code gets its account and name, amounts
    // typed stay; a code that is no account of the unit is cleared with a message. Answers false then.
    bool CodeLeft();
    void PickAccount();
    // The grid writes a line itself: the write and its checks (the book year, the voucher as shown,
    // the line's account) share one transaction, opened here and ended by EndLineWrite. A failed
    // check gives its box, reads the vouchers and lines again and aborts the write.
    void BeginLineWrite(bool checkAccount);
    void EndLineWrite();
    void RefuseLineWrite(const std::string& text);
    void LineBeforePost();
    void LineAfterPost();
    void LineAddClick();
    void LineDeleteClick();
    void LineSaveClick();
    void SetLineAccount(const std::string& id, const std::string& code, const std::string& name);
    void ZeroNullAmounts();
    // Lines whose totals are both zero: the error box, and the current line back in edit at its
    // debit for correction. Answers whether it refused.
    bool RefuseZeroTotals();
    // The line in edit with a debit or credit below zero (its column sets the side, not a sign):
    // the error box, and the line kept in edit at that amount. Answers whether it refused.
    bool RefuseNegativeLine();

    std::vector<std::string> unitIds_;
    int year_ = 0;
    int month_ = 1;
    Currency debitTotal_;
    Currency creditTotal_;
    bool closing_ = false;
    // The voucher shown, as read; refreshed after each write of this window's own.
    TRowImage shownRows_;
    // What OthersWriteCount answered when the lines were last read; -1 before.
    int64_t othersWrites_ = -1;
    std::unique_ptr<TTransaction> lineWrite_;
    // Vouchers made here or whose lines were deleted here; on close those left without lines go.
    std::set<std::string> touchedKeys_;
};

extern TFrm_Ajp* Frm_Ajp;
