// The year-end closing: balances carried into the new year, the backup copy, and a closing that
// fails at any step or is refused leaving every table as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "ledger/BookClosing.h"
#include "ledger/BookSessions.h"
#include "ledger/LongJob.h"
#include "ledger/MonthPosting.h"
#include "platform/core/Exceptions.h"
#include "platform/core/ProgramInstance.h"
#include "tests/ledger/ClosingBook.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/OtherInstance.h"

namespace {

class YearEndClosing : public ::testing::Test {
protected:
    ~YearEndClosing() override
    {
        std::error_code ec;
        std::filesystem::remove(backup, ec);
    }

    TClosingBook book;
    TLongJobRecorder wait;
    std::string backup = book.Path() + ".backup.db";
};

} // namespace

TEST_F(YearEndClosing, CarriesEveryKindOfAccountAndClearsTheYear)
{
    // A blank account another instance is making, with the rows an opening-balance save left on it.
    book.Exec("insert into coa (account_id) values (99)");
    book.Exec("insert into posting (tahun, account_id, pos_awal, pos_b3) values (2025, 99, 5, 7)");
    book.Exec("insert into trial_balance (account_id, saldo_awal_d, b3_mutasi_d) values (99, 5, 7)");
    book.Exec("insert into entry_holder (entry_table, entry_key, host, process) values ('coa', '99', 'kasir-2', 4242)");
    const std::string before = book.Dump();
    CloseBookYear(book.dm, backup, &wait);
    EXPECT_EQ(wait.shown, 1);
    EXPECT_EQ(wait.closed, 1);
    EXPECT_FALSE(IsLongJobRunning());
    EXPECT_EQ(book.IntegrityCheck(), "ok");
    EXPECT_EQ(DumpDatabase(backup), before) << "the copy holds the books as they were";

    // Signed in posting, on the own side in coa and trial_balance. Nominal accounts keep their
    // openings in posting and coa; profits moved to retained earnings together with their own movements.
    EXPECT_EQ(book.Rows("select p.account_id, p.tahun, p.pos_awal, c.saldo_awal, t.saldo_awal_d, t.saldo_awal_k "
                        "from posting p join coa c on c.account_id=p.account_id "
                        "join trial_balance t on t.account_id=p.account_id order by p.account_id"),
              (std::vector<std::string>{
                  "1|2026|1150|1150|1150|null", "2|2026|-530|530|null|530", "3|2026|305|305|null|305",
                  "4|2026|-220|220|220|null", "5|2026|0|0|null|0", "6|2026|825|825|null|825",
                  "7|2026|0|0|null|0", "8|2026|12|12|0|null", "9|2026|-55|55|55|null",
                  "10|2026|-25|-25|-25|null", "11|2026|500|500|500|null", "12|2026|0|0|null|0",
                  "13|2026|400|400|null|400", "14|2026|0|0|null|0", "15|2026|0|0|0|null",
                  "21|2026|-30|-30|-30|null", "22|2026|0|0|null|0", "23|2026|-180|180|180|null",
                  "24|2026|0|0|0|null", "99|2025|5|null|5|null"}));
    std::string months = "0", columns = "0";
    for (int m = 1; m <= 12; ++m) {
        const std::string b = "+abs(b" + std::to_string(m);
        columns += b + "_mutasi_d)" + b + "_mutasi_k)" + b + "_ajp_d)" + b + "_ajp_k)";
        months += "+abs(pos_b" + std::to_string(m) + ")";
    }
    EXPECT_EQ(book.Rows("select count(*), sum(" + months + ") from posting where account_id<>99 union all "
                        "select count(*), sum(" + columns + ") from trial_balance where account_id<>99"),
              (std::vector<std::string>{"19|0", "19|0"}));
    EXPECT_EQ(book.Rows("select pos_b3, b3_mutasi_d from posting join trial_balance using (account_id) "
                        "where account_id=99"),
              (std::vector<std::string>{"7|7"}));

    // One carried row per employee and unit, counting a null side as 0; other years' rows stay.
    EXPECT_EQ(book.Rows("select kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit from kasbon "
                        "order by kode, id_unit, tanggal"),
              (std::vector<std::string>{"E1|0000|2026-01-01|Sisa Pinjaman yang belum dibayar|0|200|10",
                                        "E2|0000|2026-01-01|Sisa Pinjaman yang belum dibayar|200|0|10",
                                        "E4|0000|2026-01-01|Sisa Pinjaman yang belum dibayar|0|40|10",
                                        "E4|0000|2026-01-01|Sisa Pinjaman yang belum dibayar|0|60|11",
                                        "E5|109|2024-06-01|lama|null|500|12",
                                        "E5|0000|2026-01-01|Sisa Pinjaman yang belum dibayar|0|25|12"}));
    EXPECT_EQ(book.Rows("select tanggal from salary"), (std::vector<std::string>{"2024-12-25"}));
    EXPECT_EQ(book.Rows("select count(*) from T_VOUC union all select count(*) from anggaran union all "
                        "select group_concat(ID_Vouc) from TR_VOUC"),
              (std::vector<std::string>{"0", "0", "X99"}));
    EXPECT_EQ(book.Rows("select ref_tahun from ref_sistem"), (std::vector<std::string>{"2026"}));
}

