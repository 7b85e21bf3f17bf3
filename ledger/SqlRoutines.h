#pragma once
// The shared SQL routines every window and report runs its statements through, the routines
// that turn values into SQL text, and the checks on text that is pasted into SQL as a number.
#include <string>

#include "platform/core/Variant.h"
#include "platform/data/SqlText.h"
#include "platform/data/TADOQuery.h"

// Closes the query if open, makes Text its only line and runs it as a statement without rows.
// Database errors reach the caller unchanged.
void RunSQL(TADOQuery& Query, const std::string& Text);

// As RunSQL, but opens the query; answers whether it returned at least one row.
// The cursor stays on the first row; with no rows every field reads Null.
bool OpenSQL(TADOQuery& Query, const std::string& Text);

// Drops a pending edit or insert (it is not posted), closes the data set, switches its filter off,
// opens it again and enables its controls.
void ReopenDataSet(TDataSet& DataSet);

// Posts the pending edit or insert; when the post raises, the change is cancelled before the
// error goes on to the caller, so the data set browses again and nothing of it stays pending.
void PostOrCancel(TDataSet& DataSet);

// Default when Value is Null; otherwise Value itself (an empty text or 0 stays as it is).
Variant IfNull(const Variant& Value, const Variant& Default);
// The text of a field of the current row; Fallback when it is Null.
std::string FieldText(TDataSet& Data, const char* Field, const std::string& Fallback = "");

// A number as SQL text: "null" for Null, "0" for an empty text, otherwise the value rounded to
// four decimals with a decimal point and no grouping ("250", "0.1", "1234.5"); a currency value, and
// any number within the currency range, with every digit, however many (the general format only beyond).
// Raises EConvertError for a value that is not a number; the result is always a number literal or "null".
std::string SqlNumber(const Variant& Value);

// A plain decimal number as SQL reads it: an optional "-", digits, an optional fraction and exponent.
bool IsNumberLiteral(const std::string& Text);

// A whole number of at most 18 digits (an optional "-", leading zeros allowed), answered without
// its leading zeros; anything else raises EConvertError naming What.
std::string CheckedWholeNumber(const std::string& Text, const std::string& What);
// A unit id, which is pasted into SQL, as CheckedWholeNumber checks it.
std::string CheckedUnit(const std::string& Unit);
// "1" to "12" (leading zeros allowed) as a number; anything else raises EConvertError.
int CheckedMonth(const std::string& Month);

// A date as a quoted ISO literal ('yyyy-mm-dd', whatever the display format), "null" for Null.
std::string SqlDate(const Variant& Value);
// A LIKE pattern that matches the texts beginning with Prefix, taken literally:
// "like '<prefix>%' escape '\'" with "_", "%" and "\" escaped and quotes doubled.
std::string SqlLikePrefix(const std::string& Prefix);
// The same for the texts equal to Text (without case, as LIKE compares): "like '<text>' escape '\'".
std::string SqlLikeText(const std::string& Text);
