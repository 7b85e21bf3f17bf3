#include "reports/PreparationText.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/SqlText.h"

namespace PreparationText {

namespace {
bool IsDigits(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}
}

int CheckedMonth(const std::string& month)
{
    if (!IsDigits(month) || StrToInt(month) < 1 || StrToInt(month) > 12)
        throw EConvertError("'" + month + "' is not a month from 1 to 12");
    return static_cast<int>(StrToInt(month));
}

std::string CheckedUnit(const std::string& unit)
{
    if (!IsDigits(unit))
        throw EConvertError("'" + unit + "' is not a valid unit id");
    return IntToStr(StrToInt(unit));
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Quoted(const std::string& text)
{
    std::string literal(1, '\'');
    literal += SqlText(text);
    literal += '\'';
    return literal;
}

std::string SqlDate(const Variant& value)
{
    return value.IsNull() ? std::string("null") : Quoted(DateToStr(value.AsDateTime()));
}

std::string CodePrefix(const std::string& code)
{
    return code.substr(0, 3);
}

} // namespace PreparationText
