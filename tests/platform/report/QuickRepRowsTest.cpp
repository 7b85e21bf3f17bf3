#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/Clock.h"
#include "platform/data/TField.h"
#include "platform/report/TQuickRep.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::ElementsAre;

TEST(QuickRepRows, CalculatedFieldsAreWorkedOutForEveryRowPrintedAndSummed)
{
    ReportTestDb db;
    db.Exec("insert into baris values(1,'V1',100,40)");
    db.Exec("insert into baris values(2,'V2',null,25.5)");
    db.Exec("insert into baris values(3,'V3',7,null)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from baris order by no_bukti");
    auto* net = new TCurrencyField(query);
    net->SetFieldName("mutasi");
    net->SetFieldKind(fkCalculated);
    net->SetDataSet(query);
    // Like the trial balance: empty when the debit side is null.
    query->OnCalcFields = [&](TDataSet* dataSet) {
        if (!dataSet->FieldByName("debet")->IsNull())
            dataSet->FieldByName("mutasi")->SetAsFloat(dataSet->FieldByName("debet")->AsFloat()
                - dataSet->FieldByName("kredit")->AsFloat());
    };
    report.SetDataSet(query);
    AddField(AddBand(report, rbDetail, 20), "mutasi", query, "mutasi")->SetMask("#,##0.00;(#,##0.00)");
    AddExpr(AddBand(report, rbSummary, 20), "total", "SUM(AdoQuery1.mutasi)");

    report.Prepare();

    EXPECT_THAT(Texts(report), ElementsAre("60.00", "", "7.00", "67.00"));
}

TEST(QuickRepRows, DatesPrintInTheMaskOfTheirControl)
{
    ReportTestDb db;
    db.Exec("create table jurnal(tanggal date, no_bukti text)");
    db.Exec("insert into jurnal values('2026-03-05','BKK-1')");
    db.Exec("insert into jurnal values(null,'BKK-2')");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "lap_jmk1", "select * from jurnal order by no_bukti");
    report.SetDataSet(query);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    AddField(detail, "tanggal", query, "tanggal")->SetMask("dd/MM/yyyy");
    AddExpr(detail, "bulan", "lap_jmk1.tanggal", 200)->SetMask("dd-MMM-yy");

    report.Prepare();

    EXPECT_THAT(Texts(report), ElementsAre("05/03/2026", "05-Mar-26", "", ""));
}

TEST(QuickRepRows, MasksNullsAndLongOrMultiLineValues)
{
    ReportTestDb db;
    db.Exec("insert into baris values(1,'a very long remark that cannot fit in one line of the column',1234.5,null)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "lap_jmk2",
        "select *, 'baris satu' || char(13) || char(10) || 'baris dua' as catatan from baris");
    report.SetDataSet(query);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    TQRDBText* debet = AddField(detail, "debet", query, "debet");
    debet->SetMask("#,##0.00");
    debet->SetAlignment(TAlignment::taRightJustify);
    AddField(detail, "kredit", query, "kredit", 150)->SetMask("#,##0.00");
    AddExpr(detail, "net", "lap_jmk2.debet - lap_jmk2.kredit", 300);
    AddField(detail, "remark", query, "no_bukti", 450)->SetAutoStretch(true);
    AddField(detail, "catatan", query, "catatan", 600);
    AddLabel(AddBand(report, rbSummary, 20), "after", "AFTER");

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    EXPECT_EQ(page.FindSource("debet")->Text(), "1,234.50");
    EXPECT_EQ(page.FindSource("debet")->Alignment, TAlignment::taRightJustify);
    EXPECT_EQ(page.FindSource("kredit")->Text(), "");
    EXPECT_EQ(page.FindSource("net")->Text(), "1,234.50");
    // A stretching value wraps and its band grows, so the summary comes below all its lines.
    const QRItem* stretched = page.FindSource("remark");
    ASSERT_GT(stretched->Lines.size(), 1u);
    EXPECT_GE(page.FindText("AFTER")->Box.Top, stretched->Box.Bottom() - 0.01);
    // Line breaks of a value start new lines inside a box that keeps its size.
    const QRItem* note = page.FindSource("catatan");
    EXPECT_THAT(note->Lines, ElementsAre("baris satu", "baris dua"));
    EXPECT_TRUE(note->Clip);
    EXPECT_EQ(note->Box.Height, 17);
}

