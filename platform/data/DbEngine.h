#pragma once
// The database engine behind a connection: SQLite today, a client-server engine may follow.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"

// A database file the engine refuses, and why: it cannot be read, it is not a database, or it is
// damaged. The reason is what a user can act on; the message is the engine's own.
class EDatabaseFileError : public EDatabaseError {
public:
    enum class TReason { Unreadable, NotADatabase, Damaged };
    EDatabaseFileError(TReason reason, const std::string& message) : EDatabaseError(message), reason_(reason) {}
    TReason Reason() const { return reason_; }

private:
    TReason reason_;
};

// Another connection kept the write lock past the busy timeout; the statement did nothing.
class EDatabaseBusy : public EDatabaseError { using EDatabaseError::EDatabaseError; };

// The open file was renamed, removed or replaced by another program (a restore): the connection
// still reads the old file, and no write can reach the book at its path any more.
class EDatabaseReplaced : public EDatabaseError { using EDatabaseError::EDatabaseError; };

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

enum class DbType { Null, Integer, Float, Text, Blob };

// One statement compiled once and run many times with new values. Rows are read while they are
// stepped, so a long result never sits in memory. Parameters and columns count as the engine
// counts them: parameters from 1, columns from 0.
class DbStatement {
public:
    virtual ~DbStatement() = default;
    virtual int ParamCount() const = 0;
    // Bindings stay until they are bound again, across Reset.
    virtual void Bind(int index, const Variant& value) = 0;
    // Advances to the next row; false when the statement is done. Raises EDatabaseError.
    virtual bool Step() = 0;
    // Ready to run again from the start.
    virtual void Reset() = 0;
    virtual int ColumnCount() const = 0;
    virtual DbType Type(int column) const = 0;
    bool IsNull(int column) const { return Type(column) == DbType::Null; }
    // The current row's value as an integer, as a double or as text (numbers converted as the
    // engine converts them); the text view is valid until the next Step or Reset.
    virtual int64_t Integer(int column) const = 0;
    virtual double Float(int column) const = 0;
    virtual std::string_view Text(int column) const = 0;
    // The value in the engine's own type: Null, integer, double or text.
    virtual Variant Value(int column) const = 0;
};

class DbEngine {
public:
    virtual ~DbEngine() = default;

    // Raises EDatabaseError with the engine's message (EDatabaseFileError when the file itself is
    // at fault); never creates a missing database. A read-only open never writes to the file,
    // whatever statements run on it.
    virtual void Open(const std::string& path, int busyTimeoutMs, bool readOnly) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // How long a statement, a begin or a backup waits for another connection's lock.
    virtual void SetBusyTimeout(int busyTimeoutMs) = 0;
    virtual DbResult Query(const std::string& sql, const DbParams& params) = 0;
    // Runs every statement of the text; answers the rows changed by the last one.
    virtual int Execute(const std::string& sql, const DbParams& params) = 0;
    virtual int64_t LastInsertRowId() const = 0;
    // Raises EDatabaseError for text that is not exactly one statement.
    virtual std::unique_ptr<DbStatement> Prepare(const std::string& sql) = 0;
    virtual std::vector<DbTableColumn> TableColumns(const std::string& table) = 0;
    // Reads every page and index of the file; raises EDatabaseFileError naming the first fault.
    virtual void CheckIntegrity() = 0;
    // A consistent copy of the open database into a new file beside the destination, renamed
    // over it when complete, so the destination is always the old file or the whole copy. Waits the
    // busy timeout for another connection's commit. Raises what CheckBackup raises.
    virtual void Backup(const std::string& destinationPath) = 0;
    // Raises, copying nothing, what refuses a Backup before it copies: EDatabaseReplaced when the
    // open file is no longer at its path, EDatabaseError when the destination is the open file or
    // no new file can be made beside it (with the system's cause).
    virtual void CheckBackup(const std::string& destinationPath) = 0;
};

std::unique_ptr<DbEngine> CreateSqliteEngine();
