#include "reports/TFQRJMK.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

TFQRJMK::TFQRJMK(TComponent* AOwner) : TVoucherJournal(AOwner, "LAPORAN JURNAL MUTASI KEUANGAN")
{
    constexpr int AccountLeft = 160;
    constexpr int NameLeft = 230;
    constexpr int DebitLeft = 476;
    constexpr int CreditLeft = 600;
    // Wide enough for 9,999,999,999,999.99 in bold, with a gap between the two.
    constexpr int AmountWidth = 118;

    const int top = HeadingTop();
    AddHeading(PageHeaderBand1, "TANGGAL", 0, top, 74);
    AddHeading(PageHeaderBand1, "NO.BUKTI", 76, top, 82);
    AddHeading(PageHeaderBand1, "NO.REK", AccountLeft, top, 68);
    AddHeading(PageHeaderBand1, "NAMA REKENING", NameLeft, top, 240);
    AddHeading(PageHeaderBand1, "DEBET", DebitLeft, top, AmountWidth, TAlignment::taRightJustify);
    AddHeading(PageHeaderBand1, "KREDIT", CreditLeft, top, AmountWidth, TAlignment::taRightJustify);
    AddLine(PageHeaderBand1, "", 0, top + 20, PrintWidth());

    GroupHeaderBand1 = NewBand(*this, "GroupHeaderBand1", rbGroupHeader, 20);
    AddField(GroupHeaderBand1, "QRtanggal", lap_jmk1, "tanggal", 0, 2, 74, "dd/MM/yyyy");
    AddField(GroupHeaderBand1, "QRno_bukti", lap_jmk1, "no_bukti", 76, 2, 82);
    AddField(GroupHeaderBand1, "QRuraian_voucher", lap_jmk1, "uraian", AccountLeft, 2, PrintWidth() - AccountLeft);

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", lap_jmk2, 18);
    AddField(QRSubDetail1, "QRkode_akun", lap_jmk2, "kode_akun", AccountLeft, 1, 68);
    AddField(QRSubDetail1, "QRuraian", lap_jmk2, "uraian", NameLeft, 1, DebitLeft - NameLeft - 4);
    AddAmount(QRSubDetail1, "QRdebet", lap_jmk2, "debet", DebitLeft, 1, AmountWidth);
    AddAmount(QRSubDetail1, "QRkredit", lap_jmk2, "kredit", CreditLeft, 1, AmountWidth);

    GroupFooterBand1 = NewBand(*this, "GroupFooterBand1", rbGroupFooter, 24);
    AddLine(GroupFooterBand1, "", DebitLeft, 2, PrintWidth() - DebitLeft);
    AddLabel(GroupFooterBand1, "", " Jumlah Mutasi   :", NameLeft, 5, 200);
    AddSum(GroupFooterBand1, "QRvoucher_debet", QRSubDetail1, "lap_jmk2.debet", DebitLeft, 5, AmountWidth, Amount, true);
    AddSum(GroupFooterBand1, "QRvoucher_kredit", QRSubDetail1, "lap_jmk2.kredit", CreditLeft, 5, AmountWidth, Amount, true);
    QRSubDetail1->SetHeaderBand(GroupHeaderBand1);
    QRSubDetail1->SetFooterBand(GroupFooterBand1);

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 28);
    AddLine(SummaryBand1, "", 0, 3, PrintWidth());
    SetBold({AddLabel(SummaryBand1, "", "Balance   :", NameLeft, 8, 200),
                AddSum(SummaryBand1, "QRtotal_debet", QRSubDetail1, "lap_jmk2.debet", DebitLeft, 8, AmountWidth),
                AddSum(SummaryBand1, "QRtotal_kredit", QRSubDetail1, "lap_jmk2.kredit", CreditLeft, 8, AmountWidth)},
        true);
}
