#pragma once
// What a save checks when other program instances work on the same books: the rows the window read
// are still as read, and the book year is the one the book holds now, not the one read at login.
// Both checks run inside the save's write transaction, so nothing changes between check and write.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"

class TDtModule;

// Another instance changed or deleted what a window read, or the book moved on; nothing of the save
// was written. The message is the one the user sees.
class EChangedByOther : public EDatabaseError { using EDatabaseError::EDatabaseError; };

// "Data ini telah diubah atau dihapus oleh pengguna lain. ..." : what a refused save says.
extern const char* const ChangedByOtherText;

// The values of the rows a select answers, in its order, as they were read.
using TRowImage = std::vector<std::vector<Variant>>;

// Reads through the connection itself, so no query of the module moves.
TRowImage ReadRows(TDtModule& dm, const std::string& select);
// Raises EChangedByOther when the rows the select answers now differ from asRead in any value,
// in number or in order.
void CheckRowsUnchanged(TDtModule& dm, const std::string& select, const TRowImage& asRead);

// Where account 'id' stands in rows ordered by their first column, the account id; rows.size()
// when it is not among them.
size_t AccountRow(const TRowImage& rows, int64_t id);
// What a save of a list says when rows it writes were changed by another instance since the list
// was read: it names their accounts, and the figures typed stay on screen for a second save.
std::string ChangedRowsText(const std::vector<std::string>& accounts);
// Ends a save of a list inside its transaction: raises EChangedByOther naming the 'changed' accounts,
// or answers AsRead with the rows of the 'written' accounts as the select reads them now.
TRowImage RowsAsWritten(TDtModule& dm, const std::string& select, const TRowImage& AsRead,
    const std::vector<int64_t>& written, const std::vector<std::string>& changed);

// A number that changes whenever another connection commits a change to the book, and only then:
// a window that holds rows read earlier reads them again only when it changed.
int64_t OthersWriteCount(TDtModule& dm);

// ref_sistem.ref_tahun as the book holds it now (2000 when unset, as at login).
int BookYearNow(TDtModule& dm);
// Raises EChangedByOther when the book's year is no longer 'year' (another instance closed it, or
// the settings changed it).
void CheckBookYear(TDtModule& dm, int year);
