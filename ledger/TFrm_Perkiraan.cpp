#include "ledger/TFrm_Perkiraan.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/BlankEntries.h"
#include "ledger/LongJob.h"
#include "ledger/SharedBooks.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFI_Akun.h"
#include "ledger/TFI_Jenis_coa.h"
#include "ledger/TFI_Saldo_Awal.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/ClassRegistry.h"
#include "platform/core/Finally.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQuickRep.h"
#include "skin/controls/TTeButton.h"

TFrm_Perkiraan* Frm_Perkiraan = nullptr;

namespace {

std::string WholeNumber(TDataSet& data, const char* field)
{
    return IntToStr(IfNull(data.FieldByName(field)->Value(), 0).AsInteger());
}

// An account code in a refusal: as the whole number it reads as, or as stored when it is none.
std::string CodeShown(TDataSet& data)
{
    const std::string code = FieldText(data, "account_code", "0");
    int64_t number = 0;
    return TryStrToInt(code, number) ? IntToStr(number) : code;
}

// Frees a dialog on every way out of the handler that made it.
template <class T> auto FreeOnExit(T*& dialog)
{
    return Finally([&dialog] {
        TComponent::Free(dialog);
        dialog = nullptr;
    });
}

// The report layout itself, or the report inside a layout form.
TQuickRep* ReportOf(TComponent& layout)
{
    if (auto* report = dynamic_cast<TQuickRep*>(&layout))
        return report;
    for (int i = 0; i < layout.ComponentCount(); ++i)
        if (auto* report = dynamic_cast<TQuickRep*>(layout.Components(i)))
            return report;
    return nullptr;
}

} // namespace

