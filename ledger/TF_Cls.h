#pragma once
// The year-end closing window: asks for a backup path and a confirmation, runs the closing under
// the wait window and logs the user off so that the next login loads the new book year.
#include "ledger/TLedgerForm.h"

class TSaveDialog;
class TZlButton;
class TZlEdit;
class TZlLabel;
class TZlMemo;
class TZlSpeedButton;

class TF_Cls : public TLedgerForm {
public:
    explicit TF_Cls(TComponent* AOwner = nullptr);

    TZlLabel* ZlLabel1 = nullptr;
    TZlMemo* ZlMemo1 = nullptr;
    TZlLabel* ZlLabel2 = nullptr;
    TZlLabel* ZlLabel3 = nullptr;
    TZlEdit* Edit1 = nullptr;
    TZlSpeedButton* ZlSpeedButton1 = nullptr;
    TZlButton* ZlButton1 = nullptr;
    TZlButton* ZlButton2 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    void ZlButton1Click();
    void ZlSpeedButton1Click();
};
