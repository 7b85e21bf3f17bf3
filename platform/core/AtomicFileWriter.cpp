#include "platform/core/AtomicFileWriter.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/Exceptions.h"

namespace {

std::string SystemMessage(int error)
{
    return std::strerror(error);
}

// Set by tests: writes fail with 'Error' once 'Allowed' more bytes went through.
struct {
    size_t Allowed = 0;
    int Error = 0;
} writeFault;

ssize_t WriteSome(int fd, std::string_view data)
{
    if (writeFault.Error) {
        if (writeFault.Allowed == 0) {
            errno = writeFault.Error;
            return -1;
        }
        data = data.substr(0, writeFault.Allowed);
    }
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (writeFault.Error && n > 0)
        writeFault.Allowed -= static_cast<size_t>(n);
    return n;
}

// Writes through a symbolic link land on the file it names, not on the link.
std::string ResolveTarget(const std::string& target)
{
    struct stat st{};
    if (lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        auto resolved = std::filesystem::canonical(target, ec);
        if (!ec)
            return resolved.string();
    }
    return target;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& target, mode_t mode)
    : target_(ResolveTarget(target))
{
    static std::atomic<unsigned> counter{0};
    struct stat existing{};
    bool exists = stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        throw EFOpenError("Cannot create file \"" + target + "\". Is a directory");
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempPath_ = TemporaryPrefix(target_) + std::to_string(counter++);
        fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        int error = errno;
        tempPath_.clear();
        throw EFOpenError("Cannot create file \"" + target + "\". " + SystemMessage(error), SystemMessage(error));
    }
    if (exists)
        fchmod(fd_, existing.st_mode & 07777);
}

std::string AtomicFileWriter::TemporaryPrefix(const std::string& target)
{
    return ResolveTarget(target) + ".tmp" + std::to_string(getpid()) + "-";
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (fd_ >= 0)
        close(fd_);
    if (!committed_ && !tempPath_.empty())
        unlink(tempPath_.c_str());
}

void AtomicFileWriter::Write(std::string_view data)
{
    if (fd_ < 0)
        throw EWriteError("Stream write error");
    while (!data.empty()) {
        ssize_t n = WriteSome(fd_, data);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string cause = SystemMessage(n < 0 ? errno : ENOSPC);
            throw EWriteError("Error writing \"" + target_ + "\". " + cause, cause);
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
}

void AtomicFileWriter::Commit()
{
    if (fd_ < 0)
        throw EWriteError("Stream write error");
    int fd = fd_;
    fd_ = -1;
    bool ok = fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && rename(tempPath_.c_str(), target_.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok)
        throw EWriteError("Error writing \"" + target_ + "\". " + SystemMessage(error), SystemMessage(error));
    committed_ = true;
}

void AtomicFileWriter::FailWritesAfter(size_t allowed, int error)
{
    writeFault.Allowed = allowed;
    writeFault.Error = error;
}

void WriteFileReplacing(const std::string& path, std::string_view data)
{
    AtomicFileWriter writer(path);
    writer.Write(data);
    writer.Commit();
}
