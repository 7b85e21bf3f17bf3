#pragma once
// The exception kinds the framework raises; every error the program shows is one of these.
#include <stdexcept>
#include <string>
#include <utility>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message, std::string cause = {})
        : std::runtime_error(message), cause_(std::move(cause))
    {
    }
    std::string Message() const { return what(); }
    // The system's own words for why ("No space left on device"), without the names of files;
    // empty when the message is all there is.
    const std::string& Cause() const { return cause_; }

private:
    std::string cause_;
};

// Bad text for a number, date, colour or field value.
class EConvertError : public Exception { using Exception::Exception; };
// Index out of range in any list or collection.
class EListError : public Exception { using Exception::Exception; };
// A message from the database engine or the data layer.
class EDatabaseError : public Exception { using Exception::Exception; };
// An operation that the object's state does not allow.
class EInvalidOperation : public Exception { using Exception::Exception; };
// Assign between two persistents that do not know each other.
class EConvertAssignError : public Exception { using Exception::Exception; };
// A file that cannot be opened, read or written.
class EFOpenError : public Exception { using Exception::Exception; };
class EReadError : public Exception { using Exception::Exception; };
class EWriteError : public Exception { using Exception::Exception; };
// A compressed stream that cannot be inflated.
class EDecompressionError : public Exception { using Exception::Exception; };
class ECompressionError : public Exception { using Exception::Exception; };
// Registry misuse in the skin engine.
class EProcItemError : public Exception { using Exception::Exception; };
class ETeItemError : public Exception { using Exception::Exception; };
// Drawing surface kinds the canvas names but never raises.
class EOutOfResources : public Exception { using Exception::Exception; };

// Ends a handler or a BeforePost without a message box; the message loop swallows it.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

[[noreturn]] inline void Abort() { throw EAbort(); }

// A result outside the range of its type (a currency sum beyond int64 ten-thousandths).
class EOverflow : public Exception { using Exception::Exception; };
