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

} // namespace

bool CopyFile(const std::string& source, const std::string& target, bool failIfExists)
{
    ReadOnlyFile in(source);
    struct stat from{};
    if (in.Get() < 0 || fstat(in.Get(), &from) != 0 || !S_ISREG(from.st_mode))
        return false;
    struct stat to{};
    bool exists = stat(target.c_str(), &to) == 0;
    if (exists && (failIfExists || (to.st_dev == from.st_dev && to.st_ino == from.st_ino)))
        return false;
    try {
        AtomicFileWriter out(target, from.st_mode & 0777);
        char buffer[1 << 16];
        for (;;) {
            ssize_t n = read(in.Get(), buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            out.Write(std::string_view(buffer, static_cast<size_t>(n)));
        }
        out.Commit();
        return true;
    } catch (const Exception&) {
        return false;
    }
}
