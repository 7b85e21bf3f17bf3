#include "payroll/TFrm_KasBon.h"

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/LoginState.h"
#include "ledger/ReportLayout.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Sisutils.h"
#include "ledger/VoucherWindows.h"
#include "ledger/Vouchers.h"
#include "ledger/WindowPattern.h"
#include "payroll/Advances.h"
#include "payroll/AmountField.h"
#include "payroll/PayrollControls.h"
#include "payroll/PeriodDate.h"
#include "payroll/TFQR_Kasbon.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/Clock.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/report/TQRLabel.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFrm_KasBon::TFrm_KasBon(TComponent* AOwner) : TLedgerForm(AOwner, "Kasbon")
{
    SetName("Frm_KasBon");
    SetCaption("Kasbon");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(760, 450);

    ref_unit = CreateOwned<TADOTable>(*this);
    ref_unit->SetName("ref_unit");
    ref_unit->SetTableName("ref_unit");
    ds_unit = CreateOwned<TDataSource>(*this);
    ds_unit->SetDataSet(ref_unit);
    Q_Karyawan = CreateOwned<TADOQuery>(*this);
    Q_Karyawan->SetName("Q_Karyawan");
    for (const char* line : {"select distinct kode, nik, nama ", "from ref_anggota",
             "where status_anggota=true and id_unit = :id_unit"})
        Q_Karyawan->SQL().Add(line);
    Q_Karyawan->SetDataSource(ds_unit);
    ds_karyawan = CreateOwned<TDataSource>(*this);
    ds_karyawan->SetDataSet(Q_Karyawan);
    kasbon = CreateOwned<TADOTable>(*this);
    kasbon->SetName("kasbon");
    kasbon->SetTableName("kasbon");
    ds_kasbon = CreateOwned<TDataSource>(*this);
    ds_kasbon->SetDataSet(kasbon);
    if (DtModule)
        for (TCustomADODataSet* data : std::initializer_list<TCustomADODataSet*>{ref_unit, Q_Karyawan, kasbon})
            data->SetConnection(DtModule->CONN1);

    ZlLabel33 = PlaceHeading(*this, "  :. KASBON KARYAWAN .: ");

    ZgDBGrid4 = PlaceList(*this, "ZgDBGrid4", 8, 40, 200, 60, ds_unit, {});
    ZgDBGrid4->SetVisible(false);
    ZgDBGrid1 = PlaceList(*this, "ZgDBGrid1", 8, 40, 250, 360, ds_karyawan,
        {{"nama", "Nama Karyawan", 140}, {"nik", "NIK", 70}});
    PlaceSortOptions(*this, 8, 406, ZlRadio7, ZlRadio8, [this](const char* field) {
        if (!Q_Karyawan->Active())
            Q_Karyawan->Open();
        Q_Karyawan->SetSort(field);
        EmployeeChanged();
    });
    ZgDBGrid2 = PlaceList(*this, "ZgDBGrid2", 268, 40, 484, 190, ds_kasbon,
        {{"tanggal", "Tanggal", 72}, {"no_bukti", "No.Bukti", 60}, {"keterangan", "Keterangan", 150},
            {"debet", "Debet", 80}, {"kredit", "Kredit", 80}});

    const int labelLeft = 268, fieldLeft = 370;
    int top = 240;
    auto caption = [&](const char* text) { PlaceCaption(*this, text, labelLeft, top + 2, fieldLeft - labelLeft - 4); };
    caption(" No.Bukti :");
    ZlEdit12 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit12", fieldLeft, top, 120, 19);
    ZlEdit12->SetMaxLength(20);
    top += 24;
    caption(" Tanggal :");
    DateTimePicker1 = PlaceControl<TDateTimePicker>(*this, *this, "DateTimePicker1", fieldLeft, top, 110, 21);
    top += 26;
    caption(" Transaksi :");
    ZlRadio1 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio1", fieldLeft, top, 90, 17);
    ZlRadio1->SetCaption(" Pinjaman");
    ZlRadio2 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio2", fieldLeft + 100, top, 90, 17);
    ZlRadio2->SetCaption(" Bayar ");
    ZlRadio1->SetGroupIndex(2);
    ZlRadio2->SetGroupIndex(2);
    top += 24;
    caption(" Keterangan :");
    ZlEdit2 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit2", fieldLeft, top, 300, 19);
    ZlEdit2->SetMaxLength(50);
    top += 24;
    caption(" Jumlah :");
    ZlEdit3 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit3", fieldLeft, top, 150, 19);
    MakeAmountField(*ZlEdit3);
    top += 24;
    caption(" Jml.Kasbon :");
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", fieldLeft, top, 150, 19);
    MakeAmountField(*ZlEdit1);
    ZlEdit1->SetReadOnly(true);

    ZlSpeedButton15 = PlaceButton(*this, "ZlSpeedButton15", "&Add", 268, 416);
    ZlSpeedButton1 = PlaceButton(*this, "ZlSpeedButton1", "&Edit", 342, 416);
    ZlSpeedButton14 = PlaceButton(*this, "ZlSpeedButton14", "&Save", 416, 416);
    ZlSpeedButton13 = PlaceButton(*this, "ZlSpeedButton13", "&Delete", 490, 416);
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 600, 416, 70, 25);
    TeButton2->SetCaption("&Cetak");
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 676, 416, 70, 25);
    TeButton1->SetCaption("&Close");
    buttons_ = std::make_unique<TRecordModeButtons>(*ZlSpeedButton15, *ZlSpeedButton1, *ZlSpeedButton14,
        *ZlSpeedButton13);
    buttons_->Browse(false);

    ZlSpeedButton15->OnClick = [this](TComponent*) { ZlSpeedButton15Click(); };
    ZlSpeedButton1->OnClick = [this](TComponent*) { ZlSpeedButton1Click(); };
    ZlSpeedButton14->OnClick = [this](TComponent*) { ZlSpeedButton14Click(); };
    ZlSpeedButton13->OnClick = [this](TComponent*) { ZlSpeedButton13Click(); };
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton1->OnClick = [this](TComponent*) { Close(); };

    for (TZlEdit* entry : {ZlEdit12, ZlEdit2, ZlEdit3})
        MoveFocusOnEnter(*entry);
    ZlEdit1->OnEnter = [this](TComponent*) { SelectNext(ZlEdit1, true, true); };
    for (TZlRadio* kind : {ZlRadio1, ZlRadio2})
        kind->OnMouseDown = [this, kind](TComponent*, TMouseButton button, TShiftState, int, int) {
            if (button == TMouseButton::mbLeft) {
                const bool known = Q_Karyawan->Active() && !Q_Karyawan->IsEmpty();
                const std::string nama =
                    known ? IfNull(Q_Karyawan->FieldByName("nama")->Value(), "-").AsString() : "-";
                ZlEdit2->SetText((kind == ZlRadio1 ? "Pinjaman An " : "Pembayaran Pinjaman dari ") + nama);
            }
            ZlEdit3->SetFocus();
        };

    buttons_->CancelBeforeScroll(*Q_Karyawan, [this] { CancelInput(); });
    Q_Karyawan->AfterScroll = [this](TDataSet*) { EmployeeChanged(); };
    kasbon->AfterOpen = [this](TDataSet*) {
        for (const char* amount : {"debet", "kredit"})
            kasbon->FieldByName(amount)->SetDisplayFormat("#,##0.00");
        kasbon->FieldByName("tanggal")->SetDisplayFormat("dd/MM/yyyy");
        ButtonStates();
    };
    kasbon->AfterScroll = [this](TDataSet*) {
        if (buttons_->Mode() == TRecordMode::Editing)
            LoadEntry();
    };
    OnShow = [this](TComponent*) { FormShow(); };
}

