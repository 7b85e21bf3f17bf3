#include "ledger/SqlRoutines.h"

#include <cctype>
#include <cmath>

#include "platform/core/Currency.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TField.h"

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
        if (IsEditing(DataSet.State()))
            DataSet.Cancel();
        DataSet.Close();
    }
    DataSet.SetFiltered(false);
    DataSet.Open();
    DataSet.EnableControls();
}

void PostOrCancel(TDataSet& DataSet)
{
    try {
        DataSet.Post();
    } catch (...) {
        DataSet.Cancel();
        throw;
    }
}

Variant IfNull(const Variant& Value, const Variant& Default)
{
    return Value.IsNull() ? Default : Value;
}

std::string FieldText(TDataSet& Data, const char* Field, const std::string& Fallback)
{
    return IfNull(Data.FieldByName(Field)->Value(), Fallback).AsString();
}

std::string SqlNumber(const Variant& Value)
{
    if (Value.IsNull())
        return "null";
    if (Value.GetKind() == Variant::Kind::Text && Value.AsString().empty())
        return "0";
    // An amount is written with every one of its digits: the general format's fifteen would round
    // 999999999999.9849 to ...985.
    if (Value.GetKind() == Variant::Kind::Currency)
        return Value.AsCurrency().ToString();
    double number = Value.AsFloat();
    if (!std::isfinite(number))
        throw EConvertError("'" + Value.AsString() + "' is not a valid number");
    // Amounts beyond the currency range keep every digit the general format has.
    if (std::fabs(number) < 9e14)
        return Currency::FromDouble(number).ToString();
    std::string text = FloatToStr(number);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text.empty() ? "0" : text;
}

bool IsNumberLiteral(const std::string& Text)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < Text.size() && std::isdigit(static_cast<unsigned char>(Text[i])))
            ++i;
        return i > start;
    };
    if (i < Text.size() && Text[i] == '-')
        ++i;
    if (!digits())
        return false;
    if (i < Text.size() && Text[i] == '.') {
        ++i;
        if (!digits())
            return false;
    }
    if (i < Text.size() && (Text[i] == 'e' || Text[i] == 'E')) {
        ++i;
        if (i < Text.size() && (Text[i] == '+' || Text[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == Text.size();
}

namespace {

bool IsWholeNumber(const std::string& Text)
{
    const std::size_t sign = !Text.empty() && Text[0] == '-' ? 1 : 0;
    return IsNumberLiteral(Text) && Text.find_first_not_of("0123456789", sign) == std::string::npos &&
           Text.size() - sign <= 18;
}

} // namespace

std::string CheckedWholeNumber(const std::string& Text, const std::string& What)
{
    if (!IsWholeNumber(Text))
        throw EConvertError("'" + Text + "' is not a valid " + What);
    return IntToStr(StrToInt(Text));
}

std::string CheckedUnit(const std::string& Unit)
{
    return CheckedWholeNumber(Unit, "unit id");
}

int CheckedMonth(const std::string& Month)
{
    const int64_t month = IsWholeNumber(Month) ? StrToInt(Month) : 0;
    if (month < 1 || month > 12)
        throw EConvertError("'" + Month + "' is not a month from 1 to 12");
    return static_cast<int>(month);
}

std::string SqlDate(const Variant& Value)
{
    if (Value.IsNull())
        return "null";
    std::string literal(1, '\'');
    literal += FormatDateTime("yyyy-mm-dd", Value.AsDateTime());
    literal += '\'';
    return literal;
}

namespace {

// Text with LIKE's wildcards and the escape character itself escaped by "\".
std::string LikeEscaped(const std::string& Text)
{
    std::string pattern;
    for (const char c : Text) {
        if (c == '_' || c == '%' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

} // namespace

std::string SqlLikePrefix(const std::string& Prefix)
{
    return "like '" + SqlText(LikeEscaped(Prefix)) + "%' escape '\\'";
}

std::string SqlLikeText(const std::string& Text)
{
    return "like '" + SqlText(LikeEscaped(Text)) + "' escape '\\'";
}
