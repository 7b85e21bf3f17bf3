#include "ledger/TFrm_Anggaran.h"

#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/Budget.h"
#include "ledger/BudgetRealisation.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

namespace {

const char* const BudgetFormat = "#,##0.00";
const char* const MonthTitles[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
constexpr int TotalColumn = 3;

std::string MonthColumn(int m)
{
    return "anggaran_b" + IntToStr(m);
}

} // namespace

TFrm_Anggaran::TFrm_Anggaran(TComponent* AOwner) : TLedgerForm(AOwner, "Record List Of Kategori Anggaran")
{
    SetName("Frm_Anggaran");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(740, 430);
    SetColor(clWhite);

    ZlLabel1 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel1", 8, 6, 500, 22);
    ZlLabel1->SetCaption(" :. LIST of BUDGET for CURRENT YEAR");
    ZlLabel2 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel2", 8, 34, 200, 16);
    ZlLabel2->SetCaption(" * List");
    for (TZlLabel* label : {ZlLabel1, ZlLabel2}) {
        label->SetParentFont(true);
        label->SetTransparent(true);
        label->Font().SetStyle(fsBold);
    }
    ZlLabel1->Font().SetHeight(-15);

    to_anggaran = CreateOwned<TADOTable>(*this);
    to_anggaran->SetName("to_anggaran");
    to_anggaran->SetTableName("to_anggaran");
    if (DtModule)
        to_anggaran->SetConnection(DtModule->CONN1);
    to_anggaran->AfterOpen = [this](TDataSet*) { ShowAmounts(); };
    DataSource1 = CreateOwned<TDataSource>(*this);
    DataSource1->SetName("DataSource1");
    DataSource1->SetDataSet(to_anggaran);

    zgdbgrid27 = PlaceControl<TZgDBGrid>(*this, *this, "zgdbgrid27", 8, 54, 724, 330);
    auto column = [this](const std::string& field, const std::string& title, int width, bool readOnly) {
        TZgColumn* c = zgdbgrid27->Columns().Add();
        c->SetFieldName(field);
        c->Title().SetCaption(title);
        c->SetWidth(width);
        c->SetReadOnly(readOnly);
        return c;
    };
    column("account_id", "account_id", 40, true)->SetVisible(false);
    column("account_code", "Code", 60, true);
    column("account_name", "Account", 190, true);
    column("jumlah", "Total", AmountColumnWidth, false);
    for (int m = 1; m <= 12; ++m)
        column(MonthColumn(m), MonthTitles[m - 1], AmountColumnWidth, false);
    zgdbgrid27->SetDataSource(DataSource1);
    ColourListRows(*zgdbgrid27);
    zgdbgrid27->OnKeyPress = [this](TComponent*, char32_t& key) { zgdbgrid27KeyPress(key); };

    ZlSpeedButton8 = PlaceControl<TZlSpeedButton>(*this, *this, "ZlSpeedButton8", 8, 394, 80, 25);
    ZlSpeedButton8->SetCaption("&Save");
    ZlSpeedButton8->OnClick = [this](TComponent*) { SaveBudget(); };

    auto radio = [this](TZlRadio*& r, const char* name, const char* caption, int left, int group) {
        r = PlaceControl<TZlRadio>(*this, *this, name, left, 398, 80, 17);
        r->SetCaption(caption);
        r->SetGroupIndex(static_cast<uint8_t>(group));
        r->SetColor(clWhite);
    };
    radio(ZlRadio8, "ZlRadio8", "By &Code", 100, 1);
    radio(ZlRadio7, "ZlRadio7", "By N&ame", 180, 1);
    ZlRadio8->SetChecked(true);
    for (TZlRadio* r : {ZlRadio8, ZlRadio7})
        r->OnClick = [this](TComponent*) { ZlRadio8Click(); };
    radio(ZlRadio1, "ZlRadio1", "Kalvera", 260, 2);
    radio(ZlRadio2, "ZlRadio2", "ZIVU", 320, 2);
    radio(ZlRadio3, "ZlRadio3", "Duvize", 380, 2);
    radio(ZlRadio4, "ZlRadio4", "Semua", 440, 2);
    ZlRadio4->SetChecked(true);
    for (TZlRadio* r : {ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4}) {
        r->SetVisible(false);
        r->OnClick = [this](TComponent*) { ZlRadio1Click(); };
    }

    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", 500, 394, 140, 25);
    TeButton2->SetCaption("&Realisasi Bulan Ini");
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", 652, 394, 80, 25);
    TeButton1->SetCaption("&Close");
    TeButton1->OnClick = [this](TComponent*) { Close(); };

    OnShow = [this](TComponent*) { FormShow(); };
}

void TFrm_Anggaran::FormShow()
{
    if (Screen)
        Screen->SetCursor(crHourGlass);
    if (DtModule && DtModule->CONN1->Connected()) {
        ReopenDataSet(*to_anggaran);
        to_anggaran->SetSort("account_code");
    }
    for (TZlRadio* r : {ZlRadio8, ZlRadio7, ZlRadio1, ZlRadio2, ZlRadio3, ZlRadio4})
        r->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    if (Screen)
        Screen->SetCursor(crDefault);
}

void TFrm_Anggaran::ShowAmounts()
{
    for (int m = 0; m <= 12; ++m)
        if (TField* field = to_anggaran->FindField(m == 0 ? std::string("jumlah") : MonthColumn(m)))
            field->SetDisplayFormat(BudgetFormat);
}

void TFrm_Anggaran::RebuildAndRequery(const TRowImage& typedSince)
{
    {
        TLongJob job(WaitWindowProgress());
        asRead_ = RebuildBudget(*DtModule, job, typedSince);
    }
    to_anggaran->CheckBrowseMode();
    if (to_anggaran->Active())
        to_anggaran->Requery();
    else
        to_anggaran->Open();
    to_anggaran->First();
}

void TFrm_Anggaran::zgdbgrid27KeyPress(char32_t& Key)
{
    if (Key != U'\r' || !to_anggaran->Active() || to_anggaran->IsEmpty())
        return;
    if (zgdbgrid27->SelectedIndex() == TotalColumn) {
        if (IsEditing(to_anggaran->State()))
            to_anggaran->Post();
        const Currency month = IfNull(to_anggaran->FieldByName("jumlah")->Value(), 0).AsCurrency() / 12.0;
        to_anggaran->Edit();
        for (int m = 1; m <= 12; ++m)
            to_anggaran->FieldByName(MonthColumn(m))->SetValue(Variant(month));
        to_anggaran->Post();
        to_anggaran->Next();
        zgdbgrid27->SetSelectedIndex(TotalColumn);
    } else if (IsEditing(to_anggaran->State()) && !to_anggaran->Eof()) {
        Currency total;
        for (int m = 1; m <= 12; ++m)
            total += IfNull(to_anggaran->FieldByName(MonthColumn(m))->Value(), 0).AsCurrency();
        to_anggaran->FieldByName("jumlah")->SetValue(Variant(total));
        to_anggaran->Post();
        const int last = zgdbgrid27->Columns().Count() - 1;
        zgdbgrid27->SetSelectedIndex(std::min(zgdbgrid27->SelectedIndex() + 1, last));
    } else {
        to_anggaran->CheckBrowseMode();
    }
}

void TFrm_Anggaran::SaveBudget()
{
    if (IsLongJobRunning() || !DtModule || !DtModule->CONN1->Connected())
        return;
    // The amount still being typed is saved too: the editor's text goes into the row, the row is posted.
    if (zgdbgrid27->EditorMode())
        zgdbgrid27->HideEditor();
    if (to_anggaran->Active())
        to_anggaran->CheckBrowseMode();
    try {
        TLongJob job(WaitWindowProgress());
        asRead_ = ::SaveBudget(*DtModule, asRead_, job);
    } catch (const EChangedByOther& e) {
        // The list behind the box shows the book now, with the typed figures kept for a second Save.
        RebuildAndRequery(asRead_);
        MessageDlg(e.Message(), TMsgDlgType::mtError, mbOK);
        return;
    }
    ReopenDataSet(*to_anggaran);
    to_anggaran->SetSort("account_code");
    to_anggaran->First();
}

void TFrm_Anggaran::ZlRadio8Click()
{
    if (!to_anggaran->Active())
        to_anggaran->Open();
    to_anggaran->SetSort(ZlRadio7->Checked() ? "account_name" : "account_code");
}

void TFrm_Anggaran::ZlRadio1Click()
{
    to_anggaran->SetFiltered(false);
    const std::string unit = ZlRadio1->Checked() ? "10" : ZlRadio2->Checked() ? "11" : ZlRadio3->Checked() ? "12" : "";
    to_anggaran->SetFilter(unit.empty() ? std::string() : "account_sub=" + unit);
    to_anggaran->SetFiltered(true);
}

void TFrm_Anggaran::TeButton2Click()
{
    if (IsLongJobRunning() || !DtModule || !DtModule->CONN1->Connected())
        return;
    int year = 0, month = 0, day = 0;
    DecodeDate(CurrentClock().Now(), year, month, day);
    std::string unitText, accounts = "select account_id, account_cat from v_anggaran ";
    const std::pair<TZlRadio*, const char*> units[] = {
        {ZlRadio1, "UNIT KALVERA"}, {ZlRadio2, "UNIT ZIVU"}, {ZlRadio3, "UNIT DUVIZE"}};
    for (int u = 0; u < 3; ++u)
        if (units[u].first->Checked()) {
            unitText = units[u].second;
            accounts = BudgetAccountQuery(u);
        }
    {
        TLongJob job(WaitWindowProgress());
        RealiseBudget(*DtModule, IntToStr(month), accounts, job);
    }
    TBudgetReport report;
    report.Month = IntToStr(month);
    report.MasterSql = "select distinct account_cat, keterangan from v_lap_anggaran order by account_cat";
    report.Title = "LAPORAN REALISASI ANGGARAN BELANJA " + unitText;
    report.Period = "Periode  " + MonthName(month) + "/" + IntToStr(year);
    ShowBudgetReport(report, TReportOutput::Preview);
}
