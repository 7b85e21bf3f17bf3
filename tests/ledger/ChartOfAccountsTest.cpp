// The chart-of-accounts window with its category and account dialogs: proposals, refusals,
// deletes and the blank row of a new account.
#include <chrono>
#include <thread>

#include "controls/flat/TZlButton.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "controls/grid/TZgDBGrid.h"
#include "ledger/SharedBooks.h"
#include "ledger/TFI_Akun.h"
#include "ledger/TFI_Jenis_coa.h"
#include "ledger/TFrm_Perkiraan.h"
#include "platform/graphics/TCanvas.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "tests/ledger/SetupWindows.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

class ChartWindow : public SetupWindowsTest {
protected:
    TFrm_Perkiraan* Open()
    {
        chart = CreateOwned<TFrm_Perkiraan>(*frame);
        chart->Show();
        s.ProcessUntilIdle();
        return chart;
    }
    void SelectAccount(const std::string& code) { chart->QCoa->Locate("account_code", code); }
    std::string Accounts()
    {
        return Scalar("select group_concat(account_code, ' ') from (select account_code from coa order by account_id)");
    }

    // Dark pixels in the field of a list box that has not the focus: the text it shows.
    int TextInk(const TZlComboBox& list)
    {
        s.ProcessUntilIdle();
        int ink = 0;
        for (int y = 4; y < list.ClientHeight() - 4; ++y)
            for (int x = 4; x < list.ArrowButtonRect().Left - 8; ++x) {
                const TColor c = s.ClientColor(list, x, y);
                ink += (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF) < 300;
            }
        return ink;
    }
    // Opens the list by its arrow and clicks entry 'index' in it.
    void ClickEntry(TZlComboBox& list, int index)
    {
        s.AdvanceClock(1000);
        s.ClickControl(list, {list.ArrowButtonRect().Left + 7, list.ClientHeight() / 2});
        const TComboDropList& open = list.List();
        s.ClickControl(open, {20, open.ItemHeight() * index + open.ItemHeight() / 2});
    }

    TFrm_Perkiraan* chart = nullptr;
};

TEST_F(ChartWindow, CategoriesAreProposedAddedRefusedAsDuplicatesAndEditedWithTheirNumberKept)
{
    Open();
    EXPECT_FALSE(chart->ZlSpeedButton14->Enabled() || chart->ZlSpeedButton7->Enabled()) << "nothing to edit or file under";
    With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), "silakan isikan dulu kode kategorinya") << "no class chosen";
        s.ClickControl(*d.TeButton2);
    });

    auto add = [&](int cls, const std::string& name, const std::string& expectedNumber, const std::string& typed) {
        With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
            Choose(*d.ZlComboBox1, cls);
            EXPECT_EQ(d.Number(), expectedNumber);
            if (!typed.empty())
                Type(*d.ZlEdit3, typed);
            Type(*d.ZlEdit2, name);
            s.ClickControl(*d.TeButton1);
        });
    };
    add(0, "aktiva lancar", "11", "");
    add(0, "aktiva tetap", "12", "");
    add(4, "biaya usaha", "71", "");
    add(0, "lagi", "13", "1");
    EXPECT_EQ(LastBox(), "Kode yang Anda masukan sudah ada");
    EXPECT_EQ(Rows("select nomor, keterangan, posisi, akun_neraca from posisi_coa order by nomor"),
              (Table{{"11", "AKTIVA LANCAR", "D", "1"}, {"12", "AKTIVA TETAP", "D", "1"}, {"71", "BIAYA USAHA", "D", "0"}}));
    EXPECT_TRUE(chart->ZlSpeedButton7->Enabled());

    chart->jenis_coa->Locate("nomor", "12");
    With<TFI_Jenis_coa>(*chart->ZlSpeedButton14, [&](TFI_Jenis_coa& d) {
        EXPECT_FALSE(d.ZlEdit3->Enabled() || d.ZlComboBox1->Enabled()) << "the number stays";
        Type(*d.ZlEdit2, "harta tetap");
        SavePng(d, "category-dialog");
        s.ClickControl(*d.ZlRadio2);
        s.ClickControl(*d.TeButton1);
    });
    EXPECT_EQ(Rows("select nomor, keterangan, posisi from posisi_coa where idjenis=2"),
              (Table{{"12", "HARTA TETAP", "K"}}));
    EXPECT_EQ(chart->jenis_coa->FieldByName("nomor")->AsString(), "12");
}

