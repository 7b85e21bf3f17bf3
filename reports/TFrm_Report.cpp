#include "reports/TFrm_Report.h"

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlLabel.h"
#include "ledger/BudgetRealisation.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/TrialBalanceCells.h"
#include "ledger/WindowPattern.h"
#include "platform/controls/TBevel.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TADOQuery.h"
#include "reports/TReportPreparation.h"
#include "skin/controls/TTeButton.h"
#include "skin/controls/TTeForm.h"

TFrm_Report* Frm_Report = nullptr;

namespace {

constexpr TColor ReportLinkColour = 33023;
constexpr TColor PrintLinkColour = 8404992;
const char* const PrintCaption = " :-> Print Report";

void SetLinkFont(TLabel& link, int size, TColor colour)
{
    link.Font().SetSize(size);
    link.Font().SetColor(colour);
}

// A query of the layout opened again with its design text, so that it follows its master.
void Reopen(TQuickRep& layout, const std::string& name)
{
    auto& query = LayoutPart<TADOQuery>(layout, name);
    OpenSQL(query, query.SQL().Text());
}

void Open(TQuickRep& layout, const std::string& name, const std::string& sql)
{
    OpenSQL(LayoutPart<TADOQuery>(layout, name), sql);
}

} // namespace

TFrm_Report::TFrm_Report(TComponent* AOwner) : TLedgerForm(AOwner, "Report")
{
    if (!DtModule)
        throw EInvalidOperation("The report window needs the data module");
    SetName("Frm_Report");
    Frm_Report = this;
    SetCaption("Report");
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientSize(640, 470);
    SetWindowState(TWindowState::wsMaximized);
    SetColor(clWhite);

    ZlLabel33 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel33", 16, 12, 300, 20);
    ZlLabel33->SetCaption(":. Generating Report");
    ZlLabel33->Font().SetSize(12);
    ZlLabel33->Font().SetStyle(fsBold);
    ZlLabel33->SetTransparent(true);

    auto* periodCaption = PlaceControl<TLabel>(*this, *this, "Label9", 24, 44, 60, 16);
    periodCaption->SetCaption(" Periode :");
    periodCaption->SetTransparent(true);
    ZlComboBox3 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox3", 88, 40, 120, 21);
    ZlComboBox3->SetStyle(TComboBoxStyle::csDropDownList);
    for (const std::string& month : MonthNames)
        ZlComboBox3->Items().Add(month);
    ZlComboBox3->OnChange = [this](TComponent*) { ZlComboBox3Change(); };
    ZlLabel34 = PlaceControl<TZlLabel>(*this, *this, "ZlLabel34", 214, 44, 80, 16);
    ZlLabel34->SetTransparent(true);
    ZlComboBox1 = PlaceControl<TZlComboBox>(*this, *this, "ZlComboBox1", 300, 40, 160, 21);
    ZlComboBox1->SetStyle(TComboBoxStyle::csDropDownList);
    ZlComboBox1->SetVisible(false);
    ZlComboBox1->OnChange = [this](TComponent*) { ZlComboBox1Change(); };

    const int reportLeft = 24, printLeft = 400, firstRow = 80, rowHeight = 26;
    int row = 0;
    auto pair = [&](TLabel*& report, const char* reportName, TLabel*& print, const char* printName,
                    const char* caption) {
        const int top = firstRow + rowHeight * row++;
        report = AddLink(reportName, caption, reportLeft, top, true);
        print = AddLink(printName, PrintCaption, printLeft, top, false);
    };
    Label100 = AddLink("Label100", ". Posting Transaction (monthly)", reportLeft, firstRow + rowHeight * row++, true);
    pair(Label50, "Label50", Label106, "Label106", ". Days Transaction Report");
    pair(Label1, "Label1", Label2, "Label2", ". Days Transaction Report Per Account ");
    pair(Label107, "Label107", Label108, "Label108", ". Journal");
    pair(Label76, "Label76", Label90, "Label90", ". Adjustment Report");
    pair(Label53, "Label53", Label77, "Label77", ". Trial Balance");
    pair(Label3, "Label3", Label4, "Label4", ". Balance Sheet");
    pair(Label66, "Label66", Label78, "Label78", ". P/L Statement");
    pair(Label67, "Label67", Label79, "Label79", ". General Ledger");
    pair(Label64, "Label64", Label81, "Label81", ". Budgetting");
    const int visibleRows = row;
    pair(Label5, "Label5", Label7, "Label7", ". Laporan Rekapitulasi Gaji Karyawan");
    pair(Label6, "Label6", Label8, "Label8", ". Laporan Rekapitulasi Pinjaman Karyawan (Pihutang)");
    for (TLabel* hidden : {Label5, Label7, Label6, Label8})
        hidden->SetVisible(false);
    for (int i = 0; i < row; ++i) {
        auto* line = PlaceControl<TBevel>(*this, *this, ("Bevel" + IntToStr(i + 1)).c_str(), reportLeft,
                                          firstRow + rowHeight * i + 20, 560, 2);
        line->SetShape(TBevelShape::bsTopLine);
        line->SetVisible(i < visibleRows);
        separators_.push_back(line);
    }

    const int buttonTop = firstRow + rowHeight * visibleRows + 16;
    TeButton1 = PlaceControl<TTeButton>(*this, *this, "TeButton1", reportLeft, buttonTop, 90, 25);
    TeButton1->SetCaption("&Reposting");
    TeButton1->OnClick = [this](TComponent*) { PostMonth(); };
    TeButton2 = PlaceControl<TTeButton>(*this, *this, "TeButton2", reportLeft + 100, buttonTop, 90, 25);
    TeButton2->SetCaption("&Close");
    TeButton2->OnClick = [this](TComponent*) {
        // Closing frees the window, which must not happen under a job started from it.
        if (!IsLongJobRunning())
            Close();
    };

    SetJobProgress(WaitWindowProgress());
    OnShow = [this](TComponent*) { FormShow(); };
}

