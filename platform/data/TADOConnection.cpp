#include "platform/data/TADOConnection.h"

#include <algorithm>
#include <cctype>
#include <chrono>

#include "platform/core/Exceptions.h"
#include "platform/core/Finally.h"
#include "platform/data/TDataSet.h"

TADOConnection::TADOConnection(TComponent* AOwner)
    : TComponent(AOwner)
{
}

TADOConnection::~TADOConnection()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report a failed rollback; the engine drops the transaction on close.
    }
}

void TADOConnection::SetConnectionString(const std::string& value)
{
    if (Connected())
        throw EDatabaseError("Operation not allowed on an open connection");
    connectionString_ = value;
}

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The value of "Key=" in a connection string of "Key=value" parts separated by ';'; keys match
// without case and after leading blanks.
std::string ConnectionValue(const std::string& connectionString, const std::string& key)
{
    const std::string wanted = Lower(key) + "=";
    size_t start = 0;
    while (start <= connectionString.size()) {
        size_t end = connectionString.find(';', start);
        if (end == std::string::npos)
            end = connectionString.size();
        std::string part = connectionString.substr(start, end - start);
        size_t first = part.find_first_not_of(' ');
        if (first != std::string::npos && part.size() - first >= wanted.size() &&
            Lower(part.substr(first, wanted.size())) == wanted)
            return part.substr(first + wanted.size());
        start = end + 1;
    }
    return {};
}

} // namespace

std::string TADOConnection::DataSource() const
{
    return ConnectionValue(connectionString_, "Data Source");
}

bool TADOConnection::ReadOnly() const
{
    std::string mode = Lower(ConnectionValue(connectionString_, "Mode"));
    mode.erase(mode.find_last_not_of(' ') + 1);
    return mode == "read";
}

void TADOConnection::SetCommandTimeout(int seconds)
{
    commandTimeout_ = std::max(0, seconds);
    if (Connected())
        engine_->SetBusyTimeout(commandTimeout_ * 1000);
}

bool TADOConnection::Connected() const
{
    return engine_ && engine_->IsOpen();
}

void TADOConnection::SetConnected(bool value)
{
    if (value)
        Open();
    else
        Close();
}

void TADOConnection::Open()
{
    if (Connected())
        return;
    const std::string path = DataSource();
    if (path.empty())
        throw EDatabaseError("Connection string has no Data Source");
    auto engine = CreateSqliteEngine();
    engine->Open(path, commandTimeout_ * 1000, ReadOnly());
    engine_ = std::move(engine);
    transLevel_ = 0;
}

void TADOConnection::Close()
{
    dataSets_.Walk([](TDataSet* dataSet) { dataSet->Close(); });
    if (!engine_)
        return;
    // Taken out first, so the connection is closed even when the rollback fails.
    const std::unique_ptr<DbEngine> engine = std::move(engine_);
    const bool rollBack = transLevel_ > 0 && engine->IsOpen();
    transLevel_ = 0;
    if (rollBack)
        engine->Execute("rollback", {});
    engine->Close();
}

DbEngine& TADOConnection::Engine()
{
    if (!Connected())
        throw EDatabaseError("Connection is closed");
    return *engine_;
}

int TADOConnection::Execute(const std::string& sql, const DbParams& params)
{
    return Engine().Execute(sql, params);
}

int TADOConnection::BeginTrans()
{
    DbEngine& engine = Engine();
    // A transaction that may write takes the write lock as it begins, where the busy wait applies;
    // one that read first would be refused at once when it came to write while another writes.
    if (transLevel_ == 0 && ReadOnly())
        engine.Execute("begin", {});
    else if (transLevel_ == 0)
        BeginWrite(engine);
    else
        engine.Execute("savepoint level" + std::to_string(transLevel_ + 1), {});
    return ++transLevel_;
}

void TADOConnection::BeginRead()
{
    if (transLevel_ > 0)
        throw EDatabaseError("A read cannot begin inside a transaction");
    Engine().Execute("begin", {});
    ++transLevel_;
}

void TADOConnection::BeginWrite(DbEngine& engine)
{
    if (!OnWriteWait) {
        engine.Execute("begin immediate", {});
        return;
    }
    // The engine waits in slices, so that the wait can show itself between them; the whole wait is
    // still the command timeout.
    constexpr int sliceMs = 100;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(commandTimeout_);
    bool waited = false;
    engine.SetBusyTimeout(sliceMs);
    Finally restore([&] {
        engine.SetBusyTimeout(commandTimeout_ * 1000);
        if (waited)
            OnWriteWait(false);
    });
    for (;;) {
        try {
            engine.Execute("begin immediate", {});
            return;
        } catch (const EDatabaseBusy&) {
            if (std::chrono::steady_clock::now() >= end)
                throw;
            waited = true;
            OnWriteWait(true);
        }
    }
}

void TADOConnection::Commit()
{
    if (transLevel_ == 0)
        throw EDatabaseError("No transaction is active");
    DbEngine& engine = Engine();
    if (transLevel_ == 1)
        engine.Execute("commit", {});
    else
        engine.Execute("release level" + std::to_string(transLevel_), {});
    --transLevel_;
}

void TADOConnection::Rollback()
{
    if (transLevel_ == 0)
        throw EDatabaseError("No transaction is active");
    DbEngine& engine = Engine();
    const int level = transLevel_--;
    if (level == 1) {
        engine.Execute("rollback", {});
    } else {
        const std::string name = "level" + std::to_string(level);
        engine.Execute("rollback to " + name + "; release " + name, {});
    }
}

void TADOConnection::Backup(const std::string& path)
{
    RefuseBackupInTransaction();
    Engine().Backup(path);
}

void TADOConnection::CheckBackup(const std::string& path)
{
    RefuseBackupInTransaction();
    Engine().CheckBackup(path);
}

void TADOConnection::RefuseBackupInTransaction() const
{
    if (transLevel_ > 0)
        throw EDatabaseError("Cannot back up the database while a transaction is open");
}

TDataSet* TADOConnection::DataSets(int index) const
{
    if (index < 0 || index >= DataSetCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return dataSets_[index];
}

void TADOConnection::AttachDataSet(TDataSet* dataSet)
{
    dataSets_.Add(dataSet);
}

void TADOConnection::DetachDataSet(TDataSet* dataSet)
{
    dataSets_.Remove(dataSet);
}

TTransaction::TTransaction(TADOConnection& connection, bool lockBook)
    : connection_(connection)
{
    if (lockBook || connection_.InTransaction())
        connection_.BeginTrans();
    else
        connection_.BeginRead();
}

TTransaction::~TTransaction()
{
    if (done_)
        return;
    try {
        connection_.Rollback();
    } catch (...) {
        // The error that unwound the scope is the one the caller must see.
    }
}

void TTransaction::Commit()
{
    // A commit that fails leaves the transaction open; the destructor must still roll it back.
    connection_.Commit();
    done_ = true;
}
