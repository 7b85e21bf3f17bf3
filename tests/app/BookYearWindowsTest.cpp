#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/BookErrors.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/TF_Cls.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/TFrm_CashFlow.h"
#include "ledger/Tfrm_utils.h"
#include "platform/controls/TCustomEdit.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/app/BookYearSession.h"
#include "tests/ledger/OtherInstance.h"

namespace {

// Opens the databases dialog from its menu entry and lets 'act' work in it while it is shown.
void InDialog(BookYearSession& t, TTeItem* entry, const std::function<void(Tfrm_utils&)>& act)
{
    t.p.s.WhenModal([&](TCustomForm& form) {
        if (auto* dialog = dynamic_cast<Tfrm_utils*>(&form)) {
            act(*dialog);
            if (dialog->ModalResult() == mrNone)
                dialog->Close();
        }
    });
    t.Click(entry);
    t.p.s.WhenModal(nullptr);
}

void Press(BookYearSession& t, TControl& button, std::initializer_list<int> answers)
{
    for (int answer : answers)
        t.boxes.Answer(answer);
    button.Click();
    t.p.s.ProcessUntilIdle();
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A disk of its own (a tmpfs) of 'bytes', mounted while it lives; only root may mount one.
class SmallDisk {
public:
    explicit SmallDisk(uintmax_t bytes)
        : folder_(std::filesystem::temp_directory_path() / ("bukura-small-disk-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(folder_);
        const std::string size = "size=" + std::to_string(bytes);
        mounted_ = mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, size.c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            umount2(folder_.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    std::string operator/(const std::string& name) const { return (folder_ / name).string(); }
    bool Empty() const { return std::filesystem::is_empty(folder_); }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

} // namespace

TEST_F(BookYearSession, ClosingWindowClosesTheYearOrChangesNothing)
{
    Sql("insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, account_sub, "
        "account_header, sub) values (1, '1110', 'KAS', '11', 'D', 1000, 10, 0, 0), "
        "(7, '4110', 'PENJUALAN', '41', 'K', 0, 10, 0, 0)");
    Sql("insert into T_VOUC values ('V1', '1001', '2025-01-10', 200, 'a', 0, 10), ('V2', '1002', '2025-02-10', 50, 'b', 0, 10)");
    Sql("insert into TR_VOUC values ('V1', 1, 1, '1110', 'a', 200, 0), ('V1', 2, 7, '4110', 'a', 0, 200), "
        "('V2', 1, 7, '4110', 'b', 50, 0), ('V2', 2, 1, '1110', 'b', 0, 50)");
    Sql("update ref_sistem set ref_tahun=2025, id_kas=1");
    Sql("create trigger injected before update on ref_sistem begin select raise(abort, 'injected'); end");
    LogIn();
    Click(main().CustomItem12);
    auto* window = dynamic_cast<TF_Cls*>(ActivateChildForm(main(), "F_Cls"));
    ASSERT_NE(window, nullptr);
    Screenshot("closing-window");

    Press(*this, *window->ZlButton1, {mrOk});
    const std::string copy = Scratch("closing-copy");
    files->Choose(copy);
    window->ZlSpeedButton1->Click();
    ASSERT_FALSE(files->Shown().empty());
    EXPECT_EQ(files->Shown().back().InitialDir, std::filesystem::path(p.file.Path()).parent_path().string())
        << "Save As opens beside the books";
    const std::string before = Dump();
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    {
        TLongJob running(nullptr);
        Press(*this, *window->ZlButton1, {});
    }
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Anda harap mengisikan nama file untuk backup data!!",
                              "Anda yakin melakukan proses penutupan Buku Akhir Tahun 2025...?",
                              "Database baru gagal dicreate.....\r\n"
                              "Coba Periksa aplikasi lain, kalau masih terbuka harap ditutup dahulu"}));
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(main().LoggedIn);
    EXPECT_FALSE(F_Tunggu->Visible());
    {
        TOtherInstance budi(p.file.Path(), "budi");
        const std::string loggedIn = Dump();
        Click(main().CustomItem10);
        ActivateChildForm(main(), "F_Cls");
        Press(*this, *window->ZlButton1, {mrYes, mrOk});
        EXPECT_NE(ActivateChildForm(main(), "Frm_CashFlow"), nullptr) << "no window closed for a refused closing";
        EXPECT_EQ(boxes.Shown().back().Text.substr(0, 40), "Buku ini masih dipakai oleh:\r\n- budi di ");
        EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtWarning);
        EXPECT_EQ(Dump(), loggedIn);
        EXPECT_TRUE(main().LoggedIn);
        budi.LogOff();
    }

    // A one-sided voucher, or a copy's folder that is not there, refuses before any window is asked
    // to close: the cash voucher being typed and the balance list stay.
    auto* cash = dynamic_cast<TFrm_CashFlow*>(ActivateChildForm(main(), "Frm_CashFlow"));
    ASSERT_NE(cash, nullptr);
    p.s.ClickControl(*cash->ZlSpeedButton2);
    cash->ZlEdit4->SetFocus();
    p.s.TypeText("12345");
    Click(main().CustomItem19);
    Sql("update TR_VOUC set kredit=201 where ID_Vouc='V1' and kredit<>0");
    ActivateChildForm(main(), "F_Cls");
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    EXPECT_NE(boxes.Shown().back().Text.find("1001   10/01/2025"), std::string::npos);
    Sql("update TR_VOUC set kredit=200 where ID_Vouc='V1' and kredit<>0");
    window->Edit1->SetText(Scratch("no-folder") + "/closing.db");
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    EXPECT_EQ(BoxTexts().back(),
              "Database baru gagal dicreate.....\r\nThe copy cannot be written: No such file or directory.");
    ASSERT_EQ(ActivateChildForm(main(), "Frm_CashFlow"), cash);
    EXPECT_EQ(cash->ZlEdit4->Text(), "12345");
    EXPECT_NE(ActivateChildForm(main(), "Frm_DafSaldo"), nullptr);
    window->Edit1->SetText(copy);

    // A write of another program held past the wait: the program's own words, and nothing changes.
    const int timeout = DtModule->CONN1->CommandTimeout();
    DtModule->CONN1->SetCommandTimeout(1);
    TDtModule writer;
    writer.CONN1->SetConnectionString("Data Source=" + p.file.Path());
    writer.CONN1->Open();
    writer.CONN1->Execute("begin immediate");
    const std::string unbusy = Dump();
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    writer.CONN1->Execute("rollback");
    DtModule->CONN1->SetCommandTimeout(timeout);
    EXPECT_EQ(BoxTexts().back(), BooksBusyText);
    EXPECT_EQ(Dump(), unbusy);
    EXPECT_TRUE(main().LoggedIn);
    ActivateChildForm(main(), "F_Cls");

    Sql("drop trigger injected");
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtInformation);
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_EQ(Sql("select p.pos_awal, c.saldo_awal, t.saldo_awal_d, t.saldo_awal_k, (select ref_tahun from ref_sistem), "
                  "(select user_status from sis_user) from posting p join coa c on c.account_id=p.account_id "
                  "join trial_balance t on t.account_id=p.account_id where p.account_id=1"),
              (std::vector<std::string>{"1150|1150|1150|null|2026|0"}));
    EXPECT_EQ(Sql("select ref_tahun, (select count(*) from T_VOUC) from ref_sistem", copy),
              (std::vector<std::string>{"2025|2"}));
}

