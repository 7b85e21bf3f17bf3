// The settings window: the month and year rules, picking a control account, and the login state
// that Save refreshes at once.
#include "controls/flat/TZlButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SharedBooks.h"
#include "ledger/TF_Sisutils.h"
#include "platform/data/TADOQuery.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/SetupWindows.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class SettingsWindow : public SetupWindowsTest {
protected:
    SettingsWindow()
    {
        Exec("insert into coa (account_id, account_code, account_name) values (2, '1110', 'Kas Kecil'),"
             " (3, '1120', 'Kas O''Hara'), (4, '3130', 'Laba Berjalan')");
        Exec("update ref_sistem set id_kas=2, id_laba_berjalan=4, id_laba_tahun_lalu=99, id_hutang=5");
    }
    TF_Sisutils* Open()
    {
        auto* window = CreateOwned<TF_Sisutils>(*frame);
        window->Show();
        s.ProcessUntilIdle();
        return window;
    }
    Table Settings()
    {
        return Rows("select npt, apt, keterangan, ref_tahun, first_mnt, last_mnt, id_kas, id_hutang, id_laba_tahun_lalu "
                    "from ref_sistem");
    }
};

TEST_F(SettingsWindow, RefusesAMissingMonthAWrongSpanAndAMissingYearBeforeWriting)
{
    Exec("update ref_sistem set ref_tahun=1999, first_mnt=null");
    const Table before = Settings();
    TF_Sisutils* window = Open();
    SavePng(*window, "settings");
    EXPECT_EQ(window->ZlComboBox1->ItemIndex(), -1) << "a year outside the list is not chosen";
    EXPECT_EQ(window->Accounts[0].Code->Text() + "|" + window->Accounts[2].Code->Text(), "1110|")
        << "id 99 names no account";

    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(LastBox().substr(0, 40), "Penutupan buku dilakukan dalam periode s") << "no beginning month";
    Choose(*window->ZlComboBox2, 0);
    Choose(*window->ZlComboBox3, 10);
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(s.MessageBoxes().size(), 2u) << "Januari to Nopember";
    EXPECT_TRUE(window->ZlComboBox2->Focused());

    Choose(*window->ZlComboBox2, 6);
    Choose(*window->ZlComboBox3, 5);
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(LastBox(), "silakan isikan dulu tahun bukunya");
    EXPECT_TRUE(window->ZlComboBox1->Focused());
    EXPECT_EQ(Settings(), before);

    Choose(*window->ZlComboBox1, 26);
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(Settings(), (Table{{"KALVERA", "-", "-", "2026", "7", "6", "2", "5", "99"}}));
    EXPECT_EQ(LoginState().first_mnt, 7);
    EXPECT_EQ(F_Sisutils, nullptr) << "Save closes and frees the window";
}

TEST_F(SettingsWindow, APickedCashAccountReachesTheLoginStateWithoutANewLoginAndAnEmptyTableGetsItsFirstRow)
{
    TF_Sisutils* window = Open();
    s.WhenModal([&](TCustomForm&) {
        FPop_coa->ADOQuery1->Locate("account_id", 3);
        s.ClickControl(*FPop_coa->ZlButton1);
    });
    s.ClickControl(*window->Accounts[0].Pick);
    EXPECT_EQ(window->Accounts[0].Code->Text(), "1120");
    s.WhenModal([&](TCustomForm&) { s.ClickControl(*FPop_coa->ZlButton2); });
    s.ClickControl(*window->Accounts[1].Pick);
    EXPECT_EQ(window->Accounts[1].Code->Text(), "3130") << "a cancelled pick changes nothing";

    // Settings another instance changed meanwhile are not overwritten; the window reads them again.
    ExecAsOther("update ref_sistem set apt='Jalan Lain', id_kas=4");
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(LastBox(), ChangedByOtherText);
    EXPECT_EQ(Settings(), (Table{{"KALVERA", "Jalan Lain", "-", "2020", "1", "12", "4", "5", "99"}}));
    EXPECT_EQ(LoginState().ref_tahun, 2026) << "the login state stays as it was";
    EXPECT_EQ(window->ZlEdit2->Text() + " " + window->Accounts[0].Code->Text(), "Jalan Lain 3130");

    // A blank account another instance is making is not offered.
    BlankAccountOfOther(20);
    s.WhenModal([&](TCustomForm&) {
        EXPECT_FALSE(FPop_coa->ADOQuery1->Locate("account_id", 20));
        FPop_coa->ADOQuery1->Locate("account_id", 3);
        s.ClickControl(*FPop_coa->ZlButton1);
    });
    s.ClickControl(*window->Accounts[0].Pick);
    s.ClickControl(*window->TeButton4);
    const TControlAccount* cash = LoginState().ControlAccount("10", TControlAccountKind::Cash);
    EXPECT_EQ(cash->Id + " " + cash->Code + " " + cash->Name, "3 1120 Kas O'Hara");
    EXPECT_EQ(LoginState().ref_tahun, 2020);

    // An empty table gets its first row.
    Exec("delete from ref_sistem");
    window = Open();
    Choose(*window->ZlComboBox1, 26);
    Choose(*window->ZlComboBox2, 0);
    Choose(*window->ZlComboBox3, 11);
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(Settings(), (Table{{"", "", "<null>", "2026", "1", "12", "0", "<null>", "0"}}));
    EXPECT_EQ(s.Errors(), (std::vector<std::string>{ChangedByOtherText})) << "the refusal is an error box, as for vouchers";
}

// Typed past what its column stores, a setting stops taking keys rather than being cut on Save.
TEST_F(SettingsWindow, ATextTakesNoMoreThanItsColumnStores)
{
    TF_Sisutils* window = Open();
    window->ZlEdit2->SetFocus();
    s.TypeText(std::string(99, 'a') + "bc");
    EXPECT_EQ(window->ZlEdit2->Text(), std::string(99, 'a') + "b");
    s.ClickControl(*window->TeButton4);
    EXPECT_EQ(Scalar("select apt from ref_sistem"), std::string(99, 'a') + "b");
}

TEST_F(SettingsWindow, EnterInThePickerChoosesOnceAndItsReleaseLeavesThePickButtonAlone)
{
    TF_Sisutils* window = Open();
    int shown = 0;
    s.WhenModal([&](TCustomForm&) {
        ++shown;
        FPop_coa->DBGrid1->SetFocus();
        s.PressKey(VK_DOWN);
        s.KeyDown(VK_RETURN);
    });
    s.ClickControl(*window->Accounts[0].Pick);
    s.KeyUp(VK_RETURN);
    EXPECT_EQ(shown, 1) << "the picker does not come back";
    EXPECT_EQ(window->Accounts[0].Code->Text(), "1120");
}

} // namespace

