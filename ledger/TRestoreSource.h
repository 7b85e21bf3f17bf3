#pragma once
// A database file chosen to replace the open books: opened read-only (its write-ahead log read with
// it) and checked page by page and for every table of the program before anything is replaced.
#include <optional>
#include <string>

#include "platform/data/TADOConnection.h"

class TRestoreSource {
public:
    using TFault = EDatabaseFileError::TReason;

    // Never raises: what is wrong with the file is in Fault().
    explicit TRestoreSource(const std::string& path);
    TRestoreSource(const TRestoreSource&) = delete;
    TRestoreSource& operator=(const TRestoreSource&) = delete;

    // Empty for a sound database of this program.
    std::optional<TFault> Fault() const { return fault_; }
    // Puts a consistent copy of the checked file in place of 'target' through a new file beside
    // it and a rename; raises EDatabaseError, leaving 'target' as it was, when that fails.
    void CopyOver(const std::string& target);

private:
    TADOConnection connection_;
    std::optional<TFault> fault_;
};
