// newdb SCHEMA TARGET: makes a fresh database file from the schema script.
// Refuses to overwrite an existing file; leaves no file behind when the script fails.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: newdb SCHEMA.sql TARGET.db\n");
        return 2;
    }
    const std::string schemaPath = argv[1];
    const std::string target = argv[2];

    std::ifstream in(schemaPath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "newdb: cannot read %s\n", schemaPath.c_str());
        return 1;
    }
    std::ostringstream script;
    script << in.rdbuf();

    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        std::fprintf(stderr, "newdb: %s already exists; it is left as it is\n", target.c_str());
        return 1;
    }

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
        std::fprintf(stderr, "newdb: %s\n", error ? error : sqlite3_errmsg(db));
        sqlite3_free(error);
        sqlite3_close(db);
        std::filesystem::remove(target, ec);
        return 1;
    }
    sqlite3_close(db);
    return 0;
}
