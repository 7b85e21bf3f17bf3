// The salary window: a pay record added through the NIK, its totals and net pay, the refusals,
// editing, deleting, and the pay slips and recap on the page model.
#include <gtest/gtest.h>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SqlRoutines.h"
#include "payroll/PeriodDate.h"
#include "payroll/TFQR_Rekap_Gaji.h"
#include "payroll/TFqr_SlipGaji.h"
#include "payroll/TFrm_Salaries.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/data/TADOQuery.h"
#include "platform/report/TQRLabel.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeButton.h"
#include "tests/payroll/PayrollSession.h"

namespace {

class Salaries : public PayrollTest {
protected:
    Salaries()
    {
        Employee("K1", "001", "Budi", true, 10, "4000000");
        Employee("K2", "002", "Cici", true, 10, "3000000");
        Employee("K3", "003", "Dodi", false);
    }

    void Pay(const std::string& kode, int month, const std::string& date, const std::string& amounts)
    {
        Exec("insert into salary (kode, bulan, tanggal, gaji_pokok, uang_makan, uang_lembur, Transport, Bonus, "
             "Tunjangan, pinjaman1, pinjaman2, penggantian_barang, pengambilan_barang, gaji_total) values ('" + kode +
             "', " + std::to_string(month) + ", '" + date + "', " + amounts + ")");
    }

