#pragma once
// The budget window: the planned amount of every revenue and expense account per month, edited
// in a grid over the work table to_anggaran, saved into anggaran, and the current month's
// realisation report.
#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TADOTable;
class TDataSource;
class TTeButton;
class TZgDBGrid;
class TZlLabel;
class TZlRadio;
class TZlSpeedButton;

class TFrm_Anggaran : public TLedgerForm {
public:
    explicit TFrm_Anggaran(TComponent* AOwner = nullptr);

    TZlLabel* ZlLabel1 = nullptr;
    TZlLabel* ZlLabel2 = nullptr;
    TADOTable* to_anggaran = nullptr;
    TDataSource* DataSource1 = nullptr;
    TZgDBGrid* zgdbgrid27 = nullptr;
    TZlSpeedButton* ZlSpeedButton8 = nullptr;
    TTeButton* TeButton2 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TZlRadio* ZlRadio8 = nullptr;
    TZlRadio* ZlRadio7 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlRadio* ZlRadio3 = nullptr;
    TZlRadio* ZlRadio4 = nullptr;

    // The main window's rebuild: anggaran completed and to_anggaran refilled under the wait
    // window, then the grid shows the new rows; rows typed since typedSince keep their months.
    void RebuildAndRequery(const TRowImage& typedSince = {});
    void SaveBudget();
    void zgdbgrid27KeyPress(char32_t& Key);
    void ZlRadio8Click();
    void ZlRadio1Click();
    void TeButton2Click();

private:
    void FormShow();
    void ShowAmounts();

    // The budget rows as the list shows them when nothing is typed, which Save checks.
    TRowImage asRead_;
};
