#pragma once
// The monthly posting as the report window and the balance list offer it: after the user's
// confirmation, the chosen month of units 10, 11 and 12, in that order, as one long job.
#include <string>

#include "platform/core/Exceptions.h"

class TDtModule;
class IJobProgress;

// A month that holds a voucher whose debits and credits differ is not posted: the trial balance
// would not balance. The message names each such voucher for the user to balance first.
class EUnbalancedVouchers : public Exception { using Exception::Exception; };

// Raises EUnbalancedVouchers, its message opening with Refused, naming the vouchers of months
// FirstMonth to LastMonth on an account of units 10, 11 and 12 whose debits and credits differ. A
// blank header that a window is still making has no date, so no month holds it.
void CheckVouchersBalanced(TDtModule& Dm, int FirstMonth, int LastMonth, const std::string& Refused);

// The confirmation's two lines, joined by CR LF.
extern const char* const PostingQuestion;

// Asks PostingQuestion (Yes/No); anything but Yes answers false and touches nothing. On Yes posts
// Month ("1" to "12") of the book year for units "10", "11", "12" through one long job that
// shows Progress once, and answers true; a month with an unbalanced voucher shows the vouchers
// and answers false. Other errors reach the caller with the job closed.
bool AskAndPostMonth(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress);

// The posting alone, without the question, in one transaction that begins with the write lock:
// either every unit is posted or nothing is. Raises EUnbalancedVouchers, having posted nothing,
// when a voucher of the month on an account of the units does not balance.
void PostMonthForAllUnits(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress);
