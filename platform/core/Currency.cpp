#include "platform/core/Currency.h"

#include <cmath>
#include <cstdlib>

Currency Currency::FromDouble(double value)
{
    // Scale in long double so that values such as 0.00005 round the way they read.
    long double scaled = static_cast<long double>(value) * Scale;
    return FromRaw(static_cast<int64_t>(std::llroundl(scaled)));
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
    return Currency::FromDouble(value).ToDouble();
}
