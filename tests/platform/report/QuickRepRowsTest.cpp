#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/data/TField.h"
#include "platform/report/TQuickRep.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::ElementsAre;

namespace {

std::vector<std::string> Texts(const TQuickRep& report, int page) { return report.Pages().Page(page).Texts(); }

} // namespace

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

    EXPECT_THAT(Texts(report, 0), ElementsAre("60.00", "", "7.00", "67.00"));
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
    auto* month = Place<TQRExpr>(detail, "bulan", 200);
    month->SetExpression("lap_jmk1.tanggal");
    month->SetMask("dd-MMM-yy");

    report.Prepare();

    EXPECT_THAT(Texts(report, 0), ElementsAre("05/03/2026", "05-Mar-26", "", ""));
}

TEST(QuickRepRows, NestedGroupsCloseInnerBeforeOuterAndSumEachLevel)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
    db.Exec("insert into akun values(2,'102','Bank','A','D',2)");
    db.Exec("insert into akun values(3,'103','Hutang','A','K',4)");
    db.Exec("insert into akun values(4,'201','Modal','B','K',8)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_cat, account_pos, account_code");
    report.SetDataSet(query);
    auto addGroup = [&](const std::string& expression, const std::string& caption) {
        auto* group = new TQRGroup(&report);
        group->SetExpression(expression);
        group->SetHeight(20);
        group->SetParent(&report);
        AddField(group, caption, query, expression);
        TQRBand* footer = AddBand(report, rbGroupFooter, 20);
        group->SetFooterBand(footer);
        TQRExpr* sum = AddExpr(footer, caption + "Sum", "SUM(saldo)");
        sum->SetMask("0");
        sum->SetResetAfterPrint(true);
    };
    addGroup("account_cat", "cat");
    addGroup("account_pos", "pos");
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");

    report.Prepare();

    EXPECT_THAT(Texts(report, 0), ElementsAre(
        "A", "D", "101", "102", "3",
        "K", "103", "4", "7",
        "B", "K", "201", "8", "8"));
}

TEST(QuickRepRows, LabelStylesAndAlignmentReachThePage)
{
    TQuickRep report;
    TQRBand* title = AddBand(report, rbTitle, 30);
    TQRLabel* heading = AddLabel(title, "QRLabel4", " NERACA ");
    heading->Font().SetStyle(fsBold | fsUnderline);
    heading->SetAlignment(TAlignment::taCenter);
    AddLabel(title, "periode", "Per :", 300);

    report.Prepare();

    const QRItem* printed = report.Pages().Page(0).FindSource("QRLabel4");
    ASSERT_NE(printed, nullptr);
    EXPECT_TRUE(printed->Font.Bold);
    EXPECT_TRUE(printed->Font.Underline);
    EXPECT_EQ(printed->Alignment, TAlignment::taCenter);
    EXPECT_FALSE(report.Pages().Page(0).FindSource("periode")->Font.Bold);
}

TEST(QuickRepRows, PagesFollowThePaperAndTheMargins)
{
    TQuickRep report;
    report.Page.PaperSize = A4;
    report.Page.Orientation = poLandscape;
    report.Page.TopMargin = 20;
    report.Page.LeftMargin = 15;
    report.Page.BottomMargin = 5;
    AddLabel(AddBand(report, rbPageHeader, 30), "QRLabel4", " NERACA LAJUR ", 10);
    AddLabel(AddBand(report, rbPageFooter, 25), "footer", "Halaman", 0);

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    EXPECT_NEAR(page.Width, QRMillimetres(297), 0.01);
    EXPECT_NEAR(page.Height, QRMillimetres(210), 0.01);
    EXPECT_NEAR(page.FindSource("QRLabel4")->Box.Left, QRMillimetres(15) + 10, 0.01);
    EXPECT_NEAR(page.FindSource("QRLabel4")->Box.Top, QRMillimetres(20), 0.01);
    EXPECT_NEAR(page.FindSource("footer")->Box.Top, QRMillimetres(210) - QRMillimetres(5) - 25, 0.01);
}

TEST(QuickRepRows, GroupBreaksOnAnExpressionOverAQualifiedField)
{
    ReportTestDb db;
    db.Exec("insert into baris values(1,'bkk-1',1,0)");
    db.Exec("insert into baris values(1,'BKK-1',2,0)");
    db.Exec("insert into baris values(2,'BKM-1',4,0)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "lap_jmk1", "select * from baris order by account_id, debet");
    report.SetDataSet(query);
    auto* group = new TQRGroup(&report);
    group->SetExpression("UPPER(lap_jmk1.no_bukti)");
    group->SetHeight(20);
    group->SetParent(&report);
    AddExpr(group, "voucher", "UPPER(lap_jmk1.no_bukti)");
    TQRBand* footer = AddBand(report, rbGroupFooter, 20);
    group->SetFooterBand(footer);
    AddExpr(footer, "sum", "SUM(debet)")->SetResetAfterPrint(true);

    report.Prepare();

    EXPECT_THAT(Texts(report, 0), ElementsAre("BKK-1", "3.00", "BKM-1", "4.00"));
}

TEST(QuickRepRows, LineBreaksOfAValueStartNewLinesInsideTheBox)
{
    ReportTestDb db;
    db.Exec("insert into baris values(1,'baris satu' || char(13) || char(10) || 'baris dua',0,0)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from baris");
    report.SetDataSet(query);
    AddField(AddBand(report, rbDetail, 20), "remark", query, "no_bukti");

    report.Prepare();

    const QRItem* remark = report.Pages().Page(0).FindSource("remark");
    ASSERT_NE(remark, nullptr);
    EXPECT_THAT(remark->Lines, ElementsAre("baris satu", "baris dua"));
    EXPECT_TRUE(remark->Clip);
    EXPECT_EQ(remark->Box.Height, 17);
}
