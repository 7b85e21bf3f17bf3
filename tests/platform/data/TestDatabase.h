#pragma once
// A database file of its own per test, made with plain SQLite (the connection never creates one).
#include <sqlite3.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "platform/data/TADOConnection.h"

class TestDatabase {
public:
    explicit TestDatabase(const std::string& script = {})
    {
        static std::atomic<int> counter{0};
        dir_ = std::filesystem::temp_directory_path()
            / ("bukura_data_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "test.db").string();
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        char* error = nullptr;
        const int rc = sqlite3_exec(db, ("pragma user_version=1;" + script).c_str(), nullptr, nullptr, &error);
        std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        if (rc != SQLITE_OK)
            throw std::runtime_error(message);
    }
    ~TestDatabase()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const std::string& Path() const { return path_; }
    std::string Folder() const { return dir_.string(); }
    std::string ConnectionString() const
    {
        return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path_ + ";Mode=Share Deny None;Persist Security Info=False";
    }

    // Reads one value with a separate SQLite handle, as another program would see the file.
    std::string Scalar(const std::string& sql) const
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        std::string result = "<none>";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            result = sqlite3_column_type(stmt, 0) == SQLITE_NULL
                ? "<null>"
                : reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return result;
    }

private:
    std::filesystem::path dir_;
    std::string path_;
};

// A connection opened on a test database.
class Connected {
public:
    explicit Connected(const TestDatabase& database)
    {
        connection.SetConnectionString(database.ConnectionString());
        connection.SetCommandTimeout(60);
        connection.Open();
    }
    TADOConnection connection;
};
