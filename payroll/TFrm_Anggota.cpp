#include "payroll/TFrm_Anggota.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/ReportLayout.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WindowPattern.h"
#include "payroll/AmountField.h"
#include "payroll/PayrollControls.h"
#include "payroll/TFI_Anggota.h"
#include "payroll/TFQR_DafKaryawan.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/report/TQRLabel.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

namespace {

const char* const Male = "Laki-Laki";
const char* const Female = "Perempuan";

std::string TextOf(TDataSet& data, const char* field)
{
    return IfNull(data.FieldByName(field)->Value(), "").AsString();
}

} // namespace

TFrm_Anggota::TFrm_Anggota(TComponent* AOwner) : TLedgerForm(AOwner, "Record List Of Salaries")
{
    SetName("Frm_Anggota");
    SetCaption("Record List Of Salaries");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(640, 420);

    ref_anggota = CreateOwned<TADOTable>(*this);
    ref_anggota->SetName("ref_anggota");
    ref_anggota->SetTableName("ref_anggota");
    if (DtModule)
        ref_anggota->SetConnection(DtModule->CONN1);
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(ref_anggota);

    ZlLabel33 = PlaceHeading(*this, "  :. DAFTAR KARYAWAN .: ");
    ZgDBGrid4 = PlaceList(*this, "ZgDBGrid4", 8, 40, 260, 300, DataSource1, {{"nama", "Nama", 140}, {"nik", "NIP", 70}},
        false);
    PlaceSortOptions(*this, 8, 346, ZlRadio7, ZlRadio8, [this](const char* field) { SortBy(field); });

    const int labelLeft = 284, fieldLeft = 390;
    int top = 40;
    auto caption = [&](const char* text) { return PlaceCaption(*this, text, labelLeft, top + 2, 100); };
    auto edit = [&](const char* text, TZlEdit*& field, const char* name, int width, int max) {
        TZlLabel* label = caption(text);
        field = PlaceControl<TZlEdit>(*this, *this, name, fieldLeft, top, width, 19);
        field->SetMaxLength(max);
        label->SetFocusControl(field);
        top += 26;
    };
    edit("kode", ZlEdit1, "ZlEdit1", 150, 20);
    ZlEdit1->SetEnabled(false);
    edit("Tmp/Tgl  Lahir", ZlEdit2, "ZlEdit2", 120, 50);
    DateTimePicker1 = PlaceControl<TDateTimePicker>(*this, *this, "DateTimePicker1", fieldLeft + 126, top - 26, 110, 21);
    edit("Alamat", ZlEdit3, "ZlEdit3", 236, 50);
    edit("No. Telp", ZlEdit4, "ZlEdit4", 150, 20);
    edit("Hand Phone", ZlEdit5, "ZlEdit5", 150, 15);
    caption("Jenis Kelamin");
    ZlRadio1 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio1", fieldLeft, top, 90, 17);
    ZlRadio1->SetCaption(Male);
    ZlRadio2 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio2", fieldLeft + 100, top, 100, 17);
    ZlRadio2->SetCaption(Female);
    top += 26;
    caption("Status");
    ZlRadio3 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio3", fieldLeft, top, 110, 17);
    ZlRadio3->SetCaption("Karyawan Aktif");
    ZlRadio4 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio4", fieldLeft + 120, top, 100, 17);
    ZlRadio4->SetCaption("Tidak Aktif");
    top += 26;
    ZlRadio1->SetGroupIndex(2);
    ZlRadio2->SetGroupIndex(2);
    ZlRadio3->SetGroupIndex(3);
    ZlRadio4->SetGroupIndex(3);
    edit("Gaji Pokok", ZlEdit6, "ZlEdit6", 150, 0);
    MakeAmountField(*ZlEdit6);
    edit("Jabatan", ZlEdit7, "ZlEdit7", 236, 50);

    Label10 = PlaceControl<TLabel>(*this, *this, "Label10", labelLeft, top + 2, 100, 16);
    Label10->SetCaption("Unit");
    Label10->SetVisible(false);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox1", fieldLeft, top, 150, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->SetVisible(false);
    ZlComboBox1->SetEnabled(false);

    ZlSpeedButton15 = PlaceButton(*this, "ZlSpeedButton15", "&Add", 284, 376);
    ZlSpeedButton1 = PlaceButton(*this, "ZlSpeedButton1", "&Edit", 358, 376);
    ZlSpeedButton14 = PlaceButton(*this, "ZlSpeedButton14", "&Save", 432, 376);
    ZlSpeedButton13 = PlaceButton(*this, "ZlSpeedButton13", "&Delete", 506, 376);
    ZlSpeedButton14->SetVisible(false);
    ZlSpeedButton15->OnClick = [this](TComponent*) { ZlSpeedButton15Click(); };
    ZlSpeedButton1->OnClick = [this](TComponent*) { ZlSpeedButton1Click(); };
    ZlSpeedButton14->OnClick = [this](TComponent*) { ZlSpeedButton14Click(); };
    ZlSpeedButton13->OnClick = [this](TComponent*) { ZlSpeedButton13Click(); };
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 8, 376, 75, 25);
    TeButton2->SetCaption("&Cetak");
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 90, 376, 75, 25);
    TeButton1->SetCaption("&Close");
    TeButton1->OnClick = [this](TComponent*) { Close(); };

    // Any change to the details offers "&Save"; Enter moves on as in every entry field.
    for (TZlEdit* field : {ZlEdit2, ZlEdit3, ZlEdit4, ZlEdit5, ZlEdit6, ZlEdit7}) {
        MoveFocusOnEnter(*field);
        auto enter = field->OnKeyPress;
        field->OnKeyPress = [this, enter](TComponent* sender, char32_t& key) {
            ShowSave();
            enter(sender, key);
        };
    }
    DateTimePicker1->OnChange = [this](TComponent*) { ShowSave(); };
    for (TZlRadio* option : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4}) {
        option->OnMouseDown = [this](TComponent*, TMouseButton button, TShiftState, int, int) {
            if (button == TMouseButton::mbLeft)
                ShowSave();
        };
        option->OnKeyPress = [this](TComponent*, char32_t&) { ShowSave(); };
    }

    ref_anggota->AfterScroll = [this](TDataSet*) { AfterScroll(); };
    ref_anggota->AfterOpen = [this](TDataSet*) { AfterOpen(); };
    OnShow = [this](TComponent*) { FormShow(); };
    FormCreate();
}

