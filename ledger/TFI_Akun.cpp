#include "ledger/TFI_Akun.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "ledger/BlankEntries.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFrm_Perkiraan.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TField.h"

namespace {

// The chart window's current value of a field, when it is open on a row.
std::string ChartValue(TDataSet* data, const char* field)
{
    return data && data->Active() && !data->IsEmpty() ? FieldText(*data, field, "") : std::string();
}

} // namespace

TFI_Akun::TFI_Akun(TComponent* AOwner) : TLedgerForm(AOwner, "FI_refAccount")
{
    SetName("FI_Akun");
    SetCaption("Input Kode Akuntansi");
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(400, 230);

    auto label = [this](const char* name, const char* caption, int top) {
        return PlaceLabel(*this, *this, name, caption, 12, top + 3, 110, 13);
    };
    auto radio = [this](const char* name, const char* caption, int left, int top, int group) {
        auto* r = PlaceControl<TZlRadio>(*this, *this, name, left, top, 90, 17);
        r->SetCaption(caption);
        r->SetGroupIndex(static_cast<uint8_t>(group));
        return r;
    };
    ZlRadio3 = radio("ZlRadio3", "Top ", 126, 12, 1);
    ZlRadio4 = radio("ZlRadio4", "Sub", 216, 12, 1);
    ZlRadio5 = radio("ZlRadio5", "Independent", 296, 12, 1);
    ZlLabel5 = label("ZlLabel5", "Kategori Account:", 40);
    ZlComboBox2 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox2", 126, 40, 262, 21);
    ZlComboBox2->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox2->SetDropDownCount(20);
    for (const char* item : {"1. Perkiraan Harta (Aktiva)", "2. Perkiraan Hutang (Pasiva)", "3. Perkiraan Modal",
                             "4. Perkiraan Pendapatan", "5. Perkiraan Beban"})
        ZlComboBox2->Items().Add(item);
    label("ZlLabel1", "Kode Account :", 68);
    Zledit2 = PlaceControl<TZlEdit>(*this, *this, "Zledit2", 126, 68, 120, 21);
    Zledit2->SetMaxLength(15);
    label("ZlLabel2", "Nama Account :", 96);
    Zledit3 = PlaceControl<TZlEdit>(*this, *this, "Zledit3", 126, 96, 262, 21);
    Zledit3->SetMaxLength(50);
    label("ZlLabel3", "Posisi :", 124);
    ZlRadio1 = radio("ZlRadio1", "Debet", 126, 124, 2);
    ZlRadio2 = radio("ZlRadio2", "Kredit", 216, 124, 2);
    ZlLabel7 = label("ZlLabel7", "Unit :", 152);
    ZlComboBox3 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox3", 126, 152, 180, 21);
    ZlComboBox3->SetStyle(TComboBoxStyle::csDropDownList);
    ZlLabel7->SetVisible(false);
    ZlComboBox3->SetVisible(false);
    TeButton1 = PlaceControl<TZlButton>(*this, *this, "TeButton1", 232, 192, 75, 25);
    TeButton1->SetCaption("&Save");
    TeButton2 = PlaceControl<TZlButton>(*this, *this, "TeButton2", 313, 192, 75, 25);
    TeButton2->SetCaption("&Cancel");
    SetCancelButton(TeButton2);

    coa = CreateOwned<TADOTable>(*this);
    coa->SetName("coa");
    coa->SetTableName("coa");
    if (DtModule)
        coa->SetConnection(DtModule->CONN1);

    for (TZlRadio* kind : {ZlRadio3, ZlRadio4, ZlRadio5})
        kind->OnClick = [this, kind](TComponent*) { ZlRadio3Click(kind); };
    ZlComboBox2->OnChange = [this](TComponent*) { ZlComboBox2Change(); };
    ZlComboBox2->OnKeyPress = [this](TComponent*, char32_t&) { ZlComboBox2Change(); };
    for (TWinControl* field : std::initializer_list<TWinControl*>{Zledit2, Zledit3, ZlRadio1, ZlRadio2})
        MoveFocusOnEnter(*field);
    ZlComboBox3->OnKeyPress = [this](TComponent*, char32_t& key) {
        if (key == U'\r') {
            key = 0;
            TeButton1->SetFocus();
        }
    };
    TeButton1->OnClick = [this](TComponent*) { TeButton1Click(); };
    TeButton2->OnClick = [this](TComponent*) { Close(); };
    OnShow = [this](TComponent*) { FormShow(); };
    UseWindowFont(*this);

    ZlComboBox2->SetItemIndex(-1);
    for (TWinControl* control : std::initializer_list<TWinControl*>{ZlComboBox2, Zledit2, Zledit3, ZlComboBox3})
        control->SetEnabled(false);
    if (DtModule && DtModule->CONN1->Connected())
        LoadUnits();
}

