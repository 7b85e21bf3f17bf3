// Employee cash advances: the window's entries with their vouchers and balance, its refusals,
// the save as one transaction, the posting of an advance and the printed list.
#include <gtest/gtest.h>

#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "ledger/Posting.h"
#include "payroll/Advances.h"
#include "payroll/TFrm_KasBon.h"
#include "platform/controls/TDateTimePicker.h"
#include "platform/data/TADOTable.h"
#include "skin/controls/TTeButton.h"
#include "tests/payroll/PayrollSession.h"

namespace {

class Advances : public PayrollTest {
protected:
    Advances() { Employee("K1", "001", "Budi"); }

    // "&Add", the kind pressed with the mouse, the amount typed, "&Save".
    std::vector<std::string> Enter(TFrm_KasBon& window, TZlRadio& kind, const std::string& amount)
    {
        Click(*window.ZlSpeedButton15);
        s.ClickControl(kind);
        Type(*window.ZlEdit3, amount);
        return Click(*window.ZlSpeedButton14, {mrOk});
    }

    Table Entries() { return Rows("select kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit from kasbon"); }
    Table Vouchers()
    {
        return Rows("select h.ID_Vouc, No_Vouc, tgl_vouc, jumlah, ket, id_unit, nomor, account_id, uraian, debet, "
                    "kredit from T_VOUC h left join TR_VOUC d on d.ID_Vouc = h.ID_Vouc order by h.ID_Vouc, nomor");
    }
};

TEST_F(Advances, AdvanceThenRepaymentWriteTheirVouchersAndTheBalance)
{
    auto& window = Open<TFrm_KasBon>();
    EXPECT_EQ(window.ZlEdit1->Text(), "0");
    EXPECT_EQ(Enter(window, *window.ZlRadio1, "100000"), (std::vector<std::string>{"Data tersimpan"}));
    EXPECT_EQ(window.ZlEdit1->Text(), "Rp 100,000.00");
    EXPECT_EQ(Enter(window, *window.ZlRadio2, "40000"), (std::vector<std::string>{"Data tersimpan"}));
    EXPECT_EQ(window.ZlEdit1->Text(), "Rp 60,000.00");
    EXPECT_EQ(Entries(), (Table{{"K1", "1001", "2025-03-14", "Pinjaman An Budi", "<null>", "100000", "10"},
                             {"K1", "1002", "2025-03-14", "Pembayaran Pinjaman dari Budi", "40000", "<null>", "10"}}));
    EXPECT_EQ(Vouchers(), (Table{{"1", "1001", "2025-03-14", "100000", "Pinjaman An Budi", "10", "1", "1", "Kas", "0", "100000"},
                              {"1", "1001", "2025-03-14", "100000", "Pinjaman An Budi", "10", "2", "2", "Piutang Karyawan", "100000", "0"},
                              {"2", "1002", "2025-03-14", "40000", "Pembayaran Pinjaman dari Budi", "10", "1", "1", "Kas", "40000", "0"},
                              {"2", "1002", "2025-03-14", "40000", "Pembayaran Pinjaman dari Budi", "10", "2", "2", "Piutang Karyawan", "0", "40000"}}));
    f.SavePng("advance-window");

    // Turned into an advance, the repayment leaves no amount in its old column.
    window.kasbon->Locate("no_bukti", "1002");
    Click(*window.ZlSpeedButton1);
    EXPECT_EQ(window.Mode(), TRecordMode::Editing);
    EXPECT_TRUE(window.ZlRadio2->Checked());
    s.ClickControl(*window.ZlRadio1);
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}), (std::vector<std::string>{"Perubahan data tersimpan"}));
    EXPECT_EQ(Rows("select debet, kredit from kasbon where no_bukti='1002'"), (Table{{"<null>", "40000"}}));
    EXPECT_EQ(Rows("select nomor, debet, kredit from TR_VOUC where ID_Vouc='2'"), (Table{{"1", "0", "40000"}, {"2", "40000", "0"}}));
    EXPECT_EQ(window.ZlEdit1->Text(), "Rp 140,000.00");

    Click(*window.TeButton2);
    ASSERT_EQ(previewPages.size(), 1u);
    const auto& page = previewPages[0];
    EXPECT_NE(std::find(page.begin(), page.end(), "DAFTAR KASBON DAN PEMBAYARAN KARYAWAN"), page.end());
    EXPECT_NE(std::find(page.begin(), page.end(), "140,000.00"), page.end());

    window.kasbon->Locate("no_bukti", "1001");
    EXPECT_EQ(Click(*window.ZlSpeedButton13, {mrYes, mrOk}),
        (std::vector<std::string>{"Apakan anda yakin menghapus data?", "Data terhapus"}));
    EXPECT_EQ(Rows("select no_bukti from kasbon"), (Table{{"1002"}}));
    EXPECT_EQ(Rows("select distinct ID_Vouc from TR_VOUC union select ID_Vouc from T_VOUC"), (Table{{"2"}}));
}

