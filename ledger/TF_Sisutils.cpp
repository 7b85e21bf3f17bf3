#include "ledger/TF_Sisutils.h"

#include <algorithm>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "ledger/BlankEntries.h"
#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TFPop_coa.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TField.h"
#include "skin/controls/TTeButton.h"

TF_Sisutils* F_Sisutils = nullptr;

namespace {

struct TAccountRowDef {
    const char* Label;
    const char* Code;
    const char* Id;
    const char* Button;
    const char* Column;
};

const TAccountRowDef AccountRows[12] = {
    {"Account of Cash", "ZlEdit5", "ZlEdit6", "ZlButton1", "id_kas"},
    {"P/L Account", "ZlEdit8", "ZlEdit15", "ZlButton5", "id_laba_berjalan"},
    {"Retained Earning", "ZlEdit9", "ZlEdit16", "ZlButton6", "id_laba_tahun_lalu"},
    {"Piutang Karyawan", "ZlEdit7", "ZlEdit10", "ZlButton2", "id_pihutang"},
    {"Kas ZIVU", "ZlEdit11", "ZlEdit12", "ZlButton3", "id_kas2"},
    {"Kas Duvize", "ZlEdit13", "ZlEdit14", "ZlButton4", "id_kas3"},
    {"Piutang Kary.ZIVU", "ZlEdit17", "ZlEdit18", "ZlButton7", "id_pihutang2"},
    {"Piutang Kary.Duvize", "ZlEdit19", "ZlEdit20", "ZlButton8", "id_pihutang3"},
    {"Laba Berjalan ZIVU", "ZlEdit21", "ZlEdit23", "ZlButton9", "id_laba_berjalan2"},
    {"Laba Ditahan ZIVU", "ZlEdit22", "ZlEdit24", "ZlButton10", "id_laba_tahun_lalu2"},
    {"Laba Berjalan Duvize", "ZlEdit25", "ZlEdit27", "ZlButton11", "id_laba_berjalan3"},
    {"Laba Ditahan Duvize", "ZlEdit26", "ZlEdit28", "ZlButton12", "id_laba_tahun_lalu3"},
};

const int FirstYear = 2000;
const char* const StoredSettings = "select * from ref_sistem order by rowid";

int64_t Number(TDataSet& data, const char* field)
{
    return IfNull(data.FieldByName(field)->Value(), 0).AsInteger();
}

} // namespace

