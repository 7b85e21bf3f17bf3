#include <algorithm>

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TDataSource.h"
#include "platform/report/QRTextMeasure.h"
#include "platform/report/TQuickRep.h"
#include "tests/platform/report/PdfReadBack.h"
#include "tests/platform/report/ReportTestDb.h"
#include "tests/platform/report/ReportTestLayout.h"

using testing::ElementsAre;

namespace {

// Seven accounts in three categories, one written in lower case; 104 has no saldo.
void FillAccounts(ReportTestDb& db)
{
    db.Exec("insert into akun values(1,'101','Kas','A','D',100.25)");
    db.Exec("insert into akun values(2,'102','Bank','A','D',200)");
    db.Exec("insert into akun values(3,'103','Piutang','A','D',300)");
    db.Exec("insert into akun values(4,'104','Hutang','b','K',null)");
    db.Exec("insert into akun values(5,'105','Modal','B','K',500)");
    db.Exec("insert into akun values(6,'106','Laba','C','K',600)");
    db.Exec("insert into akun values(7,'107','Biaya','C','D',700)");
}

// Asserts that the pieces occur in the text in this order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& pieces)
{
    size_t pos = 0;
    for (const std::string& piece : pieces) {
        size_t found = text.find(piece, pos);
        ASSERT_NE(found, std::string::npos) << "\"" << piece << "\" missing or out of order in:\n" << text;
        pos = found + piece.size();
    }
}

} // namespace

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

TEST_F(QuickRepPages, EachKindOfBandPrintsInItsPlaceAndTheHeaderNamesTheRowThatBrokeThePage)
{
    AddLabel(AddBand(report, rbColumnHeader, 20), "columns", "COLUMNS");
    AddLabel(AddBand(report, rbTitle, 20), "title", "TITLE");

    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_THAT(Texts(report, 0), ElementsAre("101", "Halaman  1", "TITLE", "COLUMNS", "101", "102", "103", "FOOTER"));
    EXPECT_THAT(Texts(report, 1), ElementsAre("104", "Halaman  2", "COLUMNS", "104", "105", "106", "FOOTER"));
    // The summary stands on the last row and sums every row, the null saldo as 0.
    const std::vector<std::string> last{"107", "Halaman  3", "COLUMNS", "107", "107", "2,400.25", "FOOTER"};
    EXPECT_EQ(Texts(report, 2), last);
    // Header on the top margin; the footer on the bottom margin, not under the last band.
    const QRPage& page = report.Pages().Page(2);
    EXPECT_NEAR(page.FindSource("headerCode")->Box.Top, QRMillimetres(10), 0.01);
    EXPECT_NEAR(page.FindText("FOOTER")->Box.Top, page.Height - QRMillimetres(10) - 40, 0.01);
    report.Prepare();
    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_EQ(Texts(report, 2), last);

    // The first page's header and the last page's footer can be left out.
    report.SetOptions(0);
    report.Prepare();
    EXPECT_EQ(report.Pages().Page(0).FindSource("pageNo"), nullptr);
    EXPECT_NE(report.Pages().Page(0).FindText("FOOTER"), nullptr);
    EXPECT_NE(report.Pages().Page(2).FindSource("pageNo"), nullptr);
    EXPECT_EQ(report.Pages().Page(2).FindText("FOOTER"), nullptr);
}

TEST_F(QuickRepPages, PdfReadsBackPageByPageInOrder)
{
    auto path = db.Folder() / "buku besar.pdf";

    report.ExportToPdf(path.string());

    EXPECT_THAT(PdfInfo(path), testing::ContainsRegex("Pages: +3\n"));
    // pdftotext reads a run of spaces as one.
    ExpectInOrder(PdfText(path, 1), {"101", "Halaman 1", "101", "102", "103", "FOOTER"});
    ExpectInOrder(PdfText(path, 2), {"104", "Halaman 2", "104", "105", "106", "FOOTER"});
    ExpectInOrder(PdfText(path, 3), {"107", "Halaman 3", "107", "107", "2,400.25", "FOOTER"});
}