TEST_F(ChartWindow, AccountCodesAreProposedFromCategoryAndParentAndNewRowsNeverStayBlank)
{
    Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'AKTIVA LANCAR', 'D', 1),"
         " ('91', 'LAIN', 'D', 1)");
    Open();
    // Without a top account there is none to file a sub account under, and the list keeps no old entry.
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio3);
        s.ClickControl(*d.ZlRadio4);
        EXPECT_EQ(d.ZlComboBox2->Items().Count(), 0);
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), "silakan isikan dulu Top accountnya");
        s.ClickControl(*d.TeButton2);
    });
    auto newTop = [&](const std::string& expected, const std::string& name) {
        With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
            s.ClickControl(*d.ZlRadio3);
            EXPECT_EQ(d.Zledit2->Text(), expected);
            if (name.empty()) {
                s.ClickControl(*d.TeButton2);
                return;
            }
            Type(*d.Zledit3, name);
            s.ClickControl(*d.TeButton1);
        });
    };
    newTop("1110", "kas dan bank");
    EXPECT_EQ(Rows("select account_id, account_code, account_name, account_cat, account_pos, account_sub, sub,"
                   " account_header from coa"),
              (Table{{"1", "1110", "KAS DAN BANK", "11", "D", "<null>", "False", "True"}}));
    newTop("1120", "");
    EXPECT_EQ(Accounts(), "1110");

    Exec("update coa set account_code='1120' where account_id=1");
    Exec("insert into coa (account_id, account_code, account_cat, account_header) values (7, '1130', '11', 1)");
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio3);
        EXPECT_EQ(d.Zledit2->Text(), "1140");
        CloseThroughFrame(d);
    });
    EXPECT_EQ(Accounts(), "1120 1130") << "closing through the frame drops the blank row";

    SelectAccount("1120");
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio4);
        SavePng(d, "account-dialog");
        EXPECT_EQ(d.ZlComboBox2->Text(), "KAS DAN BANK");
        EXPECT_EQ(d.Zledit2->Text(), "1121");
        Type(*d.Zledit3, "Kas");
        s.ClickControl(*d.TeButton1);
    });
    EXPECT_EQ(Rows("select account_code, account_cat, account_sub, sub, account_header from coa where account_id=8"),
              (Table{{"1121", "11", "10", "True", "False"}}));

    // A class "9" category proposes no side, so Save waits for one.
    chart->jenis_coa->Locate("nomor", "91");
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio5);
        EXPECT_EQ(d.Zledit2->Text(), "9110");
        Type(*d.Zledit3, "Lain");
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), "Pilih Posisi akun yang akan anda masukkan!");
        s.ClickControl(*d.ZlRadio2);
        s.ClickControl(*d.TeButton1);
    });
    EXPECT_EQ(Scalar("select account_pos || account_sub from coa where account_code='9110'"), "K10");

    // Another instance removed the blank row and saved an account of its own under its id: this
    // Save goes under a fresh id, and a cancel leaves that account alone.
    const auto takenOver = [&](TFI_Akun& d, const std::string& code) {
        Exec("delete from entry_holder");
        Exec("update coa set account_code='" + code + "', account_name='DARI LAIN' where account_id=" + d.AccountIdText);
    };
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        takenOver(d, "9990");
        s.ClickControl(*d.ZlRadio5);
        Type(*d.Zledit3, "Lain dua");
        s.ClickControl(*d.ZlRadio2);
        s.ClickControl(*d.TeButton1);
    });
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        takenOver(d, "9991");
        s.ClickControl(*d.TeButton2);
    });
    EXPECT_EQ(Rows("select account_id, account_code, account_name from coa where account_id>9 order by 1"),
              (Table{{"10", "9990", "DARI LAIN"}, {"11", "9120", "Lain dua"}, {"12", "9991", "DARI LAIN"}}));
    EXPECT_EQ(Scalar("select count(*) from entry_holder"), "0");

    // A fresh blank row that vanishes, and a code another instance stores while this save waits for
    // its write: nothing is stored, and each box comes once the write has let go of the book.
    int boxesInWrite = 0;
    const auto answer = s.App().MessageBoxResponder;
    s.App().MessageBoxResponder = [&](const TMessageBoxRequest& box) {
        boxesInWrite += dm->CONN1->InTransaction();
        return answer(box);
    };
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        Exec("delete from entry_holder");
        Exec("create trigger vanish after insert on entry_holder begin"
             " delete from coa where account_id=cast(new.entry_key as integer); end");
        s.ClickControl(*d.ZlRadio5);
        Type(*d.Zledit3, "Lain tiga");
        s.ClickControl(*d.ZlRadio2);
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), "Data tidak tersimpan, database error!");
        Exec("drop trigger vanish");
        const std::string code = d.Zledit2->Text();
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + file.Path());
        other.CONN1->Open();
        other.CONN1->Execute("begin immediate; insert into coa (account_id, account_code) values (90, '" + code + "')");
        std::jthread commitLater([&other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            other.CONN1->Execute("commit");
        });
        ClickAgain(*d.TeButton1);
        commitLater.join();
        EXPECT_EQ(LastBox(), "Kode yang anda masukkan sudah ada!");
        EXPECT_EQ(Rows("select account_id from coa where account_code='" + code + "' or account_name='Lain tiga'"),
                  (Table{{"90"}}));
        s.ClickControl(*d.TeButton2);
    });
    s.App().MessageBoxResponder = answer;
    EXPECT_EQ(boxesInWrite, 0);
}

