#include "platform/data/DatabaseCopy.h"

#include <cstdlib>
#include <filesystem>

#include "platform/core/AtomicFileWriter.h"
#include "platform/core/ConfigStore.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileCopy.h"
#include "platform/core/ProgramInstance.h"

namespace fs = std::filesystem;

namespace {

const char* const RecordSection = "Database copy";
const char* const RecordName = "Unfinished";

// The logs the engine keeps beside a database file.
const char* const EngineFiles[] = {"-journal", "-wal", "-shm"};

// Forgets the record unless another copy has written its own meanwhile.
void Forget(const std::string& record)
{
    if (!record.empty() && ProgramConfig().ReadString(RecordSection, RecordName) == record)
        ProgramConfig().WriteString(RecordSection, RecordName, "");
}

} // namespace

DatabaseCopy::DatabaseCopy(const std::string& destination)
{
    // Remembered before the file exists, so no moment leaves a file the next start does not know.
    record_ = std::to_string(ProcessId()) + " " + fs::absolute(AtomicFileWriter::TemporaryPrefix(destination)).string();
    if (!ProgramConfig().WriteString(RecordSection, RecordName, record_))
        record_.clear();
    try {
        file_ = std::make_unique<AtomicFileWriter>(destination);
    } catch (const Exception& e) {
        Forget(record_);
        throw EDatabaseError(e.Message(), e.Cause());
    }
}

DatabaseCopy::~DatabaseCopy()
{
    if (file_) {
        std::error_code ec;
        for (const char* suffix : EngineFiles)
            fs::remove(file_->TemporaryPath() + suffix, ec);
        file_.reset();
    }
    Forget(record_);
}

const std::string& DatabaseCopy::Path() const
{
    return file_->TemporaryPath();
}

bool DatabaseCopy::CopyFrom(const std::string& source)
{
    try {
        if (!CopyContent(source, *file_))
            return false;
        std::error_code ec;
        for (const char* log : {"-wal", "-journal"}) {
            if (!fs::exists(source + log, ec))
                continue;
            // Written as the file itself is, so a log that cannot be written is not taken for unreadable.
            AtomicFileWriter copy(Path() + log);
            if (!CopyContent(source + log, copy))
                return false;
            copy.Commit();
        }
        return true;
    } catch (const Exception& e) {
        throw EDatabaseError(e.Message(), e.Cause());
    }
}

void DatabaseCopy::MoveOver()
{
    try {
        file_->Commit();
    } catch (const Exception& e) {
        throw EDatabaseError(e.Message(), e.Cause());
    }
    file_.reset();
    Forget(record_);
}

void RemoveCopyLeftovers()
{
    const std::string record = ProgramConfig().ReadString(RecordSection, RecordName);
    const size_t blank = record.find(' ');
    if (blank == std::string::npos)
        return;
    const int process = static_cast<int>(std::atol(record.substr(0, blank).c_str()));
    if (ProcessRunning(process))
        return;
    const fs::path prefix = record.substr(blank + 1);
    const std::string start = prefix.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(prefix.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (!start.empty() && name.starts_with(start) && it->is_regular_file(ignored))
            fs::remove(it->path(), ignored);
    }
    Forget(record);
}