TEST_F(BookYearSession, BackupWritesACopyAndRefusesTheLiveFile)
{
    LogIn();
    const std::string copy = Scratch("backup");
    std::ofstream(copy) << "an older file that the backup replaces";
    InDialog(*this, main().CustomItem16, [&](Tfrm_utils& dialog) {
        EXPECT_EQ(dialog.DsDBLabel1->Caption(), "Back Up Database");
        Screenshot("backup-dialog");
        Press(*this, *dialog.Button2, {mrOk});
        files->Choose(copy);
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrOk});
        EXPECT_EQ(dialog.ZlButton1->Caption(), "Close");
        files->Choose(p.file.Path());
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrOk});
        files->Choose(Scratch("no-folder") + "/backup.db");
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrOk});
    });
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Back Up Database file name must be filled in.", "Backup process finished",
                              "Backup process failes....",
                              "Backup process failes....\r\nThe copy cannot be written: No such file or directory."}));
    ASSERT_FALSE(files->Shown().empty());
    EXPECT_EQ(files->Shown()[0].InitialDir, std::filesystem::path(p.file.Path()).parent_path().string())
        << "Save As opens beside the books";
    EXPECT_EQ(Dump(copy), Dump());
    EXPECT_TRUE(main().LoggedIn);

    // A book file replaced under the program (another instance restored one) is neither copied nor
    // closed, and the box says so.
    const std::string second = Scratch("second-backup");
    std::filesystem::rename(copy, p.file.Path());
    InDialog(*this, main().CustomItem16, [&](Tfrm_utils& dialog) {
        files->Choose(second);
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrOk});
    });
    Click(main().CustomItem14);
    LogIn();
    Click(main().CustomItem12);
    auto* window = dynamic_cast<TF_Cls*>(ActivateChildForm(main(), "F_Cls"));
    ASSERT_NE(window, nullptr);
    window->Edit1->SetText(second);
    std::filesystem::copy_file(p.file.Path(), copy);
    std::filesystem::rename(copy, p.file.Path());
    Press(*this, *window->ZlButton1, {mrYes, mrOk});
    ASSERT_EQ(BoxTexts().size(), 7u);
    EXPECT_EQ(BoxTexts()[4], BooksReplacedText);
    EXPECT_EQ(BoxTexts()[6], BooksReplacedText);
    EXPECT_FALSE(std::filesystem::exists(second));
}

