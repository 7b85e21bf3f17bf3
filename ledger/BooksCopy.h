#pragma once
// What the windows that copy the books (the backup and the year-end closing) share.
#include <exception>
#include <string>

// The folder of the open books, where a user's copy of them is most often kept; empty when unknown.
std::string BooksFolder();

// Why a copy could not be written, as the system says it ("The copy cannot be written: No space
// left on device."); empty when the error does not say.
std::string CopyFailureReason(const std::exception& Error);
