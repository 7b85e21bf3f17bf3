#include "ledger/TFI_Saldo_Awal.h"

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/OpeningBalances.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"

namespace {

const char* TotalFormat = "Rp #,##0.00;(Rp #,##0.00)";
const char* CommaMessage = "Inpukan saldo awal jangan mengunakan koma";

} // namespace

TFI_Saldo_Awal::TFI_Saldo_Awal(TComponent* AOwner) : TLedgerForm(AOwner, "FI_SaldoAwal")
{
    SetName("FI_Saldo_Awal");
    SetCaption("FI_Saldo_Awal");
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetClientSize(600, 440);

    PlaceLabel(*this, *this, "ZlLabel1",
               "-> Input Saldo Awal ini merupakan saldo akhir Tahun, sebelum transaksi tahun berjalan dilakukan", 12, 8,
               576, 14);
    PlaceLabel(*this, *this, "ZlLabel2", "-> Saldo Awal harus dalam kondisi balance", 12, 24, 576, 14);

    coa_tmp = CreateOwned<TADOTable>(*this);
    coa_tmp->SetName("coa_tmp");
    coa_tmp->SetTableName("coa_tmp");
    if (DtModule)
        coa_tmp->SetConnection(DtModule->CONN1);
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetDataSet(coa_tmp);

    ZgDBGrid28 = PlaceControl<TZgDBGrid>(*this, *this, "ZgDBGrid28", 12, 46, 576, 300);
    struct TColumnDef {
        const char* Field;
        const char* Title;
        int Width;
    };
    for (const TColumnDef& def : {TColumnDef{"account_code", "Kode Perkiraan", 90},
                                    TColumnDef{"account_id", "account_id", 40},
                                    TColumnDef{"account_name", "Nama Perkiraan", 250},
                                    TColumnDef{"account_cat", "account_cat", 40},
                                    TColumnDef{"account_pos", "D/K", 36},
                                    TColumnDef{"saldo_awal", "Saldo Awal", 150}}) {
        TZgColumn* column = ZgDBGrid28->Columns().Add();
        column->SetFieldName(def.Field);
        column->Title().SetCaption(def.Title);
        column->SetWidth(def.Width);
        column->SetReadOnly(std::string(def.Field) != "saldo_awal");
    }
    ZgDBGrid28->Columns().Items(1)->SetVisible(false);
    ZgDBGrid28->Columns().Items(3)->SetVisible(false);
    ZgDBGrid28->Columns().Items(4)->SetAlignment(TAlignment::taCenter);
    ZgDBGrid28->SetDataSource(DataSource1);
    ColourListRows(*ZgDBGrid28);

    auto total = [this](const char* labelName, const char* caption, const char* name, int left) {
        PlaceLabel(*this, *this, labelName, caption, left, 359, 70, 14);
        auto* edit = PlaceControl<TZlEdit>(*this, *this, name, left + 72, 356, 180, 21);
        edit->SetEnabled(false);
        edit->SetInputType(TInputType::itCurrency);
        edit->SetFormat(TotalFormat);
        edit->SetAlignment(TAlignment::taRightJustify);
        edit->SetText("0");
        return edit;
    };
    ZlEdit51 = total("ZlLabel3", "Jml Aktiva", "ZlEdit51", 12);
    ZlEdit53 = total("ZlLabel4", "Jml Pasiva", "ZlEdit53", 300);

    auto unitRadio = [this](TZlRadio*& radio, const char* name, const char* caption, int left) {
        radio = PlaceControl<TZlRadio>(*this, *this, name, left, 386, 70, 17);
        radio->SetCaption(caption);
        radio->SetVisible(false);
        radio->OnClick = [this](TComponent*) { ZlRadio8Click(); };
    };
    unitRadio(ZlRadio8, "ZlRadio8", "Kalvera", 12);
    unitRadio(ZlRadio7, "ZlRadio7", "ZIVU", 82);
    unitRadio(ZlRadio2, "ZlRadio2", "Duvize", 152);
    unitRadio(ZlRadio1, "ZlRadio1", "Semua", 222);
    ZlRadio1->SetChecked(true);

    TeButton1 = PlaceControl<TZlButton>(*this, *this, "TeButton1", 432, 404, 75, 25);
    TeButton1->SetCaption("&Save");
    TeButton2 = PlaceControl<TZlButton>(*this, *this, "TeButton2", 513, 404, 75, 25);
    TeButton2->SetCaption("&Cancel");

    coa_tmp->AfterOpen = [this](TDataSet*) { ShowTotals(); };
    coa_tmp->AfterPost = [this](TDataSet*) { ShowTotals(); };
    // The window's own word on a refused character is the only box.
    coa_tmp->OnEditError = [](TDataSet*, EDatabaseError&, TDataAction& action) {
        action = daAbort;
        ShowMessage(CommaMessage);
    };
    coa_tmp->OnPostError = [](TDataSet*, EDatabaseError&, TDataAction& action) {
        action = daAbort;
        ShowMessage(CommaMessage);
    };
    ZgDBGrid28->OnKeyPress = [this](TComponent*, char32_t& key) { ZgDBGrid28KeyPress(key); };
    TeButton1->OnClick = [this](TComponent*) { TeButton1Click(); };
    TeButton2->OnClick = [this](TComponent*) { Close(); };
    OnShow = [this](TComponent*) { FormShow(); };
    UseWindowFont(*this);
}

