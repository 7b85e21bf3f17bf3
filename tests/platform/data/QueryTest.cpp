#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/data/SqlText.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TADOTable.h"
#include "platform/data/TDataSource.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Accounts =
    "create table coa (account_id integer primary key, account_code text(15) collate nocase, "
    "account_name text(50) collate nocase, account_cat text(3) collate nocase, saldo_awal currency real, "
    "account_header boolean not null default 0);"
    "insert into coa values (1, '111', 'Kas', '11', 1500.5, 0), (2, '112', 'Bank', '11', 250, 0),"
    " (3, '211', 'Hutang', '21', null, 1);";

class QueryTest : public ::testing::Test {
protected:
    QueryTest() : database(Accounts), db(database) { query.SetConnection(&db.connection); }

    void OpenSql(const std::string& sql)
    {
        query.Close();
        query.SQL().Clear();
        query.SQL().Add(sql);
        query.Open();
    }

    TestDatabase database;
    Connected db;
    TADOQuery query;
};

} // namespace

TEST_F(QueryTest, ReadsRowsInOrderWithTypedFields)
{
    OpenSql("select * from coa order by account_id");
    ASSERT_EQ(query.RecordCount(), 3);
    std::vector<std::string> codes;
    for (query.First(); !query.Eof(); query.Next())
        codes.push_back(query.FieldByName("account_code")->AsString());
    EXPECT_EQ(codes, (std::vector<std::string>{"111", "112", "211"}));

    query.First();
    EXPECT_EQ(query.FieldByName("ACCOUNT_ID")->AsInteger(), 1);
    EXPECT_EQ(query.FieldByName("saldo_awal")->AsCurrency(), Currency::FromRaw(15005000));
    query.Last();
    EXPECT_TRUE(query.FieldByName("saldo_awal")->IsNull());
    EXPECT_TRUE(query.FieldByName("account_header")->AsBoolean());
    EXPECT_EQ(query.FindField("no_such"), nullptr);
    EXPECT_THROW(query.FieldByName("no_such"), EDatabaseError);
    EXPECT_THROW(query.Fields(6), EListError);
}

TEST_F(QueryTest, AnEmptyResultReadsNullEverywhereButAggregatesGiveOneRow)
{
    OpenSql("select account_code, saldo_awal from coa where account_code='999'");
    EXPECT_TRUE(query.Active());
    EXPECT_TRUE(query.IsEmpty());
    EXPECT_TRUE(query.Eof());
    EXPECT_TRUE(query.Bof());
    EXPECT_TRUE(query.FieldByName("account_code")->Value().IsNull());
    EXPECT_EQ(query.FieldByName("saldo_awal")->AsFloat(), 0.0);
    EXPECT_EQ(query.RecNo(), 0);
    OpenSql("select sum(saldo_awal)as credit, count(*)as jml from coa where account_cat='99'");
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_TRUE(query.FieldByName("credit")->IsNull());
    EXPECT_EQ(query.FieldByName("jml")->AsInteger(), 0);
}

TEST_F(QueryTest, StatementFormsTheProgramUses)
{
    OpenSql("select count(account_id)+1 as urut from coa where account_code like '11%'");
    EXPECT_EQ(query.FieldByName("urut")->AsInteger(), 3);
    OpenSql("select distinct account_cat from coa order by account_cat");
    EXPECT_EQ(query.RecordCount(), 2);
    db.connection.Execute("update coa set saldo_awal=+saldo_awal+10 where account_id=2");
    OpenSql("select saldo_awal from coa where ACCOUNT_CODE='112' and account_header=false");
    EXPECT_DOUBLE_EQ(query.Fields(0)->AsFloat(), 260);
}

