#pragma once
// The adjusting voucher's header dialog: number and date of a new voucher (mode 1), or a new
// date for a listed one (mode 2). Afterwards a non-empty VoucherKey means a voucher was written.
#include <string>

#include "ledger/SharedBooks.h"
#include "ledger/TLedgerForm.h"

class TDateTimePicker;
class TTeButton;
class TZlEdit;

class TFI_Jurnal : public TLedgerForm {
public:
    explicit TFI_Jurnal(TComponent* AOwner = nullptr);
    ~TFI_Jurnal() override;

    // 1 new voucher, 2 change of date.
    int Mode = 1;
    std::string VoucherKey;
    std::string UnitId;
    // The new header is written with ajp true and the unit.
    bool FullInsert = false;
    // The year the adjusting list shows: a voucher dated outside it would not be listed.
    int Year = 0;

    TZlEdit* ZlEdit1 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;

private:
    void FormShow();
    // Mode 2: the number and date of the voucher as the book holds them, shown and kept for the save's check.
    void ReadHeader();
    void SaveClick();

    TRowImage headerAsRead_;
};

extern TFI_Jurnal* FI_Jurnal;