void TFI_Saldo_Awal::ReadBalances(const TRowImage& typedSince)
{
    {
        TLongJob job(WaitWindowProgress());
        asRead_ = FillOpeningBalanceTable(*DtModule, job, typedSince);
    }
    if (coa_tmp->Active()) {
        ReopenDataSet(*coa_tmp);
        coa_tmp->First();
    }
}

void TFI_Saldo_Awal::FormShow()
{
    for (TZlRadio* radio : {ZlRadio8, ZlRadio7, ZlRadio2, ZlRadio1})
        radio->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (!DtModule || !DtModule->CONN1->Connected())
        return;
    ReopenDataSet(*DtModule->ref_unit);
    ReopenDataSet(*coa_tmp);
    if (!coa_tmp->IsEmpty()) {
        coa_tmp->First();
        ZgDBGrid28->SetSelectedIndex(5);
    }
}

std::string TFI_Saldo_Awal::CheckedUnit() const
{
    return ZlRadio8->Checked() ? "10" : ZlRadio7->Checked() ? "11" : ZlRadio2->Checked() ? "12" : "";
}

void TFI_Saldo_Awal::ShowTotals()
{
    const std::string unit = CheckedUnit();
    debitTotal_ = OpeningTotal(*DtModule, "D", unit);
    creditTotal_ = OpeningTotal(*DtModule, "K", unit);
    for (auto [edit, total] : {std::pair{ZlEdit51, debitTotal_}, std::pair{ZlEdit53, creditTotal_}}) {
        edit->SetNumericValue(total.ToDouble());
        edit->SetText(FormatFloat(TotalFormat, total.ToDouble()));
    }
}

void TFI_Saldo_Awal::ZlRadio8Click()
{
    coa_tmp->SetFiltered(false);
    const std::string unit = CheckedUnit();
    coa_tmp->SetFilter(unit.empty() ? std::string() : "account_sub=" + unit);
    coa_tmp->SetFiltered(true);
    ShowTotals();
}

void TFI_Saldo_Awal::ZgDBGrid28KeyPress(char32_t& key)
{
    if (key != U'\r' || coa_tmp->IsEmpty() || coa_tmp->Eof())
        return;
    if (coa_tmp->State() == dsEdit)
        coa_tmp->Post();
    coa_tmp->Next();
    ZgDBGrid28->SetSelectedIndex(5);
}

void TFI_Saldo_Awal::TeButton1Click()
{
    if (IsLongJobRunning() || !DtModule || !DtModule->CONN1->Connected())
        return;
    // The amount still in the editor counts, so the question is asked on what the user sees.
    if (ZgDBGrid28->EditorMode())
        ZgDBGrid28->HideEditor();
    coa_tmp->CheckBrowseMode();
    ShowTotals();
    if (debitTotal_ != creditTotal_ &&
        MessageDlg("Saldo Awal tidak balance, silakan cek lagi atau klik [yes] jika anda yakin akan melanjutkan...!",
                   TMsgDlgType::mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        TLongJob job(WaitWindowProgress());
        asRead_ = SaveOpeningBalances(*DtModule, *coa_tmp, IntToStr(LoginState().ref_tahun), asRead_, job);
    } catch (const EChangedByOther& e) {
        // The list behind the box shows the book now, with the typed amounts kept for a second Save.
        ReadBalances(asRead_);
        MessageDlg(e.Message(), TMsgDlgType::mtError, mbOK);
        return;
    }
    TeButton2->SetCaption("&Close");
}
