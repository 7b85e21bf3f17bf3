#pragma once
// The database engine behind a connection: SQLite today, a client-server engine may follow.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Variant.h"

struct DbColumn {
    std::string name;
    std::string declType;  // declared column type, empty for expressions
    std::string table;     // source table of a plain column reference, else empty
};

struct DbTableColumn {
    std::string name;
    std::string declType;
    bool primaryKey = false;
    bool autoIncrement = false;
    bool notNull = false;
};

// Rows hold the engine's own values: Null, integer, double or text.
struct DbResult {
    std::vector<DbColumn> columns;
    std::vector<std::vector<Variant>> rows;
};

// Named parameters without their colon, bound by name.
using DbParams = std::vector<std::pair<std::string, Variant>>;

class DbEngine {
public:
    virtual ~DbEngine() = default;

    // Raises EDatabaseError with the engine's message; never creates a missing database. A
    // read-only open never writes to the file, whatever statements run on it.
    virtual void Open(const std::string& path, int busyTimeoutMs, bool readOnly) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual DbResult Query(const std::string& sql, const DbParams& params) = 0;
    // Runs every statement of the text; answers the rows changed by the last one.
    virtual int Execute(const std::string& sql, const DbParams& params) = 0;
    virtual int64_t LastInsertRowId() const = 0;
    virtual std::vector<DbTableColumn> TableColumns(const std::string& table) = 0;
    // A consistent copy of the open database into another file.
    virtual void Backup(const std::string& destinationPath) = 0;
};

std::unique_ptr<DbEngine> CreateSqliteEngine();
