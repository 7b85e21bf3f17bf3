// The login state: LoadSystemSettings from ref_sistem and coa, the control accounts, the month names.
#include <gtest/gtest.h>

#include "ledger/LoginState.h"
#include "platform/core/Exceptions.h"
#include "tests/ledger/LedgerDatabase.h"

namespace {

class LoginStateTest : public LedgerDatabaseTest {
protected:
    LoginStateTest() { LoginState() = TLoginState{}; }
    ~LoginStateTest() override { LoginState() = TLoginState{}; }

    const TControlAccount& Account(const char* unit, TControlAccountKind kind)
    {
        return *LoginState().ControlAccount(unit, kind);
    }
};

TEST_F(LoginStateTest, EachAccountIsLookedUpForItsOwnUnitAndKindAndASecondLoadOverwritesEveryValue)
{
    Exec("insert into coa (account_id, account_code, account_name) values (3, '1110', 'Kas Kalvera'),"
         " (4, '1210', 'Kas ZIVU'), (8, '3200', 'Laba Berjalan Duvize')");
    Exec("update ref_sistem set id_kas=3, id_kas2=null, id_kas3=4, id_laba_berjalan3=8, id_pihutang=77");
    LoadSystemSettings(*dm);
    EXPECT_EQ(LoginState().npt, "KALVERA");
    const TControlAccount& cash = Account("10", TControlAccountKind::Cash);
    EXPECT_EQ(cash.Id + " " + cash.Code + " " + cash.Name, "3 1110 Kas Kalvera");
    EXPECT_EQ(Account("11", TControlAccountKind::Cash).Id + Account("11", TControlAccountKind::Cash).Name, "0-");
    EXPECT_EQ(Account("12", TControlAccountKind::Cash).Name, "Kas ZIVU");
    EXPECT_EQ(Account("12", TControlAccountKind::CurrentProfit).Id + Account("12", TControlAccountKind::CurrentProfit).Code,
              "83200");
    // An id that names no account keeps its id and reads "-".
    EXPECT_EQ(Account("10", TControlAccountKind::EmployeeReceivable).Id + Account("10", TControlAccountKind::EmployeeReceivable).Name,
              "77-");

    Exec("update ref_sistem set id_kas=null, npt='SECOND', ref_tahun=2019");
    LoadSystemSettings(*dm);
    EXPECT_EQ(LoginState().npt, "SECOND");
    EXPECT_EQ(LoginState().ref_tahun, 2019);
    EXPECT_EQ(Account("10", TControlAccountKind::Cash).Code, "-");
}

TEST_F(LoginStateTest, NullsAndAnEmptySettingsTableTakeTheDefaults)
{
    Exec("update ref_sistem set ref_tahun=null, first_mnt=null, last_mnt=null, npt=null");
    LoadSystemSettings(*dm);
    EXPECT_EQ(std::to_string(LoginState().ref_tahun) + LoginState().npt + std::to_string(LoginState().last_mnt), "2000-0");
    Exec("delete from ref_sistem");
    LoadSystemSettings(*dm);
    EXPECT_EQ(std::to_string(LoginState().ref_tahun) + LoginState().apt, "2000-");
    EXPECT_EQ(Account("12", TControlAccountKind::RetainedEarnings).Id, "0");
}

TEST_F(LoginStateTest, AYearOrAccountIdThatIsNotANumberRaisesAndKeepsTheLoadedValues)
{
    Exec("update ref_sistem set id_kas='3 or 1=1', npt='OTHER'");
    EXPECT_THROW(LoadSystemSettings(*dm), EConvertError);
    EXPECT_EQ(LoginState().npt, "");
    EXPECT_EQ(LoginState().ControlAccountId("10", TControlAccountKind::Cash), "");

    Exec("update ref_sistem set id_kas=null, npt='KALVERA'");
    LoadSystemSettings(*dm);
    Exec("update ref_sistem set ref_tahun='20x0', npt='OTHER', first_mnt=4");
    EXPECT_THROW(LoadSystemSettings(*dm), EConvertError);
    EXPECT_EQ(LoginState().npt, "KALVERA");
    EXPECT_EQ(LoginState().ref_tahun, 2020);
    EXPECT_EQ(LoginState().first_mnt, 1);
}

TEST(ControlAccounts, OnlyUnitsTenToTwelveHaveThem)
{
    TLoginState state;
    state.ControlAccounts[1][0].Id = "44";
    EXPECT_EQ(state.ControlAccountId("11", TControlAccountKind::Cash), "44");
    EXPECT_EQ(state.ControlAccount("13", TControlAccountKind::Cash), nullptr);
    EXPECT_EQ(state.ControlAccountId("", TControlAccountKind::CurrentProfit), "");
    EXPECT_THROW(ControlAccountColumn(3, TControlAccountKind::Cash), EListError);
    EXPECT_THROW(MonthName(0), EListError);
    EXPECT_THROW(MonthName(13), EListError);
}

} // namespace