TFrm_Report::~TFrm_Report()
{
    if (Frm_Report == this)
        Frm_Report = nullptr;
}

TLabel* TFrm_Report::AddLink(const char* name, const char* caption, int left, int top, bool report)
{
    auto* link = PlaceControl<TLabel>(*this, *this, name, left, top, 360, 18);
    link->SetCaption(caption);
    link->SetAutoSize(true);
    link->SetTransparent(true);
    link->SetCursor(crHandPoint);
    link->Font().SetName("Courier New");
    link->Font().SetStyle(fsBold);
    const TColor colour = report ? ReportLinkColour : PrintLinkColour;
    SetLinkFont(*link, 9, colour);
    link->OnClick = [this](TComponent* sender) { Label50Click(sender); };
    link->OnMouseMove = [link](TComponent*, TShiftState, int, int) { SetLinkFont(*link, 10, clBlue); };
    link->OnMouseLeave = [link, colour](TComponent*) { SetLinkFont(*link, 9, colour); };
    return link;
}

void TFrm_Report::SetJobProgress(IJobProgress* Progress)
{
    progress_ = Progress;
    auto preparation = std::make_unique<TReportPreparation>(*DtModule, Progress);
    if (preparation_) {
        preparation->UnitId = preparation_->UnitId;
        preparation->Month = preparation_->Month;
        preparation->MonthName = preparation_->MonthName;
        preparation->Year = preparation_->Year;
    }
    preparation_ = std::move(preparation);
}

void TFrm_Report::FormShow()
{
    int year = 0, month = 0, day = 0;
    DecodeDate(CurrentClock().Now(), year, month, day);
    ZlComboBox3->SetItemIndex(month - 1);
    ZlLabel34->SetCaption("/ " + IntToStr(LoginState().ref_tahun));
    ZlComboBox3Change();

    if (OpenSQL(*DtModule->Query1, "select id_unit, nama_unit from ref_unit order by nama_unit")) {
        ZlComboBox1->Items().Clear();
        unitIds_.clear();
        for (DtModule->Query1->First(); !DtModule->Query1->Eof(); DtModule->Query1->Next()) {
            ZlComboBox1->Items().Add(IfNull(DtModule->Query1->FieldByName("nama_unit")->Value(), "-").AsString());
            unitIds_.push_back(IfNull(DtModule->Query1->FieldByName("id_unit")->Value(), "").AsString());
        }
        ZlComboBox1->SetItemIndex(0);
        ZlComboBox1Change();
    }
}

void TFrm_Report::ZlComboBox3Change()
{
    const int index = ZlComboBox3->ItemIndex();
    if (index < 0)
        return;
    preparation_->Month = IntToStr(index + 1);
    preparation_->MonthName = ZlComboBox3->Items()[index];
    preparation_->Year = IntToStr(LoginState().ref_tahun);
}

void TFrm_Report::ZlComboBox1Change()
{
    const int index = ZlComboBox1->ItemIndex();
    if (index >= 0 && index < static_cast<int>(unitIds_.size()))
        preparation_->UnitId = unitIds_[static_cast<size_t>(index)];
}

void TFrm_Report::PostMonth()
{
    if (IsLongJobRunning())
        return;
    if (AskAndPostMonth(*DtModule, StrToInt(preparation_->Month), preparation_->Year, progress_))
        Invalidate();
}

void TFrm_Report::Label50Click(TComponent* Sender)
{
    // A click that slips past the wait window must not nest a second job on the same tables.
    if (IsLongJobRunning())
        return;
    if (Sender == Label100) {
        PostMonth();
        return;
    }
    const std::pair<TLabel*, TLabel*> pairs[] = {
        {Label50, Label106}, {Label1, Label2},   {Label107, Label108}, {Label76, Label90}, {Label53, Label77},
        {Label3, Label4},    {Label66, Label78}, {Label67, Label79},   {Label64, Label81}, {Label5, Label7},
        {Label6, Label8}};
    for (const auto& [report, print] : pairs) {
        if (Sender == report)
            ShowReport(report, TReportOutput::Preview);
        else if (Sender == print)
            ShowReport(report, TReportOutput::Print);
    }
}

