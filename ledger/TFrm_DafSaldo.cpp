#include "ledger/TFrm_DafSaldo.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlRadio.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/BlankEntries.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "ledger/ReportLayout.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/TrialBalanceCells.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/controls/TScrollBox.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TDataSource.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFrm_DafSaldo* Frm_DafSaldo = nullptr;

namespace {

const char* const BalanceFormat = "#,##0.00;(#,##0.00)";
// Without the blank account another instance is making: its rows are no one's balance yet.
const std::string ListSql =
    "select * from v_trial_balance where " + AccountNotHeld("account_id") + " order by account_code";
const char* const AmountColumns[] = {"saldo_awal_d", "saldo_awal_k", "mutasi_d", "mutasi_k", "Trial_Balance_d",
                                     "Trial_Balance_k", "ajp_d", "ajp_k", "last_d", "last_k"};
const char* const ColumnGroups[] = {"Saldo Awal", "Jumlah Mutasi", "Saldo Percobaan", "Penyesuaian", "Saldo Akhir"};

constexpr int CodeWidth = 70, NameWidth = 200, AmountWidth = BalanceColumnWidth, HeadingRow = 20, LineWidth = 1;
constexpr int GridTop = 2 * HeadingRow;

TPanel* HeadingPanel(TComponent& window, TWinControl& parent, const std::string& caption, int left, int top,
                     int width, int height)
{
    auto* panel = CreateOwned<TPanel>(window);
    panel->SetParent(&parent);
    panel->SetBounds(left, top, width, height);
    panel->SetCaption(caption);
    panel->SetBevelOuter(TBevelCut::bvRaised);
    return panel;
}

} // namespace

TFrm_DafSaldo::TFrm_DafSaldo(TComponent* AOwner) : TLedgerForm(AOwner, "Daf Saldo")
{
    SetName("Frm_DafSaldo");
    Frm_DafSaldo = this;
    SetCaption("Daf Saldo");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(760, 480);

    ADOQuery1 = CreateOwned<TADOQuery>(*this);
    ADOQuery1->SetName("ADOQuery1");
    ADOQuery1->SQL().Add(ListSql);
    if (DtModule)
        ADOQuery1->SetConnection(DtModule->CONN1);
    AddTrialBalanceCellFields(*ADOQuery1);
    ADOQuery1->OnCalcFields = [this](TDataSet* dataSet) { CalcTrialBalanceFields(*dataSet, MonthCount()); };
    // The stored openings are made anew on every open; they show negatives bracketed as the cells beside them.
    ADOQuery1->AfterOpen = [](TDataSet* dataSet) {
        for (const char* field : AmountColumns)
            dataSet->FieldByName(field)->SetDisplayFormat(BalanceFormat);
    };
    Datasource1 = CreateOwned<TDataSource>(*this);
    Datasource1->SetName("Datasource1");
    Datasource1->SetDataSet(ADOQuery1);

    auto* heading = PlaceControl<TZlLabel>(*this, *this, "ZlLabel2", 8, 6, 400, 20);
    heading->SetCaption(" :. DAFTAR SALDO MUTASI KEUANGAN ");
    heading->Font().SetSize(11);
    heading->Font().SetStyle(fsBold);
    ZlLabel1 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel1", 8, 36, 164, 16);
    ZlLabel1->SetCaption("Periode s/d bulan");
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox1", 178, 32, 120, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->Items().Add("januari");
    for (int month = 2; month <= 12; ++month)
        ZlComboBox1->Items().Add(MonthName(month));
    ZlComboBox1->OnChange = [this](TComponent*) { ZlComboBox1Change(); };
    ZlRadio7 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio7", 314, 34, 90, 17);
    ZlRadio7->SetCaption("By N&ama");
    ZlRadio7->OnClick = [this](TComponent*) { SetOrder("account_name"); };
    ZlRadio8 = PlaceControl<TZlRadio>(*this, *this, "ZlRadio8", 414, 34, 90, 17);
    ZlRadio8->SetCaption("By &Kode");
    ZlRadio8->OnClick = [this](TComponent*) { SetOrder("account_code"); };

    ScrollBox1 = PlaceControl<TScrollBox>(*this, *this, "ScrollBox1", 8, 62, 744, 370);
    ScrollBox1->SetAnchors(akLeft | akTop | akRight | akBottom);

    // Two heading rows over the grid's columns, the amounts in pairs of Debet and Kredit.
    const int amountsLeft = CodeWidth + NameWidth + 2 * LineWidth;
    HeadingPanel(*this, *ScrollBox1, "Kode", 0, 0, CodeWidth + LineWidth, GridTop);
    HeadingPanel(*this, *ScrollBox1, "Nama Rekening", CodeWidth + LineWidth, 0, NameWidth + LineWidth, GridTop);
    for (int group = 0; group < 5; ++group) {
        const int left = amountsLeft + group * 2 * (AmountWidth + LineWidth);
        HeadingPanel(*this, *ScrollBox1, ColumnGroups[group], left, 0, 2 * (AmountWidth + LineWidth), HeadingRow);
        HeadingPanel(*this, *ScrollBox1, "Debet", left, HeadingRow, AmountWidth + LineWidth, HeadingRow);
        HeadingPanel(*this, *ScrollBox1, "Kredit", left + AmountWidth + LineWidth, HeadingRow, AmountWidth + LineWidth,
                     HeadingRow);
    }
    // Room for the vertical scroll bar and the borders, so that the grid itself never scrolls sideways.
    const int gridWidth = amountsLeft + 10 * (AmountWidth + LineWidth) + 24;

    zgdbgrid27 = PlaceControl<TZgDBGrid>(*this, *ScrollBox1, "zgdbgrid27", 0, GridTop, gridWidth, 280);
    zgdbgrid27->SetOptions((ZgDBGridDefaultOptions & ~(dgEditing | dgTitles | dgIndicator)) | dgRowSelect);
    zgdbgrid27->SetReadOnly(true);
    auto column = [this](const char* field, int width) {
        TZgColumn* c = zgdbgrid27->Columns().Add();
        c->SetFieldName(field);
        c->SetWidth(width);
    };
    column("account_code", CodeWidth);
    column("account_name", NameWidth);
    for (const char* field : AmountColumns)
        column(field, AmountWidth);
    zgdbgrid27->SetDataSource(Datasource1);
    ColourListRows(*zgdbgrid27);

    PanelTotals = PlaceControl<TPanel>(*this, *ScrollBox1, "PanelTotals", 0, 330, gridWidth, 22);
    PanelTotals->SetBevelOuter(TBevelCut::bvNone);
    for (size_t i = 0; i < Totals.size(); ++i) {
        Totals[i] = HeadingPanel(*this, *PanelTotals, "0", amountsLeft + static_cast<int>(i) * (AmountWidth + LineWidth),
                                 0, AmountWidth + LineWidth, 22);
        Totals[i]->SetName("PanelTotal" + IntToStr(static_cast<int64_t>(i) + 1));
        Totals[i]->SetAlignment(TAlignment::taRightJustify);
        Totals[i]->SetBevelOuter(TBevelCut::bvLowered);
    }
    ScrollBox1->OnResize = [this](TComponent*) { ScrollBox1Resize(); };

    auto button = [this](const char* name, const char* caption, int left) {
        auto* b = PlaceControl<TTeButton>(*this, *this, name, left, 444, 85, 25);
        b->SetCaption(caption);
        b->SetAnchors(akLeft | akBottom);
        return b;
    };
    TeButton3 = button("TeButton3", "&Reposting", 8);
    TeButton3->OnClick = [this](TComponent*) { TeButton3Click(); };
    TeButton2 = button("TeButton2", "&Print", 100);
    TeButton2->OnClick = [this](TComponent*) { TeButton2Click(); };
    TeButton1 = button("TeButton1", "&Close", 667);
    TeButton1->SetAnchors(akRight | akBottom);
    TeButton1->OnClick = [this](TComponent*) {
        if (!IsLongJobRunning())
            Close();
    };

    progress_ = WaitWindowProgress();
    OnShow = [this](TComponent*) { FormShow(); };
    ScrollBox1Resize();
}

