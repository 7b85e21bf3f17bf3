#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

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

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() : database(Voucher), db(database) {}
    void Insert(const std::string& id, TADOConnection& connection)
    {
        connection.Execute("insert into t_vouc values ('" + id + "', 'A', '2024-03-01', 10)");
    }
    TestDatabase database;
    Connected db;
};

} // namespace

TEST(ConnectionOpen, ReadsThePathFromDataSourceAndRefusesMissingFilesAndNonDatabases)
{
    TestDatabase database(Voucher);
    TADOConnection connection;
    connection.SetConnectionString("Provider=X;data source=" + database.Path() + ";Jet OLEDB:Database Password=teh_manis7");
    EXPECT_EQ(connection.DataSource(), database.Path());
    connection.SetConnected(true);
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(Value(connection, "pragma journal_mode"), "delete");
    connection.SetConnected(false);
    EXPECT_FALSE(connection.Connected());

    const std::string missing = database.Folder() + "/missing.db";
    connection.SetConnectionString("Data Source=" + missing);
    EXPECT_THROW(connection.Open(), EDatabaseError);
    EXPECT_FALSE(std::filesystem::exists(missing));
    const std::string text = database.Folder() + "/notes.txt";
    std::ofstream(text) << "This is a plain text file and certainly not a database, whatever its name says.\n";
    connection.SetConnectionString("Data Source=" + text);
    try {
        connection.Open();
        FAIL() << "a text file was accepted";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("not a database"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(connection.Connected());
}

TEST_F(ConnectionTest, ModeReadNeverWritesToTheFile)
{
    Insert("1", db.connection);
    db.connection.Close();
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
    EXPECT_THROW(Insert("2", reader), EDatabaseError);
    EXPECT_THROW(reader.Execute("pragma user_version=7"), EDatabaseError);
    {
        TTransaction reading(reader);
        EXPECT_EQ(Value(reader, "select count(*) from t_vouc"), "1");
        reading.Commit();
    }
    reader.Close();
    EXPECT_EQ(bytes(), before);

    reader.SetConnectionString("Data Source=" + database.Path() + ";Mode=Share Deny None");
    EXPECT_FALSE(reader.ReadOnly());
    reader.Open();
    Insert("2", reader);
    EXPECT_EQ(Value(reader, "select count(*) from t_vouc"), "2");
}

TEST_F(ConnectionTest, ClosingOrFreeingClosesEveryAttachedDataSet)
{
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
    {
        Connected other(database);
        first.SetConnection(&other.connection);
        first.Open();
    }
    EXPECT_FALSE(first.Active());
    EXPECT_EQ(first.Connection(), nullptr);
    EXPECT_THROW(first.Open(), EDatabaseError);
}

TEST_F(ConnectionTest, ClosingSkipsADataSetThatAnotherOnesCloseFreed)
{
    TADOQuery first;
    auto* second = new TADOQuery;
    for (TADOQuery* query : {&first, second}) {
        query->SetConnection(&db.connection);
        query->SQL().Add("select * from t_vouc");
        query->Open();
    }
    first.AfterClose = [&](TDataSet*) {
        delete second;
        second = nullptr;
    };
    db.connection.Close();
    EXPECT_FALSE(first.Active());
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(db.connection.DataSetCount(), 1);
}

TEST_F(ConnectionTest, InnerTransactionLevelsAreSavepointsAndOnlyTheOuterCommitWrites)
{
    db.connection.BeginTrans();
    Insert("0", db.connection);
    db.connection.Rollback();
    EXPECT_THROW(db.connection.Commit(), EDatabaseError);
    EXPECT_EQ(db.connection.BeginTrans(), 1);
    Insert("1", db.connection);
    EXPECT_EQ(db.connection.BeginTrans(), 2);
    Insert("2", db.connection);
    db.connection.Rollback();
    EXPECT_EQ(db.connection.BeginTrans(), 2);
    Insert("3", db.connection);
    db.connection.Commit();
    EXPECT_TRUE(db.connection.InTransaction());
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "0") << "nothing is visible before the outer commit";
    db.connection.Commit();
    EXPECT_EQ(database.Scalar("select group_concat(id_vouc) from t_vouc"), "1,3");
    db.connection.BeginTrans();
    Insert("4", db.connection);
    db.connection.Close();
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "2") << "closing rolls back";
}

