#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/Clock.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "tests/platform/data/TestDatabase.h"

namespace {

const char* const Voucher = "create table t_vouc (id_vouc text(20) primary key, no_vouc text(20) collate nocase, "
                            "tgl_vouc date, jumlah currency real);";

std::string Value(TADOConnection& connection, const std::string& sql)
{
    TADOQuery query;
    query.SetConnection(&connection);
    query.SQL().Add(sql);
    query.Open();
    return query.Fields(0)->IsNull() ? "<null>" : query.Fields(0)->AsString();
}

} // namespace

TEST(ConnectionOpen, ReadsThePathFromDataSourceAndIgnoresOtherKeys)
{
    TestDatabase database(Voucher);
    TADOConnection connection;
    connection.SetConnectionString("Provider=X;data source=" + database.Path() + ";Jet OLEDB:Database Password=teh_manis7");
    EXPECT_EQ(connection.DataSource(), database.Path());
    connection.SetConnected(true);
    EXPECT_TRUE(connection.Connected());
    connection.SetConnected(false);
    EXPECT_FALSE(connection.Connected());
}

TEST(ConnectionOpen, ModeReadNeverWritesToTheFile)
{
    TestDatabase database(Voucher);
    {
        TADOConnection writer;
        writer.SetConnectionString("Data Source=" + database.Path());
        writer.Open();
        writer.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");
    }
    auto bytes = [&] {
        std::ifstream in(database.Path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();

    TADOConnection reader;
    reader.SetConnectionString("Provider=X;Data Source=" + database.Path() + "; mode=Read ;Persist=False");
    EXPECT_TRUE(reader.ReadOnly());
    reader.Open();
    EXPECT_EQ(Value(reader, "select no_vouc from t_vouc"), "A");
    EXPECT_THROW(reader.Execute("insert into t_vouc values ('2', 'B', '2024-03-02', 5)"), EDatabaseError);
    EXPECT_THROW(reader.Execute("pragma user_version=7"), EDatabaseError);
    reader.Close();
    EXPECT_EQ(bytes(), before);

    reader.SetConnectionString("Data Source=" + database.Path() + ";Mode=Share Deny None");
    EXPECT_FALSE(reader.ReadOnly());
    reader.Open();
    reader.Execute("insert into t_vouc values ('2', 'B', '2024-03-02', 5)");
    EXPECT_EQ(Value(reader, "select count(*) from t_vouc"), "2");
}

TEST(ConnectionOpen, NeverCreatesAMissingFile)
{
    TestDatabase database;
    const std::string missing = database.Folder() + "/missing.db";
    TADOConnection connection;
    connection.SetConnectionString("Data Source=" + missing);
    EXPECT_THROW(connection.Open(), EDatabaseError);
    EXPECT_FALSE(connection.Connected());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(ConnectionOpen, RefusesAFileThatIsNotADatabase)
{
    TestDatabase database;
    const std::string text = database.Folder() + "/notes.txt";
    std::ofstream(text) << "This is a plain text file and certainly not a database, whatever its name says.\n";
    TADOConnection connection;
    connection.SetConnectionString("Data Source=" + text);
    try {
        connection.Open();
        FAIL() << "a text file was accepted";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("not a database"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(connection.Connected());
}

TEST(ConnectionOpen, UsesTheRollbackJournal)
{
    TestDatabase database(Voucher);
    Connected db(database);
    EXPECT_EQ(Value(db.connection, "pragma journal_mode"), "delete");
}

TEST(ConnectionClose, ClosesEveryAttachedDataSet)
{
    TestDatabase database(Voucher);
    Connected db(database);
    TADOQuery first, second;
    for (TADOQuery* query : {&first, &second}) {
        query->SetConnection(&db.connection);
        query->SQL().Add("select * from t_vouc");
        query->Open();
    }
    db.connection.Close();
    EXPECT_FALSE(first.Active());
    EXPECT_FALSE(second.Active());
    EXPECT_THROW(first.Open(), EDatabaseError);
}

TEST(ConnectionClose, AFreedConnectionLeavesNoDanglingDataSet)
{
    TestDatabase database(Voucher);
    TADOQuery query;
    {
        Connected db(database);
        query.SetConnection(&db.connection);
        query.SQL().Add("select * from t_vouc");
        query.Open();
    }
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.Connection(), nullptr);
    EXPECT_THROW(query.Open(), EDatabaseError);
}

TEST(ConnectionTransactions, CommitKeepsAndRollbackDropsTheWork)
{
    TestDatabase database(Voucher);
    Connected db(database);
    db.connection.BeginTrans();
    db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");
    db.connection.Commit();
    db.connection.BeginTrans();
    db.connection.Execute("insert into t_vouc values ('2', 'B', '2024-03-01', 10)");
    db.connection.Rollback();
    EXPECT_EQ(database.Scalar("select group_concat(id_vouc) from t_vouc"), "1");
    EXPECT_THROW(db.connection.Commit(), EDatabaseError);
}

TEST(ConnectionTransactions, InnerLevelsAreSavepoints)
{
    TestDatabase database(Voucher);
    Connected db(database);
    EXPECT_EQ(db.connection.BeginTrans(), 1);
    db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");
    EXPECT_EQ(db.connection.BeginTrans(), 2);
    db.connection.Execute("insert into t_vouc values ('2', 'B', '2024-03-01', 10)");
    db.connection.Rollback();
    EXPECT_EQ(db.connection.BeginTrans(), 2);
    db.connection.Execute("insert into t_vouc values ('3', 'C', '2024-03-01', 10)");
    db.connection.Commit();
    EXPECT_TRUE(db.connection.InTransaction());
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "0") << "nothing is visible before the outer commit";
    db.connection.Commit();
    EXPECT_EQ(database.Scalar("select group_concat(id_vouc) from t_vouc"), "1,3");
}

TEST(ConnectionTransactions, TheGuardRollsBackWhenAStatementFails)
{
    TestDatabase database(Voucher);
    Connected db(database);
    db.connection.Execute("insert into t_vouc values ('1', 'old', '2024-03-01', 10)");
    auto save = [&] {
        TTransaction transaction(db.connection);
        db.connection.Execute("delete from t_vouc where id_vouc='1'");
        db.connection.Execute("insert into t_vouc values ('1', 'new', '2024-03-01', 20)");
        db.connection.Execute("insert into t_vouc values ('1', 'duplicate key', '2024-03-01', 30)");
        transaction.Commit();
    };
    EXPECT_THROW(save(), EDatabaseError);
    EXPECT_FALSE(db.connection.InTransaction());
    EXPECT_EQ(database.Scalar("select no_vouc || ' ' || jumlah from t_vouc"), "old 10.0");
}

TEST(ConnectionTransactions, AGuardWhoseCommitFailsRollsBackAndLeavesNoTransactionOpen)
{
    // A deferred key is checked at commit, so the commit itself fails and the transaction stays open.
    TestDatabase database("create table parent (id integer primary key);"
                          "create table child (pid integer references parent (id) deferrable initially deferred);");
    Connected db(database);
    db.connection.Execute("pragma foreign_keys=on");
    auto save = [&] {
        TTransaction transaction(db.connection);
        db.connection.Execute("insert into child values (7)");
        transaction.Commit();
    };
    EXPECT_THROW(save(), EDatabaseError);
    EXPECT_FALSE(db.connection.InTransaction());
    db.connection.Execute("insert into parent values (1)");
    EXPECT_EQ(database.Scalar("select count(*) from parent"), "1") << "later writes are committed";
    EXPECT_EQ(database.Scalar("select count(*) from child"), "0");
}

TEST(ConnectionTransactions, ClosingRollsBackAnOpenTransaction)
{
    TestDatabase database(Voucher);
    {
        Connected db(database);
        db.connection.BeginTrans();
        db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");
    }
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "0");
}

TEST(ConnectionBackup, CopiesTheOpenDatabaseAndRefusesItself)
{
    TestDatabase database(Voucher);
    Connected db(database);
    db.connection.Execute("insert into t_vouc values ('1', 'Pak Ma''ruf', '2024-03-01', 10)");
    const std::string copy = database.Folder() + "/copy.db";
    db.connection.Backup(copy);
    EXPECT_FALSE(std::filesystem::exists(copy + ".tmp"));

    TADOConnection second;
    second.SetConnectionString("Data Source=" + copy);
    second.Open();
    EXPECT_EQ(Value(second, "select no_vouc from t_vouc"), "Pak Ma'ruf");
    EXPECT_EQ(Value(second, "pragma journal_mode"), "delete");

    EXPECT_THROW(db.connection.Backup(database.Path()), EDatabaseError);
    EXPECT_EQ(Value(db.connection, "select count(*) from t_vouc"), "1");
}

TEST(ConnectionBackup, IsRefusedWhileATransactionIsOpen)
{
    TestDatabase database(Voucher);
    Connected db(database);
    const std::string copy = database.Folder() + "/copy.db";
    TTransaction transaction(db.connection);
    db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");
    EXPECT_THROW(db.connection.Backup(copy), EDatabaseError);
    EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST(SqlFunctions, DateParts)
{
    TestDatabase database(Voucher);
    Connected db(database);
    EXPECT_EQ(Value(db.connection, "select month('2024-03-15')"), "3");
    EXPECT_EQ(Value(db.connection, "select year('2024-03-15')"), "2024");
    EXPECT_EQ(Value(db.connection, "select day('2024-03-15 10:20:30')"), "15");
    EXPECT_EQ(Value(db.connection, "select hour('2024-03-15 10:20:30')"), "10");
    EXPECT_EQ(Value(db.connection, "select minute('2024-03-15 10:20:30')"), "20");
    EXPECT_EQ(Value(db.connection, "select second('2024-03-15 10:20:30')"), "30");
    EXPECT_EQ(Value(db.connection, "select MONTH(null)"), "<null>");
    EXPECT_EQ(Value(db.connection, "select month('not a date')"), "<null>");
    db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10), ('2', 'B', '2024-04-01', 10)");
    EXPECT_EQ(Value(db.connection, "select count(*) from t_vouc where month(tgl_vouc)=3 and year(tgl_vouc)=2024"), "1");
}

TEST(SqlFunctions, StrWritesALeadingBlankForNonNegatives)
{
    TestDatabase database;
    Connected db(database);
    EXPECT_EQ(Value(db.connection, "select '[' || Str(2024) || ']'"), "[ 2024]");
    EXPECT_EQ(Value(db.connection, "select '[' || Str(-5) || ']'"), "[-5]");
    EXPECT_EQ(Value(db.connection, "select '[' || Str(0) || ']'"), "[ 0]");
    EXPECT_EQ(Value(db.connection, "select '[' || Str(1.5) || ']'"), "[ 1.5]");
    EXPECT_EQ(Value(db.connection, "select Str(null)"), "<null>");
}

TEST(SqlFunctions, DateAndTimeComeFromTheProgramClock)
{
    TestDatabase database;
    Connected db(database);
    ManualClock clock(EncodeDate(2024, 3, 9) + EncodeTime(7, 5, 3, 0));
    ClockOverride use(clock);
    EXPECT_EQ(Value(db.connection, "select Date()"), "2024-03-09");
    EXPECT_EQ(Value(db.connection, "select Time()"), "07:05:03");
    EXPECT_EQ(Value(db.connection, "select hour(Time()) * 100 + minute(Time())"), "705");
    EXPECT_EQ(Value(db.connection, "select date('2024-01-31', '+1 day')"), "2024-02-01") << "SQLite's own date() stays";
}

TEST(ConnectionLocking, AWriteBlockedByAnotherConnectionFailsAfterTheTimeout)
{
    TestDatabase database(Voucher);
    Connected holder(database);
    holder.connection.BeginTrans();
    holder.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10)");

    TADOConnection other;
    other.SetConnectionString(database.ConnectionString());
    other.SetCommandTimeout(0);
    other.Open();
    try {
        other.Execute("insert into t_vouc values ('2', 'B', '2024-03-01', 10)");
        FAIL() << "the write went through a held lock";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
    }
    holder.connection.Commit();
    other.Execute("insert into t_vouc values ('2', 'B', '2024-03-01', 10)");
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "2");
}
