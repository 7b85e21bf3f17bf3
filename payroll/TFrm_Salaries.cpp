#include "payroll/TFrm_Salaries.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/LoginState.h"
#include "ledger/ReportLayout.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFrm_PopWin.h"
#include "ledger/WindowPattern.h"
#include "payroll/AmountField.h"
#include "payroll/EmployeeLookup.h"
#include "payroll/PayrollControls.h"
#include "payroll/PeriodDate.h"
#include "payroll/TFqr_SlipGaji.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/Clock.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

namespace {

// The amount columns of a pay record, in the order of the fields that show them.
const char* const AmountColumns[] = {"gaji_pokok", "uang_makan", "uang_lembur", "Bonus", "Transport", "Tunjangan",
    "pinjaman1", "pinjaman2", "penggantian_barang", "pengambilan_barang"};

std::string NotRegistered()
{
    return "Nomor Induk Karyawan [NIK] tidak terdaftar!, Silakah isi NIK yang benar!";
}

std::string AlreadyPaid(const std::string& nik)
{
    return "Karyawan dengan [NIK] " + nik + " sudah melakukan transaksi gaji!, Silakah cek kembali data yang ada!";
}

} // namespace

TFrm_Salaries::TFrm_Salaries(TComponent* AOwner) : TLedgerForm(AOwner, "Record List Of Salaries")
{
    SetName("Frm_Salaries");
    SetCaption("Record List Of Salaries");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(720, 560);

    QSalary = CreateOwned<TADOQuery>(*this);
    QSalary->SetName("QSalary");
    salary = CreateOwned<TADOTable>(*this);
    salary->SetName("salary");
    salary->SetTableName("salary");
    if (DtModule) {
        QSalary->SetConnection(DtModule->CONN1);
        salary->SetConnection(DtModule->CONN1);
    }
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(QSalary);

    ZlLabel33 = PlaceHeading(*this, "  :. PEMBAYARAN GAJI KARYAWAN .: ");

    PlaceCaption(*this, "Periode :", 8, 42, 60);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox1", 70, 40, 150, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    for (const std::string& month : MonthNames)
        ZlComboBox1->Items().Add(month);
    ZlComboBox1->OnChange = [this](TComponent*) { ZlComboBox1Change(); };

    ZgDBGrid4 = PlaceList(*this, "ZgDBGrid4", 8, 70, 240, 420, DataSource1, {{"nama", "Nama", 130}, {"nik", "NIP", 60}});
    PlaceSortOptions(*this, 8, 496, ZlRadio7, ZlRadio8, [this](const char* field) {
        if (!QSalary->Active())
            QSalary->Open();
        QSalary->SetSort(field);
        AfterScroll();
    });

    const int labelLeft = 260, fieldLeft = 420, fieldWidth = 150;
    int top = 40;
    auto caption = [&](const char* text, int left) {
        return PlaceCaption(*this, text, left, top + 2, fieldLeft - labelLeft - 4);
    };
    auto field = [&](TZlEdit*& edit, const char* name, const char* text, bool amount = true, int indent = 0) {
        TZlLabel* label = caption(text, labelLeft + indent);
        edit = PlaceControl<TZlEdit>(*this, *this, name, fieldLeft, top, fieldWidth, 19);
        label->SetFocusControl(edit);
        if (amount)
            MakeAmountField(*edit);
        top += 24;
    };
    field(ZlEdit12, "ZlEdit12", "NIK :", false);
    ZlEdit12->SetMaxLength(15);
    ZlSpeedButton1 = PlaceControl<TZlSpeedButton>(*this, *this, "ZlSpeedButton1", fieldLeft + fieldWidth + 4, top - 24,
        22, 19);
    ZlSpeedButton1->SetCaption("...");
    field(ZlEdit13, "ZlEdit13", "NAMA KARYAWAN :", false);
    caption("Tanggal:", labelLeft);
    DateTimePicker1 = PlaceControl<TDateTimePicker>(*this, *this, "DateTimePicker1", fieldLeft, top, 110, 21);
    top += 26;
    caption("I. PENDAPATAN ", labelLeft)->Font().SetStyle(fsBold);
    top += 20;
    field(ZlEdit1, "ZlEdit1", "Gaji Pokok :");
    field(ZlEdit2, "ZlEdit2", "Uang Makan :");
    field(ZlEdit3, "ZlEdit3", "Lembur :");
    field(ZlEdit14, "ZlEdit14", "Bonus :");
    field(ZlEdit15, "ZlEdit15", "Transport :");
    field(ZlEdit16, "ZlEdit16", "Tunjangan :");
    field(ZlEdit4, "ZlEdit4", "Jumlah :", true, 40);
    caption("II. PEMOTONGAN ", labelLeft)->Font().SetStyle(fsBold);
    top += 20;
    field(ZlEdit5, "ZlEdit5", "Pinjaman Uang :");
    field(ZlEdit6, "ZlEdit6", "Pinjaman Uang di Koperasi :");
    field(ZlEdit7, "ZlEdit7", "Pinjaman/ Cicilan Barang");
    TZlLabel* hidden = caption("Ambil Barang Logistik", labelLeft);
    ZlEdit17 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit17", fieldLeft, top, fieldWidth, 19);
    MakeAmountField(*ZlEdit17);
    hidden->SetVisible(false);
    ZlEdit17->SetVisible(false);
    field(ZlEdit8, "ZlEdit8", "Jumlah :", true, 40);
    field(ZlEdit9, "ZlEdit9", "III. GAJI DITERIMA ");
    field(ZlEdit10, "ZlEdit10", "CATATAN :", false);
    ZlEdit10->SetMaxLength(100);
    ZlEdit10->SetWidth(280);
    for (TZlEdit* total : {ZlEdit4, ZlEdit8, ZlEdit9})
        total->SetReadOnly(true);

    ZlSpeedButton15 = PlaceButton(*this, "ZlSpeedButton15", "&Add", 260, 526);
    ZlSpeedButton2 = PlaceButton(*this, "ZlSpeedButton2", "&Edit", 334, 526);
    ZlSpeedButton14 = PlaceButton(*this, "ZlSpeedButton14", "&Save", 408, 526);
    ZlSpeedButton13 = PlaceButton(*this, "ZlSpeedButton13", "&Delete", 482, 526);
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 560, 526, 70, 25);
    TeButton2->SetCaption("&Cetak");
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 636, 526, 70, 25);
    TeButton1->SetCaption("&Close");
    buttons_ = std::make_unique<TRecordModeButtons>(*ZlSpeedButton15, *ZlSpeedButton2, *ZlSpeedButton14,
        *ZlSpeedButton13);
    buttons_->Browse(false);
    ZlSpeedButton1->SetVisible(false);
    for (TZlEdit* locked : {ZlEdit12, ZlEdit13, ZlEdit1})
        locked->SetEnabled(false);

    ZlSpeedButton15->OnClick = [this](TComponent*) { ZlSpeedButton15Click(); };
    ZlSpeedButton2->OnClick = [this](TComponent*) { ZlSpeedButton2Click(); };
    ZlSpeedButton14->OnClick = [this](TComponent*) { ZlSpeedButton14Click(); };
    ZlSpeedButton13->OnClick = [this](TComponent*) { ZlSpeedButton13Click(); };
    ZlSpeedButton1->OnClick = [this](TComponent*) { ZlSpeedButton1Click(); };
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton1->OnClick = [this](TComponent*) { Close(); };

    for (TZlEdit* entry : {ZlEdit12, ZlEdit13, ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16, ZlEdit5,
             ZlEdit6, ZlEdit10})
        MoveFocusOnEnter(*entry);
    ZlEdit7->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == U'\r') {
            key = 0;
            ZlEdit10->SetFocus();
        }
    };
    for (TZlEdit* amount : {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16, ZlEdit5, ZlEdit6, ZlEdit7, ZlEdit17})
        amount->OnChange = [this](TComponent*) { ComputeTotals(); };
    ZlEdit12->OnChange = [this](TComponent*) { NikChanged(); };
    ZlEdit12->OnExit = [this](TComponent*) { NikExit(); };
    ZlEdit12->OnKeyDown = [this](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_F1)
            ZlSpeedButton1Click();
    };

    buttons_->CancelBeforeScroll(*QSalary, [this] { CancelInput(); });
    QSalary->AfterScroll = [this](TDataSet*) { AfterScroll(); };
    QSalary->AfterOpen = [this](TDataSet*) { ButtonStates(!QSalary->IsEmpty()); };
    salary->AfterOpen = [this](TDataSet*) { ButtonStates(!QSalary->Active() || !QSalary->IsEmpty()); };
    OnShow = [this](TComponent*) { FormShow(); };
}