void TFI_Akun::LoadUnits()
{
    TADOQuery& query = *DtModule->Query1;
    if (OpenSQL(query, "select id_unit,nama_unit from ref_unit order by kode_unit"))
        for (; !query.Eof(); query.Next()) {
            ZlComboBox3->Items().Add(FieldText(query, "nama_unit", "-"));
            unitIds_.push_back(IntToStr(IfNull(query.FieldByName("id_unit")->Value(), 0).AsInteger()));
        }
    query.Close();
    if (!unitIds_.empty())
        ZlComboBox3->SetItemIndex(0);
}

void TFI_Akun::FormShow()
{
    saved_ = false;
    for (TZlRadio* r : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4, ZlRadio5})
        r->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (Mode != 2)
        return;
    asRead_ = ReadRows(*DtModule, StoredAccounts(AccountIdText));
    ReopenDataSet(*coa);
    coa->Locate("account_id", AccountIdText, loCaseInsensitive);
    oldCode_ = FieldText(*coa, "account_code", "");
    for (TZlRadio* kind : {ZlRadio3, ZlRadio4, ZlRadio5})
        kind->SetEnabled(false);
    const bool top = coa->FieldByName("account_header")->AsBoolean();
    (top ? ZlRadio3 : coa->FieldByName("sub")->AsBoolean() ? ZlRadio4 : ZlRadio5)->SetChecked(true);
    for (TWinControl* control : std::initializer_list<TWinControl*>{Zledit2, Zledit3, ZlComboBox3})
        control->SetEnabled(true);
    Zledit2->SetText(oldCode_);
    Zledit3->SetText(FieldText(*coa, "account_name", ""));
    (FieldText(*coa, "account_pos", "") == "D" ? ZlRadio1 : ZlRadio2)->SetChecked(true);
    const std::string unit = coa->FieldByName("account_sub")->IsNull() ? "" : coa->FieldByName("account_sub")->AsString();
    storedUnitListed_ = false;
    for (size_t i = 0; i < unitIds_.size() && !storedUnitListed_; ++i) {
        ZlComboBox3->SetItemIndex(static_cast<int>(i));
        storedUnitListed_ = unitIds_[i] == unit;
    }
}

void TFI_Akun::ZlRadio3Click(TZlRadio* kind)
{
    for (TWinControl* control : std::initializer_list<TWinControl*>{ZlComboBox2, Zledit2, Zledit3, ZlComboBox3})
        control->SetEnabled(true);
    ZlComboBox2->SetItemIndex(-1);
    Zledit2->SetText("");
    Zledit3->SetText("");
    ZlRadio1->SetChecked(false);
    ZlRadio2->SetChecked(false);
    const bool top = kind == ZlRadio3;
    ZlComboBox3->SetItemIndex(top || unitIds_.empty() ? -1 : 0);
    ZlComboBox3->SetEnabled(!top);
    ZlRadio1->SetEnabled(true);
    ZlRadio2->SetEnabled(true);

    // The list is refilled from scratch, so an empty query leaves no entry without its numbers.
    ZlComboBox2->Items().Clear();
    categoryNumbers_.clear();
    parentPrefixes_.clear();
    parentCategories_.clear();
    TADOQuery& query = *DtModule->Query1;
    std::string current;
    if (kind != ZlRadio4) {
        ZlLabel5->SetCaption("Kategori Account:");
        Zledit3->SetCharCase(top ? TEditCharCase::ecUpperCase : TEditCharCase::ecNormal);
        if (OpenSQL(query, "select nomor, keterangan, posisi from posisi_coa order by nomor asc"))
            for (; !query.Eof(); query.Next()) {
                ZlComboBox2->Items().Add(FieldText(query, "keterangan", "-"));
                categoryNumbers_.push_back(FieldText(query, "nomor", "-"));
            }
        current = ChartValue(Frm_Perkiraan ? Frm_Perkiraan->jenis_coa : nullptr, "keterangan");
    } else {
        ZlLabel5->SetCaption("Top Account:");
        Zledit3->SetCharCase(TEditCharCase::ecNormal);
        if (OpenSQL(query, "select account_ID, account_code, account_name, account_cat from coa where "
                           "account_header=true order by account_code asc"))
            for (; !query.Eof(); query.Next()) {
                ZlComboBox2->Items().Add(FieldText(query, "account_name", "-"));
                parentPrefixes_.push_back(FieldText(query, "account_code", "-").substr(0, 3));
                parentCategories_.push_back(FieldText(query, "account_cat", "-"));
            }
        current = ChartValue(Frm_Perkiraan ? Frm_Perkiraan->QCoa : nullptr, "account_name");
    }
    query.Close();
    ZlComboBox2->SetItemIndex(ZlComboBox2->Items().IndexOf(current));
    ZlComboBox2Change();
}

