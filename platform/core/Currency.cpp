#include "platform/core/Currency.h"

#include <cmath>
#include <cstdlib>

#include "platform/core/DecimalDigits.h"

Currency Currency::FromDouble(double value)
{
    if (!std::isfinite(value))
        throw EConvertError("Invalid currency value");
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToDecimals(4);
    int places = d.IsZero() ? 0 : d.pointPos + 4;
    int64_t raw = 0;
    for (int i = 0; i < places; ++i) {
        int digit = i < static_cast<int>(d.digits.size()) ? d.digits[i] - '0' : 0;
        if (places > 19 || __builtin_mul_overflow(raw, 10, &raw) || __builtin_add_overflow(raw, digit, &raw))
            throw EConvertError("Currency value out of range: " + d.ToPlainText());
    }
    return FromRaw(d.negative ? -raw : raw);
}

std::string Currency::ToString() const
{
    int64_t whole = raw_ / Scale;
    int64_t frac = std::llabs(raw_ % Scale);
    std::string text = (raw_ < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (frac != 0) {
        std::string digits = std::to_string(frac + Scale).substr(1);
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

double RoundCurrency(double value)
{
    if (!std::isfinite(value))
        return value;
    DecimalDigits d = DecimalDigits::Shortest(value);
    d.RoundToDecimals(4);
    return d.ToDouble();
}
