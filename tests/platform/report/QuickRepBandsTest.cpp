#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/Clock.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TDataSource.h"
#include "platform/report/TQuickRep.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::ElementsAre;

namespace {

// Seven accounts in three categories; 104 has no saldo.
void FillAccounts(ReportTestDb& db)
{
    db.Exec("insert into akun values(1,'101','Kas','A','D',100.25)");
    db.Exec("insert into akun values(2,'102','Bank','A','D',200)");
    db.Exec("insert into akun values(3,'103','Piutang','A','D',300)");
    db.Exec("insert into akun values(4,'104','Hutang','B','K',null)");
    db.Exec("insert into akun values(5,'105','Modal','B','K',500)");
    db.Exec("insert into akun values(6,'106','Laba','C','K',600)");
    db.Exec("insert into akun values(7,'107','Biaya','C','D',700)");
}

std::vector<std::string> Texts(const TQuickRep& report, int page) { return report.Pages().Page(page).Texts(); }

int CountText(const QRPage& page, const std::string& text)
{
    int count = 0;
    for (const std::string& t : page.Texts())
        count += t == text;
    return count;
}

} // namespace

TEST(QuickRepBands, EachKindPrintsInItsPlace)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
    db.Exec("insert into akun values(2,'102','Bank','A','D',2)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
    report.SetDataSet(query);
    AddLabel(AddBand(report, rbPageFooter, 20), "footer", "FOOTER");
    AddLabel(AddBand(report, rbSummary, 20), "summary", "SUMMARY");
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");
    AddLabel(AddBand(report, rbColumnHeader, 20), "columns", "COLUMNS");
    AddLabel(AddBand(report, rbTitle, 20), "title", "TITLE");
    AddLabel(AddBand(report, rbPageHeader, 20), "header", "HEADER");

    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_THAT(Texts(report, 0), ElementsAre("HEADER", "TITLE", "COLUMNS", "101", "102", "SUMMARY", "FOOTER"));
    const QRPage& page = report.Pages().Page(0);
    // The footer band sits on the bottom margin, not under the summary.
    EXPECT_NEAR(page.FindText("FOOTER")->Box.Top, page.Height - QRMillimetres(10) - 20, 0.01);
    EXPECT_NEAR(page.FindText("HEADER")->Box.Top, QRMillimetres(10), 0.01);
}

TEST(QuickRepBands, PageSizesFollowPaperAndOrientation)
{
    TQRPageSetup a4;
    EXPECT_NEAR(a4.Width(), 793.7, 0.1);
    EXPECT_NEAR(a4.Height(), 1122.5, 0.1);
    TQRPageSetup letterLandscape;
    letterLandscape.PaperSize = Letter;
    letterLandscape.Orientation = poLandscape;
    EXPECT_EQ(letterLandscape.Width(), 1056);
    EXPECT_EQ(letterLandscape.Height(), 816);
}

class QuickRepPages : public testing::Test {
protected:
    void SetUp() override
    {
        FillAccounts(db);
        query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
        report.SetDataSet(query);
        TQRBand* header = AddBand(report, rbPageHeader, 40);
        AddField(header, "headerCode", query, "account_code");
        auto* page = Place<TQRSysData>(header, "pageNo", 300);
        page->SetData(qrsPageNumber);
        page->SetText("Halaman  ");
        AddLabel(AddBand(report, rbPageFooter, 40), "footer", "FOOTER");
        // Three details fit on an A4 page between header and footer.
        detail = AddBand(report, rbDetail, 300);
        AddField(detail, "code", query, "account_code");
        TQRBand* summary = AddBand(report, rbSummary, 20);
        AddField(summary, "lastSaldo", query, "account_code");
        AddExpr(summary, "total", "SUM(AdoQuery1.saldo)", 300);
    }

    ReportTestDb db;
    TQuickRep report;
    TADOQuery* query = nullptr;
    TQRBand* detail = nullptr;
};

TEST_F(QuickRepPages, HeaderAndFooterOnEveryPageNamingTheRowThatBrokeThePage)
{
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_THAT(Texts(report, 0), ElementsAre("101", "Halaman  1", "101", "102", "103", "FOOTER"));
    EXPECT_THAT(Texts(report, 1), ElementsAre("104", "Halaman  2", "104", "105", "106", "FOOTER"));
    // The summary stands on the last row and sums every row, the null saldo as 0.
    EXPECT_THAT(Texts(report, 2), ElementsAre("107", "Halaman  3", "107", "107", "2,400.25", "FOOTER"));
}

