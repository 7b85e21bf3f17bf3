#pragma once
// Keys made from the program's clock: "yyyyMMddHHmmss", zero-padded so that no two moments
// share a text, with "-1", "-2" ... appended while the key is taken (at most 20 characters).
#include <functional>
#include <string>

#include "platform/core/DateTime.h"

class TDtModule;

// The fourteen digits of a moment: 2020-01-11 01:00:00 gives "20200111010000".
std::string TimeStampText(TDateTime moment);

// The first of key, key-1, key-2 ... that isTaken answers false for. Raises EInvalidOperation
// when no free key fits in 20 characters.
std::string NewTimeStampKey(TDateTime moment, const std::function<bool(const std::string&)>& isTaken);

// A new key from the program's clock that keyColumn of table does not hold yet (checked through Query1).
std::string NewTimeStampKey(TDtModule& dm, const std::string& table, const std::string& keyColumn);

// A new voucher key: free in T_VOUC.ID_Vouc.
std::string NewVoucherKey(TDtModule& dm);
