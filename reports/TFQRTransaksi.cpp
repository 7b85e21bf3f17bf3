#include "reports/TFQRTransaksi.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "reports/LayoutParts.h"

namespace {
TLetterheadReport::TPageTexts TransactionsPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = "Laporan Transaksi Keuangan";
    texts.HeadingHeight = 24;
    return texts;
}
} // namespace

TFQRTransaksi::TFQRTransaksi(TComponent* AOwner) : TLetterheadReport(AOwner, TransactionsPageTexts())
{
    lap_cash_flow = AddQuery(*this, "lap_cash_flow", {"select * from lap_cash_Flow", "order by rowid"});
    SetDataSet(lap_cash_flow);

    struct Column {
        const char* Heading;
        const char* Field;
        int Left, Width;
    };
    // Debet and Kredit take 9,999,999,999,999.99, the balance its negative too, each with a gap on its left.
    const Column columns[] = {{"Tanggal", "tanggal", 0, 66},       {"No.Bukti", "no_bukti", 68, 70},
                              {"No.Rek", "account_code", 140, 50}, {"Nama Rekening ", "keterangan", 192, 152},
                              {"Debet", "debet", 348, 118},        {"Kredit", "kredit", 472, 118},
                              {"Saldo", "saldo", 596, 122}};
    const int top = HeadingTop();
    DetailBand1 = NewBand(*this, "DetailBand1", rbDetail, 18);
    for (const Column& c : columns) {
        const bool amount = c.Left >= 348;
        AddHeading(PageHeaderBand1, c.Heading, c.Left, top, c.Width,
            amount ? TAlignment::taRightJustify : TAlignment::taLeftJustify);
        if (amount)
            AddAmount(DetailBand1, std::string("QR") + c.Field, lap_cash_flow, c.Field, c.Left, 1, c.Width);
        else
            AddField(DetailBand1, std::string("QR") + c.Field, lap_cash_flow, c.Field, c.Left, 1, c.Width - 2);
    }
    AddLine(PageHeaderBand1, "", 0, top + 20, PrintWidth());

    SummaryBand1 = NewBand(*this, "SummaryBand1", rbSummary, 26);
    AddLine(SummaryBand1, "", 0, 2, PrintWidth());
    AddLabel(SummaryBand1, "", "Jumlah :", 192, 6, 120);
    AddSum(SummaryBand1, "QRsum_debet", this, "lap_cash_flow.debet", 348, 6, 118);
    AddSum(SummaryBand1, "QRsum_kredit", this, "lap_cash_flow.kredit", 472, 6, 118);
    // The summary prints on the last row, whose balance closes the book.
    AddAmount(SummaryBand1, "QRlast_saldo", lap_cash_flow, "saldo", 596, 6, 122);
}
