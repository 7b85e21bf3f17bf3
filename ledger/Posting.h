#pragma once
// The monthly posting: the vouchers of one month of one business unit become that month's
// totals in trial_balance and posting, and the unit's profit of the month lands on its
// current-year profit account.
#include <string>
#include <vector>

class TDtModule;
class IJobProgress;
class TLongJob;

// Month "1" to "12", Year the book year (written into new posting rows), Unit the unit id
// ("10", "11", "12"; another unit is posted without a profit account). Runs as one long job
// in one transaction: any error rolls the whole run back and reaches the caller. Text that is
// not a month, a year or a unit id raises EConvertError before anything is touched.
void BuildMonthlyTrialBalance(TDtModule& Dm, const std::string& Month, const std::string& Year,
                              const std::string& Unit, IJobProgress* Progress = nullptr);

// Posts Months (each 1 to 12, in the order given) of each of Units inside the caller's long job
// and in one transaction (a savepoint when the caller has one open). The tables end as calling
// BuildMonthlyTrialBalance for each unit and month in that order would leave them, but the
// vouchers are read once and each row is written once. Every input is checked before anything
// is touched. Progress: one step per account of the units.
void BuildTrialBalance(TDtModule& Dm, const std::string& Year, const std::vector<std::string>& Units,
                       const std::vector<int>& Months, TLongJob& Job);

// Whether the posting keeps an account's balance as credit - debit: always for classes 2 and 3,
// never for class 1, and for the other classes when the account's side is 'K'. A contra account,
// whose side differs from its class, thus moves against its side.
bool CreditMeasured(char AccountClass, char Side);
// Whether an account's side differs from its class: a debit-side liability or equity account, or a
// credit-side asset. Its opening changes sign between coa, which keeps it on the account's side,
// and posting, which signs it by the class.
bool IsContra(char AccountClass, char Side);
