#pragma once
// A fresh database file made from ledger/schema.sql for one test, removed afterwards.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "tools/NewDatabase.h"

inline std::string SchemaPath() { return std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql"; }

// A unique path in the temporary folder; nothing is created there.
inline std::string TempDatabasePath(const std::string& stem = "ledger")
{
    static std::atomic<int> counter{0};
    return (std::filesystem::temp_directory_path()
        / ("bukura-" + stem + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".db")).string();
}

class TempDatabase {
public:
    TempDatabase() : path_(TempDatabasePath()) { MakeDatabaseFromSchema(SchemaPath(), path_); }
    ~TempDatabase()
    {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
        std::filesystem::remove(path_ + "-journal", ec);
    }
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