TEST_F(YearEndClosing, AFailureAtAnyStepLeavesEveryTableAsItWas)
{
    // The reposting, the walk over posting, the advances carried, each delete of the purge, the
    // month columns and the book year.
    const char* const triggers[] = {
        "before update of b1_mutasi_d on trial_balance", "before update of saldo_awal on coa", "before insert on kasbon",
        "before delete on TR_VOUC", "before insert on TR_VOUC", "before delete on T_VOUC", "before delete on anggaran",
        "before delete on kasbon", "before delete on salary", "before update of tahun on posting",
        "before update on trial_balance when (select count(*) from T_VOUC)=0", "before update on ref_sistem",
    };
    for (const char* trigger : triggers) {
        SCOPED_TRACE(trigger);
        book.Exec(std::string("create trigger injected ") + trigger + " begin select raise(abort, 'injected'); end");
        const std::string before = book.Dump();
        EXPECT_THROW(CloseBookYear(book.dm, backup, &wait), EDatabaseError);
        EXPECT_EQ(book.Dump(), before);
        EXPECT_EQ(book.IntegrityCheck(), "ok");
        EXPECT_FALSE(book.dm.CONN1->InTransaction());
        EXPECT_FALSE(IsLongJobRunning());
        EXPECT_EQ(wait.shown, wait.closed);
        book.Exec("drop trigger injected");
    }
    // The same book closes once nothing fails, so every trigger above stopped a closing that would have run.
    CloseBookYear(book.dm, backup, &wait);
    EXPECT_EQ(book.Rows("select ref_tahun from ref_sistem"), (std::vector<std::string>{"2026"}));
}

TEST_F(YearEndClosing, AFailedBackupOrABadSettingStopsBeforeAnyChange)
{
    const std::string before = book.Dump();
    EXPECT_THROW(CloseBookYear(book.dm, "/nonexistent-folder/copy.db", &wait), EDatabaseError);
    EXPECT_THROW(CloseBookYear(book.dm, book.Path(), &wait), EDatabaseError) << "the open file itself";
    LoginState().first_mnt = 0;
    EXPECT_THROW(CloseBookYear(book.dm, backup, &wait), EConvertError);
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_EQ(book.Dump(), before);
    EXPECT_FALSE(IsLongJobRunning());

    LoginState().first_mnt = 1;
    {
        TLongJob running(nullptr);
        EXPECT_THROW(CloseBookYear(book.dm, backup, &wait), EInvalidOperation);
        EXPECT_EQ(book.Dump(), before);
    }

    // Another instance logged in: refused with its name, host and since when, and nothing written.
    OpenBookSession(book.dm, "tukan");
    const std::string loggedIn = book.Dump();
    {
        TOtherInstance budi(book.Path(), "budi");
        try {
            CloseBookYear(book.dm, backup, &wait);
            ADD_FAILURE() << "closed while another instance is logged in";
        } catch (const EOthersLoggedIn& e) {
            EXPECT_EQ(e.Message().rfind("Buku ini masih dipakai oleh:\r\n- budi di " + HostName() + " (proses ", 0), 0u)
                << e.Message();
        }
        EXPECT_FALSE(std::filesystem::exists(backup));
        EXPECT_EQ(wait.shown, wait.closed);
        budi.LogOff();
    }
    EXPECT_EQ(book.Dump(), loggedIn) << "logged off, the other instance is forgotten";

    // A voucher left one-sided would carry balances that do not balance: named, and nothing written.
    book.Exec("update TR_VOUC set kredit=20.0001 where ID_Vouc='V04' and kredit<>0");
    try {
        CloseBookYear(book.dm, backup, &wait);
        ADD_FAILURE() << "closed with a one-sided voucher";
    } catch (const EUnbalancedVouchers& e) {
        EXPECT_NE(e.Message().find("1003   02/04/2025"), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(std::filesystem::exists(backup));
    book.Exec("update TR_VOUC set kredit=20 where ID_Vouc='V04' and kredit<>0");
    EXPECT_EQ(book.Dump(), loggedIn);

    // A process of this host named with the start it has is at work; once its number is another's
    // (the machine restarted since), the instance is gone.
    const std::string parent = std::to_string(getppid());
    book.Exec("insert into book_session values ('" + HostName() + "', " + parent + ", 'siti', '2026-01-05 08:00:00', '"
              + ProcessStart(getppid()) + "')");
    EXPECT_THROW(CloseBookYear(book.dm, backup, &wait), EOthersLoggedIn);
    book.Exec("update book_session set process_start='boot-before/1' where process=" + parent);

    // One killed while logged in is forgotten once its process is found gone on this host.
    TOtherInstance killed(book.Path(), "budi");
    killed.Kill();
    CloseBookYear(book.dm, backup, &wait);
    EXPECT_EQ(book.Rows("select ref_tahun from ref_sistem union all select count(*) from book_session"),
              (std::vector<std::string>{"2026", "1"}));
}