TFrm_KasBon::~TFrm_KasBon()
{
    Q_Karyawan->BeforeScroll = nullptr;
    kasbon->AfterScroll = nullptr;
}

std::string TFrm_KasBon::UnitId() const
{
    if (!ref_unit->Active() || ref_unit->IsEmpty())
        return "";
    return IfNull(ref_unit->FieldByName("id_unit")->Value(), "").AsString();
}

std::string TFrm_KasBon::EmployeeField(const char* field) const
{
    if (!Q_Karyawan->Active() || Q_Karyawan->IsEmpty())
        return "";
    return IfNull(Q_Karyawan->FieldByName(field)->Value(), "").AsString();
}

void TFrm_KasBon::FormShow()
{
    for (TZlRadio* option : {ZlRadio1, ZlRadio2, ZlRadio7, ZlRadio8})
        option->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    ref_unit->Open();
    kasbon->Open();
    Q_Karyawan->Close();
    Q_Karyawan->Open();
    EmployeeChanged();
}

void TFrm_KasBon::EmployeeChanged()
{
    if (!kasbon->Active())
        return;
    const bool employees = Q_Karyawan->Active() && !Q_Karyawan->IsEmpty();
    const std::string kode = employees ? IfNull(Q_Karyawan->FieldByName("kode")->Value(), "-").AsString() : "-";
    kasbon->SetFiltered(false);
    kasbon->SetFilter("kode = '" + SqlText(kode) + "'");
    kasbon->SetFiltered(true);
    if (employees)
        ShowAmount(*ZlEdit1, AdvanceBalance(*DtModule, kode));
    ButtonStates();
}