TFrm_Salaries::~TFrm_Salaries()
{
    QSalary->BeforeScroll = nullptr;
}

int TFrm_Salaries::PeriodMonth() const
{
    return ZlComboBox1->ItemIndex() + 1;
}

void TFrm_Salaries::FormShow()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(CurrentClock().Now(), year, month, day);
    ZlComboBox1->SetItemIndex(month - 1);
    for (TZlRadio* option : {ZlRadio7, ZlRadio8})
        option->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    salary->Open();
    ZlComboBox1Change();
}

void TFrm_Salaries::SetPeriodDate()
{
    DateTimePicker1->SetDate(PeriodDate(LoginState().ref_tahun, PeriodMonth()));
}

void TFrm_Salaries::ZlComboBox1Change()
{
    if (PeriodMonth() < 1)
        return;
    SetPeriodDate();
    OpenSQL(*QSalary, "select * from v_salary where month(tanggal)=" + std::to_string(PeriodMonth()) +
                          " and year(tanggal)=" + std::to_string(LoginState().ref_tahun) + " order by nik");
    AfterScroll();
}

void TFrm_Salaries::ButtonStates(bool hasRecords)
{
    buttons_->Browse(hasRecords);
    if (!hasRecords)
        EmptyFields();
}

void TFrm_Salaries::AfterScroll()
{
    const bool rows = QSalary->Active() && !QSalary->IsEmpty();
    ButtonStates(rows);
    ZlSpeedButton1->SetVisible(false);
    for (TZlEdit* locked : {ZlEdit12, ZlEdit13, ZlEdit1})
        locked->SetEnabled(false);
    if (!salary->Active())
        return;
    // The restriction is the list's own record, whatever month its date falls in.
    const std::string noid = rows ? IfNull(QSalary->FieldByName("noid")->Value(), "0").AsString() : "0";
    salary->SetFiltered(false);
    salary->SetFilter("noid = " + SqlNumber(Variant(noid)));
    salary->SetFiltered(true);
    if (!salary->IsEmpty())
        LoadRecord();
}