std::string TFrm_Anggota::UnitId() const
{
    const int index = ZlComboBox1->ItemIndex();
    return index >= 0 && index < static_cast<int>(unitIds_.size()) ? unitIds_[static_cast<size_t>(index)] : "";
}

void TFrm_Anggota::FormCreate()
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    TADOQuery& units = *DtModule->Query1;
    if (!OpenSQL(units, "select id_unit,nama_unit from ref_unit order by kode_unit"))
        return;
    ZlComboBox1->Items().Clear();
    for (units.First(); !units.Eof(); units.Next()) {
        ZlComboBox1->Items().Add(IfNull(units.FieldByName("nama_unit")->Value(), "-").AsString());
        unitIds_.push_back(IfNull(units.FieldByName("id_unit")->Value(), 0).AsString());
    }
    ZlComboBox1->SetItemIndex(0);
}

void TFrm_Anggota::FormShow()
{
    for (TZlRadio* option : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4, ZlRadio7, ZlRadio8})
        option->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (ref_anggota->Connection() && ref_anggota->Connection()->Connected())
        ReopenDataSet(*ref_anggota);
}

void TFrm_Anggota::ShowSave()
{
    ZlSpeedButton14->SetVisible(true);
}

void TFrm_Anggota::EmptyEditors()
{
    for (TZlEdit* field : {ZlEdit1, ZlEdit2, ZlEdit3, ZlEdit4, ZlEdit5})
        field->SetText("");
    for (TZlRadio* option : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4})
        option->SetChecked(false);
    ZlEdit6->SetText("0");
    ZlEdit6->SetNumericValue(0);
}

void TFrm_Anggota::AfterOpen()
{
    const bool rows = !ref_anggota->IsEmpty();
    ZlSpeedButton13->SetEnabled(rows);
    if (!rows)
        EmptyEditors();
}

void TFrm_Anggota::AfterScroll()
{
    TDataSet& row = *ref_anggota;
    if (row.IsEmpty())
        return;
    ZlEdit1->SetText(TextOf(row, "kode"));
    ZlEdit2->SetText(TextOf(row, "tmp_lahir"));
    ZlEdit3->SetText(TextOf(row, "alamat"));
    ZlEdit4->SetText(TextOf(row, "telp"));
    ZlEdit5->SetText(TextOf(row, "hp"));
    ZlEdit7->SetText(TextOf(row, "jabatan"));
    // A null leaves nothing of the employee shown before.
    TField* born = row.FieldByName("tgl_lahir");
    if (born->IsNull())
        DateTimePicker1->SetNull();
    else
        DateTimePicker1->SetDate(born->AsDateTime());
    TField* sex = row.FieldByName("sex");
    ZlRadio1->SetChecked(!sex->IsNull() && sex->AsString() == Male);
    ZlRadio2->SetChecked(!sex->IsNull() && sex->AsString() != Male);
    TField* status = row.FieldByName("status_anggota");
    ZlRadio3->SetChecked(!status->IsNull() && status->AsBoolean());
    ZlRadio4->SetChecked(!status->IsNull() && !status->AsBoolean());
    ShowAmount(*ZlEdit6, AmountOf(*row.FieldByName("gaji_pokok")));
    ZlSpeedButton14->SetVisible(false);
}

