#include <cstdio>

#include <gtest/gtest.h>

#include "ledger/TDtModule.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "reports/TFQRAJP.h"
#include "reports/TFQRAnggaran.h"
#include "reports/TFQRJMK.h"
#include "reports/TFQRMutasiBB.h"
#include "reports/TFQRTransaksi.h"
#include "reports/TFQR_LR.h"
#include "reports/TFQR_Neraca.h"
#include "reports/TFQR_Trial_Balance.h"
#include "reports/TFQR_Transaksi_perakun.h"
#include "reports/TFqr_DafCoa.h"
#include "tests/reports/ReportBook.h"

namespace {

using Texts = std::vector<std::string>;

class Layouts : public ::testing::Test, protected TReportBook {
protected:
    void SetUp() override
    {
        DtModule = &book.dm;
        book.Exec("update ref_sistem set npt='PT Kalvera', apt='Jl. Merdeka 1', tpt='021-555'");
        LoadSystemSettings(book.dm);
        PostMarch();
    }
    void TearDown() override { DtModule = nullptr; }

    // The caller's title never prints; its period does.
    static const QRPage& Build(TLetterheadReport& layout)
    {
        layout.QRLabel4->SetCaption("TITLE OF THE WINDOW");
        layout.periode->SetCaption("Periode Maret/2026");
        layout.Prepare();
        const QRPage& page = layout.Pages().Page(0);
        EXPECT_EQ(page.FindSource("kop1")->Text(), "PT Kalvera");
        EXPECT_TRUE(page.FindSource("kop1")->Font.Bold);
        EXPECT_EQ(page.FindSource("kop3")->Text(), "021-555");
        EXPECT_EQ(page.FindSource("QRLabel4")->Text(), layout.FixedTitle());
        EXPECT_EQ(page.FindSource("periode")->Text(), "Periode Maret/2026");
        return page;
    }
};

// The non-empty texts of a page from 'first' on, top to bottom.
Texts From(const QRPage& page, const std::string& first, size_t count)
{
    Texts all, result;
    for (const std::string& text : page.Texts())
        if (!text.empty())
            all.push_back(text);
    auto start = std::find(all.begin(), all.end(), first);
    for (auto it = start; it != all.end() && result.size() < count; ++it)
        result.push_back(*it);
    return result;
}

bool BoldText(const QRPage& page, const std::string& text)
{
    const QRItem* item = page.FindText(text);
    return item && item->Font.Bold;
}

std::string PdfText(TQuickRep& layout, const std::string& name)
{
    const std::string path = ::testing::TempDir() + name + std::to_string(getpid()) + ".pdf";
    layout.ExportToPdf(path);
    std::string text;
    if (FILE* pipe = popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    std::remove(path.c_str());
    return text;
}

} // namespace

TEST_F(Layouts, StatementsPrintBoldTotalsAndTheirOwnSums)
{
    preparation.PrepareBalanceSheet("3");
    TFQR_Neraca neraca;
    const QRPage& sheet = Build(neraca);
    EXPECT_EQ(From(sheet, "1110", 6), (Texts{"1110", "KAS", "10,700,000.00", "2110", "HUTANG DAGANG", "3,500,000.00"}));
    EXPECT_TRUE(BoldText(sheet, "JUMLAH AKTIVA"));
    EXPECT_TRUE(BoldText(sheet, "22,500,000.00"));
    EXPECT_FALSE(BoldText(sheet, "KAS"));
    // Right halves: titles and totals bold, accounts and the lines the half never reached regular.
    const Texts sides = book.Rows("select ifnull(header_k, 'none') from lap_neraca order by noid");
    std::vector<bool> bold;
    for (const QRItem& item : sheet.Items)
        if (item.Source == "QRnama_k")
            bold.push_back(item.Font.Bold);
    ASSERT_EQ(bold.size(), sides.size());
    EXPECT_NE(std::find(sides.begin(), sides.end(), "none"), sides.end());
    for (size_t i = 0; i < sides.size(); ++i)
        EXPECT_EQ(bold[i], sides[i] == "0") << "row " << i << " header_k " << sides[i];

    preparation.PrepareProfitLoss("3");
    TFQR_LR lr;
    const QRPage& profit = Build(lr);
    // A header account's total line prints without its code.
    EXPECT_EQ(From(profit, "Gaji Direksi", 4), (Texts{"Gaji Direksi", "0.00", "JUMLAH Biaya Gaji", "1,000,000.00"}));
    EXPECT_EQ(profit.FindText("7100"), nullptr);
    EXPECT_TRUE(BoldText(profit, "LABA"));
    EXPECT_FALSE(BoldText(profit, "Penjualan"));
}

TEST_F(Layouts, TrialBalanceSumsTheMonthsUpToItsCount)
{
    // A null opening on the normal side empties the trial-balance cell but not the closing one.
    book.Exec("update trial_balance set saldo_awal_d=null where account_id=" + std::to_string(Kas));
    TFQR_Trial_Balance layout;
    SetTrialBalanceMonthCount(layout, 3);
    OpenSQL(*layout.AdoQuery1, " select * from v_Trial_Balance where account_sub=10 order by account_code");
    const QRPage& page = Build(layout);
    EXPECT_EQ(From(page, "Kas", 7),
        (Texts{"Kas", "2,500,000.00", "1,800,000.00", "0.00", "0.00", "700,000.00", "1120"}));
    EXPECT_EQ(From(page, "Biaya Penyusutan", 12),
        (Texts{"Biaya Penyusutan", "0.00", "0.00", "0.00", "0.00", "200,000.00", "0.00", "200,000.00", "13,000,000.00",
            "23,000,000.00", "4,300,000.00", "4,300,000.00"}));

    // Months after the count never enter.
    TFQR_Trial_Balance february;
    SetTrialBalanceMonthCount(february, 2);
    OpenSQL(*february.AdoQuery1, " select * from v_Trial_Balance where account_sub=10 order by account_code");
    february.Prepare();
    EXPECT_EQ(From(february.Pages().Page(0), "Kas", 7), (Texts{"Kas", "0.00", "0.00", "0.00", "0.00", "0.00", "1120"}));
}

TEST_F(Layouts, ListsLeaveOutTheirDisabledParts)
{
    TFqr_DafCoa coa;
    coa.Prepare();
    const QRPage& list = coa.Pages().Page(0);
    EXPECT_EQ(From(list, "DAFTAR KODE PERKIRAAN", 7),
        (Texts{"DAFTAR KODE PERKIRAAN", "KODE", "NAMA PERKIRAAN", "D/K", "1110", "Kas", "D"}));
    EXPECT_TRUE(BoldText(list, "DAFTAR KODE PERKIRAAN"));
    EXPECT_EQ(list.FindText("UNIT"), nullptr);
    EXPECT_EQ(list.FindText("Kalvera"), nullptr);

    book.Exec("insert into anggaran (account_id, anggaran_b3, realisasi_b3) values (11, 400000, 350000), "
              "(13, 1000000, 1000000), (10, 3000000, 2500000)");
    TFQRAnggaran budget;
    OpenSQL(*budget.anggaran, "select distinct account_cat from v_lap_anggaran ");
    OpenSQL(*budget.to_anggaran, "select account_code, account_name, anggaran_b3 as anggaran, realisasi_b3 as "
                                 "realisasi, (anggaran_b3 - realisasi_b3) as selisih from v_lap_anggaran where "
                                 "account_cat =:account_cat");
    const QRPage& page = Build(budget);
    EXPECT_EQ(From(page, "4110", 10), (Texts{"4110", "Penjualan", "3,000,000.00", "2,500,000.00", "500,000.00", "7110",
                                          "Biaya Listrik", "400,000.00", "350,000.00", "50,000.00"}));
    EXPECT_EQ(From(page, "TOTAL BIAYA SELURUHNYA", 4),
        (Texts{"TOTAL BIAYA SELURUHNYA", "4,400,000.00", "3,850,000.00", "550,000.00"}));
    EXPECT_TRUE(BoldText(page, "3,850,000.00"));
    EXPECT_EQ(page.FindText("JUMLAH"), nullptr);
}

TEST_F(Layouts, CashBooksCloseOnTheLastBalanceAndGroupByAccount)
{
    preparation.PrepareCashBook();
    TFQRTransaksi cash;
    const QRPage& book = Build(cash);
    EXPECT_EQ(From(book, "Saldo Awal", 6),
        (Texts{"Saldo Awal", "10,000,000.00", "2026-03-02", "1001", "4110", "Penjualan tunai"}));
    EXPECT_EQ(From(book, "Jumlah :", 4), (Texts{"Jumlah :", "2,500,000.00", "1,800,000.00", "10,700,000.00"}));

    TFQR_Transaksi_perakun perAccount;
    const QRPage& grouped = Build(perAccount);
    EXPECT_EQ(grouped.FindText("Saldo Awal"), nullptr);
    EXPECT_EQ(From(grouped, "2110", 8), (Texts{"2110", "Bayar hutang", "500,000.00", "0.00", "500,000.00", "Tanggal",
                                            "No.Bukti", "No.Rek"}));
    EXPECT_EQ(From(grouped, "4110", 5), (Texts{"4110", "Penjualan tunai", "2,500,000.00", "2,500,000.00", "0.00"}));
}

TEST_F(Layouts, JournalsPrintVouchersWithTheirLinesAndSums)
{
    book.Voucher("A2", "Ajp1002", "2026-03-31", true, 10, "Koreksi", {{Listrik, 50'000, 0}, {Kas, 0, 50'000}});
    preparation.PrepareJournal("3");
    TFQRJMK journal;
    const QRPage& page = Build(journal);
    EXPECT_EQ(From(page, "10/03/2026", 12),
        (Texts{"10/03/2026", "1002", "Listrik Maret", "7110", "Biaya Listrik", "300,000.00", "0.00", "1110", "Kas", "0.00",
            "300,000.00", " Jumlah Mutasi   :"}));
    EXPECT_EQ(From(page, "Balance   :", 3), (Texts{"Balance   :", "4,300,000.00", "4,300,000.00"}));

    // The separator line stands between vouchers only, in every build of the pages.
    preparation.PrepareAdjustmentJournal("3");
    TFQRAJP adjusting;
    for (int build = 0; build < 2; ++build) {
        const QRPage& adjustments = Build(adjusting);
        int separators = 0;
        for (const QRItem& item : adjustments.Items)
            separators += item.Source == "QRShape1";
        EXPECT_EQ(separators, 1);
        EXPECT_EQ(From(adjustments, "7120", 10), (Texts{"7120", "Biaya Penyusutan", "200,000.00", "0.00", "1220",
                                                      "Akumulasi Penyusutan", "0.00", "200,000.00", "7110", "Biaya Listrik"}));
        EXPECT_EQ(From(adjustments, "Kas", 5), (Texts{"Kas", "0.00", "50,000.00", "250,000.00", "250,000.00"}));
    }
}

TEST_F(Layouts, GeneralLedgerGivesEachAccountItsPageAndRunningBalance)
{
    std::string opening, closing;
    preparation.PrepareGeneralLedger(opening, closing);
    TFQRMutasiBB ledger;
    OpenSQL(*ledger.v_posting, "select account_id, account_code, account_name, account_pos, (" + opening +
                                   ") as saldo_awal, (" + closing +
                                   ") as saldo_akhir from v_posting where account_sub=10 and account_header=false "
                                   "order by account_code");
    Build(ledger);
    const Texts accounts = book.Rows("select account_code from coa where account_sub=10 and account_header=0 "
                                     "order by account_code");
    ASSERT_EQ(ledger.Pages().PageCount(), static_cast<int>(accounts.size()));
    for (size_t i = 0; i < accounts.size(); ++i)
        EXPECT_EQ(From(ledger.Pages().Page(static_cast<int>(i)), "No.Rek :", 2), (Texts{"No.Rek :", accounts[i]}));

    const QRPage& cash = ledger.Pages().Page(0);
    EXPECT_EQ(From(cash, "Saldo Awal", 8), (Texts{"Saldo Awal", "10,000,000.00", "02/03/2026", "1001", "Penjualan tunai",
                                              "2,500,000.00", "0.00", "12,500,000.00"}));
    EXPECT_EQ(From(cash, "Total Mutasi", 5),
        (Texts{"Total Mutasi", "2,500,000.00", "1,800,000.00", "Saldo Akhir", "10,700,000.00"}));
    // A credit-normal account shows its balances in the Kredit column; one without lines still
    // prints its opening, zero sums and closing.
    const QRPage& capital = ledger.Pages().Page(6);
    EXPECT_EQ(From(capital, "Nama Rekening :", 2), (Texts{"Nama Rekening :", "Modal"}));
    EXPECT_EQ(From(capital, "Saldo Awal", 6),
        (Texts{"Saldo Awal", "15,000,000.00", "Total Mutasi", "0.00", "0.00", "Saldo Akhir"}));
    EXPECT_EQ(capital.FindSource("QRsaldo_awal_d"), nullptr);
    EXPECT_EQ(capital.FindSource("QRsaldo_akhir_k")->Box.Right(), capital.FindText("Kredit")->Box.Right());
    EXPECT_EQ(cash.FindSource("QRsaldo_akhir_d")->Box.Right(), cash.FindText("Debet")->Box.Right());

    const std::string pdf = PdfText(ledger, "ledger");
    for (const char* piece : {"LAPORAN MUTASI BUKU BESAR", "Periode Maret/2026", "No.Rek :", "1110", "Saldo Awal",
             "Penjualan tunai", "12,500,000.00", "Saldo Akhir", "10,700,000.00", "Printed", "Halaman"})
        EXPECT_NE(pdf.find(piece), std::string::npos) << piece;
}

TEST_F(Layouts, StatementPdfReadsBackInOrder)
{
    preparation.PrepareBalanceSheet("3");
    TFQR_Neraca neraca;
    Build(neraca);
    const std::string pdf = PdfText(neraca, "neraca");
    size_t at = 0;
    for (const char* piece : {"PT Kalvera", "NERACA", "Periode Maret/2026", "AKTIVA", "KEWAJIBAN DAN MODAL", "KAS",
             "10,700,000.00", "HUTANG DAGANG", "JUMLAH AKTIVA", "22,500,000.00", "JUMLAH KEWAJIBAN DAN EKUITAS",
             "22,500,000.00", "Proses------->", "Halaman"}) {
        at = pdf.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece << " in\n" << pdf;
    }
    EXPECT_EQ(pdf.find("TITLE OF THE WINDOW"), std::string::npos);
}
