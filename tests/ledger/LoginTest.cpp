#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/LoginState.h"
#include "ledger/TDtModule.h"
#include "ledger/TF_Login.h"
#include "platform/controls/TFileDialogResponder.h"
#include "platform/controls/TMessageBoxResponder.h"
#include "platform/controls/TOpenDialog.h"
#include "platform/core/ConfigStore.h"
#include "platform/data/TADOQuery.h"
#include "platform/ui/TScreen.h"
#include "skin/controls/TTeButton.h"
#include "tests/ledger/TempDatabase.h"
#include "tests/ledger/WindowSession.h"

namespace fs = std::filesystem;

namespace {

const std::string ConnectionMessage =
    "Koneksi ke Database tidak berhasil!\r\nKemungkin yang terjadi adalah:\r\n"
    "1. Pada saat login anda memasukan nama server yang salah\r\n2. Database server belum dinyalakan\r\n"
    "3. Database server tidak ditemukan\r\n4. Komputer Anda tidak terhubung ke jaringan server\r\n"
    "5. Harap menghubungi bagian Administrator Anda";

class Login : public ::testing::Test {
protected:
    Login() : configPath(TempDatabasePath("config") + ".conf"), previousConfig(ProgramConfig().Path())
    {
        ProgramConfig().SetPath(configPath);
        DtModule = &dm;
        LoginState() = TLoginState();
    }
    ~Login() override
    {
        TComponent::Free(dialog);
        DtModule = nullptr;
        ProgramConfig().SetPath(previousConfig);
        fs::remove(configPath);
    }

    void Open()
    {
        dialog = w.s.CreateForm<TF_Login>();
        dialog->Show();
        w.s.ProcessUntilIdle();
    }
    void Ok(const std::string& path)
    {
        dialog->ed_server->SetText(path);
        w.s.ClickControl(*dialog->TeButton1);
    }
    std::string Remembered() const { return ProgramConfig().ReadString("bukura", "bukuraserver"); }
    // Read on a connection of its own, so the dialog's connection stays as the test left it.
    std::string UserStatus()
    {
        TDtModule reader;
        reader.CONN1->SetConnectionString("Data Source=" + file.Path());
        reader.CONN1->Open();
        TADOQuery q;
        q.SetConnection(reader.CONN1);
        q.SQL().Add("select user_status from sis_user where user_login='tukan'");
        q.Open();
        return q.Fields(0)->AsString();
    }
    void Exec(const std::string& sql)
    {
        TDtModule writer;
        writer.CONN1->SetConnectionString("Data Source=" + file.Path());
        writer.CONN1->Open();
        writer.CONN1->Execute(sql);
    }

    WindowSession w;
    TMessageBoxResponder boxes{w.s.App()};
    TempDatabase file;
    TDtModule dm;
    std::string configPath;
    std::string previousConfig;
    TF_Login* dialog = nullptr;
};

} // namespace

TEST_F(Login, AFreshDatabaseLogsInRemembersThePathAndMarksTheUser)
{
    Open();
    EXPECT_EQ(dialog->ed_server->Text(), "accounting.db");
    EXPECT_NE(dialog->ActiveControl(), dialog->TeButton1);
    EXPECT_FALSE(dialog->ed_login->Visible());

    Ok(file.Path());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(dialog->LoginCount, 1);
    EXPECT_EQ(dialog->ModalResult(), mrOk);
    EXPECT_EQ(Remembered(), file.Path());
    EXPECT_EQ(UserStatus(), "1");
    EXPECT_TRUE(dm.CONN1->Connected());
    EXPECT_EQ(LoginState().UserLogin, "tukan");
    EXPECT_EQ(LoginState().UserName, "Tukan");
    EXPECT_EQ(LoginState().UserType, "1");
    EXPECT_EQ(LoginState().DbPath, file.Path());
    EXPECT_EQ(LoginState().npt, "KALVERA");
    EXPECT_EQ(Screen->Cursor(), crDefault);

    Ok(file.Path());
    EXPECT_EQ(dialog->LoginCount, 2);

    // The next dialog starts from the remembered path with OK focused.
    TComponent::Free(dialog);
    Open();
    EXPECT_EQ(dialog->ed_server->Text(), file.Path());
    EXPECT_EQ(dialog->ActiveControl(), dialog->TeButton1);
}