TEST_F(QuickRepPages, FirstHeaderAndLastFooterCanBeLeftOut)
{
    report.SetOptions(0);
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_EQ(report.Pages().Page(0).FindSource("pageNo"), nullptr);
    EXPECT_NE(report.Pages().Page(0).FindText("FOOTER"), nullptr);
    EXPECT_NE(report.Pages().Page(2).FindSource("pageNo"), nullptr);
    EXPECT_EQ(report.Pages().Page(2).FindText("FOOTER"), nullptr);
}

TEST_F(QuickRepPages, PreparingTwiceGivesTheSamePages)
{
    report.Prepare();
    std::vector<std::string> first = Texts(report, 2);
    report.Prepare();
    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_EQ(Texts(report, 2), first);
}

TEST_F(QuickRepPages, EmptyReportPrintsOnePageWithHeaderAndFooter)
{
    db.Exec("delete from akun");
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_THAT(Texts(report, 0), ElementsAre("", "Halaman  1", "", "0.00", "FOOTER"));

    report.SetPrintIfEmpty(false);
    query->Close();
    report.Prepare();
    EXPECT_EQ(report.Pages().PageCount(), 0);
}

TEST_F(QuickRepPages, BandTallerThanAPageStillPrintsOncePerPage)
{
    detail->SetHeight(5000);
    report.Prepare();
    // Seven detail pages, and the summary on a page of its own.
    ASSERT_EQ(report.Pages().PageCount(), 8);
    EXPECT_EQ(report.Pages().Page(6).FindSource("code")->Text(), "107");
    EXPECT_NE(report.Pages().Page(7).FindSource("total"), nullptr);
}

TEST(QuickRepGroups, GroupHeaderForcesNewPageAndFooterSumsItsGroup)
{
    ReportTestDb db;
    FillAccounts(db);
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_cat, account_code");
    report.SetDataSet(query);
    AddField(AddBand(report, rbPageHeader, 20), "headerCat", query, "account_cat");
    auto* group = new TQRGroup(&report);
    group->SetExpression("account_cat");
    group->SetForceNewPage(true);
    group->SetHeight(20);
    group->SetParent(&report);
    AddLabel(group, "groupCaption", "GROUP", 0);
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");
    TQRBand* footer = AddBand(report, rbGroupFooter, 20);
    group->SetFooterBand(footer);
    AddField(footer, "lastCode", query, "account_code");
    TQRExpr* groupSum = AddExpr(footer, "groupSum", "SUM(saldo)", 300);
    groupSum->SetResetAfterPrint(true);
    AddExpr(AddBand(report, rbSummary, 20), "total", "SUM(saldo)", 300);

    report.Prepare();

    // No empty first page: the first group starts on page 1.
    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_THAT(Texts(report, 0), ElementsAre("A", "GROUP", "101", "102", "103", "103", "600.25"));
    EXPECT_THAT(Texts(report, 1), ElementsAre("B", "GROUP", "104", "105", "105", "500.00"));
    EXPECT_THAT(Texts(report, 2), ElementsAre("C", "GROUP", "106", "107", "107", "1,300.00", "2,400.25"));
}

TEST(QuickRepGroups, ZeroHeightHeaderGrowsAfterItsFirstPrint)
{
    ReportTestDb db;
    FillAccounts(db);
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_cat, account_code");
    report.SetDataSet(query);
    auto* separator = new TQRGroup(&report);
    separator->SetExpression("account_cat");
    separator->SetHeight(0);
    separator->SetParent(&report);
    auto* line = Place<TQRShape>(separator, "line", 0);
    line->SetShape(qrsHorLine);
    line->SetBounds(0, 0, 600, 20);
    separator->AfterPrint = [](TQRCustomBand* band, bool) { band->SetHeight(20); };
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");

    report.Prepare();

    int lines = 0;
    for (const QRItem& item : report.Pages().Page(0).Items)
        lines += item.Kind == QRItemKind::Line;
    // Between the three categories, not above the first.
    EXPECT_EQ(lines, 2);
}

