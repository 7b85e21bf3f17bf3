// The report window driven by synthetic input: the posting question, the links' colours, the
// refusal while a job runs, every link's preview and print, and the budget link.
#include <gtest/gtest.h>

#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "platform/controls/TCustomLabel.h"
#include "reports/TReportPreparation.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/ScreenPng.h"
#include "tests/reports/ReportBook.h"
#include "tests/reports/ReportWindowSession.h"

namespace {

class ReportWindow : public ::testing::Test, protected TReportBook {
protected:
    const std::vector<std::string> Tables()
    {
        auto rows = book.Rows("select * from trial_balance order by account_id");
        for (const std::string& row : book.Rows("select * from posting order by account_id"))
            rows.push_back(row);
        return rows;
    }

    TReportWindowSession r{book.dm};
    TFrm_Report& window = *r.window;
};

bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST_F(ReportWindow, PostingAsksAndYesPostsTheMonthOfTheThreeUnitsAsTheDirectPostingDoes)
{
    r.ChooseMonth(3);
    EXPECT_EQ(window.Preparation().Month, "3");
    EXPECT_EQ(window.Preparation().MonthName, "Maret");
    const auto before = Tables();
    r.boxes.Answer(mrNo);
    r.Click(*window.Label100);
    ASSERT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_EQ(r.boxes.Shown()[0].Text, "Lakukanlah Proses Posting data ini setiap kali anda akan membuat laporan "
                                       "keuangan\r\nApakah Anda akan melakukan posting data?");
    EXPECT_EQ(Tables(), before);

    r.boxes.Answer(mrYes);
    r.Click(*window.Label100);
    EXPECT_EQ(r.wait.shown, 1);
    EXPECT_EQ(r.wait.closed, 1);
    const auto posted = Tables();
    EXPECT_NE(posted, before);
    book.Exec("delete from trial_balance");
    book.Exec("delete from posting");
    PostMarch();
    EXPECT_EQ(Tables(), posted);
    SaveScreenPng(r.s, "report-window");
}

TEST_F(ReportWindow, LinksGrowBlueUnderTheMouseAndTakeBackTheirColourOnLeave)
{
    for (TLabel* link : {window.Label3, window.Label4}) {
        const TColor colour = link == window.Label3 ? TColor(33023) : TColor(8404992);
        EXPECT_EQ(link->Font().Color(), colour);
        EXPECT_EQ(link->Font().Name(), "Courier New");
        r.s.MoveTo(r.s.ScreenPointOf(*link).X, r.s.ScreenPointOf(*link).Y);
        r.s.ProcessUntilIdle();
        EXPECT_EQ(link->Font().Color(), clBlue);
        EXPECT_EQ(link->Font().Size(), 10);
        r.s.MoveTo(r.s.ScreenPointOf(*window.TeButton2).X, r.s.ScreenPointOf(*window.TeButton2).Y);
        r.s.ProcessUntilIdle();
        EXPECT_EQ(link->Font().Color(), colour);
        EXPECT_EQ(link->Font().Size(), 9);
    }
    EXPECT_FALSE(window.Label5->Visible() || window.Label7->Visible() || window.Label6->Visible() ||
                 window.Label8->Visible());
}

TEST_F(ReportWindow, WhileAJobRunsLinksPostingAndCloseDoNothing)
{
    PostMarch();
    r.ChooseMonth(3);
    {
        TLongJob job(nullptr);
        EXPECT_TRUE(r.PreviewPages(*window.Label3).empty());
        r.Click(*window.Label100);
        r.Click(*window.TeButton1);
        r.Click(*window.TeButton2);
        r.s.ProcessUntilIdle();
    }
    EXPECT_EQ(book.Rows("select count(*) from lap_neraca"), (std::vector<std::string>{"0"}));
    EXPECT_TRUE(r.boxes.Shown().empty());
    EXPECT_EQ(r.previews, 0);
    EXPECT_EQ(r.s.App().FindComponent("Frm_Report"), nullptr) << "the window is owned by the frame";
    EXPECT_EQ(r.frame->MDIChildCount(), 1);
}

TEST_F(ReportWindow, EveryVisibleLinkPreviewsItsLayoutWithItsFixedTitleAndThePeriod)
{
    PostMarch();
    r.ChooseMonth(3);
    struct Link {
        TLabel* Report;
        const char* Title;
        const char* Period;
    };
    const Link links[] = {
        {window.Label50, "Laporan Transaksi Keuangan", "Periode Maret/2026"},
        {window.Label1, "Laporan Transaksi Keuangan", "Periode Maret/2026"},
        {window.Label107, "LAPORAN JURNAL MUTASI KEUANGAN", "Periode Maret/2026"},
        {window.Label76, "LAPORAN JURNAL PENYESUAIAN", "Periode Maret/2026"},
        {window.Label53, "NERACA LAJUR", "Periode s/d Bulan Maret 2026"},
        {window.Label3, "NERACA", "Periode s/d Bulan Maret 2026"},
        {window.Label66, "IKHTISAR LABA RUGI", "PER BULAN MARET 2026"},
        {window.Label67, "LAPORAN MUTASI BUKU BESAR", "Per Maret/2026"},
    };
    for (const Link& link : links) {
        const auto pages = r.PreviewPages(*link.Report);
        ASSERT_FALSE(pages.empty()) << link.Title;
        EXPECT_TRUE(Contains(pages[0], link.Title) || Contains(pages[0], std::string(" ") + link.Title + " "))
            << link.Title;
        EXPECT_TRUE(Contains(pages[0], link.Period)) << link.Title;
    }
    EXPECT_TRUE(r.s.Errors().empty()) << r.s.Errors().front();

    // The trial balance lists unit 10's accounts in code order.
    const auto trial = r.PreviewPages(*window.Label53)[0];
    const auto kas = std::find(trial.begin(), trial.end(), "1110");
    const auto modal = std::find(trial.begin(), trial.end(), "3110");
    EXPECT_TRUE(kas < modal && modal != trial.end());
    EXPECT_FALSE(Contains(trial, "Kas Zivu"));
}

TEST_F(ReportWindow, PrintLinksSaveTheLayoutAsPdf)
{
    PostMarch();
    r.ChooseMonth(3);
    const std::string sheet = r.PrintToPdf(*window.Label4, "neraca");
    EXPECT_NE(sheet.find("NERACA"), std::string::npos);
    EXPECT_NE(sheet.find("Periode s/d Bulan Maret 2026"), std::string::npos);
    EXPECT_LT(sheet.find("1110"), sheet.find("1120"));
    EXPECT_NE(sheet.find("1120"), std::string::npos);
    const std::string journal = r.PrintToPdf(*window.Label108, "jurnal");
    EXPECT_NE(journal.find("LAPORAN JURNAL MUTASI KEUANGAN"), std::string::npos);
    EXPECT_LT(journal.find("Penjualan tunai"), journal.find("Listrik Maret"));
    EXPECT_EQ(r.files->Shown().size(), 2u);
}

TEST_F(ReportWindow, BudgetLinkRealisesTheMonthThenReportsOrSaysTheBudgetIsEmpty)
{
    for (int account : {Kas, Penjualan, Listrik})
        book.Exec("insert into anggaran (account_id, anggaran_b3) values (" + std::to_string(account) + ", 1000000)");
    r.ChooseMonth(3);
    const auto pages = r.PreviewPages(*window.Label64);
    // Penjualan has credits only in March: its realisation is those credits.
    EXPECT_EQ(book.Rows("select account_id, realisasi_b3 from anggaran order by account_id"),
              (std::vector<std::string>{"1|0", "10|2500000", "11|300000"}));
    EXPECT_EQ(r.wait.shown, 1);
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(Contains(pages[0], "Periode  Maret/2026"));

    book.Exec("delete from anggaran");
    r.boxes.Answer(mrOk);
    r.Click(*window.Label81);
    ASSERT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_EQ(r.boxes.Shown()[0].Text, "Data Transaksi kosong");
    EXPECT_EQ(r.previews, 1);
}

TEST_F(ReportWindow, AFailedPreparationClosesTheWaitWindowAndShowsTheError)
{
    PostMarch();
    book.Exec("drop table lap_neraca");
    r.ChooseMonth(3);
    r.boxes.Answer(mrOk);
    r.Click(*window.Label3);
    ASSERT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_NE(r.boxes.Shown()[0].Text.find("no such table"), std::string::npos) << r.boxes.Shown()[0].Text;
    EXPECT_EQ(r.wait.shown, r.wait.closed);
    EXPECT_FALSE(r.wait.visible);
    EXPECT_EQ(r.previews, 0);
    EXPECT_FALSE(IsLongJobRunning());
}