TEST_F(QuickRepPages, EmptyReportPrintsOnePageWithHeaderAndFooter)
{
    db.Exec("delete from akun");
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_THAT(Texts(report), ElementsAre("", "Halaman  1", "", "0.00", "FOOTER"));

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

TEST(QuickRepGroups, GroupHeaderForcesNewPageAndFooterSumsItsGroup)
{
    ReportTestDb db;
    FillAccounts(db);
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by upper(account_cat), account_code");
    report.SetDataSet(query);
    AddField(AddBand(report, rbPageHeader, 20), "headerCat", query, "account_cat");
    // The group breaks on an expression over a qualified field, so 'b' and 'B' are one group.
    TQRGroup* group = AddGroup(report, "UPPER(AdoQuery1.account_cat)");
    group->SetForceNewPage(true);
    AddExpr(group, "groupCaption", "'GROUP ' + UPPER(account_cat)");
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");
    TQRBand* footer = AddBand(report, rbGroupFooter, 20);
    group->SetFooterBand(footer);
    AddField(footer, "lastCode", query, "account_code");
    AddExpr(footer, "groupSum", "SUM(saldo)", 300)->SetResetAfterPrint(true);
    AddExpr(AddBand(report, rbSummary, 20), "total", "SUM(saldo)", 300);

    report.Prepare();

    // No empty first page: the first group starts on page 1.
    ASSERT_EQ(report.Pages().PageCount(), 3);
    EXPECT_THAT(Texts(report, 0), ElementsAre("A", "GROUP A", "101", "102", "103", "103", "600.25"));
    EXPECT_THAT(Texts(report, 1), ElementsAre("b", "GROUP B", "104", "105", "105", "500.00"));
    EXPECT_THAT(Texts(report, 2), ElementsAre("C", "GROUP C", "106", "107", "107", "1,300.00", "2,400.25"));
}

TEST(QuickRepGroups, ZeroHeightHeaderGrowsAfterItsFirstPrint)
{
    ReportTestDb db;
    FillAccounts(db);
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by upper(account_cat), account_code");
    report.SetDataSet(query);
    TQRGroup* separator = AddGroup(report, "UPPER(account_cat)", 0);
    auto* line = Place<TQRShape>(separator, "line", 0);
    line->SetShape(qrsHorLine);
    line->SetBounds(0, 0, 600, 20);
    separator->AfterPrint = [](TQRCustomBand* band, bool) { band->SetHeight(20); };
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");

    report.Prepare();

    const std::vector<QRItem>& items = report.Pages().Page(0).Items;
    // Between the three categories, not above the first.
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](const QRItem& item) { return item.Kind == QRItemKind::Line; }), 2);
}

TEST(QuickRepGroups, NestedGroupsCloseInnerBeforeOuterAndSumEachLevel)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
    db.Exec("insert into akun values(2,'102','Bank','A','D',2)");
    db.Exec("insert into akun values(3,'103','Hutang','A','K',4)");
    db.Exec("insert into akun values(4,'201','Modal','B','K',8)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun order by account_cat, account_pos, account_code");
    report.SetDataSet(query);
    for (const std::string level : {"account_cat", "account_pos"}) {
        TQRGroup* group = AddGroup(report, level);
        AddField(group, level, query, level);
        TQRBand* footer = AddBand(report, rbGroupFooter, 20);
        group->SetFooterBand(footer);
        TQRExpr* sum = AddExpr(footer, level + "Sum", "SUM(saldo)");
        sum->SetMask("0");
        sum->SetResetAfterPrint(true);
    }
    AddField(AddBand(report, rbDetail, 20), "code", query, "account_code");

    report.Prepare();

    EXPECT_THAT(Texts(report), ElementsAre("A", "D", "101", "102", "3", "K", "103", "4", "7", "B", "K", "201", "8", "8"));
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

        AddField(AddBand(report, rbPageHeader, 20), "headerCode", master, "account_code");
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
        AddExpr(AddBand(report, rbSummary, 20), "total", "SUM(debet)")->SetMaster(sub);
    }

    ReportTestDb db;
    TQuickRep report;
    TADOQuery* master = nullptr;
    TADOQuery* lines = nullptr;
    TQRSubDetail* sub = nullptr;
};

TEST_F(QuickRepSubDetail, HeaderAndFooterOncePerMasterRowEvenWithoutLines)
{
    report.Prepare();

    ASSERT_EQ(report.Pages().PageCount(), 1);
    EXPECT_THAT(Texts(report), ElementsAre("101",
        "101", "V1", "100", "V2", "", "60.00", "10",
        "102", "0.00", "20",
        "103", "V3", "5.5", "5.50", "30",
        "105.50"));

    sub->HeaderBand()->SetForceNewPage(true);
    report.Prepare();
    ASSERT_EQ(report.Pages().PageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        std::string code = "10" + std::to_string(page + 1);
        EXPECT_EQ(report.Pages().Page(page).FindSource("headerCode")->Text(), code);
        EXPECT_EQ(report.Pages().Page(page).FindSource("account")->Text(), code);
    }
}