TEST_F(Login, AFileThatIsNoProgramDatabaseShowsTheConnectionMessageAndChangesNothing)
{
    const std::string missing = TempDatabasePath("missing");
    const std::string text = TempDatabasePath("text");
    const std::string empty = TempDatabasePath("empty");
    std::ofstream(text) << "no database here";
    std::ofstream(empty).flush();
    Open();
    for (const std::string& path : {missing, text, empty}) {
        boxes.Answer(mrOk);
        Ok(path);
        ASSERT_FALSE(boxes.Shown().empty()) << path;
        EXPECT_EQ(boxes.Shown().back().Text, ConnectionMessage);
        EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtError);
        EXPECT_FALSE(dm.CONN1->Connected());
    }
    EXPECT_EQ(boxes.Shown().size(), 3u);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(fs::file_size(empty), 0u);
    EXPECT_EQ(Remembered(), "");
    EXPECT_FALSE(fs::exists(configPath));
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_TRUE(dialog->Visible());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    fs::remove(text);
    fs::remove(empty);

    boxes.Answer(mrOk);
    Ok("");
    EXPECT_EQ(boxes.Shown().back().Text, "Silahkan anda isikan lokasi database yang anda gunakan");
}

TEST_F(Login, UnitTenNotFirstByNameShowsTheUnitMessageAndLogsNobodyIn)
{
    Exec("update ref_unit set nama_unit='A Kalvera' where id_unit=11");
    Open();
    boxes.Answer(mrOk);
    Ok(file.Path());
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, "Data unit usaha (ref_unit) tidak sesuai: unit 10 harus menjadi unit pertama "
                                     "menurut nama, kode dan urutan tabel.");
    EXPECT_EQ(boxes.Shown()[0].Type, TMsgDlgType::mtError);
    EXPECT_FALSE(dm.CONN1->Connected());
    EXPECT_EQ(UserStatus(), "0");
    EXPECT_EQ(Remembered(), "");
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_TRUE(dialog->Visible());
}

TEST_F(Login, AQuoteInNameOrPasswordIsPartOfTheValueAndShowsTheHiddenFields)
{
    Open();
    dialog->ed_login->SetText("x' or '1'='1");
    boxes.Answer(mrOk);
    Ok(file.Path());
    EXPECT_EQ(boxes.Shown().back().Text, "Anda tidak terdaftar sebagai User kami!!!");
    EXPECT_TRUE(dialog->ed_login->Visible());
    EXPECT_TRUE(dialog->ed_password->Visible());
    EXPECT_EQ(dialog->FocusedControl(), dialog->ed_login);
    EXPECT_TRUE(Remembered() == file.Path()) << "the path is remembered once connected";

    dialog->ed_login->SetText("TUKAN");
    dialog->ed_password->SetText("x' or 'a'='a");
    boxes.Answer(mrOk);
    Ok(file.Path());
    EXPECT_EQ(boxes.Shown().back().Text, "Maaf Password Anda Salah!!!\r\nSilahkan ulangi lagi");
    EXPECT_EQ(dialog->FocusedControl(), dialog->ed_password);
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_EQ(UserStatus(), "0");

    // The name compares without case, as the column does.
    dialog->ed_password->SetText("tukan");
    Ok(file.Path());
    EXPECT_EQ(dialog->LoginCount, 1);
    EXPECT_EQ(LoginState().UserLogin, "tukan");
}

TEST_F(Login, SettingsThatFailToLoadLeaveLoginCountAtZero)
{
    Exec("update ref_sistem set ref_tahun='dua ribu'");
    Open();
    boxes.Answer(mrOk);
    Ok(file.Path());
    ASSERT_EQ(w.s.Errors().size(), 1u);
    EXPECT_EQ(dialog->LoginCount, 0);
    EXPECT_TRUE(dialog->Visible());

    Exec("update ref_sistem set ref_tahun=2026");
    Ok(file.Path());
    EXPECT_EQ(dialog->LoginCount, 1);
    EXPECT_EQ(LoginState().ref_tahun, 2026);
}

TEST_F(Login, BrowsingPutsTheChosenFileIntoThePathAndModalCancelEndsTheDialog)
{
    auto* files = CreateOwned<TFileDialogResponder>(w.s.App());
    Open();
    files->Cancel();
    w.s.ClickControl(*dialog->ZlSpeedButton1);
    EXPECT_EQ(dialog->ed_server->Text(), "accounting.db");
    files->Choose(file.Path());
    w.s.ClickControl(*dialog->ZlSpeedButton1);
    EXPECT_EQ(dialog->ed_server->Text(), file.Path());
    EXPECT_EQ(dialog->FocusedControl(), dialog->TeButton1);
    ASSERT_EQ(files->Shown().size(), 2u);
    EXPECT_EQ(files->Shown()[0].Filter, "Database (*.db)|*.db");
    EXPECT_EQ(files->Shown()[0].DefaultExt, "db");
    dialog->Hide();

    w.s.WhenModal([&](TCustomForm&) { w.s.ClickControl(*dialog->TeButton2); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(dialog->LoginCount, 0);
    TComponent::Free(files);
}
