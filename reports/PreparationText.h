#pragma once
// Small text rules shared by the report preparations: SQL literals and account-code prefixes.
// The checks on months and unit ids and the SQL date literal are the ledger's (SqlRoutines.h).
#include <string>


namespace PreparationText {

// A quoted SQL text literal through the one quoting routine.
std::string Quoted(const std::string& text);
// The first three characters, the prefix that ties sub-accounts to their header account.
std::string CodePrefix(const std::string& code);

} // namespace PreparationText