TEST_F(QuickRepSubDetail, HandlersOfTheMasterRowReadItsLinesPickTheBalanceColumnAndCarryARunningBalance)
{
    lines->Close();
    TQRCustomBand* opening = sub->HeaderBand();
    AddField(opening, "firstVoucher", lines, "no_bukti", 200);
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

    using Printed = std::pair<std::string, std::string>;
    std::vector<Printed> printed;
    for (const QRItem& item : report.Pages().Page(0).Items)
        if (item.Source == "firstVoucher" || item.Source == "saldoD" || item.Source == "saldoK" || item.Source == "running")
            printed.emplace_back(item.Source, item.Text());
    // The opening band already sees the first line of its account.
    EXPECT_THAT(printed, ElementsAre(Printed{"firstVoucher", "V1"}, Printed{"saldoD", "10"}, Printed{"running", "110.00"},
        Printed{"running", "70.00"},
        Printed{"firstVoucher", ""}, Printed{"saldoD", "20"},
        Printed{"firstVoucher", "V3"}, Printed{"saldoK", "30"}, Printed{"running", "24.50"}));

    // A figure too wide for its box prints whole in a smaller type on the same baseline; too wide
    // for the smallest, as the mark.
    TQRTextMeasure measure;
    const QRItem* whole = report.Pages().Page(0).FindSource("running");
    const double baseline = whole->Box.Top + measure.Ascent(whole->Font);
    running->SetAutoSize(false);
    running->SetFigure(true);
    running->SetWidth(30);
    report.Prepare();
    const QRItem* smaller = report.Pages().Page(0).FindSource("running");
    EXPECT_EQ(smaller->Text(), "110.00");
    EXPECT_TRUE(smaller->Font.Size < 10 && smaller->Font.Size >= TQRCustomLabel::SmallestFigureSize);
    EXPECT_LE(measure.TextWidth(smaller->Font, "110.00"), 30);
    EXPECT_NEAR(smaller->Box.Top + measure.Ascent(smaller->Font), baseline, 0.01);
    running->SetWidth(10);
    report.Prepare();
    EXPECT_EQ(report.Pages().Page(0).FindSource("running")->Text(), "###");
}

TEST(QuickRepLinks, DisabledPartsPrintNothingAndFreedPartsLeaveNoDanglingLinks)
{
    ReportTestDb db;
    db.Exec("insert into akun values(1,'101','Kas','A','D',1)");
    TQuickRep report;
    TADOQuery* query = db.Query(&report, "AdoQuery1", "select * from akun");
    report.SetDataSet(query);
    TQRBand* columns = AddBand(report, rbColumnHeader, 20);
    AddLabel(columns, "kode", "KODE");
    AddLabel(columns, "unit", "UNIT", 300)->SetEnabled(false);
    TQRBand* detail = AddBand(report, rbDetail, 20);
    TQRDBText* code = AddField(detail, "code", query, "account_code");
    // The field and the data set do not exist; a disabled control never reads them.
    TQRDBText* jenis = AddField(detail, "jenis", query, "jenis", 300);
    jenis->SetEnabled(false);
    TQRExpr* elsewhere = AddExpr(detail, "elsewhere", "nowhere.debet", 400);
    elsewhere->SetEnabled(false);
    AddLabel(detail, "hidden", "HIDDEN", 500)->SetVisible(false);
    TQRBand* disabled = AddBand(report, rbSummary, 20);
    disabled->SetEnabled(false);
    bool handlerRan = false;
    disabled->BeforePrint = [&](TQRCustomBand*, bool&) { handlerRan = true; };
    AddLabel(disabled, "never", "NEVER");

    report.Prepare();
    EXPECT_THAT(Texts(report), ElementsAre("KODE", "101"));
    EXPECT_FALSE(handlerRan);
    elsewhere->SetEnabled(true);
    EXPECT_THROW(report.Prepare(), EDatabaseError);
    elsewhere->SetEnabled(false);
    jenis->SetEnabled(true);
    EXPECT_THROW(report.Prepare(), EDatabaseError);

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
    TComponent::Free(columns);
    TComponent::Free(disabled);
    EXPECT_EQ(report.DataSet(), nullptr);
    EXPECT_EQ(code->Parent(), nullptr);
    EXPECT_EQ(code->DataSet(), nullptr);
    EXPECT_EQ(sum->Master(), nullptr);
    ASSERT_EQ(report.Bands().size(), 1u);
    EXPECT_EQ(report.Bands()[0], footer);
    // The sum now feeds from the report, which has no data set left to read.
    EXPECT_THROW(report.Prepare(), EDatabaseError);
}
