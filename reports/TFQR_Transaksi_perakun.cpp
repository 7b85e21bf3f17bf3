#include "reports/TFQR_Transaksi_perakun.h"

#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "platform/report/TQRSubDetail.h"
#include "reports/LayoutParts.h"

namespace {
TLetterheadReport::TPageTexts AccountTransactionsPageTexts()
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = "Laporan Transaksi Keuangan";
    texts.HeadingHeight = 6;
    return texts;
}
} // namespace

TFQR_Transaksi_perakun::TFQR_Transaksi_perakun(TComponent* AOwner)
    : TLetterheadReport(AOwner, AccountTransactionsPageTexts())
{
    // The cash book's opening row has no account and is left out.
    lap_cash_flow = AddQuery(*this, "lap_cash_flow",
        {"select distinct account_code from lap_cash_Flow where account_code is not null order by account_code"});
    DataSource1 = AddMasterSource(*this, "DataSource1", lap_cash_flow);
    cash_flow = AddQuery(*this, "cash_flow",
        {"select * from lap_cash_Flow", "where account_code = :account_code", "order by rowid"});
    cash_flow->SetDataSource(DataSource1);
    SetDataSet(lap_cash_flow);

    struct Column {
        const char* Heading;
        const char* Field;
        int Left, Width;
    };
    const Column columns[] = {{"Tanggal", "tanggal", 0, 70},       {"No.Bukti", "no_bukti", 72, 80},
                              {"No.Rek", "account_code", 154, 56}, {"Nama Rekening ", "keterangan", 212, 262},
                              {"Debet", "debet", 476, 118},        {"Kredit", "kredit", 600, 118}};
    GroupHeaderBand1 = NewBand(*this, "GroupHeaderBand1", rbGroupHeader, 30);
    QRSubDetail1 = NewSubDetail(*this, "QRSubDetail1", cash_flow, 18);
    for (const Column& c : columns) {
        const bool amount = c.Left >= 476;
        AddHeading(GroupHeaderBand1, c.Heading, c.Left, 8, c.Width,
            amount ? TAlignment::taRightJustify : TAlignment::taLeftJustify);
        if (amount)
            AddAmount(QRSubDetail1, std::string("QR") + c.Field, cash_flow, c.Field, c.Left, 1, c.Width);
        else
            AddField(QRSubDetail1, std::string("QR") + c.Field, cash_flow, c.Field, c.Left, 1, c.Width - 2);
    }
    AddLine(GroupHeaderBand1, "", 0, 27, PrintWidth());

    GroupFooterBand1 = NewBand(*this, "GroupFooterBand1", rbGroupFooter, 24);
    AddLine(GroupFooterBand1, "", 476, 2, PrintWidth() - 476);
    AddSum(GroupFooterBand1, "QRsum_debet", QRSubDetail1, "cash_flow.debet", 476, 5, 118, Amount, true);
    AddSum(GroupFooterBand1, "QRsum_kredit", QRSubDetail1, "cash_flow.kredit", 600, 5, 118, Amount, true);
    QRSubDetail1->SetHeaderBand(GroupHeaderBand1);
    QRSubDetail1->SetFooterBand(GroupFooterBand1);
}
