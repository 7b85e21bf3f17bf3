#pragma once
// Replaces a file as a whole: data goes to a temporary file in the target's folder, which is
// renamed over the target only when everything was written, so a failure leaves the old file.
#include <string>
#include <string_view>
#include <sys/types.h>

class AtomicFileWriter {
public:
    // Raises EFOpenError when the temporary file cannot be created. A new file gets 'mode'
    // (less the umask); an existing target keeps its own permissions.
    explicit AtomicFileWriter(const std::string& target, mode_t mode = 0666);
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Raises EWriteError.
    void Write(std::string_view data);
    // Flushes, closes and renames over the target; raises EWriteError.
    void Commit();

    const std::string& TemporaryPath() const { return tempPath_; }
    // How the names of the temporary files this process makes for 'target' begin, beside the
    // file that a symbolic link 'target' names.
    static std::string TemporaryPrefix(const std::string& target);
    // Makes the writes of every writer fail with 'error' (an errno value) once 'allowed' more bytes
    // went through, as a full disk does; an error of 0 lets them through again. For tests.
    static void FailWritesAfter(size_t allowed, int error);

private:
    std::string target_;
    std::string tempPath_;
    int fd_ = -1;
    bool committed_ = false;
};

// Writes 'data' as the whole new content of 'path' through an AtomicFileWriter.
void WriteFileReplacing(const std::string& path, std::string_view data);
