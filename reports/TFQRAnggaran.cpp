#include "reports/TFQRAnggaran.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

namespace {

const char* const Amounts[] = {"anggaran", "realisasi", "selisih"};

TLetterheadReport::TPageTexts BudgetPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = "LAPORAN REALISASI ANGGARAN BELANJA";
    texts.Printed = "Printed  :";
    texts.PageNumber = "Halaman   ";
    texts.HeadingHeight = 24;
    return texts;
}

} // namespace

TFQRAnggaran::TFQRAnggaran(TComponent* AOwner) : TLetterheadReport(AOwner, BudgetPageTexts())
{
    constexpr int NameLeft = 80;
    constexpr int AmountsLeft = 300;
    constexpr int AmountWidth = 139;

    anggaran = AddQuery(*this, "anggaran", {"select * from v_lap_anggaran"});
    DataSource1 = AddMasterSource(*this, "DataSource1", anggaran);
    to_anggaran = AddQuery(*this, "to_anggaran",
        {"select account_code, account_name, anggaran_b1 as anggaran, realisasi_b1 as realisasi, anggaran_b1 - realisasi_b1 as selisih ",
         "from v_lap_anggaran", "where account_cat =:account_cat"});
    to_anggaran->SetDataSource(DataSource1);
    SetDataSet(anggaran);

    const int top = HeadingTop();
    AddHeading(PageHeaderBand1, "REK", 0, top, NameLeft - 4);
    AddHeading(PageHeaderBand1, "NAMA ANGGARAN", NameLeft, top, AmountsLeft - NameLeft - 4);
    const char* const headings[] = {"RENCANA ANGGARAN", "REALISASI", "SELISIH"};
    for (int i = 0; i < 3; ++i)
        AddHeading(PageHeaderBand1, headings[i], AmountsLeft + i * AmountWidth, top, AmountWidth - 4,
            TAlignment::taRightJustify);
    AddLine(PageHeaderBand1, "", 0, top + 20, PrintWidth());

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", to_anggaran, 18);
    AddField(QRSubDetail1, "QRaccount_code", to_anggaran, "account_code", 0, 1, NameLeft - 4);
    AddField(QRSubDetail1, "QRaccount_name", to_anggaran, "account_name", NameLeft, 1, AmountsLeft - NameLeft - 4);

    // The category's heading and sums stay in the layout but do not print.
    GroupHeaderBand1 = NewBand(*this, "GroupHeaderBand1", rbGroupHeader, 20);
    GroupHeaderBand1->SetEnabled(false);
    AddField(GroupHeaderBand1, "QRaccount_cat", anggaran, "account_cat", 0, 1, NameLeft - 4);
    AddField(GroupHeaderBand1, "QRjenis", anggaran, "jenis", NameLeft, 1, AmountsLeft - NameLeft - 4);
    GroupFooterBand1 = NewBand(*this, "GroupFooterBand1", rbGroupFooter, 20);
    GroupFooterBand1->SetEnabled(false);
    AddLabel(GroupFooterBand1, "", "JUMLAH", 0, 1, NameLeft - 4);
    AddField(GroupFooterBand1, "QRjenis_footer", anggaran, "jenis", NameLeft, 1, AmountsLeft - NameLeft - 4);
    QRSubDetail1->SetHeaderBand(GroupHeaderBand1);
    QRSubDetail1->SetFooterBand(GroupFooterBand1);

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 26);
    AddLine(SummaryBand1, "", 0, 2, PrintWidth());
    SetBold({AddLabel(SummaryBand1, "", "TOTAL BIAYA SELURUHNYA", NameLeft, 6, AmountsLeft - NameLeft - 4)}, true);
    for (int i = 0; i < 3; ++i) {
        const std::string field = Amounts[i];
        const int left = AmountsLeft + i * AmountWidth;
        AddAmount(QRSubDetail1, "QR" + field, to_anggaran, field, left, 1, AmountWidth - 4);
        AddSum(GroupFooterBand1, "QRcategory_" + field, QRSubDetail1, "to_anggaran." + field, left, 1,
            AmountWidth - 4, Amount, true);
        SetBold({AddSum(SummaryBand1, "QRtotal_" + field, QRSubDetail1, "to_anggaran." + field, left, 6,
                    AmountWidth - 4)},
            true);
    }
}