TF_Sisutils::TF_Sisutils(TComponent* AOwner) : TLedgerForm(AOwner, " :. SYSTEM SETTING ")
{
    SetName("F_Sisutils");
    SetCaption(" :. SYSTEM SETTING ");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(440, 330);
    F_Sisutils = this;

    ref_sistem = CreateOwned<TADOTable>(*this);
    ref_sistem->SetName("ref_sistem");
    ref_sistem->SetTableName("ref_sistem");
    if (DtModule)
        ref_sistem->SetConnection(DtModule->CONN1);

    int labels = 0;
    auto label = [this, &labels](const char* caption, int top) {
        const std::string name = "ZlLabel" + IntToStr(++labels);
        return PlaceLabel(*this, *this, name.c_str(), caption, 12, top + 3, 120, 13);
    };
    auto edit = [this, &label](TZlEdit*& field, const char* name, const char* caption, int top, bool upper) {
        label(caption, top);
        field = PlaceControl<TZlEdit>(*this, *this, name, 136, top, 292, 21);
        if (upper)
            field->SetCharCase(TEditCharCase::ecUpperCase);
        MoveFocusOnEnter(*field);
    };
    edit(ZlEdit1, "ZlEdit1", "Company Name :", 12, true);
    ZlEdit1->SetEnabled(false);
    edit(ZlEdit2, "ZlEdit2", "Address", 38, false);
    edit(ZlEdit3, "ZlEdit3", "Phone no", 64, true);
    edit(ZlEdit4, "ZlEdit4", "Profile", 90, false);
    auto list = [this, &label](TZlComboBox*& combo, const char* name, const char* caption, int top) {
        label(caption, top);
        combo = PlaceControl<TZlComboBox>(*this, *this, name, 136, top, 140, 21);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
    };
    list(ZlComboBox1, "ZlComboBox1", "Year", 116);
    list(ZlComboBox2, "ZlComboBox2", "Beginning year", 142);
    list(ZlComboBox3, "ZlComboBox3", "End year", 168);
    for (TZlComboBox* months : {ZlComboBox2, ZlComboBox3})
        for (const std::string& month : MonthNames)
            months->Items().Add(month);

    for (size_t i = 0; i < Accounts.size(); ++i) {
        const TAccountRowDef& def = AccountRows[i];
        const bool visible = i < 3;
        const int top = visible ? 200 + static_cast<int>(i) * 26 : 200;
        TAccountRow& row = Accounts[i];
        row.Column = def.Column;
        TZlLabel* caption = label(def.Label, top);
        row.Code = PlaceControl<TZlEdit>(*this, *this, def.Code, 136, top, 140, 21);
        row.Code->SetCharCase(TEditCharCase::ecUpperCase);
        row.Id = PlaceControl<TZlEdit>(*this, *this, def.Id, 280, top, 60, 21);
        row.Id->SetVisible(false);
        row.Pick = PlaceControl<TZlButton>(*this, *this, def.Button, 280, top, 26, 21);
        row.Pick->SetCaption("...");
        row.Pick->OnClick = [this, i](TComponent*) { Button1Click(Accounts[i]); };
        for (TControl* control : std::initializer_list<TControl*>{caption, row.Code, row.Pick})
            control->SetVisible(visible);
    }

    TeButton4 = PlaceControl<TTeButton>(*this, *this, "TeButton4", 272, 294, 75, 25);
    TeButton4->SetCaption("&Save");
    TeButton3 = PlaceControl<TTeButton>(*this, *this, "TeButton3", 353, 294, 75, 25);
    TeButton3->SetCaption("&Cancel");
    TeButton4->OnClick = [this](TComponent*) { TeButton4Click(); };
    TeButton3->OnClick = [this](TComponent*) { Close(); };
    OnShow = [this](TComponent*) { FormShow(); };
    UseWindowFont(*this);
}

TF_Sisutils::~TF_Sisutils()
{
    if (F_Sisutils == this)
        F_Sisutils = nullptr;
}

void TF_Sisutils::FillYears(int storedYear)
{
    // The closing moves the book year on each time, so the list grows with the stored and current year.
    int today = 0, month = 0, day = 0;
    DecodeDate(Date(), today, month, day);
    const int last = std::max({2020, storedYear, today}) + 10;
    ZlComboBox1->Items().Clear();
    for (int year = FirstYear; year <= last; ++year)
        ZlComboBox1->Items().Add(IntToStr(year));
}

void TF_Sisutils::FormShow()
{
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    asRead_ = ReadRows(*DtModule, StoredSettings);
    ReopenDataSet(*ref_sistem);
    // A field takes no more than its column stores, so Save cuts nothing typed.
    for (auto [edit, column] : {std::pair{ZlEdit1, "npt"}, {ZlEdit2, "apt"}, {ZlEdit3, "tpt"}, {ZlEdit4, "ppt"}}) {
        edit->SetMaxLength(ref_sistem->FieldByName(column)->Size());
        edit->SetText(FieldText(*ref_sistem, column, ""));
    }
    const int64_t year = Number(*ref_sistem, "ref_tahun");
    FillYears(static_cast<int>(std::min<int64_t>(std::max<int64_t>(year, 0), 9999)));
    ZlComboBox1->SetItemIndex(ZlComboBox1->Items().IndexOf(IntToStr(year)));
    for (auto [months, column] : {std::pair{ZlComboBox2, "first_mnt"}, std::pair{ZlComboBox3, "last_mnt"}}) {
        const int64_t month = Number(*ref_sistem, column);
        months->SetItemIndex(month >= 1 && month <= 12 ? static_cast<int>(month) - 1 : -1);
    }
    TADOQuery& query = *DtModule->Query1;
    for (TAccountRow& row : Accounts) {
        const std::string id = FieldText(*ref_sistem, row.Column, "0");
        row.Id->SetText(id);
        int64_t number = 0;
        std::string code;
        if (TryStrToInt(id, number) &&
            OpenSQL(query, "select account_code from coa where account_id=" + IntToStr(number)))
            code = FieldText(query, "account_code", "");
        row.Code->SetText(code);
    }
    query.Close();
}

