#pragma once
// The stored budget (anggaran) and the budget window's work table (to_anggaran): the rebuild
// before the window opens and the save of the window's months.
#include "ledger/SharedBooks.h"

class TDtModule;
class TLongJob;

// Gives every non-header revenue (class 4) and expense (class 7) account that has no budget row
// one, then refills to_anggaran from v_anggaran with each row's year total; a blank account
// another instance is making stays out of both. A row whose months were typed since TypedSince
// (the rows as an earlier read left them) keeps the typed months. Within the caller's job, the new
// rows are one write and the refill one fill of the work table, which takes no write lock on the
// book when no row is new; an error rolls back the step it stopped and reaches the caller. Answers
// the budget rows as read.
TRowImage RebuildBudget(TDtModule& Dm, TLongJob& Job, const TRowImage& TypedSince = {});

// Writes the twelve months of every to_anggaran row typed since AsRead into the account's
// anggaran row; rows not typed, or of an account that is not in AsRead, are left as the book
// holds them. One transaction inside the caller's job, which raises EChangedByOther naming the
// accounts, writing nothing, when another instance changed or deleted the budget row of a typed
// account since AsRead. Answers AsRead with the written rows as written, for the next save.
TRowImage SaveBudget(TDtModule& Dm, const TRowImage& AsRead, TLongJob& Job);
