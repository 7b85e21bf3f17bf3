#pragma once
// The opening balances of the book year: the work table coa_tmp that the opening-balance dialog
// edits, and the write of its amounts into coa, posting and trial_balance.
#include <string>

#include "ledger/SharedBooks.h"
#include "platform/core/Currency.h"

class TDataSet;
class TDtModule;
class TLongJob;

// Empties coa_tmp and fills it with every account that is not a top account, in code order,
// leaving out a blank account another instance is making; an amount typed since TypedSince (the
// openings as an earlier read left them) is kept. One fill of the work table, without the book's
// write lock: an error leaves coa_tmp as it was and reaches the caller. Answers the accounts'
// openings as read.
TRowImage FillOpeningBalanceTable(TDtModule& Dm, TLongJob& Job, const TRowImage& TypedSince = {});

// Writes each amount of Rows (coa_tmp as filtered) typed since AsRead into coa.saldo_awal, and the
// opening of every row of an account in AsRead (typed, or as the book holds it now) into the signed
// posting.pos_awal (new posting rows get Year) and the opening columns of trial_balance on the
// account's side. One transaction, which raises EChangedByOther naming the accounts, writing
// nothing, when another instance changed or deleted the account of a typed amount since AsRead;
// any error rolls all of it back and reaches the caller. Answers AsRead with the written openings
// as written, for the next save.
TRowImage SaveOpeningBalances(TDtModule& Dm, TDataSet& Rows, const std::string& Year, const TRowImage& AsRead,
                              TLongJob& Job);

// The opening balance as posting measures it: negated for a credit-side asset (class "1", "K")
// and a debit-side liability or equity (class "2" or "3", "D").
Currency SignedOpening(const std::string& Category, const std::string& Side, Currency Amount);

// Sum of coa_tmp.saldo_awal of one side ("D" or "K"), of one unit when Unit is not empty.
Currency OpeningTotal(TDtModule& Dm, const std::string& Side, const std::string& Unit = {});