TEST_F(ConnectionTest, TheGuardRollsBackWhenAStatementFails)
{
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

TEST_F(ConnectionTest, BackupCopiesTheOpenDatabaseButNeverItselfOrMidTransaction)
{
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
    const std::string other = database.Folder() + "/other.db";
    TTransaction transaction(db.connection);
    Insert("2", db.connection);
    EXPECT_THROW(db.connection.Backup(other), EDatabaseError);
    EXPECT_FALSE(std::filesystem::exists(other));
}

TEST_F(ConnectionTest, SqlFunctionsReadIsoTextAndTheProgramClockAndStrLeavesABlank)
{
    EXPECT_EQ(Value(db.connection, "select month('2024-03-15') || year('2024-03-15') || day('2024-03-15 10:20:30')"),
        "3202415");
    EXPECT_EQ(Value(db.connection, "select hour('2024-03-15 10:20:30') || minute('2024-03-15 10:20:30') || "
                                   "second('2024-03-15 10:20:30')"),
        "102030");
    EXPECT_EQ(Value(db.connection, "select MONTH(null)"), "<null>");
    EXPECT_EQ(
        Value(db.connection, "select '[' || Str(2024) || '][' || Str(-5) || '][' || Str(0) || '][' || Str(1.5) || ']'"),
        "[ 2024][-5][ 0][ 1.5]");
    EXPECT_EQ(Value(db.connection, "select Str(null)"), "<null>");
    EXPECT_EQ(Value(db.connection, "select month('not a date')"), "<null>");
    db.connection.Execute("insert into t_vouc values ('1', 'A', '2024-03-01', 10), ('2', 'B', '2024-04-01', 10)");
    EXPECT_EQ(Value(db.connection, "select count(*) from t_vouc where month(tgl_vouc)=3 and year(tgl_vouc)=2024"), "1");

    ManualClock clock(EncodeDate(2024, 3, 9) + EncodeTime(7, 5, 3, 0));
    ClockOverride use(clock);
    EXPECT_EQ(Value(db.connection, "select Date() || ' ' || Time()"), "2024-03-09 07:05:03");
    EXPECT_EQ(Value(db.connection, "select hour(Time()) * 100 + minute(Time())"), "705");
    EXPECT_EQ(Value(db.connection, "select date('2024-01-31', '+1 day')"), "2024-02-01") << "SQLite's own date() stays";
}

TEST_F(ConnectionTest, AWriteBlockedByAnotherConnectionWaitsTheTimeoutFromItsBeginAndTheBackupWaitsToo)
{
    db.connection.BeginTrans();
    Insert("1", db.connection);
    TADOConnection other;
    other.SetConnectionString(database.ConnectionString());
    other.SetCommandTimeout(0);
    other.Open();
    try {
        Insert("2", other);
        FAIL() << "the write went through a held lock";
    } catch (const EDatabaseError& error) {
        EXPECT_NE(std::string(error.what()).find("locked"), std::string::npos) << error.what();
    }
    db.connection.Commit();
    Insert("2", other);
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "2");

    // A transaction that reads, then writes, waits out a write held for a second, with the
    // timeout set on the open connection.
    other.SetCommandTimeout(20);
    db.connection.BeginTrans();
    Insert("3", db.connection);
    std::jthread holder([&] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        db.connection.Commit();
    });
    // The wait shows itself as it goes, and says once that it is over.
    std::vector<bool> waits;
    other.OnWriteWait = [&](bool waiting) { waits.push_back(waiting); };
    {
        TTransaction transaction(other);
        const std::string count = Value(other, "select count(*) from t_vouc");
        Insert("4", other);
        transaction.Commit();
        EXPECT_EQ(count, "3") << "the transaction began after the other's commit";
    }
    holder.join();
    ASSERT_GE(waits.size(), 3u);
    EXPECT_EQ(std::count(waits.begin(), waits.end(), false), 1);
    EXPECT_FALSE(waits.back());
    waits.clear();
    TTransaction unhindered(other);
    EXPECT_TRUE(waits.empty());
    unhindered.Commit();
    EXPECT_EQ(database.Scalar("select count(*) from t_vouc"), "4");

    // The backup waits out a commit in progress, which shuts readers out, as a query does.
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open_v2(database.Path().c_str(), &writer, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "begin exclusive; insert into t_vouc values ('5', 'E', '2024-03-05', 1)",
                  nullptr, nullptr, nullptr), SQLITE_OK);
    std::jthread committer([&] {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        sqlite3_exec(writer, "commit", nullptr, nullptr, nullptr);
    });
    const std::string copy = database.Folder() + "/copy.db";
    EXPECT_NO_THROW(other.Backup(copy));
    committer.join();
    sqlite3_close(writer);
    TADOConnection copied;
    copied.SetConnectionString("Data Source=" + copy);
    copied.Open();
    EXPECT_EQ(Value(copied, "select count(*) from t_vouc"), "5");

    // A read holds its statements to one moment: another's commit waits for its end.
    ASSERT_EQ(sqlite3_open_v2(database.Path().c_str(), &writer, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    {
        TTransaction read(other, false);
        EXPECT_EQ(Value(other, "select count(*) from t_vouc"), "5");
        EXPECT_EQ(sqlite3_exec(writer, "insert into t_vouc values ('6', 'F', '2024-03-06', 1)", nullptr, nullptr,
                      nullptr), SQLITE_BUSY);
        TTransaction inner(other, false);
        EXPECT_EQ(Value(other, "select count(*) from t_vouc"), "5");
    }
    EXPECT_FALSE(other.InTransaction());
    EXPECT_EQ(sqlite3_exec(writer, "insert into t_vouc values ('6', 'F', '2024-03-06', 1)", nullptr, nullptr,
                  nullptr), SQLITE_OK);
    sqlite3_close(writer);
    EXPECT_EQ(Value(other, "select count(*) from t_vouc"), "6");
}