void TF_Sisutils::Button1Click(const TAccountRow& row)
{
    if (!FPop_coa || !DtModule || !DtModule->CONN1->Connected())
        return;
    TADOQuery& list = *FPop_coa->ADOQuery1;
    OpenSQL(list, "select account_code, account_name, account_id from coa where account_header=false and "
                      + AccountNotHeld("coa.account_id") + " order by account_code");
    FPop_coa->ShowModal();
    if (FPop_coa->Cancelled)
        return;
    row.Code->SetText(FieldText(list, "account_code", ""));
    row.Id->SetText(IntToStr(Number(list, "account_id")));
}

void TF_Sisutils::TeButton4Click()
{
    const int first = ZlComboBox2->ItemIndex();
    const int last = ZlComboBox3->ItemIndex();
    // A missing month is refused with the span rule, since the closing needs both.
    const int span = first < 0 || last < 0 ? -1 : first <= last ? last - first : first - last + 10;
    if (span != 11) {
        ShowMessage("Penutupan buku dilakukan dalam periode setahun, anda memasukan periode awal dan akhir yang "
                    "salah\r\nsilakan perbaiki periode awal dan periode akhir untuk penutupan bukunya!!!");
        ZlComboBox2->SetFocus();
        return;
    }
    if (ZlComboBox1->ItemIndex() < 0) {
        ShowMessage("silakan isikan dulu tahun bukunya");
        ZlComboBox1->SetFocus();
        return;
    }
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    try {
        SaveSettings(first, last);
    } catch (const EChangedByOther& e) {
        ref_sistem->Cancel();
        MessageDlg(e.Message(), TMsgDlgType::mtError, mbOK);
        FormShow();
        return;
    }
    LoadSystemSettings(*DtModule);
    Close();
}

void TF_Sisutils::SaveSettings(int first, int last)
{
    TTransaction transaction(*DtModule->CONN1);
    CheckRowsUnchanged(*DtModule, StoredSettings, asRead_);
    ref_sistem->Edit();
    ref_sistem->FieldByName("npt")->SetAsString(ZlEdit1->Text());
    ref_sistem->FieldByName("apt")->SetAsString(ZlEdit2->Text());
    ref_sistem->FieldByName("tpt")->SetAsString(ZlEdit3->Text());
    ref_sistem->FieldByName("ppt")->SetAsString(ZlEdit4->Text());
    ref_sistem->FieldByName("ref_tahun")->SetAsString(ZlComboBox1->Text());
    ref_sistem->FieldByName("first_mnt")->SetAsInteger(first + 1);
    ref_sistem->FieldByName("last_mnt")->SetAsInteger(last + 1);
    for (const TAccountRow& row : Accounts) {
        TField* field = ref_sistem->FieldByName(row.Column);
        if (row.Id->Text().empty())
            field->Clear();
        else
            field->SetAsString(row.Id->Text());
    }
    ref_sistem->Post();
    transaction.Commit();
}

std::string ControlAccountCaption(const std::string& column)
{
    for (const TAccountRowDef& row : AccountRows)
        if (column == row.Column)
            return row.Label;
    return {};
}