TEST_F(Advances, IncompleteEntriesUsedNumbersAndCarryRowsChangeNothing)
{
    Employee("K2", "002", "Cici");
    Exec("insert into T_VOUC values ('X', '1005', '2025-03-01', 1, 'kas', 0, 10)");
    Exec("insert into kasbon (kode, tanggal, keterangan, kredit, id_unit, no_bukti) values "
         "('K1', '2025-01-01', 'saldo', 500, 10, '0000')");
    auto& window = Open<TFrm_KasBon>();
    EXPECT_EQ(window.ZlEdit1->Text(), "Rp 500.00");
    const Table before = Rows("select * from kasbon union all select ID_Vouc, No_Vouc, 0, 0, 0, 0, 0, 0 from T_VOUC");

    Click(*window.ZlSpeedButton15);
    Type(*window.ZlEdit3, "100");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}),
        (std::vector<std::string>{"Transaksi tidak lengkap!, Silakah pilih Pinjaman atau Bayar!"}));
    EXPECT_TRUE(window.ZlRadio1->Focused());
    s.ClickControl(*window.ZlRadio1);
    // The entry's cash voucher would be listed in no month of the cash window.
    window.DateTimePicker1->SetFocus();
    s.PressKey(VK_HOME);
    s.TypeText("15121900");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}),
        (std::vector<std::string>{
            "Transaksi tidak dapat dilakukan di luar tahun buku 2025, silakan perbaiki tanggal transaksi anda!"}));
    EXPECT_TRUE(window.DateTimePicker1->Focused());
    s.PressKey(VK_END);
    s.TypeText("2025");
    window.ZlEdit12->SetText("1005");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}),
        (std::vector<std::string>{"Nomor Bukti yang anda masukkan sudah digunakan, silakan masukkan nomor bukti yang lain "}));
    EXPECT_TRUE(window.ZlEdit12->Focused());
    // Another employee chosen while adding cancels the input.
    window.Q_Karyawan->Last();
    EXPECT_EQ(window.Mode(), TRecordMode::Browsing);
    EXPECT_EQ(window.ZlEdit12->Text(), "");
    window.Q_Karyawan->First();

    const std::string carry = "Nomor bukti 0000 adalah Transaksi penutupan dan tidak boleh diedit atau dihapus!";
    EXPECT_EQ(Click(*window.ZlSpeedButton1, {mrOk}), (std::vector<std::string>{carry}));
    EXPECT_EQ(Click(*window.ZlSpeedButton13, {mrOk}), (std::vector<std::string>{carry}));
    EXPECT_EQ(Rows("select * from kasbon union all select ID_Vouc, No_Vouc, 0, 0, 0, 0, 0, 0 from T_VOUC"), before);
}