TEST_F(QueryTest, ExecSqlChangesRowsAndAnOpenCursorIsStaticUntilRequery)
{
    OpenSql("select * from coa order by account_id");
    query.Last();
    TADOQuery command;
    command.SetConnection(&db.connection);
    command.SQL().Add("delete from coa where account_cat='21'");
    EXPECT_EQ(command.ExecSQL(), 1);
    EXPECT_EQ(query.RecordCount(), 3) << "the open cursor keeps what it read";
    std::vector<std::string> events;
    query.BeforeScroll = [&](TDataSet*) { events.push_back("BeforeScroll"); };
    query.AfterScroll = [&](TDataSet*) { events.push_back("AfterScroll"); };
    query.Requery();
    EXPECT_EQ(query.RecordCount(), 2);
    EXPECT_EQ(query.RecNo(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeScroll", "AfterScroll"}));
}

TEST_F(QueryTest, OpenRaisesOnBadSqlOrAStatementWithoutRowsAndRunsNothing)
{
    query.SQL().Add("delete from coa");
    EXPECT_THROW(query.Open(), EDatabaseError);
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(database.Scalar("select count(*) from coa"), "3");
    query.SQL().Clear();
    query.SQL().Add("select * from no_such_table");
    try {
        query.Open();
        FAIL();
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("no_such_table"), std::string::npos);
    }
    EXPECT_FALSE(query.Active());
    OpenSql("select * from coa");
    query.SQL().Clear();
    EXPECT_FALSE(query.Active()) << "changing the SQL closes the query";
}

TEST_F(QueryTest, QuotedTextAndBoundParametersAreStoredAndReadBackUnchanged)
{
    const std::string name = "Pak Ma'ruf";
    EXPECT_EQ(SqlText(name), "Pak Ma''ruf");
    db.connection.Execute("update coa set account_name='" + SqlText(name) + "' where account_id=1");
    OpenSql("select account_name from coa where account_name='" + SqlText(name) + "'");
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Fields(0)->AsString(), name);

    const std::string hostile = "x'; delete from coa; --";
    db.connection.Execute("update coa set account_name='" + SqlText(hostile) + "' where account_id=2");
    EXPECT_EQ(database.Scalar("select count(*) from coa"), "3");
    EXPECT_EQ(database.Scalar("select account_name from coa where account_id=2"), hostile);

    const std::string withNul("Kas\0kecil", 9);
    EXPECT_THROW(SqlText(withNul), EConvertError);
    EXPECT_THROW(db.connection.Execute("update coa set account_name = :name where account_id=1", {{"name", Variant(withNul)}}),
        EConvertError);
    EXPECT_EQ(database.Scalar("select account_name from coa where account_id=1"), name);

    query.Close();
    query.SQL().Clear();
    query.SQL().Add("select account_name from coa where account_cat = :account_cat and account_code <> ':not_a_param'");
    ASSERT_EQ(query.Parameters().Count(), 1);
    EXPECT_THROW(query.Parameters().ParamByName("nope"), EDatabaseError);
    query.Parameters().ParamByName("ACCOUNT_CAT").SetValue(Variant("21"));
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Fields(0)->AsString(), "Hutang");
}

TEST(MasterDetail, TheDetailFollowsTheMastersCurrentRow)
{
    TestDatabase database(
        "create table ref_unit (id_unit integer primary key, kode_unit text(10), nama_unit text(50));"
        "insert into ref_unit values (10, '1', 'Kalvera'), (11, '2', 'Kalvera ZIVU');"
        "create table ref_anggota (kode text(20), nik text(15), nama text(50), id_unit integer, status_anggota boolean);"
        "insert into ref_anggota values ('a', '001', 'Ani', 10, 1), ('b', '002', 'Budi', 11, 1),"
        " ('c', '003', 'Citra', 11, 1), ('d', '004', 'Dedi', 11, 0);");
    Connected db(database);
    TADOTable units;
    units.SetConnection(&db.connection);
    units.SetTableName("ref_unit");
    TDataSource unitSource;
    unitSource.SetDataSet(&units);
    TADOQuery employees;
    employees.SetConnection(&db.connection);
    employees.SQL().Add("select distinct kode, nik, nama ");
    employees.SQL().Add("from ref_anggota");
    employees.SQL().Add("where status_anggota=true and id_unit = :id_unit");
    employees.SetDataSource(&unitSource);
    int opened = 0;
    employees.AfterOpen = [&](TDataSet*) { ++opened; };

    units.Open();
    employees.Open();
    EXPECT_EQ(employees.RecordCount(), 1);
    EXPECT_EQ(employees.FieldByName("nama")->AsString(), "Ani");

    units.Next();
    EXPECT_EQ(employees.RecordCount(), 2);
    EXPECT_EQ(opened, 2);

    units.Next();
    EXPECT_EQ(opened, 2) << "a move that stays on the same row changes nothing";
    units.First();
    EXPECT_EQ(employees.RecordCount(), 1);
}