void TFrm_Anggota::SortBy(const char* field)
{
    if (!ref_anggota->Active())
        ref_anggota->Open();
    ref_anggota->SetSort(field);
    AfterScroll();
}

void TFrm_Anggota::ApplyUnitFilter()
{
    ref_anggota->SetFiltered(false);
    ref_anggota->SetFilter("id_unit=" + SqlNumber(Variant(UnitId())));
    ref_anggota->SetFiltered(true);
}

bool TFrm_Anggota::RunDialog(int mode, std::string& nik)
{
    auto* dialog = CreateOwned<TFI_Anggota>(*this);
    dialog->Mode = mode;
    dialog->IdUnit = UnitId();
    if (mode == TFI_Anggota::Rename) {
        dialog->Kode = TextOf(*ref_anggota, "kode");
        dialog->OldNik = TextOf(*ref_anggota, "nik");
        dialog->ZlEdit1->SetText(dialog->OldNik);
        dialog->ZlEdit2->SetText(TextOf(*ref_anggota, "nama"));
    }
    dialog->ShowModal();
    const bool saved = !dialog->Kode.empty();
    nik = dialog->ZlEdit1->Text();
    TComponent::Free(dialog);
    return saved;
}

void TFrm_Anggota::ZlSpeedButton15Click()
{
    std::string nik;
    if (RunDialog(TFI_Anggota::Create, nik)) {
        ref_anggota->Requery();
        ApplyUnitFilter();
        // An exact match: "12" must not land on "120".
        ref_anggota->Locate("nik", nik);
    }
    ZlEdit2->SetFocus();
}

void TFrm_Anggota::ZlSpeedButton1Click()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (ref_anggota->IsEmpty())
        return;
    std::string nik;
    if (RunDialog(TFI_Anggota::Rename, nik)) {
        ref_anggota->Requery();
        ref_anggota->Locate("nik", nik);
    }
    ZlEdit2->SetFocus();
}

void TFrm_Anggota::ZlSpeedButton14Click()
{
    if (ref_anggota->IsEmpty())
        return;
    TDataSet& row = *ref_anggota;
    row.Edit();
    row.FieldByName("kode")->SetAsString(ZlEdit1->Text());
    row.FieldByName("tmp_lahir")->SetAsString(ZlEdit2->Text());
    row.FieldByName("alamat")->SetAsString(ZlEdit3->Text());
    row.FieldByName("telp")->SetAsString(ZlEdit4->Text());
    row.FieldByName("hp")->SetAsString(ZlEdit5->Text());
    row.FieldByName("jabatan")->SetAsString(ZlEdit7->Text());
    row.FieldByName("gaji_pokok")->SetAsCurrency(AmountOf(*ZlEdit6));
    if (DateTimePicker1->IsNull())
        row.FieldByName("tgl_lahir")->Clear();
    else
        row.FieldByName("tgl_lahir")->SetAsDateTime(DateTimePicker1->Date());
    row.FieldByName("sex")->SetAsString(ZlRadio1->Checked() ? Male : Female);
    row.FieldByName("status_anggota")->SetAsBoolean(ZlRadio3->Checked());
    if (!UnitId().empty())
        row.FieldByName("id_unit")->SetAsInteger(StrToInt(UnitId()));
    // A refused post leaves the details shown and "&Save" offered, for correction.
    PostOrCancel(row);
    ZlSpeedButton14->SetVisible(false);
    ShowMessage("Data Tersimpan");
}

void TFrm_Anggota::ZlSpeedButton13Click()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (ref_anggota->IsEmpty())
        return;
    if (MessageDlg("Anda yakin menghapus data anggota?", TMsgDlgType::mtWarning, mbYesNo) != mrYes)
        return;
    ref_anggota->Delete();
    ShowMessage("Data anggota terhapus!");
}

void TFrm_Anggota::TeButton2Click()
{
    TLayoutHolder layout(new TFQR_DafKaryawan());
    auto& list = static_cast<TFQR_DafKaryawan&>(*layout);
    OpenSQL(*list.ADOQuery1, " select * from ref_anggota where id_unit=" + SqlNumber(Variant(UnitId())));
    list.QRLabel1->SetCaption(" DAFTAR KARYAWAN");
    list.Preview();
}