int TFI_Akun::ChosenEntry() const
{
    const int i = ZlComboBox2->ItemIndex();
    const size_t loaded = ZlRadio4->Checked() ? parentPrefixes_.size() : categoryNumbers_.size();
    return i >= 0 && static_cast<size_t>(i) < loaded ? i : -1;
}

bool TFI_Akun::CodeTaken(const std::string& code)
{
    const bool taken =
        OpenSQL(*DtModule->Query1, "select account_code from coa where account_code='" + SqlText(code) + "'");
    DtModule->Query1->Close();
    return taken;
}

void TFI_Akun::ZlComboBox2Change()
{
    const int i = ChosenEntry();
    if (i < 0)
        return;
    std::string code;
    std::string category;
    TADOQuery& query = *DtModule->Query1;
    auto count = [&query](const std::string& sql) {
        OpenSQL(query, sql);
        const int64_t n = IfNull(query.FieldByName("nomor")->Value(), 0).AsInteger() + 1;
        query.Close();
        return n;
    };
    if (ZlRadio3->Checked() || ZlRadio5->Checked()) {
        category = categoryNumbers_[i];
        int64_t n = count("select count(account_cat) as nomor from coa where account_header=true and account_cat='" +
                          SqlText(category) + "'");
        for (code = category + IntToStr(n) + "0"; CodeTaken(code); code = category + IntToStr(n) + "0")
            ++n;
    } else if (ZlRadio4->Checked()) {
        const std::string& prefix = parentPrefixes_[i];
        category = parentCategories_[i];
        int64_t n = count("select count(account_cat) as nomor from coa where account_header=false and account_cat='" +
                          SqlText(category) + "' and account_code " + SqlLikePrefix(prefix));
        for (code = prefix + IntToStr(n); CodeTaken(code); code = prefix + IntToStr(n))
            ++n;
    }
    Zledit2->SetText(code);
    const char accountClass = category.empty() ? ' ' : category[0];
    if (accountClass == '1' || accountClass == '7')
        ZlRadio1->SetChecked(true);
    else if (accountClass != '9' && !category.empty())
        ZlRadio2->SetChecked(true);
    Zledit3->SetFocus();
}