TFrm_Perkiraan::TFrm_Perkiraan(TComponent* AOwner) : TLedgerForm(AOwner, "Record List Of Kategori Perkiraan")
{
    SetName("Frm_Perkiraan");
    SetCaption("Chart of Account");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(720, 430);
    Frm_Perkiraan = this;

    jenis_coa = CreateOwned<TADOTable>(*this);
    jenis_coa->SetName("jenis_coa");
    jenis_coa->SetTableName("posisi_coa");
    jenis_coa->SetIndexFieldNames("nomor");
    QCoa = CreateOwned<TADOQuery>(*this);
    QCoa->SetName("QCoa");
    QCoa->SQL().Add("select * from v_coa where " + AccountNotHeld("v_coa.account_id") + " order ");
    QCoa->SQL().Add("by account_code");
    if (DtModule) {
        jenis_coa->SetConnection(DtModule->CONN1);
        QCoa->SetConnection(DtModule->CONN1);
    }
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(jenis_coa);
    DataSource2 = CreateOwned<TDataSource>(*this);
    DataSource2->SetDataSet(QCoa);

    auto label = [this](const char* name, const char* caption, int left, int top) {
        TZlLabel* l = PlaceLabel(*this, *this, name, caption, left, top, 200, 16);
        l->Font().SetStyle(fsBold);
    };
    label("ZlLabel1", "  :. Chart of Account (COA) .: ", 8, 8);
    label("ZlLabel2", " * Categories ", 8, 32);
    label("ZlLabel3", " * List of Account ", 240, 32);

    ZgDBGrid4 = PlaceControl<TZgDBGrid>(*this, *this, "ZgDBGrid4", 8, 52, 224, 300);
    ZgDBGrid4->SetAnchors(akLeft | akTop | akBottom);
    ZgDBGrid4->SetOptions((ZgDBGridDefaultOptions & ~(dgEditing | dgTitles)) | dgRowSelect | dgAlwaysShowSelection);
    ZgDBGrid6 = PlaceControl<TZgDBGrid>(*this, *this, "ZgDBGrid6", 240, 52, 472, 300);
    ZgDBGrid6->SetAnchors(akLeft | akTop | akRight | akBottom);
    ZgDBGrid6->SetOptions((ZgDBGridDefaultOptions & ~dgEditing) | dgRowSelect);
    struct TColumnDef {
        const char* Field;
        const char* Title;
        int Width;
        bool Centred;
    };
    auto columns = [](TZgDBGrid& grid, std::initializer_list<TColumnDef> defs) {
        grid.SetReadOnly(true);
        for (const TColumnDef& def : defs) {
            TZgColumn* column = grid.Columns().Add();
            column->SetFieldName(def.Field);
            column->Title().SetCaption(def.Title);
            column->SetWidth(def.Width);
            if (def.Centred)
                column->SetAlignment(TAlignment::taCenter);
        }
        ColourListRows(grid);
    };
    columns(*ZgDBGrid4, {{"keterangan", "Kategori", 140, false}, {"nomor", "Kode", 40, false}});
    columns(*ZgDBGrid6, {{"account_code", "Code", 70, false},
                         {"account_name", "Account name", 150, false},
                         {"account_pos", "D/K", 32, true},
                         {"account_header", "Top", 32, true},
                         {"sub", "Sub", 32, true},
                         {"saldo_awal", "Initial Balance", AmountColumnWidth, false},
                         {"nama_unit", "Dept", 80, false}});
    ZgDBGrid6->Columns().Items(6)->SetVisible(false);
    ZgDBGrid4->SetDataSource(DataSource1);
    ZgDBGrid6->SetDataSource(DataSource2);

    auto listButton = [this](TZlSpeedButton*& button, const char* name, const char* caption, int left) {
        button = PlaceControl<TZlSpeedButton>(*this, *this, name, left, 358, 70, 24);
        button->SetAnchors(akLeft | akBottom);
        button->SetCaption(caption);
        button->OnClick = [this](TComponent* sender) { ZlSpeedButton15Click(sender); };
    };
    listButton(ZlSpeedButton15, "ZlSpeedButton15", "&Add", 8);
    listButton(ZlSpeedButton14, "ZlSpeedButton14", "&Edit", 82);
    listButton(ZlSpeedButton13, "ZlSpeedButton13", "&Delete", 156);
    listButton(ZlSpeedButton7, "ZlSpeedButton7", "&New", 240);
    listButton(ZlSpeedButton6, "ZlSpeedButton6", "Edi&t", 314);
    listButton(ZlSpeedButton5, "ZlSpeedButton5", "&Delete", 388);

    auto button = [this](TTeButton*& b, const char* name, const char* caption, int left, int width) {
        b = PlaceControl<TTeButton>(*this, *this, name, left, 394, width, 25);
        b->SetAnchors(akRight | akBottom);
        b->SetCaption(caption);
    };
    button(TeButton3, "TeButton3", "&Input Initial Balance", 430, 120);
    button(TeButton2, "TeButton2", "&Cetak", 556, 75);
    button(TeButton1, "TeButton1", "&Close", 637, 75);

    auto unitRadio = [this](TZlRadio*& radio, const char* name, const char* caption, int left) {
        radio = PlaceControl<TZlRadio>(*this, *this, name, left, 32, 70, 17);
        radio->SetCaption(caption);
        radio->SetVisible(false);
        radio->OnClick = [this](TComponent*) { FilterAccounts(); };
    };
    unitRadio(ZlRadio8, "ZlRadio8", "Kalvera", 420);
    unitRadio(ZlRadio7, "ZlRadio7", "ZIVU", 490);
    unitRadio(ZlRadio2, "ZlRadio2", "Duvize", 560);
    unitRadio(ZlRadio1, "ZlRadio1", "Semua", 630);
    ZlRadio1->SetChecked(true);

    jenis_coa->AfterOpen = [this](TDataSet*) { CategoriesOpened(); };
    jenis_coa->AfterScroll = [this](TDataSet*) { CategoryScrolled(); };
    jenis_coa->AfterPost = [this](TDataSet*) {
        jenis_coa->CheckBrowseMode();
        jenis_coa->Requery();
        jenis_coa->First();
    };
    QCoa->AfterOpen = [this](TDataSet*) { AccountsOpened(); };
    QCoa->AfterScroll = [this](TDataSet*) { AccountScrolled(); };
    TeButton1->OnClick = [this](TComponent*) { Close(); };
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton3->OnClick = [this](TComponent*) { TeButton3Click(); };
    OnShow = [this](TComponent*) { FormShow(); };
    UseWindowFont(*this);
}

TFrm_Perkiraan::~TFrm_Perkiraan()
{
    if (Frm_Perkiraan == this)
        Frm_Perkiraan = nullptr;
}

void TFrm_Perkiraan::FormShow()
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    ReopenDataSet(*jenis_coa);
    ReopenAccounts();
    for (TZlRadio* radio : {ZlRadio8, ZlRadio7, ZlRadio2, ZlRadio1})
        radio->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
}

