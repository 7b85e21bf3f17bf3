#pragma once
// The one quoting routine for text placed in SQL text or in a filter literal.
#include <string>

// Doubles every single quote; the caller writes the enclosing quotes: "where kode='" + SqlText(kode) + "'".
// Text without quotes comes back byte-identical; text holding a NUL character raises EConvertError.
std::string SqlText(const std::string& value);