TEST_F(BookYearSession, RestoreChecksTheFileAndReplacesTheBooks)
{
    LogIn();
    TempDatabase other;
    Sql("update ref_sistem set npt='DARI SALINAN'", other.Path());
    Sql("update sis_user set user_status=1", other.Path());
    const std::string notADatabase = Scratch("notes");
    std::ofstream(notADatabase) << "plain text, not a database";
    const std::string live = Bytes(p.file.Path());

    InDialog(*this, main().CustomItem17, [&](Tfrm_utils& dialog) {
        EXPECT_EQ(dialog.DsDBLabel1->Caption(), "Restore Database");
        files->Choose(other.Path());
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrNo});
        for (const std::string& wrong : {notADatabase, p.file.Path()}) {
            files->Choose(wrong);
            dialog.Button1->Click();
            Press(*this, *dialog.Button2, {mrYes, mrOk});
        }
    });
    EXPECT_EQ(BoxTexts().back(), "Restore process failed....");
    EXPECT_TRUE(main().LoggedIn && DtModule->CONN1->Connected());
    EXPECT_EQ(Bytes(p.file.Path()), live);

    const std::string chosen = Dump(other.Path());
    InDialog(*this, main().CustomItem17, [&](Tfrm_utils& dialog) {
        files->Choose(other.Path());
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrYes, mrOk});
    });
    EXPECT_EQ(BoxTexts().back(), "Database restore process is completed . please login");
    EXPECT_FALSE(main().LoggedIn || DtModule->CONN1->Connected());
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    for (TTeItem* top : {main().CustomItem1, main().CustomItem2, main().CustomItem3, main().CustomItem4,
                         main().CustomItem13})
        EXPECT_FALSE(top->Enabled()) << "the restore logs off as Log Off does: " << top->Caption();
    EXPECT_EQ(Dump(), chosen) << "the chosen file's sis_user row is untouched";
}

TEST_F(BookYearSession, ABackupOrAClosingOntoAFullDiskSaysWhyAndChangesNothing)
{
    SmallDisk disk(std::filesystem::file_size(p.file.Path()) / 2);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small disk needs root";
    LogIn();
    const std::string before = Dump();
    InDialog(*this, main().CustomItem16, [&](Tfrm_utils& dialog) {
        files->Choose(disk / "backup.db");
        dialog.Button1->Click();
        Press(*this, *dialog.Button2, {mrOk});
    });
    Click(main().CustomItem12);
    auto* window = dynamic_cast<TF_Cls*>(ActivateChildForm(main(), "F_Cls"));
    ASSERT_NE(window, nullptr);
    files->Choose(disk / "closing.db");
    window->ZlSpeedButton1->Click();
    Press(*this, *window->ZlButton1, {mrYes, mrOk});

    const std::string full = "The copy cannot be written: No space left on device.";
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Backup process failes....\r\n" + full,
                              "Anda yakin melakukan proses penutupan Buku Akhir Tahun " +
                                  std::to_string(LoginState().ref_tahun) + "...?",
                              "Database baru gagal dicreate.....\r\n" + full}));
    EXPECT_TRUE(disk.Empty()) << "no part of a copy is left on the disk";
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(main().LoggedIn);
}
