#include "ledger/TFI_Jenis_coa.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/FloatText.h"
#include "skin/controls/TTeForm.h"

namespace {

struct TAccountClass {
    const char* Name;
    const char* Digit;
    bool Debit;
    bool BalanceSheet;
};

const TAccountClass AccountClasses[] = {
    {"Perkiraan Harta (Aktiva)", "1", true, true},   {"Perkiraan Hutang (Pasiva)", "2", false, true},
    {"Perkiraan Modal (Prive)", "3", false, true},   {"Perkiraan Pendapatan", "4", false, false},
    {"Perkiraan Biaya", "7", true, false},
};

} // namespace

TFI_Jenis_coa::TFI_Jenis_coa(TComponent* AOwner) : TLedgerForm(AOwner, "FI_refJenisCoa")
{
    SetName("FI_Jenis_coa");
    SetCaption("FI_Jenis_coa");
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(360, 190);

    auto label = [this](const char* name, const char* caption, int top) {
        PlaceLabel(*this, *this, name, caption, 12, top + 3, 100, 13);
    };
    label("ZlLabel1", "Top Account", 12);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox1", 116, 12, 230, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->SetDropDownCount(15);
    for (const TAccountClass& c : AccountClasses)
        ZlComboBox1->Items().Add(c.Name);
    label("ZlLabel2", "Kode", 40);
    ZlEdit1 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit1", 116, 40, 20, 21);
    ZlEdit1->SetEnabled(false);
    ZlEdit3 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit3", 140, 40, 40, 21);
    ZlEdit3->SetMaxLength(3);
    label("ZlLabel3", "Jenis Kategori", 68);
    ZlEdit2 = PlaceControl<TZlEdit>(*this, *this, "ZlEdit2", 116, 68, 230, 21);
    ZlEdit2->SetMaxLength(50);
    ZlEdit2->SetCharCase(TEditCharCase::ecUpperCase);
    label("ZlLabel4", "Posisi Account ", 96);
    ZlRadio1 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio1", 116, 96, 70, 17);
    ZlRadio1->SetCaption("Debet");
    ZlRadio2 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio2", 196, 96, 70, 17);
    ZlRadio2->SetCaption("Kredit");
    ZlRadio1->SetChecked(true);
    label("ZlLabel5", "Kelompok", 122);
    ZlRadio3 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio3", 116, 122, 100, 17);
    ZlRadio3->SetCaption("Neraca Saldo");
    ZlRadio4 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio4", 226, 122, 90, 17);
    ZlRadio4->SetCaption("Laba Rugi");
    for (TZlRadio* radio : {ZlRadio3, ZlRadio4})
        radio->SetGroupIndex(2);
    ZlRadio4->SetChecked(true);
    for (TZlRadio* radio : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4})
        radio->SetButtonShape(TZlRadio::TButtonShape::btDiamond);

    TeButton1 = PlaceControl<TZlButton>(*this, *this, "TeButton1", 190, 154, 75, 25);
    TeButton1->SetCaption("&Save");
    TeButton2 = PlaceControl<TZlButton>(*this, *this, "TeButton2", 271, 154, 75, 25);
    TeButton2->SetCaption("&Cancel");
    SetCancelButton(TeButton2);

    ZlComboBox1->OnChange = [this](TComponent*) { ZlComboBox1Change(); };
    for (TWinControl* field : std::initializer_list<TWinControl*>{ZlEdit2, ZlEdit3, ZlRadio1, ZlRadio2})
        MoveFocusOnEnter(*field);
    for (TZlRadio* radio : {ZlRadio3, ZlRadio4}) {
        radio->OnClick = [this](TComponent*) { TeButton1->SetFocus(); };
        radio->OnKeyPress = [this](TComponent*, char32_t& key) {
            if (key == U'\r') {
                key = 0;
                TeButton1->SetFocus();
            }
        };
    }
    TeButton1->OnClick = [this](TComponent*) { TeButton1Click(); };
    TeButton2->OnClick = [this](TComponent*) {
        Saved = false;
        Close();
    };
    UseWindowFont(*this);
}

std::string TFI_Jenis_coa::Number() const
{
    return ZlEdit1->Text() + ZlEdit3->Text();
}

void TFI_Jenis_coa::ZlComboBox1Change()
{
    const int index = ZlComboBox1->ItemIndex();
    if (index < 0 || index >= static_cast<int>(std::size(AccountClasses)))
        return;
    const TAccountClass& chosen = AccountClasses[index];
    OpenSQL(*DtModule->Query1, std::string("select count(nomor)+1 as urut from posisi_coa where nomor like '") +
                                   chosen.Digit + "%'");
    ZlEdit1->SetText(chosen.Digit);
    ZlEdit3->SetText(IntToStr(IfNull(DtModule->Query1->FieldByName("urut")->Value(), 1).AsInteger()));
    DtModule->Query1->Close();
    (chosen.Debit ? ZlRadio1 : ZlRadio2)->SetChecked(true);
    (chosen.BalanceSheet ? ZlRadio3 : ZlRadio4)->SetChecked(true);
    ZlEdit3->SetFocus();
}

void TFI_Jenis_coa::TeButton1Click()
{
    if (!ZlRadio1->Checked() && !ZlRadio2->Checked()) {
        MessageDlg("Anda harus memasukkan posisi rekening [D/K]", TMsgDlgType::mtError, mbOK);
        return;
    }
    // A category without a class or running number would stand over every account code.
    if (ZlEdit1->Text().empty() || ZlEdit3->Text().empty()) {
        MessageDlg("silakan isikan dulu kode kategorinya", TMsgDlgType::mtError, mbOK);
        return;
    }
    Saved = true;
    Close();
}