TEST_F(Advances, NoOrANegativeAmountOrAnUnsetReceivableAccountIsRefusedAndWritesNothing)
{
    auto& window = Open<TFrm_KasBon>();
    const std::vector<std::string> noAmount{"Transaksi tidak lengkap!, Silakah isi jumlah!"};
    // A letter is refused by the amount field, which stays empty.
    f.boxes.Answer(mrOk);
    EXPECT_EQ(Enter(window, *window.ZlRadio1, "a"), noAmount);
    EXPECT_EQ(f.boxes.Shown().front().Text, "'a' is not a valid character in a number: the decimal separator is '.'");
    EXPECT_TRUE(window.ZlEdit3->Focused());
    Type(*window.ZlEdit3, "0");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}), noAmount);
    EXPECT_EQ(window.Mode(), TRecordMode::Adding);
    // Pinjaman or Bayar gives the direction; a sign would turn it round.
    window.ZlEdit3->SelectAll();
    Type(*window.ZlEdit3, "-100");
    EXPECT_EQ(Click(*window.ZlSpeedButton14, {mrOk}),
        (std::vector<std::string>{"Jumlah tidak boleh negatif!, Silakah pilih Pinjaman atau Bayar!"}));
    EXPECT_TRUE(window.ZlEdit3->Focused());
    EXPECT_EQ(window.Mode(), TRecordMode::Adding);
    Click(*window.ZlSpeedButton1);

    Exec("update ref_sistem set id_pihutang=null");
    LoadSystemSettings(*dm);
    EXPECT_EQ(Enter(window, *window.ZlRadio1, "100"),
        (std::vector<std::string>{
            "Transaksi tidak dapat dilakukan tanpa Piutang Karyawan, silakan isikan dulu di System Setting!"}));
    EXPECT_EQ(Scalar("select (select count(*) from kasbon) || (select count(*) from T_VOUC)"), "00");
    EXPECT_EQ(f.boxes.Shown().size(), 5u);

    TAdvanceEntry entry{
        0, "K1", "1001", EncodeDate(2025, 3, 14), "", TAdvanceKind::Advance, Currency::FromInt(5), "10"};
    EXPECT_THROW(SaveAdvance(*dm, entry, LoginState()), EInvalidOperation);
    entry.IdUnit = "11";
    entry.Amount = Currency();
    EXPECT_THROW(SaveAdvance(*dm, entry, LoginState()), EInvalidOperation);
    entry.Amount = Currency::FromInt(-5);
    EXPECT_THROW(SaveAdvance(*dm, entry, LoginState()), EInvalidOperation);
    EXPECT_EQ(Scalar("select (select count(*) from kasbon) || (select count(*) from T_VOUC)"), "00");
}

TEST_F(Advances, AFailingVoucherLineLeavesTheEntryAndItsVoucherAsTheyWere)
{
    TAdvanceEntry entry{0, "K1", "1001", EncodeDate(2025, 3, 14), "O'Neil", TAdvanceKind::Advance,
        Currency::FromInt(100'000), "11"};
    const int64_t noid = SaveAdvance(*dm, entry, LoginState());
    EXPECT_EQ(Rows("select nomor, account_id, uraian, debet, kredit from TR_VOUC"),
        (Table{{"1", "3", "Kas Zivu", "0", "100000"}, {"2", "4", "Piutang Zivu", "100000", "0"}}));
    const Table before = Rows("select * from kasbon union all select *, 0 from TR_VOUC");

    Exec("create trigger fail before insert on TR_VOUC when new.nomor = 2 begin select raise(abort, 'line 2'); end");
    entry.Amount = Currency::FromInt(5);
    EXPECT_THROW(SaveAdvance(*dm, TAdvanceEntry{entry}, LoginState()), std::exception);
    entry.Noid = noid;
    EXPECT_THROW(SaveAdvance(*dm, entry, LoginState()), std::exception);
    EXPECT_EQ(Rows("select * from kasbon union all select *, 0 from TR_VOUC"), before);
    EXPECT_EQ(Scalar("select count(*) from T_VOUC"), "1");
    entry.Kind = TAdvanceKind::None;
    EXPECT_THROW(SaveAdvance(*dm, entry, LoginState()), EInvalidOperation);
}

TEST_F(Advances, PostingTheMonthMovesCashAndTheReceivable)
{
    Exec("insert into posting (account_id) values (1), (2)");
    Exec("insert into trial_balance (account_id) values (1), (2)");
    SaveAdvance(*dm, {0, "K1", "1001", EncodeDate(2025, 3, 14), "", TAdvanceKind::Advance, Currency::FromInt(100'000), "10"},
        LoginState());
    BuildMonthlyTrialBalance(*dm, "3", "2025", "10");
    EXPECT_EQ(Rows("select account_id, ifnull(b3_mutasi_d, 0), ifnull(b3_mutasi_k, 0) from trial_balance order by account_id"),
        (Table{{"1", "0", "100000"}, {"2", "100000", "0"}}));
}

} // namespace
