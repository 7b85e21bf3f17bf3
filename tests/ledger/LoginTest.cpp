// The login dialog: the remembered path, refusals that change nothing, quotes in the typed values.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "controls/flat/TZlEdit.h"
#include "ledger/BlankEntries.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Login.h"
#include "platform/core/ProgramInstance.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/core/Clock.h"
#include "platform/core/ConfigStore.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/TempDatabase.h"
#include "tests/ledger/WindowSession.h"

namespace fs = std::filesystem;

namespace {

class Login : public ::testing::Test {
protected:
    Login() : config(TempDatabasePath("config") + ".conf"), previousConfig(ProgramConfig().Path())
    {
        ProgramConfig().SetPath(config);
        DtModule = &dm;
        LoginState() = TLoginState();
        dialog->Show();
        w.s.ProcessUntilIdle();
    }
    ~Login() override
    {
        TComponent::Free(dialog);
        DtModule = nullptr;
        ProgramConfig().SetPath(previousConfig);
        fs::remove(config);
    }

    void Ok(const std::string& path)
    {
        dialog->ed_server->SetText(path);
        w.s.ClickControl(*dialog->TeButton1);
    }
    // On a connection of its own, so the dialog's stays as the test left it.
    std::string Value(const std::string& sql)
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + file.Path());
        other.CONN1->Open();
        other.Query1->SQL().Add(sql);
        other.Query1->Open();
        return other.Query1->Fields(0)->AsString();
    }
    std::string UserStatus() { return Value("select user_status from sis_user where user_login='tukan'"); }

    WindowSession w;
    TMessageBoxResponder boxes{w.s.App()};
    TempDatabase file;
    TDtModule dm;
    std::string config;
    std::string previousConfig;
    TF_Login* dialog = w.s.CreateForm<TF_Login>();
};

} // namespace

TEST_F(Login, AFreshDatabaseLogsInRemembersThePathAndMarksTheUser)
{
    // Another instance on the same books, a process of its own, is making an account and a cash
    // voucher: what it holds stays through this login, and goes at the first one after it is killed.
    int ready[2], hold[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(hold), 0);
    const pid_t other = fork();
    if (other == 0) {
        TDtModule instance;
        instance.CONN1->SetConnectionString("Data Source=" + file.Path());
        instance.CONN1->Open();
        const std::string id = NewBlankAccount(instance);
        ManualClock clock(EncodeDate(2026, 3, 4) + EncodeTime(10, 10, 10, 0));
        ClockOverride useClock(clock);
        NewBlankVoucherHeader(instance);
        [[maybe_unused]] ssize_t written = write(ready[1], id.data(), id.size());
        char never;
        [[maybe_unused]] ssize_t got = read(hold[0], &never, 1);
        _exit(0);
    }
    ASSERT_GT(other, 0);
    char held[16] = {};
    ASSERT_GT(read(ready[0], held, sizeof held - 1), 0);
    EXPECT_STREQ(held, "1");

    // What windows killed in the middle of an entry left goes at the login; what was saved stays.
    dm.CONN1->SetConnectionString("Data Source=" + file.Path());
    dm.CONN1->Open();
    // As a book of an older build, whose rows name no start of their process.
    dm.CONN1->Execute("alter table entry_holder drop column process_start; "
                      "alter table book_session drop column process_start");
    for (const char* row : {
             // The new-account dialog killed, once more after an opening-balance save over its row.
             "insert into coa (account_id) values (9001)",
             "insert into coa (account_id, saldo_awal) values (9002, 0)",
             "insert into posting (tahun, account_id, pos_awal) values (2026, 9002, 0)",
             "insert into trial_balance (account_id, saldo_awal_k) values (9002, 0)",
             // Rows without a code that are not the dialog's.
             "insert into coa (account_id) values (9003)",
             "insert into coa (account_id, account_name) values (9004, 'Tanpa kode')",
             // The cash window's "&Add" killed; a line there goes with its header.
             "insert into T_VOUC (ID_Vouc) values ('20260301101010')",
             "insert into TR_VOUC (ID_Vouc, nomor, account_id, debet) values ('20260301101010', 1, 9001, 5)",
             // Saved without a number, or with blanks for one.
             "insert into T_VOUC values ('20260302101010', '   ', '2026-03-02', 10, 'Kas', false, 10)",
             "insert into TR_VOUC (ID_Vouc, nomor, account_id, debet) values ('20260302101010', 1, 9003, 10)",
             "insert into T_VOUC (ID_Vouc, tgl_vouc, id_unit) values ('20260303101010', '2026-03-03', 10)"})
        dm.CONN1->Execute(row);
    EXPECT_NE(dialog->ActiveControl(), dialog->TeButton1);
    Ok(file.Path());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(Value("select group_concat(account_id) from (select account_id from coa order by 1)"), "1,9003,9004");
    EXPECT_EQ(Value("select count(*) from posting where account_id=9002"), "0");
    EXPECT_EQ(Value("select count(*) from trial_balance where account_id=9002"), "0");
    EXPECT_EQ(Value("select group_concat(ID_Vouc) from (select ID_Vouc from T_VOUC order by 1)"),
        "20260302101010,20260303101010,20260304101010");
    EXPECT_EQ(Value("select group_concat(account_id) from TR_VOUC"), "9003");
    EXPECT_EQ(dialog->LoginCount, 1);
    EXPECT_EQ(UserStatus(), "1");
    EXPECT_EQ(LoginState().UserName + LoginState().UserType, "Tukan1");
    EXPECT_EQ(LoginState().DbPath, file.Path());
    EXPECT_EQ(LoginState().npt, "KALVERA") << "settings loaded";

    TComponent::Free(dialog);
    dialog = w.s.CreateForm<TF_Login>();
    dialog->Show();
    EXPECT_EQ(dialog->ed_server->Text(), file.Path());
    EXPECT_EQ(dialog->ActiveControl(), dialog->TeButton1);

    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    for (int end : {ready[0], ready[1], hold[0], hold[1]})
        close(end);
    // Process 1 runs, but started after the instance that left these rows: a restart reused its number.
    const std::string host = "'" + HostName() + "', ";
    const std::string parent = std::to_string(getppid());
    for (const std::string& row : {
             std::string("insert into T_VOUC (ID_Vouc) values ('20260305101010')"),
             "insert into entry_holder values ('T_VOUC', '20260305101010', " + host + "1, 'boot-before/1')",
             "insert into book_session values (" + host + "1, 'budi', '2026-03-01 08:00:00', 'boot-before/1')",
             "insert into book_session values (" + host + parent + ", 'siti', '2026-03-01 08:00:00', '"
                 + ProcessStart(getppid()) + "')"})
        dm.CONN1->Execute(row);
    Ok(file.Path());
    EXPECT_EQ(Value("select group_concat(process) from book_session where user_login<>'tukan'"), parent);
    EXPECT_EQ(Value("select group_concat(account_id) from (select account_id from coa order by 1)"), "9003,9004");
    EXPECT_EQ(Value("select group_concat(ID_Vouc) from (select ID_Vouc from T_VOUC order by 1)"),
        "20260302101010,20260303101010");
    EXPECT_EQ(Value("select count(*) from entry_holder"), "0");
}

