#include "ledger/SqlRoutines.h"

#include <cmath>

#include "platform/core/Currency.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"

namespace {

void ReplaceText(TADOQuery& Query, const std::string& Text)
{
    if (Query.Active())
        Query.Close();
    Query.SQL().Clear();
    Query.SQL().Add(Text);
}

} // namespace

void RunSQL(TADOQuery& Query, const std::string& Text)
{
    ReplaceText(Query, Text);
    Query.ExecSQL();
}

bool OpenSQL(TADOQuery& Query, const std::string& Text)
{
    ReplaceText(Query, Text);
    Query.Open();
    return Query.RecordCount() != 0;
}

void ReopenDataSet(TDataSet& DataSet)
{
    if (DataSet.Active()) {
        if (DataSet.State() == dsEdit || DataSet.State() == dsInsert)
            DataSet.Cancel();
        DataSet.Close();
    }
    DataSet.SetFiltered(false);
    DataSet.Open();
    DataSet.EnableControls();
}

Variant IfNull(const Variant& Value, const Variant& Default)
{
    return Value.IsNull() ? Default : Value;
}

std::string SqlNumber(const Variant& Value)
{
    if (Value.IsNull())
        return "null";
    if (Value.GetKind() == Variant::Kind::Text && Value.AsString().empty())
        return "0";
    double number = Value.AsFloat();
    if (!std::isfinite(number))
        throw EConvertError("'" + Value.AsString() + "' is not a valid number");
    // Amounts beyond the currency range keep every digit the general format has.
    if (std::fabs(number) < 9e14)
        number = RoundCurrency(number);
    if (number == 0)
        number = 0; // no "-0" for a tiny negative amount
    std::string text = FloatToStr(number);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text.empty() ? "0" : text;
}

std::string SqlLikePrefix(const std::string& Prefix)
{
    std::string pattern;
    for (const char c : Prefix) {
        if (c == '_' || c == '%' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return "like '" + SqlText(pattern) + "%' escape '\\'";
}
