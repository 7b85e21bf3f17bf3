#pragma once
// Makes a fresh database file from a schema script: the logic of tools/newdb, shared with the tests.
// Self-contained (standard library and sqlite3 only) because newdb links nothing else.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// Runs the script in one transaction. Refuses an existing target and leaves it as it is;
// when the script fails, no file is left behind.
inline void MakeDatabaseFromSchema(const std::string& schemaPath, const std::string& target)
{
    std::ifstream in(schemaPath, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + schemaPath);
    std::ostringstream script;
    script << in.rdbuf();

    std::error_code ec;
    if (std::filesystem::exists(target, ec))
        throw std::runtime_error(target + " already exists; it is left as it is");

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(target.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* error = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "begin;", nullptr, nullptr, &error);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, script.str().c_str(), nullptr, nullptr, &error);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "commit;", nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : (db ? sqlite3_errmsg(db) : "cannot create the file");
        sqlite3_free(error);
        sqlite3_close(db);
        std::filesystem::remove(target, ec);
        throw std::runtime_error(message);
    }
    sqlite3_close(db);
}
