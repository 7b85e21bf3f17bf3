#pragma once
// The stored budget (anggaran) and the budget window's work table (to_anggaran): the rebuild
// before the window opens and the save of the window's months.
class TDtModule;
class TLongJob;

// Gives every non-header revenue (class 4) and expense (class 7) account that has no budget row
// one, then refills to_anggaran from v_anggaran with each row's year total. One transaction
// inside the caller's job; any error rolls it back and reaches the caller.
void RebuildBudget(TDtModule& Dm, TLongJob& Job);

// Writes the twelve months of every to_anggaran row into anggaran, updating the account's row or
// inserting one; rows without an account (blank rows the grid appended) are skipped. One
// transaction inside the caller's job.
void SaveBudget(TDtModule& Dm, TLongJob& Job);
