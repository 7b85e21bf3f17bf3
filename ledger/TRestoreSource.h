#pragma once
// A database file chosen to replace the open books: copied beside them with its logs, and the copy
// checked page by page and for every table of the program before anything is replaced; the file
// chosen is only read, and what goes in place is the copy that was checked, with nobody logged in.
#include <optional>
#include <string>

#include "platform/data/DatabaseCopy.h"
#include "platform/data/TADOConnection.h"

class TRestoreSource {
public:
    using TFault = EDatabaseFileError::TReason;

    // What is wrong with the file at 'path' is in Fault(); raises EDatabaseError only when no copy
    // can be made beside 'target'.
    TRestoreSource(const std::string& path, const std::string& target);
    TRestoreSource(const TRestoreSource&) = delete;
    TRestoreSource& operator=(const TRestoreSource&) = delete;

    // Empty for a sound database of this program.
    std::optional<TFault> Fault() const { return fault_; }
    // Renames the checked copy over 'target' (the file behind it when it is a symbolic link);
    // raises EDatabaseError, leaving 'target' as it was, when that fails.
    void PutInPlace();

private:
    DatabaseCopy copy_;
    std::optional<TFault> fault_;
};
