#include "reports/TLetterheadReport.h"

#include "ledger/LoginState.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSysData.h"
#include "reports/LayoutParts.h"

namespace {
constexpr int TitleTop = 54;
constexpr int PeriodTop = 74;
constexpr int HeadingsTop = 96;
} // namespace

TLetterheadReport::TLetterheadReport(TComponent* AOwner, const TPageTexts& texts)
    : TQuickRep(AOwner), fixedTitle_(texts.Title), headingTop_(HeadingsTop)
{
    Page.PaperSize = texts.Paper;
    Page.Orientation = texts.Orientation;
    const int width = PrintWidth();

    PageHeaderBand1 = NewBand(*this, "PageHeaderBand1", rbPageHeader, HeadingsTop + texts.HeadingHeight);
    kop1 = AddLabel(PageHeaderBand1, "kop1", "", 0, 0, width / 2);
    SetBold({kop1}, true);
    kop1->Font().SetSize(10);
    kop2 = AddLabel(PageHeaderBand1, "kop2", "", 0, 17, width / 2);
    kop3 = AddLabel(PageHeaderBand1, "kop3", "", 0, 33, width / 2);
    QRLabel4 = AddLabel(PageHeaderBand1, "QRLabel4", fixedTitle_, 0, TitleTop, width, TAlignment::taCenter);
    QRLabel4->Font().SetSize(12);
    QRLabel4->Font().SetStyle(fsBold | fsUnderline);
    QRLabel4->SetHeight(20);
    periode = AddLabel(PageHeaderBand1, "periode", "Per :", 0, PeriodTop, width, TAlignment::taCenter);
    PageHeaderBand1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { PageHeaderBand1BeforePrint(sender, print); };

    PageFooterBand1 = NewBand(*this, "PageFooterBand1", rbPageFooter, 24);
    AddLine(PageFooterBand1, "", 0, 2, width);
    QRSysData1 = new TQRSysData(this);
    QRSysData1->SetName("QRSysData1");
    QRSysData1->SetBounds(0, 6, width / 2, 17);
    QRSysData1->Font().SetSize(8);
    QRSysData1->SetData(qrsDateTime);
    QRSysData1->SetText(texts.Printed);
    QRSysData1->SetParent(PageFooterBand1);
    QRSysData2 = new TQRSysData(this);
    QRSysData2->SetName("QRSysData2");
    QRSysData2->SetBounds(width / 2, 6, width / 2, 17);
    QRSysData2->Font().SetSize(8);
    QRSysData2->SetAlignment(TAlignment::taRightJustify);
    QRSysData2->SetAutoSize(false);
    QRSysData2->SetData(qrsPageNumber);
    QRSysData2->SetText(texts.PageNumber);
    QRSysData2->SetParent(PageFooterBand1);
}

int TLetterheadReport::PrintWidth() const
{
    return static_cast<int>(Page.Width() - QRMillimetres(Page.LeftMargin + Page.RightMargin));
}

void TLetterheadReport::PageHeaderBand1BeforePrint(TQRCustomBand*, bool&)
{
    const TLoginState& login = LoginState();
    kop1->SetCaption(login.npt);
    kop2->SetCaption(login.apt);
    kop3->SetCaption(login.tpt);
    QRLabel4->SetCaption(fixedTitle_);
}
