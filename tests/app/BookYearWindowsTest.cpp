#include <gtest/gtest.h>

#include <fstream>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/TF_Cls.h"
#include "ledger/TF_Tunggu.h"
#include "ledger/Tfrm_utils.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/ui/TApplication.h"
#include "skin/controls/TTeMenuBar.h"
#include "tests/app/BookYearSession.h"

namespace {

class ClosingWindow : public BookYearSession {
protected:
    void SetUp() override
    {
        Sql("insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, "
            "account_sub, account_header, sub) values (1, '1110', 'KAS', '11', 'D', 1000, 10, 0, 0), "
            "(7, '4110', 'PENJUALAN', '41', 'K', 0, 10, 0, 0)");
        Sql("insert into T_VOUC values ('V1', '1001', '2025-01-10', 200, 'jual', 0, 10), "
            "('V2', '1002', '2025-02-10', 50, 'retur', 0, 10)");
        Sql("insert into TR_VOUC values ('V1', 1, 1, '1110', 'jual', 200, 0), ('V1', 2, 7, '4110', 'jual', 0, 200), "
            "('V2', 1, 7, '4110', 'retur', 50, 0), ('V2', 2, 1, '1110', 'retur', 0, 50)");
        Sql("update ref_sistem set ref_tahun=2025, first_mnt=1");
        LogIn();
        Click(main().CustomItem12);
        window = dynamic_cast<TF_Cls*>(ActivateChildForm(main(), "F_Cls"));
        ASSERT_NE(window, nullptr);
    }
    void Process()
    {
        window->ZlButton1->Click();
        p.s.ProcessUntilIdle();
    }

    TF_Cls* window = nullptr;
};

class DatabasesDialog : public BookYearSession {
protected:
    void SetUp() override { LogIn(); }
    // Opens the dialog from its menu entry and lets 'act' work in it while it is shown modally.
    void InDialog(TTeItem* entry, const std::function<void(Tfrm_utils&)>& act)
    {
        bool shown = false;
        p.s.WhenModal([&](TCustomForm& form) {
            auto* dialog = dynamic_cast<Tfrm_utils*>(&form);
            if (!dialog)
                return;
            shown = true;
            act(*dialog);
            if (dialog->ModalResult() == mrNone)
                dialog->Close();
        });
        Click(entry);
        p.s.WhenModal(nullptr);
        EXPECT_TRUE(shown);
    }
    void Ok(Tfrm_utils& dialog)
    {
        dialog.Button2->Click();
        p.s.ProcessUntilIdle();
    }
    void Browse(Tfrm_utils& dialog, const std::string& path)
    {
        files->Choose(path);
        dialog.Button1->Click();
    }
};

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST_F(ClosingWindow, ClosesTheYearKeepsTheCopyAndLogsOff)
{
    Screenshot("closing-window");
    boxes.Answer(mrOk);
    Process();
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Anda harap mengisikan nama file untuk backup data!!"}));

    const std::string copy = Scratch("closing-copy");
    files->Choose(copy);
    window->ZlSpeedButton1->Click();
    EXPECT_EQ(window->Edit1->Text(), copy);
    EXPECT_EQ(files->Shown().at(0).Filter, "Database (*.db)|*.db");

    const std::string before = Dump();
    boxes.Answer(mrNo);
    Process();
    EXPECT_EQ(boxes.Shown().back().Text, "Anda yakin melakukan proses penutupan Buku Akhir Tahun 2025...?");
    EXPECT_EQ(Dump(), before);

    boxes.Answer(mrYes);
    boxes.Answer(mrOk);
    Process();
    EXPECT_EQ(boxes.Shown().back().Text, "Proses penutupan akhir tahun telah selesai....\r\n"
                                         "system akan melakukan restart, silakan lakukan login ulang");
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    EXPECT_EQ(main().MDIChildCount(), 0);
    EXPECT_FALSE(F_Tunggu->Visible());
    EXPECT_EQ(Sql("select user_status from sis_user"), (std::vector<std::string>{"0"}));
    EXPECT_EQ(Sql("select p.pos_awal, c.saldo_awal, t.saldo_awal_d, t.saldo_awal_k from posting p "
                  "join coa c on c.account_id=p.account_id join trial_balance t on t.account_id=p.account_id "
                  "where p.account_id=1"),
              (std::vector<std::string>{"1150|1150|1150|null"}));
    EXPECT_EQ(Sql("select ref_tahun, (select count(*) from T_VOUC), (select count(*) from anggaran) from ref_sistem"),
              (std::vector<std::string>{"2026|0|0"}));
    EXPECT_EQ(Sql("select ref_tahun, (select count(*) from T_VOUC) from ref_sistem", copy),
              (std::vector<std::string>{"2025|2"}));
    EXPECT_EQ(Sql("select count(*) from pragma_integrity_check where integrity_check='ok'"),
              (std::vector<std::string>{"1"}));
}

TEST_F(ClosingWindow, AFailureShowsItsMessageAndChangesNothing)
{
    Sql("create trigger injected before update on ref_sistem begin select raise(abort, 'injected'); end");
    window->Edit1->SetText(Scratch("closing-copy"));
    const std::string before = Dump();
    boxes.Answer(mrYes);
    boxes.Answer(mrOk);
    Process();
    EXPECT_EQ(boxes.Shown().back().Text, "Database baru gagal dicreate.....\r\n"
                                         "Coba Periksa aplikasi lain, kalau masih terbuka harap ditutup dahulu");
    EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtError);
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(main().LoggedIn);
    EXPECT_EQ(ActivateChildForm(main(), "F_Cls"), window);
    EXPECT_FALSE(F_Tunggu->Visible());

