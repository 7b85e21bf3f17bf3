#include "platform/core/FileCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/AtomicFileWriter.h"
#include "platform/core/Exceptions.h"

namespace {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadOnlyFile() { if (fd_ >= 0) close(fd_); }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Answers false when 'in' cannot be read.
bool WriteAll(const ReadOnlyFile& in, AtomicFileWriter& out)
{
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = read(in.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out.Write(std::string_view(buffer, static_cast<size_t>(n)));
    }
}

bool IsReadableFile(const ReadOnlyFile& in, struct stat& status)
{
    return in.Get() >= 0 && fstat(in.Get(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

bool CopyFile(const std::string& source, const std::string& target, bool failIfExists)
{
    ReadOnlyFile in(source);
    struct stat from{};
    if (!IsReadableFile(in, from))
        return false;
    struct stat to{};
    bool exists = stat(target.c_str(), &to) == 0;
    if (exists && (failIfExists || (to.st_dev == from.st_dev && to.st_ino == from.st_ino)))
        return false;
    try {
        AtomicFileWriter out(target, from.st_mode & 0777);
        if (!WriteAll(in, out))
            return false;
        out.Commit();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool CopyContent(const std::string& source, AtomicFileWriter& out)
{
    ReadOnlyFile in(source);
    struct stat from{};
    return IsReadableFile(in, from) && WriteAll(in, out);
}