void TFrm_Perkiraan::CategoriesOpened()
{
    const bool rows = !jenis_coa->IsEmpty();
    for (TZlSpeedButton* b : {ZlSpeedButton14, ZlSpeedButton13, ZlSpeedButton7, ZlSpeedButton6, ZlSpeedButton5})
        b->SetEnabled(rows);
    ZlSpeedButton15->SetEnabled(true);
}

void TFrm_Perkiraan::AccountsOpened()
{
    accountsAsListed_ = ReadRows(*DtModule, StoredAccounts());
    // A new account needs a category to belong to, so "&New" waits for one.
    ZlSpeedButton7->SetEnabled(jenis_coa->Active() && !jenis_coa->IsEmpty());
    ZlSpeedButton6->SetEnabled(!QCoa->IsEmpty());
    ZlSpeedButton5->SetEnabled(!QCoa->IsEmpty());
}

TRowImage TFrm_Perkiraan::AccountAsListed(const std::string& id) const
{
    TRowImage row;
    for (const std::vector<Variant>& account : accountsAsListed_)
        if (IntToStr(IfNull(account.front(), 0).AsInteger()) == id)
            row.push_back(account);
    return row;
}

void TFrm_Perkiraan::CategoryScrolled()
{
    if (jenis_coa->IsEmpty()) {
        for (TZlSpeedButton* b : {ZlSpeedButton14, ZlSpeedButton13, ZlSpeedButton7, ZlSpeedButton6, ZlSpeedButton5})
            b->SetEnabled(false);
        ZlSpeedButton15->SetEnabled(true);
        return;
    }
    for (TZlSpeedButton* b : {ZlSpeedButton15, ZlSpeedButton14, ZlSpeedButton13, ZlSpeedButton7})
        b->SetEnabled(true);
    ZlSpeedButton6->SetEnabled(false);
    ZlSpeedButton5->SetEnabled(false);
    OpenSQL(*QCoa, "select * from v_coa where nomor = '" + SqlText(FieldText(*jenis_coa, "nomor", "-")) + "' and " +
                       AccountNotHeld("v_coa.account_id") + " order by account_code ");
    FilterAccounts();
}

void TFrm_Perkiraan::AccountScrolled()
{
    ZlSpeedButton7->SetEnabled(jenis_coa->Active() && !jenis_coa->IsEmpty());
    ZlSpeedButton6->SetEnabled(!QCoa->IsEmpty());
    ZlSpeedButton5->SetEnabled(!QCoa->IsEmpty());
}

std::string TFrm_Perkiraan::CheckedUnit() const
{
    return ZlRadio8->Checked() ? "10" : ZlRadio7->Checked() ? "11" : ZlRadio2->Checked() ? "12" : "";
}

void TFrm_Perkiraan::FilterAccounts()
{
    if (!QCoa->Active())
        return;
    QCoa->SetFiltered(false);
    const std::string unit = CheckedUnit();
    if (QCoa->IsEmpty())
        QCoa->SetFilter("account_cat like '" +
                        SqlText(jenis_coa->Active() ? FieldText(*jenis_coa, "nomor", "-") : std::string("-")) + "*'");
    else
        QCoa->SetFilter(unit.empty() ? std::string() : "(account_sub =" + unit + " or account_header=true) ");
    QCoa->SetFiltered(true);
}

void TFrm_Perkiraan::ReopenAccounts()
{
    OpenSQL(*QCoa, QCoa->SQL().Text());
}

void TFrm_Perkiraan::ZlSpeedButton15Click(TComponent* Sender)
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    if (Sender == ZlSpeedButton7)
        NewAccount();
    else if (Sender == ZlSpeedButton6)
        EditAccount();
    else if (Sender == ZlSpeedButton5)
        DeleteAccount();
    else if (Sender == ZlSpeedButton15)
        AddCategory();
    else if (Sender == ZlSpeedButton14)
        EditCategory();
    else if (Sender == ZlSpeedButton13)
        DeleteCategory();
}

