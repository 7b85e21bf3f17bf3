// The shipped schema: views, text and boolean conventions, positional inserts, fixed rows,
// and the newdb rules (no overwrite, no file left after a failed script).
#include <sqlite3.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ledger/TempDatabase.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Plain sqlite3 access, so the schema is checked without the data layer in between.
class Db {
public:
    explicit Db(const std::string& path)
    {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
    }
    ~Db() { sqlite3_close(db_); }

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "error";
            sqlite3_free(error);
            throw std::runtime_error(message);
        }
    }

    // Every value as text; Null as "<null>".
    Rows Query(const std::string& sql)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        Rows rows;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                auto text = sqlite3_column_text(stmt, i);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
            }
            rows.push_back(row);
        }
        sqlite3_finalize(stmt);
        return rows;
    }

    std::string Scalar(const std::string& sql)
    {
        Rows rows = Query(sql);
        return rows.empty() ? "<no row>" : rows[0][0];
    }

private:
    sqlite3* db_ = nullptr;
};

class SchemaTest : public ::testing::Test {
protected:
    TempDatabase file;
    Db db{file.Path()};
};

TEST_F(SchemaTest, ShipsTheFixedRows)
{
    EXPECT_EQ(db.Query("select id_unit, kode_unit, nama_unit from ref_unit order by rowid"),
        (Rows{{"10", "1", "Kalvera"}, {"11", "2", "Kalvera ZIVU"}, {"12", "3", "Kalvera Duvize"}}));
    EXPECT_EQ(db.Query("select type from sis_tipeuser order by rowid"), (Rows{{"1"}, {"2"}, {"3"}}));
    EXPECT_EQ(db.Query("select ref_tahun, first_mnt, last_mnt from ref_sistem"), (Rows{{"2020", "1", "12"}}));
    EXPECT_EQ(db.Query("select user_pwd, type, user_status from sis_user where user_login='tukan'"),
        (Rows{{"tukan", "1", "0"}}));
    for (const char* table : {"coa", "T_VOUC", "TR_VOUC", "posting", "trial_balance", "kasbon", "salary"})
        EXPECT_EQ(db.Scalar(std::string("select count(*) from ") + table), "0") << table;
    // Unit 10 is first by name, by code and in table order.
    EXPECT_EQ(db.Scalar("select id_unit from ref_unit order by nama_unit"), "10");
    EXPECT_EQ(db.Scalar("select id_unit from ref_unit order by kode_unit"), "10");
    EXPECT_EQ(db.Scalar("select id_unit from ref_unit"), "10");
}

TEST_F(SchemaTest, ComparesTextWithoutCase)
{
    EXPECT_EQ(db.Scalar("select user_name from sis_user where user_login='TUKAN' and user_pwd='Tukan'"), "Tukan");
    db.Exec("insert into T_VOUC (ID_Vouc, No_Vouc) values ('k1', 'Ajp1001')");
    EXPECT_EQ(db.Scalar("select ID_Vouc from t_vouc where no_vouc='AJP1001'"), "k1");
    // Keys compare without case too: one line per voucher key and number, one header per key.
    db.Exec("insert into TR_VOUC values('k', 1, 5, '1110', 'Kas',150, 0)");
    EXPECT_THROW(db.Exec("insert into TR_VOUC values('K', 1, 6, '4110', 'x',0, 150)"), std::runtime_error);
    EXPECT_THROW(db.Exec("insert into T_VOUC (ID_Vouc) values ('K1')"), std::runtime_error);
}

TEST_F(SchemaTest, BooleansDefaultToFalseAndAcceptTrueAndFalseLiterals)
{
    db.Exec("insert into coa (account_id) values (7)");
    EXPECT_EQ(db.Query("select sub, account_header from coa where account_id=7"), (Rows{{"0", "0"}}));
    db.Exec("insert into T_VOUC values('k1', '1001', '2020-03-01', 150, 'x',false,10)");
    db.Exec("insert into T_VOUC (ID_Vouc, no_vouc, tgl_vouc, ajp, id_unit) values('k2','Ajp1001','2020-03-01', true, 10)");
    EXPECT_EQ(db.Scalar("select count(*)as jml from T_VOUC where AJP = false and id_unit=10"), "1");
    EXPECT_EQ(db.Scalar("select count(*) as jml from T_VOUC where AJP = true  and id_unit=10"), "1");
    EXPECT_THROW(db.Exec("insert into T_VOUC (ID_Vouc, ajp) values ('k3', null)"), std::runtime_error);
}