class QuickRepSubDetail : public testing::Test {
protected:
    void SetUp() override
    {
        db.Exec("insert into akun values(1,'101','Kas','A','D',10)");
        db.Exec("insert into akun values(2,'102','Bank','A','D',20)");
        db.Exec("insert into akun values(3,'103','Modal','B','K',30)");
        db.Exec("insert into baris values(1,'V1',100,null)");
        db.Exec("insert into baris values(1,'V2',null,40)");
        db.Exec("insert into baris values(3,'V3',5.5,0)");
        master = db.Query(&report, "akun", "select * from akun order by account_code");
        auto* source = new TDataSource(&report);
        source->SetDataSet(master);
        lines = db.Query(&report, "baris", "select * from baris where account_id = :account_id order by no_bukti");
        lines->SetDataSource(source);
        report.SetDataSet(master);

        header = AddBand(report, rbPageHeader, 20);
        AddField(header, "headerCode", master, "account_code");
        sub = new TQRSubDetail(&report);
        sub->SetName("QRSubDetail1");
        sub->SetDataSet(lines);
        sub->SetHeight(20);
        sub->SetParent(&report);
        AddField(sub, "voucher", lines, "no_bukti");
        AddField(sub, "debet", lines, "debet", 200);
        TQRBand* groupHeader = AddBand(report, rbGroupHeader, 20);
        AddField(groupHeader, "account", master, "account_code");
        sub->SetHeaderBand(groupHeader);
        TQRBand* groupFooter = AddBand(report, rbGroupFooter, 20);
        TQRExpr* accountSum = AddExpr(groupFooter, "accountSum", "SUM(baris.debet - baris.kredit)");
        accountSum->SetMaster(sub);
        accountSum->SetResetAfterPrint(true);
        AddField(groupFooter, "saldo", master, "saldo", 300);
        sub->SetFooterBand(groupFooter);
        TQRExpr* total = AddExpr(AddBand(report, rbSummary, 20), "total", "SUM(debet)");
        total->SetMaster(sub);
    }

    ReportTestDb db;
    TQuickRep report;
    TADOQuery* master = nullptr;
    TADOQuery* lines = nullptr;
    TQRSubDetail* sub = nullptr;
    TQRBand* header = nullptr;
};

TEST_F(QuickRepSubDetail, HeaderAndFooterOncePerMasterRowEvenWithoutLines)
{
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_THAT(Texts(report, 0), ElementsAre("101",
        "101", "V1", "100", "V2", "", "60.00", "10",
        "102", "0.00", "20",
        "103", "V3", "5.5", "5.50", "30",
        "105.50"));
}

TEST_F(QuickRepSubDetail, HeaderForcingNewPageStartsEachMasterRowOnItsOwnPage)
{
    sub->HeaderBand()->SetForceNewPage(true);
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        std::string code = "10" + std::to_string(page + 1);
        EXPECT_EQ(report.Pages().Page(page).FindSource("headerCode")->Text(), code);
        EXPECT_EQ(report.Pages().Page(page).FindSource("account")->Text(), code);
    }
}

TEST_F(QuickRepSubDetail, QualifiedFieldOfAnUnknownDataSetRaises)
{
    TQRExpr* wrong = AddExpr(header, "wrong", "nowhere.debet", 400);
    EXPECT_THROW(report.Prepare(), EDatabaseError);
    wrong->SetEnabled(false);
    EXPECT_NO_THROW(report.Prepare());
}

TEST(QuickRepPrinting, DisabledBandsAndControlsPrintNothing)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "ADOQuery1", "select account_code, account_name from akun");
    report.SetDataSet(query);
    TQRBand* columns = AddBand(report, rbColumnHeader, 20);
    AddLabel(columns, "kode", "KODE");
    AddLabel(columns, "unit", "UNIT", 300)->SetEnabled(false);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    AddField(detail, "code", query, "account_code");
    // The field does not exist; a disabled control never reads it.
    TQRDBText* jenis = AddField(detail, "jenis", query, "jenis", 300);
    jenis->SetEnabled(false);
    AddLabel(detail, "hidden", "HIDDEN", 400)->SetVisible(false);
    TQRBand* disabled = AddBand(report, rbSummary, 20);
    disabled->SetEnabled(false);
    bool handlerRan = false;
    disabled->BeforePrint = [&](TQRCustomBand*, bool&) { handlerRan = true; };
    AddLabel(disabled, "never", "NEVER");

    report.Prepare();

    EXPECT_THAT(Texts(report, 0), ElementsAre("KODE", "101"));
    EXPECT_FALSE(handlerRan);

    jenis->SetEnabled(true);
    EXPECT_THROW(report.Prepare(), EDatabaseError);
}

