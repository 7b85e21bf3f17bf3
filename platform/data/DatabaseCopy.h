#pragma once
// A new database file made beside the one it is to replace and renamed over it when whole, so the
// replaced file is always the old one or the whole copy. Until then the program's settings
// remember how its name begins, so that what a killed program left behind is removed at the next
// start; no file the program did not make is ever removed.
#include <memory>
#include <string>

class AtomicFileWriter;

class DatabaseCopy {
public:
    // 'destination' through a symbolic link is the file the link names. Raises EDatabaseError when
    // no new file can be made beside it.
    explicit DatabaseCopy(const std::string& destination);
    // Removes the new file and the engine's files beside it, unless it was moved into place.
    ~DatabaseCopy();
    DatabaseCopy(const DatabaseCopy&) = delete;
    DatabaseCopy& operator=(const DatabaseCopy&) = delete;

    // The new file, empty at first.
    const std::string& Path() const;
    // Fills the new file with the bytes of the database 'source' and of the logs beside it;
    // answers false when one cannot be read. Raises EDatabaseError, with the system's cause, when
    // the new file or a log beside it cannot be written.
    bool CopyFrom(const std::string& source);
    // Renames the new file over the destination, which keeps its permissions; raises EDatabaseError.
    void MoveOver();

private:
    std::unique_ptr<AtomicFileWriter> file_;
    std::string record_;
};

// Removes the files of a copy that a killed program left unfinished.
void RemoveCopyLeftovers();