TEST_F(SchemaTest, AcceptsThePositionalInsertsAsWritten)
{
    db.Exec("insert into T_VOUC values('20200301090000', '1001', '2020-03-01', 150, 'Pak Ma''ruf',false,10)");
    db.Exec("insert into TR_VOUC values('20200301090000', 1, 5, '1110', 'Kas',150, 0)");
    db.Exec("insert into coa_tmp values('1110',5,'Kas','11','D',1000.5,10)");
    db.Exec("insert into lap_LR values(null,4000,'PENDAPATAN ',null,0)");
    db.Exec("insert into lap_cash_flow values(null,null,null,'Saldo Awal',null,null,250)");
    db.Exec("insert into lap_jmk1 values('k','2020-03-01','1001','x')");
    db.Exec("insert into lap_jmk2 values('k','1110','Kas',null,150)");
    db.Exec("insert into lap_bukubesar values(5,'1110','2020-03-01','1001','x',150,0)");

    EXPECT_EQ(db.Query("select ket, typeof(jumlah) from T_VOUC"), (Rows{{"Pak Ma'ruf", "real"}}));
    EXPECT_EQ(db.Query("select saldo_awal, account_sub from coa_tmp"), (Rows{{"1000.5", "10"}}));
    EXPECT_EQ(db.Query("select no_urut, account_code, account_name from lap_LR order by no_urut"),
        (Rows{{"1", "4000", "PENDAPATAN "}}));
}

class SchemaViewTest : public SchemaTest {
protected:
    void SetUp() override
    {
        db.Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('11', 'KAS', 'D', 1)");
        db.Exec("insert into coa values (5, '1110', 'Kas', '11', 'D', 1000, 10, 0, 0)");
        db.Exec("insert into coa values (6, '4110', 'Pendapatan', '41', 'K', 0, 10, 0, 0)");
        db.Exec("insert into coa values (7, '1100', 'AKTIVA LANCAR', '11', 'D', 0, null, 0, 1)");
        db.Exec("insert into T_VOUC values('c1', '1001', '2020-03-01', 150, 'cash',false,10)");
        db.Exec("insert into TR_VOUC values('c1', 1, 5, '1110', 'Kas',150, 0)");
        db.Exec("insert into TR_VOUC values('c1', 2, 6, '4110', 'Pendapatan',0, 150)");
        db.Exec("insert into T_VOUC values('a1', 'Ajp1001', '2020-03-31', 40, 'adj',true,10)");
        db.Exec("insert into TR_VOUC values('a1', 1, 6, '4110', 'x',40, 0)");
        db.Exec("insert into TR_VOUC values('a1', 2, 5, '1110', 'y',0, 40)");
    }
};

TEST_F(SchemaViewTest, CashFlowHoldsOrdinaryVouchersOnlyAndTRvoucHoldsAll)
{
    EXPECT_EQ(db.Query("select ID_Vouc, account_code, account_name, account_pos, debet, kredit from v_cash_Flow"
                       " order by ID_Vouc, account_code"),
        (Rows{{"c1", "1110", "Kas", "D", "150.0", "0.0"}, {"c1", "4110", "Pendapatan", "K", "0.0", "150.0"}}));
    EXPECT_EQ(db.Scalar("select count(*) from v_TRvouc"), "4");
    EXPECT_EQ(db.Scalar("select count(*) from v_TRvouc where ajp = true"), "2");
}

TEST_F(SchemaViewTest, RealisasiHasOneRowPerVoucherLineWithItsKind)
{
    EXPECT_EQ(db.Query("select ajp, sum(debet) as debit, sum(kredit)as credit  from v_realisasi"
                       " where account_id=6 group by ajp order by ajp"),
        (Rows{{"0", "0.0", "150.0"}, {"1", "40.0", "0.0"}}));
}

