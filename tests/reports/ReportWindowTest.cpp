// The report window driven by synthetic input: the posting question, the links' colours, the
// refusal while a job runs, a failed preparation, what every link's layout prints, and a cash
// voucher on its way to the balance sheet; the budget window's realisation report; and figures of
// thirteen digits whole in every report and list.
#include <gtest/gtest.h>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgColumn.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/LongJob.h"
#include "ledger/TFrm_Ajp.h"
#include "ledger/TFrm_Anggaran.h"
#include "ledger/TFrm_CashFlow.h"
#include "ledger/TFrm_DafSaldo.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/DateTime.h"
#include "platform/data/TADOTable.h"
#include "platform/report/QRTextMeasure.h"
#include "reports/ReportLayouts.h"
#include "reports/TFQRAJP.h"
#include "reports/TFrm_Report.h"
#include "skin/controls/TTeButton.h"
#include "tests/controls/flat/PaintedText.h"
#include "tests/ledger/FrameSession.h"
#include "tests/reports/ReportBook.h"

namespace {

class ReportWindow : public ::testing::Test, protected TReportBook {
protected:
    ReportWindow() { RegisterReportLayouts(); }

    Texts Tables()
    {
        auto rows = book.Rows("select * from trial_balance order by account_id");
        for (const std::string& row : book.Rows("select * from posting order by account_id"))
            rows.push_back(row);
        return rows;
    }
    // The first page the link previews for March.
    QRPage March(TLabel* link)
    {
        r.ChooseMonth(*window.ZlComboBox3, 3);
        const auto pages = r.PreviewPages(*link);
        return pages.empty() ? QRPage() : pages[0];
    }

    TFrameSession r{book.dm};
    TFrm_Report& window = *r.Open<TFrm_Report>();
};

bool Bold(const QRPage& page, const std::string& text)
{
    const QRItem* item = page.FindText(text);
    return item && item->Font.Bold;
}

// Every text of the page reads whole in its box, and no two texts of a line come closer than 4 pixels.
void ExpectWholeAndApart(const QRPage& page, const std::string& report)
{
    struct Ink {
        double Left, Right, Top, Bottom;
        std::string Text;
    };
    TQRTextMeasure measure;
    std::vector<Ink> inks;
    for (const QRItem& item : page.Items) {
        double width = 0;
        for (const std::string& line : item.Lines)
            width = std::max(width, measure.TextWidth(item.Font, line));
        if (item.Kind != QRItemKind::Text || width == 0)
            continue;
        double left = item.Box.Left;
        if (item.Alignment == TAlignment::taRightJustify)
            left = item.Box.Right() - width;
        else if (item.Alignment == TAlignment::taCenter)
            left += (item.Box.Width - width) / 2;
        const Ink ink{left, left + width, item.Box.Top,
                      item.Box.Top + measure.LineHeight(item.Font) * static_cast<double>(item.Lines.size()), item.Text()};
        EXPECT_TRUE(!item.Clip || (ink.Left >= item.Box.Left && ink.Right <= item.Box.Right()))
            << report << ": \"" << ink.Text << "\" is cut";
        for (const Ink& other : inks)
            EXPECT_FALSE(ink.Left < other.Right + 4 && other.Left < ink.Right + 4 && ink.Top < other.Bottom &&
                         other.Top < ink.Bottom)
                << report << ": \"" << ink.Text << "\" on \"" << other.Text << "\"";
        inks.push_back(ink);
    }
}

// The painted text runs whole inside the clip of its cell or panel.
void ExpectWhole(const std::vector<TTextRun>& runs, const std::string& text)
{
    ASSERT_FALSE(runs.empty()) << text;
    for (const TTextRun& run : runs)
        EXPECT_TRUE(run.Clip.Left <= run.Cell.Left && run.Cell.Right <= run.Clip.Right) << text;
}

// The list paints 'figure' whole in its cell, and the column has room for 'widest' as well.
void ExpectWholeInList(TZgDBGrid& grid, const std::string& field, const std::string& figure, const std::string& widest)
{
    ExpectWhole(PaintedText(grid, figure), field + ": " + figure);
    for (int i = 0; i < grid.Columns().Count(); ++i) {
        TZgColumn& column = *grid.Columns().Items(i);
        if (column.FieldName() != field)
            continue;
        TBitmap measure(1, 1);
        measure.Canvas().SetFont(column.Font());
        // The cell keeps 2 pixels before its text and 1 after it.
        EXPECT_LE(measure.Canvas().TextWidth(widest) + 3, column.Width()) << field;
    }
}

} // namespace