TEST_F(ChartWindow, RefusedEditsAndDeletesChangeNothingAndAnAllowedDeleteKeepsTheBudget)
{
    Exec("insert into posisi_coa (nomor, keterangan) values ('11', 'A'), ('12', 'B'), ('13', 'C')");
    Exec("insert into coa (account_id, account_code, account_name, account_cat, account_header, sub, account_sub) values"
         " (1, '1100', 'KAS', '11', 1, 0, null), (2, '1101', 'Kas', '11', 0, 1, 10),"
         " (3, '11-3', 'Bank', '11', 0, 0, 10), (4, '1140', 'Piutang', '11', 0, 0, 10), (5, '1150', 'Lain', '12', 0, 0, 99)");
    Exec("insert into TR_VOUC (ID_Vouc, account_id, debet, kredit) values ('V1', 3, 10, 0)");
    for (const char* table : {"trial_balance", "posting", "anggaran"})
        Exec(std::string("insert into ") + table + " (account_id) values (4)");
    Exec("update coa set saldo_awal=-999999999999.99 where account_id=4");
    frame->SetBounds(0, 0, 800, 600);
    Open();
    SavePng(*chart, "chart");

    // The largest opening shows whole, not as the overflow mark.
    SelectAccount("1140");
    TCanvas measure;
    measure.SetFont(chart->ZgDBGrid6->Font());
    const TRect opening = chart->ZgDBGrid6->CellRect(6, chart->ZgDBGrid6->Row());
    EXPECT_LE(measure.TextWidth("-999,999,999,999.99") + 3, opening.Width());
    EXPECT_LE(opening.Right, chart->ZgDBGrid6->ClientWidth());

    // An edit refuses a code in use and keeps a unit the window does not know.
    chart->jenis_coa->Locate("nomor", "12");
    SelectAccount("1150");
    With<TFI_Akun>(*chart->ZlSpeedButton6, [&](TFI_Akun& d) {
        Type(*d.Zledit2, "1140");
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), "Kode yang anda masukkan sudah ada!");
        // Another instance renames the account meanwhile: nothing is written, the dialog shows it anew.
        ExecAsOther("update coa set account_name='Kas Lain' where account_id=5");
        Type(*d.Zledit2, "1150");
        Type(*d.Zledit3, "Kas Besar");
        ClickAgain(*d.TeButton1);
        EXPECT_EQ(LastBox(), ChangedByOtherText);
        EXPECT_EQ(Scalar("select account_name from coa where account_id=5"), "Kas Lain");
        EXPECT_EQ(d.Zledit3->Text(), "Kas Lain");
        Type(*d.Zledit3, "Kas Besar");
        ClickAgain(*d.TeButton1);
    });
    EXPECT_EQ(Rows("select account_code, account_name, account_sub from coa where account_id=5"),
              (Table{{"1150", "Kas Besar", "99"}}));

    chart->jenis_coa->Locate("nomor", "11");
    SelectAccount("1100");
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(LastBox(), "Data Perkiraan dengan kode 1100 tidak boleh dihapus, karena masih mempunyai sub perkiraan");
    SelectAccount("11-3");
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(LastBox(),
              "Data Perkiraan dengan kode 11-3 tidak boleh dihapus, karena telah dipakai dalam transaksi keuangan anda");
    SelectAccount("1140");
    s.QueueAnswer(mrNo);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(LastBox(), "Anda yakin Data Perkiraan ?");
    EXPECT_EQ(Accounts(), "1100 1101 11-3 1140 1150");

    chart->jenis_coa->Locate("nomor", "11");
    s.ClickControl(*chart->ZlSpeedButton13);
    EXPECT_EQ(LastBox(), "Jenis Perkiraan dengan kode 11 tidak boleh dihapus, karena telah dipakai dalam daftar perkiraan");
    chart->jenis_coa->Locate("nomor", "12");
    s.ClickControl(*chart->ZlSpeedButton13);
    EXPECT_EQ(LastBox(), "Jenis Perkiraan dengan kode 12 tidak boleh dihapus, karena telah dipakai dalam daftar perkiraan")
        << "1150 belongs to category 12";
    chart->jenis_coa->Locate("nomor", "13");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton13);
    EXPECT_EQ(Scalar("select group_concat(nomor) from posisi_coa"), "11,12");

    Exec("create trigger locked before delete on posting begin select raise(abort, 'posting locked'); end");
    chart->jenis_coa->Locate("nomor", "11");
    SelectAccount("1140");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(s.Errors().size(), 2u) << "the refused edit above and this delete";
    EXPECT_EQ(Accounts(), "1100 1101 11-3 1140 1150") << "the three deletes are one";
    Exec("drop trigger locked");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(Accounts(), "1100 1101 11-3 1150");
    EXPECT_EQ(Scalar("select (select count(*) from trial_balance) || (select count(*) from posting) ||"
                     " (select count(*) from anggaran)"),
              "001");

    // An account another instance changed since the list was read is not deleted; read again, it is.
    ExecAsOther("update coa set account_name='Kas Kecil' where account_id=2");
    SelectAccount("1101");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(LastBox(), ChangedByOtherText);
    EXPECT_EQ(Accounts(), "1100 1101 11-3 1150");
    SelectAccount("1101");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(Accounts(), "1100 11-3 1150");

    // An account another instance deletes while the dialog is open does not come back.
    chart->jenis_coa->Locate("nomor", "12");
    SelectAccount("1150");
    With<TFI_Akun>(*chart->ZlSpeedButton6, [&](TFI_Akun& d) {
        ExecAsOther("delete from coa where account_id=5");
        Type(*d.Zledit3, "Kas Besar Lagi");
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(LastBox(), ChangedByOtherText);
        EXPECT_EQ(d.ModalResult(), mrCancel) << "there is nothing left to edit";
    });
    EXPECT_EQ(Accounts(), "1100 11-3");
    EXPECT_EQ(s.Errors().size(), 4u) << "the failed delete and the three refusals, error boxes as for vouchers";
}

