#pragma once
// The about box: the product, its maker and a short text about both, shown modally.
#include "ledger/TLedgerForm.h"

class TLabel;
class TTeButton;
class TZlMemo;
class TZmMemo;

class TFAbout : public TLedgerForm {
public:
    explicit TFAbout(TComponent* AOwner = nullptr);

    TLabel* Heading = nullptr;
    TLabel* MakerName = nullptr;
    TLabel* MakerAddress = nullptr;
    TZmMemo* ZmMemo1 = nullptr;
    TZlMemo* ZlMemo1 = nullptr;
    TTeButton* TeButton4 = nullptr;
};

// The text of the about box's memo.
extern const char* const AboutText;
