#pragma once
// The SQLite engine: the database file opened read-write or read-only (never created), with the
// program's SQL functions.
#include <sqlite3.h>

#include "platform/data/DbEngine.h"

class SqliteEngine : public DbEngine {
public:
    SqliteEngine() = default;
    ~SqliteEngine() override;
    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    void Open(const std::string& path, int busyTimeoutMs, bool readOnly) override;
    void Close() override;
    bool IsOpen() const override { return db_ != nullptr; }
    void SetBusyTimeout(int busyTimeoutMs) override;
    DbResult Query(const std::string& sql, const DbParams& params) override;
    int Execute(const std::string& sql, const DbParams& params) override;
    int64_t LastInsertRowId() const override;
    std::unique_ptr<DbStatement> Prepare(const std::string& sql) override;
    std::vector<DbTableColumn> TableColumns(const std::string& table) override;
    void CheckIntegrity() override;
    void Backup(const std::string& destinationPath) override;
    void CheckBackup(const std::string& destinationPath) override;

private:
    sqlite3* Handle() const;
    [[noreturn]] void Fail() const;
    // The refusals of a backup that need no new file.
    void RefuseBackup(const std::string& destinationPath) const;

    sqlite3* db_ = nullptr;
    std::string path_;
};

// Registers month, year, day, hour, minute, second, Str, Date() and Time() on a connection.
void RegisterSqlFunctions(sqlite3* db);
