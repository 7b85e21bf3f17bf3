#include "reports/TFQR_Neraca.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRDBText.h"
#include "reports/LayoutParts.h"

namespace {

TLetterheadReport::TPageTexts BalanceSheetPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = " NERACA ";
    texts.Orientation = poLandscape;
    return texts;
}

// A title or total line of lap_neraca has header 0; account lines and rows the half never reached do not.
bool IsBoldLine(const TField& header)
{
    return !header.IsNull() && header.AsInteger() == 0;
}

} // namespace

TFQR_Neraca::TFQR_Neraca(TComponent* AOwner) : TLetterheadReport(AOwner, BalanceSheetPageTexts())
{
    AdoQuery1 = AddQuery(*this, "AdoQuery1", {"select * from lap_neraca"});
    SetDataSet(AdoQuery1);

    const int top = HeadingTop();
    const int half = PrintWidth() / 2;
    for (int side = 0; side < 2; ++side) {
        const int left = side * (half + 4);
        AddHeading(PageHeaderBand1, "NO.", left, top, 60);
        AddHeading(PageHeaderBand1, "REK", left, top + 16, 60);
        AddHeading(PageHeaderBand1, side == 0 ? "AKTIVA" : "KEWAJIBAN DAN MODAL", left + 64, top + 8, 280);
        AddHeading(PageHeaderBand1, "JUMLAH", left + 348, top + 8, half - 352, TAlignment::taRightJustify);
    }
    AddLine(PageHeaderBand1, "", 0, top + 36, PrintWidth());

    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    DetailBand1->BeforePrint = [this](TQRCustomBand* sender, bool& print) { DetailBand1BeforePrint(sender, print); };
    QRkode_d = AddField(DetailBand1, "QRkode_d", AdoQuery1, "kode_d", 0, 1, 60);
    QRnama_d = AddField(DetailBand1, "QRnama_d", AdoQuery1, "nama_d", 64, 1, 280);
    QRjumlah_d = AddAmount(DetailBand1, "QRjumlah_d", AdoQuery1, "jumlah_d", 348, 1, half - 352, SignedAmount);
    QRkode_k = AddField(DetailBand1, "QRkode_k", AdoQuery1, "kode_k", half + 4, 1, 60);
    QRnama_k = AddField(DetailBand1, "QRnama_k", AdoQuery1, "nama_k", half + 68, 1, 280);
    QRjumlah_k = AddAmount(DetailBand1, "QRjumlah_k", AdoQuery1, "jumlah_k", half + 352, 1, half - 352, SignedAmount);

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 12);
    AddLine(SummaryBand1, "", 0, 4, PrintWidth());
}

void TFQR_Neraca::DetailBand1BeforePrint(TQRCustomBand*, bool&)
{
    SetBold({QRkode_d, QRnama_d, QRjumlah_d}, IsBoldLine(*AdoQuery1->FieldByName("header_d")));
    SetBold({QRkode_k, QRnama_k, QRjumlah_k}, IsBoldLine(*AdoQuery1->FieldByName("header_k")));
}