    // A click while a long job runs starts nothing, not even the question.
    {
        TLongJob running(nullptr);
        const size_t shown = boxes.Shown().size();
        Process();
        EXPECT_EQ(boxes.Shown().size(), shown);
    }

    // A backup path that cannot be written stops the closing before the confirmation's work.
    window->Edit1->SetText("/nonexistent-folder/copy.db");
    boxes.Answer(mrYes);
    boxes.Answer(mrOk);
    Process();
    EXPECT_EQ(boxes.Shown().back().Type, TMsgDlgType::mtError);
    EXPECT_EQ(Dump(), before);
}

TEST_F(DatabasesDialog, BackupWritesACopyAndRefusesTheLiveFile)
{
    const std::string copy = Scratch("backup");
    std::ofstream(copy) << "an older file that the backup replaces";
    InDialog(main().CustomItem16, [&](Tfrm_utils& dialog) {
        EXPECT_EQ(dialog.DsDBLabel1->Caption(), "Back Up Database");
        EXPECT_EQ(dialog.Label1->Caption(), "Nama file back up");
        EXPECT_FALSE(dialog.Edit2->Visible());
        Screenshot("backup-dialog");
        for (int box = 0; box < 3; ++box)
            boxes.Answer(mrOk);
        Ok(dialog);
        Browse(dialog, copy);
        Ok(dialog);
        EXPECT_EQ(dialog.ZlButton1->Caption(), "Close");
        Browse(dialog, p.file.Path());
        Ok(dialog);
    });
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Back Up Database file name must be filled in.",
                                                    "Backup process finished", "Backup process failes...."}));
    EXPECT_EQ(files->Shown().at(0).Save, true);
    EXPECT_EQ(files->Shown().at(0).DefaultExt, "db");
    EXPECT_EQ(Dump(copy), Dump());
    EXPECT_EQ(Sql("select count(*) from sis_user"), (std::vector<std::string>{"1"}));
    EXPECT_TRUE(main().LoggedIn);
}

TEST_F(DatabasesDialog, RestoreChecksTheFileAndReplacesTheBooks)
{
    TempDatabase other;
    Sql("update ref_sistem set npt='DARI SALINAN'", other.Path());
    Sql("update sis_user set user_status=1", other.Path());
    const std::string notADatabase = Scratch("notes");
    std::ofstream(notADatabase) << "plain text, not a database";
    const std::string live = Bytes(p.file.Path());

    InDialog(main().CustomItem17, [&](Tfrm_utils& dialog) {
        EXPECT_EQ(dialog.DsDBLabel1->Caption(), "Restore Database");
        Screenshot("restore-dialog");
        boxes.Answer(mrOk);
        Ok(dialog);
        Browse(dialog, other.Path());
        boxes.Answer(mrNo);
        Ok(dialog);
        EXPECT_TRUE(main().LoggedIn && DtModule->CONN1->Connected());
        for (const std::string& wrong : {notADatabase, p.file.Path()}) {
            Browse(dialog, wrong);
            boxes.Answer(mrYes);
            boxes.Answer(mrOk);
            Ok(dialog);
        }
    });
    EXPECT_EQ(BoxTexts().at(0), "Restore database file name must be filled first.");
    EXPECT_EQ(BoxTexts().at(3), "Restore process failed....");
    EXPECT_EQ(BoxTexts().at(5), "Restore process failed....");
    EXPECT_TRUE(main().LoggedIn && DtModule->CONN1->Connected());
    EXPECT_EQ(Bytes(p.file.Path()), live);

    const std::string chosen = Dump(other.Path());
    InDialog(main().CustomItem17, [&](Tfrm_utils& dialog) {
        Browse(dialog, other.Path());
        boxes.Answer(mrYes);
        boxes.Answer(mrOk);
        Ok(dialog);
    });
    EXPECT_EQ(boxes.Shown().back().Text, "Database restore process is completed . please login");
    EXPECT_FALSE(main().LoggedIn);
    EXPECT_FALSE(DtModule->CONN1->Connected());
    EXPECT_TRUE(main().TeMenuBar1->Visible());
    EXPECT_TRUE(main().CustomItem1->Enabled()) << "the restore leaves the top items as they were";
    EXPECT_EQ(Dump(), chosen);
    EXPECT_EQ(Sql("select npt, (select user_status from sis_user) from ref_sistem"),
              (std::vector<std::string>{"DARI SALINAN|1"}));
}
