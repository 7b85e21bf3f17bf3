// A fresh database set up through the windows as a bookkeeper does on first use, read by the
// posting and the balance sheet; and the printed chart of accounts.
#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/Posting.h"
#include "ledger/TFI_Akun.h"
#include "ledger/TFI_Jenis_coa.h"
#include "ledger/TFI_Saldo_Awal.h"
#include "ledger/TF_Sisutils.h"
#include "ledger/TFrm_Perkiraan.h"
#include "platform/report/TQuickRep.h"
#include "reports/ReportLayouts.h"
#include "reports/TReportPreparation.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/SetupWindows.h"
#include "tests/reports/ReportBook.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class FirstUse : public SetupWindowsTest {
protected:
    FirstUse()
    {
        RegisterReportLayouts();
        chart = CreateOwned<TFrm_Perkiraan>(*frame);
        chart->Show();
        s.ProcessUntilIdle();
    }
    void Category(int cls, const std::string& name)
    {
        With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
            Choose(*d.ZlComboBox1, cls);
            Type(*d.ZlEdit2, name);
            s.ClickControl(*d.TeButton1);
        });
    }
    // A top account of the category, or a sub account of the parent at that place in the list.
    void Account(TZlRadio* TFI_Akun::*kind, int parent, const std::string& name)
    {
        With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
            s.ClickControl(*(d.*kind));
            if (parent >= 0)
                Choose(*d.ZlComboBox2, parent);
            Type(*d.Zledit3, name);
            s.ClickControl(*d.TeButton1);
        });
    }
    void Pick(TF_Sisutils& settings, int row, const std::string& code)
    {
        s.WhenModal([&](TCustomForm&) {
            FPop_coa->ADOQuery1->Locate("account_code", code);
            s.ClickControl(*FPop_coa->ZlButton1);
        });
        s.ClickControl(*settings.Accounts[static_cast<size_t>(row)].Pick);
    }

    TFrm_Perkiraan* chart = nullptr;
};

TEST_F(FirstUse, TheChartSettingsAndOpeningsOfAFreshBookGiveABalancedBalanceSheet)
{
    Category(0, "aktiva lancar");
    Category(2, "modal");
    chart->jenis_coa->Locate("nomor", "11");
    Account(&TFI_Akun::ZlRadio3, -1, "kas dan bank");
    Account(&TFI_Akun::ZlRadio4, 0, "Kas");
    Account(&TFI_Akun::ZlRadio4, 0, "Bank");
    chart->jenis_coa->Locate("nomor", "31");
    Account(&TFI_Akun::ZlRadio3, -1, "modal");
    for (const char* name : {"Modal Disetor", "Laba Ditahan", "Laba Berjalan"})
        Account(&TFI_Akun::ZlRadio4, 1, name);

    auto* settings = CreateOwned<TF_Sisutils>(*frame);
    settings->Show();
    s.ProcessUntilIdle();
    Pick(*settings, 0, "1111");
    Pick(*settings, 1, "3113");
    Pick(*settings, 2, "3112");
    Choose(*settings->ZlComboBox1, 26);
    s.ClickControl(*settings->TeButton4);
    EXPECT_EQ(LoginState().ref_tahun, 2026);
    EXPECT_EQ(LoginState().ControlAccount("10", TControlAccountKind::CurrentProfit)->Code, "3113");

    With<TFI_Saldo_Awal>(*chart->TeButton3, [&](TFI_Saldo_Awal& d) {
        d.ZgDBGrid28->SetFocus();
        for (const char* amount : {"7000000", "3000000", "8000000", "2000000", "0"}) {
            s.TypeText(amount);
            s.PressKey(VK_RETURN);
        }
        s.ClickControl(*d.TeButton1);
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_TRUE(s.Errors().empty());

    BuildMonthlyTrialBalance(*dm, "1", "2026", "10");
    TReportPreparation preparation(*dm);
    preparation.UnitId = "10";
    preparation.Year = "2026";
    preparation.PrepareBalanceSheet("1");
    // Sub accounts show in their top account's line.
    EXPECT_EQ(Rows("select kode_d, nama_d, jumlah_d, kode_k, nama_k, jumlah_k from lap_neraca where kode_d='1110'"),
              (Table{{"1110", "KAS DAN BANK", "10000000", "3110", "MODAL", "10000000"}}));
    EXPECT_EQ(Scalar("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '"), "10000000");
    EXPECT_EQ(Scalar("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '"), "10000000");
}

TEST_F(FirstUse, TheChartPrintsEveryAccountInCodeOrder)
{
    Exec("insert into coa (account_id, account_code, account_name, account_pos, account_header, account_sub) values"
         " (1, '2111', 'Hutang', 'K', 0, 11), (2, '1111', 'Kas', 'D', 0, 10), (3, '1110', 'KAS DAN BANK', 'D', 1, null)");
    QRPage page;
    s.WhenModal([&](TCustomForm& preview) {
        for (int i = 0; i < chart->ComponentCount(); ++i)
            if (auto* report = dynamic_cast<TQuickRep*>(chart->Components(i)))
                page = report->Pages().Page(0);
        preview.Close();
    });
    s.ClickControl(*chart->TeButton2);
    EXPECT_EQ(From(page, "1110"), (Texts{"1110", "KAS DAN BANK", "D", "1111", "Kas", "D", "2111", "Hutang", "K"}));
}

} // namespace
