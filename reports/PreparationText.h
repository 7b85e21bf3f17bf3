#pragma once
// Small text rules shared by the report preparations: checked inputs and SQL literals.
#include <string>

#include "platform/core/Variant.h"

namespace PreparationText {

// "1" to "12" (leading zeros allowed) as a number; anything else raises EConvertError.
int CheckedMonth(const std::string& month);
// A unit id is pasted into SQL, so it must be a whole number; raises EConvertError otherwise.
std::string CheckedUnit(const std::string& unit);
// Upper case of the ASCII letters only, as the reports print names.
std::string UpperAscii(std::string text);
// A quoted SQL text literal through the one quoting routine.
std::string Quoted(const std::string& text);
// A quoted ISO date, or null for a missing date.
std::string SqlDate(const Variant& value);
// The first three characters, the prefix that ties sub-accounts to their header account.
std::string CodePrefix(const std::string& code);

} // namespace PreparationText
