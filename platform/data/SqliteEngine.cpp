#include "platform/data/SqliteEngine.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/core/Exceptions.h"
#include "platform/data/DatabaseCopy.h"

namespace {

// The engine's failure as an exception: one that says the file is at fault when its code does.
[[noreturn]] void Raise(int code, const std::string& message)
{
    using TReason = EDatabaseFileError::TReason;
    switch (code) {
    case SQLITE_READONLY_CANTINIT:
    case SQLITE_READONLY_RECOVERY:
    case SQLITE_READONLY_ROLLBACK:
    case SQLITE_READONLY_DIRECTORY:
        throw EDatabaseFileError(TReason::Unreadable, message);
    case SQLITE_READONLY_DBMOVED:
        throw EDatabaseReplaced(message);
    }
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw EDatabaseBusy(message);
    case SQLITE_CORRUPT:
        throw EDatabaseFileError(TReason::Damaged, message);
    case SQLITE_NOTADB:
        throw EDatabaseFileError(TReason::NotADatabase, message);
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_PERM:
        throw EDatabaseFileError(TReason::Unreadable, message);
    default:
        throw EDatabaseError(message);
    }
}

[[noreturn]] void Raise(sqlite3* db)
{
    Raise(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
}

// The system's words for why the engine could not write the file of 'db' ("No space left on
// device"); empty when the failure was not in the writing.
std::string WriteCause(sqlite3* db, int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        // The engine keeps no system error for a full disk.
        return std::strerror(ENOSPC);
    case SQLITE_IOERR:
        if (code == SQLITE_IOERR_READ || code == SQLITE_IOERR_SHORT_READ || code == SQLITE_IOERR_NOMEM)
            return {};
        [[fallthrough]];
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
        if (const int error = sqlite3_system_errno(db))
            return std::strerror(error);
        return sqlite3_errstr(code);
    default:
        return {};
    }
}

// Owns one prepared statement; the tail points past it in the text.
class Statement {
public:
    Statement(sqlite3* db, const char* sql, const char** tail)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, tail) != SQLITE_OK)
            Raise(db);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void BindValue(sqlite3_stmt* stmt, int index, const Variant& value)
{
    switch (value.GetKind()) {
    case Variant::Kind::Null:
        sqlite3_bind_null(stmt, index);
        break;
    case Variant::Kind::Integer:
        sqlite3_bind_int64(stmt, index, value.AsInteger());
        break;
    case Variant::Kind::Boolean:
        sqlite3_bind_int64(stmt, index, value.AsBoolean() ? 1 : 0);
        break;
    case Variant::Kind::Double:
    case Variant::Kind::Currency:
        sqlite3_bind_double(stmt, index, value.AsFloat());
        break;
    default: {
        const std::string text = value.AsString();
        // The engine's text functions stop at a NUL, so such a value would not read back as written.
        if (text.find('\0') != std::string::npos) {
            std::string message = "The value of parameter ";
            message += sqlite3_bind_parameter_name(stmt, index);
            throw EConvertError(message + " holds a NUL character");
        }
        sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

void BindAll(sqlite3_stmt* stmt, const DbParams& params)
{
    // Names match without case, like the rest of the SQL text.
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= count; ++i) {
        const char* name = sqlite3_bind_parameter_name(stmt, i);
        if (!name || !*name)
            continue;
        for (const auto& [key, value] : params)
            if (sqlite3_stricmp(key.c_str(), name + 1) == 0)
                BindValue(stmt, i, value);
    }
}

Variant ColumnValue(sqlite3_stmt* stmt, int column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return Variant(static_cast<int64_t>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(stmt, column));
    case SQLITE_NULL:
        return Variant();
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return Variant(std::string(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, column))));
    }
    }
}

bool IsBlank(const char* text)
{
    for (; *text; ++text)
        if (!std::isspace(static_cast<unsigned char>(*text)))
            return false;
    return true;
}

}

SqliteEngine::~SqliteEngine()
{
    Close();
}

sqlite3* SqliteEngine::Handle() const
{
    if (!db_)
        throw EDatabaseError("Connection is closed");
    return db_;
}

void SqliteEngine::Fail() const
{
    Raise(db_);
}