void TFrm_KasBon::ButtonStates()
{
    const bool entries = kasbon->Active() && !kasbon->IsEmpty();
    buttons_->Browse(entries);
    if (!entries) {
        ZlEdit1->SetText("0");
        ZlEdit1->SetNumericValue(0);
    }
}

void TFrm_KasBon::EmptyEditors()
{
    ZlEdit12->SetText("");
    ZlEdit2->SetText("");
    ClearAmount(*ZlEdit3);
    ZlRadio1->SetChecked(false);
    ZlRadio2->SetChecked(false);
    DateTimePicker1->SetDate(CurrentClock().Now());
}

void TFrm_KasBon::CancelInput()
{
    buttons_->Cancel();
    EmptyEditors();
    if (kasbon->IsEmpty())
        buttons_->Browse(false);
}

bool TFrm_KasBon::RefuseCarryRow()
{
    if (!IsCarryRow(IfNull(kasbon->FieldByName("no_bukti")->Value(), "").AsString()))
        return false;
    MessageDlg("Nomor bukti 0000 adalah Transaksi penutupan dan tidak boleh diedit atau dihapus!",
               TMsgDlgType::mtError, mbOK);
    return true;
}

void TFrm_KasBon::LoadEntry()
{
    TDataSet& entry = *kasbon;
    ZlEdit12->SetText(IfNull(entry.FieldByName("no_bukti")->Value(), "").AsString());
    ZlEdit2->SetText(IfNull(entry.FieldByName("keterangan")->Value(), "").AsString());
    const Currency debet = AmountOf(*entry.FieldByName("debet"));
    const Currency kredit = AmountOf(*entry.FieldByName("kredit"));
    // An entry with both amounts loads neither, so no kind of the entry shown before stays checked.
    ClearAmount(*ZlEdit3);
    ZlRadio1->SetChecked(false);
    ZlRadio2->SetChecked(false);
    if (debet != Currency() && kredit == Currency()) {
        ShowAmount(*ZlEdit3, debet);
        ZlRadio2->SetChecked(true);
    } else if (debet == Currency()) {
        ShowAmount(*ZlEdit3, kredit);
        ZlRadio1->SetChecked(true);
    }
    if (!entry.FieldByName("tanggal")->IsNull())
        DateTimePicker1->SetDate(entry.FieldByName("tanggal")->AsDateTime());
}

void TFrm_KasBon::ZlSpeedButton15Click()
{
    const std::string unit = UnitId();
    const std::string digit = unit == "10" ? "1" : unit == "11" ? "2" : unit == "12" ? "3" : "";
    buttons_->StartAdding();
    std::string number;
    if (!digit.empty())
        NextVoucherNumber(*DtModule, 1, digit, number);
    ZlEdit12->SetText(number);
    int year = 0, month = 0, day = 0;
    DecodeDate(CurrentClock().Now(), year, month, day);
    DateTimePicker1->SetDate(PeriodDate(LoginState().ref_tahun, month, day));
    ZlEdit12->SetFocus();
}

void TFrm_KasBon::ZlSpeedButton1Click()
{
    ZgDBGrid2->ShowCurrentRecord();
    if (buttons_->Entering()) {
        CancelInput();
        return;
    }
    if (kasbon->IsEmpty() || RefuseCarryRow())
        return;
    LoadEntry();
    buttons_->StartEditing();
    ZlEdit12->SetFocus();
}