TEST_F(Login, NoProgramDatabaseOrUnitTenNotFirstShowsTheReasonAndChangesNothing)
{
    const std::string missing = TempDatabasePath("missing");
    const std::string text = TempDatabasePath("text");
    const std::string empty = TempDatabasePath("empty");
    std::ofstream(text) << "no database here";
    std::ofstream(empty).flush();
    for (const std::string& path : {missing, text, empty}) {
        boxes.Answer(mrOk);
        Ok(path);
        EXPECT_EQ(boxes.Shown().back().Text.substr(0, 37), "Koneksi ke Database tidak berhasil!\r\n") << path;
    }
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(fs::file_size(empty), 0u);
    fs::remove(text);
    fs::remove(empty);

    dm.CONN1->SetConnectionString("Data Source=" + file.Path());
    dm.CONN1->Open();
    dm.CONN1->Execute("update ref_unit set nama_unit='A Kalvera' where id_unit=11");
    boxes.Answer(mrOk);
    Ok(file.Path());
    ASSERT_EQ(boxes.Shown().size(), 4u);
    EXPECT_NE(boxes.Shown()[3].Text.find("unit 10 harus menjadi unit pertama"), std::string::npos);
    EXPECT_FALSE(dm.CONN1->Connected());
    EXPECT_EQ(UserStatus(), "0");
    EXPECT_FALSE(fs::exists(config));
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_TRUE(dialog->Visible());
}

TEST_F(Login, AQuoteInNameOrPasswordIsPartOfTheValueAndSettingsThatFailToLoadLetNoOneIn)
{
    dialog->ed_login->SetText("x' or '1'='1");
    boxes.Answer(mrOk);
    Ok(file.Path());
    ASSERT_EQ(boxes.Shown().size(), 1u) << "the quote must not let the name through";
    EXPECT_EQ(boxes.Shown().back().Text, "Anda tidak terdaftar sebagai User kami!!!");
    EXPECT_EQ(dialog->FocusedControl(), dialog->ed_login);

    dialog->ed_login->SetText("TUKAN");
    dialog->ed_password->SetText("x' or 'a'='a");
    boxes.Answer(mrOk);
    Ok(file.Path());
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown().back().Text, "Maaf Password Anda Salah!!!\r\nSilahkan ulangi lagi");
    EXPECT_EQ(dialog->FocusedControl(), dialog->ed_password);
    EXPECT_EQ(UserStatus(), "0");

    dialog->ed_password->SetText("tukan");
    const size_t errors = w.s.Errors().size();
    dm.CONN1->Execute("update ref_sistem set ref_tahun='dua ribu'");
    boxes.Answer(mrOk);
    Ok(file.Path());
    EXPECT_EQ(w.s.Errors().size(), errors + 1);
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_EQ(UserStatus(), "0") << "a refused login leaves the user logged off";
    dm.CONN1->Execute("update ref_sistem set ref_tahun=2026");
    Ok(file.Path());
    EXPECT_EQ(dialog->LoginCount, 1);
    EXPECT_EQ(LoginState().ref_tahun, 2026);
}

TEST_F(Login, EscapeCancelsWithoutLoggingIn)
{
    dialog->ed_server->SetText(file.Path());
    dialog->ed_server->SetFocus();
    w.s.PressKey(VK_ESCAPE);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_EQ(UserStatus(), "0");
}
