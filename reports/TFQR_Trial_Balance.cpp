#include "reports/TFQR_Trial_Balance.h"

#include "ledger/BlankEntries.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "reports/LayoutParts.h"

namespace {

// The amount columns, left to right, as they pair under the headings.
const char* const AmountFields[] = {"saldo_awal_d", "saldo_awal_k", "mutasi_d", "mutasi_k", "Trial_balance_d",
                                    "Trial_balance_k", "ajp_d", "ajp_k", "last_d", "last_k"};
const char* const PairHeadings[] = {"Saldo Awal", "Mutasi", "Saldo Percobaan", "Penyesuaian", "Saldo Akhir"};

TLetterheadReport::TPageTexts TrialPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = " NERACA LAJUR ";
    texts.Orientation = poLandscape;
    texts.HeadingHeight = 40;
    return texts;
}

} // namespace

TFQR_Trial_Balance::TFQR_Trial_Balance(TComponent* AOwner) : TLetterheadReport(AOwner, TrialPageTexts())
{
    constexpr int NameLeft = 50;
    constexpr int AmountsLeft = 226;
    constexpr int AmountWidth = 82;
    constexpr int FigureGap = 4;

    AdoQuery1 = AddQuery(*this, "AdoQuery1",
        {"select * from v_Trial_Balance where " + AccountNotHeld("account_id") + " order by account_code"});
    AddTrialBalanceCellFields(*AdoQuery1);
    AdoQuery1->OnCalcFields = [this](TDataSet* dataSet) { AdoQuery1CalcFields(dataSet); };
    SetDataSet(AdoQuery1);

    const int top = HeadingTop();
    const int width = PrintWidth();
    AddHeading(PageHeaderBand1, "NO.", 0, top, NameLeft);
    AddHeading(PageHeaderBand1, "REK", 0, top + 18, NameLeft);
    AddHeading(PageHeaderBand1, "Uraian", NameLeft, top + 9, AmountsLeft - NameLeft);
    for (int pair = 0; pair < 5; ++pair) {
        const int left = AmountsLeft + pair * 2 * AmountWidth;
        AddHeading(PageHeaderBand1, PairHeadings[pair], left, top, 2 * AmountWidth, TAlignment::taCenter);
        AddHeading(PageHeaderBand1, "Debet", left, top + 18, AmountWidth, TAlignment::taRightJustify);
        AddHeading(PageHeaderBand1, "Kredit", left + AmountWidth, top + 18, AmountWidth, TAlignment::taRightJustify);
    }
    AddLine(PageHeaderBand1, "", 0, top + 37, width);

    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    AddField(DetailBand1, "QRaccount_code", AdoQuery1, "account_code", 0, 1, NameLeft - 2)->Font().SetSize(8);
    AddField(DetailBand1, "QRaccount_name", AdoQuery1, "account_name", NameLeft, 1, AmountsLeft - NameLeft - 2)->Font().SetSize(8);
    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 24);
    AddLine(SummaryBand1, "", 0, 1, width);
    for (int column = 0; column < 10; ++column) {
        const std::string field = AmountFields[column];
        // A gap before each figure keeps it apart from the figure on its left.
        const int left = AmountsLeft + column * AmountWidth + FigureGap;
        // Ten columns leave the paper no room to widen: a figure too wide for 7 points prints smaller.
        AddAmount(DetailBand1, "QR" + field, AdoQuery1, field, left, 2, AmountWidth - FigureGap, SignedAmount)
            ->Font().SetSize(7);
        AddSum(SummaryBand1, "QRsum_" + field, this, "AdoQuery1." + field, left, 6, AmountWidth - FigureGap, SignedAmount)
            ->Font().SetSize(7);
    }
}

void TFQR_Trial_Balance::AdoQuery1CalcFields(TDataSet* DataSet)
{
    CalcTrialBalanceFields(*DataSet, monthCount_);
}
