#pragma once
// The shared SQL routines every window and report runs its statements through,
// and the two routines that turn field values into SQL text.
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

// Default when Value is Null; otherwise Value itself (an empty text or 0 stays as it is).
Variant IfNull(const Variant& Value, const Variant& Default);

// A number as SQL text: "null" for Null, "0" for an empty text, otherwise the value rounded to
// four decimals in the general format with a decimal point and no grouping ("250", "0.1", "1234.5").
// Raises EConvertError for a value that is not a number; the result is always a number literal or "null".
std::string SqlNumber(const Variant& Value);

// A LIKE pattern that matches the texts beginning with Prefix, taken literally:
// "like '<prefix>%' escape '\'" with "_", "%" and "\" escaped and quotes doubled.
std::string SqlLikePrefix(const std::string& Prefix);
