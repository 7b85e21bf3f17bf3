#pragma once
// The category dialog: class, running number, name, normal side and report group of one
// account category. The chart window fills it for an edit and writes the row after Save.
#include <string>

#include "ledger/TLedgerForm.h"

class TZlButton;
class TZlComboBox;
class TZlEdit;
class TZlLabel;
class TZlRadio;

class TFI_Jenis_coa : public TLedgerForm {
public:
    explicit TFI_Jenis_coa(TComponent* AOwner = nullptr);

    // True when the dialog was closed by "&Save".
    bool Saved = false;

    TZlComboBox* ZlComboBox1 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlEdit* ZlEdit3 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TZlRadio* ZlRadio1 = nullptr;
    TZlRadio* ZlRadio2 = nullptr;
    TZlRadio* ZlRadio3 = nullptr;
    TZlRadio* ZlRadio4 = nullptr;
    TZlButton* TeButton1 = nullptr;
    TZlButton* TeButton2 = nullptr;

    // The category number: the class digit followed by the running number.
    std::string Number() const;

private:
    void ZlComboBox1Change();
    void TeButton1Click();
};