    std::vector<std::string> Save(TFrm_Salaries& window) { return Click(*window.ZlSpeedButton14, {mrOk}); }
};

TEST_F(Salaries, AddingThroughTheNikComputesTheNetPayAndRefusesASecondRecord)
{
    Pay("K2", 3, "2025-03-01", "1, 0, 0, 0, 900, 0, 0, 0, 0, 0, 901");
    auto& window = Open<TFrm_Salaries>();
    EXPECT_EQ(window.ZlEdit14->Text(), "Rp 900.00");

    Click(*window.ZlSpeedButton15);
    EXPECT_EQ(window.ZlEdit14->Text(), "") << "nothing of the record shown before";
    EXPECT_EQ(window.DateTimePicker1->Date(), EncodeDate(2025, 3, 14));
    Type(*window.ZlEdit12, "0_");
    EXPECT_EQ(window.ZlEdit13->Text(), "") << "'_' matches itself";
    window.ZlEdit12->SetText("");
    Type(*window.ZlEdit12, "00");
    EXPECT_EQ(window.ZlEdit13->Text(), "Budi") << "the lowest NIK that begins with the typed text";
    Type(*window.ZlEdit12, "1");
    s.PressKey(VK_TAB);
    EXPECT_TRUE(window.ZlEdit2->Focused());
    EXPECT_EQ(window.ZlEdit1->Text(), "Rp 4,000,000.00");
    for (auto [field, amount] : {std::pair{window.ZlEdit2, "500000"}, {window.ZlEdit3, "250000"},
             {window.ZlEdit14, "250000"}, {window.ZlEdit5, "500000"}, {window.ZlEdit7, "250000"}})
        Type(*field, amount);
    EXPECT_EQ(window.ZlEdit4->Text(), "Rp 5,000,000.00");
    EXPECT_EQ(window.ZlEdit8->Text(), "Rp 750,000.00");
    EXPECT_EQ(window.ZlEdit9->Text(), "Rp 4,250,000.00");
    EXPECT_EQ(Save(window), (std::vector<std::string>{"Data tersimpan"}));
    EXPECT_EQ(Rows("select kode, bulan, tanggal, gaji_pokok, Bonus, Transport, pinjaman1, gaji_total from salary "
                   "where kode='K1'"),
        (Table{{"K1", "3", "2025-03-14", "4000000", "250000", "0", "500000", "4250000"}}));
    EXPECT_EQ(window.Mode(), TRecordMode::Browsing);
    f.SavePng("salary-window");

    // A second March record for Budi, picked or typed, is refused; so is an inactive employee.
    Click(*window.ZlSpeedButton15);
    onModal = [this](TCustomForm& form) {
        auto& popup = dynamic_cast<TFrm_PopWin&>(form);
        popup.Qpopwin->Locate("NIK", "001");
        Click(*popup.ZlButton1);
    };
    const std::string paid =
        "Karyawan dengan [NIK] 001 sudah melakukan transaksi gaji!, Silakah cek kembali data yang ada!";
    EXPECT_EQ(Click(*window.ZlSpeedButton1, {mrOk}), (std::vector<std::string>{paid}));
    EXPECT_EQ(Save(window), (std::vector<std::string>{paid}));
    window.ZlEdit2->SetFocus();
    window.ZlEdit12->SetText("003");
    EXPECT_EQ(Save(window),
        (std::vector<std::string>{"Nomor Induk Karyawan [NIK] tidak terdaftar!, Silakah isi NIK yang benar!"}));
    window.ZlEdit12->SetText("");
    EXPECT_EQ(Save(window), (std::vector<std::string>{"Transaksi tidak lengkap!, Silakah isi NIK!"}));
    EXPECT_EQ(Scalar("select count(*) from salary"), "2");
}

TEST_F(Salaries, EditingKeepsTheEmployeeAndDeletingRemovesOnlyTheSelectedRecord)
{
    Pay("K1", 3, "2025-03-05", "100, null, null, null, null, null, null, null, null, null, 100");
    Pay("K1", 4, "2025-03-06", "200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 200");
    Pay("K2", 3, "2025-03-07", "300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300");
    auto& window = Open<TFrm_Salaries>();
    ASSERT_EQ(window.QSalary->RecordCount(), 3);
    window.QSalary->First();
    Click(*window.ZlSpeedButton2);
    EXPECT_EQ(window.ZlEdit3->Text(), "Rp 0.00") << "a null amount loads as 0";
    EXPECT_FALSE(window.ZlEdit12->Enabled());
    // One cent beyond the limit of every amount field is refused as typed; what was typed before it stays.
    f.boxes.Answer(mrOk);
    Type(*window.ZlEdit2, "1000000000000");
    EXPECT_EQ(f.boxes.Shown().back().Text,
        "The amount 1000000000000 is too large: the largest amount taken is 999,999,999,999.99.");
    EXPECT_EQ(window.ZlEdit2->SelText(), "100000000000");
    Type(*window.ZlEdit2, "50");
    Type(*window.ZlEdit3, "999999999999.99");
    EXPECT_EQ(Save(window), (std::vector<std::string>{"Perubahan data tersimpan"}));
    EXPECT_EQ(Rows("select kode, bulan, uang_makan, uang_lembur, gaji_total from salary order by noid"),
        (Table{{"K1", "3", "50", "999999999999.99", "1000000000149.99"}, {"K1", "4", "0", "0", "200"},
            {"K2", "3", "0", "0", "300"}}));

    // Budi's April record dated in March is the one selected, not his March record.
    window.QSalary->Locate("bulan", 4);
    EXPECT_EQ(Click(*window.ZlSpeedButton13, {mrYes, mrOk}),
        (std::vector<std::string>{"Apakan anda yakin menghapus data?", "Data terhapus"}));
    EXPECT_EQ(Rows("select kode, bulan from salary order by noid"), (Table{{"K1", "3"}, {"K2", "3"}}));

    // Scrolling while editing cancels first.
    Click(*window.ZlSpeedButton2);
    window.QSalary->Last();
    EXPECT_EQ(window.Mode(), TRecordMode::Browsing);
    EXPECT_EQ(window.ZlSpeedButton2->Caption(), "&Edit");
}

TEST_F(Salaries, SlipsNameTheMonthAndSpellTheNetPay)
{
    Pay("K1", 1, "2025-01-31", "5000000, 0, 0, 0, 0, 0, 500000, 250000, 0, 0, 4250000");
    Pay("K1", 12, "2025-12-31", "1000, 0, 0, 0, 0, 0, 2500.5, 0, 0, 0, -1500.5");
    TFqr_SlipGaji slip;
    OpenSQL(*slip.ADOQuery1, " select * from v_salary where kode='K1'");
    slip.Prepare();
    std::vector<std::string> texts;
    for (const QRPage& page : slip.Pages().Pages())
        for (const std::string& text : page.Texts())
            texts.push_back(text);
    for (const char* expected : {"Januari", "Desember", "Rp 4,250,000.00", " Empat Juta Duaratus Limapuluh Ribu  Rupiah",
             " Minus Seribu Limaratus  Rupiah", "KALVERA"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    slip.ExportToPdf(std::string(BUKURA_BINARY_DIR) + "/tests/screenshots/pay-slip.pdf");
}

TEST_F(Salaries, RecapPutsEachUnitOnItsOwnPageWithItsSums)
{
    Employee("Z1", "201", "Zed", true, 11);
    Pay("K1", 3, "2025-03-05", "100, 10, 0, 0, 0, 0, 5, 0, 0, 0, 105");
    Pay("K2", 3, "2025-03-05", "200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 200");
    Pay("Z1", 3, "2025-03-05", "1000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000");
    TFQR_Rekap_Gaji recap;
    OpenSQL(*recap.AdoQuery1, "select distinct id_unit, nama_unit from v_salary where bulan=3 order by nama_unit");
    OpenSQL(*recap.AdoQuery2, recap.AdoQuery2->SQL().Text());
    recap.periode->SetCaption("Per Maret/2025");
    recap.Prepare();
    ASSERT_EQ(recap.Pages().PageCount(), 2);
    const auto first = recap.Pages().Page(0).Texts();
    const auto second = recap.Pages().Page(1).Texts();
    for (const char* expected : {" DAFTAR GAJI KARYAWAN ", "Per Maret/2025", "Budi", "Cici", "310.00", "5.00", "305.00"})
        EXPECT_NE(std::find(first.begin(), first.end(), expected) , first.end()) << expected;
    EXPECT_EQ(std::find(first.begin(), first.end(), "Zed"), first.end());
    for (const char* expected : {"Zed", "1,000.00", "1,305.00", "Jumlah Total"})
        EXPECT_NE(std::find(second.begin(), second.end(), expected), second.end()) << expected;
    recap.ExportToPdf(std::string(BUKURA_BINARY_DIR) + "/tests/screenshots/salary-recap.pdf");
}

TEST(PeriodDate, ADayTheMonthLacksBecomesItsLastDay)
{
    EXPECT_EQ(PeriodDate(2025, 2, 29), EncodeDate(2025, 2, 28));
    EXPECT_EQ(PeriodDate(2024, 2, 29), EncodeDate(2024, 2, 29));
    EXPECT_EQ(PeriodDate(2025, 4, 31), EncodeDate(2025, 4, 30));
}

} // namespace