TEST(QuickRepPrinting, HandlersSetCaptionsFontsAndSkipBands)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','AKTIVA','A','D',0)");
    db.Exec("insert into akun values(2,'102','Kas','A','D',1)");
    db.Exec("insert into akun values(3,'103','Bank','A','D',9)");
    db.Exec("insert into akun values(4,'104','PASIVA','B','K',0)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_code");
    report.SetDataSet(query);
    TQRBand* header = AddBand(report, rbPageHeader, 20);
    TQRLabel* title = AddLabel(header, "QRLabel4", "title the caller set");
    TQRLabel* period = AddLabel(header, "periode", "Per :", 300);
    int headerRuns = 0;
    header->BeforePrint = [&](TQRCustomBand*, bool&) {
        ++headerRuns;
        title->SetCaption(" NERACA ");
    };
    TQRBand* detail = AddBand(report, rbDetail, 400);
    TQRDBText* name = AddField(detail, "name", query, "account_name");
    // Saldo 0 prints bold, 1 regular, anything else keeps the previous line's style.
    detail->BeforePrint = [&](TQRCustomBand*, bool& print) {
        double saldo = query->FieldByName("saldo")->AsFloat();
        if (saldo == 0)
            name->Font().SetStyle(fsBold);
        else if (saldo == 1)
            name->Font().SetStyle(0);
        print = query->FieldByName("account_code")->AsString() != "104" || headerRuns > 0;
    };
    period->SetCaption("Periode s/d Bulan Maret 2026");

    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 2);
    EXPECT_EQ(headerRuns, 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(report.Pages().Page(page).FindSource("QRLabel4")->Text(), " NERACA ");
        EXPECT_EQ(report.Pages().Page(page).FindSource("periode")->Text(), "Periode s/d Bulan Maret 2026");
    }
    EXPECT_TRUE(report.Pages().Page(0).FindText("AKTIVA")->Font.Bold);
    EXPECT_FALSE(report.Pages().Page(0).FindText("Kas")->Font.Bold);
    EXPECT_FALSE(report.Pages().Page(1).FindText("Bank")->Font.Bold);
    EXPECT_EQ(CountText(report.Pages().Page(1), "PASIVA"), 1);
}