TEST_F(ChartWindow, CodesHoldingWildcardsStandOnlyForThemselves)
{
    Exec("insert into posisi_coa (nomor, keterangan) values ('1_', 'GARIS'), ('12', 'B')");
    Exec("insert into coa (account_id, account_code, account_name, account_cat, account_header, sub, account_sub) values"
         " (1, '1_00', 'INDUK', '1_', 1, 0, null), (2, '1A01', 'Lepas', '1_', 0, 0, 10),"
         " (3, '1200', 'B', '12', 1, 0, null), (4, '1201', 'Sub B', '12', 0, 1, 10)");
    Open();
    chart->jenis_coa->Locate("nomor", "1_");
    SelectAccount("1_00");
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio4);
        EXPECT_EQ(d.ZlComboBox2->Text(), "INDUK");
        EXPECT_EQ(d.Zledit2->Text(), "1_01") << "1A01 does not begin with 1_0";
        s.ClickControl(*d.TeButton2);
    });

    SelectAccount("1_00");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(LastBox(), "Anda yakin Data Perkiraan ?") << "1201 is no sub account of 1_00";
    SelectAccount("1A01");
    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton5);
    EXPECT_EQ(Accounts(), "1200 1201");

    s.QueueAnswer(mrYes);
    s.ClickControl(*chart->ZlSpeedButton13);
    EXPECT_EQ(LastBox(), "Anda yakin Menghapus Data Jenis Perkiraan ?") << "no account code begins with 1_";
    EXPECT_EQ(Scalar("select group_concat(nomor) from posisi_coa"), "12");
}

