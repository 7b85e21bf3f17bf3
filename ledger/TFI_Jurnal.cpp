#include "ledger/TFI_Jurnal.h"

#include "controls/flat/TZlEdit.h"
#include "ledger/SharedBooks.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TimeStampKey.h"
#include "ledger/VoucherWindows.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOConnection.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFI_Jurnal* FI_Jurnal = nullptr;

TFI_Jurnal::TFI_Jurnal(TComponent* AOwner) : TLedgerForm(AOwner, "FI_Jurnal")
{
    SetName("FI_Jurnal");
    FI_Jurnal = this;
    SetCaption("FI_Jurnal");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poMainFormCenter);
    TeForm1->SetBorderIcons(BorderIconBit(kbiClose) | BorderIconBit(kbiSystemMenu));
    SetClientSize(280, 112);

    PlaceLabel(*this, *this, "Label1", "No. Bukti", 12, 16, 70, 16);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 90, 12, 176, 21);
    ZlEdit1->SetMaxLength(20);
    PlaceLabel(*this, *this, "Label2", "Tanggal", 12, 44, 70, 16);
    DateTimePicker1 = PlaceControl<TDateTimePicker>(*this, *this, "DateTimePicker1", 90, 40, 120, 21);
    DateTimePicker1->SetFormat("dd/MM/yyyy");
    DateTimePicker1->SetDate(Now());
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 104, 76, 80, 26);
    TeButton1->SetCaption("&Save");
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 188, 76, 80, 26);
    TeButton2->SetCaption("&Cancel");
    TeButton2->SetCancel(true);

    MoveFocusOnEnter(*ZlEdit1);
    MoveFocusOnEnter(*DateTimePicker1);
    OnShow = [this](TComponent*) { FormShow(); };
    TeButton1->OnClick = [this](TComponent*) { SaveClick(); };
    TeButton2->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
    UseWindowFont(*this);
}

TFI_Jurnal::~TFI_Jurnal()
{
    if (FI_Jurnal == this)
        FI_Jurnal = nullptr;
}

namespace {

std::string HeaderSelect(const std::string& key)
{
    return "select no_vouc, tgl_vouc from T_vouc where ID_Vouc='" + SqlText(key) + "'";
}

} // namespace

void TFI_Jurnal::FormShow()
{
    if (Mode == 2 && DtModule)
        ReadHeader();
}

void TFI_Jurnal::ReadHeader()
{
    headerAsRead_ = ReadRows(*DtModule, HeaderSelect(VoucherKey));
    const bool found = !headerAsRead_.empty();
    ZlEdit1->SetText(found ? IfNull(headerAsRead_.front().at(0), std::string()).AsString() : std::string());
    const Variant date = found ? headerAsRead_.front().at(1) : Variant();
    DateTimePicker1->SetDate(date.IsNull() ? Now() : date.AsDateTime());
}

void TFI_Jurnal::SaveClick()
{
    if (!DtModule)
        return;
    TDtModule& dm = *DtModule;
    // Blanks alone would save a voucher listed with no number.
    const std::string number = Trim(ZlEdit1->Text());
    if (number.empty()) {
        ShowMessage("Anda harus mengisikan nomor bukti transaksi!");
        ZlEdit1->SetFocus();
        return;
    }
    if (!InBookYear(DateTimePicker1->Date(), Year)) {
        ShowMessage(OutsideBookYearText(Year));
        DateTimePicker1->SetFocus();
        return;
    }
    const std::string date = FormatDateTime("yyyy-mm-dd", DateTimePicker1->Date());
    std::string key = VoucherKey;
    bool taken = false;
    try {
        TTransaction transaction(*dm.CONN1);
        CheckBookYear(dm, Year);
        taken = Mode == 1 && OpenSQL(*dm.Query1, "select no_vouc from T_vouc where no_vouc='" + SqlText(number) + "'");
        if (Mode == 1 && !taken) {
            key = NewVoucherKey(dm);
            if (FullInsert)
                RunSQL(*dm.Query2, "insert into T_Vouc (ID_Vouc, no_vouc, tgl_vouc, ajp, id_unit) values('"
                        + SqlText(key) + "','" + SqlText(number) + "','" + date + "', true, "
                        + SqlNumber(Variant(UnitId)) + ")");
            else
                RunSQL(*dm.Query2, "insert into T_Vouc (ID_Vouc, no_vouc, tgl_vouc) values('" + SqlText(key) + "','"
                        + SqlText(number) + "','" + date + "')");
        } else if (Mode == 2) {
            if (headerAsRead_.empty())
                throw EChangedByOther(ChangedByOtherText);
            CheckRowsUnchanged(dm, HeaderSelect(key), headerAsRead_);
            RunSQL(*dm.Query2, "update T_Vouc set tgl_vouc='" + date + "' where ID_Vouc='" + SqlText(key) + "'");
        }
        if (!taken)
            transaction.Commit();
    } catch (const EChangedByOther& refusal) {
        MessageDlg(refusal.Message(), TMsgDlgType::mtError, mbOK);
        if (Mode == 2)
            ReadHeader();
        return;
    }
    // Shown once the transaction has ended, so no other instance waits on the box.
    if (taken) {
        ShowMessage("Nomor bukti yang anda masukkan sudah digunakan, silakan gunakan nomor bukti yang lain");
        return;
    }
    VoucherKey = key;
    SetModalResult(mrOk);
}