TEST_F(ReportWindow, PostingAsksAndYesPostsTheMonthOfTheThreeUnitsAsTheDirectPostingDoes)
{
    r.ChooseMonth(*window.ZlComboBox3, 3);
    const auto before = Tables();
    r.boxes.Answer(mrNo);
    r.Click(*window.Label100);
    EXPECT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_EQ(Tables(), before);

    r.boxes.Answer(mrYes);
    r.Click(*window.Label100);
    EXPECT_EQ(r.wait.closed, 1);
    const auto posted = Tables();
    EXPECT_NE(posted, before);
    book.Exec("delete from trial_balance");
    book.Exec("delete from posting");
    PostMarch();
    EXPECT_EQ(Tables(), posted);
    r.SavePng("report-window");
}

TEST_F(ReportWindow, ALinkTurnsBlueUnderTheMouseAndTakesBackItsOwnColourOnLeave)
{
    TLabel& print = *window.Label4;
    const TColor colour = print.Font().Color();
    const auto hover = [&](const TControl& control) {
        r.s.MoveTo(r.s.ScreenPointOf(control).X, r.s.ScreenPointOf(control).Y);
        r.s.ProcessUntilIdle();
        return print.Font().Color();
    };
    EXPECT_EQ(hover(print), clBlue);
    EXPECT_EQ(hover(*window.TeButton2), colour);
}

TEST_F(ReportWindow, WhileAJobRunsClicksDoNothingAndAFailedPreparationEndsItsJob)
{
    PostMarch();
    {
        TLongJob job(nullptr);
        for (TControl* control : std::initializer_list<TControl*>{window.Label3, window.Label100, window.TeButton1,
                                                                  window.TeButton2})
            r.Click(*control);
        r.s.ProcessUntilIdle();
    }
    EXPECT_EQ(book.Rows("select count(*) from lap_neraca"), (Texts{"0"}));
    EXPECT_TRUE(r.boxes.Shown().empty());
    EXPECT_EQ(r.frame->MDIChildCount(), 1);

    book.Exec("drop table lap_neraca");
    r.boxes.Answer(mrOk);
    r.Click(*window.Label3);
    ASSERT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_NE(r.boxes.Shown()[0].Text.find("no such table"), std::string::npos) << r.boxes.Shown()[0].Text;
    EXPECT_EQ(r.wait.shown, r.wait.closed);
    EXPECT_FALSE(r.wait.visible || IsLongJobRunning());
    EXPECT_EQ(r.previews, 0);
}