TEST_F(SchemaViewTest, CoaListsAccountsWithoutAUnit)
{
    EXPECT_EQ(db.Query("select account_code, nomor, nama_unit from v_coa order by account_code"),
        (Rows{{"1100", "11", "<null>"}, {"1110", "11", "Kalvera"}, {"4110", "<null>", "Kalvera"}}));
}

TEST_F(SchemaViewTest, TrialBalanceClosingAddsTheOpeningAndAllMonthsOfItsSide)
{
    db.Exec("insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k ) values(5,1000,null )");
    db.Exec("update trial_balance set b3_mutasi_d= 300, b3_mutasi_k= 100, b12_ajp_d= 5, b12_ajp_k= 40"
            " where account_id=5");
    EXPECT_EQ(db.Query("select account_code, saldo_akhir_d, saldo_akhir_k from v_trial_balance"),
        (Rows{{"1110", "1305.0", "140.0"}}));
}

TEST_F(SchemaViewTest, PostingAndBudgetViewsCarryTheAccountColumns)
{
    db.Exec("insert into posting (tahun, account_id, pos_awal, pos_b3)values(2020,5,1000,200 )");
    EXPECT_EQ(db.Query("select account_code, account_sub, sub, pos_awal+pos_b3 from v_posting"),
        (Rows{{"1110", "10", "0", "1200.0"}}));
    db.Exec("insert into anggaran (account_id, anggaran_b3, realisasi_b3) values (6, 500, 150)");
    EXPECT_EQ(db.Query("select account_code, account_cat, anggaran_b3 from v_anggaran"),
        (Rows{{"4110", "41", "500.0"}}));
    EXPECT_EQ(db.Query("select account_code, keterangan, anggaran_b3 - realisasi_b3 from v_lap_anggaran"),
        (Rows{{"4110", "<null>", "350.0"}}));
}

TEST_F(SchemaViewTest, PayrollViewsJoinTheEmployeeAndTheUnit)
{
    db.Exec("insert into ref_anggota (kode, nik, nama, status_anggota, id_unit) values('e1','K01','Ani', true,11)");
    db.Exec("insert into salary (kode, tanggal, bulan, gaji_total) values ('e1', '2020-01-25', 1, 4250000)");
    db.Exec("insert into kasbon (kode, no_bukti, tanggal, keterangan, debet, kredit, id_unit)"
            " values('e1','0000','2021-01-01','Sisa Pinjaman yang belum dibayar',0,200,12)");
    EXPECT_EQ(db.Query("select nik, nama, id_unit, nama_unit, gaji_total from v_salary"),
        (Rows{{"K01", "Ani", "11", "Kalvera ZIVU", "4250000.0"}}));
    EXPECT_EQ(db.Query("select nik, nama, nama_unit, kredit - debet from v_kasbon"),
        (Rows{{"K01", "Ani", "Kalvera Duvize", "200.0"}}));
}

TEST_F(SchemaTest, UsesTheRollbackJournal)
{
    EXPECT_EQ(db.Scalar("pragma journal_mode"), "delete");
}

TEST(NewDatabase, RefusesToOverwriteAnExistingFile)
{
    std::string path = TempDatabasePath("existing");
    std::ofstream(path) << "precious";
    EXPECT_THROW(MakeDatabaseFromSchema(SchemaPath(), path), std::runtime_error);
    std::ifstream in(path);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "precious");
    std::filesystem::remove(path);
}

TEST(NewDatabase, LeavesNoFileWhenTheScriptFails)
{
    std::string schema = TempDatabasePath("bad-schema");
    std::ofstream(schema) << "create table a (x integer);\ncreate table oops (;\n";
    std::string path = TempDatabasePath("failed");
    EXPECT_THROW(MakeDatabaseFromSchema(schema, path), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_THROW(MakeDatabaseFromSchema(schema + ".missing", path), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(path));
    std::filesystem::remove(schema);
}

} // namespace