void TFrm_Salaries::LoadRecord()
{
    loading_ = true;
    TDataSet& row = *QSalary;
    ZlEdit12->SetText(IfNull(row.FieldByName("nik")->Value(), "").AsString());
    ZlEdit13->SetText(IfNull(row.FieldByName("nama")->Value(), "").AsString());
    ZlEdit10->SetText(IfNull(row.FieldByName("catatan")->Value(), "").AsString());
    TZlEdit* const amounts[] = {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16, ZlEdit5, ZlEdit6, ZlEdit7,
        ZlEdit17};
    for (size_t i = 0; i < std::size(amounts); ++i)
        ShowAmount(*amounts[i], AmountOf(*row.FieldByName(AmountColumns[i])));
    if (!row.FieldByName("tanggal")->IsNull())
        DateTimePicker1->SetDate(row.FieldByName("tanggal")->AsDateTime());
    loading_ = false;
    ComputeTotals();
}

void TFrm_Salaries::EmptyFields()
{
    loading_ = true;
    for (TZlEdit* text : {ZlEdit12, ZlEdit13, ZlEdit10})
        text->SetText("");
    for (TZlEdit* amount : {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16, ZlEdit4, ZlEdit5, ZlEdit6,
             ZlEdit7, ZlEdit17, ZlEdit8, ZlEdit9})
        ClearAmount(*amount);
    loading_ = false;
}