TEST_F(ReportWindow, EveryLinkPreviewsItsLayoutWithItsPeriodRowsAndSums)
{
    PostMarch();
    book.Exec("update trial_balance set saldo_awal_d=null where account_id=" + std::to_string(Kas));
    const std::string month = "Periode Maret/2026", upTo = "Periode s/d Bulan Maret 2026";
    const std::pair<TLabel*, std::string> links[] = {
        {window.Label50, month}, {window.Label1, month}, {window.Label107, month}, {window.Label76, month},
        {window.Label53, upTo}, {window.Label3, upTo}, {window.Label66, "PER BULAN MARET 2026"},
        {window.Label67, "Per Maret/2026"}};
    std::map<TLabel*, QRPage> first;
    for (const auto& [link, period] : links) {
        first[link] = March(link);
        EXPECT_TRUE(first[link].FindText(period)) << link->Name();
    }
    EXPECT_TRUE(r.s.Errors().empty()) << r.s.Errors().front();

    // The trial balance sums the chosen unit's months and leaves a null opening cell empty.
    const QRPage& trial = first[window.Label53];
    EXPECT_EQ(From(trial, "Kas", 7), (Texts{"Kas", "2,500,000.00", "1,800,000.00", "0.00", "0.00", "700,000.00", "1120"}));
    EXPECT_EQ(From(trial, "Biaya Penyusutan", 12),
        (Texts{"Biaya Penyusutan", "0.00", "0.00", "0.00", "0.00", "200,000.00", "0.00", "200,000.00", "13,000,000.00",
            "23,000,000.00", "4,300,000.00", "4,300,000.00"}));
    EXPECT_EQ(trial.FindText("Kas Zivu"), nullptr);

    const QRPage& sheet = first[window.Label3];
    EXPECT_EQ(From(sheet, "1110", 6), (Texts{"1110", "KAS", "10,700,000.00", "2110", "HUTANG DAGANG", "3,500,000.00"}));
    EXPECT_TRUE(Bold(sheet, "22,500,000.00") && !Bold(sheet, "KAS"));
    // Right halves: titles and totals bold, accounts and the lines the half never reached regular.
    Texts regular;
    for (const QRItem& item : sheet.Items)
        if (item.Source == "QRnama_k")
            regular.push_back(item.Font.Bold ? "0" : "1");
    EXPECT_EQ(regular, book.Rows("select ifnull(header_k, 1) from lap_neraca order by noid"));

    const QRPage& profit = first[window.Label66];
    // A header account's total line prints without its code.
    EXPECT_EQ(From(profit, "Gaji Direksi", 4), (Texts{"Gaji Direksi", "0.00", "JUMLAH Biaya Gaji", "1,000,000.00"}));
    EXPECT_EQ(profit.FindText("7100"), nullptr);
    EXPECT_TRUE(Bold(profit, "LABA") && !Bold(profit, "Penjualan"));

    const QRPage& cash = first[window.Label50];
    EXPECT_EQ(From(cash, "Saldo Awal", 6),
        (Texts{"Saldo Awal", "10,000,000.00", "2026-03-02", "1001", "4110", "Penjualan tunai"}));
    EXPECT_EQ(From(cash, "Jumlah :", 4), (Texts{"Jumlah :", "2,500,000.00", "1,800,000.00", "10,700,000.00"}));
    const QRPage& grouped = first[window.Label1];
    EXPECT_EQ(grouped.FindText("Saldo Awal"), nullptr);
    EXPECT_EQ(From(grouped, "2110", 5), (Texts{"2110", "Bayar hutang", "500,000.00", "0.00", "500,000.00"}));
    EXPECT_EQ(From(grouped, "4110", 5), (Texts{"4110", "Penjualan tunai", "2,500,000.00", "2,500,000.00", "0.00"}));

    EXPECT_EQ(From(first[window.Label107], "10/03/2026", 11), (Texts{"10/03/2026", "1002", "Listrik Maret", "7110",
        "Biaya Listrik", "300,000.00", "0.00", "1110", "Kas", "0.00", "300,000.00"}));
    EXPECT_EQ(From(first[window.Label107], "Balance   :", 3), (Texts{"Balance   :", "4,300,000.00", "4,300,000.00"}));

    // Each account of the chosen unit on a page of its own, with its running balance.
    const auto ledger = r.PreviewPages(*window.Label67);
    ASSERT_EQ(ledger.size(), 14u);
    EXPECT_EQ(From(ledger[0], "Saldo Awal", 8), (Texts{"Saldo Awal", "10,000,000.00", "02/03/2026", "1001",
        "Penjualan tunai", "2,500,000.00", "0.00", "12,500,000.00"}));
    EXPECT_EQ(From(ledger[0], "Total Mutasi", 5),
        (Texts{"Total Mutasi", "2,500,000.00", "1,800,000.00", "Saldo Akhir", "10,700,000.00"}));
    // A credit-normal account shows its balances in the Kredit column; one without lines still
    // prints its opening, zero sums and closing.
    EXPECT_EQ(From(ledger[6], "No.Rek :", 2), (Texts{"No.Rek :", "3110"}));
    EXPECT_EQ(From(ledger[6], "Saldo Awal", 6),
        (Texts{"Saldo Awal", "15,000,000.00", "Total Mutasi", "0.00", "0.00", "Saldo Akhir"}));
    EXPECT_EQ(ledger[6].FindSource("QRsaldo_akhir_k")->Box.Right(), ledger[6].FindText("Kredit")->Box.Right());
    EXPECT_EQ(ledger[0].FindSource("QRsaldo_akhir_d")->Box.Right(), ledger[0].FindText("Debet")->Box.Right());
    // A contra account's running balance moves as the posting signs it and ends on its closing
    // balance: the credit-normal accumulated depreciation, then the payable kept debit-normal.
    EXPECT_EQ(From(ledger[4], "Saldo Awal", 13), (Texts{"Saldo Awal", "(1,000,000.00)", "31/03/2026", "Ajp1001",
        "Penyusutan", "0.00", "200,000.00", "(1,200,000.00)", "Total Mutasi", "0.00", "200,000.00", "Saldo Akhir",
        "(1,200,000.00)"}));
    book.Exec("update coa set account_pos='D' where account_id=" + std::to_string(Hutang));
    PostMarch();
    const auto reposted = r.PreviewPages(*window.Label67);
    ASSERT_EQ(reposted.size(), 14u);
    EXPECT_EQ(From(reposted[5], "Saldo Awal", 13), (Texts{"Saldo Awal", "(4,000,000.00)",
        "28/03/2026", "1004", "Bayar hutang", "500,000.00", "0.00", "(4,500,000.00)", "Total Mutasi", "500,000.00",
        "0.00", "Saldo Akhir", "(4,500,000.00)"}));
}

