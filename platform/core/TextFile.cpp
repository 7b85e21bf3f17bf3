#include "platform/core/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/AtomicFileWriter.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Unicode.h"

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { if (fd_ >= 0) close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

std::string ReadWholeFile(const std::string& path)
{
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct stat st{};
    if (fstat(file.Get(), &st) == 0 && S_ISDIR(st.st_mode))
        throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    std::string data;
    char buffer[65536];
    for (;;) {
        ssize_t n = read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EReadError("Error reading \"" + path + "\". " + std::strerror(errno));
        if (n == 0)
            break;
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

std::string ReadWithoutByteOrderMark(const std::string& path)
{
    std::string data = ReadWholeFile(path);
    if (data.compare(0, 3, "\xEF\xBB\xBF") == 0)
        data.erase(0, 3);
    return data;
}

std::vector<std::string> SplitLines(const std::string& data)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.push_back(data.substr(start, i - start));
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.push_back(data.substr(start));
    return lines;
}

} // namespace

std::vector<std::string> ReadTextFileLines(const std::string& path)
{
    std::string data = ReadWithoutByteOrderMark(path);
    if (!IsValidUtf8(data))
        data = Latin1ToUtf8(data);
    return SplitLines(data);
}

std::vector<std::string> ReadTextFileStoredLines(const std::string& path)
{
    return SplitLines(ReadWithoutByteOrderMark(path));
}

void WriteTextFileLines(const std::string& path, const std::vector<std::string>& lines,
    const std::string& lineEnding)
{
    std::string data;
    for (const std::string& line : lines) {
        data += line;
        data += lineEnding;
    }
    WriteFileReplacing(path, data);
}