void TFrm_Salaries::ComputeTotals()
{
    if (loading_)
        return;
    Currency income, deductions;
    for (TZlEdit* amount : {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16})
        income += AmountOf(*amount);
    for (TZlEdit* amount : {ZlEdit5, ZlEdit6, ZlEdit7, ZlEdit17})
        deductions += AmountOf(*amount);
    ShowAmount(*ZlEdit4, income);
    ShowAmount(*ZlEdit8, deductions);
    ShowAmount(*ZlEdit9, income - deductions);
}

void TFrm_Salaries::ZlSpeedButton15Click()
{
    SetPeriodDate();
    buttons_->StartAdding();
    ZlSpeedButton1->SetVisible(true);
    for (TZlEdit* open : {ZlEdit12, ZlEdit13, ZlEdit1})
        open->SetEnabled(true);
    // Nothing of the record shown before goes into the new one.
    EmptyFields();
    ComputeTotals();
    ZlEdit12->SetFocus();
}

void TFrm_Salaries::CancelInput()
{
    buttons_->Cancel();
    ZlSpeedButton1->SetVisible(false);
    for (TZlEdit* locked : {ZlEdit12, ZlEdit13, ZlEdit1})
        locked->SetEnabled(false);
    if (salary->Active() && !salary->IsEmpty() && QSalary->Active() && !QSalary->IsEmpty())
        LoadRecord();
    else
        EmptyFields();
}

void TFrm_Salaries::ZlSpeedButton2Click()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (buttons_->Entering()) {
        CancelInput();
        return;
    }
    if (!QSalary->Active() || QSalary->IsEmpty())
        return;
    LoadRecord();
    buttons_->StartEditing();
    ZlSpeedButton1->SetVisible(false);
    for (TZlEdit* locked : {ZlEdit12, ZlEdit13, ZlEdit1})
        locked->SetEnabled(false);
    ZlEdit2->SetFocus();
}

void TFrm_Salaries::ShowEmployee(const std::string& nama, Currency gajiPokok)
{
    ZlEdit13->SetText(nama);
    ShowAmount(*ZlEdit1, gajiPokok);
}

void TFrm_Salaries::NikChanged()
{
    if (loading_ || buttons_->Mode() != TRecordMode::Adding)
        return;
    const std::string nik = ZlEdit12->Text();
    const auto employee = nik.empty() ? std::nullopt : FindActiveEmployeeByPrefix(*DtModule, nik);
    if (employee) {
        ShowEmployee(employee->Nama, employee->GajiPokok);
    } else {
        ZlEdit13->SetText("");
        ClearAmount(*ZlEdit1);
    }
}

void TFrm_Salaries::NikExit()
{
    if (buttons_->Mode() != TRecordMode::Adding || ZlEdit12->Text().empty())
        return;
    if (const auto employee = FindActiveEmployee(*DtModule, ZlEdit12->Text())) {
        ShowEmployee(employee->Nama, employee->GajiPokok);
        ZlEdit2->SetFocus();
        return;
    }
    MessageDlg(NotRegistered(), TMsgDlgType::mtError, mbOK);
    ZlEdit12->SetText("");
    ZlEdit13->SetText("");
    ClearAmount(*ZlEdit1);
}

