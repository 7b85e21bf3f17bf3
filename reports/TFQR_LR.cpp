#include "reports/TFQR_LR.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "reports/LayoutParts.h"

namespace {
TLetterheadReport::TPageTexts ProfitLossPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = " IKHTISAR LABA RUGI ";
    texts.HeadingHeight = 8;
    return texts;
}
} // namespace

TFQR_LR::TFQR_LR(TComponent* AOwner) : TLetterheadReport(AOwner, ProfitLossPageTexts())
{
    AdoQuery1 = AddQuery(*this, "AdoQuery1", {"select * from lap_LR"});
    SetDataSet(AdoQuery1);
    AddLine(PageHeaderBand1, "", 0, HeadingTop() + 4, PrintWidth());

    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    DetailBand1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { DetailBand1BeforePrint(sender, print); };
    QRaccount_code = AddField(DetailBand1, "QRaccount_code", AdoQuery1, "account_code", 0, 1, 80);
    QRaccount_name = AddField(DetailBand1, "QRaccount_name", AdoQuery1, "account_name", 84, 1, 460);
    QRjumlah = AddAmount(DetailBand1, "QRjumlah", AdoQuery1, "jumlah", 548, 1, PrintWidth() - 548, SignedAmount);
    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 12);
}

void TFQR_LR::DetailBand1BeforePrint(TQRCustomBand*, bool&)
{
    switch (AdoQuery1->FieldByName("header")->AsInteger()) {
    case 0:
        SetBold({QRaccount_name, QRjumlah}, true);
        QRaccount_code->SetVisible(false);
        break;
    case 1:
    case 2:
        SetBold({QRaccount_name, QRjumlah, QRaccount_code}, false);
        QRaccount_code->SetVisible(true);
        break;
    default:
        break; // the previous line's look stays
    }
}
