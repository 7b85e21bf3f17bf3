#pragma once
// The lookup popup: a modal list that a window fills with a query and from which the user picks
// one row, searching in the column last clicked.
#include <cstdint>
#include <string>

#include "ledger/TLedgerForm.h"

class TADOQuery;
class TDataSource;
class TZgColumn;
class TZgDBGrid;
class TZlButton;
class TZlEdit;
class TZlLabel;

class TFrm_PopWin : public TLedgerForm {
public:
    explicit TFrm_PopWin(TComponent* AOwner = nullptr);

    // Opens Sql in Qpopwin and shows the list modally; size 1, 2, 3 is narrow, middle, wide, any
    // other keeps the last size. Afterwards Chosen says whether Qpopwin's current row was picked.
    void ShowLookup(const std::string& Caption, const std::string& Sql, uint8_t Size);

    bool Chosen = false;
    // The title of the column last clicked; the search looks in it.
    std::string SearchColumn;

    TZgDBGrid* DBGrid1 = nullptr;
    TDataSource* DataSource1 = nullptr;
    TADOQuery* Qpopwin = nullptr;
    TZlLabel* ZlLabel1 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlButton* ZlButton3 = nullptr;
    TZlButton* ZlButton1 = nullptr;
    TZlButton* ZlButton2 = nullptr;

private:
    void FormShow();
    void ChooseAndClose();
    void ColumnClicked(TZgColumn* Column);
    void Search();
};

extern TFrm_PopWin* Frm_PopWin;
