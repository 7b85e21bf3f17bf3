#pragma once
// What a window killed in the middle of an entry leaves in the books: the blank account that the
// chart's "&New" stores before its dialog opens, and the voucher header without a number or a date
// that the cash window's "&Add" stores. No window saves anything that looks like either.
class TDtModule;

// Removes every such placeholder, with the rows that hang on it, in one transaction.
void RemoveEntryPlaceholders(TDtModule& Dm);