TEST(QuickRepRows, HandlersSetCaptionsFontsAndSkipBands)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','AKTIVA','A','D',0)");
    db.Exec("insert into akun values(2,'102','Kas','A','D',1)");
    db.Exec("insert into akun values(3,'103','Lewati','A','D',-1)");
    db.Exec("insert into akun values(4,'104','Bank','A','D',9)");
    db.Exec("insert into akun values(5,'105','PASIVA','B','K',0)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
    report.SetDataSet(query);
    TQRBand* header = AddBand(report, rbPageHeader, 20);
    TQRLabel* title = AddLabel(header, "QRLabel4", "title the caller set");
    int headerRuns = 0;
    header->BeforePrint = [&](TQRCustomBand*, bool&) {
        ++headerRuns;
        title->SetCaption(" NERACA ");
    };
    TQRBand* detail = AddBand(report, rbDetail, 400);
    TQRDBText* name = AddField(detail, "name", query, "account_name");
    // Saldo 0 prints bold, 1 regular, anything else keeps the previous line's style; below 0 skips.
    detail->BeforePrint = [&](TQRCustomBand*, bool& print) {
        double saldo = query->FieldByName("saldo")->AsFloat();
        if (saldo == 0)
            name->Font().SetStyle(fsBold);
        else if (saldo == 1)
            name->Font().SetStyle(0);
        print = saldo >= 0;
    };

    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 2);
    EXPECT_EQ(headerRuns, 2);
    EXPECT_THAT(Texts(report, 0), ElementsAre(" NERACA ", "AKTIVA", "Kas"));
    EXPECT_THAT(Texts(report, 1), ElementsAre(" NERACA ", "Bank", "PASIVA"));
    EXPECT_TRUE(report.Pages().Page(0).FindText("AKTIVA")->Font.Bold);
    EXPECT_FALSE(report.Pages().Page(0).FindText("Kas")->Font.Bold);
    EXPECT_FALSE(report.Pages().Page(1).FindText("Bank")->Font.Bold);
}

TEST(QuickRepRows, PagesFollowThePaperAndTheMarginsAndLabelsAndSystemDataKeepTheirStyle)
{
    ManualClock clock(EncodeDate(2026, 3, 31) + EncodeTime(14, 5, 9, 0));
    ClockOverride useClock(clock);
    TQuickRep report;
    report.Page.PaperSize = A4;
    report.Page.Orientation = poLandscape;
    report.Page.TopMargin = 20;
    report.Page.LeftMargin = 15;
    report.Page.BottomMargin = 5;
    TQRLabel* heading = AddLabel(AddBand(report, rbPageHeader, 30), "QRLabel4", " NERACA LAJUR ", 10);
    heading->Font().SetStyle(fsBold | fsUnderline);
    heading->SetAlignment(TAlignment::taCenter);
    TQRBand* footer = AddBand(report, rbPageFooter, 25);
    Place<TQRSysData>(footer, "printed", 0)->SetText("Proses------->");
    auto* pageNo = Place<TQRSysData>(footer, "pageNo", 400);
    pageNo->SetData(qrsPageNumber);
    pageNo->SetText("Halaman  ");

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    EXPECT_NEAR(page.Width, QRMillimetres(297), 0.01);
    EXPECT_NEAR(page.Height, QRMillimetres(210), 0.01);
    const QRItem* printed = page.FindSource("QRLabel4");
    EXPECT_NEAR(printed->Box.Left, QRMillimetres(15) + 10, 0.01);
    EXPECT_NEAR(printed->Box.Top, QRMillimetres(20), 0.01);
    EXPECT_NEAR(page.FindSource("pageNo")->Box.Top, QRMillimetres(210) - QRMillimetres(5) - 25, 0.01);
    EXPECT_TRUE(printed->Font.Bold && printed->Font.Underline);
    EXPECT_EQ(printed->Alignment, TAlignment::taCenter);
    EXPECT_FALSE(page.FindSource("pageNo")->Font.Bold);
    // System data prints its text before the time of printing or the page number.
    EXPECT_EQ(page.FindSource("printed")->Text(), "Proses------->2026-03-31 14:05:09");
    EXPECT_EQ(page.FindSource("pageNo")->Text(), "Halaman  1");
}