void TFrm_Report::ShowReport(TLabel* link, TReportOutput output)
{
    if (link == Label64) {
        ShowBudget(output);
        return;
    }
    TReportPreparation& p = *preparation_;
    const std::string unitName = UpperCase(ZlComboBox1->Text());
    const std::string monthYear = p.MonthName + "/" + p.Year;
    TLayoutHolder layout;
    std::string title, period = "Periode " + monthYear;

    if (link == Label50) {
        p.PrepareCashBook();
        layout = CreateLayout("TFQRTransaksi");
        Open(*layout, "lap_cash_flow", "select * from lap_cash_Flow ");
        title = "LAPORAN TRANSAKSI KEUANGAN ";
    } else if (link == Label1) {
        p.PrepareCashBook();
        layout = CreateLayout("TFQR_Transaksi_perakun");
        Open(*layout, "lap_cash_flow", "select distinct account_code from lap_cash_Flow where account_code is not null ");
        Reopen(*layout, "cash_flow");
        title = "LAPORAN TRANSAKSI KEUANGAN ";
    } else if (link == Label107 || link == Label76) {
        const bool adjusting = link == Label76;
        if (adjusting)
            p.PrepareAdjustmentJournal(p.Month);
        else
            p.PrepareJournal(p.Month);
        layout = CreateLayout(adjusting ? "TFQRAJP" : "TFQRJMK");
        Open(*layout, "lap_jmk1", "select * from lap_jmk1 ");
        Reopen(*layout, "lap_jmk2");
        title = adjusting ? "LAPORAN JURNAL PENYESUAIAN " : "LAPORAN JURNAL MUTASI KEUANGAN ";
    } else if (link == Label53) {
        layout = CreateLayout("TFQR_Trial_Balance");
        SetTrialBalanceMonthCount(*layout, static_cast<int>(StrToInt(p.Month)));
        Open(*layout, "AdoQuery1", " select * from v_Trial_Balance where account_sub=" + p.UnitId + " order by account_code");
        title = " NERACA LAJUR ";
        period = "Periode s/d Bulan " + p.MonthName + " " + p.Year;
    } else if (link == Label3) {
        p.PrepareBalanceSheet(p.Month);
        layout = CreateLayout("TFQR_Neraca");
        Reopen(*layout, "AdoQuery1");
        title = " NERACA ";
        period = "Periode s/d Bulan " + p.MonthName + " " + p.Year;
    } else if (link == Label66) {
        layout = CreateLayout("TFQR_LR");
        title = " IKHTISAR LABA RUGI UNIT ";
        SetLayoutLabel(*layout, "QRLabel4", title + unitName);
        p.PrepareProfitLoss(p.Month);
        period = "PER BULAN " + UpperCase(p.MonthName) + " " + p.Year;
        SetLayoutLabel(*layout, "periode", period);
        Reopen(*layout, "AdoQuery1");
    } else if (link == Label67) {
        layout = CreateLayout("TFQRMutasiBB");
        std::string opening, closing;
        p.PrepareGeneralLedger(opening, closing);
        Open(*layout, "v_posting",
             "select account_id, account_code, account_name, account_cat, account_pos, (" + opening +
                 ") as saldo_awal, (" + closing + ") as saldo_akhir from v_posting where account_sub=" + p.UnitId +
                 " and account_header=false order by account_code");
        Open(*layout, "v_lapBukuBesar", "select * from lap_BukuBesar where account_id=:account_id");
        title = " LAPORAN MUTASI BUKU BESAR UNIT ";
        period = "Per " + monthYear;
    } else if (link == Label5) {
        layout = CreateLayout("TFQR_Rekap_Gaji");
        Open(*layout, "AdoQuery1",
             "select distinct id_unit, nama_unit from v_salary where bulan=" + p.Month + " order by nama_unit");
        Reopen(*layout, "AdoQuery2");
        period = "Per " + monthYear;
    } else if (link == Label6) {
        layout = CreateLayout("TFQR_Kasbon");
        Open(*layout, "AdoQuery1",
             "select distinct NIK, NAMA from v_KASBON where id_unit=" + p.UnitId + " and month(tanggal)=" + p.Month +
                 " order by nama");
        Reopen(*layout, "AdoQuery2");
        title = "DAFTAR KASBON DAN PEMBAYARAN KARYAWAN UNIT ";
        period = "Per " + monthYear;
    } else {
        return;
    }
    if (!title.empty())
        SetLayoutLabel(*layout, "QRLabel4", title + unitName);
    SetLayoutLabel(*layout, "periode", period);
    ShowLayout(*layout, output);
}

void TFrm_Report::ShowBudget(TReportOutput output)
{
    TReportPreparation& p = *preparation_;
    {
        TLongJob job(progress_);
        RealiseBudget(*DtModule, p.Month, BudgetAccountQuery(ZlComboBox1->ItemIndex()), job);
    }
    TBudgetReport report;
    report.Month = p.Month;
    report.Title = "LAPORAN REALISASI ANGGARAN BELANJA UNIT " + UpperCase(ZlComboBox1->Text());
    report.Period = "Periode  " + p.MonthName + "/" + p.Year;
    ShowBudgetReport(report, output);
}
