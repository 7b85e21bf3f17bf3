#pragma once
// The employee dialog: creates an employee with NIK and name, or changes an employee's NIK and
// name, refusing an empty NIK and one another employee holds.
#include <string>

#include "ledger/TLedgerForm.h"

class TTeButton;
class TZlEdit;
class TZlLabel;

class TFI_Anggota : public TLedgerForm {
public:
    enum TMode { Create = 1, Rename = 2 };

    explicit TFI_Anggota(TComponent* AOwner = nullptr);

    // Set by the caller before showing: the mode, the unit of a new employee, the employee renamed.
    int Mode = Create;
    std::string IdUnit;
    std::string OldNik;
    // In: the employee renamed. Out: the key of the employee saved, empty when nothing was saved.
    std::string Kode;

    TZlLabel* ZlLabel1 = nullptr;
    TZlEdit* ZlEdit1 = nullptr;
    TZlLabel* ZlLabel2 = nullptr;
    TZlEdit* ZlEdit2 = nullptr;
    TTeButton* TeButton1 = nullptr;
    TTeButton* TeButton2 = nullptr;

private:
    void TeButton1Click();
};