void TFrm_Perkiraan::NewAccount()
{
    auto* dialog = CreateOwned<TFI_Akun>(*this);
    auto freeDialog = FreeOnExit(dialog);
    dialog->AccountIdText = NewBlankAccount(*DtModule);
    dialog->Mode = 1;
    dialog->ShowModal();
    // A save whose blank row was gone went under another id.
    const std::string id = dialog->AccountIdText;
    ReopenAccounts();
    if (!QCoa->IsEmpty())
        QCoa->Locate("account_id", id, loCaseInsensitive);
}

void TFrm_Perkiraan::EditAccount()
{
    ZgDBGrid6->ShowCurrentRecord();
    if (QCoa->IsEmpty()) {
        ShowMessage("Data kosong..");
        return;
    }
    const std::string id = WholeNumber(*QCoa, "account_id");
    auto* dialog = CreateOwned<TFI_Akun>(*this);
    {
        auto freeDialog = FreeOnExit(dialog);
        dialog->AccountIdText = id;
        dialog->Mode = 2;
        dialog->ShowModal();
    }
    ReopenAccounts();
    QCoa->Locate("account_id", id, loCaseInsensitive);
}

void TFrm_Perkiraan::DeleteAccount()
{
    ZgDBGrid6->ShowCurrentRecord();
    if (QCoa->IsEmpty())
        return;
    const std::string id = WholeNumber(*QCoa, "account_id");
    TADOQuery& query = *DtModule->Query1;
    if (QCoa->FieldByName("account_header")->AsBoolean()) {
        const std::string prefix = FieldText(*QCoa, "account_code", "-").substr(0, 3);
        const bool hasSub =
            OpenSQL(query, "select account_id from coa where sub=true and account_code " + SqlLikePrefix(prefix));
        query.Close();
        if (hasSub) {
            ShowMessage("Data Perkiraan dengan kode " + CodeShown(*QCoa) +
                        " tidak boleh dihapus, karena masih mempunyai sub perkiraan");
            return;
        }
    }
    const bool used = OpenSQL(query, "select account_id from TR_VOUC  where account_id=" + id);
    query.Close();
    if (used) {
        ShowMessage("Data Perkiraan dengan kode " + CodeShown(*QCoa) +
                    " tidak boleh dihapus, karena telah dipakai dalam transaksi keuangan anda");
        return;
    }
    if (MessageDlg("Anda yakin Data Perkiraan ?", TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        TTransaction transaction(*DtModule->CONN1);
        CheckRowsUnchanged(*DtModule, StoredAccounts(id), AccountAsListed(id));
        RunSQL(query, "delete from coa where account_id=" + id);
        RunSQL(query, "delete from trial_balance where account_id=" + id);
        RunSQL(query, "delete from posting where account_id=" + id);
        transaction.Commit();
    } catch (const EChangedByOther& e) {
        MessageDlg(e.Message(), TMsgDlgType::mtError, mbOK);
    }
    ReopenAccounts();
}

namespace {

// The side and report group of the dialog into the category row; a side or group that is not
// chosen leaves the column as it is.
void WriteCategory(TDataSet& categories, TFI_Jenis_coa& dialog)
{
    categories.FieldByName("nomor")->SetAsString(dialog.Number());
    categories.FieldByName("keterangan")->SetAsString(dialog.ZlEdit2->Text());
    if (dialog.ZlRadio1->Checked())
        categories.FieldByName("posisi")->SetAsString("D");
    else if (dialog.ZlRadio2->Checked())
        categories.FieldByName("posisi")->SetAsString("K");
    if (dialog.ZlRadio3->Checked())
        categories.FieldByName("akun_neraca")->SetAsInteger(1);
    else if (dialog.ZlRadio4->Checked())
        categories.FieldByName("akun_neraca")->SetAsInteger(0);
}

} // namespace

void TFrm_Perkiraan::AddCategory()
{
    auto* dialog = CreateOwned<TFI_Jenis_coa>(*this);
    auto freeDialog = FreeOnExit(dialog);
    dialog->ShowModal();
    if (!dialog->Saved)
        return;
    const std::string number = dialog->Number();
    if (jenis_coa->Locate("nomor", number, loCaseInsensitive)) {
        ShowMessage("Kode yang Anda masukan sudah ada");
        return;
    }
    jenis_coa->Append();
    WriteCategory(*jenis_coa, *dialog);
    PostOrCancel(*jenis_coa);
    jenis_coa->Locate("nomor", number, loPartialKey);
}

void TFrm_Perkiraan::EditCategory()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (jenis_coa->IsEmpty())
        return;
    auto* dialog = CreateOwned<TFI_Jenis_coa>(*this);
    auto freeDialog = FreeOnExit(dialog);
    const std::string number = FieldText(*jenis_coa, "nomor", "-");
    dialog->ZlEdit1->SetText(number.substr(0, 1));
    dialog->ZlEdit3->SetText(number.substr(1));
    dialog->ZlEdit1->SetEnabled(false);
    dialog->ZlEdit3->SetEnabled(false);
    dialog->ZlEdit2->SetText(FieldText(*jenis_coa, "keterangan", "-"));
    const std::string side = FieldText(*jenis_coa, "posisi", "");
    if (side == "D")
        dialog->ZlRadio1->SetChecked(true);
    else if (side == "K")
        dialog->ZlRadio2->SetChecked(true);
    const std::string group = FieldText(*jenis_coa, "akun_neraca", "");
    if (group == "1")
        dialog->ZlRadio3->SetChecked(true);
    else if (group == "0")
        dialog->ZlRadio4->SetChecked(true);
    dialog->ZlComboBox1->SetEnabled(false);
    dialog->ShowModal();
    if (!dialog->Saved) {
        if (IsEditing(jenis_coa->State()))
            jenis_coa->Cancel();
        return;
    }
    jenis_coa->Edit();
    WriteCategory(*jenis_coa, *dialog);
    PostOrCancel(*jenis_coa);
    jenis_coa->Locate("nomor", dialog->Number(), loPartialKey);
}