void TFrm_KasBon::ZlSpeedButton14Click()
{
    const TRecordMode mode = buttons_->Mode();
    if (mode == TRecordMode::Browsing)
        return;
    if (ZlEdit12->Text().empty()) {
        MessageDlg("Transaksi tidak lengkap!, Silakah isi no_bukti!", TMsgDlgType::mtError, mbOK);
        ZlEdit12->SetFocus();
        return;
    }
    // The entry writes a cash voucher, which the cash window lists only within the book year.
    if (!InBookYear(DateTimePicker1->Date(), LoginState().ref_tahun)) {
        MessageDlg(OutsideBookYearText(LoginState().ref_tahun), TMsgDlgType::mtError, mbOK);
        DateTimePicker1->SetFocus();
        return;
    }
    if (!ZlRadio1->Checked() && !ZlRadio2->Checked()) {
        MessageDlg("Transaksi tidak lengkap!, Silakah pilih Pinjaman atau Bayar!", TMsgDlgType::mtError, mbOK);
        ZlRadio1->SetFocus();
        return;
    }
    if (AmountOf(*ZlEdit3) == Currency()) {
        MessageDlg("Transaksi tidak lengkap!, Silakah isi jumlah!", TMsgDlgType::mtError, mbOK);
        ZlEdit3->SetFocus();
        return;
    }
    // Pinjaman or Bayar sets the direction; a sign would turn it round unseen.
    if (AmountOf(*ZlEdit3) < Currency()) {
        MessageDlg("Jumlah tidak boleh negatif!, Silakah pilih Pinjaman atau Bayar!", TMsgDlgType::mtError, mbOK);
        ZlEdit3->SetFocus();
        return;
    }
    if (const auto missing = MissingAdvanceAccount(UnitId(), LoginState())) {
        // Only units 10, 11 and 12 have these accounts.
        const int unitIndex = static_cast<int>(StrToInt(UnitId())) - 10;
        const std::string setting = ControlAccountCaption(ControlAccountColumn(unitIndex, *missing));
        MessageDlg("Transaksi tidak dapat dilakukan tanpa " + setting + ", silakan isikan dulu di System Setting!",
                   TMsgDlgType::mtError, mbOK);
        return;
    }
    if (mode == TRecordMode::Adding && VoucherNumberInUse(*DtModule, ZlEdit12->Text())) {
        MessageDlg("Nomor Bukti yang anda masukkan sudah digunakan, silakan masukkan nomor bukti yang lain ",
                   TMsgDlgType::mtError, mbOK);
        ZlEdit12->SetFocus();
        return;
    }
    if (mode == TRecordMode::Editing && (kasbon->IsEmpty() || RefuseCarryRow()))
        return;

    TAdvanceEntry entry;
    if (mode == TRecordMode::Editing)
        entry.Noid = kasbon->FieldByName("noid")->AsInteger();
    entry.Kode = EmployeeField("kode");
    entry.NoBukti = ZlEdit12->Text();
    entry.Tanggal = DateTimePicker1->Date();
    entry.Keterangan = ZlEdit2->Text();
    entry.Kind = ZlRadio1->Checked() ? TAdvanceKind::Advance : TAdvanceKind::Repayment;
    entry.Amount = AmountOf(*ZlEdit3);
    entry.IdUnit = UnitId();
    const int64_t noid = SaveAdvance(*DtModule, entry, LoginState());
    ShowMessage(mode == TRecordMode::Adding ? "Data tersimpan" : "Perubahan data tersimpan");

    buttons_->Browse(true);
    kasbon->Requery();
    EmployeeChanged();
    kasbon->Locate("noid", Variant(noid));
    EmptyEditors();
}

void TFrm_KasBon::ZlSpeedButton13Click()
{
    ZgDBGrid2->ShowCurrentRecord();
    if (kasbon->IsEmpty())
        return;
    if (buttons_->Mode() == TRecordMode::Browsing && RefuseCarryRow())
        return;
    if (MessageDlg("Apakan anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    DeleteAdvance(*DtModule, kasbon->FieldByName("noid")->AsInteger());
    ShowMessage("Data terhapus");
    kasbon->Requery();
    EmployeeChanged();
}

void TFrm_KasBon::TeButton2Click()
{
    TLayoutHolder layout(new TFQR_Kasbon());
    auto& list = static_cast<TFQR_Kasbon&>(*layout);
    list.QRLabel4->SetCaption("DAFTAR KASBON DAN PEMBAYARAN " + UpperCase(EmployeeField("nama")));
    OpenSQL(*list.AdoQuery1, "select distinct NIK, NAMA from v_KASBON where nik='" + SqlText(EmployeeField("nik")) + "'");
    OpenSQL(*list.AdoQuery2, list.AdoQuery2->SQL().Text());
    list.periode->SetCaption("");
    list.Preview();
}