void TFrm_Salaries::ZlSpeedButton1Click()
{
    if (!Frm_PopWin || buttons_->Mode() != TRecordMode::Adding)
        return;
    Frm_PopWin->ShowLookup("Daftar Karyawan", ActiveEmployeesSql, 2);
    if (!Frm_PopWin->Chosen)
        return;
    TDataSet& row = *Frm_PopWin->Qpopwin;
    const std::string nik = IfNull(row.FieldByName("NIK")->Value(), "").AsString();
    const std::string kode = IfNull(row.FieldByName("kode")->Value(), "").AsString();
    ZlEdit12->SetText(nik);
    ShowEmployee(IfNull(row.FieldByName("NAMA")->Value(), "").AsString(), AmountOf(*row.FieldByName("Gaji_Pokok")));
    ZlEdit2->SetFocus();
    if (HasPayRecord(*DtModule, kode, PeriodMonth())) {
        MessageDlg(AlreadyPaid(nik), TMsgDlgType::mtError, mbOK);
        ZlEdit12->SetFocus();
    }
}

bool TFrm_Salaries::WriteRecord(const std::string& kode)
{
    TDataSet& record = *salary;
    if (buttons_->Mode() == TRecordMode::Adding) {
        record.Append();
        record.FieldByName("kode")->SetAsString(kode);
    } else {
        if (record.IsEmpty())
            return false;
        record.Edit();
    }
    record.FieldByName("bulan")->SetAsInteger(PeriodMonth());
    TZlEdit* const amounts[] = {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit14, ZlEdit15, ZlEdit16, ZlEdit5, ZlEdit6, ZlEdit7,
        ZlEdit17};
    for (size_t i = 0; i < std::size(amounts); ++i)
        record.FieldByName(AmountColumns[i])->SetAsCurrency(AmountOf(*amounts[i]));
    record.FieldByName("gaji_total")->SetAsCurrency(AmountOf(*ZlEdit9));
    record.FieldByName("catatan")->SetAsString(ZlEdit10->Text());
    record.FieldByName("tanggal")->SetAsDateTime(DateTimePicker1->Date());
    record.Post();
    return true;
}

void TFrm_Salaries::ZlSpeedButton14Click()
{
    const std::string nik = ZlEdit12->Text();
    if (nik.empty()) {
        MessageDlg("Transaksi tidak lengkap!, Silakah isi NIK!", TMsgDlgType::mtError, mbOK);
        ZlEdit12->SetFocus();
        return;
    }
    const auto employee = FindActiveEmployee(*DtModule, nik);
    if (!employee) {
        MessageDlg(NotRegistered(), TMsgDlgType::mtError, mbOK);
        ZlEdit12->SetFocus();
        return;
    }
    ComputeTotals();
    std::string kode = employee->Kode;
    if (buttons_->Mode() == TRecordMode::Adding) {
        if (HasPayRecord(*DtModule, kode, PeriodMonth())) {
            MessageDlg(AlreadyPaid(nik), TMsgDlgType::mtError, mbOK);
            ZlEdit12->SetFocus();
            return;
        }
        ZlSpeedButton1->SetVisible(false);
        ZlEdit12->SetEnabled(false);
        WriteRecord(kode);
        ButtonStates(true);
        ShowMessage("Data tersimpan");
    } else if (buttons_->Mode() == TRecordMode::Editing) {
        kode = IfNull(QSalary->FieldByName("kode")->Value(), "").AsString();
        if (!WriteRecord(kode))
            return;
        ButtonStates(true);
        ShowMessage("Perubahan data tersimpan");
    } else {
        return;
    }
    QSalary->Requery();
    // An exact match: the employee "12" must not land on "120".
    QSalary->Locate("kode", kode);
    AfterScroll();
}

void TFrm_Salaries::ZlSpeedButton13Click()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (!salary->Active() || salary->IsEmpty())
        return;
    if (MessageDlg("Apakan anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    salary->Delete();
    ShowMessage("Data terhapus");
    ZlComboBox1Change();
}

void TFrm_Salaries::TeButton2Click()
{
    const std::string kode =
        QSalary->Active() && !QSalary->IsEmpty() ? IfNull(QSalary->FieldByName("kode")->Value(), "").AsString() : "";
    TLayoutHolder layout(new TFqr_SlipGaji());
    auto& slip = static_cast<TFqr_SlipGaji&>(*layout);
    OpenSQL(*slip.ADOQuery1, " select * from v_salary where kode='" + SqlText(kode) + "'");
    slip.Preview();
}