void TFI_Akun::TeButton1Click()
{
    const bool listKind = ZlRadio3->Checked() || ZlRadio5->Checked();
    const int entry = ChosenEntry();
    if (Mode == 1 && entry < 0) {
        ShowMessage(listKind ? "silakan isikan dulu kategori accountnya" : "silakan isikan dulu Top accountnya");
        ZlComboBox2->SetFocus();
        return;
    }
    if (!ZlRadio3->Checked() && ZlComboBox3->ItemIndex() < 0) {
        ShowMessage("silakan isikan dulu Unit Usahanya");
        if (ZlComboBox3->CanFocus())
            ZlComboBox3->SetFocus();
        return;
    }
    const std::string code = Zledit2->Text();
    if (code.empty()) {
        ShowMessage("silakan isikan dulu kode accountnya");
        Zledit2->SetFocus();
        return;
    }
    if (Zledit3->Text().empty()) {
        ShowMessage("silakan isikan dulu nama accountnya");
        Zledit3->SetFocus();
        return;
    }
    if (!ZlRadio1->Checked() && !ZlRadio2->Checked()) {
        MessageDlg("Pilih Posisi akun yang akan anda masukkan!", TMsgDlgType::mtWarning, mbOK);
        return;
    }
    if (!ZlRadio3->Checked() && !ZlRadio4->Checked() && !ZlRadio5->Checked())
        return;

    // Every box comes after the save's transaction has let go of the book.
    try {
        switch (SaveAccount(code, listKind ? categoryNumbers_ : parentCategories_, entry)) {
        case TAccountSave::Saved:
            saved_ = true;
            ShowMessage("Data tersimpan..");
            Close();
            break;
        case TAccountSave::CodeTaken:
            MessageDlg("Kode yang anda masukkan sudah ada!", TMsgDlgType::mtWarning, mbOK);
            break;
        case TAccountSave::AccountMissing:
            MessageDlg("Data tidak tersimpan, database error!", TMsgDlgType::mtError, mbOK);
            break;
        }
    } catch (const EChangedByOther& e) {
        MessageDlg(e.Message(), TMsgDlgType::mtError, mbOK);
        if (ReadRows(*DtModule, StoredAccounts(AccountIdText)).empty())
            Close();
        else
            FormShow();
    }
}

TFI_Akun::TAccountSave TFI_Akun::SaveAccount(const std::string& code, const std::vector<std::string>& categories,
                                              int entry)
{
    TTransaction transaction(*DtModule->CONN1);
    // Another instance may have removed the blank row and given its id to an account of its own.
    if (Mode == 1 && !EntryHeld(*DtModule, "coa", AccountIdText))
        AccountIdText = NewBlankAccount(*DtModule);
    if (Mode == 2) {
        if (asRead_.empty())
            throw EChangedByOther(ChangedByOtherText);
        CheckRowsUnchanged(*DtModule, StoredAccounts(AccountIdText), asRead_);
    }
    // Checked in the write, so that another instance cannot store the same code meanwhile.
    if ((Mode == 1 || code != oldCode_) && CodeTaken(code))
        return TAccountSave::CodeTaken;
    ReopenDataSet(*coa);
    if (!coa->Locate("account_id", AccountIdText, loCaseInsensitive))
        return TAccountSave::AccountMissing;
    coa->Edit();
    coa->FieldByName("account_header")->SetAsBoolean(ZlRadio3->Checked());
    coa->FieldByName("sub")->SetAsBoolean(ZlRadio4->Checked());
    coa->FieldByName("account_code")->SetAsString(code);
    coa->FieldByName("account_name")->SetAsString(Zledit3->Text());
    if (Mode == 1)
        coa->FieldByName("account_cat")->SetAsString(categories[static_cast<size_t>(entry)]);
    coa->FieldByName("account_pos")->SetAsString(ZlRadio1->Checked() ? "D" : "K");
    const int unit = ZlComboBox3->ItemIndex();
    if (ZlRadio3->Checked())
        coa->FieldByName("account_sub")->Clear();
    else if (Mode == 1 || storedUnitListed_)
        coa->FieldByName("account_sub")->SetAsString(unitIds_[static_cast<size_t>(unit)]);
    coa->Post();
    if (Mode == 1)
        ReleaseEntry(*DtModule, "coa", AccountIdText);
    transaction.Commit();
    return TAccountSave::Saved;
}

std::string StoredAccounts(const std::string& id)
{
    return "select * from coa" + (id.empty() ? std::string() : " where account_id=" + IntToStr(StrToInt(id)))
        + " order by account_id";
}

void TFI_Akun::DoClose(TCloseAction& action)
{
    if (Mode == 1 && !saved_ && DtModule && DtModule->CONN1->Connected() && !AccountIdText.empty()) {
        coa->Close();
        RemoveBlankAccount(*DtModule, AccountIdText);
    }
    TLedgerForm::DoClose(action);
}
