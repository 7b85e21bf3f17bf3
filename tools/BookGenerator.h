#pragma once
// A deterministic book year for benchmarks: three units, a chart of a few hundred accounts,
// balanced opening balances and cash and adjusting vouchers over twelve months, written into
// a fresh database and, from the same entries, into a plain-text double-entry journal.
#include <array>
#include <cstdint>
#include <string>

#include "platform/core/Currency.h"

struct TBookPlan {
    int64_t Lines = 10'000;  // voucher lines to write (every voucher has two)
    int Year = 2026;
    uint64_t Seed = 0x5eed'b00c;
};

struct TBookUnit {
    int Id = 0;
    int CashAccount = 0;
    int RetainedEarnings = 0;
    int CurrentProfit = 0;
};

struct TBookSummary {
    int64_t Lines = 0;
    int64_t Vouchers = 0;
    int Accounts = 0;
    std::array<TBookUnit, 3> Units;
    // Per unit and month: revenue credits less revenue debits and expense debits less credits.
    std::array<std::array<Currency, 12>, 3> Profit{};
};

// Makes DbPath from the schema script (the file must not exist yet) and fills it; writes the
// journal to JournalPath unless it is empty. Raises EFOpenError, EDatabaseError or EWriteError.
TBookSummary GenerateBook(const std::string& SchemaPath, const std::string& DbPath, const std::string& JournalPath,
                          const TBookPlan& Plan);
