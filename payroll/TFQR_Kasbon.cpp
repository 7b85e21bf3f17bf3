#include "payroll/TFQR_Kasbon.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

namespace {

TLetterheadReport::TPageTexts AdvancesPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = "DAFTAR KASBON DAN PEMBAYARAN KARYAWAN";
    texts.Printed = "Printed  :";
    texts.PageNumber = "Halaman   ";
    texts.HeadingHeight = 24;
    return texts;
}

} // namespace

TFQR_Kasbon::TFQR_Kasbon(TComponent* AOwner) : TLetterheadReport(AOwner, AdvancesPageTexts())
{
    constexpr int NameLeft = 72;
    constexpr int NikLeft = 250;
    constexpr int AmountsLeft = 340;
    constexpr int AmountWidth = 96;
    constexpr int DateLeft = AmountsLeft + 3 * AmountWidth + 8;

    SetPrintIfEmpty(true);
    AdoQuery1 = AddQuery(*this, "AdoQuery1", {"select distinct nik, nama from v_kasbon", "order by nama"});
    DataSource1 = AddMasterSource(*this, "DataSource1", AdoQuery1);
    AdoQuery2 = AddQuery(*this, "AdoQuery2", {"select * from v_kasbon", "where nik=:nik"});
    AdoQuery2->SetDataSource(DataSource1);
    SetDataSet(AdoQuery1);

    const int top = HeadingTop();
    AddHeading(PageHeaderBand1, "NO.BUKTI", 0, top, NameLeft - 2);
    AddHeading(PageHeaderBand1, "NAMA KARYAWAN", NameLeft, top, NikLeft - NameLeft - 2);
    AddHeading(PageHeaderBand1, "NIK", NikLeft, top, AmountsLeft - NikLeft - 2);
    const char* const amounts[] = {"PINJAM", "BAYAR", "SALDO"};
    for (int i = 0; i < 3; ++i)
        AddHeading(PageHeaderBand1, amounts[i], AmountsLeft + i * AmountWidth, top, AmountWidth - 4,
            TAlignment::taRightJustify);
    AddHeading(PageHeaderBand1, "TANGGAL", DateLeft, top, PrintWidth() - DateLeft);
    AddLine(PageHeaderBand1, "", 0, top + 20, PrintWidth());

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", AdoQuery2, 18);
    AddField(QRSubDetail1, "QRno_bukti", AdoQuery2, "no_bukti", 0, 1, NameLeft - 2);
    AddField(QRSubDetail1, "QRnama", AdoQuery2, "nama", NameLeft, 1, NikLeft - NameLeft - 2);
    AddField(QRSubDetail1, "QRnik", AdoQuery2, "nik", NikLeft, 1, AmountsLeft - NikLeft - 2);
    AddAmount(QRSubDetail1, "QRkredit", AdoQuery2, "kredit", AmountsLeft, 1, AmountWidth - 4);
    AddAmount(QRSubDetail1, "QRdebet", AdoQuery2, "debet", AmountsLeft + AmountWidth, 1, AmountWidth - 4);
    AddField(QRSubDetail1, "QRtanggal", AdoQuery2, "tanggal", DateLeft, 1, PrintWidth() - DateLeft, "dd/MM/yyyy");

    GroupHeaderBand1 = NewBand(*this, "GroupHeaderBand1", rbGroupHeader, 4);
    GroupFooterBand1 = NewBand(*this, "GroupFooterBand1", rbGroupFooter, 26);
    AddLine(GroupFooterBand1, "", AmountsLeft, 2, 3 * AmountWidth);
    AddLabel(GroupFooterBand1, "", "Jumlah", NikLeft, 6, AmountsLeft - NikLeft - 2);
    QRSubDetail1->SetHeaderBand(GroupHeaderBand1);
    QRSubDetail1->SetFooterBand(GroupFooterBand1);

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 26);
    AddLine(SummaryBand1, "", 0, 2, PrintWidth());
    SetBold({AddLabel(SummaryBand1, "", "Jumlah Total", NikLeft, 6, AmountsLeft - NikLeft - 2)}, true);

    const char* const sums[] = {"AdoQuery2.kredit", "AdoQuery2.debet", "AdoQuery2.kredit - AdoQuery2.debet"};
    const char* const names[] = {"kredit", "debet", "saldo"};
    for (int i = 0; i < 3; ++i) {
        const int left = AmountsLeft + i * AmountWidth;
        AddSum(GroupFooterBand1, std::string("QRsum_") + names[i], QRSubDetail1, sums[i], left, 6, AmountWidth - 4,
            Amount, true);
        SetBold({AddSum(SummaryBand1, std::string("QRtotal_") + names[i], QRSubDetail1, sums[i], left, 6,
                    AmountWidth - 4)},
            true);
    }
}
