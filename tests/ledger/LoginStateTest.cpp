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

TEST_F(LoginStateTest, TheShippedRowGivesTheCompanyTheYearAndUnsetAccounts)
{
    LoadSystemSettings(*dm);
    const TLoginState& state = LoginState();
    EXPECT_EQ(state.npt, "KALVERA");
    EXPECT_EQ(state.ref_tahun, 2020);
    EXPECT_EQ(state.last_mnt, 12);
    for (const char* unit : {"10", "11", "12"})
        EXPECT_EQ(Account(unit, TControlAccountKind::Cash).Id + Account(unit, TControlAccountKind::Cash).Name, "0-");
}

TEST_F(LoginStateTest, EachAccountIsLookedUpForItsOwnUnitAndKind)
{
    Exec("insert into coa (account_id, account_code, account_name) values (3, '1110', 'Kas Kalvera')");
    Exec("insert into coa (account_id, account_code, account_name) values (4, '1210', 'Kas ZIVU')");
    Exec("insert into coa (account_id, account_code, account_name) values (8, '3200', 'Laba Berjalan Duvize')");
    Exec("update ref_sistem set id_kas=3, id_kas2=null, id_kas3=4, id_laba_berjalan3=8, id_pihutang=77");
    LoadSystemSettings(*dm);

    const TControlAccount& cash = Account("10", TControlAccountKind::Cash);
    EXPECT_EQ(cash.Id + " " + cash.Code + " " + cash.Name, "3 1110 Kas Kalvera");
    EXPECT_EQ(Account("11", TControlAccountKind::Cash).Name, "-");
    EXPECT_EQ(Account("12", TControlAccountKind::Cash).Name, "Kas ZIVU");
    EXPECT_EQ(LoginState().ControlAccountId("12", TControlAccountKind::CurrentProfit), "8");
    EXPECT_EQ(Account("12", TControlAccountKind::CurrentProfit).Code, "3200");
    // An id that names no account keeps its id and reads "-".
    EXPECT_EQ(Account("10", TControlAccountKind::EmployeeReceivable).Id, "77");
    EXPECT_EQ(Account("10", TControlAccountKind::EmployeeReceivable).Name, "-");
}

TEST_F(LoginStateTest, NullsAndAnEmptySettingsTableTakeTheDefaults)
{
    Exec("update ref_sistem set ref_tahun=null, first_mnt=null, last_mnt=null, npt=null");
    LoadSystemSettings(*dm);
    EXPECT_EQ(LoginState().ref_tahun, 2000);
    EXPECT_EQ(LoginState().last_mnt, 0);
    EXPECT_EQ(LoginState().npt, "-");

    Exec("delete from ref_sistem");
    LoadSystemSettings(*dm);
    const TLoginState& state = LoginState();
    EXPECT_EQ(state.apt, "-");
    EXPECT_EQ(state.ref_tahun, 2000);
    EXPECT_EQ(Account("12", TControlAccountKind::RetainedEarnings).Id, "0");
}

TEST_F(LoginStateTest, ABookYearThatIsNotANumberRaisesTheConversionErrorAndKeepsTheLoadedValues)
{
    LoadSystemSettings(*dm);
    Exec("update ref_sistem set ref_tahun='20x0', npt='OTHER', first_mnt=4");
    EXPECT_THROW(LoadSystemSettings(*dm), EConvertError);
    EXPECT_EQ(LoginState().npt, "KALVERA");
    EXPECT_EQ(LoginState().ref_tahun, 2020);
    EXPECT_EQ(LoginState().first_mnt, 1);
}

TEST_F(LoginStateTest, AnAccountIdThatIsNotANumberNeverReachesTheStatement)
{
    Exec("update ref_sistem set id_kas='3 or 1=1', npt='OTHER'");
    EXPECT_THROW(LoadSystemSettings(*dm), EConvertError);
    EXPECT_EQ(LoginState().npt, "");
    EXPECT_EQ(LoginState().ControlAccountId("10", TControlAccountKind::Cash), "");
}

TEST_F(LoginStateTest, ASecondLoadOverwritesEveryValue)
{
    Exec("insert into coa (account_id, account_code, account_name) values (3, '1110', 'Kas')");
    Exec("update ref_sistem set id_kas=3, npt='FIRST', ref_tahun=2019");
    LoadSystemSettings(*dm);
    Exec("update ref_sistem set id_kas=null, npt='SECOND', ref_tahun=2020");
    LoadSystemSettings(*dm);
    EXPECT_EQ(LoginState().npt, "SECOND");
    EXPECT_EQ(LoginState().ref_tahun, 2020);
    EXPECT_EQ(Account("10", TControlAccountKind::Cash).Code, "-");
}

TEST(ControlAccounts, AreNamedByTheSettingsColumns)
{
    EXPECT_EQ(ControlAccountColumn(1, TControlAccountKind::Payable), "id_hutang2");
    EXPECT_THROW(ControlAccountColumn(3, TControlAccountKind::Cash), EListError);
}

TEST(ControlAccounts, OtherUnitsHaveNone)
{
    TLoginState state;
    state.ControlAccounts[1][0].Id = "44";
    EXPECT_EQ(state.ControlAccountId("11", TControlAccountKind::Cash), "44");
    EXPECT_EQ(state.ControlAccount("13", TControlAccountKind::Cash), nullptr);
    EXPECT_EQ(state.ControlAccountId("", TControlAccountKind::CurrentProfit), "");
}

TEST(MonthNames, AreThePrograms)
{
    EXPECT_EQ(MonthName(1), "Januari");
    EXPECT_THROW(MonthName(0), EListError);
    EXPECT_THROW(MonthName(13), EListError);
}

} // namespace
