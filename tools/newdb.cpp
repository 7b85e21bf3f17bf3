// newdb SCHEMA TARGET: makes a fresh database file from the schema script.
// Refuses to overwrite an existing file; leaves no file behind when the script fails.
#include <cstdio>
#include <exception>

#include "NewDatabase.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: newdb SCHEMA.sql TARGET.db\n");
        return 2;
    }
    try {
        MakeDatabaseFromSchema(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "newdb: %s\n", e.what());
        return 1;
    }
    return 0;
}
