#include "ledger/BooksCopy.h"

#include <filesystem>

#include "ledger/LoginState.h"
#include "platform/core/Exceptions.h"

std::string BooksFolder()
{
    std::error_code ec;
    const auto books = std::filesystem::absolute(LoginState().DbPath, ec);
    return !ec && books.has_filename() ? books.parent_path().string() : "";
}

std::string CopyFailureReason(const std::exception& Error)
{
    const auto* known = dynamic_cast<const Exception*>(&Error);
    return known && !known->Cause().empty() ? "The copy cannot be written: " + known->Cause() + "." : "";
}
