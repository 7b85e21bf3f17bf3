#pragma once
// Employee cash advances and repayments in kasbon, each posted as a cash voucher between the
// unit's cash account and its employee receivable account; the entry and its voucher are written
// and removed together.
#include <cstdint>
#include <optional>
#include <string>

#include "ledger/LoginState.h"
#include "platform/core/Currency.h"
#include "platform/core/DateTime.h"

class TDtModule;

enum class TAdvanceKind { None, Advance, Repayment };

struct TAdvanceEntry {
    // 0 for a new entry.
    int64_t Noid = 0;
    std::string Kode;
    std::string NoBukti;
    TDateTime Tanggal = 0;
    std::string Keterangan;
    TAdvanceKind Kind = TAdvanceKind::None;
    Currency Amount;
    // "10", "11" or "12"; another unit writes the voucher header alone.
    std::string IdUnit;
};

// The first of the unit's cash and employee receivable accounts that the settings leave unset,
// whose voucher lines would otherwise go to account 0; none for a unit that writes no lines.
std::optional<TControlAccountKind> MissingAdvanceAccount(const std::string& idUnit, const TLoginState& login);

// Inserts or rewrites the entry (the column of the other kind null) and replaces its voucher, keyed
// by the entry's noid, in one transaction; answers the noid. Raises EInvalidOperation before
// anything is written for an entry without a kind or an amount above zero, or whose unit misses
// one of the two accounts; on a database error nothing stays written.
int64_t SaveAdvance(TDtModule& dm, const TAdvanceEntry& entry, const TLoginState& login);

// Removes the entry and its voucher together.
void DeleteAdvance(TDtModule& dm, int64_t noid);

// Advances minus repayments over every entry of the employee; entries without an amount count as 0.
Currency AdvanceBalance(TDtModule& dm, const std::string& kode);

// Whether a voucher of any unit or kind already carries the number.
bool VoucherNumberInUse(TDtModule& dm, const std::string& number);

// The carried balance of the year-end closing, and entries without a number, cannot be changed.
bool IsCarryRow(const std::string& noBukti);