TEST_F(ReportWindow, TheAdjustingJournalDrawsItsSeparatorBetweenVouchersOnlyInEveryBuild)
{
    book.Voucher("A2", "Ajp1002", "2026-03-31", true, 10, "Koreksi", {{Listrik, 50'000, 0}, {Kas, 0, 50'000}});
    March(window.Label76);
    TFQRAJP adjusting;
    for (int build = 0; build < 2; ++build) {
        adjusting.Prepare();
        const QRPage& page = adjusting.Pages().Page(0);
        EXPECT_EQ(std::count_if(page.Items.begin(), page.Items.end(),
                      [](const QRItem& item) { return item.Source == "QRShape1"; }), 1);
        EXPECT_EQ(From(page, "7120", 10), (Texts{"7120", "Biaya Penyusutan", "200,000.00", "0.00", "1220",
                                               "Akumulasi Penyusutan", "0.00", "200,000.00", "7110", "Biaya Listrik"}));
        EXPECT_EQ(From(page, "Kas", 5), (Texts{"Kas", "0.00", "50,000.00", "250,000.00", "250,000.00"}));
    }
}

TEST_F(ReportWindow, ACashVoucherSavedInTheCashWindowIsPostedAndReachesTheBalanceSheet)
{
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 15) + EncodeTime(9, 0, 0, 0));
    const int64_t lines = book.Value("select count(*) from TR_VOUC").AsInteger();
    auto* cash = CreateOwned<TFrm_CashFlow>(*r.frame);
    cash->Show();
    r.s.ProcessUntilIdle();
    r.s.ClickControl(*cash->ZlSpeedButton2);
    cash->ZlEdit2->SetFocus();
    cash->ZlEdit2->SetText("4110");
    r.s.PressKey(VK_RETURN, 0, "\r");
    r.s.ClickControl(*cash->ZlRadio1);
    cash->ZlEdit4->SetFocus();
    cash->ZlEdit4->SetText("250");
    r.boxes.Answer(mrOk);
    r.s.ClickControl(*cash->ZlSpeedButton3);
    EXPECT_EQ(r.boxes.Shown().back().Text, "Data Tersimpan...");
    ASSERT_EQ(book.Value("select count(*) from TR_VOUC").AsInteger(), lines + 2);

    window.SetFocus();
    r.ChooseMonth(*window.ZlComboBox3, 3);
    r.boxes.Answer(mrYes);
    r.Click(*window.Label100);
    const auto pages = r.PreviewPages(*window.Label3);
    ASSERT_EQ(pages.size(), 1u);

    EXPECT_EQ(book.Amount("select jumlah_d from lap_neraca where kode_d='1110'"), Rp(10'700'250));
    EXPECT_EQ(TotalAssets(), Rp(22'500'250));
    EXPECT_EQ(TotalClaims(), Rp(22'500'250));
    const auto texts = pages[0].Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "10,700,250.00"), 1);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "22,500,250.00"), 2) << "both totals";
}