void SqliteEngine::Open(const std::string& path, int busyTimeoutMs, bool readOnly)
{
    Close();
    sqlite3* db = nullptr;
    // One thread uses a connection, so the engine's per-call locking is left out.
    int rc = sqlite3_open_v2(path.c_str(), &db,
                             (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const int code = db ? sqlite3_extended_errcode(db) : rc;
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        Raise(code, message + ": " + path);
    }
    db_ = db;
    path_ = path;
    try {
        sqlite3_busy_timeout(db_, busyTimeoutMs);
        sqlite3_extended_result_codes(db_, 1);
        // The probe makes a file that is not a database fail here rather than at the first query.
        Query("select count(*) from sqlite_master", {});
        // Changing the journal mode would write to the file.
        if (!readOnly)
            Execute("pragma journal_mode=DELETE", {});
        RegisterSqlFunctions(db_);
    } catch (...) {
        Close();
        throw;
    }
}

void SqliteEngine::SetBusyTimeout(int busyTimeoutMs)
{
    sqlite3_busy_timeout(Handle(), busyTimeoutMs);
}

void SqliteEngine::Close()
{
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

DbResult SqliteEngine::Query(const std::string& sql, const DbParams& params)
{
    sqlite3* db = Handle();
    DbResult result;
    const char* tail = nullptr;
    Statement statement(db, sql.c_str(), &tail);
    sqlite3_stmt* stmt = statement.get();
    const int columns = stmt ? sqlite3_column_count(stmt) : 0;
    // Checked before the first step, so a statement that writes is never run by an open.
    if (columns == 0)
        throw EDatabaseError("Command text does not return a result set");
    BindAll(stmt, params);
    for (int i = 0; i < columns; ++i) {
        DbColumn column;
        column.name = sqlite3_column_name(stmt, i);
        if (const char* decl = sqlite3_column_decltype(stmt, i))
            column.declType = decl;
        result.columns.push_back(std::move(column));
    }
    for (;;) {
        int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            Fail();
        std::vector<Variant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(ColumnValue(stmt, i));
        result.rows.push_back(std::move(row));
    }
    return result;
}

int SqliteEngine::Execute(const std::string& sql, const DbParams& params)
{
    sqlite3* db = Handle();
    const char* next = sql.c_str();
    int changed = 0;
    while (next && *next && !IsBlank(next)) {
        const char* tail = nullptr;
        Statement statement(db, next, &tail);
        next = tail;
        if (!statement.get())
            continue;
        BindAll(statement.get(), params);
        int rc;
        while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            Fail();
        changed = sqlite3_changes(db);
    }
    return changed;
}

int64_t SqliteEngine::LastInsertRowId() const
{
    return sqlite3_last_insert_rowid(Handle());
}

std::vector<DbTableColumn> SqliteEngine::TableColumns(const std::string& table)
{
    std::vector<DbTableColumn> columns;
    DbResult info = Query("select name, type, pk, \"notnull\" from pragma_table_info(:t)", {{"t", Variant(table)}});
    int keyColumns = 0;
    for (const auto& row : info.rows) {
        DbTableColumn column;
        column.name = row[0].AsString();
        column.declType = row[1].AsString();
        column.primaryKey = row[2].AsInteger() > 0;
        column.notNull = row[3].AsInteger() != 0;
        keyColumns += column.primaryKey ? 1 : 0;
        columns.push_back(std::move(column));
    }
    // Only a single INTEGER PRIMARY KEY is the rowid, numbered by the engine.
    if (keyColumns == 1)
        for (auto& column : columns)
            if (column.primaryKey) {
                std::string type;
                for (char c : column.declType)
                    type += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                column.autoIncrement = type == "INTEGER";
            }
    return columns;
}

void SqliteEngine::CheckIntegrity()
{
    const DbResult found = Query("pragma integrity_check", {});
    if (found.rows.size() == 1 && found.rows[0][0].AsString() == "ok")
        return;
    const std::string first = found.rows.empty() ? "no answer from the integrity check" : found.rows[0][0].AsString();
    throw EDatabaseFileError(EDatabaseFileError::TReason::Damaged, first + ": " + path_);
}

void SqliteEngine::RefuseBackup(const std::string& destinationPath) const
{
    sqlite3* db = Handle();
    // A file moved away from its path is no longer the book, whatever it still holds.
    int moved = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved)
        throw EDatabaseReplaced("The database file was moved or replaced: " + path_);
    std::error_code ec;
    // The copy replaces the destination, so it must not be the open file.
    if (std::filesystem::exists(destinationPath, ec) && std::filesystem::equivalent(destinationPath, path_, ec))
        throw EDatabaseError("Cannot back up a database onto itself: " + destinationPath);
}

void SqliteEngine::CheckBackup(const std::string& destinationPath)
{
    RefuseBackup(destinationPath);
    DatabaseCopy probe(destinationPath);
}

void SqliteEngine::Backup(const std::string& destinationPath)
{
    sqlite3* db = Handle();
    RefuseBackup(destinationPath);
    DatabaseCopy copy(destinationPath);
    sqlite3* target = nullptr;
    if (sqlite3_open_v2(copy.Path().c_str(), &target, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string message = target ? sqlite3_errmsg(target) : "cannot open";
        sqlite3_close(target);
        throw EDatabaseError(message + ": " + copy.Path());
    }
    int rc = SQLITE_OK;
    if (sqlite3_backup* backup = sqlite3_backup_init(target, "main", db, "main")) {
        rc = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (rc == SQLITE_DONE)
            rc = sqlite3_exec(target, "pragma journal_mode=DELETE", nullptr, nullptr, nullptr);
    } else {
        rc = sqlite3_extended_errcode(target);
    }
    if (rc != SQLITE_OK) {
        const std::string cause = WriteCause(target, rc);
        const std::string message = sqlite3_errmsg(target);
        sqlite3_close(target);
        throw EDatabaseError(message + ": " + destinationPath, cause);
    }
    sqlite3_close(target);
    copy.MoveOver();
}

std::unique_ptr<DbEngine> CreateSqliteEngine()
{
    return std::make_unique<SqliteEngine>();
}

namespace {

class SqliteStatement : public DbStatement {
public:
    SqliteStatement(sqlite3* db, const std::string& sql)
        : db_(db)
    {
        const char* tail = nullptr;
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt_, &tail) != SQLITE_OK)
            Raise(db);
        if (!stmt_ || !IsBlank(tail)) {
            sqlite3_finalize(stmt_);
            throw EDatabaseError(stmt_ ? "A prepared statement holds one statement only" : "Command text is empty");
        }
    }
    ~SqliteStatement() override { sqlite3_finalize(stmt_); }

    int ParamCount() const override { return sqlite3_bind_parameter_count(stmt_); }
    void Bind(int index, const Variant& value) override
    {
        if (index < 1 || index > ParamCount())
            throw EDatabaseError("Parameter " + std::to_string(index) + " is out of range");
        // A statement stepped to its end still holds its read; binding needs it reset.
        sqlite3_reset(stmt_);
        BindValue(stmt_, index, value);
    }
    bool Step() override
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        const int code = sqlite3_extended_errcode(db_);
        std::string message = sqlite3_errmsg(db_);
        sqlite3_reset(stmt_);
        Raise(code, message);
    }
    void Reset() override { sqlite3_reset(stmt_); }
    int ColumnCount() const override { return sqlite3_column_count(stmt_); }
    DbType Type(int column) const override
    {
        switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_INTEGER:
            return DbType::Integer;
        case SQLITE_FLOAT:
            return DbType::Float;
        case SQLITE_TEXT:
            return DbType::Text;
        case SQLITE_BLOB:
            return DbType::Blob;
        default:
            return DbType::Null;
        }
    }
    int64_t Integer(int column) const override { return sqlite3_column_int64(stmt_, column); }
    double Float(int column) const override { return sqlite3_column_double(stmt_, column); }
    std::string_view Text(int column) const override
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return text ? std::string_view(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
                    : std::string_view();
    }
    Variant Value(int column) const override { return ColumnValue(stmt_, column); }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace

std::unique_ptr<DbStatement> SqliteEngine::Prepare(const std::string& sql)
{
    return std::make_unique<SqliteStatement>(Handle(), sql);
}
