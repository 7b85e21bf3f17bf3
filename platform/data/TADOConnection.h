#pragma once
// The one database connection: opens the file named by "Data Source=", runs statements and transactions.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/RegistrationList.h"
#include "platform/core/TComponent.h"
#include "platform/data/DataTypes.h"
#include "platform/data/DbEngine.h"

class TADOConnection : public TComponent {
public:
    explicit TADOConnection(TComponent* AOwner = nullptr);
    ~TADOConnection() override;

    // "Data Source=" names the file; "Mode=Read" opens it read-only; provider, other modes and
    // password keys are ignored.
    const std::string& ConnectionString() const { return connectionString_; }
    void SetConnectionString(const std::string& value);
    std::string DataSource() const;
    bool ReadOnly() const;

    // Seconds a statement, a begin or a backup waits for a locked database (the engine's busy
    // timeout), on an open connection too.
    int CommandTimeout() const { return commandTimeout_; }
    void SetCommandTimeout(int seconds);
    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool value) { loginPrompt_ = value; }

    // A missing file or one that is not a database raises EDatabaseError with the engine's message.
    bool Connected() const;
    void SetConnected(bool value);
    void Open();
    // Closes every data set attached to the connection first; an open transaction is rolled back.
    void Close();

    // Runs a statement (or several) that returns no rows; answers the rows changed.
    int Execute(const std::string& sql, const DbParams& params = {});
    // One statement compiled for many runs; it must be released before the connection closes.
    std::unique_ptr<DbStatement> Prepare(const std::string& sql) { return Engine().Prepare(sql); }

    // Called while a transaction waits to begin for another connection's write, about every tenth
    // of a second (true), and once when the wait is over, whether it began or gave up (false): the
    // program shows that it waits and goes on painting.
    std::function<void(bool waiting)> OnWriteWait;

    // Nestable: the outer level is a transaction that holds the write lock from its start (a
    // read-only connection's only reads), inner levels are savepoints. Answers the new level.
    int BeginTrans();
    // Begins an outer transaction that only reads: every statement in it sees the book as of one
    // moment, and another connection's commit waits until it ends (Commit or Rollback).
    void BeginRead();
    void Commit();
    void Rollback();
    bool InTransaction() const { return transLevel_ > 0; }
    int TransactionLevel() const { return transLevel_; }

    // Writes a consistent copy of the open database to 'path' through a temporary file and a rename.
    // Copying onto the open file itself, or while a transaction is open, is refused.
    void Backup(const std::string& path);
    // Raises what would refuse Backup(path) before it copies, and writes nothing.
    void CheckBackup(const std::string& path);

    int DataSetCount() const { return dataSets_.Count(); }
    TDataSet* DataSets(int index) const;

    // For the data sets: the open engine, raising when not connected.
    DbEngine& Engine();
    void AttachDataSet(TDataSet* dataSet);
    void DetachDataSet(TDataSet* dataSet);

private:
    void BeginWrite(DbEngine& engine);
    // A copy taken inside a transaction would hold writes that may still be rolled back.
    void RefuseBackupInTransaction() const;

    std::string connectionString_;
    int commandTimeout_ = 30;
    bool loginPrompt_ = true;
    int transLevel_ = 0;
    std::unique_ptr<DbEngine> engine_;
    TRegistrationList<TDataSet> dataSets_;
};

// Rolls back on scope exit unless committed: one multi-statement write is all or nothing. One that
// only reads, or writes only the connection's own temporary tables, need not lock the book
// ('lockBook' false): as the outer level it begins as a read (BeginRead), so every statement in it
// sees one moment of the book, and temporary tables take writes in it.
class TTransaction {
public:
    explicit TTransaction(TADOConnection& connection, bool lockBook = true);
    ~TTransaction();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    void Commit();

private:
    TADOConnection& connection_;
    bool done_ = false;
};