TEST_F(ReportWindow, TheBudgetWindowAndTheBudgetLinkRealiseTheMonthAndReportIt)
{
    book.Voucher("R1", "1009", "2026-03-09", false, 10, "Retur", {{Penjualan, 100'000, 0}, {Kas, 0, 100'000}});
    book.Voucher("OLD", "0999", "2025-03-15", false, 10, "Tahun lalu", {{Listrik, 20'000, 0}, {Kas, 0, 20'000}});
    book.Voucher("F1", "0901", "2026-02-10", false, 10, "Februari", {{Kas, 70'000, 0}, {Penjualan, 0, 70'000}});
    book.Exec("insert into anggaran (account_id, anggaran_b3, realisasi_b2, realisasi_b3) values (1, 1000000, null, 11), "
              "(10, 3000000, 5, null), (11, 400000, null, null), (12, 0, null, null), (21, 0, null, 999)");
    const Rows realised = {"1|null|0", "10|5|2400000", "11|null|320000", "12|null|200000", "21|null|0"};
    const std::string realisation = "select account_id, realisasi_b2, realisasi_b3 from anggaran order by account_id";

    // The budget window takes the clock's month: every line of March of any year, adjusting
    // entries included; only the March column changes.
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 20));
    auto* budget = CreateOwned<TFrm_Anggaran>(*r.frame);
    budget->Show();
    r.s.ProcessUntilIdle();
    const auto pages = r.PreviewPages(*budget->TeButton2);
    EXPECT_EQ(book.Rows(realisation), realised);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].FindText("Periode  Maret/2026"));

    // The report window's link takes the chosen month of its unit and prints the differences.
    book.Exec("update anggaran set realisasi_b3=null where account_id<20");
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 4, 20));
    const QRPage page = March(window.Label64);
    EXPECT_EQ(book.Rows(realisation), realised);
    EXPECT_EQ(From(page, "4110", 10), (Texts{"4110", "Penjualan", "3,000,000.00", "2,400,000.00", "600,000.00", "7110",
                                          "Biaya Listrik", "400,000.00", "320,000.00", "80,000.00"}));
    EXPECT_EQ(From(page, "TOTAL BIAYA SELURUHNYA", 4),
              (Texts{"TOTAL BIAYA SELURUHNYA", "4,400,000.00", "2,920,000.00", "1,480,000.00"}));

    book.Exec("delete from anggaran");
    r.boxes.Answer(mrOk);
    r.Click(*window.Label81);
    ASSERT_EQ(r.boxes.Shown().size(), 1u);
    EXPECT_EQ(r.boxes.Shown()[0].Text, "Data Transaksi kosong");
    EXPECT_EQ(r.previews, 2);
}

