// The login dialog: the remembered path, refusals that change nothing, quotes in the typed values.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/flat/TZlEdit.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Login.h"
#include "platform/controls/TMessageBoxResponder.h"
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
    std::string UserStatus()
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + file.Path());
        other.CONN1->Open();
        other.Query1->SQL().Add("select user_status from sis_user where user_login='tukan'");
        other.Query1->Open();
        return other.Query1->Fields(0)->AsString();
    }

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
    EXPECT_NE(dialog->ActiveControl(), dialog->TeButton1);
    Ok(file.Path());
    EXPECT_TRUE(boxes.Shown().empty());
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
