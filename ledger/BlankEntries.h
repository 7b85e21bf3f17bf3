#pragma once
// What a window stores while an entry is being made: the blank account that the chart's "&New"
// stores before its dialog opens, and the voucher header without a number or a date that the cash
// window's "&Add" stores. Each is held in `entry_holder` by the program instance (host, process and
// its start) that made it, so that another instance working on the same books leaves it alone; what
// a killed instance left is removed at a login on its host. No window saves anything that looks like
// either.
#include <string>

class TDtModule;

// Creates `entry_holder`, or its process start, in books made before them; run at every login.
void MakeEntryHolder(TDtModule& Dm);
// Stores a blank account under the next free id, held by this instance; answers the id.
std::string NewBlankAccount(TDtModule& Dm);
// Stores a blank voucher header under a new key from the clock, held by this instance; answers the key.
std::string NewBlankVoucherHeader(TDtModule& Dm);
// Whether this instance still holds the entry 'key' of 'table' ("coa" or "T_VOUC") and it is there.
bool EntryHeld(TDtModule& Dm, const std::string& table, const std::string& key);
// Lets go of the entry; run in the transaction that saves it.
void ReleaseEntry(TDtModule& Dm, const std::string& table, const std::string& key);
// Removes the blank account 'id' when this instance holds it, never an account another has saved.
// Leaving an entry always goes through: when the book cannot be written (another user writes past
// the wait, the file was replaced) the box says so and the entry stays for a later login to remove.
void RemoveBlankAccount(TDtModule& Dm, const std::string& id);
// The same for the blank voucher header 'key'.
void RemoveBlankVoucherHeader(TDtModule& Dm, const std::string& key);

// SQL condition, true for an account that no instance holds as the blank entry it is making: the
// lists, saves and reports of accounts add it, so that another instance's half-made account stays
// out of them. idColumn is the account id column of the statement ("coa.account_id").
std::string AccountNotHeld(const std::string& idColumn);

// Removes every blank entry that no running instance holds, with the rows that hang on it, in one
// transaction. A holder on another host is taken to be running: only that host can tell.
void RemoveAbandonedEntries(TDtModule& Dm);
