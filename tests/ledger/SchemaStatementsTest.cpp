// The statements of the windows and the payroll, as they are written, against the shipped schema:
// a renamed or missing table or column fails here before it fails in a window.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ledger/SqlRoutines.h"
#include "tests/ledger/LedgerDatabase.h"

namespace {

// "b1_mutasi_d=0, b2_mutasi_d=0, ..." for every month of every pattern ('#' is the month; none: a suffix).
std::string Zeroed(const std::vector<std::string>& patterns)
{
    std::string text;
    for (const std::string& pattern : patterns)
        for (int m = 1; m <= 12; ++m) {
            std::string name = pattern;
            const auto hash = name.find('#');
            if (hash == std::string::npos)
                name += std::to_string(m);
            else
                name.replace(hash, 1, std::to_string(m));
            text += (text.empty() ? "" : ", ") + name + "=0";
        }
    return text;
}

class SchemaStatements : public LedgerDatabaseTest {
protected:
    SchemaStatements()
    {
        Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'KAS', 'D', 1)");
        Exec("insert into coa values (3, '1110', 'Kas', '11', 'D', 1000, 10, 0, 0)");
        Exec("insert into coa values (6, '4110', 'Pendapatan', '41', 'K', 0, 10, 0, 0)");
        Exec("insert into T_VOUC values('k', '1001', '2020-03-05', 150, 'x',false,10)");
        Exec("insert into TR_VOUC values('k', 1, 3, '1110', 'Kas',150, 0)");
        Exec("insert into TR_VOUC values('k', 2, 6, '4110', 'Pendapatan',0, 150)");
        Exec("insert into ref_anggota (kode, nik, nama, status_anggota, id_unit) values('e1','K01','Ani', true,10)");
    }

    // Selects open through OpenSQL, everything else runs through RunSQL; a failure names its statement.
    void RunAll(const std::vector<std::string>& statements)
    {
        for (const std::string& sql : statements) {
            std::string head = sql.substr(sql.find_first_not_of(' '), 6);
            try {
                if (head == "select" || head == "SELECT")
                    OpenSQL(*dm->Query1, sql);
                else
                    RunSQL(*dm->Query4, sql);
            } catch (const std::exception& e) {
                ADD_FAILURE() << sql << "\n  " << e.what();
            }
        }
    }
};

// The login, the settings and the voucher routines run their own statements in their tests.
TEST_F(SchemaStatements, VoucherWindows)
{
    RunAll({
        "insert into T_Vouc (ID_Vouc, no_vouc, tgl_vouc, ajp, id_unit) values('a','Ajp1001','2020-03-05', true, 10)",
        "insert into T_Vouc (ID_Vouc, no_vouc, tgl_vouc) values('b','1002','2020-03-05')",
        "update T_Vouc set tgl_vouc='2020-03-06' where ID_Vouc='a'",
        "select sum(debet) as debit, sum(kredit) as credit from TR_VOUC where ID_Vouc='a'",
        "delete from T_Vouc where no_vouc is null",
    });
}

TEST_F(SchemaStatements, ChartOfAccountsAndOpeningBalances)
{
    RunAll({
        "select * from v_coa order by account_code",
        "select account_code, account_name, account_pos, nama_unit, kode_unit from v_coa where (account_sub =10 or account_header=true) order by account_code ",
        "insert into coa_tmp values('1110',3,'Kas','11','D',1000,10)",
        "select id_unit,nama_unit from ref_unit order by kode_unit",
        "select nomor, keterangan, posisi from posisi_coa order by nomor asc",
        "select account_ID, account_code, account_name, account_cat from coa where account_header=true order by account_code asc",
        "select count(nomor)+1 as urut from posisi_coa where nomor like '1%'",
        "select sum(saldo_awal) as saldo from coa_tmp where account_pos='D' and account_sub=10",
        "update coa set saldo_awal=1000 where account_id=3",
        "insert into posting (tahun, account_id, pos_awal) values(2020,3,1000 )",
        "update trial_balance set saldo_awal_d = 1000, saldo_awal_k = null  where account_id=3",
        "delete from coa where account_id=99",
    });
}

TEST_F(SchemaStatements, Budget)
{
    RunAll({
        "select account_id from to_anggaran",
        "select account_id, account_code, account_name, account_sub from coa where (account_header=false)and(account_cat like '7%' or account_cat like '4%' )",
        "delete from to_anggaran",
        "insert into to_anggaran (account_id, account_code, account_name, account_sub, jumlah) values(6, '4110','Pendapatan',10,78)",
        "update to_anggaran set " + Zeroed({"anggaran_b"}),
        "insert into anggaran (account_id) values(7)",
        "update anggaran set " + Zeroed({"anggaran_b", "realisasi_b"}),
        "select account_id, account_cat from v_anggaran where account_sub=10",
        "select (sum(kredit) - sum(debet)) as realisasi from v_realisasi where account_id=6 and month(tgl_vouc)=3",
        "update anggaran set realisasi_b3=150 where account_id=6",
        "select distinct account_cat, keterangan from v_lap_anggaran ",
        "select account_code, account_name, anggaran_b3 as anggaran,realisasi_b3 as realisasi, (anggaran_b3 - realisasi_b3) as selisih from v_lap_anggaran where account_cat ='41'",
    });
}

TEST_F(SchemaStatements, CashVouchersAndYearEndClosing)
{
    RunAll({
        "select id_unit, nama_unit from ref_unit order by nama_unit",
        "select * from v_cash_Flow where account_id<>3 order by no_vouc asc, tgl_vouc desc",
        "select account_code, account_name, account_id, account_sub from coa where account_header=false and account_code = '4110' and account_sub=10",
        "insert into posting (tahun, account_id, pos_awal, pos_b3)values(2020,3,1000,150 )",
        "update posting set pos_awal=pos_awal+150 where account_id=3",
        "update trial_balance set saldo_awal_d=+saldo_awal_d+150, saldo_awal_k=null where account_id=3",
        "select distinct kode,id_unit from kasbon where kode is not null",
        "select sum(kredit-debet) as sisa from kasbon where kode='e1'",
        "insert into kasbon (kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit) values('e1','0000','2021-01-01','Sisa Pinjaman yang belum dibayar',0,200,10)",
        "delete from T_VOUC where ID_VOUC='k'",
        "delete from anggaran",
        "delete from kasbon where year(tanggal)=2020",
        "update posting set tahun=2021, " + Zeroed({"pos_b"}),
        "update trial_balance set " + Zeroed({"b#_mutasi_d", "b#_mutasi_k", "b#_ajp_d", "b#_ajp_k"}),
        "update ref_sistem set ref_tahun=2021",
    });
}

TEST_F(SchemaStatements, Payroll)
{
    RunAll({
        "select NIK from ref_anggota where NIK='K02'",
        "insert into ref_anggota (kode, nik, nama, status_anggota, id_unit) values('e2','K02','Budi', true,10)",
        "update ref_anggota set nik='K03', nama='Budi' where kode= 'e2'",
        " select * from ref_anggota where id_unit=10",
        "select * from v_salary where month(tanggal)=3 and year(tanggal)=2020 order by nik",
        "select nama, gaji_pokok, kode from ref_anggota where nik ='K01' and status_anggota=true",
        "select distinct id_unit, nama_unit from v_salary where bulan=3 order by nama_unit",
        "select distinct NIK, NAMA from v_KASBON where id_unit=10 and month(tanggal)=3 order by nama",
    });
}

} // namespace
