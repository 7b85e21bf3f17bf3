#pragma once
// The opening balances of the book year: the work table coa_tmp that the opening-balance dialog
// edits, and the write of its amounts into coa, posting and trial_balance.
#include <string>

#include "platform/core/Currency.h"

class TDataSet;
class TDtModule;
class TLongJob;

// Empties coa_tmp and fills it with every account that is not a top account, in code order.
// One transaction: an error leaves coa_tmp as it was and reaches the caller.
void FillOpeningBalanceTable(TDtModule& Dm, TLongJob& Job);

// Writes each row of Rows (coa_tmp as filtered) into coa.saldo_awal, the signed posting.pos_awal
// (new posting rows get Year) and the opening columns of trial_balance on the account's side.
// Rows without an account id (null or 0) are skipped. One transaction: any error rolls all of
// it back and reaches the caller.
void SaveOpeningBalances(TDtModule& Dm, TDataSet& Rows, const std::string& Year, TLongJob& Job);

// The opening balance as posting measures it: negated for a credit-side asset (class "1", "K")
// and a debit-side liability or equity (class "2" or "3", "D").
Currency SignedOpening(const std::string& Category, const std::string& Side, Currency Amount);

// Sum of coa_tmp.saldo_awal of one side ("D" or "K"), of one unit when Unit is not empty.
Currency OpeningTotal(TDtModule& Dm, const std::string& Side, const std::string& Unit = {});