void TFrm_Perkiraan::DeleteCategory()
{
    ZgDBGrid4->ShowCurrentRecord();
    if (jenis_coa->IsEmpty())
        return;
    const std::string number = FieldText(*jenis_coa, "nomor", "-");
    // Accounts of the category are refused too, since the chart would no longer reach them.
    const bool used = OpenSQL(*DtModule->Query1, "select account_id from coa where account_code " +
                                                     SqlLikePrefix(number) + " or account_cat='" + SqlText(number) + "'");
    DtModule->Query1->Close();
    if (used) {
        ShowMessage("Jenis Perkiraan dengan kode " + number +
                    " tidak boleh dihapus, karena telah dipakai dalam daftar perkiraan");
        return;
    }
    if (MessageDlg("Anda yakin Menghapus Data Jenis Perkiraan ?", TMsgDlgType::mtConfirmation, mbYesNo) == mrYes)
        jenis_coa->Delete();
}

void TFrm_Perkiraan::TeButton2Click()
{
    const TMetaClass* meta = FindMetaClass("TFqr_DafCoa");
    if (!meta || !DtModule || !DtModule->CONN1->Connected())
        return;
    TComponent* layout = meta->CreateOwned(*this);
    auto freeLayout = FreeOnExit(layout);
    const std::string unit = CheckedUnit();
    const std::string columns = "select account_code, account_name, account_pos, nama_unit, kode_unit from v_coa where "
        + AccountNotHeld("v_coa.account_id") + " ";
    if (auto* title = dynamic_cast<TQRLabel*>(layout->FindComponent("QRLabel1")))
        title->SetCaption(unit == "11"   ? "DAFTAR KODE PERKIRAAN ZIVU"
                          : unit == "12" ? "DAFTAR KODE PERKIRAAN DUVIZE"
                                         : "DAFTAR KODE PERKIRAAN");
    if (auto* query = dynamic_cast<TADOQuery*>(layout->FindComponent("ADOQuery1")))
        OpenSQL(*query, unit.empty() ? columns + "order by account_code "
                                     : columns + "and (account_sub =" + unit +
                                           " or account_header=true) order by account_code ");
    if (TQuickRep* report = ReportOf(*layout))
        report->Preview();
}

void TFrm_Perkiraan::TeButton3Click()
{
    if (IsLongJobRunning() || !DtModule || !DtModule->CONN1->Connected())
        return;
    auto* dialog = CreateOwned<TFI_Saldo_Awal>(*this);
    {
        auto freeDialog = FreeOnExit(dialog);
        dialog->ReadBalances();
        dialog->ShowModal();
    }
    QCoa->CheckBrowseMode();
    QCoa->Requery();
    accountsAsListed_ = ReadRows(*DtModule, StoredAccounts());
    QCoa->First();
}
