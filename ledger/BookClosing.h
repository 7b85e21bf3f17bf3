#pragma once
// The year-end closing: the year's closing balances become next year's openings, each unit's
// profit moves into its retained earnings, open employee advances are carried, the year's
// vouchers, budget, advances and salaries are cleared and the book year advances by one.
#include <string>

class IJobProgress;
class TDtModule;
class TLongJob;

// Raises, changing nothing, what refuses a closing with its copy at BackupPath: EDatabaseReplaced
// when the book file was replaced under the connection, EDatabaseError when the copy cannot be made
// there, EOthersLoggedIn while another instance is logged in to the book, and EUnbalancedVouchers
// while a voucher of the year does not balance.
void CheckYearClosable(TDtModule& Dm, const std::string& BackupPath);

// Copies the database to BackupPath, then, in one long job and one transaction: posts months 1
// to 12 of units 10, 11 and 12 again, carries the balances, the advances, purges the year and
// advances ref_sistem.ref_tahun. Reads the book year, its first month and the control accounts
// from the login state. A failed copy raises before anything changes; any later error rolls the
// whole closing back and reaches the caller. Raises EInvalidOperation while another long job runs,
// and what CheckYearClosable raises, changing nothing. Accounts that another instance holds blank
// are left as they are.
void CloseBookYear(TDtModule& Dm, const std::string& BackupPath, IJobProgress* Progress = nullptr);

// Carries each employee's unpaid advance balance of the book year, per employee and unit, into a
// row "0000" dated day 1 of FirstMonth of the next year. Inside the caller's transaction.
void CarryOverLoans(TDtModule& Dm, int BookYear, int FirstMonth);

// Deletes every voucher header with its lines (lines without a header stay), the whole budget,
// and the advances and salaries dated in the book year. Inside the caller's transaction.
void PurgeYearTransactions(TDtModule& Dm, int BookYear, TLongJob& Job);
