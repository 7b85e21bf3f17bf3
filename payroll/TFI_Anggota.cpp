#include "payroll/TFI_Anggota.h"

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TimeStampKey.h"
#include "ledger/WindowPattern.h"
#include "payroll/EmployeeLookup.h"
#include "platform/controls/MessageDialogs.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFI_Anggota::TFI_Anggota(TComponent* AOwner) : TLedgerForm(AOwner, "FI_Jurnal")
{
    SetName("FI_Anggota");
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(330, 110);
    SetBorderIcons(0);
    TeForm1->SetBorderIcons(0);

    ZlLabel1 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel1", 12, 15, 60, 16);
    ZlLabel1->SetCaption("NIK :");
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 80, 12, 150, 19);
    ZlEdit1->SetMaxLength(15);
    ZlLabel2 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel2", 12, 43, 60, 16);
    ZlLabel2->SetCaption("Nama :");
    ZlEdit2 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit2", 80, 40, 238, 19);
    ZlEdit2->SetMaxLength(50);
    ZlLabel1->SetFocusControl(ZlEdit1);
    ZlLabel2->SetFocusControl(ZlEdit2);
    MoveFocusOnEnter(*ZlEdit1);
    MoveFocusOnEnter(*ZlEdit2);

    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 162, 74, 75, 25);
    TeButton1->SetCaption("&Save");
    TeButton1->OnClick = [this](TComponent*) { TeButton1Click(); };
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 243, 74, 75, 25);
    TeButton2->SetCaption("&Cancel");
    TeButton2->SetCancel(true);
    TeButton2->OnClick = [this](TComponent*) {
        Kode.clear();
        SetModalResult(mrCancel);
    };
    SetActiveControl(ZlEdit1);
}

void TFI_Anggota::TeButton1Click()
{
    const std::string nik = ZlEdit1->Text();
    const std::string nama = ZlEdit2->Text();
    if (nik.empty()) {
        ShowMessage("Anda harus mengisikan nomor induk Karyawan!");
        Kode.clear();
        SetModalResult(mrCancel);
        return;
    }
    if (NikInUse(*DtModule, nik, Mode == Rename ? OldNik : std::string())) {
        ShowMessage("Nomor Induk Karyawan [NIK] yang anda masukkan sudah digunakan, silakan gunakan nomor yang lain");
        ZlEdit1->SetFocus();
        return;
    }
    if (Mode == Rename) {
        RunSQL(*DtModule->Query1, "update ref_anggota set nik='" + SqlText(nik) + "', nama='" + SqlText(nama) +
                                      "' where kode= '" + SqlText(Kode) + "'");
    } else {
        const std::string key = NewTimeStampKey(*DtModule, "ref_anggota", "kode");
        RunSQL(*DtModule->Query1, "insert into ref_anggota (kode, nik, nama, status_anggota, id_unit) values('" +
                                      SqlText(key) + "','" + SqlText(nik) + "','" + SqlText(nama) + "', true," +
                                      SqlNumber(Variant(IdUnit)) + ")");
        Kode = key;
    }
    SetModalResult(mrOk);
}