TFrm_DafSaldo::~TFrm_DafSaldo()
{
    if (Frm_DafSaldo == this)
        Frm_DafSaldo = nullptr;
}

int TFrm_DafSaldo::MonthCount() const
{
    return ZlComboBox1->ItemIndex() + 1;
}

void TFrm_DafSaldo::FormShow()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(CurrentClock().Now(), year, month, day);
    ZlComboBox1->SetItemIndex(month - 1);
    ZlRadio7->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    ZlRadio8->SetButtonShape(TZlRadio::TButtonShape::btDiamond);
    ZlComboBox1Change();
}

void TFrm_DafSaldo::ZlComboBox1Change()
{
    if (!ADOQuery1->Connection() || !ADOQuery1->Connection()->Connected())
        return;
    OpenSQL(*ADOQuery1, ListSql);
    ComputeTotals();
}

void TFrm_DafSaldo::ComputeTotals()
{
    std::array<Currency, 10> sums{};
    ADOQuery1->DisableControls();
    try {
        for (ADOQuery1->First(); !ADOQuery1->Eof(); ADOQuery1->Next())
            for (size_t i = 0; i < sums.size(); ++i) {
                const TField& field = *ADOQuery1->FieldByName(AmountColumns[i]);
                if (!field.IsNull())
                    sums[i] += field.AsCurrency();
            }
        ADOQuery1->First();
    } catch (...) {
        ADOQuery1->EnableControls();
        throw;
    }
    ADOQuery1->EnableControls();
    for (size_t i = 0; i < sums.size(); ++i)
        Totals[i]->SetCaption(FormatFloat(BalanceFormat, sums[i].ToDouble()));
}

void TFrm_DafSaldo::TeButton3Click()
{
    if (IsLongJobRunning() || !DtModule)
        return;
    if (!AskAndPostMonth(*DtModule, MonthCount(), IntToStr(LoginState().ref_tahun), progress_))
        return;
    ReopenDataSet(*ADOQuery1);
    ComputeTotals();
}

void TFrm_DafSaldo::TeButton2Click()
{
    if (IsLongJobRunning())
        return;
    TLayoutHolder layout = CreateLayout("TFQR_Trial_Balance");
    SetTrialBalanceMonthCount(*layout, MonthCount());
    auto& query = LayoutPart<TADOQuery>(*layout, "AdoQuery1");
    OpenSQL(query, query.SQL().Text());
    SetLayoutLabel(*layout, "periode",
                   "Periode s/d Bulan " + ZlComboBox1->Text() + " " + IntToStr(LoginState().ref_tahun));
    layout->Preview();
}

void TFrm_DafSaldo::SetOrder(const char* field)
{
    if (!ADOQuery1->Active()) {
        if (!ADOQuery1->Connection() || !ADOQuery1->Connection()->Connected())
            return;
        ADOQuery1->Open();
    }
    ADOQuery1->SetSort(field);
}

void TFrm_DafSaldo::ScrollBox1Resize()
{
    const int height = ScrollBox1->Height();
    zgdbgrid27->SetHeight(height - 75);
    PanelTotals->SetTop(height - (PanelTotals->Height() + 20));
    // The columns are wider than the list: a horizontal bar reaches the last of them.
    ScrollBox1->UpdateScrollRanges();
}