TEST_F(ChartWindow, AClassOrCategoryChosenFromTheListShowsInItsField)
{
    Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'AKTIVA LANCAR', 'D', 1),"
         " ('21', 'HUTANG LANCAR', 'K', 1)");
    Open();
    With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
        ClickEntry(*d.ZlComboBox1, 1);
        EXPECT_EQ(d.Number(), "22");
        ASSERT_FALSE(d.ZlComboBox1->Focused()) << "the choice moves on to the number";
        EXPECT_EQ(d.ZlComboBox1->Text(), "Perkiraan Hutang (Pasiva)");
        EXPECT_GT(TextInk(*d.ZlComboBox1), 100);

        d.ZlComboBox1->SetFocus();
        s.PressKey(VK_F4);
        s.PressKey(VK_DOWN);
        EXPECT_EQ(d.Number(), "31");
        EXPECT_EQ(d.ZlComboBox1->Text(), "Perkiraan Modal (Prive)");
        EXPECT_GT(TextInk(*d.ZlComboBox1), 100);
        s.ClickControl(*d.TeButton2);
    });
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio3);
        ClickEntry(*d.ZlComboBox2, 1);
        EXPECT_EQ(d.Zledit2->Text(), "2110");
        EXPECT_EQ(d.ZlComboBox2->Text(), "HUTANG LANCAR");
        EXPECT_GT(TextInk(*d.ZlComboBox2), 100);
        s.ClickControl(*d.TeButton2);
    });
}

TEST_F(ChartWindow, EscapeCancelsBothDialogsAndLeavesNoBlankAccount)
{
    Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'AKTIVA LANCAR', 'D', 1)");
    Open();
    With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
        Choose(*d.ZlComboBox1, 1);
        Type(*d.ZlEdit2, "hutang");
        s.PressKey(VK_ESCAPE);
        EXPECT_EQ(d.ModalResult(), mrCancel);
    });
    EXPECT_EQ(Scalar("select group_concat(nomor) from posisi_coa"), "11");

    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio3);
        Type(*d.Zledit3, "kas");
        s.PressKey(VK_ESCAPE);
        EXPECT_EQ(d.ModalResult(), mrCancel);
    });
    EXPECT_EQ(Scalar("select count(*) from coa"), "0");
}

TEST_F(ChartWindow, ARefusedCategoryOrAccountSaveLeavesTheChartUsable)
{
    const std::string withNul("KAS\0BESAR", 9);
    Open();
    auto add = [&](const std::string& name) {
        With<TFI_Jenis_coa>(*chart->ZlSpeedButton15, [&](TFI_Jenis_coa& d) {
            Choose(*d.ZlComboBox1, 0);
            Type(*d.ZlEdit2, name);
            s.ClickControl(*d.TeButton1);
        });
    };
    add(withNul);
    ASSERT_EQ(s.Errors().size(), 1u);
    EXPECT_NE(s.Errors()[0].find("NUL"), std::string::npos);
    add("aktiva lancar");
    EXPECT_EQ(s.Errors().size(), 1u) << "the refused row is not posted again";
    EXPECT_EQ(chart->jenis_coa->State(), dsBrowse);
    EXPECT_EQ(Rows("select nomor, keterangan from posisi_coa"), (Table{{"11", "AKTIVA LANCAR"}}));

    With<TFI_Jenis_coa>(*chart->ZlSpeedButton14, [&](TFI_Jenis_coa& d) {
        Type(*d.ZlEdit2, withNul);
        s.ClickControl(*d.TeButton1);
    });
    EXPECT_EQ(s.Errors().size(), 2u);
    EXPECT_EQ(chart->jenis_coa->State(), dsBrowse);
    add("aktiva tetap");
    EXPECT_EQ(s.Errors().size(), 2u);
    EXPECT_EQ(Rows("select nomor, keterangan from posisi_coa order by nomor"),
              (Table{{"11", "AKTIVA LANCAR"}, {"12", "AKTIVA TETAP"}}));

    // The account dialog stays open with the refused name, for correction.
    chart->jenis_coa->Locate("nomor", "11");
    With<TFI_Akun>(*chart->ZlSpeedButton7, [&](TFI_Akun& d) {
        s.ClickControl(*d.ZlRadio3);
        Type(*d.Zledit3, withNul);
        s.ClickControl(*d.TeButton1);
        EXPECT_EQ(s.Errors().size(), 3u);
        EXPECT_TRUE(d.Visible());
        Type(*d.Zledit3, "kas");
        ClickAgain(*d.TeButton1);
    });
    EXPECT_EQ(s.Errors().size(), 3u);
    EXPECT_EQ(Rows("select account_code, account_name from coa"), (Table{{"1110", "KAS"}}));
}

} // namespace
