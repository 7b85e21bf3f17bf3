#include "reports/TFQRAJP.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRExpr.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRShape.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

TFQRAJP::TFQRAJP(TComponent* AOwner) : TVoucherJournal(AOwner, "LAPORAN JURNAL PENYESUAIAN")
{
    constexpr int NameLeft = 80;
    constexpr int DebitLeft = 440;
    constexpr int CreditLeft = 580;
    constexpr int AmountWidth = 136;

    const int top = HeadingTop();
    AddHeading(PageHeaderBand1, "REK", 0, top, NameLeft - 4);
    AddHeading(PageHeaderBand1, "KETERANGAN", NameLeft, top, DebitLeft - NameLeft - 4);
    AddHeading(PageHeaderBand1, "Debet", DebitLeft, top, AmountWidth, TAlignment::taRightJustify);
    AddHeading(PageHeaderBand1, "Kredit", CreditLeft, top, AmountWidth, TAlignment::taRightJustify);
    AddLine(PageHeaderBand1, "", 0, top + 20, PrintWidth());

    QRBand3 = NewBand(*this, "QRBand3", rbGroupHeader, 0);
    QRBand3->AfterPrint = [this](TQRCustomBand* sender, bool printed) { QRBand3AfterPrint(sender, printed); };
    QRShape1 = AddLine(QRBand3, "QRShape1", 0, 9, PrintWidth());
    // Every build of the pages starts without the line above the first voucher.
    BeforePrint = [this](TQuickRep*, bool&) { QRBand3->SetHeight(0); };

    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", lap_jmk2, 18);
    AddField(QRSubDetail1, "QRkode_akun", lap_jmk2, "kode_akun", 0, 1, NameLeft - 4);
    AddField(QRSubDetail1, "QRuraian", lap_jmk2, "uraian", NameLeft, 1, DebitLeft - NameLeft - 4);
    AddAmount(QRSubDetail1, "QRdebet", lap_jmk2, "debet", DebitLeft, 1, AmountWidth);
    AddAmount(QRSubDetail1, "QRkredit", lap_jmk2, "kredit", CreditLeft, 1, AmountWidth);
    QRSubDetail1->SetHeaderBand(QRBand3);

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 28);
    AddLine(SummaryBand1, "", DebitLeft, 3, PrintWidth() - DebitLeft);
    SetBold({AddSum(SummaryBand1, "QRtotal_debet", QRSubDetail1, "lap_jmk2.debet", DebitLeft, 8, AmountWidth),
                AddSum(SummaryBand1, "QRtotal_kredit", QRSubDetail1, "lap_jmk2.kredit", CreditLeft, 8, AmountWidth)},
        true);
}

void TFQRAJP::QRBand3AfterPrint(TQRCustomBand*, bool)
{
    QRBand3->SetHeight(20);
}