TEST_F(ReportWindow, FiguresOfThirteenDigitsShowWholeInEveryReportAndListAndTouchNoNeighbour)
{
    // Two cash vouchers and an adjusting one of the largest amount take Kas 3 trillion into the red.
    constexpr double Most = 999'999'999'999.99;
    book.Voucher("B1", "1006", "2026-03-29", false, 10, "Mesin", {{Listrik, Most, 0}, {Kas, 0, Most}});
    book.Voucher("B2", "1007", "2026-03-30", false, 10, "Mesin", {{Listrik, Most, 0}, {Kas, 0, Most}});
    book.Voucher("A9", "Ajp1009", "2026-03-31", true, 10, "Mesin", {{Listrik, Most, 0}, {Kas, 0, Most}});
    PostMarch();
    r.ChooseMonth(*window.ZlComboBox3, 3);
    for (TLabel* link : {window.Label53, window.Label67, window.Label50, window.Label1, window.Label107, window.Label76}) {
        const auto pages = r.PreviewPages(*link);
        ASSERT_FALSE(pages.empty()) << link->Name();
        for (const QRPage& page : pages)
            ExpectWholeAndApart(page, link->Name());
    }

    // The lists: the balance list with its totals, the cash list, the adjusting lines, the budget months.
    r.s.Screen().FakeClock().SetNow(EncodeDate(2026, 3, 20) + EncodeTime(9, 0, 0, 0));
    const std::string widest = "-9,999,999,999,999.99";
    auto* balances = r.Open<TFrm_DafSaldo>();
    ExpectWholeInList(*balances->zgdbgrid27, "last_d", "(2,999,989,299,999.97)", "(9,999,999,999,999.99)");
    // The list speaks of every unit: Zivu's 700,000 joins the movements.
    EXPECT_EQ(balances->Totals[2]->Caption(), "2,000,004,999,999.98");
    for (TPanel* total : balances->Totals)
        ExpectWhole(PaintedText(*total, total->Caption()), total->Caption());
    // Its print leaves out a blank account another instance is making, whatever rows it was given.
    book.Exec("insert into coa (account_id) values (99)");
    book.Exec("insert into trial_balance (account_id, saldo_awal_d) values (99, 4242.42)");
    book.Exec("insert into entry_holder (entry_table, entry_key, host, process) values ('coa', '99', 'kasir-2', 4242)");
    const auto printed = r.PreviewPages(*balances->TeButton2);
    ASSERT_FALSE(printed.empty());
    for (const QRPage& page : printed)
        for (const std::string& text : page.Texts())
            EXPECT_EQ(text.find("4,242.42"), std::string::npos) << text;
    book.Exec("delete from trial_balance where account_id=99");
    auto* cash = CreateOwned<TFrm_CashFlow>(*r.frame);
    cash->Show();
    r.s.ProcessUntilIdle();
    ExpectWholeInList(*cash->zgdbgrid27, "jumlah", "999,999,999,999.99", widest);
    auto* adjusting = CreateOwned<TFrm_Ajp>(*r.frame);
    adjusting->Show();
    r.s.ProcessUntilIdle();
    ASSERT_TRUE(adjusting->T_Vouc->Locate("No_Vouc", Variant("Ajp1009")));
    r.s.ProcessUntilIdle();
    for (const char* side : {"debet", "kredit"})
        ExpectWholeInList(*adjusting->DBGrid1, side, "999,999,999,999.99", widest);
    book.Exec("insert into to_anggaran (account_id, account_code, account_name, account_sub, jumlah, anggaran_b1) "
              "values (11, '7110', 'Biaya Listrik', 10, 9999999999999.96, 833333333333.33)");
    auto* budget = CreateOwned<TFrm_Anggaran>(*r.frame);
    budget->Show();
    r.s.ProcessUntilIdle();
    ExpectWholeInList(*budget->zgdbgrid27, "jumlah", "9,999,999,999,999.96", widest);
    ExpectWholeInList(*budget->zgdbgrid27, "anggaran_b1", "833,333,333,333.33", widest);
}
