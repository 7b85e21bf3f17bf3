// The report window's hidden recap links open the salary recap and the advance list by class name.
#include <gtest/gtest.h>

#include "payroll/Advances.h"
#include "platform/controls/TCustomLabel.h"
#include "reports/TFrm_Report.h"
#include "tests/payroll/PayrollSession.h"

namespace {

class RecapLinks : public PayrollTest {};

bool Has(const std::vector<std::string>& texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(RecapLinks, SalaryAndAdvanceRecapsPreviewTheMonthOfTheUnit)
{
    Employee("K1", "001", "Budi");
    Employee("K2", "002", "Cici");
    Exec("insert into salary (kode, bulan, tanggal, gaji_pokok, gaji_total) values ('K1', 3, '2025-03-05', 700, 700), "
         "('K2', 4, '2025-04-05', 900, 900)");
    SaveAdvance(*dm, {0, "K1", "1001", EncodeDate(2025, 3, 2), "", TAdvanceKind::Advance, Currency::FromInt(500), "10"},
        LoginState());
    SaveAdvance(*dm, {0, "K2", "1002", EncodeDate(2025, 4, 2), "", TAdvanceKind::Advance, Currency::FromInt(800), "10"},
        LoginState());
    auto& window = Open<TFrm_Report>();

    window.Label50Click(window.Label5);
    window.Label50Click(window.Label6);
    ASSERT_EQ(previewPages.size(), 2u);
    const auto& salaries = previewPages[0];
    EXPECT_TRUE(Has(salaries, "Per Maret/2025") && Has(salaries, " DAFTAR GAJI KARYAWAN ") && Has(salaries, "Budi"));
    // The detail lists every month of the unit.
    EXPECT_TRUE(Has(salaries, "Cici") && Has(salaries, "1,600.00"));
    const auto& advances = previewPages[1];
    EXPECT_TRUE(Has(advances, "DAFTAR KASBON DAN PEMBAYARAN KARYAWAN") && Has(advances, "Per Maret/2025"));
    EXPECT_TRUE(Has(advances, "Budi") && Has(advances, "500.00"));
    EXPECT_FALSE(Has(advances, "Cici"));
    EXPECT_TRUE(s.Errors().empty());
}

} // namespace
