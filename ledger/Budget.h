#pragma once
// The stored budget (anggaran) and the budget window's work table (to_anggaran): the rebuild
// before the window opens and the save of the window's months.
#include "ledger/SharedBooks.h"

class TDtModule;
class TLongJob;

// Gives every non-header revenue (class 4) and expense (class 7) account that has no budget row
// one, then refills to_anggaran from v_anggaran with each row's year total; a blank account
// another instance is making stays out of both. Within the caller's job, the new rows are one write
// and the refill one fill of the work table, which takes no write lock on the book when no row is
// new; an error rolls back the step it stopped and reaches the caller. Answers the budget rows as read.
TRowImage RebuildBudget(TDtModule& Dm, TLongJob& Job);

// Writes the twelve months of every to_anggaran row into the account's anggaran row; rows of an
// account that is not in AsRead (blank rows the grid appended) are skipped. One transaction
// inside the caller's job, which first raises EChangedByOther when another instance changed,
// added or deleted a budget row since AsRead. Answers the budget rows as written, for the next save.
TRowImage SaveBudget(TDtModule& Dm, const TRowImage& AsRead, TLongJob& Job);