TEST(QuickRepPrinting, FieldMasksNullsAndStretching)
{
    ReportTestDb db;
    db.Exec("insert into baris values(1,'a very long remark that cannot fit in one line of the column',1234.5,null)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "lap_jmk2", "select * from baris");
    report.SetDataSet(query);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    TQRDBText* debet = AddField(detail, "debet", query, "debet");
    debet->SetMask("#,##0.00");
    debet->SetAlignment(TAlignment::taRightJustify);
    AddField(detail, "kredit", query, "kredit", 150)->SetMask("#,##0.00");
    AddExpr(detail, "net", "lap_jmk2.debet - lap_jmk2.kredit", 300);
    TQRDBText* remark = AddField(detail, "remark", query, "no_bukti", 450);
    remark->SetAutoStretch(true);
    AddLabel(AddBand(report, rbSummary, 20), "after", "AFTER");

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    EXPECT_EQ(page.FindSource("debet")->Text(), "1,234.50");
    EXPECT_EQ(page.FindSource("debet")->Alignment, TAlignment::taRightJustify);
    EXPECT_TRUE(page.FindSource("debet")->Clip);
    EXPECT_EQ(page.FindSource("kredit")->Text(), "");
    EXPECT_EQ(page.FindSource("net")->Text(), "1,234.50");
    const QRItem* stretched = page.FindSource("remark");
    ASSERT_GT(stretched->Lines.size(), 1u);
    EXPECT_EQ(stretched->Text().find('\n') != std::string::npos, true);
    // The band grew with the stretched text, so the summary comes below all its lines.
    EXPECT_GE(page.FindText("AFTER")->Box.Top, stretched->Box.Bottom() - 0.01);
}

TEST_F(QuickRepPages, FailingHandlerRaisesAndKeepsThePagesBuiltBefore)
{
    report.Prepare();
    detail->BeforePrint = [&](TQRCustomBand*, bool&) {
        if (query->FieldByName("account_code")->AsString() == "105")
            throw EConvertError("bad row");
    };

    EXPECT_THROW(report.Prepare(), EConvertError);

    EXPECT_EQ(report.Pages().PageCount(), 3);
    EXPECT_EQ(report.PageNumber(), 0);
}

TEST(QuickRepPrinting, SystemDataPrintsItsTextBeforeTheTimeOfPrinting)
{
    ManualClock clock(EncodeDate(2026, 3, 31) + EncodeTime(14, 5, 9, 0));
    ClockOverride useClock(clock);
    TQuickRep report;
    TQRBand* footer = AddBand(report, rbPageFooter, 20);
    auto* printed = Place<TQRSysData>(footer, "QRSysData1", 0);
    printed->SetText("Proses------->");
    auto* page = Place<TQRSysData>(footer, "QRSysData2", 400);
    page->SetData(qrsPageNumber);
    page->SetText("Halaman  ");
    page->SetAlignment(TAlignment::taRightJustify);

    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_EQ(report.Pages().Page(0).FindSource("QRSysData1")->Text(), "Proses------->2026-03-31 14:05:09");
    EXPECT_EQ(report.Pages().Page(0).FindSource("QRSysData2")->Text(), "Halaman  1");
    EXPECT_EQ(report.Pages().Page(0).FindSource("QRSysData2")->Alignment, TAlignment::taRightJustify);
}

TEST(QuickRepLinks, FreedPartsLeaveNoDanglingLinks)
{
    ReportTestDb db;
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun");
    report.SetDataSet(query);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    TQRDBText* code = AddField(detail, "code", query, "account_code");
    auto* sub = new TQRSubDetail(&report);
    sub->SetParent(&report);
    sub->SetDataSet(query);
    TQRBand* footer = AddBand(report, rbGroupFooter, 20);
    sub->SetFooterBand(footer);
    TQRExpr* sum = AddExpr(footer, "sum", "SUM(saldo)");
    sum->SetMaster(sub);

    TComponent::Free(query);
    TComponent::Free(detail);
    TComponent::Free(sub);

    EXPECT_EQ(report.DataSet(), nullptr);
    EXPECT_EQ(code->Parent(), nullptr);
    EXPECT_EQ(code->DataSet(), nullptr);
    EXPECT_EQ(sum->Master(), nullptr);
    ASSERT_EQ(report.Bands().size(), 1u);
    EXPECT_EQ(report.Bands()[0], footer);
    // The sum now feeds from the report, which has no data set left to read.
    EXPECT_THROW(report.Prepare(), EDatabaseError);
}

TEST_F(QuickRepSubDetail, HeaderReadsTheDetailOfItsMasterRowBeforeTheLinesPrint)
{
    lines->Close();
    AddField(sub->HeaderBand(), "firstVoucher", lines, "no_bukti", 200);

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    std::vector<std::string> firsts;
    for (const QRItem& item : page.Items)
        if (item.Source == "firstVoucher")
            firsts.push_back(item.Text());
    EXPECT_THAT(firsts, ElementsAre("V1", "", "V3"));
}

TEST_F(QuickRepSubDetail, HandlersPickTheBalanceColumnAndCarryARunningBalance)
{
    TQRCustomBand* opening = sub->HeaderBand();
    TQRDBText* debitSide = AddField(opening, "saldoD", master, "saldo", 300);
    TQRDBText* creditSide = AddField(opening, "saldoK", master, "saldo", 400);
    TQRLabel* running = AddLabel(sub, "running", "", 500);
    double balance = 0;
    opening->BeforePrint = [&](TQRCustomBand*, bool&) {
        bool debit = master->FieldByName("account_pos")->AsString() == "D";
        debitSide->SetEnabled(debit);
        creditSide->SetEnabled(!debit);
        balance = master->FieldByName("saldo")->AsFloat();
    };
    sub->BeforePrint = [&](TQRCustomBand*, bool&) {
        double change = lines->FieldByName("debet")->AsFloat() - lines->FieldByName("kredit")->AsFloat();
        balance += master->FieldByName("account_pos")->AsString() == "D" ? change : -change;
        running->SetCaption(FormatFloat("#,##0.00;(#,##0.00)", balance));
    };

    report.Prepare();

    const QRPage& page = report.Pages().Page(0);
    std::vector<std::pair<std::string, std::string>> printed;
    for (const QRItem& item : page.Items)
        if (item.Source == "saldoD" || item.Source == "saldoK" || item.Source == "running")
            printed.emplace_back(item.Source, item.Text());
    using Printed = std::pair<std::string, std::string>;
    EXPECT_THAT(printed, ElementsAre(Printed{"saldoD", "10"}, Printed{"running", "110.00"}, Printed{"running", "70.00"},
        Printed{"saldoD", "20"},
        Printed{"saldoK", "30"}, Printed{"running", "24.50"}));
}
